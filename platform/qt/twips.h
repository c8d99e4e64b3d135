#pragma once

#include <QtGlobal>
#include <qnamespace.h>
#include <cmath>

namespace platform::qt {

// Twips per pixel of the primary screen (15 at 96 DPI), fixed at start-up.
double twipsPerPixel();
inline int toPixels(int twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }
inline int toTwips(int pixels) { return static_cast<int>(std::lround(pixels * twipsPerPixel())); }

// Program key code (virtual-key number) and modifier mask of a Qt key event.
struct VirtualKey {
    int code = 0;
    int shift = 0;
};
VirtualKey virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace platform::qt
