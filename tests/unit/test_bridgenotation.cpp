// Bridge notation: bids to suit images, hands, auctions in the bidding font,
// and the suit images our own GIF writer draws, read back by Qt's reader.
#include "bridge/auctions.h"
#include "bridge/gifencoder.h"
#include "bridge/shippedimages.h"
#include "bridge/suitimages.h"
#include "bridge/suitnotation.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

using bridge::suitsToSymbols;

namespace {
QString s(const char* latin1) {
    return QString::fromLatin1(latin1);
}
// img("C") is <IMG SRC="C.gif">.
QString img(const char* stem) {
    return bridge::imageTag(s(stem) + s(".gif"));
}
const QString kHead = s("<HTML><HEAD><TITLE>1C</TITLE></HEAD><BODY><H1>Deal</H1>\r\n");
// Auctions as articles write them, their bids converted.
QString converted(const char* typed) {
    return suitsToSymbols(s(typed)).text;
}
QString font(const char* typed) {
    return bridge::biddingFont(converted(typed));
}

QImage readGif(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    return QImageReader(&buffer, "gif").read();
}
// Pixels opaque in the colour, opaque in another, see-through.
std::array<int, 3> census(const QImage& image, QRgb colour) {
    std::array<int, 3> c{};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            ++c[qAlpha(p) == 0                                              ? 2
                : (p & 0xFFFFFF) == (colour & 0xFFFFFF) && qAlpha(p) == 255 ? 0
                                                                            : 1];
        }
    return c;
}
} // namespace

class TestBridgeNotation : public QObject {
    Q_OBJECT
  private slots:
    void suitsToSymbols() {
        const struct {
            QString text, expected;
        } rows[] = {
            {kHead + s("West opened 1C and East bid 1H."),
             kHead + s("West opened 1") + img("C") + s(" and East bid 1") + img("H") + s(".")},
            {s("<H1>1C 2D</H1>"),
             s("<H1>1") + img("C1") + s(" 2") + img("D1") + s("</H1>")}, // from just after the tag
            {s("<H1>x</H1><IMG ALT=\"score > 1C\"> 2D"),
             s("<H1>x</H1><IMG ALT=\"score > 1C\"> 2") + img("D")},
            {s("<H1>x</H1><!-- 1C --><SCRIPT>a='<b>1D'</SCRIPT><STYLE>.x1H{}</STYLE>3S"),
             s("<H1>x</H1><!-- 1C --><SCRIPT>a='<b>1D'</SCRIPT><STYLE>.x1H{}</STYLE>3") + img("S")},
            {s("1c 1NT 8S 0H 9D"), s("1c 1NT 8S 0H 9D")},
            {s("23Spades 11C"), s("23") + img("S") + s("pades 11") + img("C")},
            {kHead + s("<A HREF=\"x.htm\">1C</A><A NAME=\"a\">2D</A>"),
             kHead + s("<A HREF=\"x.htm\">1C</A><A NAME=\"a\">2") + img("D") + s("</A>")},
            {kHead + s("<h2 class=x><A HREF=\"#a\">1D</A> 1D</h2> 2S"),
             kHead + s("<h2 class=x><A HREF=\"#a\">1D</A> 1") + img("D2") + s("</h2> 2") +
                 img("S")},
            {kHead + s("<A HREF=\"#1C\">x</A><FONT COLOR=\"#1C2D3E\">y</FONT><IMG SRC=\"4S.jpg\">"),
             kHead +
                 s("<A HREF=\"#1C\">x</A><FONT COLOR=\"#1C2D3E\">y</FONT><IMG SRC=\"4S.jpg\">")},
            {s("a <3 1C <!-- 2C"), s("a <3 1") + img("C") + s(" <!-- 2C")},
        };
        for (const auto& r : rows)
            QCOMPARE(bridge::suitsToSymbols(r.text).text, r.expected);
    }

    // A second run changes nothing; the one pass gives what converting each
    // paragraph alone gives, near the start and far from it.
    void suitsToSymbols_properties() {
        const bridge::Conversion once =
            bridge::suitsToSymbols(kHead + s("1C 2C 3H <H2>4S</H2> 5D 6D 7S"));
        QCOMPARE(once.bids, 7);
        QCOMPARE(once.imageNames,
                 (QStringList{s("C.gif"), s("H.gif"), s("S2.gif"), s("D.gif"), s("S.gif")}));
        QCOMPARE(bridge::suitsToSymbols(once.text).text, once.text);
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

    void hands() {
        const QString S = img("S"), h = img("h"), D = img("D"), c = img("c");
        QCOMPARE(bridge::symbolsForHands(s("  AKQ2--987-K54 ")).value_or(QString()),
                 S + s("AKQ2 ") + h + s(" ") + D + s("987 ") + c + s("K54"));
        QCOMPARE(bridge::symbolsForHands(s("AKQ2 J103")).value_or(QString()), S + s("AKQ2 J103"));
        QCOMPARE(bridge::symbolsForHands(s("A-K-Q-J-T")).value_or(QString()),
                 S + s("A ") + h + s("K ") + D + s("Q ") + c + s("J-T"));
        QVERIFY(!bridge::symbolsForHands(s("   ")));
        QCOMPARE(bridge::shippedImageFor(s("c.gif")), s("C.gif"));
        QCOMPARE(bridge::shippedImageFor(s("dc.gif")), s("dc.gif"));
        QCOMPARE(bridge::shippedImageFor(s("h2.gif")), QString());
    }

    void auctions() {
        const struct {
            QString text, expected;
            int count;
        } rows[] = {
            {converted("The bidding 1C-1D-P-1H, 1S went."),
             converted("The bidding ") + font("1C-1D-P-1H, 1S") + converted(" went."), 1},
            {converted("<P>1C-(1D)-P-(1H), 1S</P>"),
             converted("<P>") + font("1C-(1D)-P-(1H), 1S") + converted("</P>"), 1},
            {converted(" 1H-(X)-XX-(2C)-Dbl-(Rdbl)-2NT-Pass-3N-(D)-R-?."),
             converted(" ") + font("1H-(X)-XX-(2C)-Dbl-(Rdbl)-2NT-Pass-3N-(D)-R-?") +
                 converted("."),
             1},
            {converted(" 1S - 2H and later P-(1D)-1S"),
             converted(" ") + font("1S - 2H") + converted(" and later ") + font("P-(1D)-1S"), 2},
            {converted("<H3>1C-1H</H3>"),
             converted("<H3>1C-1H</H3>")
                 .replace(s("<H3>"), s("<H3>") + bridge::biddingFontOpen())
                 .replace(s("</H3>"), bridge::biddingFontClose() + s("</H3>")),
             1},
            {converted(" 1C-1D-, Pa 1C-1D-(2H"),
             converted(" ") + font("1C-1D") + converted("-, Pa ") + font("1C-1D") +
                 converted("-(2H"),
             2},
            {converted("He opened 1C. D-P-R and 1NT-2N x1C-1D 1C-2Hx"),
             converted("He opened 1C. D-P-R and 1NT-2N x1C-1D 1C-2Hx"), 0},
            {s(" 1C-1D"), s(" 1C-1D"), 0},
            {converted(" ((1C))-((X))-1D"), converted(" ") + font("((1C))-((X))-1D"), 1},
            // A long run of "(" is read without exhausting the stack.
            {s(" ") + QString(300000, QLatin1Char('(')), s(" ") + QString(300000, QLatin1Char('(')),
             0},
        };
        for (const auto& r : rows) {
            const bridge::AuctionMarkup marked = bridge::setAuctionsInBiddingFont(r.text);
            QCOMPARE(marked.text, r.expected);
            QCOMPARE(marked.auctions, r.count);
            QCOMPARE(bridge::setAuctionsInBiddingFont(marked.text).text, marked.text);
        }
    }

    // Noise fills the 4096-entry table many times: code widths grow to 12 bits
    // and clear codes follow.
    void gifEncoder_roundTrips() {
        const struct {
            int width, height, colours;
            bool noisy;
        } rows[] = {{1, 1, 2, false},
                    {14, 14, 4, false},
                    {300, 200, 2, true},
                    {257, 129, 256, true},
                    {64, 64, 5, true}};
        QRandomGenerator random(7);
        for (const auto& r : rows) {
            bridge::PaletteImage image;
            image.width = r.width;
            image.height = r.height;
            for (int i = 0; i < r.colours; ++i)
                image.palette << quint32((i * 0x3F1D27u) & 0xFFFFFF);
            image.pixels.resize(qsizetype(r.width) * r.height);
            for (qsizetype i = 0; i < image.pixels.size(); ++i)
                image.pixels[i] = char(r.noisy ? random.bounded(r.colours) : (i / 3) % r.colours);
            const QImage read = readGif(bridge::encodeGif(image));
            QCOMPARE(read.size(), QSize(r.width, r.height));
            for (int y = 0; y < r.height; ++y)
                for (int x = 0; x < r.width; ++x)
                    if ((read.pixel(x, y) & 0xFFFFFF) !=
                        image.palette[quint8(image.pixels[qsizetype(y) * r.width + x])])
                        QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
        }
        bridge::PaletteImage bad;
        bad.width = 2;
        bad.height = 1;
        bad.palette = {0, 0xFFFFFF};
        for (const QByteArray& pixels : {QByteArray("\x00\x02", 2), QByteArray("\x00", 1)}) {
            bad.pixels = pixels;
            QVERIFY(bridge::encodeGif(bad).isEmpty());
        }
        bad.transparentIndex = 2;
        bad.pixels = QByteArray("\x00\x01", 2);
        QVERIFY(bridge::encodeGif(bad).isEmpty());
    }

    void suitImages() {
        const struct {
            const char* name;
            QRgb colour;
            int size;
        } rows[] = {{"C.gif", bridge::kSuitBlack, 14},
                    {"D.gif", bridge::kSuitRed, 14},
                    {"S1.gif", bridge::kSuitBlack, 28},
                    {"H2.gif", bridge::kSuitRed, 21},
                    {"D6.gif", bridge::kSuitRed, 12}};
        for (const auto& r : rows) {
            const QImage image = readGif(bridge::suitImageGif(s(r.name)));
            QCOMPARE(image.size(), QSize(r.size, r.size));
            const auto c = census(image, r.colour);
            // Mostly symbol, in its colour only, with see-through corners.
            QVERIFY2(c[1] == 0 && c[0] > r.size * r.size / 3 && c[2] > r.size * r.size / 8, r.name);
        }
        const QImage hs = readGif(bridge::suitImageGif(s("hs.gif")));
        QCOMPARE(hs.size(), QSize(28, 14));
        QVERIFY(census(hs.copy(0, 0, 14, 14), bridge::kSuitRed)[1] == 0);
        QVERIFY(census(hs.copy(14, 0, 14, 14), bridge::kSuitBlack)[1] == 0);
        QVERIFY(bridge::suitImageGif(s("x.gif")).isEmpty());
        QCOMPARE(bridge::shippedImageNames().size(), 30);
        for (const QString& name : bridge::shippedImageNames())
            QCOMPARE(bridge::shippedSuitImage(name).value_or(QByteArray()),
                     bridge::suitImageGif(name));
        QCOMPARE(bridge::shippedSuitImage(s("h.gif")), bridge::shippedSuitImage(s("H.gif")));
    }
};

QTEST_MAIN(TestBridgeNotation)
#include "test_bridgenotation.moc"
