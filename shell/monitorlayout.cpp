#include "shell/monitorlayout.h"

#include <algorithm>

namespace shell {

MonitorMove changeMonitors(const MonitorPair& m, const Frame& w) {
    MonitorMove out;
    out.frame = w;
    if (m.mon2Width <= 0 || m.mon2Height <= 0 || m.mon1Width <= 0 || m.mon1Height <= 0) return out;
    Frame& f = out.frame;
    if (w.left <= 0.6 * m.mon2Left && m.monitorCount != 1) {
        const double sx = double(m.mon2Width) / m.mon1Width;
        const double sy = double(m.mon2Height) / m.mon1Height;
        f.left = (w.left - m.mon1Left) * sx + m.mon1Width;
        f.top = w.top * sy;
        f.width = w.width * sx;
        f.height = w.height * sy;
        if (f.width + f.left > m.mon2Width + m.mon2Left)
            f.left = m.mon2Width + m.mon2Left - f.width;
        if (f.height > m.mon2Height - 380) f.height = m.mon2Height - 380;
        out.sx = sx;
    } else {
        const double sx = double(m.mon1Width) / m.mon2Width;
        const double sy = double(m.mon1Height) / m.mon2Height;
        f.left = (w.left - m.mon2Left) * sx;
        if (f.left < 0) f.left = 0;
        f.top = w.top * sy;
        f.width = w.width * sx;
        f.height = w.height * sy;
        if (f.height > m.mon1Height - 380) f.height = m.mon1Height - 380;
        out.sx = sx;
    }
    out.moved = true;
    return out;
}

} // namespace shell

namespace shell {

std::int32_t clampTo(long long value, long long low, long long high) {
    if (high < low) high = low;
    return static_cast<std::int32_t>(std::clamp(value, low, high));
}

ScreenArea usableScreen(const ScreenArea& v) {
    if (v.width > 0 && v.height > 0) return v;
    return {0, 0, 1920 * 15, 1080 * 15};
}

StoredGeometry fitStoredGeometry(const StoredGeometry& g, const ScreenArea& screen) {
    const ScreenArea s = usableScreen(screen);
    const long long right = (long long)s.left + s.width;
    const long long bottom = (long long)s.top + s.height;
    const auto width = [&](std::int32_t w) { return clampTo(w, 0, s.width); };
    const auto height = [&](std::int32_t h) { return clampTo(h, 0, s.height); };
    StoredGeometry out;
    out.windowLeft = clampTo(g.windowLeft, s.left, right);
    out.windowTop = clampTo(g.windowTop, s.top, bottom);
    out.windowHeight = height(g.windowHeight);
    out.windowWidth = width(g.windowWidth);
    out.oneWidth = width(g.oneWidth);
    out.twoWidth = width(g.twoWidth);
    out.leftPaneWidth = width(g.leftPaneWidth);
    out.rightPaneWidth = width(g.rightPaneWidth);
    out.paneHeight = height(g.paneHeight);
    return out;
}

WindowFrame placeOnScreen(const WindowFrame& f, const ScreenArea& screen) {
    const ScreenArea s = usableScreen(screen);
    const long long right = (long long)s.left + s.width;
    const long long bottom = (long long)s.top + s.height;
    WindowFrame out = f;
    out.width = clampTo(f.width, 0, s.width);
    out.height = clampTo(f.height, 0, s.height);
    if ((long long)f.left + out.width > right || f.left < s.left) {
        out.left = clampTo(0, s.left, right - out.width);
        out.height = s.height;
        out.top = clampTo(0, s.top, bottom - out.height);
        return out;
    }
    out.top = clampTo(f.top, s.top, bottom - out.height);
    return out;
}

} // namespace shell
