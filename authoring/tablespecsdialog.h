#pragma once

#include "authoring/tablespecs.h"
#include "platform/tablespecsview.h"

#include <QString>

namespace shell {
class ViewerHost;
}

namespace authoring {

// The table designer: every change rewrites the preview page in the data
// folder and refreshes the dialog's browser; OK puts the table at the
// source editor's selection. One instance lives for the whole run once
// first opened, so the colours it holds outlast the dialog.
class TableSpecs {
  public:
    TableSpecs(shell::ViewerHost& viewer, const platform::TableSpecsView& view);
    // Takes back the callbacks it gave the dialog's controls and timer.
    ~TableSpecs();
    TableSpecs(const TableSpecs&) = delete;
    TableSpecs& operator=(const TableSpecs&) = delete;

    // Background, solid frame, highlight and shadow.
    QString TableColors[4];
    QString BackgroundPicture;

    // Shows the dialog modally (it opens with its starting values).
    void show();
    void Form_Load();
    void WritePreview();
    // A change the preview has to show: written when the dialog's timer
    // runs out, so that typing writes it a few times a second at most.
    void SchedulePreview();
    // How long a change waits for the next ones before the preview shows it.
    static constexpr int kPreviewDelayMs = 250;
    // A number field changed: held to its largest value, then previewed.
    void NumberField_Change(TableField field);
    void txtTableWidth_Change();
    void optTableWidth_Click();
    void cmbTableColors_Click(int index);
    void cmdBackgroundPic_Click();
    void OKButton_Click();
    void CancelButton_Click();

    QString previewPath() const;
    QString templatePath() const;
    TableSpec table() const;

  private:
    platform::TextBox* fieldBox(TableField field) const;
    // Sets a field past its largest value back to it; the user is told the
    // first time in an entry (a field once brought back below the largest
    // value, or the dialog opened again, starts a new one).
    void holdToMaximum(TableField field);
    bool limitTold_[6] = {};
    bool holding_ = false; // while a field is set back to its maximum

    shell::ViewerHost& viewer_;
    platform::TableSpecsView view_;
    // While the controls take their starting values, nothing is written.
    bool loading_ = false;
    // Whether the browser was sent to the preview since the dialog opened.
    bool previewShown_ = false;
};

} // namespace authoring
