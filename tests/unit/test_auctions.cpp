// Auctions of a converted article found and set in the bidding font.
#include "bridge/auctions.h"
#include "bridge/suitnotation.h"

#include <QTest>

namespace {
// Writes an auction the way articles do and converts its bids, so that rows
// read like the source the user typed: "1C-(1D)" becomes 1<IMG..C..>-(1<IMG..D..>).
QString converted(const char* typed) { return bridge::suitsToSymbols(QString::fromLatin1(typed)).text; }
QString font(const char* typed) { return bridge::biddingFont(converted(typed)); }
} // namespace

class TestAuctions : public QObject {
    Q_OBJECT
private slots:
    void auctions_data();
    void auctions();
    void runTwice_changesNothingMore();
};

void TestAuctions::auctions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("count");
    QTest::newRow("firstFormat_withCommaContinuation")
        << converted("The bidding 1C-1D-P-1H, 1S went.") << converted("The bidding ") + font("1C-1D-P-1H, 1S") +
                                                                converted(" went.")
        << 1;
    QTest::newRow("secondFormat_opponentsInParentheses")
        << converted("<P>1C-(1D)-P-(1H), 1S</P>") << converted("<P>") + font("1C-(1D)-P-(1H), 1S") + converted("</P>")
        << 1;
    QTest::newRow("doublesRedoublesNotrumpPassAllWords")
        << converted(" 1H-(X)-XX-(2C)-Dbl-(Rdbl)-2NT-Pass-3N-(D)-R-?.")
        << converted(" ") + font("1H-(X)-XX-(2C)-Dbl-(Rdbl)-2NT-Pass-3N-(D)-R-?") + converted(".") << 1;
    QTest::newRow("spacesAroundDashes") << converted(" 1S - 2H - 4S") << converted(" ") + font("1S - 2H - 4S") << 1;
    QTest::newRow("startsWithPassOrOpponent")
        << converted(" P-(1D)-1S") << converted(" ") + font("P-(1D)-1S") << 1;
    QTest::newRow("headingImagesCount")
        << converted("<H3>1C-1H</H3>")
        << converted("<H3>1C-1H</H3>")
               .replace(QLatin1String("<H3>"), QLatin1String("<H3>") + bridge::biddingFontOpen())
               .replace(QLatin1String("</H3>"), bridge::biddingFontClose() + QLatin1String("</H3>"))
        << 1;
    QTest::newRow("twoAuctionsInOneParagraph")
        << converted(" 1C-1D and later 2H-4H.") << converted(" ") + font("1C-1D") + converted(" and later ") +
                                                      font("2H-4H") + converted(".")
        << 2;
    QTest::newRow("oneBid_isNoAuction") << converted("He opened 1C. Then 1NT.") << converted("He opened 1C. Then 1NT.") << 0;
    QTest::newRow("noConvertedBid_left") << converted(" D-P-R and 1NT-2N") << converted(" D-P-R and 1NT-2N") << 0;
    QTest::newRow("notAtAWordStart_left") << converted("x1C-1D") << converted("x1C-1D") << 0;
    QTest::newRow("trailingSeparatorAndWordsStayOutside")
        << converted(" 1C-1D-, Pa") << converted(" ") + font("1C-1D") + converted("-, Pa") << 1;
    QTest::newRow("unclosedParenthesisEnds") << converted(" 1C-1D-(2H") << converted(" ") + font("1C-1D") + converted("-(2H") << 1;
    QTest::newRow("unconvertedLettersAreNoBids") << QString::fromLatin1(" 1C-1D") << QString::fromLatin1(" 1C-1D") << 0;
    QTest::newRow("bidFollowedByLetters_isNoCall")
        << converted(" 1C-2Hx") << converted(" 1C-2Hx") << 0;
}

void TestAuctions::auctions() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, count);
    const bridge::AuctionMarkup marked = bridge::setAuctionsInBiddingFont(text);
    QCOMPARE(marked.text, expected);
    QCOMPARE(marked.auctions, count);
}

void TestAuctions::runTwice_changesNothingMore() {
    const QString text = converted("<P>1C-(1D)-P-(1H), 1S</P>\r\n<P>Then 1NT-2C-2D.</P>\r\n");
    const bridge::AuctionMarkup once = bridge::setAuctionsInBiddingFont(text);
    QCOMPARE(once.auctions, 2);
    const bridge::AuctionMarkup twice = bridge::setAuctionsInBiddingFont(once.text);
    QCOMPARE(twice.text, once.text);
    QCOMPARE(twice.auctions, 0);
}

QTEST_APPLESS_MAIN(TestAuctions)
#include "test_auctions.moc"
