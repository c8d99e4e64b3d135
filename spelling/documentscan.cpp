// The document check's walk through the source: the next word to look up,
// highlighted in the editor and shown in the suggestion box.
#include "spelling/scan.h"
#include "spelling/spellingcontroller.h"

namespace spelling {

namespace {
constexpr int kRed = 255;
} // namespace

void SpellingController::NextWordToCheck(int start, const QString* text,
                                         const spelling::MarkupMap* markup) {
    auto& m = basSpellingChecker;
    setSuggestionWord({});
    platform::TextEditor* editor = ui_.Text1[1];
    if (!editor) return;
    if (editor->selLength() > 0) {
        editor->setSelColor(0);
        editor->setSelBold(false);
    }
    const QString editorText = text ? QString() : editor->text();
    const spelling::ScanStop stop = spelling::nextWordToCheck(
        text ? *text : editorText, start, m.skipAllSet, {}, text ? markup : nullptr);
    switch (stop.kind) {
    case spelling::ScanStop::Kind::TooShort:
        return;
    case spelling::ScanStop::Kind::EndOfText:
        editor->setSelLength(0);
        return;
    case spelling::ScanStop::Kind::NoMoreWords:
        message(QStringLiteral("No more misspelled words found."));
        CloseLexicon();
        return;
    case spelling::ScanStop::Kind::Word:
        editor->setSelStart(stop.start);
        editor->setSelLength(stop.length);
        editor->setSelColor(kRed);
        editor->setSelBold(true);
        ShowWordToCheck(editor->selText());
        m.CheckSelStart = stop.start;
        m.CheckSelLength = stop.length;
        return;
    }
}

void SpellingController::ShowWordToCheck(const QString& word) {
    setSuggestionList({});
    setSuggestionReplacement({});
    setSuggestionWord(word);
}

} // namespace spelling
