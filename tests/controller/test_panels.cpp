// The layout routine, the splitter, Close Right Panel, Swap Panels and the
// monitor commands, over scripted controls and monitors.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::FakeMonitorSystem;
using fakes::ViewerHarness;
using platform::Answer;
using platform::WindowState;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// Two monitors side by side, 1920 and 1280 pixels wide (28800 and 19200 twips).
void twoMonitors(FakeMonitorSystem& m, int secondHeight = 1024) {
    m.monitors = {{11, QRect(0, 0, 1920, 1080)}, {12, QRect(1920, 0, 1280, secondHeight)}};
}
} // namespace

class PanelsTest : public QObject {
    Q_OBJECT
  private slots:
    void layout_twoPanesFillWindow();
    void layout_onePaneAndNameBox();
    void layout_maximizeUndone_minimizeIgnored();
    void splitter_dragMovesPanes_refusesNarrowPanes();
    void closeRight_restoresOnePaneWidth();
    void closeRight_withoutStoredWidth_usesMonitorShare();
    void closeRight_unsavedEditor_asksFirst();
    void swap_editorMovesLeft_pageReloadsRight();
    void swap_twoPages_oneAfterTheOther();
    void swap_pageThatNeverCompletes_waitsBounded();
    void destroyedController_leavesNoCallbacks();
    void findMonitors_oneMonitor_hidesChangeMonitors();
    void findMonitors_twoMonitors_recordsSecond();
    void changeMonitors_movesAndComesBack();
    void changeMonitors_keepsWindowInsideSecond();
    void changeMonitors_withoutSecondMonitor_doesNothing();
    void resetMonitor_fillsPrimaryScreen();
};

void PanelsTest::layout_twoPanesFillWindow() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "A");
    const QString b = h.writeFile(qs("home/b.htm"), "B");
    auto& v = h.start(a + qs(" ") + b);
    v.LeftPaneWidth = 4000;
    v.RightPaneWidth = 5000;
    h.window.setWidth(10000);
    v.Form_Resize();
    QCOMPARE(v.LeftPaneWidth, 4187);
    QCOMPARE(v.RightPaneWidth, 5233);
    QCOMPARE(h.text1[1].left(), 4502);
    QCOMPARE(h.browser[1].left(), 4502);
    QCOMPARE(h.nameBox[1].left(), 4502);
    QCOMPARE(h.browser[0].width(), 4187);
    QCOMPARE(h.splitter.left(), 165 + 4187);
    QCOMPARE(h.splitter.width(), 4502 - (165 + 4187));
    QCOMPARE(v.EditWidth, 10000);
    QCOMPARE(h.toolbar.left(), 165 + 4187 - 1440);

    // A left pane below 30 % of the window resets both to half less 200.
    v.LeftPaneWidth = 2000;
    v.Form_Resize();
    QCOMPARE(v.LeftPaneWidth + v.RightPaneWidth, 10000 - 580);
    QCOMPARE(v.LeftPaneWidth, v.RightPaneWidth);
}

void PanelsTest::layout_onePaneAndNameBox() {
    ViewerHarness h;
    auto& v = h.start();
    v.LeftPaneWidth = 6000;
    h.window.setWidth(9000);
    h.window.setHeight(8000);
    v.Form_Resize();
    QCOMPARE(v.WidthBeforeEdit, 9000);
    QCOMPARE(h.browser[0].width(), 9000 - 430);
    QCOMPARE(h.browser[0].height(), 8000 - 1500);
    QCOMPARE(v.PaneHeight, 6500);
    QVERIFY(!h.splitter.visible());
    QCOMPARE(h.nameBox[0].width(), 6000 - 1440 - 165);
    // The tops never move.
    QCOMPARE(h.browser[0].top(), 510);
    // A window too narrow for the margins leaves the pane as it was.
    h.window.setWidth(300);
    v.Form_Resize();
    QCOMPARE(h.browser[0].width(), 9000 - 430);
}

void PanelsTest::layout_maximizeUndone_minimizeIgnored() {
    ViewerHarness h;
    auto& v = h.start();
    h.window.setState(WindowState::Maximized);
    h.window.onResize();
    QVERIFY(h.window.state() == WindowState::Normal);

    const int width = v.WindowWidth;
    h.window.setState(WindowState::Minimized);
    h.window.setWidth(100);
    h.window.onResize();
    QCOMPARE(v.WindowWidth, width);
    QVERIFY(h.window.state() == WindowState::Minimized);
}

void PanelsTest::splitter_dragMovesPanes_refusesNarrowPanes() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "A");
    const QString b = h.writeFile(qs("home/b.htm"), "B");
    auto& v = h.start(a + qs(" ") + b);
    const int left = h.text1[0].width();
    const int right = h.text1[1].width();
    const int split = h.splitter.left();
    h.splitter.onMouseDown(platform::LeftButton, 60, 0);
    h.splitter.onMouseMove(platform::LeftButton, 360, 0);
    QCOMPARE(h.text1[0].width(), left + 300);
    QCOMPARE(h.text1[1].width(), right - 300);
    QCOMPARE(h.splitter.left(), split + 300);
    QCOMPARE(h.browser[0].width(), left + 300);
    QCOMPARE(h.browser[1].left(), h.text1[1].left());
    QCOMPARE(v.LeftPaneWidth, left + 300);
    QCOMPARE(v.RightPaneWidth, right - 300);
    QCOMPARE(h.toolbar.left(), h.nameBox[1].left() - 150 - 1440);
    // Dragged left, the left name box ends before the toolbar.
    h.splitter.onMouseMove(platform::LeftButton, -1500, 0);
    QVERIFY(h.nameBox[0].left() + h.nameBox[0].width() < h.toolbar.left());
    h.splitter.onMouseDown(platform::LeftButton, 60, 0);
    h.splitter.onMouseMove(platform::LeftButton, 60 + 1560, 0);
    QCOMPARE(h.text1[0].width(), left + 300);
    QVERIFY(h.splitter.pointer == platform::Pointer::SizeWestEast);
    QVERIFY(!v.ResizeBusy);

    // A move leaving the right pane 1000 twips or narrower is refused.
    h.splitter.onMouseMove(platform::LeftButton, 60 + h.text1[1].width() - 1000, 0);
    QCOMPARE(v.RightPaneWidth, right - 300);
    // Moving without the button changes nothing.
    h.splitter.onMouseMove(0, 1000, 0);
    QCOMPARE(v.LeftPaneWidth, left + 300);
    // The new split survives the next resize, scaled to the window.
    v.Form_Resize();
    QCOMPARE(v.LeftPaneWidth, left + 300);
}

void PanelsTest::closeRight_restoresOnePaneWidth() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "A");
    const QString b = h.writeFile(qs("home/b.htm"), "B");
    auto& v = h.start(a + qs(" ") + b);
    v.WidthBeforeEdit = 12000;
    h.menu.choose(qs("mCloseRight"));
    QVERIFY(!h.browser[1].visible());
    QVERIFY(!h.nameBox[1].visible());
    QCOMPARE(h.nameBox[1].text(), QString());
    QCOMPARE(v.PaneFileName[1], QString());
    QVERIFY(!h.menu.get(qs("mSwap")).enabled());
    QCOMPARE(h.window.width(), 12000);
    QCOMPARE(h.browser[0].width(), 12000 - 430);
    QVERIFY(!h.splitter.visible());
}

void PanelsTest::closeRight_withoutStoredWidth_usesMonitorShare() {
    ViewerHarness h;
    twoMonitors(h.monitors);
    const QString a = h.writeFile(qs("home/a.htm"), "A");
    const QString b = h.writeFile(qs("home/b.htm"), "B");
    auto& v = h.start(a + qs(" ") + b);
    v.WidthBeforeEdit = 0;
    h.menu.choose(qs("mCloseRight"));
    QCOMPARE(h.window.width(), 19296); // 0.67 of the first monitor's 28800

    ViewerHarness second;
    twoMonitors(second.monitors);
    const QString c = second.writeFile(qs("home/c.htm"), "C");
    const QString d = second.writeFile(qs("home/d.htm"), "D");
    auto& w = second.start(c + qs(" ") + d);
    w.WidthBeforeEdit = 0;
    second.window.setLeft(19200 - 500);
    second.menu.choose(qs("mCloseRight"));
    QCOMPARE(second.window.width(), 12864); // 0.67 of the second monitor's 19200
}

void PanelsTest::closeRight_unsavedEditor_asksFirst() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "<P>a</P>");
    h.start(a + qs(" ") + a);
    h.text1[1].setText(qs("<P>changed</P>"));
    h.dialogs.answers = {Answer::Cancel};
    h.menu.choose(qs("mCloseRight"));
    QCOMPARE(h.dialogs.messageTexts(), QStringList{qs("Save changes to a.htm?")});
    QVERIFY(h.text1[1].visible());

    h.dialogs.answers = {Answer::Yes};
    h.menu.choose(qs("mCloseRight"));
    QVERIFY(!h.text1[1].visible());
    QCOMPARE(h.readFile(a), QByteArray("<P>changed</P>"));
}

void PanelsTest::swap_editorMovesLeft_pageReloadsRight() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "<P>source</P>");
    auto& v = h.start(a + qs(" ") + a);
    h.browser[0].settle();
    h.menu.choose(qs("mSwap"));
    QVERIFY(h.text1[0].visible());
    QCOMPARE(h.text1[0].text(), qs("<P>source</P>"));
    QVERIFY(!h.browser[0].visible());
    QVERIFY(!h.text1[1].visible());
    QVERIFY(h.browser[1].visible());
    QCOMPARE(h.browser[1].lastNavigation(), a);
    // Until the right pane shows its page.
    QVERIFY(h.menu.get(qs("mSwap")).checked());
    QVERIFY(h.window.pointer == platform::Pointer::Hourglass);
    h.browser[1].settle();
    QVERIFY(!h.menu.get(qs("mSwap")).checked());
    QVERIFY(h.window.pointer == platform::Pointer::Default);
    QVERIFY(!h.swapTimer.active());
    QCOMPARE(v.ActivePane, 0);
    // A save shows itself in the pane that shows the page: the right one.
    const int left = h.browser[0].refreshes, right = h.browser[1].refreshes;
    h.text1[0].setText(qs("<P>edited</P>"));
    h.text1[0].setSelStart(0);
    h.menu.choose(qs("mSave"), 0);
    QCOMPARE(h.readFile(a), QByteArray("<P>edited</P>"));
    QCOMPARE(h.browser[0].refreshes, left);
    QCOMPARE(h.browser[1].refreshes, right + 1);
    QCOMPARE(h.browser[1].lastNavigation(), a + qs("#EndOfFile"));
    // Saved, so closing asks nothing.
    h.window.close();
    QVERIFY(h.window.closed);
    QVERIFY(h.dialogs.messages.empty());
}

void PanelsTest::swap_twoPages_oneAfterTheOther() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "A");
    const QString b = h.writeFile(qs("home/b.htm"), "B");
    auto& v = h.start(a + qs(" ") + b);
    h.browser[0].settle();
    h.browser[1].settle();
    const qsizetype rightNavigations = h.browser[1].navigations.size();
    h.menu.choose(qs("mSwap"));
    QCOMPARE(h.browser[0].lastNavigation(), b);
    // The right pane waits for the left one's page.
    QCOMPARE(h.browser[1].navigations.size(), rightNavigations);
    QVERIFY(h.menu.get(qs("mSwap")).checked());
    // A second Swap meanwhile is not taken.
    h.menu.choose(qs("mSwap"));
    QCOMPARE(v.PaneFileName[0], qs("b.htm"));

    h.browser[0].settle();
    QCOMPARE(h.browser[1].lastNavigation(), a);
    QVERIFY(h.menu.get(qs("mSwap")).checked());
    h.browser[1].settle();
    QVERIFY(!h.menu.get(qs("mSwap")).checked());
    QVERIFY(h.window.pointer == platform::Pointer::Default);
    QCOMPARE(v.PaneFileName[0], qs("b.htm"));
    QCOMPARE(v.PaneFileName[1], qs("a.htm"));
    QCOMPARE(h.nameBox[0].text(), qs("b.htm"));
    QCOMPARE(h.nameBox[1].text(), qs("a.htm"));
    // Nothing is left to run out later.
    QVERIFY(!h.swapTimer.fire());
}

void PanelsTest::swap_pageThatNeverCompletes_waitsBounded() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "A");
    const QString b = h.writeFile(qs("home/b.htm"), "B");
    h.start(a + qs(" ") + b);
    h.menu.choose(qs("mSwap"));
    // Ten seconds for each pane's page.
    QCOMPARE(h.swapTimer.interval, 10000);
    QVERIFY(h.swapTimer.fire());
    QCOMPARE(h.browser[1].lastNavigation(), a);
    QVERIFY(h.menu.get(qs("mSwap")).checked());
    QVERIFY(h.swapTimer.fire());
    QVERIFY(!h.swapTimer.active());
    QVERIFY(!h.menu.get(qs("mSwap")).checked());
    QVERIFY(h.window.pointer == platform::Pointer::Default);
}

// The controls, the timers and the dialogs outlive the controller; once it
// is gone, no event of theirs may reach it, even in the middle of a swap
// or a slide.
void PanelsTest::destroyedController_leavesNoCallbacks() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "<P>A</P>");
    const QString b = h.writeFile(qs("home/b.htm"), "B");
    h.start(b + qs(" ") + a);
    h.menu.choose(qs("mEditHTML"));
    h.menu.choose(qs("mFind"));
    h.menu.choose(qs("mTableSpecsWindow"));
    h.menu.choose(qs("mColors"), 0);
    h.menu.choose(qs("mSpellCheckDocument"));
    h.text1[1].setText(qs("<P>changed</P>"));
    QVERIFY(h.colorsSlideTimer.active() && h.suggestionSlideTimer.active() &&
            h.recoveryTimer.active());
    h.menu.choose(qs("mSwap"));
    QVERIFY(h.swapTimer.active());
    h.viewer.reset();

    for (fakes::FakeTimer* timer : {&h.recoveryTimer, &h.swapTimer, &h.suggestionSlideTimer,
                                    &h.colorsSlideTimer, &h.tableSpecs.previewTimer})
        QVERIFY(!timer->active() && !timer->onTimeout);
    QVERIFY(!h.menu.onClick && !h.window.onResize && !h.window.onClose && !h.toolbar.onButtonClick);
    QVERIFY(!h.splitter.onMouseDown && !h.splitter.onMouseMove && !h.linkMsgBox.onClick);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(!h.browser[i].onGotFocus && !h.browser[i].onBeforeNavigate &&
                !h.browser[i].onDocumentComplete);
        QVERIFY(!h.text1[i].onGotFocus && !h.text1[i].onClick && !h.text1[i].onKeyDown &&
                !h.text1[i].onChange && !h.text1[i].onMouseDown);
        QVERIFY(!h.nameBox[i].onKeyDown);
    }
    for (const auto& button : h.getColor)
        QVERIFY(!button.onClick);
    for (const platform::Button* button :
         {&h.box.fixSpelling, &h.box.skipOnce, &h.box.skipAll, &h.box.addWord, &h.box.close})
        QVERIFY(!button->onClick);
    QVERIFY(!h.box.suggestions.onClick && !h.box.suggestions.onDoubleClick);
    const platform::FindReplaceView find = h.find.view();
    QVERIFY(!find.form->onActivate && !find.form->onUnload && !find.txtFind->onChange &&
            !find.cmdFindNext->onClick && !find.cmdCancel->onClick && !find.cmdReplace[1]->onClick);
    const platform::TableSpecsView specs = h.tableSpecs.view();
    QVERIFY(!specs.txtNumRows->onChange && !specs.txtTableWidth->onChange &&
            !specs.OKButton->onClick && !specs.CancelButton->onClick &&
            !specs.cmbTableColors[3]->onClick && !specs.ck_Background[1]->onClick);
}

void PanelsTest::findMonitors_oneMonitor_hidesChangeMonitors() {
    ViewerHarness h;
    auto& v = h.start();
    QVERIFY(!h.menu.get(qs("mChangeMonitors")).visible());
    QCOMPARE(v.Monitors.MonitorCount, 1);
    QCOMPARE(v.Monitors.Mon1Width, 24000);
    QCOMPARE(v.Monitors.Mon2Width, 0);
    QCOMPARE(v.Monitors.VirtualWidth, 24000);
}

void PanelsTest::findMonitors_twoMonitors_recordsSecond() {
    ViewerHarness h;
    twoMonitors(h.monitors, 1440);
    auto& v = h.create();
    v.Monitors.FindMonitors(v);
    QVERIFY(h.menu.get(qs("mChangeMonitors")).visible());
    QCOMPARE(v.Monitors.MonitorCount, 2);
    QCOMPARE(v.Monitors.Mon1Width, 28800);
    QCOMPARE(v.Monitors.Mon2Left, 28800);
    QCOMPARE(v.Monitors.Mon2Width, 19200);
    QCOMPARE(v.Monitors.Mon2Height, 1440 * 15);
    QCOMPARE(v.Monitors.VirtualWidth, 48000);
    QCOMPARE(v.Monitors.VirtualHeight, 1440 * 15);
    // The window's left edge is back where it was, and it is as tall as the
    // first monitor until the stored geometry comes.
    QCOMPARE(h.window.left(), 0);
    QCOMPARE(h.window.height(), 1080 * 15);
    QVERIFY(v.ResizeBusy);
}

void PanelsTest::changeMonitors_movesAndComesBack() {
    ViewerHarness h;
    twoMonitors(h.monitors);
    auto& v = h.start();
    h.window.setLeft(1500);
    h.window.setTop(600);
    h.window.setWidth(15000);
    h.window.setHeight(9000);
    v.Form_Resize();
    v.LeftPaneWidth = 6000;
    v.EditWidth = 24000;
    h.menu.choose(qs("mChangeMonitors"));
    QCOMPARE(h.window.left(), 29800);
    QCOMPARE(h.window.width(), 10000);
    QCOMPARE(h.window.top(), 569);     // 600 × 1024 / 1080, rounded
    QCOMPARE(h.window.height(), 8533); // 9000 × 1024 / 1080, rounded
    QCOMPARE(v.LeftPaneWidth, 4000);
    QCOMPARE(v.EditWidth, 16000);
    QCOMPARE(v.WindowLeft, 29800);

    h.menu.choose(qs("mChangeMonitors"));
    QCOMPARE(h.window.left(), 1500);
    QCOMPARE(h.window.width(), 15000);
    QCOMPARE(v.LeftPaneWidth, 6000);
}

void PanelsTest::changeMonitors_keepsWindowInsideSecond() {
    ViewerHarness h;
    twoMonitors(h.monitors, 600);
    auto& v = h.start();
    h.window.setLeft(15000);
    h.window.setWidth(27000);
    h.window.setHeight(16200);
    v.Form_Resize();
    h.menu.choose(qs("mChangeMonitors"));
    // 18000 wide after scaling: its right edge meets the second monitor's.
    QCOMPARE(h.window.width(), 18000);
    QCOMPARE(h.window.left(), 28800 + 19200 - 18000);
    // Taller than the second monitor less 380 twips: cut.
    QCOMPARE(h.window.height(), 600 * 15 - 380);
}

void PanelsTest::changeMonitors_withoutSecondMonitor_doesNothing() {
    ViewerHarness h;
    auto& v = h.start();
    v.Monitors.MonitorCount = 2; // reported, but none recorded to the right
    const int left = h.window.left();
    const int width = h.window.width();
    h.menu.choose(qs("mChangeMonitors"));
    QCOMPARE(h.window.left(), left);
    QCOMPARE(h.window.width(), width);
}

void PanelsTest::resetMonitor_fillsPrimaryScreen() {
    ViewerHarness h;
    twoMonitors(h.monitors);
    auto& v = h.start();
    h.window.setLeft(30000);
    h.menu.choose(qs("mResetMon"));
    QCOMPARE(h.window.left(), 0);
    QCOMPARE(h.window.top(), 0);
    QCOMPARE(h.window.width(), 28800);
    QCOMPARE(h.window.height(), 1080 * 15);
    QCOMPARE(v.WindowWidth, 28800);
}

QTEST_GUILESS_MAIN(PanelsTest)
#include "test_panels.moc"
