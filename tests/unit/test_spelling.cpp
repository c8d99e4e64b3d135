// Spelling on small lexicons read from real files: sound keys, the SQLite
// store, the document scan, the lexicon's verdict on a word, suggestions,
// the ispell pipe of the command-line checker, the lexicon builder's data
// readers and the Hunspell fallback.
#include "platform/hunspell/hunspellchecker.h"
#include "platform/sqlite/sqlitedb.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/lexiconlookup.h"
#include "spelling/linecheck.h"
#include "spelling/scan.h"
#include "spelling/soundex.h"
#include "spelling/suggest.h"
#include "tests/fakes/smalllexicon.h"
#include "tools/lexicon/wordsources.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using platform::TableCursor;
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
    std::unique_ptr<TableCursor> words;
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
    QList<int> tagsOf(const QString& text) {
        platform::sqlite::Database db(lex.folder + qs("quarn words.accdb"),
                                      platform::sqlite::Database::Mode::ReadOnly);
        platform::sqlite::Statement s(db,
                                      qs("SELECT Tag FROM Words WHERE Text = ?1 ORDER BY rowid"));
        s.bind(1, text);
        QList<int> tags;
        while (s.step())
            tags << int(s.intValue(0));
        return tags;
    }
};

// Words for the verdict: the case rules, categories, the prefix rule.
void verdictWords(fakes::SmallLexicon& lex) {
    for (const char* w :
         {"the", "well", "known", "bridge", "green", "son", "grad", "tun", "design", "pressure",
          "unless", "return", "regard", "until", "reason", "naive", "fiancée", "isn't", "they've"})
        lex.addWord(qs(w), {30010}, 1.0);
    for (const char* w : {"write", "fix", "sing", "presented", "represented", "correct"})
        lex.addWord(qs(w), {30020}, 1.0);
    for (const char* w : {"sure", "happy", "arrant", "incorrect"})
        lex.addWord(qs(w), {30030}, 1.0);
    lex.addWord(qs("active"), {30010, 30030}, 1.0);
    for (const char* w : {"Paris", "Monday", "English", "Th", "ND", "Les", "Tl", "Green"})
        lex.addWord(qs(w), {30050}, 2.0);
    lex.addWord(qs("café"), {30010}, 2.0);
    lex.addWord(qs("Polish"), {30050});
    lex.addWord(qs("polish"), {31000});      // entries all outside the categories
    lex.addWord(qs("added"), {});            // added by hand: no entries
    lex.addWord(qs("late"), {31000, 30210}); // a category after another link
    lex.addMisspelling(qs("recieve"), qs("the"));
    lex.addMisspelling(qs("persue"), qs("the"));
    lex.addWord(qs("last"), {31000, 31001}); // the table's last entries
}

void suggestionWords(fakes::SmallLexicon& lex) {
    const struct {
        const char* w;
        int link;
        double freq;
    } words[] = {{"the", 30000, 0.1},   {"a", 30000, 0.05},    {"lot", 30010, 1.5},
                 {"dog", 30010, 1},     {"cat-dog", 30010, 2}, {"receive", 30020, 1.4},
                 {"thou", 30000, 4.5},  {"phone", 30010, 1.3}, {"green", 30030, 1.6},
                 {"Green", 30050, 1.6}, {"short", 30030, 1.2}, {"shot", 30010, 1.4},
                 {"shoot", 30020, 1.5}, {"Scott", 30050, 2},   {"address", 30010, 1.3},
                 {"isn't", 30000, 0.5}};
    for (const auto& w : words)
        lex.addWord(qs(w.w), {w.link}, w.freq);
    lex.addWord(qs("thaw"), {}, 2.5);
    lex.addMisspelling(qs("recieve"), qs("receive"));
    lex.addWikipediaPair(qs("thw"), qs("the"));
    lex.addWikipediaPair(qs("adres"), qs("address"));
}

void pipeWords(fakes::SmallLexicon& lex) {
    lex.addWord(qs("the"), {30000}, 0.1);
    lex.addWord(qs("cat"), {30010}, 1.0);
    lex.addWord(qs("well"), {30040}, 0.5);
    lex.addWord(qs("known"), {30030}, 0.8);
    lex.addWord(qs("receive"), {30020}, 1.4);
    lex.addMisspelling(qs("recieve"), qs("receive"));
    // "cat" comes from the table and from the edits alike: named once, no mark.
    lex.addWikipediaPair(qs("caat"), qs("cat"));
}

// Tags enough to make any short text long enough to be checked.
const QString kPad = qs(" <br>").repeated(25);

// The scan as the document check runs it: the words, then END, NOMORE or TOOSHORT.
QString scanAll(const QString& text, const QSet<QString>& skipAll = {}) {
    QStringList out;
    for (int start = 1, guard = 0; guard < 1000; ++guard) {
        const ScanStop stop = spelling::nextWordToCheck(text, start, skipAll);
        if (stop.kind == ScanStop::Kind::TooShort) return qs("TOOSHORT");
        if (stop.kind == ScanStop::Kind::EndOfText)
            return (out << qs("END")).join(QLatin1Char('|'));
        if (stop.kind == ScanStop::Kind::NoMoreWords)
            return (out << qs("NOMORE")).join(QLatin1Char('|'));
        if (stop.length <= 0) return qs("EMPTY WORD");
        out << text.mid(stop.start, stop.length);
        start = stop.start + stop.length + 1;
    }
    return qs("NO END");
}

} // namespace

class TestSpelling : public QObject {
    Q_OBJECT
    std::unique_ptr<Lexicon> verdict_, suggestion_, pipe_;

  private slots:
    void initTestCase() {
        verdict_ = std::make_unique<Lexicon>(verdictWords);
        suggestion_ = std::make_unique<Lexicon>(suggestionWords);
        pipe_ = std::make_unique<Lexicon>(pipeWords);
    }

    // Existing lexicons hold keys made by these rules, the odd ones too.
    void soundex() {
        const char* rows[] = {
            "=",          "123=",        "A=A000",       "  dog  =D200",   "mp3=M100",
            "café=C100",  "straße=S360", "KNIGHT=N230",  "PNEUMONIA=N550", "WRITE=R300",
            "WHO=H000",   "WHAT=W300",   "PHONE=F500",   "XRAY=Z600",      "CASTLE=C740",
            "BACK=B200",  "ACT=A230",    "SCIENCE=S570", "SCAR=S260",      "BADGE=B200",
            "EDGY=E200",  "NATION=N750", "WATCH=W700",   "SIGNED=S530",    "SIGNING=S552",
            "MAGIC=M220", "ADWD=A300",   "ADWWD=A330",   "W=0000",         "PF=P100",
            "ADHD=A330",  "ADD=A300",    "TDYD=T330",    "STRENGTHS=S365"};
        for (const char* row : rows) {
            const QStringList parts = qs(row).split(QLatin1Char('='));
            QCOMPARE(spelling::MakeSoundex(parts[0]), parts[1]);
            QCOMPARE(spelling::MakeSoundex(parts[0].toLower()), parts[1]);
        }
        QCOMPARE(spelling::sortedLetters(qs("Bab")), qs("aBb"));
    }

    // The store appends where the program adds a word (after the last id),
    // keeps the cursor where it was, and makes no file it is asked to open.
    void sqliteStore() {
        Lexicon f(pipeWords);
        auto w = f.wordsDb->openTable(qs("Words"));
        QVERIFY(w->setIndex(qs("ID")));
        w->moveLast();
        const qint64 last = w->field(qs("id")).toLongLong();
        QCOMPARE(w->addNew({{qs("id"), last + 1}, {qs("Text"), qs("aardvark")}, {qs("Tag"), 999}}),
                 0);
        QCOMPARE(w->field(qs("id")).toLongLong(), last);
        QCOMPARE(f.tagsOf(qs("aardvark")), QList<int>({999}));
        QString error;
        QVERIFY(w->addNew({{qs("nosuchfield"), 1}}, &error) != 0 && !error.isEmpty());
        QVERIFY(!f.store.open(f.lex.folder + qs("missing.accdb"), &error) && !error.isEmpty());
        QVERIFY(!QFile::exists(f.lex.folder + qs("missing.accdb")));
        QFile text(f.lex.folder + qs("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write(QByteArray(2048, 'x')) == 2048);
        text.close();
        QVERIFY(!f.store.open(text.fileName(), &error));
    }

    void scan_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stops");
        auto row = [](const char* name, const QString& text, const char* stops) {
            QTest::newRow(name) << text << qs(stops);
        };
        row("tags and entities", qs("<b>Helo</b> caf&eacute; &nbsp;au&amp;lait") + kPad,
            "Helo|caf|au|lait|END");
        row("lone &", qs("Q&a then more; Helo") + kPad, "Q|a|then|more|Helo|END");
        row("apostrophes", qs("don't John's 'tis players' Helo  ''. there") + kPad,
            "don't|John|s|tis|players|Helo|END");
        row("hyphens", qs("state-of-the-art design") + kPad, "state-of-the-art|design|END");
        row("exempt words", qs("USA iPhone mp3 xxx x-ray NT<br>Helo") + kPad, "Helo|END");
        row("ordinals",
            qs("1st 22nd 103rd 4th 11th 12th 113th 21th 11st 2rd end the 1990's") + kPad,
            "th|st|rd|end|the|END");
        row("com jumps to the next tag", qs("see bridgebase com for <b>news</b> Helo") + kPad,
            "see|bridgebase|news|Helo|END");
        row("com near the end ends the check", kPad + qs(" Helo bridgebase com here"),
            "Helo|bridgebase|NOMORE");
        row("addresses and file names",
            qs("see page.htm, http://x.org/helo and www.bridgebase.com or ann@x.org (C.gif) in "
               "/usr/share/dict Helo") +
                kPad,
            "see|and|or|in|Helo|END");
        row("full stops", qs("e.g. U.S. end.The Helo") + kPad, "e|g|U|S|end|The|Helo|END");
        row("accented words", qs("café naïve fiancée cafe\u0301 Helo") + kPad,
            "café|naïve|fiancée|cafe\u0301|Helo|END");
        row("typographic apostrophes", qs("isn’t they’ve John’s ‘Helo’") + kPad,
            "isn’t|they’ve|John|s|Helo|END");
        row("the end of the text", kPad + qs(" a < b Helo there.  "), "a|b|Helo|there|END");
        row("exempt last word", kPad + qs(" Helo USA"), "Helo|END");
        row("a tag runs to its >", qs("a <b Helo") + kPad, "a|END");
        row("tag after an entity", qs("x&nbsp;<a href=\"helo.htm\">Helo</a>") + kPad, "x|Helo|END");
        row("quoted > in a tag", qs("<IMG ALT=\"a > wrold\"> Helo") + kPad, "Helo|END");
        row("comment, script, style",
            qs("<!-- wrold --><SCRIPT>var helo;</SCRIPT><STYLE>p{colr:red}</STYLE>Helo") + kPad,
            "Helo|END");
    }
    void scan() {
        QFETCH(QString, text);
        QFETCH(QString, stops);
        QCOMPARE(scanAll(text), stops);
    }

    void scan_shortTextAndSkipAll() {
        const QString text99 = qs("Helo ") + QString(94, QLatin1Char('.'));
        QCOMPARE(scanAll(text99 + qs("     ")), qs("TOOSHORT")); // trailing blanks do not count
        QCOMPARE(scanAll(text99 + qs(".")), qs("Helo|END"));
        QCOMPARE(scanAll(qs("Helo helo HELO Helo") + kPad, {qs("Helo")}), qs("helo|END"));
    }

    void verdict() {
        // word:1 accepted, word:0 rejected.
        const char* rows[] = {
            ":1", "q:1", " the :1", "added:1", "polish:0", "late:1", "last:0", "recieve:0",
            // Case: as stored, capitalised from small letters, or all capitals.
            "The:1", "THE:1", "Paris:1", "PARIS:1", "paris:0", "monday:0", "english:0", "th:0",
            "nd:0", "tHe:0", "Polish:1", "POLISH:1",
            // The prefix rule: the rest an ordinary word of a fitting category, in exact case.
            "rewrite:1", "dewrite:1", "prefix:1", "nonbridge:1", "Rewrite:1", "unhappy:1",
            "rewrote:0", "re:0", "repolish:0", "unles:0", "untl:0", "repersue:0", "desing:0",
            "presure:0", "retun:0", "regrad:0", "reson:0", "reWrite:0", "rearrant:0", "deactive:0",
            "rebridge:0", "uncorrect:0", "prepresented:0", "-well:0", "well-:0", "well-known:1",
            "well-polish:0", "well-recieve:0",
            // Accented letters and typographic apostrophes.
            "café:1", "naïve:1", "cafe\u0301:1", "fiancée:1", "fiancéé:0", "isn’t:1", "they’ve:1",
            "they've:1"};
        for (const char* row : rows) {
            const QString r = qs(row);
            const QString word = r.left(r.lastIndexOf(QLatin1Char(':')));
            QVERIFY2(verdict_->accepted(word) == r.endsWith(QLatin1Char('1')), row);
        }
        using Hyphen = spelling::LexiconVerdict::Hyphen;
        const struct {
            const char* word;
            Hyphen hyphen;
            const char* left;
            bool oneAfter;
        } hyphens[] = {{"abcd-e", Hyphen::LeftPartUnknown, "abcd", true},
                       {"abcd-ef", Hyphen::LeftPartUnknown, "abcd", false},
                       {"well-kn-wn", Hyphen::RightPartUnknown, "well", false}};
        for (const auto& h : hyphens) {
            const spelling::LexiconVerdict v = spelling::checkWord(*verdict_->index, qs(h.word));
            QVERIFY(!v.accepted && v.hyphen == h.hyphen && v.hyphenPosition == 5);
            QCOMPARE(v.leftPart, qs(h.left));
            QCOMPARE(v.oneCharacterAfterHyphen, h.oneAfter);
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

    void loading_namesTheFailedFile() {
        QTemporaryDir empty;
        platform::sqlite::SqliteLexiconStore store;
        QCOMPARE(spelling::loadLexicon(store, empty.path() + qs("/")).failedFile, qs("qn.accdb"));
        QTemporaryDir dir;
        fakes::SmallLexicon broken(dir.path() + qs("/"));
        broken.addWord(qs("the"));
        broken.execOnWords(qs("DROP TABLE Words"));
        const spelling::LoadedLexicon l = spelling::loadLexicon(store, broken.folder);
        QVERIFY(!l.index);
        QCOMPARE(l.failedFile, qs("quarn words.accdb"));
        QVERIFY2(l.reason.contains(qs("Words")), qPrintable(l.reason));
    }

    // Each kind of mistake finds its word, in the capitals of the word typed.
    void suggestions_firstWord() {
        const char* rows[] = {"teh=the",     "thr=the",        "thhe=the",     "th=the",
                              "he=the",      "adress=address", "fone=phone",   "recieev=receive",
                              "isnt’=isn’t", "Teh=The",        "TEH=THE",      "Recieve=Receive",
                              "gren=green",  "thw=the",        "adres=address"};
        for (const char* row : rows) {
            const QStringList parts = qs(row).split(QLatin1Char('='));
            QCOMPARE(suggestion_->suggest(parts[0]).value(0), parts[1]);
        }
    }

    void suggestions_list() {
        // Ordinary words before names; a spelling once; no marks.
        QCOMPARE(suggestion_->suggest(qs("gren")).mid(0, 2),
                 QStringList({qs("green"), qs("Green")}));
        QCOMPARE(suggestion_->suggest(qs("Gren")).count(qs("Green")), 1);
        const QStringList shott = suggestion_->suggest(qs("shott"));
        QVERIFY2(shott.contains(qs("short")), qPrintable(shott.join(qs(", "))));
        QVERIFY(shott.indexOf(qs("Scott")) < 0 ||
                shott.indexOf(qs("shot")) < shott.indexOf(qs("Scott")));
        const QStringList thw = suggestion_->suggest(qs("thw"));
        QCOMPARE(thw.count(qs("the")), 1);
        for (const QString& s : thw)
            QVERIFY2(!s.contains(QLatin1Char('(')), qPrintable(s));
        // Rare words and recorded misspellings are never offered.
        QVERIFY(!suggestion_->suggest(qs("thoe")).contains(qs("thou")));
        QVERIFY(!suggestion_->suggest(qs("recieva")).contains(qs("recieve")));
        QVERIFY(suggestion_->suggest(qs("cta-dog")).contains(qs("cat-dog")));
        QVERIFY(suggestion_->suggest(qs("alot")).contains(qs("a lot")));
        const auto recorded = spelling::suggestSpellings(qs("recieve"), *suggestion_->index);
        QCOMPARE(recorded.list, QStringList({qs("receive")}));
        QCOMPARE(recorded.replacement, qs("receive"));
        QVERIFY(suggestion_->suggest(qs("qqqqqqq")).isEmpty());
        Lexicon l(suggestionWords);
        l.index->addUserWord(l.index->nextId(), qs("Tarnwell"), qs("T654"));
        QVERIFY(l.suggest(qs("Tarnwel")).contains(qs("Tarnwell")));
    }

    // A mistake people make costs less than one they make less often.
    void typingDistance() {
        const char* rows[][3] = {{"teh", "the", "tom"},
                                 {"adress", "address", "adrest"},
                                 {"definately", "definitely", "defiantly"},
                                 {"shprt", "short", "shirt"},
                                 {"allegedy", "allegedly", "alleged"},
                                 {"fone", "phone", "fine"},
                                 {"recieve", "receive", "relieve"},
                                 {"nashun", "nation", "nasher"}};
        for (const auto& r : rows) {
            const double near = spelling::typingDistance(qs(r[0]), qs(r[1])),
                         far = spelling::typingDistance(qs(r[0]), qs(r[2]));
            QVERIFY2(0 < near && near < far, r[0]);
            QCOMPARE(spelling::typingDistance(qs(r[0]).toUpper(), qs(r[0])), 0.0);
        }
    }

    void pipe_answers_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("answer");
        auto row = [](const char* name, const char* line, const char* answer) {
            QTest::newRow(name) << qs(line) << qs(answer);
        };
        row("correct", "the cat", "*\n*\n\n");
        row("misspelled, offset", "the  caat", "*\n& caat 1 5: cat\n\n");
        row("no suggestions", "zzqv cat", "# zzqv 0\n*\n\n");
        row("recorded misspelling", "recieve", "& recieve 1 0: receive\n\n");
        // "^" escapes a line; offsets count it.
        row("escaped command", "^*caat", "& caat 1 2: cat\n\n");
        row("blanks only", "   ", "\n");
        row("hyphen", "well-knwn well-known", "& knwn 1 5: known\n*\n\n");
        row("exempt words, numbers", "USA mp3 21st iPhone 11th 123 4.5", "*\n*\n*\n*\n*\n*\n*\n\n");
        row("wrong ordinal", "21th", "& th 1 2: the\n\n");
        row("addresses, file names", "page.htm http://zzqv.org/caat ann@zzqv.org", "*\n*\n*\n\n");
        row("prose around addresses", "the www.zzqv.org cat, see caat.htm. caat",
            "*\n*\n*\n# see 22\n*\n& caat 1 36: cat\n\n");
        row("markup in plain text", "<b>cat</b>", "*\n*\n*\n\n");
        // Offsets in characters: the emoji is one character, two UTF-16 units.
        row("astral character", "\U0001F600 caat", "& caat 1 2: cat\n\n");
        row("accented word", "é caté", "*\n& caté 1 2: cat\n\n");
        row("typographic apostrophe", "the’s cat’ll", "*\n*\n# cat’ll 6\n\n");
        row("commands answer nothing", "+", "");
        row("formatter", "~tex", "");
    }
    void pipe_answers() {
        QFETCH(QString, line);
        QFETCH(QString, answer);
        pipe_->load();
        QCOMPARE(pipe_->pipe->answer(line), answer);
    }

    void pipe_sessionTerseAndHtml() {
        Lexicon l(pipeWords);
        QCOMPARE(l.pipe->banner(),
                 qs("@(#) International Ispell Version 3.2.06 (but really Test 1.0)"));
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
        QCOMPARE(l.feed({qs("the&amp;<b class=\"zzqv\">cat</b>")}), qs("*\n*\n\n"));
    }

    void pipe_saveAddsWords_userWordWins() {
        Lexicon l(pipeWords);
        l.lex.addMisspelling(qs("persue"), qs("known"));
        l.load();
        QCOMPARE(l.feed({qs("persue")}), qs("& persue 1 0: known\n\n"));
        QCOMPARE(l.feed({qs("*persue"), qs("persue"), qs("*zorp"), qs("@caat"), qs("*the"), qs("#"),
                         qs("persue")}),
                 qs("*\n\n*\n\n"));
        QVERIFY(l.pipe->errors.isEmpty() && l.pipe->unsavedWords().isEmpty());
        QCOMPARE(l.tagsOf(qs("persue")), QList<int>({1, 999}));
        QCOMPARE(l.tagsOf(qs("zorp")), QList<int>({999}));
        QCOMPARE(l.tagsOf(qs("the")), QList<int>({1})); // not added twice
        // A new session knows the saved words, not the session's.
        l.load();
        QCOMPARE(l.feed({qs("persue Persue zorp caat")}), qs("*\n*\n*\n& caat 1 19: cat\n\n"));
    }

    void pipe_onlyPlausibleWordsAdded() {
        const struct {
            QString word;
            bool plausible;
        } rows[] = {{qs("Tarnwell"), true},
                    {qs("o’clock"), true},
                    {qs("re-deal"), true},
                    {qs("café"), true},
                    {QString(64, QLatin1Char('a')), true},
                    {QString(), false},
                    {QString(65, QLatin1Char('a')), false},
                    {qs("-x"), false},
                    {qs("'tis"), false},
                    {qs("ab cd"), false},
                    {qs("a1"), false},
                    {qs("x<y>"), false},
                    {QString::fromUtf8("ab\xff"), false},
                    {qs("ab\tc"), false}};
        for (const auto& r : rows) {
            QCOMPARE(spelling::isPlausibleWord(r.word), r.plausible);
            pipe_->load();
            pipe_->feed({qs("*") + r.word, qs("&") + r.word, qs("@") + r.word});
            QCOMPARE(pipe_->pipe->unsavedWords().isEmpty(), !r.plausible);
            QCOMPARE(pipe_->pipe->errors.size(), r.plausible ? 0 : 3); // every refusal is said
        }
    }

    void pipe_badInput() {
        pipe_->load();
        QCOMPARE(pipe_->pipe->answer(QString::fromUtf8("caat\xff\xfe the")),
                 qs("& caat 1 0: cat\n*\n\n"));
        const QString answer = pipe_->pipe->answer(qs("the cat ").repeated(100000) + qs("caat"));
        QCOMPARE(answer.count(QLatin1Char('\n')), 200002);
        QVERIFY(answer.endsWith(qs("& caat 1 800000: cat\n\n")));
        const QString word(5000, QLatin1Char('q'));
        QCOMPARE(pipe_->pipe->answer(word), qs("# ") + word + qs(" 0\n\n"));
    }

    // The builder's data files: Windows line ends read the same; a damaged
    // line is reported with its file and line number.
    void lexiconSources() {
        QTemporaryDir dir;
        auto write = [&](const char* name, const QByteArray& bytes) {
            QFile f(dir.filePath(qs(name)));
            return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? f.fileName()
                                                                                  : QString();
        };
        QByteArray counts = "the\t100000\r\nThe\t1000\r\n";
        for (int i = 0; i < 1000; ++i)
            counts += "w" + QByteArray::number(i) + "\t10\r\n";
        lexiconbuild::Frequencies f;
        QString error;
        QVERIFY2(f.loadSubtlex(write("counts.tsv", counts), &error), qPrintable(error));
        // The exact spelling first, the larger count of either case for another capitalisation.
        QCOMPARE(
            (QList<double>{*f.classOf(qs("the")), *f.classOf(qs("The")), *f.classOf(qs("THE"))}),
            (QList<double>{0, 1, 0}));
        QByteArray text = "teh\tthe\r\nCoca Cola\tCoca-Cola\r\nboaut\tbout, boat,about\r\n\r\n";
        for (int i = 0; i < 100; ++i)
            text += "wrng" + QByteArray::number(i) + "\tright\n";
        const auto list = lexiconbuild::readMisspellings(write("misspellings.tsv", text), &error);
        QVERIFY2(list && list->size() == 103, qPrintable(error));
        QCOMPARE(list->at(2).right, QStringList({qs("bout"), qs("boat"), qs("about")}));
        for (const QByteArray& bad :
             {QByteArray("oops 12\n"), QByteArray("word\tmany\n"), QByteArray("word\t0\n")}) {
            lexiconbuild::Frequencies g;
            QVERIFY(!g.loadSubtlex(write("bad.tsv", counts + bad), &error));
            QVERIFY2(error.contains(qs("bad.tsv line 1003:")), qPrintable(error));
        }
        for (const QByteArray& bad : {QByteArray("nocorrection\n"), QByteArray("wrng\t , \n")}) {
            QVERIFY(!lexiconbuild::readMisspellings(write("bad.tsv", text + bad), &error));
            QVERIFY2(error.contains(qs("bad.tsv line 105:")), qPrintable(error));
        }
    }

    // The fallback checker on Debian's en_US dictionary.
    void hunspellWalk() {
        using platform::hunspell::HunspellChecker;
        using platform::hunspell::MisspellingWalk;
        HunspellChecker missing;
        platform::SpellingError e;
        QVERIFY(!missing.open(qs("/nowhere"), qs("en_US"), {}, &e));
        QCOMPARE(e.number, 53);
        QTemporaryDir dir;
        const QString list = dir.path() + qs("/personal-words.txt");
        {
            HunspellChecker c;
            QVERIFY(c.open(qs("/usr/share/hunspell"), qs("en_US"), list, nullptr));
            MisspellingWalk w(qs("<p class=\"zzqx\">Helo the USA&nbsp;mp3 wrld</p>\r\n<b>wrld</b> "
                                 "and zorblax's end."),
                              c);
            QCOMPARE(w.next()->start, 16);
            w.change(qs("Hello"));
            QCOMPARE(w.next()->word, qs("wrld"));
            w.ignoreAll();
            QCOMPARE(w.next()->word, qs("zorblax's"));
            w.change(qs("zorblax"));
            QVERIFY(!w.next());
            QCOMPARE(w.text(), qs("<p class=\"zzqx\">Hello the USA&nbsp;mp3 "
                                  "wrld</p>\r\n<b>wrld</b> and zorblax end."));
            MisspellingWalk add(qs("A squeeze by zorblax."), c);
            QCOMPARE(add.next()->word, qs("zorblax"));
            QVERIFY(add.add());
        }
        HunspellChecker again;
        QVERIFY(again.open(qs("/usr/share/hunspell"), qs("en_US"), list, nullptr));
        QVERIFY(again.isCorrect(qs("zorblax")));
    }
};

QTEST_GUILESS_MAIN(TestSpelling)
#include "test_spelling.moc"
