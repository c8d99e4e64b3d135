// Spelling on small lexicons in real files, then tarnwell-spell: pipe, export, a kill.
#include "platform/sqlite/sqlitedb.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/lexiconlookup.h"
#include "spelling/linecheck.h"
#include "spelling/scan.h"
#include "spelling/suggest.h"
#include "tests/fakes/smalllexicon.h"
#include "util/version.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <random>

using platform::sqlite::Database;
using platform::sqlite::Statement;
using spelling::ScanStop;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// A lexicon in a temporary folder, its word index and an ispell pipe on it.
struct Lexicon {
    QTemporaryDir dir;
    fakes::SmallLexicon lex{dir.path() + qs("/")};
    platform::sqlite::SqliteLexiconStore store;
    std::shared_ptr<spelling::WordIndex> index;
    std::unique_ptr<platform::LexiconDatabase> wordsDb;
    std::unique_ptr<platform::TableCursor> words;
    std::unique_ptr<spelling::IspellPipe> pipe;
    explicit Lexicon(void (*fill)(fakes::SmallLexicon&)) {
        fill(lex);
        load();
    }
    void load() {
        pipe.reset();
        words.reset();
        const spelling::LoadedLexicon l = spelling::loadLexicon(store, lex.folder);
        QVERIFY2(l.index, qPrintable(l.failedFile + qs(": ") + l.reason));
        index = l.index;
        wordsDb = store.open(lex.folder + qs("quarn words.accdb"));
        words = wordsDb->openTable(qs("Words"));
        pipe = std::make_unique<spelling::IspellPipe>(*index, words.get(), qs("Test"), qs("1.0"));
    }
    bool accepted(const QString& w) { return spelling::checkWord(*index, w).accepted; }
    QStringList suggest(const QString& w) { return spelling::suggestSpellings(w, *index).list; }
    QString feed(const QStringList& lines) {
        QString out;
        for (const QString& l : lines)
            out += pipe->answer(l);
        return out;
    }
};

// Words of one link type each: "word", or "word/frequency".
void add(fakes::SmallLexicon& lex, int link, const char* words) {
    for (const QString& w : qs(words).split(u' '))
        lex.addWord(w.section(u'/', 0, 0), {link},
                    w.contains(u'/') ? w.section(u'/', 1).toDouble() : 1);
}

// Words for the verdict: the case rules, categories, the prefix rule.
void verdictWords(fakes::SmallLexicon& lex) {
    add(lex, 30010,
        "the well known bridge green son grad tun design pressure unless return regard "
        "until reason naive fiancée isn't they've");
    add(lex, 30020, "write fix sing presented represented correct");
    add(lex, 30030, "sure happy arrant incorrect");
    lex.addWord(qs("active"), {30010, 30030}, 1.0);
    add(lex, 30050, "Paris/2 Monday/2 English/2 Th/2 ND/2 Les/2 Tl/2 Green/2");
    add(lex, 30010, "café/2");
    lex.addWord(qs("Polish"), {30050});
    lex.addWord(qs("polish"), {31000});      // entries all outside the categories
    lex.addWord(qs("added"), {});            // added by hand: no entries
    lex.addWord(qs("late"), {31000, 30210}); // a category after another link
    lex.addMisspelling(qs("recieve"), qs("the"));
    lex.addMisspelling(qs("persue"), qs("the"));
    lex.addWord(qs("last"), {31000, 31001}); // the table's last entries
}

void suggestionWords(fakes::SmallLexicon& lex) {
    add(lex, 30000, "the/0.1 a/0.05 thou/4.5 isn't/0.5");
    add(lex, 30010, "lot/1.5 dog/1 cat-dog/2 phone/1.3 shot/1.4 address/1.3");
    add(lex, 30020, "receive/1.4 shoot/1.5");
    add(lex, 30030, "green/1.6 short/1.2");
    add(lex, 30050, "Green/1.6 Scott/2");
    lex.addWord(qs("thaw"), {}, 2.5);
    lex.addMisspelling(qs("recieve"), qs("receive"));
    lex.addWikipediaPair(qs("thw"), qs("the"));
    lex.addWikipediaPair(qs("adres"), qs("address"));
}

void pipeWords(fakes::SmallLexicon& lex) {
    add(lex, 30000, "the/0.1");
    add(lex, 30010, "cat");
    add(lex, 30040, "well/0.5");
    add(lex, 30030, "known/0.8");
    add(lex, 30020, "receive/1.4");
    lex.addMisspelling(qs("recieve"), qs("receive"));
    // "cat" comes from the table and from the edits alike: named once, no mark.
    lex.addWikipediaPair(qs("caat"), qs("cat"));
}

const QString kPad = qs(" <br>").repeated(25);

// The scan as the document check runs it: the words, then END, NOMORE or TOOSHORT.
QString scanAll(const QString& text, const QSet<QString>& skipAll = {}) {
    QStringList out;
    for (int start = 1, guard = 0; guard < 1000; ++guard) {
        const ScanStop stop = spelling::nextWordToCheck(text, start, skipAll);
        if (stop.kind == ScanStop::Kind::TooShort) return qs("TOOSHORT");
        if (stop.kind == ScanStop::Kind::EndOfText || stop.kind == ScanStop::Kind::NoMoreWords)
            return (out << qs(stop.kind == ScanStop::Kind::EndOfText ? "END" : "NOMORE"))
                .join(u'|');
        if (stop.length <= 0) return qs("EMPTY WORD");
        out << text.mid(stop.start, stop.length);
        start = stop.start + stop.length + 1;
    }
    return qs("NO END");
}

struct Run {
    int status = -1;
    QByteArray out, err;
};

Run run(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(qs(TFV_SPELL_PROGRAM), args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000)) return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// The words `hunspell -l` reports in `text`, with the dictionary DIR/NAME.
QByteArray hunspellList(const QString& dictionary, const QByteArray& text) {
    QProcess p;
    p.start(qs("hunspell"), {qs("-i"), qs("UTF-8"), qs("-d"), dictionary, qs("-l")});
    if (!p.waitForStarted(10000)) return "hunspell did not start (scripts/install-deps.sh)";
    p.write(text);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return p.readAllStandardOutput() + p.readAllStandardError();
}
} // namespace

class TestSpelling : public QObject {
    Q_OBJECT
    std::unique_ptr<Lexicon> verdict_, suggestion_, pipe_;
    QTemporaryDir dir_;

  private slots:
    void initTestCase() {
        verdict_ = std::make_unique<Lexicon>(verdictWords);
        suggestion_ = std::make_unique<Lexicon>(suggestionWords);
        pipe_ = std::make_unique<Lexicon>(pipeWords);
    }

    // Where the document check stops ("^": markup enough for the text to be checked).
    void scan() {
        const char* rows[][2] = {
            {"<b>Helo</b> caf&eacute; &nbsp;au&amp;lait x&nbsp;<a href=\"helo.htm\">Helo</a>^",
             "Helo|caf|au|lait|x|Helo|END"},
            {"don't John's 'tis players' state-of-the-art Helo  ''. there^",
             "don't|John|s|tis|players|state-of-the-art|Helo|END"},
            {"USA iPhone mp3 xxx x-ray NT<br>Helo 1st 22nd 103rd 4th 11th 12th 113th 21th 11st "
             "2rd end the 1990's^",
             "Helo|th|st|rd|end|the|END"},
            {"see bridgebase com for <b>news</b> Helo^", "see|bridgebase|news|Helo|END"},
            {"^ Helo bridgebase com here", "Helo|bridgebase|NOMORE"},
            {"see page.htm, http://x.org/helo and www.bridgebase.com or ann@x.org (C.gif) in "
             "/usr/share/dict e.g. U.S. end.The Helo^",
             "see|and|or|in|e|g|U|S|end|The|Helo|END"},
            {"café naïve fiancée cafe\u0301 isn’t they’ve John’s ‘Helo’^",
             "café|naïve|fiancée|cafe\u0301|isn’t|they’ve|John|s|Helo|END"},
            {"^ a < b Helo there.  ", "a|b|Helo|there|END"},
            {"^ Helo USA", "Helo|END"},
            {"a <b Helo^", "a|END"},
            {"<IMG ALT=\"a > wrold\"> Helo^", "Helo|END"},
            {"<!-- wrold --><SCRIPT>var helo;</SCRIPT><STYLE>p{colr:red}</STYLE>Helo^",
             "Helo|END"}};
        for (const auto& row : rows)
            QCOMPARE(scanAll(qs(row[0]).replace(QLatin1Char('^'), kPad)), qs(row[1]));
        const QString text99 = qs("Helo ") + QString(94, QLatin1Char('.'));
        QCOMPARE(scanAll(text99 + qs("     ")), qs("TOOSHORT")); // trailing blanks do not count
        QCOMPARE(scanAll(text99 + qs(".")), qs("Helo|END"));
        QCOMPARE(scanAll(qs("Helo helo HELO Helo") + kPad, {qs("Helo")}), qs("helo|END"));
    }

    // Case as stored, capitalised or all capitals; the prefix rule (the rest an ordinary
    // word of a fitting category, no slip of one letter); accents, typographic apostrophes.
    void verdict() {
        for (const QString& w :
             qs("|q| the |added|late|The|THE|Paris|PARIS|Polish|POLISH|rewrite|dewrite|prefix|"
                "nonbridge|Rewrite|unhappy|well-known|café|naïve|cafe\u0301|fiancée|isn’t|"
                "they’ve|they've")
                 .split(u'|'))
            QVERIFY2(verdict_->accepted(w), qPrintable(w));
        for (const QString& w :
             qs("polish|last|recieve|paris|monday|english|th|nd|tHe|rewrote|re|repolish|unles|"
                "untl|repersue|desing|presure|retun|regrad|reson|reWrite|rearrant|deactive|"
                "rebridge|uncorrect|prepresented|-well|well-|well-polish|well-recieve|fiancéé")
                 .split(u'|'))
            QVERIFY2(!verdict_->accepted(w), qPrintable(w));
        using Hyphen = spelling::LexiconVerdict::Hyphen;
        for (const char* word : {"abcd-e", "abcd-ef", "well-kn-wn"}) {
            const auto v = spelling::checkWord(*verdict_->index, qs(word));
            QVERIFY(!v.accepted && v.hyphenPosition == 5 && v.leftPart == qs(word).left(4));
            QCOMPARE(v.hyphen, word[0] == 'a' ? Hyphen::LeftPartUnknown : Hyphen::RightPartUnknown);
            QCOMPARE(v.oneCharacterAfterHyphen, qstrcmp(word, "abcd-e") == 0);
        }
        using spelling::WordStatus;
        QCOMPARE(spelling::wordStatus(*verdict_->index, qs("helo")), WordStatus::NotInWords);
        QCOMPARE(spelling::wordStatus(*verdict_->index, qs("Recieve")), WordStatus::NoCategory);
        QCOMPARE(spelling::wordStatus(*verdict_->index, qs("added")), WordStatus::Accepted);
    }

    void userWord_winsOverRecordedMisspelling() {
        Lexicon l(verdictWords);
        QVERIFY(!l.accepted(qs("persue")));
        l.index->addUserWord(l.index->nextId(), qs("persue"), qs("P620"));
        QVERIFY(l.accepted(qs("persue")) && l.accepted(qs("Persue")) && !l.accepted(qs("persu")));
        // Read from the files, where the user's record follows the recorded one.
        l.lex.execOnWords(qs("INSERT INTO Words (id, Text, Soundex, Tag, Sorted) VALUES (500, "
                             "'persue', 'P620', 999, 'eeprsu')"));
        l.load();
        QVERIFY(l.accepted(qs("persue")) && !l.accepted(qs("recieve")));
    }

    // Missing or damaged: named by its file, no file made; a change left unfinished undone.
    void loading_faultsNamed_nothingLost() {
        QTemporaryDir empty;
        platform::sqlite::SqliteLexiconStore store;
        QCOMPARE(spelling::loadLexicon(store, empty.path() + qs("/")).failedFile, qs("qn.accdb"));
        QVERIFY(QDir(empty.path()).isEmpty());
        fakes::SmallLexicon broken(dir_.path() + qs("/broken/"));
        broken.addWord(qs("the"));
        broken.execOnWords(qs("DROP TABLE Words"));
        const spelling::LoadedLexicon l = spelling::loadLexicon(store, broken.folder);
        QVERIFY(!l.index && l.failedFile == qs("quarn words.accdb"));
        QVERIFY2(l.reason.contains(qs("Words")), qPrintable(l.reason));
        const QString crashed = dir_.path() + qs("/crashed/");
        QVERIFY(pipe_->lex.copyInTheMiddleOfAChange(crashed));
        const spelling::LoadedLexicon undone = spelling::loadLexicon(store, crashed);
        QVERIFY(undone.index && spelling::checkWord(*undone.index, qs("receive")).accepted);
        QVERIFY(!QFile::exists(crashed + qs("quarn words.accdb-journal")));
    }

    // Each mistake finds its word first, in the typed capitals; names last; once; no marks.
    void suggestions() {
        for (const QString& row :
             qs("teh=the,thr=the,thhe=the,th=the,he=the,adress=address,fone=phone,recieev=receive,"
                "isnt’=isn’t,Teh=The,TEH=THE,Recieve=Receive,gren=green,thw=the,adres=address")
                 .split(QLatin1Char(',')))
            QCOMPARE(suggestion_->suggest(row.section(u'=', 0, 0)).value(0), row.section(u'=', 1));
        QCOMPARE(suggestion_->suggest(qs("gren")).mid(0, 2),
                 QStringList({qs("green"), qs("Green")}));
        QCOMPARE(suggestion_->suggest(qs("Gren")).count(qs("Green")), 1);
        const QStringList shott = suggestion_->suggest(qs("shott"));
        QVERIFY2(shott.contains(qs("short")), qPrintable(shott.join(qs(", "))));
        QVERIFY(shott.indexOf(qs("Scott")) < 0 ||
                shott.indexOf(qs("shot")) < shott.indexOf(qs("Scott")));
        const QStringList thw = suggestion_->suggest(qs("thw"));
        QVERIFY(thw.count(qs("the")) == 1 && thw.filter(qs("(")).isEmpty());
        // Rare words and recorded misspellings are never offered.
        QVERIFY(!suggestion_->suggest(qs("thoe")).contains(qs("thou")));
        QVERIFY(!suggestion_->suggest(qs("recieva")).contains(qs("recieve")));
        QVERIFY(suggestion_->suggest(qs("cta-dog")).contains(qs("cat-dog")));
        QVERIFY(suggestion_->suggest(qs("alot")).contains(qs("a lot")));
        const auto recorded = spelling::suggestSpellings(qs("recieve"), *suggestion_->index);
        QVERIFY(recorded.list == QStringList{qs("receive")} &&
                recorded.replacement == qs("receive"));
        QVERIFY(suggestion_->suggest(qs("qqqqqqq")).isEmpty());
        suggestion_->index->addUserWord(suggestion_->index->nextId(), qs("Tarnwell"), qs("T654"));
        QVERIFY(suggestion_->suggest(qs("Tarnwel")).contains(qs("Tarnwell")));
    }

    // One answer for every word of a line, whatever the word.
    void pipe_answers() {
        const char* rows[][2] = {
            {"the  caat zzqv recieve",
             "*\n& caat 1 5: cat\n# zzqv 10\n& recieve 1 15: receive\n\n"},
            {"^*caat", "& caat 1 2: cat\n\n"}, // "^" escapes a line; offsets count it
            {"   ", "\n"},
            {"well-knwn well-known 21th", "& knwn 1 5: known\n*\n& th 1 23: the\n\n"},
            {"USA mp3 21st iPhone 11th 123 4.5 page.htm http://zzqv.org/caat ann@zzqv.org "
             "<b>cat</b>",
             "*\n*\n*\n*\n*\n*\n*\n*\n*\n*\n*\n*\n*\n\n"},
            {"the www.zzqv.org cat, see caat.htm. caat",
             "*\n*\n*\n# see 22\n*\n& caat 1 36: cat\n\n"},
            // Offsets in characters: the emoji is one, two UTF-16 units.
            {"\U0001F600 caat é caté the’s cat’ll",
             "& caat 1 2: cat\n*\n& caté 1 9: cat\n*\n*\n# cat’ll 20\n\n"},
            {"caat\xff\xfe the", "& caat 1 0: cat\n*\n\n"},
            {"+", ""},
            {"~tex", ""}};
        for (const auto& row : rows) {
            pipe_->load();
            QCOMPARE(pipe_->pipe->answer(qs(row[0])), qs(row[1]));
        }
        const QString answer = pipe_->pipe->answer(qs("the cat ").repeated(100000) + qs("caat"));
        QVERIFY(answer.count(u'\n') == 200002 && answer.endsWith(qs("& caat 1 800000: cat\n\n")));
        const QString word(5000, QLatin1Char('q'));
        QCOMPARE(pipe_->pipe->answer(word), qs("# ") + word + qs(" 0\n\n"));
    }

    // Terse mode, session words, HTML; saved words, the user's over a recorded misspelling.
    void pipe_session_savedWords_userWordWins() {
        Lexicon l(pipeWords);
        QCOMPARE(l.feed({qs("!"), qs("the caat"), qs("the cat"), qs("%"), qs("the caat")}),
                 qs("& caat 1 4: cat\n\n\n*\n& caat 1 4: cat\n\n"));
        // A word in small letters is accepted capitalised too; one with capitals only so.
        QCOMPARE(l.feed({qs("@zorp"), qs("zorp Zorp"), qs("*Blorf"), qs("Blorf blorf"), qs("&Quux"),
                         qs("quux Quux")}),
                 qs("*\n*\n\n*\n# blorf 6\n\n*\n*\n\n"));
        QCOMPARE(l.pipe->unsavedWords(), (QStringList{qs("Blorf"), qs("quux")}));
        l.pipe->setHtml(true);
        QCOMPARE(l.feed({qs("<b>caat</b>&nbsp;the&amp;cat")}), qs("& caat 1 3: cat\n*\n*\n\n"));
        // A tag that goes on over lines hides its attributes on every line.
        QCOMPARE(l.feed({qs("the <a href=\"zzqv.htm\""), qs("title=\"zzqv\">caat</a>"), qs("cat")}),
                 qs("*\n\n& caat 1 13: cat\n\n*\n\n"));
        QCOMPARE(l.feed({qs("<script>var zzqv = 1;</script><style>p { zzqv: 0 }</style>cat")}),
                 qs("*\n\n"));
        l.pipe->setHtml(false);
        l.lex.addMisspelling(qs("persue"), qs("known"));
        l.load();
        QCOMPARE(l.feed({qs("persue")}), qs("& persue 1 0: known\n\n"));
        QCOMPARE(l.feed({qs("*persue"), qs("persue"), qs("*zorp"), qs("@caat"), qs("*the"), qs("#"),
                         qs("persue")}),
                 qs("*\n\n*\n\n"));
        QVERIFY(l.pipe->errors.isEmpty() && l.pipe->unsavedWords().isEmpty());
        Database db(l.lex.folder + qs("quarn words.accdb"), Database::Mode::ReadOnly);
        Statement added(db, qs("SELECT group_concat(Text || Tag, ' ') FROM Words "
                               "WHERE Text IN ('persue', 'zorp', 'the')"));
        QVERIFY(added.step());
        QCOMPARE(added.textValue(0), qs("persue1 persue999 the1 zorp999")); // "the" not added
        // A new session knows the saved words, not the session's.
        l.load();
        QCOMPARE(l.feed({qs("persue Persue zorp caat")}), qs("*\n*\n*\n& caat 1 19: cat\n\n"));
    }

    void pipe_onlyPlausibleWordsAdded() {
        const QStringList plausible = {qs("Tarnwell"), qs("o’clock"), qs("re-deal"), qs("café"),
                                       QString(64, QLatin1Char('a'))};
        const QStringList implausible = qs("-x|'tis|ab cd|a1|x<y>|ab\tc").split(u'|')
                                        << QString() << QString(65, QLatin1Char('a'))
                                        << QString::fromUtf8("ab\xff");
        for (const QString& word : plausible + implausible) {
            const bool ok = plausible.contains(word);
            QCOMPARE(spelling::isPlausibleWord(word), ok);
            pipe_->load();
            pipe_->feed({qs("*") + word, qs("&") + word, qs("@") + word});
            QCOMPARE(pipe_->pipe->unsavedWords().isEmpty(), !ok);
            QCOMPARE(pipe_->pipe->errors.size(), ok ? 0 : 3); // every refusal is said
        }
    }

    // Wrong usage: a message and a hint, status 2; no lexicon: its folder, status 1.
    void cli_wrongUsage_missingLexicon() {
        for (const char* args : {"-x", "", "-a -l", "-a --export-hunspell out"}) {
            const Run r = run(qs(args).split(u' ', Qt::SkipEmptyParts));
            QVERIFY(r.status == 2 && r.out.isEmpty() &&
                    r.err.contains("Try 'tarnwell-spell --help'"));
        }
        const QString missing = dir_.path() + qs("/nowhere");
        for (const char* mode : {"-a", "-l"}) {
            const Run r = run({qs(mode), qs("-d"), missing}, "teh\n");
            QVERIFY(r.status == 1 && r.out.isEmpty()); // no banner before the failure
            QVERIFY2(r.err.startsWith("tarnwell-spell: no usable lexicon in " + missing.toUtf8() +
                                      "/ (qn.accdb: "),
                     r.err.constData());
        }
    }

    // Editors' options, CR LF, bytes not UTF-8; one word a line answered whatever the
    // word. On the build's lexicon the likeliest word comes first.
    void cli_pipeThroughStandardInputAndOutput() {
        const Run r = run({qs("-a"), qs("-i"), qs("utf-8"), qs("-B"), qs("-C"), qs("-m"), qs("-S"),
                           qs("-d"), pipe_->lex.folder},
                          "the caat\r\n\xff\xfe"
                          "caat\nUSA\n123\n21st\nhttp://x.org/caat\npage.htm\nann@x.org\ncafé\n"
                          "isn’t\nx-ray\nTh\n");
        QVERIFY2(r.status == 0 && r.err.isEmpty(), r.err.constData());
        QCOMPARE(
            QString::fromUtf8(r.out),
            qs("@(#) International Ispell Version 3.2.06 (but really Tarnwell Spell " TFV_VERSION
               ")\n*\n& caat 1 4: cat\n\n& caat 1 2: cat\n\n") +
                qs("*\n\n").repeated(6) +
                qs("& café 1 0: cat\n\n# isn’t 0\n\n*\n\n& Th 1 0: The\n\n"));
        QVERIFY(run({qs("-a"), qs("-iISO-8859-1"), qs("-d"), pipe_->lex.folder}, "a").status == 0);
        const QByteArray real =
            run({qs("-a"), qs("-d"), qs(TFV_DEFAULT_LEXICON)}, "teh recieve\n").out;
        QVERIFY2(real.contains(" 0: the, ") && real.contains(" 4: receive, "), real.constData());
    }

    // A copy of the build's lexicon fed random bytes and pipe commands: nothing added.
    // Exported with a user's word, it passes bridge words and no recorded misspelling.
    void cli_junkChangesNothing_exportedForHunspell() {
        const QString folder = dir_.path() + qs("/default-copy/");
        QVERIFY(QDir().mkpath(folder));
        const char* const files[] = {"qn.accdb", "quarn words.accdb", "dictionary.accdb"};
        auto hash = [&] {
            QCryptographicHash h(QCryptographicHash::Sha256);
            for (const char* file : files) {
                QFile f(folder + qs(file));
                h.addData(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing"));
            }
            return h.result();
        };
        for (const char* file : files)
            QVERIFY(QFile::copy(qs(TFV_DEFAULT_LEXICON) + qs(file), folder + qs(file)));
        const QByteArray before = hash();
        std::mt19937 random(20);
        QByteArray input;
        for (int line = 0; line < 3000; ++line) {
            if (random() % 2) input += "*&@#^!%+-~"[random() % 10];
            for (int i = 20 + int(random() % 180); i > 0; --i) {
                const char c = char(random() % 256);
                input += c == '\n' ? ' ' : c;
            }
            input += '\n';
        }
        const Run r = run({qs("-a"), qs("-d"), folder}, input + "#\n");
        QVERIFY(r.status == 0 && r.err.contains("not taken")); // the refusals are said
        QCOMPARE(hash(), before);
        QCOMPARE(run({qs("-a"), qs("-d"), folder}, "*Quibbleton\n#\n").status, 0);
        const QString out = dir_.path() + qs("/default-export");
        QCOMPARE(run({qs("--export-hunspell"), out, qs("-d"), folder}).status, 0);
        QFile bridge(qs(TFV_BRIDGE_WORDS));
        QVERIFY(bridge.open(QIODevice::ReadOnly));
        QByteArray text;
        for (const QByteArray& line : bridge.readAll().split('\n'))
            if (!line.isEmpty() && !line.startsWith('#')) text += line.split('\t').first() + ' ';
        text += "\nQuibbleton is what our opponents don't play; Atatürk's partner overcalled "
                "one notrump and we recieve the lead.\n";
        QCOMPARE(hunspellList(out + qs("/en_US-bridge"), text), QByteArray("recieve\n"));
        Database db(folder + qs("quarn words.accdb"), Database::Mode::ReadOnly);
        // Letters only: Hunspell checks the parts of other words.
        Statement tagged(
            db, qs("SELECT Text FROM Words WHERE Tag = 3 AND Text NOT GLOB '*[^A-Za-z]*'"));
        QByteArray recorded;
        while (tagged.step())
            recorded += tagged.textValue(0).toUtf8() + '\n';
        QVERIFY(recorded.count('\n') > 1000);
        QCOMPARE(hunspellList(out + qs("/en_US-bridge"), recorded), recorded);
    }

    // Hunspell's capitals: a small-letter word also capitalised and in capitals, a name not.
    void cli_exportHunspell_theWordsTheCheckerAccepts() {
        const QString folder = dir_.path() + qs("/export-lexicon/");
        fakes::SmallLexicon lex(folder);
        add(lex, 30010, "the cat café");
        lex.addWord(qs("Stayman"), {30050, 30060});
        lex.addWord(qs("Coca Cola"), {30050});
        lex.addMisspelling(qs("teh"), qs("the")); // a misspelling link only
        lex.addWord(qs("wierd"), {});             // a recorded misspelling by its tag alone
        QVERIFY(lex.execOnWords(qs("UPDATE Words SET Tag = 3 WHERE Text = 'wierd'")));
        QCOMPARE(run({qs("-a"), qs("-d"), folder}, "*Zorblat\n&Quux\n#\n").status, 0);
        const QString out = dir_.path() + qs("/export/new folder");
        const Run r = run({qs("--export-hunspell"), out, qs("-d"), folder});
        QVERIFY2(r.status == 0 && r.err.contains("Coca Cola"), r.err.constData()); // no blanks
        QCOMPARE(
            hunspellList(out + qs("/en_US-bridge"),
                         "the cat café Stayman STAYMAN Zorblat quux Quux QUUX teh wierd stayman\n"),
            QByteArray("teh\nwierd\nstayman\n"));
    }

    // Locked by another program: an added word is refused with an error, not a hang.
    void lockedLexicon_refusesAddWithError() {
        fakes::SmallLexicon lex(dir_.path() + qs("/locked/"));
        lex.addWord(qs("the"));
        const QString path = lex.folder + qs("quarn words.accdb");
        platform::sqlite::SqliteLexiconStore store;
        auto db = store.open(path);
        auto words = db ? db->openTable(qs("Words")) : nullptr;
        QVERIFY(words);
        Database other(path, Database::Mode::ReadWrite);
        QVERIFY(other.exec(qs("BEGIN EXCLUSIVE")));
        QString error;
        QElapsedTimer t;
        t.start();
        QVERIFY(words->addNew({{qs("id"), 99}, {qs("Text"), qs("locked")}, {qs("Tag"), 999}},
                              &error) != 0);
        QVERIFY(t.elapsed() < 30000 && !error.isEmpty()); // refused, not hung
        QVERIFY(other.exec(qs("ROLLBACK")));
    }
};

QTEST_GUILESS_MAIN(TestSpelling)
#include "test_spelling.moc"
