// Link External and Link Internal, and the instruction box between Link
// Internal's two runs.
#include "authoring/authoringcommands.h"

#include "authoring/editorchanges.h"
#include "authoring/links.h"
#include "util/strings.h"

#include <algorithm>

namespace authoring {

using util::qs;

namespace {
QString allNamesUsed() {
    return qs("This document already uses all 52 anchor names\r"
              "(A to Z and AA to AZ), so no further internal\r"
              "link can be made. Nothing was changed.");
}
} // namespace

void AuthoringCommands::mLinkExt_Click() {
    const auto choice = ui_.dialogs->openFile(qs("Select file."), host_.driveRoot() + qs("*.*"));
    if (!choice || choice->fileName.isEmpty() || choice->fileName.endsWith(QLatin1Char('*')))
        return;
    auto& editor = *ui_.Text1[activePane()];
    editor.setSelText(authoring::externalLink(choice->fileName, editor.selText()));
}

void AuthoringCommands::mLinkIn_Click() {
    if (!ui_.LinkMsgBox) return;
    auto& editor = *ui_.Text1[activePane()];
    auto& box = *ui_.LinkMsgBox;
    if (!box.visible()) {
        const auto next = authoring::nextAnchorCounter(LinkNameCounter, editor.text());
        if (!next) {
            message(allNamesUsed());
            return;
        }
        LinkStart = editor.selStart() + 1;
        LinkLength = editor.selLength();
        LinkNameCounter = static_cast<std::int16_t>(*next);
        box.setText(authoring::linkMessageText());
        // Near the editor's foot, so the lines at its top stay free to click.
        box.setLeft(editor.left() + 200);
        box.setTop(std::max(editor.top(), editor.top() + editor.height() - box.height() - 200));
        box.setVisible(true);
        editor.setFocus();
        return;
    }

    box.setVisible(false);
    // The counter may have been reset since the first run (another file was
    // opened): never write an anchor without a name.
    QString reserved = authoring::anchorName(LinkNameCounter);
    if (reserved.isEmpty()) {
        const auto next = authoring::nextAnchorCounter(0, editor.text());
        if (!next) {
            message(allNamesUsed());
            return;
        }
        LinkNameCounter = static_cast<std::int16_t>(*next);
        reserved = authoring::anchorName(LinkNameCounter);
    }
    const auto plan = authoring::placeInternalLink(editor.text(), editor.selStart(), LinkStart - 1,
                                                   LinkLength, reserved);
    if (plan.reused && LinkNameCounter > 0) --LinkNameCounter;
    authoring::applyResult(editor, plan.result);
    // Show the lines above the link, then put the caret at its start.
    editor.setSelStart(std::max(0, plan.result.after.start - 100));
    editor.setSelStart(plan.result.after.start);
}

void AuthoringCommands::LinkMsgBox_Click() {
    if (LinkNameCounter > 0) --LinkNameCounter;
    ui_.LinkMsgBox->setVisible(false);
    ui_.Text1[1]->setFocus();
}

} // namespace authoring
