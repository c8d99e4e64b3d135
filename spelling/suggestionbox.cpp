// The suggestion box: its fields as the check reads and writes them, and
// its slide out from under the editor's left edge and back.
#include "shell/tarnwellfileviewer.h"
#include "util/numbers.h"

namespace shell {
namespace {
// The box moves 1.05 of its width, in 105 moves with a pause after every fifth.
constexpr int kSlideMoves = 105;
constexpr int kMovesPerPause = 5;
constexpr double kPauseSeconds = 0.02;
} // namespace

QString TarnwellFileViewer::suggestionWord() const {
    return ui_.t_Word ? ui_.t_Word->text() : QString();
}

void TarnwellFileViewer::setSuggestionWord(const QString& word) {
    if (ui_.t_Word) ui_.t_Word->setText(word);
}

QString TarnwellFileViewer::suggestionReplacement() const {
    return ui_.t_Replace ? ui_.t_Replace->text() : QString();
}

void TarnwellFileViewer::setSuggestionReplacement(const QString& text) {
    if (ui_.t_Replace) ui_.t_Replace->setText(text);
}

void TarnwellFileViewer::setSuggestionList(const QStringList& entries) {
    platform::ListBox* list = ui_.lstSuggestions;
    if (!list) return;
    list->clear();
    for (const QString& e : entries) list->addItem(e);
}

bool TarnwellFileViewer::suggestionBoxVisible() const {
    return ui_.frmSuggestions && ui_.frmSuggestions->visible();
}

void TarnwellFileViewer::SlowItDown(double) {
    platform::EventPump* events = services_.events;
    if (!events) return;
    const double start = events->seconds();
    do {
        events->processEvents();
    } while (events->seconds() - start < kPauseSeconds);
}

void TarnwellFileViewer::BringOutSuggestionBox() {
    setSuggestionList({});
    setSuggestionReplacement({});
    setSuggestionWord({});
    platform::Panel* frame = ui_.frmSuggestions;
    if (!frame) return;
    if (platform::TextEditor* editor = ui_.Text1[1]) {
        suggestionSlide_.moveTo(*frame, editor->left());
        frame->setTop(editor->top());
    }
    frame->setVisible(true);
    frame->raise();
    const int slide = ++suggestionSlides_;
    const int from = suggestionSlide_.left(*frame);
    const int step = util::roundHalfEven(frame->width() / 100.0);
    ++slidesRunning_;
    for (int i = 1; i <= kSlideMoves; ++i) {
        // A newer slide (the box closed meanwhile) takes the frame over.
        if (slide != suggestionSlides_) break;
        suggestionSlide_.moveTo(*frame, from - i * step);
        if (i % kMovesPerPause == 0) SlowItDown(1);
    }
    --slidesRunning_;
}

void TarnwellFileViewer::HideSuggestionBox() {
    platform::Panel* frame = ui_.frmSuggestions;
    if (!frame || !frame->visible()) return;
    const int slide = ++suggestionSlides_;
    const int from = suggestionSlide_.left(*frame);
    const int step = util::roundHalfEven(frame->width() / 100.0);
    ++slidesRunning_;
    for (int i = 1; i <= kSlideMoves; ++i) {
        if (slide != suggestionSlides_) break;
        suggestionSlide_.moveTo(*frame, from + i * step);
        if (i % kMovesPerPause == 0) SlowItDown(1);
    }
    --slidesRunning_;
    if (slide == suggestionSlides_) frame->setVisible(false);
}

} // namespace shell
