#pragma once

#include "platform/browserpane.h"
#include "platform/findreplaceview.h"
#include "platform/simplecontrols.h"
#include "platform/system.h"

#include <functional>

namespace platform {

// A modal dialog window owned by the main window. showModal returns once
// the dialog is closed; the scripted fake returns at once and stays open
// until close(), so a test can work its controls in between.
class ModalDialog {
  public:
    virtual ~ModalDialog() = default;
    virtual void showModal() = 0;
    virtual void close() = 0;
    virtual bool visible() const = 0;
};

// The controls of the table designer.
struct TableSpecsView {
    ModalDialog* form = nullptr;
    TextBox* txtNumRows = nullptr;
    TextBox* txtNumColumns = nullptr;
    TextBox* txtBorderSize = nullptr;
    TextBox* txtCellSpacing = nullptr;
    TextBox* txtCellPadding = nullptr;
    TextBox* txtTableWidth = nullptr;
    OptionButton* optTableWidth[2] = {nullptr, nullptr}; // % of window, # of pixels
    CheckBox* ck_Background[2] = {nullptr, nullptr};     // colour, picture
    Button* cmbTableColors[4] = {nullptr, nullptr, nullptr, nullptr};
    OptionButton* optFrameColor[2] = {nullptr, nullptr}; // solid, highlight and shadow
    Button* cmdBackgroundPic = nullptr;
    Button* OKButton = nullptr;
    Button* CancelButton = nullptr;
    BrowserPane* WebBrowser1 = nullptr; // the preview
    // The dialog's own timer: typing writes the preview when it runs out,
    // a few times a second at most.
    Timer* tmrPreview = nullptr;
};

} // namespace platform
