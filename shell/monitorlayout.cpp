#include "shell/monitorlayout.h"

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
        if (f.width + f.left > m.mon2Width + m.mon2Left) f.left = m.mon2Width + m.mon2Left - f.width;
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
