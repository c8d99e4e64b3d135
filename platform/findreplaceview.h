#pragma once

#include "platform/simplecontrols.h"

#include <functional>

namespace platform {

class CheckBox {
  public:
    virtual ~CheckBox() = default;
    virtual bool checked() const = 0;
    // Setting the value raises onClick when it changes, as a click would.
    virtual void setChecked(bool on) = 0;
    std::function<void()> onClick;
};

class OptionButton {
  public:
    virtual ~OptionButton() = default;
    virtual bool value() const = 0;
    // Selecting a button deselects the others of its group and raises onClick.
    virtual void setValue(bool on) = 0;
    std::function<void()> onClick;
};

// A modeless dialog window owned by the main window (it stays above it).
class DialogWindow {
  public:
    virtual ~DialogWindow() = default;
    // Shows the dialog with its top-left corner at the given screen
    // position (twips); an already shown dialog is moved and activated.
    virtual void show(int leftTwips, int topTwips) = 0;
    virtual bool visible() const = 0;
    // Closes the dialog as its close box would: onUnload may cancel.
    virtual void unload() = 0;

    std::function<void()> onActivate;
    std::function<void(bool& cancel)> onUnload;
};

// The controls of the find and replace dialog.
struct FindReplaceView {
    DialogWindow* form = nullptr;
    TextBox* txtFind = nullptr;
    TextBox* txtReplace = nullptr;
    OptionButton* optDirection[2] = {nullptr, nullptr}; // From Top, From Cursor
    CheckBox* chkMatchCase = nullptr;
    CheckBox* chkMatchWholeWord = nullptr;
    CheckBox* chkIgnoreHTML = nullptr;
    Button* cmdFindNext = nullptr;
    Button* cmdReplace[2] = {nullptr, nullptr}; // Replace, Replace All
    Button* cmdCancel = nullptr;
};

} // namespace platform
