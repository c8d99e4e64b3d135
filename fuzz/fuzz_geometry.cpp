// The configuration file's numbers against the screens: whatever a file
// holds and whatever screen the platform reports, the stored measures once
// held to the screen, the window placed on it and the panes fitted to the
// window all lie inside the screen, with no arithmetic overflowing on the
// way (the sanitizer stops on that).
#include "fuzzinput.h"
#include "shell/configfile.h"
#include "shell/layout.h"
#include "shell/monitorlayout.h"
#include "util/textcodec.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first 16 bytes are the virtual screen, the rest the file.
    shell::ScreenArea screen;
    if (size >= 16) {
        std::memcpy(&screen, data, 16);
        data += 16;
        size -= 16;
    }
    shell::ConfigValues v;
    shell::readConfig(util::decodeText(fuzzBytes(data, size)).text, v);

    const shell::ScreenArea s = shell::usableScreen(screen);
    FUZZ_CHECK(s.width > 0 && s.height > 0);
    const long long right = (long long)s.left + s.width;
    const long long bottom = (long long)s.top + s.height;
    const shell::StoredGeometry g = shell::fitStoredGeometry(
        {v.windowLeft, v.windowTop, v.windowHeight, v.windowWidth, v.oneWidth, v.twoWidth,
         v.leftPaneWidth, v.rightPaneWidth, v.paneHeight},
        screen);
    for (const std::int32_t w :
         {g.windowWidth, g.oneWidth, g.twoWidth, g.leftPaneWidth, g.rightPaneWidth})
        FUZZ_CHECK(w >= 0 && w <= s.width);
    for (const std::int32_t h : {g.windowHeight, g.paneHeight})
        FUZZ_CHECK(h >= 0 && h <= s.height);
    FUZZ_CHECK(g.windowLeft >= s.left && g.windowLeft <= right);
    FUZZ_CHECK(g.windowTop >= s.top && g.windowTop <= bottom);

    for (const std::int32_t width : {g.oneWidth, g.twoWidth}) {
        const shell::WindowFrame f =
            shell::placeOnScreen({g.windowLeft, g.windowTop, width, g.windowHeight}, screen);
        FUZZ_CHECK(f.width >= 0 && f.height >= 0);
        FUZZ_CHECK(f.left >= s.left && (long long)f.left + f.width <= right);
        FUZZ_CHECK(f.top >= s.top && (long long)f.top + f.height <= bottom);

        const shell::PaneWidths panes =
            shell::fitPaneWidths(f.width, {g.leftPaneWidth, g.rightPaneWidth});
        if (f.width >= shell::metrics::kTwoPaneMargin) {
            FUZZ_CHECK(panes.left >= 0 && panes.right >= 0);
            // Each share is rounded: a twip either way.
            FUZZ_CHECK((long long)panes.left + panes.right <=
                       (long long)f.width - shell::metrics::kTwoPaneMargin + 1);
        }
    }
    // The panes fitted straight from the file's numbers, unclamped, do not
    // overflow either (the sanitizer checks the arithmetic).
    shell::fitPaneWidths(v.windowWidth, {v.leftPaneWidth, v.rightPaneWidth});
    return 0;
}
