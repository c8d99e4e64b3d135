#pragma once

#include "authoring/tablespecs.h"
#include "platform/tablespecsview.h"

#include <QString>

namespace shell {
class TarnwellFileViewer;
}

namespace authoring {

// The table designer: every change rewrites the preview page in the data
// folder and refreshes the dialog's browser; OK puts the table at the
// source editor's selection. One instance lives for the whole run once
// first opened, so the colours it holds outlast the dialog.
class TableSpecs {
  public:
    TableSpecs(shell::TarnwellFileViewer& viewer, const platform::TableSpecsView& view);

    // Background, solid frame, highlight and shadow.
    QString TableColors[4];
    QString BackgroundPicture;

    // Shows the dialog modally (it opens with its starting values).
    void show();
    void Form_Load();
    void WritePreview();
    void txtTableWidth_Change();
    void cmbTableColors_Click(int index);
    void cmdBackgroundPic_Click();
    void OKButton_Click();
    void CancelButton_Click();

    QString previewPath() const;
    QString templatePath() const;
    TableSpec table() const;

  private:
    shell::TarnwellFileViewer& viewer_;
    platform::TableSpecsView view_;
    // While the controls take their starting values, nothing is written.
    bool loading_ = false;
    // Whether the browser was sent to the preview since the dialog opened.
    bool previewShown_ = false;
};

} // namespace authoring
