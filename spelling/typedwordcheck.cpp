// The check of each word as it is typed: red for a spelling the lexicon
// does not have, blue for one without a word category, plain otherwise.
#include "spelling/spellingcontroller.h"

#include "editor/typedword.h"
#include "spelling/lexiconlookup.h"
#include "spelling/lexiconschema.h"
#include "util/strings.h"

namespace spelling {

using shell::crJoin;

using util::qs;

namespace {
constexpr int kRed = 255;
constexpr int kBlue = 16711680;
} // namespace

bool SpellingController::OpenTypingLexicon(bool tell) {
    auto& m = basSpellingChecker;
    if (m.index && !TypingCheckOff) {
        // Words another program added since are read in the background;
        // meanwhile typing goes on with the index as it is.
        if (!m.loading && !lexiconReady()) LoadLexicon();
        return true;
    }
    if (!TypingCheckOff) {
        // The reading tells the user, if need be, when it is done.
        if (tell) TypingWantsTelling = true;
        LoadLexicon();
        return basSpellingChecker.index != nullptr;
    }
    // Said when a file opens for editing, never in the middle of typing,
    // where a message box would swallow the keys that follow.
    if (tell && !TypingCheckToldOff) {
        TypingCheckToldOff = true;
        QString text = crJoin(qs("Words are not checked as you type: the spelling lexicon is "
                                 "missing or cannot be opened."),
                              qs("Lexicon folder: ") + paths_.lexiconFolder);
        if (!TypingCheckOffReason.isEmpty()) text = crJoin(text, TypingCheckOffReason);
        message(text);
    }
    return false;
}

void SpellingController::editorOpened() {
    OpenTypingLexicon(true);
}

void SpellingController::checkTypedWord(int index, const platform::KeyEvent& key) {
    auto& editor = *ui_.Text1[index];
    // A word never spans a line break: the caret's line is all it needs,
    // so a key costs the same in a large file as in a small one.
    const int caret = editor.selStart();
    int lineStart = 0;
    const QString line = editor.lineText(caret, &lineStart);
    editor::TypedWord w = editor::typedWord(line, caret - lineStart, key.keyCode, key.shift);
    w.start += lineStart;
    w.end += lineStart;
    if (!w.check || TypingCheckOff) return;

    if (!OpenTypingLexicon(false)) {
        // The lexicon is still being read (it starts with the program):
        // the words typed meanwhile are checked when it is in.
        if (basSpellingChecker.loading && TypedWhileLoading.size() < 256)
            TypedWhileLoading.push_back({index, w.start, w.end, w.word});
        return;
    }
    MarkTypedWord(index, w.start, w.end, w.word);
    editor.setSelStart(w.end);
    // What is typed next is plain, whatever the mark before it.
    editor.setSelColor(0);
    editor.setSelBold(false);
}

void SpellingController::MarkTypedWord(int index, int start, int end, const QString& word) {
    auto& editor = *ui_.Text1[index];
    const spelling::WordIndex& lexicon = *basSpellingChecker.index;

    // The word as written; a possessive "'s" dropped; a hyphenated word by
    // its parts, the outcome being the last part looked up.
    using spelling::WordStatus;
    auto status = [&](const QString& w) { return spelling::wordStatus(lexicon, w); };
    WordStatus found = status(word);
    if (found != WordStatus::Accepted && word.size() > 2 &&
        (word.endsWith(QLatin1String("'s")) || word.endsWith(QStringLiteral("\u2019s"))))
        found = status(word.chopped(2));
    if (found == WordStatus::NotInWords && word.contains(QLatin1Char('-'))) {
        const qsizetype dash = word.indexOf(QLatin1Char('-'));
        found = status(word.left(dash));
        if (found != WordStatus::NotInWords) found = status(word.mid(dash + 1));
    }
    // A derived word the checker accepts ("rewrite") is no mistake either.
    if (found != WordStatus::Accepted && spelling::checkWord(lexicon, word).accepted)
        found = WordStatus::Accepted;

    editor.setSelStart(start);
    editor.setSelLength(end - start);
    int mark = 0;
    if (found == WordStatus::NotInWords)
        mark = kRed;
    else if (found == WordStatus::NoCategory)
        mark = kBlue;
    if (mark != 0) {
        editor.setSelColor(mark);
        editor.setSelBold(true);
        // Only the character after the word is made plain again, so that
        // what is typed next does not take the mark.
        editor.setSelStart(end);
        editor.setSelLength(1);
    }
    editor.setSelColor(0);
    editor.setSelBold(false);
}

void SpellingController::CheckWordsTypedWhileLoading() {
    std::vector<TypedWordAt> words;
    words.swap(TypedWhileLoading);
    if (!basSpellingChecker.index || TypingCheckOff) return;
    for (const TypedWordAt& w : words) {
        platform::TextEditor* editor = ui_.Text1[w.index];
        if (!editor || !editor->visible()) continue;
        // Only a word still where it was typed: edits since may have moved
        // or changed it, and then its own key checked it again.
        int lineStart = 0;
        const QString line = editor->lineText(w.start, &lineStart);
        if (line.mid(w.start - lineStart, w.end - w.start) != w.word) continue;
        const int selStart = editor->selStart();
        const int selLength = editor->selLength();
        MarkTypedWord(w.index, w.start, w.end, w.word);
        editor->setSelStart(selStart);
        editor->setSelLength(selLength);
    }
}

} // namespace spelling
