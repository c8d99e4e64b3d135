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
    // Exactly the text that was set or typed: no character is changed on the
    // way in or out (no-break spaces, U+2028, U+2029 and the rest stay as
    // they are); line breaks come out as CR LF, whatever came in.
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // The line holding `offset` (without its line break) and, through
    // `lineStart`, the offset where it begins: the text near the caret
    // without reading the whole document.
    virtual QString lineText(int offset, int* lineStart) const = 0;
    virtual int selStart() const = 0;
    // Empties the selection. An offset past the end is the end; one between
    // the CR and the LF of a line break is the end of that line.
    virtual void setSelStart(int offset) = 0;
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
