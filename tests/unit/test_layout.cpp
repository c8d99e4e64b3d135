// Pane widths of the two-pane window.
#include "shell/layout.h"

#include <QTest>

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void fitPaneWidths_data();
    void fitPaneWidths();
};

void TestLayout::fitPaneWidths_data() {
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("fittedLeft");
    QTest::addColumn<int>("fittedRight");

    // 420 twips to share: 420 * 4000 / 9000 = 186.67, 420 * 5000 / 9000 = 233.33.
    QTest::newRow("storedWidths_scaledToWindow") << 10000 << 4000 << 5000 << 4187 << 5233;
    QTest::newRow("alreadyFilling_unchanged") << 10000 << 4000 << 5420 << 4000 << 5420;
    QTest::newRow("tooWide_shrunk") << 10000 << 5000 << 6000 << 4282 << 5138;
    // 30 % and 40 % are still enough; just below either resets to 4800 each.
    QTest::newRow("leftExactlyThirtyPercent_kept") << 10000 << 3000 << 4000 << 4037 << 5383;
    QTest::newRow("leftBelowThirtyPercent_reset") << 10000 << 2999 << 6000 << 4710 << 4710;
    QTest::newRow("rightBelowFortyPercent_reset") << 10000 << 5000 << 3999 << 4710 << 4710;
    // 3000 is below 30 % of 10001; round(4800.5) = 4800, then -179 / 2 = -89.5 -> -90.
    QTest::newRow("fractionalThreshold_reset") << 10001 << 3000 << 5000 << 4710 << 4710;
    QTest::newRow("zeroWidths_reset") << 10000 << 0 << 0 << 4710 << 4710;
    // Half to even: 421 / 2 = 210.5 -> 210, 423 / 2 = 211.5 -> 212.
    QTest::newRow("halfShare_roundsDownToEven") << 10001 << 4500 << 4500 << 4710 << 4710;
    QTest::newRow("halfShare_roundsUpToEven") << 10003 << 4500 << 4500 << 4712 << 4712;
    // Reset to round(4801.5) = 4802 each, then -181 / 2 = -90.5 -> -90.
    QTest::newRow("resetHalf_andNegativeHalfShare") << 10003 << 0 << 0 << 4712 << 4712;
    QTest::newRow("zeroWindow_zeroWidths_unchanged") << 0 << 0 << 0 << 0 << 0;
    // Products beyond 32 bits (44420 * 60000) still scale both panes:
    // 45000 + 19037.14, 60000 + 25382.86.
    QTest::newRow("productBeyond32Bits_stillScaled") << 150000 << 45000 << 60000 << 64037 << 85383;
    QTest::newRow("bothProductsBeyond32Bits_filled") << 1000000 << 400000 << 500000 << 444187 << 555233;
}

void TestLayout::fitPaneWidths() {
    QFETCH(int, window);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, fittedLeft);
    QFETCH(int, fittedRight);
    const shell::PaneWidths fitted = shell::fitPaneWidths(window, {left, right});
    QCOMPARE(fitted.left, fittedLeft);
    QCOMPARE(fitted.right, fittedRight);
}

QTEST_APPLESS_MAIN(TestLayout)
#include "test_layout.moc"
