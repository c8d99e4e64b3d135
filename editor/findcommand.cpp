// Opening the find dialog with the text to look for.
#include "editor/editsession.h"

#include "editor/findengine.h"
#include "editor/findreplace.h"

namespace editor {

void EditSession::mFind_Click(int) {
    auto& source = *ui_.Text1[1];
    QString find;
    if (!source.selText().isEmpty())
        find = source.selText();
    else if (source.selStart() != 0)
        find = editor::wordNearCaret(ui_.Text1[activePane()]->text(),
                                     ui_.Text1[activePane()]->selStart());
    if (!FindReplace) FindReplace = std::make_unique<frmFindReplace>(host_, ui_.findReplace);
    ui_.findReplace.txtFind->setText(find);
    ui_.findReplace.form->show(ui_.window->left() + 4000, ui_.window->top() + 4000);
}

} // namespace editor
