#pragma once

#include "platform/qt/qtbrowser.h"
#include "platform/qt/qtcontrols.h"
#include "platform/qt/qtfindreplace.h"
#include "platform/qt/qtsystem.h"
#include "platform/tablespecsview.h"

#include <QDialog>
#include <memory>

namespace platform::qt {

// The table designer: a modal dialog owned by the main window, its
// controls in a "Sizing" and a "Colors" frame beside a browser that shows
// the preview page.
class QtTableSpecsDialog : public ModalDialog {
  public:
    explicit QtTableSpecsDialog(QWidget* mainWindow);
    ~QtTableSpecsDialog() override;
    void showModal() override;
    void close() override;
    bool visible() const override;
    TableSpecsView view();
    QDialog* form() const { return form_; }

  private:
    QDialog* form_;
    std::unique_ptr<QtTextBox> rows_, columns_, border_, spacing_, padding_, width_;
    std::unique_ptr<QtOptionButton> percent_, pixels_, solid_, lightDark_;
    std::unique_ptr<QtCheckBox> useColor_, usePicture_;
    std::unique_ptr<QtButton> colors_[4];
    std::unique_ptr<QtButton> picture_, ok_, cancel_;
    std::unique_ptr<QtBrowserPane> preview_;
    QtTimer previewTimer_;
};

} // namespace platform::qt
