// The splitter, Close Right Panel, Swap Panels and the monitor commands.
#include "editor/editsession.h"
#include "shell/tarnwellfileviewer.h"

#include "shell/monitorlayout.h"
#include "util/numbers.h"
#include "util/strings.h"

#include <utility>

namespace shell {

using platform::Answer;
using platform::Buttons;
using util::qs;
using util::roundHalfEven;

namespace {
constexpr int kMinimumPaneWidth = 1000;
}

void TarnwellFileViewer::pSplitterBar_MouseDown(int button, int x) {
    if (button == platform::LeftButton) ui_.pSplitterBar->tag = QString::number(x);
}

void TarnwellFileViewer::pSplitterBar_MouseMove(int buttons, int x) {
    auto& split = *ui_.pSplitterBar;
    auto& t0 = *ui_.Text1[0];
    auto& t1 = *ui_.Text1[1];
    ResizeBusy = true;
    split.setPointer(platform::Pointer::SizeWestEast);
    if (buttons & platform::LeftButton) {
        const int d = x - split.tag.toInt();
        if (t0.width() + d > kMinimumPaneWidth && t1.width() - d > kMinimumPaneWidth) {
            split.setLeft(split.left() + d);
            t0.setWidth(t0.width() + d);
            t1.setLeft(t1.left() + d);
            t1.setWidth(t1.width() - d);
        }
    }
    ui_.brwWebBrowser[0]->setWidth(t0.width());
    ui_.brwWebBrowser[1]->setWidth(t1.width());
    ui_.brwWebBrowser[1]->setLeft(t1.left());
    ui_.L_Name[1]->setLeft(t1.left());
    // The name box keeps the pane's width rather than running off the window.
    ui_.L_Name[1]->setWidth(t1.width());
    ui_.tbToolBar->setLeft(ui_.L_Name[1]->left() - 150 - ui_.tbToolBar->width());
    // The left name box ends before the toolbar, with the gap the layout
    // leaves there, wherever the splitter puts the toolbar.
    ui_.L_Name[0]->setWidth(std::max(0, ui_.tbToolBar->left() - t0.left() - ui_.L_Name[0]->left()));
    LeftPaneWidth = t0.width();
    RightPaneWidth = t1.width();
    ResizeBusy = false;
}

void TarnwellFileViewer::mCloseRight_Click() {
    if (!rightSideInUse()) return;
    // Closing must not throw away edits: an editor with unsaved changes is
    // asked about first, as closing the window does.
    auto& editor = *ui_.Text1[1];
    if (!edit_->ConfirmLeavingEditor(1)) return;
    menu("mEditHTML").setChecked(false);
    panes_.name[1].clear();
    ui_.brwWebBrowser[1]->setVisible(false);
    editor.setVisible(false);
    ui_.L_Name[1]->setText(QString());
    ui_.L_Name[1]->setVisible(false);
    menu("mSwap").setEnabled(false);
    std::int32_t width;
    if (WidthBeforeEdit > 0)
        width = WidthBeforeEdit;
    else if (ui_.window->left() >= Monitors.Mon2Width - 500 && Monitors.MonitorCount > 1)
        width = roundHalfEven(0.67 * Monitors.Mon2Width);
    else
        width = roundHalfEven(0.67 * Monitors.Mon1Width);
    ResizeBusy = true;
    ui_.window->setWidth(width);
    ResizeBusy = false;
    EnableEditorMenus(false);
    Form_Resize();
}

void TarnwellFileViewer::waitForSwappedPage(int pane, std::function<void()> then) {
    swapWaitPane_ = pane;
    swapContinuation_ = std::move(then);
    if (services_.swapTimer) services_.swapTimer->start(int(kSwapWaitSeconds * 1000));
}

void TarnwellFileViewer::swapWaitOver() {
    if (!swapContinuation_) return;
    if (services_.swapTimer) services_.swapTimer->stop();
    swapWaitPane_ = -1;
    const std::function<void()> then = std::exchange(swapContinuation_, nullptr);
    then();
}

void TarnwellFileViewer::mSwap_Click() {
    // With nothing on the right there is nothing to exchange; going on would
    // leave the left pane blank. A swap still waiting for a page finishes
    // first.
    if (!rightSideInUse() || swapInProgress()) return;
    ui_.window->setScreenPointer(platform::Pointer::Hourglass);
    menu("mSwap").setChecked(true);
    std::swap(panes_.name[0], panes_.name[1]);
    std::swap(panes_.folder[0], panes_.folder[1]);
    // The editors' saved versions travel with their files.
    edit_->swapSlots();
    const bool leftHeldEditor = ui_.Text1[0]->visible();
    const QString kept = leftHeldEditor ? ui_.Text1[0]->text() : QString();
    ui_.L_Name[0]->setText(panes_.name[0]);
    ui_.L_Name[1]->setText(panes_.name[1]);

    if (ui_.Text1[1]->visible()) {
        ui_.Text1[0]->setText(ui_.Text1[1]->text());
        ui_.Text1[0]->setVisible(true);
        ui_.brwWebBrowser[0]->setVisible(false);
        ActivePane = 0;
        swapRightPane(leftHeldEditor, kept);
        return;
    }
    ui_.brwWebBrowser[0]->navigate(panes_.folder[0] + panes_.name[0]);
    ui_.Text1[0]->setVisible(false);
    ui_.brwWebBrowser[0]->setVisible(true);
    // The right pane changes once the left one shows its page.
    waitForSwappedPage(0, [this, leftHeldEditor, kept] {
        menu("mSwap").setChecked(true);
        swapRightPane(leftHeldEditor, kept);
    });
}

void TarnwellFileViewer::swapRightPane(bool leftHeldEditor, const QString& kept) {
    SetWindowCaption();
    if (leftHeldEditor) {
        ui_.Text1[1]->setText(kept);
        ui_.Text1[1]->setVisible(true);
        ui_.brwWebBrowser[1]->setVisible(false);
        ActivePane = 1;
        endSwap();
        return;
    }
    ui_.brwWebBrowser[1]->navigate(panes_.folder[1] + panes_.name[1]);
    ui_.Text1[1]->setVisible(false);
    ui_.brwWebBrowser[1]->setVisible(true);
    waitForSwappedPage(1, [this] { endSwap(); });
}

void TarnwellFileViewer::endSwap() {
    // A page that never completed leaves no mark behind.
    menu("mSwap").setChecked(false);
    ui_.window->setScreenPointer(platform::Pointer::Default);
}

void TarnwellFileViewer::mChangeMonitors_Click() {
    MonitorPair pair;
    pair.mon1Left = Monitors.Mon1Left;
    pair.mon1Top = Monitors.Mon1Top;
    pair.mon1Width = Monitors.Mon1Width;
    pair.mon1Height = Monitors.Mon1Height;
    pair.mon2Left = Monitors.Mon2Left;
    pair.mon2Top = Monitors.Mon2Top;
    pair.mon2Width = Monitors.Mon2Width;
    pair.mon2Height = Monitors.Mon2Height;
    pair.monitorCount = Monitors.MonitorCount;
    auto& w = *ui_.window;
    const MonitorMove move = changeMonitors(
        pair, {double(w.left()), double(w.top()), double(w.width()), double(w.height())});
    if (!move.moved) return; // no second monitor was recorded
    ResizeBusy = true;
    w.setLeft(roundHalfEven(move.frame.left));
    w.setTop(roundHalfEven(move.frame.top));
    w.setWidth(roundHalfEven(move.frame.width));
    w.setHeight(roundHalfEven(move.frame.height));
    LeftPaneWidth = roundHalfEven(LeftPaneWidth * move.sx);
    RightPaneWidth = roundHalfEven(RightPaneWidth * move.sx);
    WidthBeforeEdit = roundHalfEven(WidthBeforeEdit * move.sx);
    EditWidth = roundHalfEven(EditWidth * move.sx);
    WindowLeft = w.left();
    WindowWidth = w.width();
    WindowTop = w.top();
    WindowHeight = w.height();
    ResizeBusy = false;
    Form_Resize();
}

void TarnwellFileViewer::mResetMon_Click() {
    const auto& s = *services_.monitors;
    auto& w = *ui_.window;
    w.setLeft(0);
    w.setTop(0);
    w.setWidth(roundHalfEven(s.primaryWidth() * s.twipsPerPixelX()));
    w.setHeight(roundHalfEven(s.primaryHeight() * s.twipsPerPixelY()));
    // The real window raises a resize event; run the layout either way.
    Form_Resize();
}

} // namespace shell
