#pragma once

#include <cstdint>

namespace shell {

// A window's frame in twips.
struct Frame {
    double left = 0, top = 0, width = 0, height = 0;
};

// The two monitors' rectangles as the monitor module records them.
struct MonitorPair {
    std::int32_t mon1Left = 0, mon1Top = 0, mon1Width = 0, mon1Height = 0;
    std::int32_t mon2Left = 0, mon2Top = 0, mon2Width = 0, mon2Height = 0;
    std::int16_t monitorCount = 1;
};

struct MonitorMove {
    Frame frame;
    double sx = 1; // the horizontal scale, which the pane widths follow
    bool moved = false;
};

// Change Monitors: a window on the first monitor (left at most 0.6 of the
// second monitor's left) moves to the second, scaled by the ratio of the
// monitors' sizes, kept inside it and 380 twips shorter than it at most;
// otherwise it moves back to the first. Nothing moves without a recorded
// second monitor.
//   two monitors 28800 and 19200 twips wide: left 1500 -> 29800 -> 1500
MonitorMove changeMonitors(const MonitorPair& m, const Frame& window);

} // namespace shell
