// The menu commands of the spelling checker, and the suggestion box's
// buttons and list.
#include "shell/tarnwellfileviewer.h"

namespace shell {

void TarnwellFileViewer::registerSpellingHandlers() {
    registerHandler(QStringLiteral("mSpellCheckDocument"),
                    [this](int) { mSpellCheckDocument_Click(); });
    registerHandler(QStringLiteral("mSpellCheckWord"), [this](int) { mSpellCheckWord_Click(); });

    if (ui_.frmSuggestions) ui_.frmSuggestions->setVisible(false);
    if (ui_.lstSuggestions2) ui_.lstSuggestions2->setVisible(false);
    if (ui_.cmdFixSpelling) ui_.cmdFixSpelling->onClick = [this] { FixSpelling(); };
    for (int i = 0; i < 2; ++i)
        if (ui_.cmdSkipWord[i]) ui_.cmdSkipWord[i]->onClick = [this, i] { cmdSkipWord_Click(i); };
    if (ui_.cmdAddWord) ui_.cmdAddWord->onClick = [this] { cmdAddWord_Click(); };
    if (ui_.cmdCloseSpellCk) ui_.cmdCloseSpellCk->onClick = [this] { cmdCloseSpellCk_Click(); };
    if (ui_.lstSuggestions) {
        ui_.lstSuggestions->onClick = [this] { lstSuggestions_Click(); };
        ui_.lstSuggestions->onDoubleClick = [this] { lstSuggestions_DblClick(); };
    }
}

} // namespace shell
