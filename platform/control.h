#pragma once

#include <functional>

namespace platform {

// Every window measure the controllers use is in twips (1/1440 inch); the Qt
// adapters convert with the screen's scale. A setter the widget cannot honour
// (a negative width, say) is ignored, so layout code never has to guard.
class Control {
  public:
    virtual ~Control() = default;
    virtual bool visible() const = 0;
    virtual void setVisible(bool on) = 0;
    virtual int left() const = 0;
    virtual int top() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void setLeft(int twips) = 0;
    virtual void setTop(int twips) = 0;
    virtual void setWidth(int twips) = 0;
    virtual void setHeight(int twips) = 0;
};

// Mouse pointers a control or the whole screen can show.
enum class Pointer { Default, Hourglass, SizeWestEast };

// Mouse buttons as the controllers number them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// Key codes are the program's virtual-key numbers (65 = A, 13 = Enter,
// 112 = F1, ...) and modifiers a mask: 1 Shift, 2 Ctrl, 4 Alt.
struct KeyEvent {
    int keyCode = 0;
    int shift = 0;
};

} // namespace platform
