#pragma once

#include <QRect>
#include <QtGlobal>
#include <cmath>
#include <qnamespace.h>

namespace platform::qt {

// Twips per pixel of the primary screen (15 at 96 DPI), fixed at start-up.
double twipsPerPixel();
// Conversions saturate at the ends of int rather than overflow.
int toPixels(int twips);
int toTwips(int pixels);

// The screens' union in pixels (a 1920 x 1080 screen when none is known).
// No window or control is made larger than it, nor placed farther than its
// own size beyond its edges, whatever the program asks: a size far beyond
// the screens (from a broken configuration file) hangs or crashes the
// browser panes.
QRect screensArea();
// `pixels` held to 1 .. the screens' width (height).
int limitWidth(int pixels);
int limitHeight(int pixels);
// A left (top) edge held to the screens' area widened by its own width
// (height) on both sides, room enough to probe a monitor beyond the edge.
int limitX(int pixels);
int limitY(int pixels);

// Program key code (virtual-key number) and modifier mask of a Qt key event.
struct VirtualKey {
    int code = 0;
    int shift = 0;
};
VirtualKey virtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace platform::qt
