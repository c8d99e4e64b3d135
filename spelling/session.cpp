// The spell-check session: F12 walks the document word by word, Ctrl+W
// checks the highlighted word; the suggestion box's buttons replace,
// ignore or add the word and go on, or end the check.
#include "spelling/lexiconlookup.h"
#include "spelling/soundex.h"
#include "spelling/spellingcontroller.h"

namespace spelling {

namespace {
QString ql(const char* s) {
    return QString::fromLatin1(s);
}
// The mark a suggestion from the table of common misspellings carries in
// the list; it is no part of the spelling.
const QLatin1String kWikiSpellMark(" (WikiSpell table)");

// The spelling a suggestion or a typed replacement stands for.
QString spellingOf(const QString& replacement) {
    QString r = replacement;
    if (r.endsWith(kWikiSpellMark)) r.chop(kWikiSpellMark.size());
    return r;
}
} // namespace

void SpellingController::mSpellCheckDocument_Click() {
    if (!suggestionBoxSettled()) return;
    platform::TextEditor* editor = ui_.Text1[1];
    if (!editor) return;
    if (!lexiconPresent()) {
        WordProcessorSpellCheck();
        return;
    }
    if (!basSpellingChecker.justLoaded && !lexiconReady()) {
        // The lexicon is read off the user-interface thread; the check
        // starts when it is in.
        basSpellingChecker.waiting = spelling::SpellingCheckerState::Waiting::DocumentCheck;
        LoadLexicon();
        return;
    }
    if (!OpenLexicon()) return;
    // A blank editor gets no box, and then nothing is scanned.
    if (!suggestionBoxVisible()) return;
    editor->setSelStart(0);
    editor->setSelLength(0);
    SkipWordAndContinue(0);
}

void SpellingController::mSpellCheckWord_Click() {
    if (!suggestionBoxSettled()) return;
    platform::TextEditor* editor = ui_.Text1[1];
    if (!editor) return;
    if (spelling::trimBlanks(editor->selText()).isEmpty()) {
        message(ql("Highlight a word to spellcheck first."));
        return;
    }
    if (!basSpellingChecker.justLoaded && !lexiconReady()) {
        basSpellingChecker.waiting = spelling::SpellingCheckerState::Waiting::WordCheck;
        LoadLexicon();
        return;
    }
    CheckHighlightedWord();
}

void SpellingController::CheckHighlightedWord() {
    auto& m = basSpellingChecker;
    m.NoCompletionMessage = true;
    if (!OpenLexicon()) {
        m.NoCompletionMessage = false;
        return;
    }
    // The word without the blanks a double-click may have taken with it;
    // a replacement keeps a trailing blank.
    setSuggestionWord(spelling::trimBlanks(ui_.Text1[1]->selText()));
    if (IsWordInLexicon(suggestionWord())) {
        message(ql("The highlighted word is correct."));
        CloseLexicon();
        return;
    }
    const QString word = suggestionWord();
    SuggestSpellings(word);
    if (ui_.t_Replace) ui_.t_Replace->setFocus();
}

void SpellingController::SkipWordAndContinue(int mode) {
    auto& m = basSpellingChecker;
    platform::TextEditor* editor = ui_.Text1[1];
    if (!editor) return;
    if (mode == 1) m.skipAll(suggestionWord());
    // The scan never changes the text, so it is read once for the walk.
    const QString text = editor->text();
    const spelling::MarkupMap markup(text);
    const int n = int(text.size());
    do {
        const int lastStart = editor->selStart();
        const int lastLength = editor->selLength();
        NextWordToCheck(editor->selStart() + editor->selLength() + 1, &text, &markup);
        if (!suggestionBoxVisible()) return; // the scan ended the check
        if (editor->selLength() == 0 || editor->selStart() >= n ||
            (editor->selStart() == lastStart && editor->selLength() == lastLength))
            break;
        if (!IsWordInLexicon(suggestionWord())) {
            // The lookup may have cut the word at a hyphen.
            const QString word = suggestionWord();
            SuggestSpellings(word);
        } else {
            setSuggestionWord({});
        }
    } while (editor->selStart() < n && suggestionWord().isEmpty());
    if (!spelling::trimBlanks(suggestionWord()).isEmpty()) {
        if (ui_.t_Replace) ui_.t_Replace->setFocus();
    } else {
        CloseLexicon();
    }
}

void SpellingController::FixSpelling() {
    auto& m = basSpellingChecker;
    platform::TextEditor* editor = ui_.Text1[1];
    if (!editor || !m.isOpen() || !suggestionBoxSettled()) return;
    const QString typed = suggestionReplacement();
    if (typed.isEmpty() || typed == ql("(No alternatives)")) {
        message(ql("Select a new spelling first."));
        if (ui_.t_Replace) ui_.t_Replace->setFocus();
        return;
    }
    const QString selected = editor->selText();
    if (spelling::trimBlanks(selected) != spelling::trimBlanks(suggestionWord())) {
        message(ql("Highlight the word to be fixed first."));
        return;
    }
    const QString spelling = spellingOf(typed);
    const int s = editor->selStart();
    editor->setSelColor(0);
    editor->setSelBold(false);
    editor->setSelText(selected.endsWith(QLatin1Char(' ')) ? spelling + QLatin1Char(' ')
                                                           : spelling);

    platform::ListBox* list = ui_.lstSuggestions;
    const bool chosenFromList =
        list && list->listIndex() >= 0 && list->item(list->listIndex()) == typed;
    if (chosenFromList) {
        if (singleWordCheck()) {
            CloseLexicon();
        } else {
            editor->setSelLength(0);
            SkipWordAndContinue(0);
        }
        return;
    }

    // A typed spelling is checked in its turn: the scan shows it again.
    editor->setSelStart(s);
    NextWordToCheck(s + 1);
    if (!suggestionBoxVisible()) return;
    if (editor->selStart() != s || suggestionWord().isEmpty()) {
        // The scan passes over short texts; the typed word is shown all the same.
        editor->setSelStart(s);
        editor->setSelLength(int(spelling.size()));
        editor->setSelColor(255);
        editor->setSelBold(true);
        ShowWordToCheck(spelling);
        m.CheckSelStart = s;
        m.CheckSelLength = int(spelling.size());
    }
    if (IsWordInLexicon(spelling)) {
        editor->setSelColor(0);
        editor->setSelBold(false);
        editor->setSelStart(s);
        editor->setSelLength(int(spelling.size()));
        if (singleWordCheck()) {
            m.NoCompletionMessage = false;
            CloseLexicon();
        } else {
            SkipWordAndContinue(0);
        }
        return;
    }
    SuggestSpellings(spelling);
    if (ui_.t_Replace) ui_.t_Replace->setFocus();
}

void SpellingController::cmdSkipWord_Click(int index) {
    if (!suggestionBoxSettled() || !basSpellingChecker.isOpen()) return;
    SkipWordAndContinue(index == 1 ? 1 : 0);
}

void SpellingController::cmdAddWord_Click() {
    if (!suggestionBoxSettled() || !basSpellingChecker.isOpen()) return;
    const QString word = suggestionWord();
    const bool added = AddWordToLexicon(word);
    if (singleWordCheck()) {
        if (added) message(QLatin1Char('"') + word + ql("\" has been added."));
        CloseLexicon();
    } else {
        SkipWordAndContinue(0);
    }
}

void SpellingController::cmdCloseSpellCk_Click() {
    auto& m = basSpellingChecker;
    m.NoCompletionMessage = true;
    CloseLexicon();
    if (m.CheckSelLength > 0) {
        if (platform::TextEditor* editor = ui_.Text1[1]) {
            editor->setSelStart(m.CheckSelStart);
            editor->setSelLength(m.CheckSelLength);
        }
        m.CheckSelStart = 0;
        m.CheckSelLength = 0;
    }
}

void SpellingController::lstSuggestions_Click() {
    platform::ListBox* list = ui_.lstSuggestions;
    if (!list || list->listIndex() < 0) return;
    setSuggestionReplacement(list->item(list->listIndex()));
}

void SpellingController::lstSuggestions_DblClick() {
    if (!suggestionBoxSettled()) return;
    lstSuggestions_Click();
    FixSpelling();
}

} // namespace spelling
