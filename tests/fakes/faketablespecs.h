#pragma once

#include "platform/tablespecsview.h"
#include "tests/fakes/fakecontrols.h"
#include "tests/fakes/fakefindreplace.h"
#include "tests/fakes/fakeservices.h"

namespace fakes {

// A modal dialog that returns from showModal at once and stays open until
// closed, so a test works its controls in between.
class FakeModalDialog : public platform::ModalDialog {
  public:
    void showModal() override { visible_ = true; }
    void close() override { visible_ = false; }
    bool visible() const override { return visible_; }
    bool visible_ = false;
};

// The table designer's controls, wired into a view.
struct FakeTableSpecs {
    FakeTableSpecs();
    platform::TableSpecsView view();
    FakeModalDialog form;
    FakeTextBox rows, columns, border, spacing, padding, width;
    FakeOptionButton percent, pixels;
    FakeCheckBox backgroundColor, backgroundPicture;
    FakeButton colors[4];
    FakeOptionButton solid, lightDark;
    FakeButton picture, ok, cancel;
    FakeBrowserPane preview;
    FakeTimer previewTimer; // the test fires it
};

} // namespace fakes
