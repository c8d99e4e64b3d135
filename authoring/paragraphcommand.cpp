// Paragraph: the paragraph at the caret, or those selected, tagged and
// joined into single lines.
#include "authoring/authoringcommands.h"

#include "authoring/editorchanges.h"
#include "authoring/paragraph.h"

namespace authoring {

void AuthoringCommands::mParagraph_Click() {
    auto& editor = *ui_.Text1[activePane()];
    authoring::applyResult(
        editor, authoring::paragraphCommand(editor.text(), authoring::selectionOf(editor)));
}

} // namespace authoring
