// The menu commands of the spelling checker, and the suggestion box's
// buttons and list.
#include "spelling/spellingcontroller.h"

namespace spelling {

SpellingController::SpellingController(shell::ViewerHost& host)
    : HostedController(host), suggestionSlide_(host.services().suggestionSlideTimer) {}

// The controls outlive the controller: a late click must find nothing.
SpellingController::~SpellingController() {
    for (platform::Button* button : {ui_.cmdFixSpelling, ui_.cmdSkipWord[0], ui_.cmdSkipWord[1],
                                     ui_.cmdAddWord, ui_.cmdCloseSpellCk})
        if (button) button->onClick = nullptr;
    if (ui_.lstSuggestions) {
        ui_.lstSuggestions->onClick = nullptr;
        ui_.lstSuggestions->onDoubleClick = nullptr;
    }
}

void SpellingController::forgetEditedDocument() {
    TypedWhileLoading.clear();
    // A check of the file before ends without a word: its place is not in
    // this text.
    if (basSpellingChecker.isOpen() || suggestionBoxVisible()) {
        basSpellingChecker.CheckSelStart = 0;
        basSpellingChecker.CheckSelLength = 0;
        basSpellingChecker.NoCompletionMessage = true;
        CloseLexicon();
    }
}

void SpellingController::registerHandlers() {
    host_.registerHandler(QStringLiteral("mSpellCheckDocument"),
                          [this](int) { mSpellCheckDocument_Click(); });
    host_.registerHandler(QStringLiteral("mSpellCheckWord"),
                          [this](int) { mSpellCheckWord_Click(); });

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

} // namespace spelling
