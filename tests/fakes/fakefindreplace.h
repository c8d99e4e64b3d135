#pragma once

#include "platform/findreplaceview.h"
#include "tests/fakes/fakecontrols.h"

namespace fakes {

class FakeButton : public platform::Button {
  public:
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override { enabled_ = on; }
    // Clicks as a user would: a disabled button does nothing.
    bool click() {
        if (!enabled_ || !onClick) return false;
        onClick();
        return true;
    }
    bool enabled_ = true;
};

class FakeCheckBox : public platform::CheckBox {
  public:
    bool checked() const override { return checked_; }
    void setChecked(bool on) override {
        if (on == checked_) return;
        checked_ = on;
        if (onClick) onClick();
    }
    bool checked_ = false;
};

class FakeOptionButton : public platform::OptionButton {
  public:
    bool value() const override { return value_; }
    void setValue(bool on) override;
    FakeOptionButton* other = nullptr; // the other button of the pair
    bool value_ = false;
};

// A modeless dialog: showing it the first time activates it.
class FakeDialogWindow : public platform::DialogWindow {
  public:
    void show(int, int) override {
        const bool wasVisible = visible_;
        visible_ = true;
        if (!wasVisible && onActivate) onActivate();
    }
    bool visible() const override { return visible_; }
    void unload() override {
        bool cancel = false;
        if (onUnload) onUnload(cancel);
        if (!cancel) visible_ = false;
    }
    bool visible_ = false;
};

// All the dialog's controls, wired into a view.
struct FakeFindReplace {
    FakeFindReplace();
    platform::FindReplaceView view();
    FakeDialogWindow form;
    FakeTextBox txtFind, txtReplace;
    FakeOptionButton fromTop, fromCursor;
    FakeCheckBox matchCase, wholeWord, ignoreHtml;
    FakeButton findNext, replace, replaceAll, cancel;
};

} // namespace fakes
