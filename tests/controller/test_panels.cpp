// The splitter, Close Right Panel, Swap Panels, Change Monitors and the
// controller going away, over scripted controls and monitors. The pane
// widths are in tests/unit/test_shell.cpp; the real window's layout, swap
// and split in tests/e2e/resize_split.sh and two_files.sh.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// Two pages, a.htm on the left and b.htm on the right (or a.htm in both).
struct TwoPanes {
    ViewerHarness h;
    QString a, b;
    shell::TarnwellFileViewer* v = nullptr;
    explicit TwoPanes(bool same = false) {
        a = h.writeFile(qs("home/a.htm"), "<P>A</P>");
        b = h.writeFile(qs("home/b.htm"), "<P>B</P>");
        v = &h.start(a + qs(" ") + (same ? a : b));
    }
    bool swapping() { return h.menu.get(qs("mSwap")).checked(); }
};
} // namespace

class PanelsTest : public QObject {
    Q_OBJECT
  private slots:
    void splitter_refusesNarrowPane_toolbarClearOfNameBox();
    void closeRight_unsavedEditor_asksFirst();
    void swap_saveRefreshesTheVisiblePage();
    void swap_rightWaitsForLeft_secondSwapIgnored_timerBounds();
    void changeMonitors();
    void destroyedController_leavesNoCallbacks();
};

void PanelsTest::splitter_refusesNarrowPane_toolbarClearOfNameBox() {
    TwoPanes p;
    auto& h = p.h;
    const int left = h.text1[0].width();
    h.splitter.onMouseDown(platform::LeftButton, 60, 0);
    h.splitter.onMouseMove(platform::LeftButton, 360, 0);
    QCOMPARE(h.text1[0].width(), left + 300);
    // Dragged left, the left name box ends before the toolbar.
    h.splitter.onMouseMove(platform::LeftButton, -1500, 0);
    QVERIFY(h.nameBox[0].left() + h.nameBox[0].width() < h.toolbar.left());
    h.splitter.onMouseMove(platform::LeftButton, 60 + 1560, 0);
    // A move leaving the right pane 1000 twips or narrower is refused.
    const int right = h.text1[1].width();
    h.splitter.onMouseMove(platform::LeftButton, 60 + right - 1000, 0);
    QCOMPARE(h.text1[1].width(), right);
    QCOMPARE(h.text1[0].width(), left + 300);
    QVERIFY(h.nameBox[0].left() + h.nameBox[0].width() < h.toolbar.left());
}

void PanelsTest::closeRight_unsavedEditor_asksFirst() {
    TwoPanes p(true);
    auto& h = p.h;
    h.text1[1].setText(qs("<P>changed</P>"));
    h.dialogs.answers = {Answer::Cancel};
    h.menu.choose(qs("mCloseRight"));
    QCOMPARE(h.dialogs.messageTexts(), QStringList{qs("Save changes to a.htm?")});
    QVERIFY(h.text1[1].visible());
    h.dialogs.answers = {Answer::Yes};
    h.menu.choose(qs("mCloseRight"));
    QVERIFY(!h.text1[1].visible());
    QCOMPARE(h.readFile(p.a), QByteArray("<P>changed</P>"));
}

// After the swap the editor is on the left and the page on the right: a
// save reloads the right pane.
void PanelsTest::swap_saveRefreshesTheVisiblePage() {
    TwoPanes p(true);
    auto& h = p.h;
    h.browser[0].settle();
    h.menu.choose(qs("mSwap"));
    h.browser[1].settle();
    QVERIFY(h.text1[0].visible() && !h.browser[0].visible() && h.browser[1].visible());
    QVERIFY(!p.swapping());
    const int left = h.browser[0].refreshes, right = h.browser[1].refreshes;
    h.text1[0].setText(qs("<P>edited</P>"));
    h.menu.choose(qs("mSave"), 0);
    QCOMPARE(h.readFile(p.a), QByteArray("<P>edited</P>"));
    QCOMPARE(h.browser[0].refreshes, left);
    QCOMPARE(h.browser[1].refreshes, right + 1);
    h.window.close();
    QVERIFY(h.window.closed);
    QVERIFY(h.dialogs.messages.empty());
}

void PanelsTest::swap_rightWaitsForLeft_secondSwapIgnored_timerBounds() {
    {
        TwoPanes p;
        auto& h = p.h;
        h.browser[0].settle();
        h.browser[1].settle();
        const qsizetype right = h.browser[1].navigations.size();
        h.menu.choose(qs("mSwap"));
        QCOMPARE(h.browser[0].lastNavigation(), p.b);
        QCOMPARE(h.browser[1].navigations.size(), right); // waits for the left page
        h.menu.choose(qs("mSwap"));                       // not taken meanwhile
        h.browser[0].settle();
        QCOMPARE(h.browser[1].lastNavigation(), p.a);
        QVERIFY(p.swapping());
        h.browser[1].settle();
        QVERIFY(!p.swapping());
        QVERIFY(h.window.pointer == platform::Pointer::Default);
        QCOMPARE(h.nameBox[0].text() + h.nameBox[1].text(), qs("b.htma.htm"));
        QVERIFY(!h.swapTimer.fire()); // nothing left to run out later
    }
    // Pages that never complete: ten seconds for each, then the swap ends.
    TwoPanes p;
    auto& h = p.h;
    h.menu.choose(qs("mSwap"));
    QCOMPARE(h.swapTimer.interval, 10000);
    QVERIFY(h.swapTimer.fire());
    QCOMPARE(h.browser[1].lastNavigation(), p.a);
    QVERIFY(h.swapTimer.fire());
    QVERIFY(!h.swapTimer.active());
    QVERIFY(!p.swapping());
    QVERIFY(h.window.pointer == platform::Pointer::Default);
}

// Two monitors side by side, 1920 x 1080 and 1280 x 600 pixels (28800 and
// 19200 twips wide): a window too wide and too tall for the second ends
// inside it, and back on the first in its own size, inside that. With one
// monitor nothing moves.
void PanelsTest::changeMonitors() {
    for (const bool two : {true, false}) {
        ViewerHarness h;
        h.monitors.monitors = {{11, QRect(0, 0, 1920, 1080)}};
        if (two) h.monitors.monitors.push_back({12, QRect(1920, 0, 1280, 600)});
        h.start();
        h.window.setLeft(15000);
        h.window.setWidth(27000);
        h.window.setHeight(16200);
        h.window.onResize();
        h.menu.get(qs("mChangeMonitors")).setVisible(true);
        h.menu.choose(qs("mChangeMonitors"));
        if (!two) {
            QCOMPARE(h.window.left(), 15000);
            continue;
        }
        QVERIFY(h.window.left() >= 28800 && h.window.left() + h.window.width() <= 48000);
        QVERIFY(h.window.height() <= 600 * 15);
        h.menu.choose(qs("mChangeMonitors"));
        QCOMPARE(h.window.width(), 27000);
        QVERIFY(h.window.left() >= 0 && h.window.left() + h.window.width() <= 28800);
    }
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
    QVERIFY(!h.menu.onClick && !h.window.onResize && !h.window.onClose &&
            !h.toolbar.onButtonClick && !h.splitter.onMouseDown && !h.splitter.onMouseMove &&
            !h.linkMsgBox.onClick);
    for (int i = 0; i < 2; ++i)
        QVERIFY(!h.browser[i].onGotFocus && !h.browser[i].onBeforeNavigate &&
                !h.browser[i].onDocumentComplete && !h.text1[i].onGotFocus && !h.text1[i].onClick &&
                !h.text1[i].onKeyDown && !h.text1[i].onChange && !h.text1[i].onMouseDown &&
                !h.nameBox[i].onKeyDown);
    for (const platform::Button* button :
         {&h.getColor[0], &h.getColor[5], &h.box.fixSpelling, &h.box.skipOnce, &h.box.skipAll,
          &h.box.addWord, &h.box.close})
        QVERIFY(!button->onClick);
    const platform::FindReplaceView find = h.find.view();
    const platform::TableSpecsView specs = h.tableSpecs.view();
    QVERIFY(!h.box.suggestions.onClick && !h.box.suggestions.onDoubleClick &&
            !find.form->onActivate && !find.form->onUnload && !find.txtFind->onChange &&
            !find.cmdFindNext->onClick && !find.cmdReplace[1]->onClick &&
            !specs.txtNumRows->onChange && !specs.OKButton->onClick &&
            !specs.cmbTableColors[3]->onClick && !specs.ck_Background[1]->onClick);
}

QTEST_GUILESS_MAIN(PanelsTest)
#include "test_panels.moc"
