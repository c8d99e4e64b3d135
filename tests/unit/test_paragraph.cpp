// Paragraph: where a paragraph ends, its tag, the joined lines and the caret.
#include "authoring/paragraph.h"

#include <QTest>

using authoring::Selection;

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }
} // namespace

class TestParagraph : public QObject {
    Q_OBJECT
private slots:
    void atCaret_data();
    void atCaret();
    void selection_data();
    void selection();
};

void TestParagraph::atCaret_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caretAfter");

    QTest::newRow("threeLines_thenBlankLine")
        << s("one\r\ntwo\r\nthree\r\n\r\nnext") << 0 << s("<P>one two three\r\n\r\nnext") << 16;
    QTest::newRow("caretMidText_tagGoesAtCaret")
        << s("<BODY>\r\na\r\nb\r\n\r\n") << 8 << s("<BODY>\r\n<P>a b\r\n\r\n") << 14;
    QTest::newRow("upperTagPresent_noSecondTag") << s("<P>a\r\nb\r\n\r\n") << 0 << s("<P>a b\r\n\r\n") << 6;
    QTest::newRow("lowerTagPresent_noSecondTag") << s("<p>a\r\nb\r\n\r\n") << 0 << s("<p>a b\r\n\r\n") << 6;
    QTest::newRow("headingAfterCaret_endsParagraph")
        << s("first\r\nsecond\r\n<H2>Head</H2>\r\nmore\r\n\r\n") << 0
        << s("<P>first second\r\n<H2>Head</H2>\r\nmore\r\n\r\n") << 17;
    QTest::newRow("lowerHeadingBeforeUpperOne_endsParagraph")
        << s("a\r\nb\r\n<h3>x</h3>\r\nc\r\n<H2>y</H2>") << 0 << s("<P>a b\r\n<h3>x</h3>\r\nc\r\n<H2>y</H2>") << 8;
    QTest::newRow("nextParagraphTag_endsParagraph")
        << s("a\r\nb\r\n<P>c\r\nd") << 0 << s("<P>a b\r\n<P>c\r\nd") << 8;
    QTest::newRow("listAfterCaret_endsParagraph")
        << s("a\r\nb\r\n<UL><LI>x\r\n</UL>") << 0 << s("<P>a b\r\n<UL><LI>x\r\n</UL>") << 8;
    QTest::newRow("linesEndingInSpaces_singleSpace")
        << s("one   \r\n  two \r\nthree\r\n\r\n") << 0 << s("<P>one two three\r\n\r\n") << 16;
    QTest::newRow("noBlankLine_runsToEnd") << s("a\r\nb\r\nc") << 0 << s("<P>a b c") << 8;
    QTest::newRow("shortParagraph_caretStays") << s("ab\r\n\r\nz") << 0 << s("<P>ab\r\n\r\nz") << 0;
    QTest::newRow("lowerCasePre_doesNotEndParagraph")
        << s("a\r\n<pre>b\r\n\r\n") << 0 << s("<P>a <pre>b\r\n\r\n") << 11;
    QTest::newRow("tabsAtJoin_kept") << s("a\t\r\nb\r\n\r\n") << 0 << s("<P>a\t b\r\n\r\n") << 7;
    // Markup keeps its own lines, and a block tag in a comment or an
    // attribute ends nothing.
    QTest::newRow("markupKeepsItsLineBreaks")
        << s("a<IMG\r\nSRC=x>\r\n<!-- <P>\r\n -->b\r\n<SCRIPT>x=1\r\n//<H2></SCRIPT>\r\n\r\n") << 0
        << s("<P>a<IMG\r\nSRC=x> <!-- <P>\r\n -->b <SCRIPT>x=1\r\n//<H2></SCRIPT>\r\n\r\n") << 61;
}

void TestParagraph::atCaret() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QFETCH(int, caretAfter);
    const auto r = authoring::paragraphCommand(text, Selection{caret, 0});
    QCOMPARE(authoring::applied(text, r), expected);
    QCOMPARE(r.after, (Selection{caretAfter, 0}));
}

void TestParagraph::selection_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caretAfter");

    const QString two = s("x\r\none\r\ntwo\r\n\r\nthree\r\nfour\r\n\r\nrest\r\nline");
    QTest::newRow("twoParagraphs_eachTaggedAndJoined")
        << two << 3 << 23 << s("x\r\n<P>one two\r\n\r\n<P>three four\r\n\r\nrest\r\nline") << 30;
    QTest::newRow("selectionEndsMidParagraph")
        << s("a\r\nb\r\nc\r\nd") << 0 << 4 << s("<P>a b\r\nc\r\nd") << 6;
    QTest::newRow("lineBreakEndingSelection_notJoined")
        << s("a\r\nb\r\nc") << 0 << 6 << s("<P>a b\r\nc") << 8;
    QTest::newRow("blankLinesKept_taggedParagraphNotTaggedTwice")
        << s("<p>a\r\nb\r\n\r\n\r\nc\r\nd") << 0 << 17 << s("<p>a b\r\n\r\n\r\n<P>c d") << 18;
    QTest::newRow("headingAndPreformattedLeftAlone")
        << s("<H2>T\r\nU</H2>\r\n\r\n<PRE>1\r\n2</PRE>\r\n\r\np\r\nq") << 0 << 40
        << s("<H2>T\r\nU</H2>\r\n\r\n<PRE>1\r\n2</PRE>\r\n\r\n<P>p q") << 42;
    // Over a whole document: the head, tables and blanks are no paragraphs,
    // and a blank line inside preformatted text begins none.
    const QString page = s("<HTML><HEAD>\r\n\r\n  <TITLE>T</TITLE>\r\n</HEAD>\r\n\r\n  \r\n\r\n<TABLE><TR><TD>x\r\n\r\n"
                           "<PRE>a\r\n\r\nb\r\nc</PRE>\r\n\r\nsome\r\ntext");
    QTest::newRow("wholeDocument_onlyTextBecomesParagraphs")
        << page << 0 << int(page.size())
        << s("<HTML><HEAD>\r\n\r\n  <TITLE>T</TITLE>\r\n</HEAD>\r\n\r\n  \r\n\r\n<TABLE><TR><TD>x\r\n\r\n"
             "<PRE>a\r\n\r\nb\r\nc</PRE>\r\n\r\n<P>some text") << 109;
    QTest::newRow("paragraphTagInsideSelection_startsNewParagraph")
        << s("a\r\nb\r\n<P>c\r\nd") << 0 << 13 << s("<P>a b\r\n<P>c d") << 14;
}

void TestParagraph::selection() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QFETCH(int, caretAfter);
    const auto r = authoring::paragraphCommand(text, Selection{start, length});
    QCOMPARE(authoring::applied(text, r), expected);
    QCOMPARE(r.after, (Selection{caretAfter, 0}));
}

QTEST_APPLESS_MAIN(TestParagraph)
#include "test_paragraph.moc"
