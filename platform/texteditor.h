#pragma once

#include "platform/control.h"

#include <QString>
#include <functional>

namespace platform {

// The rich-text editor. Its text uses CR LF line breaks and every offset
// counts in that text: a line break is two characters here, whatever the
// widget stores.
class TextEditor : public Control {
public:
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual int selStart() const = 0;
    virtual void setSelStart(int offset) = 0; // empties the selection
    virtual int selLength() const = 0;
    virtual void setSelLength(int length) = 0;
    virtual QString selText() const = 0;
    // Replaces the selection; the caret ends just after the new text.
    virtual void setSelText(const QString& text) = 0;
    // Colour with red in the low byte (255 red, 16711680 blue, 0 black).
    virtual void setSelColor(int color) = 0;
    virtual void setSelBold(bool bold) = 0;
    virtual void setFocus() = 0;

    std::function<void()> onGotFocus;
    std::function<void()> onClick;
    // The text changed, by typing or by a command.
    std::function<void()> onChange;
    // Runs before the editor acts on the key; zeroing both fields eats it.
    std::function<void(KeyEvent& key)> onKeyDown;
    std::function<void(int button, int xTwips, int yTwips)> onMouseDown;
};

} // namespace platform
