// Make Table Of Contents, and the table designer's menu entry.
#include "shell/tarnwellfileviewer.h"

#include "authoring/contents.h"
#include "authoring/editorchanges.h"
#include "authoring/tablespecsdialog.h"

namespace shell {

void TarnwellFileViewer::mTableOfContents_Click() {
    auto& editor = *ui_.Text1[1];
    if (!editor.visible()) {
        // The same answer Save Source gives: there is no document to change.
        int index = 0;
        mSave_Click(index);
        return;
    }
    const QString old = editor.text();
    const authoring::ContentsResult contents = authoring::tableOfContents(old);
    if (!contents.hasH1) {
        message(authoring::missingH1Message());
        return;
    }
    LinkNameCounter = static_cast<std::int16_t>(contents.linkNameCounter);
    authoring::Result result;
    result.edits = authoring::differenceEdits(old, contents.text);
    result.after = {std::min(editor.selStart(), static_cast<int>(contents.text.size())), 0};
    authoring::applyResult(editor, result);
    if (contents.namesRanOut) message(authoring::contentsNamesRanOutMessage(contents.entries));
    ActivePane = 1;
    int index = 0;
    mSave_Click(index);
}

void TarnwellFileViewer::mTableSpecsWindow_Click() {
    if (!ui_.tableSpecs.form) return;
    if (!TableSpecsDialog)
        TableSpecsDialog = std::make_shared<authoring::TableSpecs>(*this, ui_.tableSpecs);
    TableSpecsDialog->show();
}

} // namespace shell
