// Paragraph: the paragraph at the caret, or those selected, tagged and
// joined into single lines.
#include "shell/tarnwellfileviewer.h"

#include "authoring/editorchanges.h"
#include "authoring/paragraph.h"

namespace shell {

void TarnwellFileViewer::mParagraph_Click() {
    auto& editor = *ui_.Text1[ActivePane];
    authoring::applyResult(
        editor, authoring::paragraphCommand(editor.text(), authoring::selectionOf(editor)));
}

} // namespace shell
