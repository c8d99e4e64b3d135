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
    const std::int64_t extra = std::int64_t(windowWidth - metrics::kTwoPaneMargin) - sum;
    // The product is a 32-bit integer; a share whose product would overflow
    // is left out, as a failed layout step is.
    const auto share = [&](std::int32_t width) -> std::int32_t {
        const std::int64_t product = extra * width;
        if (product > INT32_MAX || product < INT32_MIN) return 0;
        return util::roundHalfEven(double(product) / double(sum));
    };
    const std::int32_t addLeft = share(w.left);
    const std::int32_t addRight = share(w.right);
    w.left += addLeft;
    w.right += addRight;
    return w;
}

} // namespace shell
