#include "shell/multimonitor.h"

#include "shell/monitorlayout.h"
#include "shell/tarnwellfileviewer.h"
#include "util/numbers.h"

namespace shell {

using platform::MonitorSystem;
using util::roundHalfEven;

void MultiMonitor::GetVirtualScreen(const MonitorSystem& s) {
    const double tx = s.twipsPerPixelX();
    const double ty = s.twipsPerPixelY();
    MonitorCount = static_cast<std::int16_t>(s.getSystemMetrics(MonitorSystem::SM_CMONITORS));
    VirtualLeft = roundHalfEven(s.getSystemMetrics(MonitorSystem::SM_XVIRTUALSCREEN) * tx);
    VirtualTop = roundHalfEven(s.getSystemMetrics(MonitorSystem::SM_YVIRTUALSCREEN) * ty);
    VirtualHeight = roundHalfEven(s.getSystemMetrics(MonitorSystem::SM_CYVIRTUALSCREEN) * ty);
    VirtualWidth = roundHalfEven(s.getSystemMetrics(MonitorSystem::SM_CXVIRTUALSCREEN) * tx);
}

bool MultiMonitor::MonitorEnumProc(long long handle, int leftPx, int topPx, int rightPx,
                                   int bottomPx, double tx, double ty) {
    const std::int32_t l = roundHalfEven(leftPx * tx);
    const std::int32_t t = roundHalfEven(topPx * ty);
    const std::int32_t r = roundHalfEven(rightPx * tx);
    const std::int32_t b = roundHalfEven(bottomPx * ty);
    const bool matches =
        handle == SecondMonitorHandle ||
        (SecondMonitorHandle >= 9999999 && std::llabs(handle - SecondMonitorHandle) < 100);
    // Differences in 64 bits: the platform's rectangles are not ours to
    // trust with 32-bit arithmetic.
    const std::int32_t width = clampTo((long long)r - l, INT32_MIN, INT32_MAX);
    const std::int32_t height = clampTo((long long)b - t, INT32_MIN, INT32_MAX);
    if (Mon1Width == 0) {
        Mon1Left = l;
        Mon1Top = t;
        Mon1Width = width;
        Mon1Height = height;
    } else if (matches && Mon2Width < 1) {
        Mon2Left = l;
        Mon2Top = t;
        Mon2Width = width;
        Mon2Height = height;
    }
    return true;
}

void MultiMonitor::FindMonitors(TarnwellFileViewer& v) {
    const MonitorSystem& s = *v.services().monitors;
    auto& w = *v.ui().window;
    GetVirtualScreen(s);
    const int oldLeft = w.left();
    v.ResizeBusy = true;
    const double tx = s.twipsPerPixelX();
    const double ty = s.twipsPerPixelY();
    w.setLeft(0);
    w.setLeft(clampTo((long long)roundHalfEven(s.primaryWidth() * tx) + 100, INT32_MIN, INT32_MAX));
    SecondMonitorHandle = s.monitorFromWindow();
    Mon2Width = 0;
    s.enumDisplayMonitors([&](long long handle, const QRect& r) {
        return MonitorEnumProc(handle, r.left(), r.top(), r.left() + r.width(),
                               r.top() + r.height(), tx, ty);
    });
    w.setLeft(oldLeft);
    auto& change = v.ui().menu->entry(QStringLiteral("mChangeMonitors"));
    if (MonitorCount == 1) {
        change.setVisible(false);
        if (Mon2Width > 0) {
            v.WidthBeforeEdit = v.EditWidth = v.WindowLeft = v.WindowTop = 0;
            Mon2Left = Mon2Top = Mon2Width = Mon2Height = 0;
        }
    } else {
        change.setVisible(true);
    }
    w.setState(platform::WindowState::Normal);
    w.setLeft(v.WindowLeft);
    w.setTop(v.WindowTop);
    std::int32_t height;
    if (0.4 * Mon2Height < v.WindowHeight && Mon2Height > 0)
        height = v.WindowHeight;
    else if (v.WindowLeft >= (long long)Mon1Width - 500)
        height = Mon2Height;
    else
        height = Mon1Height;
    w.setHeight(height);
}

} // namespace shell
