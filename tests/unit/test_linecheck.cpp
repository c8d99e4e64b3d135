// The command-line checker's ispell pipe on a small lexicon: input lines
// in, the protocol's answer out, as an editor would see them.
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/lexiconlookup.h"
#include "spelling/linecheck.h"
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
    platform::sqlite::SqliteLexiconStore store{platform::sqlite::SqliteLexiconStore::Options{true}};
    std::unique_ptr<platform::LexiconDatabase> wordsDb, linksDb;
    std::unique_ptr<platform::TableCursor> words, velmora, wiki;
    std::unique_ptr<spelling::IspellPipe> pipe;
    Lexicon() {
        lex.addWord(qs("the"), {30000}, 0.1);
        lex.addWord(qs("cat"), {30010}, 1.0);
        lex.addWord(qs("well"), {30040}, 0.5);
        lex.addWord(qs("known"), {30030}, 0.8);
        lex.addWord(qs("receive"), {30020}, 1.4);
        lex.addMisspelling(qs("recieve"), qs("receive"));
        open();
    }
    void open() {
        pipe.reset();
        wordsDb = store.open(lex.folder + qs("quarn words.accdb"));
        linksDb = store.open(lex.folder + qs("qn.accdb"));
        words = wordsDb->openTable(qs("Words"));
        velmora = linksDb->openTable(qs("Velmora"));
        wiki = linksDb->openTable(qs("z_Misspelling-Wikipedia"));
        pipe = std::make_unique<spelling::IspellPipe>(
            spelling::IspellPipe::Tables{*words, *velmora, wiki.get()}, qs("Test"), qs("1.0"));
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
    // Passed over as in the document check: inner capitals and digits, ordinals.
    QTest::newRow("exempt words") << qs("USA mp3 21st iPhone") << qs("\n");
    // Plain text: markup is text.
    QTest::newRow("markup in plain text") << qs("<b>cat</b>") << qs("*\n*\n*\n\n");
    // Offsets in characters: the emoji is one character, two UTF-16 units.
    QTest::newRow("astral character") << qs("\U0001F600 caat") << qs("& caat 1 2: cat\n\n");
    QTest::newRow("accented letter") << qs("é caat") << qs("& caat 1 2: cat\n\n");
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
    QCOMPARE(spelling::findWordId(*l.words, qs("zorp")), std::optional<qint64>(7));
    QCOMPARE(l.words->field(qs("Tag")).toInt(), 999);
    // "the" was a word already: not added twice.
    l.words->setIndex(qs("ID"));
    l.words->moveLast();
    QCOMPARE(l.words->field(qs("Text")).toString(), qs("zorp"));
}

void TestLineCheck::html_markupSkipped_tagAcrossLines() {
    Lexicon l;
    l.pipe->setHtml(true);
    QCOMPARE(l.feed({qs("<b>caat</b>&nbsp;the&amp;cat")}), qs("& caat 1 3: cat\n*\n*\n\n"));
    // A tag that goes on over lines hides its attributes on every line.
    QCOMPARE(l.feed({qs("the <a href=\"zzqv.htm\""), qs("title=\"zzqv\">caat</a>"), qs("cat")}),
             qs("*\n\n& caat 1 13: cat\n\n*\n\n"));
    // "com" of an address: the scan jumps to the next ">" (here the line's end).
    QCOMPARE(l.feed({qs("the www.bridge.com zzqv"), qs("caat")}),
             qs("*\n# www 4\n# bridge 8\n\n& caat 1 0: cat\n\n"));
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
