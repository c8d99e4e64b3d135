#include "platform/qt/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <climits>
#include <cmath>

namespace platform::qt {

double twipsPerPixel() {
    static const double value = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
        return 1440.0 / (dpi > 0 ? dpi : 96.0);
    }();
    return value;
}

namespace {
int saturate(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::clamp(std::round(value), double(INT_MIN), double(INT_MAX)));
}
} // namespace

int toPixels(int twips) {
    return saturate(twips / twipsPerPixel());
}
int toTwips(int pixels) {
    return saturate(pixels * twipsPerPixel());
}

QRect screensArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->virtualGeometry() : QRect();
    return area.isEmpty() ? QRect(0, 0, 1920, 1080) : area;
}

int limitWidth(int pixels) {
    return std::clamp(pixels, 1, std::max(1, screensArea().width()));
}
int limitHeight(int pixels) {
    return std::clamp(pixels, 1, std::max(1, screensArea().height()));
}

int limitX(int pixels) {
    const QRect a = screensArea();
    return std::clamp(pixels, a.left() - a.width(), a.right() + a.width());
}

int limitY(int pixels) {
    const QRect a = screensArea();
    return std::clamp(pixels, a.top() - a.height(), a.bottom() + a.height());
}

VirtualKey virtualKey(int key, Qt::KeyboardModifiers m) {
    VirtualKey vk;
    if (m & Qt::ShiftModifier) vk.shift |= 1;
    if (m & Qt::ControlModifier) vk.shift |= 2;
    if (m & Qt::AltModifier) vk.shift |= 4;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        vk.code = key; // the same numbers
    } else if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        vk.code = 112 + (key - Qt::Key_F1);
    } else {
        switch (key) {
        case Qt::Key_Backspace:
            vk.code = 8;
            break;
        case Qt::Key_Tab:
            vk.code = 9;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            vk.code = 13;
            break;
        case Qt::Key_Shift:
            vk.code = 16;
            break;
        case Qt::Key_Control:
            vk.code = 17;
            break;
        case Qt::Key_Alt:
            vk.code = 18;
            break;
        case Qt::Key_Escape:
            vk.code = 27;
            break;
        case Qt::Key_Space:
            vk.code = 32;
            break;
        case Qt::Key_PageUp:
            vk.code = 33;
            break;
        case Qt::Key_PageDown:
            vk.code = 34;
            break;
        case Qt::Key_End:
            vk.code = 35;
            break;
        case Qt::Key_Home:
            vk.code = 36;
            break;
        case Qt::Key_Left:
            vk.code = 37;
            break;
        case Qt::Key_Up:
            vk.code = 38;
            break;
        case Qt::Key_Right:
            vk.code = 39;
            break;
        case Qt::Key_Down:
            vk.code = 40;
            break;
        case Qt::Key_Insert:
            vk.code = 45;
            break;
        case Qt::Key_Delete:
            vk.code = 46;
            break;
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            vk.code = 186;
            break;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            vk.code = 187;
            break;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            vk.code = 188;
            break;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            vk.code = 189;
            break;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            vk.code = 190;
            break;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            vk.code = 191;
            break;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            vk.code = 192;
            break;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            vk.code = 219;
            break;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            vk.code = 220;
            break;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            vk.code = 221;
            break;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            vk.code = 222;
            break;
        default:
            vk.code = 0;
            break;
        }
    }
    // Shifted digits and symbols arrive as their own Qt keys.
    switch (key) {
    case Qt::Key_Exclam:
        vk.code = '1';
        break;
    case Qt::Key_At:
        vk.code = '2';
        break;
    case Qt::Key_NumberSign:
        vk.code = '3';
        break;
    case Qt::Key_Dollar:
        vk.code = '4';
        break;
    case Qt::Key_Percent:
        vk.code = '5';
        break;
    case Qt::Key_AsciiCircum:
        vk.code = '6';
        break;
    case Qt::Key_Ampersand:
        vk.code = '7';
        break;
    case Qt::Key_Asterisk:
        vk.code = '8';
        break;
    case Qt::Key_ParenLeft:
        vk.code = '9';
        break;
    case Qt::Key_ParenRight:
        vk.code = '0';
        break;
    default:
        break;
    }
    return vk;
}

} // namespace platform::qt
