#pragma once

#include "shell/panelslide.h"
#include "shell/viewerhost.h"
#include "spelling/scan.h"
#include "spelling/spellingchecker.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace spelling {

// The spelling checker in the window: the lexicon read in the background,
// the document check with its sliding suggestion box, the check of the
// highlighted word, the spelling service for a computer without a
// lexicon, and the check of each word as it is typed.
class SpellingController : public shell::TypingCheck, private shell::HostedController {
  public:
    explicit SpellingController(shell::ViewerHost& host);
    ~SpellingController() override;
    SpellingController(const SpellingController&) = delete;
    SpellingController& operator=(const SpellingController&) = delete;

    void registerHandlers();

    // shell::TypingCheck
    void checkTypedWord(int index, const platform::KeyEvent& key) override;
    void editorOpened() override;

    // A check of the file before ends without a word: its place is not in
    // the new text; words typed while the lexicon was read are forgotten.
    void forgetEditedDocument();

    // The checker's state (lexicon index, cursors, flags), to look at.
    const SpellingCheckerState& checker() const { return basSpellingChecker; }
    // Opens the lexicon for a check; false (after telling the user, naming
    // the lexicon folder) when it is missing or cannot be opened.
    bool OpenLexicon();
    // The lexicon is read once, off the user-interface thread, into the
    // word index that every check and the typing check then use; it is
    // read again only when another program changed the words file.
    // LoadLexicon starts the reading (unless it runs); LexiconLoaded takes
    // its outcome and starts the command that waited for it.
    void LoadLexicon();
    // The index is there and holds what the words file holds.
    bool lexiconReady() const;
    bool IsWordInLexicon(const QString& word);
    // The lexicon check is chosen when the lexicon's word database or the
    // lexicon application's start page is in the lexicon folder.
    bool lexiconPresent() const;

    // The check's commands: F12 checks the document (through the lexicon,
    // or the spelling service when no lexicon is installed), Ctrl+W the
    // highlighted word.
    void mSpellCheckDocument_Click();
    void mSpellCheckWord_Click();
    // The suggestion box's buttons and list.
    void cmdSkipWord_Click(int index);
    void cmdAddWord_Click();
    void cmdCloseSpellCk_Click();
    void FixSpelling();
    void lstSuggestions_Click();
    void lstSuggestions_DblClick();
    // The word the box shows.
    QString suggestionWord() const;

  private:
    void LexiconLoaded(const LoadedLexicon& loaded, qint64 stamp);
    // False when the word could not be stored (the user was told).
    bool AddWordToLexicon(const QString& word);
    void CloseLexicon();
    void BringOutSuggestionBox();
    void HideSuggestionBox();
    // The document scan: from 1-based position `start`, selects the next
    // word to look up, marks it red and bold and shows it in the word field;
    // at the end of the text it leaves nothing selected (and an empty word
    // field). A caller that walks many words holds the editor's text once
    // and passes it as `text` (the scan does not change the text).
    // `markup`, with `text`, is the text's markup map, made once for a walk.
    void NextWordToCheck(int start, const QString* text = nullptr,
                         const MarkupMap* markup = nullptr);
    // Empties the suggestion list and the replacement field and shows `word`.
    void ShowWordToCheck(const QString& word);
    // Fills the suggestion list for a word the lexicon rejected (and the
    // replacement field when the lexicon records the word as a misspelling).
    void SuggestSpellings(const QString& word);
    void CheckHighlightedWord();
    // Mode 1 first remembers the word for the rest of the run; then the
    // scan goes on to the next misspelled word, or ends the check.
    void SkipWordAndContinue(int mode);
    // The check by the spelling service: the whole text out, the corrected
    // text back, then the question whether to save it.
    void WordProcessorSpellCheck();
    // The suggestion box's fields as the check reads and writes them.
    void setSuggestionWord(const QString& word);
    QString suggestionReplacement() const;
    void setSuggestionReplacement(const QString& text);
    void setSuggestionList(const QStringList& entries);
    // The box is out, or on its way out: a check runs.
    bool suggestionBoxVisible() const;
    // Whether the box stands still, after putting a box on its way out in
    // its place.
    bool suggestionBoxSettled();
    // Single-word mode: a Ctrl+W check, whose close shows no completion message.
    bool singleWordCheck() const { return basSpellingChecker.NoCompletionMessage; }

    // The spelling checker's module state (lexicon, cursors, flags).
    SpellingCheckerState basSpellingChecker;

    // The typing check. True when typing can be checked; otherwise it has
    // the lexicon read (off the user-interface thread) and, when it cannot
    // be read and `tell` is set, the user hears of it once.
    bool OpenTypingLexicon(bool tell);
    void MarkTypedWord(int index, int start, int end, const QString& word);
    void CheckWordsTypedWhileLoading();
    struct TypedWordAt {
        int index;
        int start;
        int end;
        QString word;
    };
    std::vector<TypedWordAt> TypedWhileLoading; // words typed before the lexicon was in
    bool TypingCheckOff = false;                // the lexicon could not be read
    bool TypingCheckToldOff = false;
    bool TypingWantsTelling = false; // a file opened while the lexicon was being read
    QString TypingCheckOffReason;    // "<file>: <why>", for the message

    // The box's slide out and back. While it runs, the box's buttons (but
    // Close) and the check commands wait for it: they do nothing.
    shell::PanelSlider suggestionSlide_;
    // The box is on its way back, its check over.
    bool suggestionBoxLeaving_ = false;
};

} // namespace spelling
