// The find engine: whole words, text inside tags, case, Replace All's
// resumption rule, and the word the dialog starts with.
#include "editor/findengine.h"

#include <QTest>

using editor::FindOptions;

namespace {
QString s(const char* t) { return QString::fromUtf8(t); }
FindOptions opts(bool matchCase, bool whole, bool html) { return FindOptions{matchCase, whole, html}; }

// Every accepted match, 1-based, searching on from each one.
QList<qsizetype> all(const QString& hay, const QString& needle, const FindOptions& o) {
    QList<qsizetype> out;
    qsizetype pos = 0;
    while ((pos = editor::findNext(hay, needle, pos, o)) != 0) out << pos;
    return out;
}
} // namespace

class TestFindEngine : public QObject {
    Q_OBJECT
private slots:
    void findNext_data();
    void findNext();
    void caseIsTheCallersChoice();
    void insideTag_markupAsTheBrowserReadsIt();
    void replaceAll_data();
    void replaceAll();
    void replaceAll_manyMatches_staysLinear();
    void wordNearCaret_data();
    void wordNearCaret();
};

void TestFindEngine::findNext_data() {
    QTest::addColumn<QString>("hay");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<bool>("html");
    QTest::addColumn<QList<qsizetype>>("found");
    QTest::newRow("whole words: cat only") << s("cat, concat, cats") << s("cat") << true << false
                                           << QList<qsizetype>{1};
    QTest::newRow("any part: all three") << s("cat, concat, cats") << s("cat") << false << false
                                         << QList<qsizetype>{1, 9, 14};
    QTest::newRow("tag names skipped") << s("<table border=1>table</table>") << s("table") << false << true
                                       << QList<qsizetype>{17};
    QTest::newRow("tags searched when asked") << s("<table border=1>table</table>") << s("table") << false << false
                                              << QList<qsizetype>{2, 17, 24};
    QTest::newRow("digits are word characters") << s("4S 44S S4") << s("4s") << true << false
                                                << QList<qsizetype>{1};
    QTest::newRow("apostrophe, hyphen, underscore are not") << s("it's -cat- _cat_ cat's") << s("cat") << true
                                                            << false << QList<qsizetype>{7, 13, 18};
    QTest::newRow("unclosed tag does not hide") << s("a < b and b") << s("b") << false << true
                                                << QList<qsizetype>{5, 11};
    QTest::newRow("overlapping matches step by one") << s("aaa") << s("aa") << false << false
                                                     << QList<qsizetype>{1, 2};
    QTest::newRow("empty needle finds nothing") << s("abc") << QString() << false << false << QList<qsizetype>{};
}

void TestFindEngine::findNext() {
    QFETCH(QString, hay);
    QFETCH(QString, needle);
    QFETCH(bool, whole);
    QFETCH(bool, html);
    QFETCH(QList<qsizetype>, found);
    const QString h = editor::lowerKeepingLength(hay);
    QCOMPARE(all(h, editor::lowerKeepingLength(needle), opts(false, whole, html)), found);
}

void TestFindEngine::caseIsTheCallersChoice() {
    // Match case off: both sides lower-cased, so Table finds TABLE.
    QCOMPARE(editor::findNext(editor::lowerKeepingLength(s("A TABLE")), s("table"), 0, opts(false, false, false)),
             qsizetype(3));
    QCOMPARE(editor::findNext(s("A TABLE"), s("Table"), 0, opts(true, false, false)), qsizetype(0));
    // Lower-casing never changes positions, whatever the letters.
    QCOMPARE(editor::lowerKeepingLength(s("\u0130stanbul")).size(), s("\u0130stanbul").size());
}

// Markup as the browser reads it: a long tag, a quoted ">", a comment.
void TestFindEngine::insideTag_markupAsTheBrowserReadsIt() {
    const QString far = s("<a href=\"") + QString(120, QLatin1Char('x')) + s("word\">");
    QVERIFY(editor::insideTag(far, far.indexOf(s("word")) + 1));
    const QString quoted = s("<IMG ALT=\"a > word\"> word");
    QVERIFY(editor::insideTag(quoted, quoted.indexOf(s("word")) + 1));
    QVERIFY(!editor::insideTag(quoted, quoted.lastIndexOf(s("word")) + 1));
    QVERIFY(editor::insideTag(s("<!-- word -->"), 6));
    QVERIFY(!editor::insideTag(s("<b>word</b>"), 4));
    QVERIFY(!editor::insideTag(s("a < word"), 5));
}

void TestFindEngine::replaceAll_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<QString>("want");
    QTest::addColumn<int>("count");
    QTest::newRow("adjacent pair skipped") << s("aaaa") << s("aa") << s("b") << false << false << qsizetype(0)
                                           << s("baa") << 1;
    QTest::newRow("longer replacement") << s("x x x") << s("x") << s("yy") << false << false << qsizetype(0)
                                        << s("yy yy yy") << 3;
    QTest::newRow("case folded") << s("Club CLUB club") << s("club") << s("spade") << false << false
                                 << qsizetype(0) << s("spade spade spade") << 3;
    QTest::newRow("case kept") << s("Club CLUB club") << s("club") << s("spade") << true << false << qsizetype(0)
                               << s("Club CLUB spade") << 1;
    QTest::newRow("whole words only") << s("cat concat cats cat") << s("cat") << s("dog") << false << true
                                      << qsizetype(0) << s("dog concat cats dog") << 2;
    QTest::newRow("from a position") << s("ab ab ab") << s("ab") << s("X") << false << false << qsizetype(3)
                                     << s("ab X X") << 2;
    QTest::newRow("tags left alone") << s("<b>b</b> b") << s("b") << s("B") << true << false << qsizetype(0)
                                     << s("<b>B</b> B") << 2;
    QTest::newRow("nothing found") << s("abc") << s("z") << s("y") << false << false << qsizetype(0) << s("abc")
                                   << 0;
}

void TestFindEngine::replaceAll() {
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(bool, matchCase);
    QFETCH(bool, whole);
    QFETCH(qsizetype, from);
    QFETCH(QString, want);
    QFETCH(int, count);
    const auto r = editor::replaceAll(text, find, replacement, from, opts(matchCase, whole, true));
    QCOMPARE(r.text, want);
    QCOMPARE(r.count, count);
}

void TestFindEngine::replaceAll_manyMatches_staysLinear() {
    // The same result as replacing one match at a time, on a text big
    // enough that a quadratic rewrite would be plain to see in the timing
    // of the benchmark; here only the result is checked.
    QString text;
    for (int i = 0; i < 2000; ++i) text += s("1C <IMG SRC=\"C.gif\"> 1C, ");
    const auto r = editor::replaceAll(text, s("1C"), s("one club"), 0, opts(true, true, true));
    QCOMPARE(r.count, 4000);
    QCOMPARE(r.text.count(s("one club")), 4000);
    QCOMPARE(r.text.count(s("C.gif")), 2000);
}

void TestFindEngine::wordNearCaret_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("word");
    QTest::newRow("before a word: that word") << s("one two three") << 4 << s("two");
    QTest::newRow("inside a word: the whole word") << s("one two three") << 5 << s("two");
    QTest::newRow("after the last letter") << s("one two three") << 7 << s("two");
    QTest::newRow("at the end of the text") << s("one two") << 7 << s("two");
    QTest::newRow("between markup") << s("<B>bold</B>") << 3 << s("bold");
    QTest::newRow("between non-letters: nothing") << s("a - b") << 2 << QString();
    QTest::newRow("digits end a word") << s("4spades") << 7 << s("spades");
}

void TestFindEngine::wordNearCaret() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, word);
    QCOMPARE(editor::wordNearCaret(text, caret), word);
}

QTEST_APPLESS_MAIN(TestFindEngine)
#include "test_findengine.moc"
