// The table of contents: the block after the H1, the anchor names, the
// nested entries, and the headings it must leave alone.
#include "authoring/contents.h"

#include <QTest>

namespace {
QString s(const char* latin1) {
    return QString::fromLatin1(latin1);
}
const char* kBlockHead = "\r\n<H2>Contents:</H2>\r\n<UL>\r\n";
const char* kBlockTail = " \r\n</UL></UL>\r\n<P><HR>\r\n";
QString block(const char* entries) {
    return s(kBlockHead) + s(entries) + s(kBlockTail);
}
} // namespace

class TestContents : public QObject {
    Q_OBJECT
  private slots:
    void h2h3h3h2_namesAndNesting();
    void h3BeforeFirstH2_isA1();
    void lowerCaseHeadings_notListed();
    void missingH1_nothingDone();
    void headingWithAttributes_anchorAfterTag();
    void secondRun_listsFirstBlockAndAnchorsAgain();
    void insertion_keepsMarkupAndLinksWhole();
    void beyondLastName_stops();
    void unclosedHeading_endsList();
};

void TestContents::h2h3h3h2_namesAndNesting() {
    const QString doc =
        s("<H1>Title</H1>\r\n<H2>One</H2>\r\n<H3>a</H3>\r\n<H3>b</H3>\r\n<H2>Two</H2>\r\n");
    const auto r = authoring::tableOfContents(doc);
    QVERIFY(r.hasH1);
    const QString expected =
        s("<H1>Title</H1>\r\n") +
        block("<A HREF=#B>One</A><BR>\r\n<UL>\r\n<A HREF=#B1>a</A><BR>\r\n<A HREF=#B2>b</A><BR>\r\n"
              "</UL>\r\n<A HREF=#C>Two</A><BR>\r\n") +
        s("<H2><A NAME=\"B\"></A>One</H2>\r\n<H3><A NAME=\"B1\"></A>a</H3>\r\n"
          "<H3><A NAME=\"B2\"></A>b</H3>\r\n<H2><A NAME=\"C\"></A>Two</H2>\r\n");
    QCOMPARE(r.text, expected);
    QCOMPARE(r.entries, 4);
    QCOMPARE(r.linkNameCounter, 3);
    QVERIFY(!r.namesRanOut);
}

void TestContents::h3BeforeFirstH2_isA1() {
    const auto r =
        authoring::tableOfContents(s("<H1>T</H1>\r\n<H3>x</H3><H3>y</H3><H2>z</H2><H3>w</H3>"));
    QVERIFY(r.text.contains(s("<UL>\r\n<A HREF=#A1>x</A><BR>\r\n<A HREF=#A2>y</A><BR>\r\n</UL>\r\n"
                              "<A HREF=#B>z</A><BR>\r\n<UL>\r\n<A HREF=#B1>w</A><BR>\r\n")));
    QVERIFY(r.text.contains(s("<H3><A NAME=\"A1\"></A>x</H3>")));
    QVERIFY(r.text.contains(s("<H3><A NAME=\"B1\"></A>w</H3>")));
}

void TestContents::lowerCaseHeadings_notListed() {
    const auto r = authoring::tableOfContents(s("<H1>T</H1>\r\n<h2>low</h2>\r\n<H2>Up</H2>"));
    QCOMPARE(r.entries, 1);
    QVERIFY(r.text.contains(s("<h2>low</h2>")));
    QVERIFY(r.text.contains(s("<A HREF=#B>Up</A>")));
}

void TestContents::missingH1_nothingDone() {
    QVERIFY(!authoring::tableOfContents(s("<H1>T</h1>\r\n<H2>x</H2>")).hasH1);
    QVERIFY(!authoring::tableOfContents(s("")).hasH1);
    QVERIFY(authoring::missingH1Message().startsWith(
        s("This function requires that the\rdocument heading")));
}

void TestContents::headingWithAttributes_anchorAfterTag() {
    const auto r = authoring::tableOfContents(
        s("<H1 ALIGN=CENTER>T</H1>\r\n<H2 ALIGN=CENTER>Centred</H2>\r\n<H3 CLASS=\"x\">Sub</H3>"));
    QVERIFY(r.text.contains(s("<A HREF=#B>Centred</A><BR>")));
    QVERIFY(r.text.contains(s("<H2 ALIGN=CENTER><A NAME=\"B\"></A>Centred</H2>")));
    QVERIFY(r.text.contains(s("<A HREF=#B1>Sub</A><BR>")));
    QVERIFY(r.text.contains(s("<H3 CLASS=\"x\"><A NAME=\"B1\"></A>Sub</H3>")));
}

// A second run lists the first block too, with names the document does not
// use yet: every anchor name stays unique and every old link keeps its
// target.
void TestContents::secondRun_listsFirstBlockAndAnchorsAgain() {
    const auto first = authoring::tableOfContents(s("<H1>T</H1>\r\n<H2>One</H2>\r\n"));
    const auto second = authoring::tableOfContents(first.text);
    QCOMPARE(second.text.count(s("Contents:</H2>")), 2);
    QVERIFY(second.text.contains(s("<H2><A NAME=\"C\"></A>Contents:</H2>")));
    QVERIFY(second.text.contains(s("<A HREF=#C>Contents:</A><BR>\r\n<A HREF=#D>One</A>")));
    QVERIFY(second.text.contains(s("<H2><A NAME=\"D\"></A><A NAME=\"B\"></A>One</H2>")));
    QCOMPARE(second.text.count(s("NAME=\"B\"")), 1);
}

// The block never splits what follows "</H1>"; names the document uses are
// passed over; an entry holds the heading's text, not its markup.
void TestContents::insertion_keepsMarkupAndLinksWhole() {
    const auto r = authoring::tableOfContents(
        s("<H1>Book</H1><P>Intro <A HREF=#B>see</A>\r\n<H3><A NAME=\"A\"></A>Quiz <I>one</I></H3>\r\n"
          "<!-- <H2>old</H2> --><H2>Two</H2>"));
    QVERIFY(r.text.startsWith(s("<H1>Book</H1>\r\n<H2>Contents:</H2>")));
    QVERIFY(r.text.contains(s("<P><HR>\r\n<P>Intro")));
    QVERIFY(r.text.contains(s("<A HREF=#A1>Quiz one</A><BR>")));
    QVERIFY(r.text.contains(s("<H3><A NAME=\"A1\"></A><A NAME=\"A\"></A>Quiz <I>one</I></H3>")));
    QVERIFY(r.text.contains(s("<A HREF=#C>Two</A><BR>")));
    QVERIFY(r.text.contains(s("<!-- <H2>old</H2> -->")));
    QCOMPARE(r.entries, 2);
}

void TestContents::beyondLastName_stops() {
    QString doc = s("<H1>T</H1>\r\n");
    for (int i = 1; i <= 53; ++i)
        doc += s("<H2>h") + QString::number(i) + s("</H2>\r\n");
    const auto r = authoring::tableOfContents(doc);
    QVERIFY(r.namesRanOut);
    QCOMPARE(r.entries, 51);
    QCOMPARE(r.linkNameCounter, 52);
    QVERIFY(r.text.contains(s("<A HREF=#AZ>h51</A>")));
    QVERIFY(!r.text.contains(s("h52</A>")));
    QVERIFY(r.text.contains(s("<H2>h52</H2>"))); // left without an anchor
    QVERIFY(!r.text.contains(s("NAME=\"\"")));
}

void TestContents::unclosedHeading_endsList() {
    const auto r = authoring::tableOfContents(s("<H1>T</H1>\r\n<H2>a</H2>\r\n<H2>open"));
    QCOMPARE(r.entries, 1);
    QVERIFY(r.text.endsWith(s("<H2>open")));
}

QTEST_APPLESS_MAIN(TestContents)
#include "test_contents.moc"
