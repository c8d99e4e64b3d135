#pragma once

#include "platform/control.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// A one-line or multi-line text box.
class TextBox : public Control {
  public:
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void setFocus() = 0;
    virtual void selectAll() = 0;

    std::function<void(KeyEvent& key)> onKeyDown;
    std::function<void()> onClick;
    std::function<void()> onChange;
    std::function<void()> onGotFocus;
};

// A list box, sorted (case ignored) or in insertion order.
class ListBox : public Control {
  public:
    virtual void addItem(const QString& item) = 0;
    virtual void clear() = 0;
    virtual int count() const = 0;
    virtual QString item(int index) const = 0;
    virtual int listIndex() const = 0; // -1 = none selected
    virtual void setListIndex(int index) = 0;

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
};

// A toolbar whose buttons are told apart by key.
class Toolbar : public Control {
  public:
    std::function<void(const QString& key)> onButtonClick;
};

// A frame, picture box or splitter bar: geometry, a pointer, a tag and the
// mouse.
class Panel : public Control {
  public:
    virtual void setPointer(Pointer pointer) = 0;
    virtual void raise() = 0;
    QString tag;

    std::function<void(int button, int xTwips, int yTwips)> onMouseDown;
    std::function<void(int buttons, int xTwips, int yTwips)> onMouseMove;
    std::function<void()> onClick;
};

// A caption on a window or frame.
class Label : public Control {
  public:
    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
};

// A push button (the dialogs' and the suggestion box's).
class Button {
  public:
    virtual ~Button() = default;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    std::function<void()> onClick;
};

} // namespace platform
