// The GIF writer, read back by Qt's own GIF reader, and the suit images it
// writes.
#include "bridge/gifencoder.h"
#include "bridge/shippedimages.h"
#include "bridge/suitimages.h"
#include "bridge/suitnotation.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }

QImage readGif(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "gif");
    return reader.read();
}

// Counts pixels that are opaque in the given colour, and see-through ones.
struct Census {
    int colour = 0, other = 0, clear = 0;
};
Census census(const QImage& image, QRgb colour) {
    Census c;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            if (qAlpha(p) == 0) ++c.clear;
            else if ((p & 0xFFFFFF) == (colour & 0xFFFFFF) && qAlpha(p) == 255) ++c.colour;
            else ++c.other;
        }
    return c;
}
} // namespace

class TestSuitImages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QImageReader::supportedImageFormats().contains("gif")); }
    void encoder_roundTrips_data();
    void encoder_roundTrips();
    void encoder_rejectsMalformedImages();
    void suitImages_colourSizeAndTransparency();
    void shippedImages_areTheDrawnOnes();
};

void TestSuitImages::encoder_roundTrips_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colours");
    QTest::addColumn<bool>("noisy");
    QTest::newRow("onePixel") << 1 << 1 << 2 << false;
    QTest::newRow("smallPattern") << 14 << 14 << 4 << false;
    // Noise fills the 4096-entry table many times: code widths grow to 12
    // bits and clear codes follow.
    QTest::newRow("noise_twoColours") << 300 << 200 << 2 << true;
    QTest::newRow("noise_256Colours") << 257 << 129 << 256 << true;
    QTest::newRow("noise_fiveColours") << 64 << 64 << 5 << true;
}

void TestSuitImages::encoder_roundTrips() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, colours);
    QFETCH(bool, noisy);
    bridge::PaletteImage image;
    image.width = width;
    image.height = height;
    for (int i = 0; i < colours; ++i) image.palette << quint32((i * 0x3F1D27u) & 0xFFFFFF);
    image.pixels.resize(qsizetype(width) * height);
    QRandomGenerator random(7);
    for (qsizetype i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = char(noisy ? random.bounded(colours) : (i / 3) % colours);
    image.transparentIndex = -1;

    const QImage read = readGif(bridge::encodeGif(image));
    QCOMPARE(read.size(), QSize(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int index = quint8(image.pixels[qsizetype(y) * width + x]);
            if ((read.pixel(x, y) & 0xFFFFFF) != image.palette[index])
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
        }
}

void TestSuitImages::encoder_rejectsMalformedImages() {
    bridge::PaletteImage image;
    image.width = 2;
    image.height = 1;
    image.palette = {0, 0xFFFFFF};
    image.pixels = QByteArray("\x00\x02", 2); // index 2 is outside the palette
    QVERIFY(bridge::encodeGif(image).isEmpty());
    image.pixels = QByteArray("\x00", 1); // too few pixels
    QVERIFY(bridge::encodeGif(image).isEmpty());
    image.pixels = QByteArray("\x00\x01", 2);
    image.transparentIndex = 2;
    QVERIFY(bridge::encodeGif(image).isEmpty());
    image.transparentIndex = 1;
    QVERIFY(bridge::encodeGif(image).startsWith("GIF89a"));
}

void TestSuitImages::suitImages_colourSizeAndTransparency() {
    struct Row {
        const char* name;
        QRgb colour;
        int width, height;
    };
    const Row rows[] = {{"C.gif", bridge::kSuitBlack, 14, 14}, {"D.gif", bridge::kSuitRed, 14, 14},
                        {"H.gif", bridge::kSuitRed, 14, 14},   {"S.gif", bridge::kSuitBlack, 14, 14},
                        {"S1.gif", bridge::kSuitBlack, 28, 28}, {"H2.gif", bridge::kSuitRed, 21, 21},
                        {"D6.gif", bridge::kSuitRed, 12, 12}};
    for (const Row& row : rows) {
        const QImage image = readGif(bridge::suitImageGif(s(row.name)));
        QCOMPARE(image.size(), QSize(row.width, row.height));
        const Census c = census(image, row.colour);
        QVERIFY2(c.other == 0, row.name);
        // Mostly symbol, with see-through corners.
        QVERIFY2(c.colour > row.width * row.height / 3, row.name);
        QVERIFY2(c.clear > row.width * row.height / 8, row.name);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
    // The two-suit images: heart and spade, diamond and club, side by side.
    const QImage hs = readGif(bridge::suitImageGif(s("hs.gif")));
    QCOMPARE(hs.size(), QSize(28, 14));
    QVERIFY(census(hs.copy(0, 0, 14, 14), bridge::kSuitRed).other == 0);
    QVERIFY(census(hs.copy(14, 0, 14, 14), bridge::kSuitBlack).other == 0);
    const QImage dc = readGif(bridge::suitImageGif(s("dc.gif")));
    QVERIFY(census(dc.copy(0, 0, 14, 14), bridge::kSuitRed).colour > 30);
    QVERIFY(census(dc.copy(14, 0, 14, 14), bridge::kSuitBlack).colour > 30);

    QVERIFY(bridge::suitImageGif(s("x.gif")).isEmpty());
}

void TestSuitImages::shippedImages_areTheDrawnOnes() {
    for (const QString& name : bridge::shippedImageNames())
        QCOMPARE(bridge::shippedSuitImage(name).value_or(QByteArray()), bridge::suitImageGif(name));
    QCOMPARE(bridge::shippedSuitImage(s("h.gif")), bridge::shippedSuitImage(s("H.gif")));
    QVERIFY(!bridge::shippedSuitImage(s("H.png")));
}

QTEST_MAIN(TestSuitImages)
#include "test_suitimages.moc"
