// Stored window measures held to the screens present: whatever a
// configuration file holds, the window fits the screen and no arithmetic on
// it overflows.
#include "shell/layout.h"
#include "shell/monitorlayout.h"

#include <QTest>
#include <climits>

using shell::ScreenArea;
using shell::StoredGeometry;
using shell::WindowFrame;

Q_DECLARE_METATYPE(ScreenArea)
Q_DECLARE_METATYPE(StoredGeometry)
Q_DECLARE_METATYPE(WindowFrame)

namespace {
// One screen 1600 x 1000 pixels, 15 twips a pixel.
const ScreenArea kScreen{0, 0, 24000, 15000};
// Every measure of a file set to the same number.
StoredGeometry all(std::int32_t n) { return {n, n, n, n, n, n, n, n, n}; }
} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
    void fitStoredGeometry_data();
    void fitStoredGeometry();
    void placeOnScreen_data();
    void placeOnScreen();
    void storedThenPlaced_alwaysInsideScreen_data();
    void storedThenPlaced_alwaysInsideScreen();
    void paneWidths_neverWiderThanWindow_data();
    void paneWidths_neverWiderThanWindow();
};

void TestScreenFit::fitStoredGeometry_data() {
    QTest::addColumn<StoredGeometry>("stored");
    QTest::addColumn<ScreenArea>("screen");
    QTest::addColumn<StoredGeometry>("fitted");

    QTest::newRow("zero_staysZero") << all(0) << kScreen << all(0);
    QTest::newRow("withinScreen_unchanged")
        << StoredGeometry{1500, 300, 12000, 20000, 13000, 20000, 9000, 10000, 10500} << kScreen
        << StoredGeometry{1500, 300, 12000, 20000, 13000, 20000, 9000, 10000, 10500};
    QTest::newRow("negative_toZero") << all(-5) << kScreen << all(0);
    QTest::newRow("int32Min_toZero") << all(INT_MIN) << kScreen << all(0);
    QTest::newRow("twoBillion_toScreen")
        << all(2000000000) << kScreen << StoredGeometry{24000, 15000, 15000, 24000, 24000, 24000, 24000, 24000, 15000};
    QTest::newRow("int32Max_toScreen")
        << all(INT_MAX) << kScreen << StoredGeometry{24000, 15000, 15000, 24000, 24000, 24000, 24000, 24000, 15000};
    QTest::newRow("sixHundredThousand_toScreen")
        << all(600000) << kScreen << StoredGeometry{24000, 15000, 15000, 24000, 24000, 24000, 24000, 24000, 15000};
    // Written on three monitors of 1920 x 1080 side by side (86400 twips
    // wide), the window on the third; read on one screen.
    QTest::newRow("threeMonitorDesk_onOneScreen")
        << StoredGeometry{57600, 600, 15000, 86400, 28800, 86400, 40000, 45000, 13500} << kScreen
        << StoredGeometry{24000, 600, 15000, 24000, 24000, 24000, 24000, 24000, 13500};
    // A virtual screen reaching left of the primary one keeps that room.
    QTest::newRow("screenLeftOfPrimary_keepsNegativeRoom")
        << StoredGeometry{-20000, 0, 9000, 9000, 9000, 9000, 0, 0, 0} << ScreenArea{-28800, 0, 52800, 16200}
        << StoredGeometry{-20000, 0, 9000, 9000, 9000, 9000, 0, 0, 0};
    // No screen reported: a 1920 x 1080 stand-in still bounds everything.
    QTest::newRow("noScreen_standInBounds")
        << all(INT_MAX) << ScreenArea{} << StoredGeometry{28800, 16200, 16200, 28800, 28800, 28800, 28800, 28800, 16200};
    QTest::newRow("negativeScreen_standInBounds")
        << all(100) << ScreenArea{0, 0, -24000, -15000} << all(100);
}

void TestScreenFit::fitStoredGeometry() {
    QFETCH(StoredGeometry, stored);
    QFETCH(ScreenArea, screen);
    QFETCH(StoredGeometry, fitted);
    const StoredGeometry g = shell::fitStoredGeometry(stored, screen);
    const std::int32_t got[] = {g.windowLeft,    g.windowTop,      g.windowHeight, g.windowWidth, g.oneWidth,
                                g.twoWidth,      g.leftPaneWidth,  g.rightPaneWidth, g.paneHeight};
    const std::int32_t want[] = {fitted.windowLeft,    fitted.windowTop,      fitted.windowHeight,
                                 fitted.windowWidth,   fitted.oneWidth,       fitted.twoWidth,
                                 fitted.leftPaneWidth, fitted.rightPaneWidth, fitted.paneHeight};
    for (int i = 0; i < 9; ++i) QCOMPARE(got[i], want[i]);
}

void TestScreenFit::placeOnScreen_data() {
    QTest::addColumn<WindowFrame>("frame");
    QTest::addColumn<WindowFrame>("placed");

    QTest::newRow("inside_unchanged") << WindowFrame{1500, 300, 16000, 12000} << WindowFrame{1500, 300, 16000, 12000};
    QTest::newRow("fillsScreenExactly_unchanged") << WindowFrame{0, 0, 24000, 15000} << WindowFrame{0, 0, 24000, 15000};
    // The right edge decides, with the width the window gets.
    QTest::newRow("rightEdgePastScreen_home") << WindowFrame{20000, 3000, 9000, 8000} << WindowFrame{0, 0, 9000, 15000};
    QTest::newRow("rightEdgeOnScreenEdge_kept") << WindowFrame{15000, 3000, 9000, 8000} << WindowFrame{15000, 3000, 9000, 8000};
    QTest::newRow("tooWide_cutAndHome") << WindowFrame{3000, 0, 172800, 15000} << WindowFrame{0, 0, 24000, 15000};
    QTest::newRow("bottomPastScreen_movedUp") << WindowFrame{0, 9000, 9000, 8000} << WindowFrame{0, 7000, 9000, 8000};
    QTest::newRow("tooTall_cutToScreen") << WindowFrame{0, 0, 9000, 600000} << WindowFrame{0, 0, 9000, 15000};
    QTest::newRow("int32Max_everywhere")
        << WindowFrame{INT_MAX, INT_MAX, INT_MAX, INT_MAX} << WindowFrame{0, 0, 24000, 15000};
    QTest::newRow("leftOfScreen_home") << WindowFrame{-3000, 200, 9000, 8000} << WindowFrame{0, 0, 9000, 15000};
    QTest::newRow("int32Min_home") << WindowFrame{INT_MIN, INT_MIN, INT_MIN, INT_MIN} << WindowFrame{0, 0, 0, 15000};
}

void TestScreenFit::placeOnScreen() {
    QFETCH(WindowFrame, frame);
    QFETCH(WindowFrame, placed);
    const WindowFrame f = shell::placeOnScreen(frame, kScreen);
    QCOMPARE(f.left, placed.left);
    QCOMPARE(f.top, placed.top);
    QCOMPARE(f.width, placed.width);
    QCOMPARE(f.height, placed.height);
}

// Start-up applies both in turn: whatever the file held, the window ends
// inside the screen.
void TestScreenFit::storedThenPlaced_alwaysInsideScreen_data() {
    QTest::addColumn<int>("value");
    for (int v : {INT_MIN, -1, 0, 1, 2000, 14999, 15000, 24001, 600000, 2000000000, INT_MAX})
        QTest::newRow(qPrintable(QString::number(v))) << v;
}

void TestScreenFit::storedThenPlaced_alwaysInsideScreen() {
    QFETCH(int, value);
    for (const ScreenArea& screen : {kScreen, ScreenArea{-28800, -200, 86400, 16400}}) {
        const StoredGeometry g = shell::fitStoredGeometry(all(value), screen);
        const WindowFrame f = shell::placeOnScreen({g.windowLeft, g.windowTop, g.twoWidth, g.windowHeight}, screen);
        QVERIFY(f.left >= screen.left);
        QVERIFY(f.top >= screen.top);
        QVERIFY(f.width >= 0 && f.height >= 0);
        QVERIFY(qint64(f.left) + f.width <= qint64(screen.left) + screen.width);
        QVERIFY(qint64(f.top) + f.height <= qint64(screen.top) + screen.height);
    }
}

void TestScreenFit::paneWidths_neverWiderThanWindow_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::newRow("twoBillionPanes") << 24000 << 2000000000 << 2000000000;
    QTest::newRow("int32MaxPanes") << 24000 << INT_MAX << INT_MAX;
    QTest::newRow("oneHugeOneSmall") << 24000 << INT_MAX << 12000;
    QTest::newRow("threeMonitorPanes_wideWindow") << 86400 << 40000 << 45000;
    QTest::newRow("sixHundredThousandPanes") << 24000 << 600000 << 600000;
    QTest::newRow("int32MaxWindow") << INT_MAX << INT_MAX << INT_MAX;
}

void TestScreenFit::paneWidths_neverWiderThanWindow() {
    QFETCH(int, window);
    QFETCH(int, left);
    QFETCH(int, right);
    const shell::PaneWidths w = shell::fitPaneWidths(window, {left, right});
    QVERIFY2(w.left >= 0 && w.right >= 0, qPrintable(QStringLiteral("%1 %2").arg(w.left).arg(w.right)));
    // Rounding may give a twip either way.
    QVERIFY2(qint64(w.left) + w.right <= qint64(window) - shell::metrics::kTwoPaneMargin + 1,
             qPrintable(QStringLiteral("%1 + %2 in %3").arg(w.left).arg(w.right).arg(window)));
}

QTEST_APPLESS_MAIN(TestScreenFit)
#include "test_screenfit.moc"
