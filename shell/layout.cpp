#include "shell/layout.h"

#include "util/numbers.h"

#include <cstdint>

namespace shell {

PaneWidths fitPaneWidths(std::int32_t windowWidth, PaneWidths w) {
    if (w.left < 0.3 * windowWidth || w.right < 0.4 * windowWidth) {
        const std::int32_t half = util::roundHalfEven(0.5 * windowWidth - 200);
        w.left = half;
        w.right = half;
    }
    const std::int64_t sum = std::int64_t(w.left) + w.right;
    if (sum == 0) return w;
    const std::int64_t extra = std::int64_t(windowWidth) - metrics::kTwoPaneMargin - sum;
    // The shares are worked out in doubles, not 32-bit products: a wide desk
    // (or a broken configuration) gives products beyond 32 bits, and a share
    // left out would leave the panes wider than the window. The product is
    // exact for every measure below 2^26 twips, so halves round to even.
    const auto share = [&](std::int32_t width) -> std::int32_t {
        return util::roundHalfEven(double(extra) * double(width) / double(sum));
    };
    const auto grown = [&](std::int32_t width) {
        return util::roundHalfEven(double(std::int64_t(width) + share(width)));
    };
    w.left = grown(w.left);
    w.right = grown(w.right);
    return w;
}

} // namespace shell
