// The command-line checker's ispell pipe on a small lexicon: input lines
// in, the protocol's answer out, as an editor would see them.
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/lexiconlookup.h"
#include "spelling/linecheck.h"

#include "platform/sqlite/sqlitedb.h"
#include "tests/fakes/smalllexicon.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

struct Lexicon {
    QTemporaryDir dir;
    fakes::SmallLexicon lex{dir.path() + qs("/")};
    platform::sqlite::SqliteLexiconStore store;
    std::shared_ptr<spelling::WordIndex> index;
    std::unique_ptr<platform::LexiconDatabase> wordsDb;
    std::unique_ptr<platform::TableCursor> words;
    std::unique_ptr<spelling::IspellPipe> pipe;
    Lexicon() {
        lex.addWord(qs("the"), {30000}, 0.1);
        lex.addWord(qs("cat"), {30010}, 1.0);
        lex.addWord(qs("well"), {30040}, 0.5);
        lex.addWord(qs("known"), {30030}, 0.8);
        lex.addWord(qs("receive"), {30020}, 1.4);
        lex.addMisspelling(qs("recieve"), qs("receive"));
        // "cat" comes from the table and from the edits alike: the answers
        // below name it once, without a mark.
        lex.addWikipediaPair(qs("caat"), qs("cat"));
        open();
    }
    void open() {
        pipe.reset();
        words.reset();
        index = spelling::loadLexicon(store, lex.folder).index;
        wordsDb = store.open(lex.folder + qs("quarn words.accdb"));
        words = wordsDb->openTable(qs("Words"));
        pipe = std::make_unique<spelling::IspellPipe>(*index, words.get(), qs("Test"), qs("1.0"));
    }
    // The records of `Words` spelt so, with their tags.
    QList<int> tagsOf(const QString& text) {
        platform::sqlite::Database db(lex.folder + qs("quarn words.accdb"),
                                      platform::sqlite::Database::Mode::ReadOnly);
        platform::sqlite::Statement s(db, qs("SELECT Tag FROM Words WHERE Text = ?1 ORDER BY rowid"));
        s.bind(1, text);
        QList<int> tags;
        while (s.step())
            tags << int(s.intValue(0));
        return tags;
    }
    // The answers to several lines, joined.
    QString feed(const QStringList& lines) {
        QString out;
        for (const QString& l : lines)
            out += pipe->answer(l);
        return out;
    }
};
} // namespace

class TestLineCheck : public QObject {
    Q_OBJECT
    std::unique_ptr<Lexicon> shared_; // for the rows that change nothing in the lexicon

  private slots:
    void initTestCase() { shared_ = std::make_unique<Lexicon>(); }
    void banner_namesTheProgram();
    void lines_resultPerWordAndBlankLine_data();
    void lines_resultPerWordAndBlankLine();
    void terseMode_dropsCorrectWords();
    void sessionAndPersonalWords();
    void save_addsPersonalWordsToTheLexicon();
    void save_userWordWinsOverRecordedMisspelling();
    void personalWords_onlyPlausibleOnes_data();
    void personalWords_onlyPlausibleOnes();
    void html_markupSkipped_tagAcrossLines();
    void badInput_answeredWithoutCrash();
};

void TestLineCheck::banner_namesTheProgram() {
    Lexicon l;
    QCOMPARE(l.pipe->banner(), qs("@(#) International Ispell Version 3.2.06 (but really Test 1.0)"));
}

void TestLineCheck::lines_resultPerWordAndBlankLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("answer");
    QTest::newRow("correct") << qs("the cat") << qs("*\n*\n\n");
    QTest::newRow("misspelled, offset") << qs("the  caat") << qs("*\n& caat 1 5: cat\n\n");
    QTest::newRow("no suggestions") << qs("zzqv cat") << qs("# zzqv 0\n*\n\n");
    QTest::newRow("recorded misspelling") << qs("recieve") << qs("& recieve 1 0: receive\n\n");
    // "^" escapes a line; offsets count the line as received, "^" included.
    QTest::newRow("escape") << qs("^caat") << qs("& caat 1 1: cat\n\n");
    QTest::newRow("escaped command") << qs("^*caat") << qs("& caat 1 2: cat\n\n");
    QTest::newRow("empty line") << QString() << qs("\n");
    QTest::newRow("blanks only") << qs("   ") << qs("\n");
    QTest::newRow("short text checked") << qs("a caat") << qs("*\n& caat 1 2: cat\n\n");
    // As in the document check: the part after a hyphen is looked up alone.
    QTest::newRow("hyphen right part") << qs("well-knwn") << qs("& knwn 1 5: known\n\n");
    QTest::newRow("hyphen accepted") << qs("well-known") << qs("*\n\n");
    // Passed over as in the document check (inner capitals and digits,
    // ordinals), numbers, addresses and file names: answered as correct.
    QTest::newRow("exempt words") << qs("USA mp3 21st iPhone 11th") << qs("*\n*\n*\n*\n*\n\n");
    QTest::newRow("wrong ordinal") << qs("21th") << qs("& th 1 2: the\n\n");
    QTest::newRow("number") << qs("123") << qs("*\n\n");
    QTest::newRow("decimal number") << qs("cat 4.5") << qs("*\n*\n\n");
    QTest::newRow("file name") << qs("page.htm") << qs("*\n\n");
    QTest::newRow("address") << qs("http://zzqv.org/caat") << qs("*\n\n");
    QTest::newRow("e-mail") << qs("ann@zzqv.org") << qs("*\n\n");
    QTest::newRow("prose around addresses")
        << qs("the www.zzqv.org cat, see caat.htm. caat") << qs("*\n*\n*\n# see 22\n*\n& caat 1 36: cat\n\n");
    // Plain text: markup is text.
    QTest::newRow("markup in plain text") << qs("<b>cat</b>") << qs("*\n*\n*\n\n");
    // Offsets in characters: the emoji is one character, two UTF-16 units.
    QTest::newRow("astral character") << qs("\U0001F600 caat") << qs("& caat 1 2: cat\n\n");
    QTest::newRow("accented letter") << qs("é caat") << qs("*\n& caat 1 2: cat\n\n");
    QTest::newRow("accented word, one fragment")
        << qs("caté") << qs("& caté 1 0: cat\n\n");
    QTest::newRow("typographic apostrophe, one word")
        << qs("the’s cat’ll") << qs("*\n*\n# cat’ll 6\n\n");
    // Commands answer nothing.
    QTest::newRow("TeX mode") << qs("+") << QString();
    QTest::newRow("formatter") << qs("~tex") << QString();
}

void TestLineCheck::lines_resultPerWordAndBlankLine() {
    QFETCH(QString, line);
    QFETCH(QString, answer);
    shared_->open();
    QCOMPARE(shared_->pipe->answer(line), answer);
}

void TestLineCheck::terseMode_dropsCorrectWords() {
    Lexicon l;
    QCOMPARE(l.feed({qs("!"), qs("the caat"), qs("the cat"), qs("%"), qs("the caat")}),
             qs("& caat 1 4: cat\n\n"
                "\n"
                "*\n& caat 1 4: cat\n\n"));
}

void TestLineCheck::sessionAndPersonalWords() {
    Lexicon l;
    // A word in small letters is accepted with a capital and in capitals
    // too (words in capitals are passed over by the scan anyway); a word
    // with capitals only so.
    QCOMPARE(l.feed({qs("@caat"), qs("caat Caat"), qs("*zorp"), qs("zorp Zorp"), qs("*Blorf"),
                     qs("Blorf blorf"), qs("&Quux"), qs("quux Quux")}),
             qs("*\n*\n\n"
                "*\n*\n\n"
                "*\n# blorf 6\n\n"
                "*\n*\n\n"));
    QCOMPARE(l.pipe->unsavedWords(), (QStringList{qs("zorp"), qs("Blorf"), qs("quux")}));
}

void TestLineCheck::save_addsPersonalWordsToTheLexicon() {
    Lexicon l;
    l.feed({qs("*zorp"), qs("@caat"), qs("*the"), qs("#")});
    QVERIFY(l.pipe->errors.isEmpty());
    QVERIFY(l.pipe->unsavedWords().isEmpty());
    // A new session on the same lexicon knows the saved word only.
    l.open();
    QCOMPARE(l.feed({qs("zorp caat")}), qs("*\n& caat 1 5: cat\n\n"));
    QCOMPARE(l.tagsOf(qs("zorp")), QList<int>({999}));
    // "the" was a word already: not added twice.
    QCOMPARE(l.tagsOf(qs("the")), QList<int>({1}));
}

void TestLineCheck::save_userWordWinsOverRecordedMisspelling() {
    Lexicon l;
    QCOMPARE(l.feed({qs("persue")}), qs("# persue 0\n\n"));
    l.lex.addMisspelling(qs("persue"), qs("known"));
    l.open();
    QCOMPARE(l.feed({qs("persue")}), qs("& persue 1 0: known\n\n"));
    QCOMPARE(l.feed({qs("*persue"), qs("persue"), qs("#"), qs("persue")}), qs("*\n\n*\n\n"));
    QVERIFY(l.pipe->errors.isEmpty());
    QCOMPARE(l.tagsOf(qs("persue")), QList<int>({1, 999}));
    l.open();
    QCOMPARE(l.feed({qs("persue Persue")}), qs("*\n*\n\n"));
}

void TestLineCheck::personalWords_onlyPlausibleOnes_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("plausible");
    auto row = [](const char* name, const QString& w, bool ok) { QTest::newRow(name) << w << ok; };
    row("small letters", qs("bridge"), true);
    row("capitalised", qs("Tarnwell"), true);
    row("apostrophe", qs("o'clock"), true);
    row("typographic apostrophe", qs("o’clock"), true);
    row("hyphen", qs("re-deal"), true);
    row("accented", qs("café"), true);
    row("64 letters", QString(64, QLatin1Char('a')), true);
    row("empty", QString(), false);
    row("65 letters", QString(65, QLatin1Char('a')), false);
    row("leading hyphen", qs("-x"), false);
    row("leading apostrophe", qs("'tis"), false);
    row("blank inside", qs("ab cd"), false);
    row("digit", qs("a1"), false);
    row("markup", qs("x<y>"), false);
    row("not UTF-8", QString::fromUtf8("ab\xff"), false);
    row("control character", qs("ab\tc"), false);
}

void TestLineCheck::personalWords_onlyPlausibleOnes() {
    QFETCH(QString, word);
    QFETCH(bool, plausible);
    QCOMPARE(spelling::isPlausibleWord(word), plausible);
    Lexicon l;
    l.feed({qs("*") + word, qs("&") + word, qs("@") + word});
    QCOMPARE(l.pipe->unsavedWords().isEmpty(), !plausible);
    // Every refusal is said on standard error.
    QCOMPARE(l.pipe->errors.size(), plausible ? 0 : 3);
}

void TestLineCheck::html_markupSkipped_tagAcrossLines() {
    Lexicon l;
    l.pipe->setHtml(true);
    QCOMPARE(l.feed({qs("<b>caat</b>&nbsp;the&amp;cat")}), qs("& caat 1 3: cat\n*\n*\n\n"));
    // A tag that goes on over lines hides its attributes on every line.
    QCOMPARE(l.feed({qs("the <a href=\"zzqv.htm\""), qs("title=\"zzqv\">caat</a>"), qs("cat")}),
             qs("*\n\n& caat 1 13: cat\n\n*\n\n"));
    // An address is no prose; the contents of SCRIPT and STYLE are no
    // text; a tag after an entity is markup like any other.
    QCOMPARE(l.feed({qs("the www.bridge.com zzqv"), qs("caat")}),
             qs("*\n*\n# zzqv 19\n\n& caat 1 0: cat\n\n"));
    QCOMPARE(l.feed({qs("<script>var zzqv = 1;</script><style>p { zzqv: 0 }</style>cat")}),
             qs("*\n\n"));
    QCOMPARE(l.feed({qs("the&amp;<b class=\"zzqv\">cat</b>")}), qs("*\n*\n\n"));
}

void TestLineCheck::badInput_answeredWithoutCrash() {
    Lexicon l;
    // Bytes that are not UTF-8 arrive as replacement characters.
    QCOMPARE(l.pipe->answer(QString::fromUtf8("caat\xff\xfe the")),
             qs("& caat 1 0: cat\n*\n\n"));
    // A very long line: one result per word, in one answer.
    QString longLine;
    for (int i = 0; i < 100000; ++i)
        longLine += qs("the cat ");
    longLine += qs("caat");
    const QString answer = l.pipe->answer(longLine);
    QCOMPARE(answer.count(QLatin1Char('\n')), 200002);
    QVERIFY(answer.endsWith(qs("& caat 1 800000: cat\n\n")));
    // A very long word is reported without suggestions.
    const QString word(5000, QLatin1Char('q'));
    QCOMPARE(l.pipe->answer(word), qs("# ") + word + qs(" 0\n\n"));
}

QTEST_GUILESS_MAIN(TestLineCheck)
#include "test_linecheck.moc"
