// Opening the find dialog with the text to look for.
#include "shell/tarnwellfileviewer.h"

#include "editor/findengine.h"
#include "editor/findreplace.h"

namespace shell {

void TarnwellFileViewer::mFind_Click(int) {
    auto& source = *ui_.Text1[1];
    QString find;
    if (!source.selText().isEmpty())
        find = source.selText();
    else if (source.selStart() != 0)
        find =
            editor::wordNearCaret(ui_.Text1[ActivePane]->text(), ui_.Text1[ActivePane]->selStart());
    if (!FindReplace)
        FindReplace = std::make_unique<editor::frmFindReplace>(*this, ui_.findReplace);
    ui_.findReplace.txtFind->setText(find);
    ui_.findReplace.form->show(ui_.window->left() + 4000, ui_.window->top() + 4000);
}

} // namespace shell
