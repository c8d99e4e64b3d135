#pragma once

#include "platform/control.h"

#include <QString>
#include <functional>

namespace platform {

enum class WindowState { Normal, Minimized, Maximized };

// The main window's frame: position, size and state in twips.
class Window {
  public:
    virtual ~Window() = default;
    virtual int left() const = 0;
    virtual int top() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void setLeft(int twips) = 0;
    virtual void setTop(int twips) = 0;
    virtual void setWidth(int twips) = 0;
    virtual void setHeight(int twips) = 0;
    virtual WindowState state() const = 0;
    virtual void setState(WindowState state) = 0;
    virtual void show() = 0;
    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    // The pointer shown over the whole screen (hourglass while busy).
    virtual void setScreenPointer(Pointer pointer) = 0;
    // Closes the window as the close box would (the close handler runs).
    virtual void close() = 0;

    std::function<void()> onResize;
    // Asked before the window closes; set `cancel` to keep it open.
    std::function<void(bool& cancel)> onClose;
};

} // namespace platform
