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

namespace shell {

// The virtual screen, the union of all monitors, in twips.
struct ScreenArea {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
};

// The area stored measures are held to: the virtual screen when the
// platform reported one, else a 1920 x 1080 pixel screen (at 15 twips a
// pixel) at 0, 0, so that nothing is left unbounded.
ScreenArea usableScreen(const ScreenArea& virtualScreen);

// The window and pane measures of the configuration file, in twips.
struct StoredGeometry {
    std::int32_t windowLeft = 0, windowTop = 0, windowHeight = 0, windowWidth = 0;
    std::int32_t oneWidth = 0, twoWidth = 0, leftPaneWidth = 0, rightPaneWidth = 0, paneHeight = 0;
};

// Stored measures held to the screens present, whatever the file said:
// widths between 0 and the screen's width, heights between 0 and its
// height, positions between the screen's left (top) and its right (bottom)
// edge. A 0 stays 0 (nothing stored). A configuration written on a desk of
// three monitors 5760 pixels wide, read on one screen 1600 pixels wide:
//   window width 86400 -> 24000    left 57600 -> 24000
StoredGeometry fitStoredGeometry(const StoredGeometry& stored, const ScreenArea& screen);

struct WindowFrame {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
};

// The window's frame once its final size is known. A frame wider than the
// screen is cut to it; one whose right edge passes the screen's right edge
// goes to left 0, top 0 with the screen's whole height; one whose bottom
// passes the screen's is cut to the screen's height and moved up to end on
// the screen's bottom edge.
//   screen 24000 x 15000: (20000, 0, 9000, 8000) -> (0, 0, 9000, 15000)
//                         (0, 9000, 9000, 8000)  -> (0, 7000, 9000, 8000)
WindowFrame placeOnScreen(const WindowFrame& frame, const ScreenArea& screen);

// An integer held to [low, high] (high below low counts as low).
std::int32_t clampTo(long long value, long long low, long long high);

} // namespace shell
