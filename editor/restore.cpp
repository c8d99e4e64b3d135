// Restore: the versions of the edited file kept for putting back.
#include "editor/editsession.h"

#include "util/strings.h"

namespace editor {

using platform::Answer;
using platform::Buttons;
using util::qs;

void EditSession::mRestore_Click(int index) {
    struct Restore {
        const char* title;
        const char* prompt;
    };
    static const Restore kRestores[3] = {
        {"Restore Original File", "Restore this file to its\rcontents when first opened?"},
        {"Restore From Last Save", "Restore this file to its\rcontents before the last save?"},
        {"", "Discard unsaved changes?"},
    };
    if (index < 0 || index > 2) return;
    const Restore& r = kRestores[index];
    if (message(qs(r.prompt), Buttons::YesNo, qs(r.title)) != Answer::Yes) return;
    const QString& text = index == 0 ? RestoreText[0] : index == 1 ? RestoreText[1] : SavedText[1];
    ui_.Text1[1]->setText(text);
    message(qs("File has been restored in edit window.\rPress Ctrl-S to save to disk."));
}

} // namespace editor
