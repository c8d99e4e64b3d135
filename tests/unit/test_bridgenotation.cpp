// Bridge notation: bids to suit images, hands, auctions in the bidding font,
// and the suit images our own GIF writer draws, read back by Qt's reader.
#include "bridge/auctions.h"
#include "bridge/shippedimages.h"
#include "bridge/suitimages.h"
#include "bridge/suitnotation.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>

namespace {
const auto s = [](const char* text) { return QString::fromLatin1(text); };
// img("C") is <IMG SRC="C.gif">; auctions as articles write them, their
// bids converted, and set in the bidding font.
const auto img = [](const char* stem) { return bridge::imageTag(s(stem) + s(".gif")); };
const auto converted = [](const char* typed) { return bridge::suitsToSymbols(s(typed)).text; };
const auto font = [](const char* typed) { return bridge::biddingFont(converted(typed)); };
QImage readGif(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    return QImageReader(&buffer, "gif").read();
}
} // namespace

class TestBridgeNotation : public QObject {
    Q_OBJECT
  private slots:
    // From just after the H1 tag; never inside markup, comments, SCRIPT or
    // STYLE, nor a link's text; heading images in headings.
    void suitsToSymbols() {
        const QString head = s("<HTML><HEAD><TITLE>1C</TITLE></HEAD><BODY><H1>1C 2D</H1>\r\n");
        const QString headDone = s("<HTML><HEAD><TITLE>1C</TITLE></HEAD><BODY><H1>1") + img("C1") +
                                 s(" 2") + img("D1") + s("</H1>\r\n");
        const QString tags =
            s("<IMG ALT=\"> 1C\"><A HREF=\"#1C\">x</A><FONT COLOR=#1C2D3E><IMG "
              "SRC=4S.jpg><!-- 1C --><SCRIPT>a='<b>1D'</SCRIPT><STYLE>.x1H{}</STYLE>");
        const std::pair<QString, QString> rows[] = {
            {tags + s("2D"), tags + s("2") + img("D")},
            {s("1c 1NT 8S 0H 9D 23Spades"), s("1c 1NT 8S 0H 9D 23") + img("S") + s("pades")},
            {s("<A HREF=\"x.htm\">1C</A><A NAME=\"a\">2D</A>"),
             s("<A HREF=\"x.htm\">1C</A><A NAME=\"a\">2") + img("D") + s("</A>")},
            {s("<h2 class=x><A HREF=\"#a\">1D</A> 1D</h2> 2S"),
             s("<h2 class=x><A HREF=\"#a\">1D</A> 1") + img("D2") + s("</h2> 2") + img("S")},
            {s("a <3 1C <!-- 2C"), s("a <3 1") + img("C") + s(" <!-- 2C")},
        };
        for (const auto& [text, expected] : rows)
            QCOMPARE(bridge::suitsToSymbols(head + text).text, headDone + expected);
        // Without an H1 all but the TITLE converts; a second run changes
        // nothing; the one pass gives what converting each paragraph alone
        // gives, near the start and far from it.
        const auto once = bridge::suitsToSymbols(s("<TITLE>1C</TITLE>1C 2C 3H <H2>4S</H2> 5D 7S"));
        QVERIFY(once.bids == 6 && bridge::suitsToSymbols(once.text).text == once.text);
        QCOMPARE(once.imageNames,
                 (QStringList{s("C.gif"), s("H.gif"), s("S2.gif"), s("D.gif"), s("S.gif")}));
        const QString filler(300, QLatin1Char('x'));
        const QStringList paragraphs = {
            s("<P>1C-1D-1NT-2C 23Spades</P>\r\n"), s("<H3>3H and 4S</H3>\r\n"),
            s("<P><A HREF=\"a\">5D ") + filler + s(" 6C</A> 7H 8S 1c</P>\r\n"),
            s("<H4>") + filler + s(" 4C</H4>\r\n")};
        QString whole, pieces;
        for (int i = 0; i < 600; ++i) {
            whole += paragraphs[i % 4];
            pieces += bridge::suitsToSymbols(paragraphs[i % 4]).text;
        }
        QCOMPARE(bridge::suitsToSymbols(whole).text, pieces);
    }

    void handsAndAuctions() {
        const QString S = img("S"), h = img("h"), D = img("D"), c = img("c");
        QCOMPARE(bridge::symbolsForHands(s("  AKQ2--987-K54 ")).value_or(QString()),
                 S + s("AKQ2 ") + h + s(" ") + D + s("987 ") + c + s("K54"));
        QCOMPARE(bridge::symbolsForHands(s("A-K-Q-J-T")).value_or(QString()),
                 S + s("A ") + h + s("K ") + D + s("Q ") + c + s("J-T"));
        const std::tuple<QString, QString, int> rows[] = {
            {converted("<P>1C-(1D)-P-(1H), 1S.</P>"),
             converted("<P>") + font("1C-(1D)-P-(1H), 1S") + converted(".</P>"), 1},
            {converted(" 1H-(X)-XX-Dbl-(Rdbl)-2NT-Pass-3N-(D)-R-? and P - (1D)-1S"),
             converted(" ") + font("1H-(X)-XX-Dbl-(Rdbl)-2NT-Pass-3N-(D)-R-?") + s(" and ") +
                 font("P - (1D)-1S"),
             2},
            {converted(" 1C-1D-, Pa ((1C))-((X))-1D-(2H"),
             converted(" ") + font("1C-1D") + converted("-, Pa ") + font("((1C))-((X))-1D") +
                 converted("-(2H"),
             2},
            // Unchanged: one call, no converted bid, letters around; a long run
            // of "(" read without exhausting the stack.
            {converted("He opened 1C. D-P-R and x1C-1D 1C-2Hx"), {}, 0},
            {s(" 1C-1D"), {}, 0},
            {s(" ") + QString(300000, QLatin1Char('(')), {}, 0},
        };
        for (const auto& [text, expected, count] : rows) {
            const bridge::AuctionMarkup marked = bridge::setAuctionsInBiddingFont(text);
            QCOMPARE(marked.text, expected.isEmpty() ? text : expected);
            QCOMPARE(marked.auctions, count);
            QCOMPARE(bridge::setAuctionsInBiddingFont(marked.text).text, marked.text);
        }
    }

    // Mostly symbol, in its colour only, with see-through corners; the
    // shipped images are the ones drawn.
    void suitImages() {
        const std::tuple<const char*, QRgb, int, int, int> rows[] = {
            {"C.gif", bridge::kSuitBlack, 0, 14, 14},
            {"S1.gif", bridge::kSuitBlack, 0, 28, 28},
            {"hs.gif", bridge::kSuitRed, 0, 28, 14},
            {"hs.gif", bridge::kSuitBlack, 14, 28, 14}};
        for (const auto& [name, rgb, left, width, size] : rows) {
            const QImage full = readGif(bridge::suitImageGif(s(name)));
            QCOMPARE(full.size(), QSize(width, size));
            const QImage image =
                full.copy(left, 0, size, size).convertToFormat(QImage::Format_ARGB32);
            int colour = 0, other = 0, clear = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    const QRgb p = image.pixel(x, y);
                    ++(qAlpha(p) == 0 ? clear : p == (rgb | 0xFF000000) ? colour : other);
                }
            QVERIFY2(other == 0 && colour > size * size / 3 && clear > size * size / 8, name);
        }
        for (const QString& name : bridge::shippedImageNames())
            QCOMPARE(bridge::shippedSuitImage(name).value_or(QByteArray()),
                     bridge::suitImageGif(name));
    }
};

QTEST_MAIN(TestBridgeNotation)
#include "test_bridgenotation.moc"
