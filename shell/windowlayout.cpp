// The layout routine: sizes the panes, name boxes, splitter and toolbar to
// the window and records the geometry the configuration file keeps.
#include "shell/tarnwellfileviewer.h"

#include "shell/layout.h"
#include "util/numbers.h"

namespace shell {

using platform::Control;

namespace {
struct Placement {
    int left, top, width, height;
};
void place(Control& c, Placement p) {
    c.setLeft(p.left);
    c.setTop(p.top);
    c.setWidth(p.width);
    c.setHeight(p.height);
}
} // namespace

// Positions of the controls as the window is created; the layout routine
// changes sizes and horizontal positions, never the tops.
void TarnwellFileViewer::applyWindowDefinition() {
    place(*ui_.tbToolBar, {5115, 0, 1440, 510});
    place(*ui_.L_Name[0], {165, 165, 6315, 330});
    place(*ui_.L_Name[1], {6840, 165, 6315, 330});
    place(*ui_.brwWebBrowser[0], {165, 510, 6420, 7665});
    place(*ui_.brwWebBrowser[1], {6780, 510, 6435, 7665});
    place(*ui_.Text1[0], {165, 525, 6405, 7635});
    place(*ui_.Text1[1], {6840, 495, 6405, 7635});
    place(*ui_.pSplitterBar, {6540, 525, 345, 7635});
    ui_.brwWebBrowser[0]->setVisible(true);
    ui_.brwWebBrowser[1]->setVisible(false);
    ui_.Text1[0]->setVisible(false);
    ui_.Text1[1]->setVisible(false);
    ui_.L_Name[0]->setVisible(true);
    ui_.L_Name[1]->setVisible(false);
    ui_.pSplitterBar->setVisible(false);
}

bool TarnwellFileViewer::rightSideInUse() const {
    return ui_.Text1[1]->visible() || ui_.brwWebBrowser[1]->visible();
}

std::int32_t TarnwellFileViewer::twoPaneWidth() const {
    return Monitors.Mon1Width > 0 ? Monitors.Mon1Width : 19200;
}

std::int32_t TarnwellFileViewer::onePaneWidth() const {
    return util::roundHalfEven(0.67 * twoPaneWidth());
}

void TarnwellFileViewer::Form_Resize() {
    auto& w = *ui_.window;
    if (w.state() == platform::WindowState::Minimized || ResizeBusy) return;
    ResizeBusy = true;
    w.setState(platform::WindowState::Normal);
    WindowLeft = w.left();
    WindowTop = w.top();
    WindowWidth = w.width();
    WindowHeight = w.height();
    PaneHeight = WindowHeight - metrics::kPaneHeightMargin;

    auto& t0 = *ui_.Text1[0];
    auto& t1 = *ui_.Text1[1];
    auto& b0 = *ui_.brwWebBrowser[0];
    auto& b1 = *ui_.brwWebBrowser[1];
    auto& split = *ui_.pSplitterBar;
    if (rightSideInUse()) {
        EditWidth = WindowWidth;
        const PaneWidths fitted = fitPaneWidths(WindowWidth, {LeftPaneWidth, RightPaneWidth});
        LeftPaneWidth = fitted.left;
        RightPaneWidth = fitted.right;
        b0.setWidth(LeftPaneWidth);
        b0.setHeight(PaneHeight);
        t0.setWidth(LeftPaneWidth);
        t0.setHeight(PaneHeight);
        t1.setWidth(RightPaneWidth);
        t1.setLeft(LeftPaneWidth + metrics::kRightPaneOffset);
        t1.setHeight(t0.height());
        b1.setWidth(t1.width());
        b1.setLeft(t1.left());
        b1.setHeight(t1.height());
        ui_.L_Name[1]->setLeft(t1.left());
        ui_.L_Name[1]->setWidth(RightPaneWidth);
        split.setLeft(t0.left() + t0.width());
        split.setHeight(t0.height());
        split.setWidth(t1.left() - split.left());
        split.setVisible(true);
    } else {
        WidthBeforeEdit = WindowWidth;
        t0.setWidth(WidthBeforeEdit - metrics::kOnePaneMargin);
        t0.setHeight(PaneHeight);
        b0.setWidth(t0.width());
        b0.setHeight(PaneHeight);
        split.setVisible(false);
        ui_.L_Name[1]->setVisible(false);
    }
    ui_.L_Name[0]->setWidth(LeftPaneWidth - ui_.tbToolBar->width() - ui_.L_Name[0]->left());
    ui_.tbToolBar->setLeft(t0.left() + t0.width() - ui_.tbToolBar->width());
    ResizeBusy = false;
}

} // namespace shell
