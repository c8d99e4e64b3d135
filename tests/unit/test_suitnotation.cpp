// Bids to suit images, hand symbols and the image names.
#include "bridge/suitnotation.h"

#include <QTest>

using bridge::suitsToSymbols;

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }
// The tag of an image, shortened in the rows below: img("C") is <IMG SRC="C.gif">.
QString img(const char* stem) { return bridge::imageTag(s(stem) + s(".gif")); }
const char* const kHead = "<HTML><HEAD><TITLE>1C</TITLE></HEAD><BODY><H1>Deal</H1>\r\n";
} // namespace

class TestSuitNotation : public QObject {
    Q_OBJECT
private slots:
    void convert_data();
    void convert();
    void convert_isIdempotentAndCountsImages();
    void convert_rulesHoldNearTheStartAndFarFromIt();
    void convert_largeText_sameAsPieceByPiece();
    void hands_data();
    void hands();
    void suitSymbolImages();
    void shippedNames_bothSpellingsResolve();
};

void TestSuitNotation::convert_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString head = s(kHead);
    QTest::newRow("bidsAfterH1_digitStaysLetterBecomesImage")
        << head + s("West opened 1C and East bid 1H.") << head + s("West opened 1") + img("C") +
                                                              s(" and East bid 1") + img("H") + s(".");
    QTest::newRow("bidInTitleBeforeH1_left") << s("<TITLE>4S</TITLE><H1>x</H1>\r\n") << s("<TITLE>4S</TITLE><H1>x</H1>\r\n");
    // The heading's text is converted from just after its tag.
    QTest::newRow("bidOpeningTheHeading_converted")
        << s("<H1>1C 2D</H1>") << s("<H1>1") + img("C1") + s(" 2") + img("D1") + s("</H1>");
    QTest::newRow("bidInAttributeHoldingGreaterThan_left")
        << s("<H1>x</H1><IMG ALT=\"score > 1C\"> 2D") << s("<H1>x</H1><IMG ALT=\"score > 1C\"> 2") + img("D");
    QTest::newRow("bidsInCommentScriptStyle_left")
        << s("<H1>x</H1><!-- 1C --><SCRIPT>a='<b>1D'</SCRIPT><STYLE>.x1H{}</STYLE>3S")
        << s("<H1>x</H1><!-- 1C --><SCRIPT>a='<b>1D'</SCRIPT><STYLE>.x1H{}</STYLE>3") + img("S");
    QTest::newRow("noH1_convertedFromFirstCharacter") << s("1C then 7S") << s("1") + img("C") + s(" then 7") + img("S");
    QTest::newRow("lowerCase_notrump_eight_left") << s("1c 1NT 8S 0H 9D") << s("1c 1NT 8S 0H 9D");
    QTest::newRow("insideWords_converted")
        << s("23Spades 11C") << s("23") + img("S") + s("pades 11") + img("C");
    QTest::newRow("linkText_left")
        << head + s("<A HREF=\"x.htm\">after 1C</A> and 2C")
        << head + s("<A HREF=\"x.htm\">after 1C</A> and 2") + img("C");
    QTest::newRow("namedAnchorIsNoLink")
        << head + s("<A NAME=\"a\">2D</A>") << head + s("<A NAME=\"a\">2") + img("D") + s("</A>");
    QTest::newRow("heading_getsHeadingImage")
        << head + s("<H2>The 2S bid</H2> 2S") << head + s("<H2>The 2") + img("S2") + s(" bid</H2> 2") + img("S");
    QTest::newRow("lowerCaseHeading") << s("<h3 class=x>3H</h3>") << s("<h3 class=x>3") + img("H3") + s("</h3>");
    QTest::newRow("linkInsideHeading_left")
        << head + s("<H2><A HREF=\"#a\">1D</A> 1D</H2>") << head + s("<H2><A HREF=\"#a\">1D</A> 1") + img("D2") + s("</H2>");
    QTest::newRow("markupUntouched")
        << head + s("<A HREF=\"#1C\">x</A><FONT COLOR=\"#1C2D3E\">y</FONT><!-- 2H --><IMG SRC=\"4S.jpg\">")
        << head + s("<A HREF=\"#1C\">x</A><FONT COLOR=\"#1C2D3E\">y</FONT><!-- 2H --><IMG SRC=\"4S.jpg\">");
    QTest::newRow("styleAndScript_left")
        << head + s("<STYLE>p{color:#1C1C1C}</STYLE><SCRIPT>a='3D'</SCRIPT>3D")
        << head + s("<STYLE>p{color:#1C1C1C}</STYLE><SCRIPT>a='3D'</SCRIPT>3") + img("D");
    QTest::newRow("strayLessThan_isText") << s("a <3 1C") << s("a <3 1") + img("C");
    QTest::newRow("unclosedComment_restLeft") << s("1C <!-- 2C") << s("1") + img("C") + s(" <!-- 2C");
    QTest::newRow("empty") << QString() << QString();
}

void TestSuitNotation::convert() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(suitsToSymbols(text).text, expected);
}

void TestSuitNotation::convert_isIdempotentAndCountsImages() {
    const QString text = s(kHead) + s("1C 2C 3H <H2>4S</H2> 5D 6D 7S");
    const bridge::Conversion once = suitsToSymbols(text);
    QCOMPARE(once.bids, 7);
    QCOMPARE(once.imageNames, (QStringList{s("C.gif"), s("H.gif"), s("S2.gif"), s("D.gif"), s("S.gif")}));
    const bridge::Conversion twice = suitsToSymbols(once.text);
    QCOMPARE(twice.text, once.text);
    QCOMPARE(twice.bids, 0);
}

// A link or heading that opens far before the bid, or a bid right after the
// start, follows the same rules.
void TestSuitNotation::convert_rulesHoldNearTheStartAndFarFromIt() {
    const QString filler(300, QLatin1Char('x'));
    const QString text = s("<H1>T</H1>1C <A HREF=\"l\">") + filler + s(" 2C</A> 3C <H4>") + filler + s(" 4C</H4>");
    const QString expected = s("<H1>T</H1>1") + img("C") + s(" <A HREF=\"l\">") + filler + s(" 2C</A> 3") + img("C") +
                             s(" <H4>") + filler + s(" 4") + img("C4") + s("</H4>");
    QCOMPARE(suitsToSymbols(text).text, expected);
}

// The one-pass conversion gives what converting each paragraph on its own
// gives (paragraphs hold no open links or headings across them).
void TestSuitNotation::convert_largeText_sameAsPieceByPiece() {
    const QStringList paragraphs = {s("<P>1C-1D-1NT-2C 23Spades</P>\r\n"), s("<H3>3H and 4S</H3>\r\n"),
                                    s("<P><A HREF=\"a\">5D</A> 7H 8S 1c</P>\r\n")};
    QString whole, pieces;
    for (int i = 0; i < 600; ++i) {
        whole += paragraphs[i % 3];
        pieces += suitsToSymbols(paragraphs[i % 3]).text;
    }
    QCOMPARE(suitsToSymbols(whole).text, pieces);
}

void TestSuitNotation::hands_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("expected");
    const QString S = img("S"), h = img("h"), D = img("D"), c = img("c");
    QTest::newRow("fourHoldings_spacesDropped")
        << s("  AKQ2-J103-987-K54 ") << S + s("AKQ2 ") + h + s("J103 ") + D + s("987 ") + c + s("K54");
    QTest::newRow("void") << s("AKQ2--987-K54") << S + s("AKQ2 ") + h + s(" ") + D + s("987 ") + c + s("K54");
    QTest::newRow("noDash_spadeOnly") << s("AKQ2 J103") << S + s("AKQ2 J103");
    QTest::newRow("twoDashes") << s("AK-QJ-T9") << S + s("AK ") + h + s("QJ ") + D + s("T9");
    QTest::newRow("fifthDashStays") << s("A-K-Q-J-T") << S + s("A ") + h + s("K ") + D + s("Q ") + c + s("J-T");
}

void TestSuitNotation::hands() {
    QFETCH(QString, selection);
    QFETCH(QString, expected);
    QCOMPARE(bridge::symbolsForHands(selection).value_or(s("nothing")), expected);
    QVERIFY(!bridge::symbolsForHands(s("   ")));
    QVERIFY(!bridge::symbolsForHands(QString()));
}

void TestSuitNotation::suitSymbolImages() {
    QStringList names;
    for (int i = 0; i <= 7; ++i) names << bridge::suitSymbolImage(i);
    QCOMPARE(names, (QStringList{QString(), s("c.gif"), s("d.gif"), s("h.gif"), s("s.gif"), s("hs.gif"), s("dc.gif"),
                                 QString()}));
    QCOMPARE(bridge::imageTag(s("h.gif")), s("<IMG SRC=\"h.gif\">"));
    QCOMPARE(bridge::biddingFont(QString()), s("<FONT FACE=\"Courier New\"></FONT>"));
}

void TestSuitNotation::shippedNames_bothSpellingsResolve() {
    QCOMPARE(bridge::shippedImageNames().size(), 30);
    QCOMPARE(bridge::shippedImageFor(s("c.gif")), s("C.gif"));
    QCOMPARE(bridge::shippedImageFor(s("S.gif")), s("S.gif"));
    QCOMPARE(bridge::shippedImageFor(s("H2.gif")), s("H2.gif"));
    QCOMPARE(bridge::shippedImageFor(s("dc.gif")), s("dc.gif"));
    QCOMPARE(bridge::shippedImageFor(s("DC.gif")), QString());
    QCOMPARE(bridge::shippedImageFor(s("x.gif")), QString());
    QCOMPARE(bridge::shippedImageFor(s("h2.gif")), QString());
}

QTEST_APPLESS_MAIN(TestSuitNotation)
#include "test_suitnotation.moc"
