// The suggestion box: its fields as the check reads and writes them, and
// its slide out from under the editor's left edge and back.
#include "spelling/spellingcontroller.h"
#include "util/numbers.h"

namespace spelling {

namespace {
// The box moves 1.05 of its width, in 105 moves shown five at a time.
constexpr int kSlideMoves = 105;
constexpr int kMovesPerFrame = 5;
} // namespace

QString SpellingController::suggestionWord() const {
    return ui_.t_Word ? ui_.t_Word->text() : QString();
}

void SpellingController::setSuggestionWord(const QString& word) {
    if (ui_.t_Word) ui_.t_Word->setText(word);
}

QString SpellingController::suggestionReplacement() const {
    return ui_.t_Replace ? ui_.t_Replace->text() : QString();
}

void SpellingController::setSuggestionReplacement(const QString& text) {
    if (ui_.t_Replace) ui_.t_Replace->setText(text);
}

void SpellingController::setSuggestionList(const QStringList& entries) {
    platform::ListBox* list = ui_.lstSuggestions;
    if (!list) return;
    list->clear();
    for (const QString& e : entries)
        list->addItem(e);
}

bool SpellingController::suggestionBoxVisible() const {
    return ui_.frmSuggestions && ui_.frmSuggestions->visible() && !suggestionBoxLeaving_;
}

void SpellingController::BringOutSuggestionBox() {
    setSuggestionList({});
    setSuggestionReplacement({});
    setSuggestionWord({});
    platform::Panel* frame = ui_.frmSuggestions;
    if (!frame) return;
    if (platform::TextEditor* editor = ui_.Text1[1]) {
        suggestionSlide_.moveTo(*frame, editor->left());
        frame->setTop(editor->top());
    }
    suggestionBoxLeaving_ = false;
    frame->setVisible(true);
    frame->raise();
    const int step = util::roundHalfEven(frame->width() / 100.0);
    suggestionSlide_.start(*frame, -step, kSlideMoves, kMovesPerFrame);
}

bool SpellingController::suggestionBoxSettled() {
    // The box on its way out is put in its place at once: a key pressed as
    // soon as the word shows acts on it. On its way back it takes nothing.
    if (suggestionSlide_.running() && !suggestionBoxLeaving_) suggestionSlide_.finish();
    return !suggestionSlide_.running();
}

void SpellingController::HideSuggestionBox() {
    if (!suggestionBoxVisible()) return;
    platform::Panel* frame = ui_.frmSuggestions;
    // Back from where the slide out ends, so that it ends where it began.
    suggestionBoxSettled();
    suggestionBoxLeaving_ = true;
    const int step = util::roundHalfEven(frame->width() / 100.0);
    suggestionSlide_.start(*frame, step, kSlideMoves, kMovesPerFrame, [this, frame] {
        frame->setVisible(false);
        suggestionBoxLeaving_ = false;
    });
}

} // namespace spelling
