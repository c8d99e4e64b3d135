// Make Table Of Contents, and the table designer's menu entry.
#include "authoring/authoringcommands.h"

#include "authoring/contents.h"
#include "authoring/editorchanges.h"
#include "authoring/tablespecsdialog.h"

namespace authoring {

void AuthoringCommands::mTableOfContents_Click() {
    auto& editor = *ui_.Text1[1];
    if (!editor.visible()) {
        // The same answer Save Source gives: there is no document to change.
        host_.document().save(activePane());
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
    host_.document().save(1);
}

void AuthoringCommands::mTableSpecsWindow_Click() {
    if (!ui_.tableSpecs.form) return;
    if (!TableSpecsDialog) TableSpecsDialog = std::make_shared<TableSpecs>(host_, ui_.tableSpecs);
    TableSpecsDialog->show();
}

} // namespace authoring
