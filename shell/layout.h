#pragma once

#include <cstdint>

namespace shell {

// Fixed measures of the main window, in twips.
namespace metrics {
constexpr int kTwoPaneMargin = 580;   // window width not given to the two panes
constexpr int kOnePaneMargin = 430;   // window width not given to the single pane
constexpr int kRightPaneOffset = 315; // left pane width to the right pane's left
constexpr int kPaneHeightMargin = 1500;
constexpr int kMinimumHeight = 2000; // start-up grows a window lower than this
constexpr int kStartHeight = 10000;
} // namespace metrics

struct PaneWidths {
    std::int32_t left = 0;
    std::int32_t right = 0;
};

// The two pane widths for a two-pane window `windowWidth` wide: reset to
// half the window less 200 each when the left is below 30 % or the right
// below 40 % of it, then scaled to fill the window less 580, each share
// rounded half to even. The shares are worked out in 64 bits, so that no
// measure, however large, overflows.
//   (10000, 4000, 5000) -> (4187, 5233)
PaneWidths fitPaneWidths(std::int32_t windowWidth, PaneWidths stored);

} // namespace shell
