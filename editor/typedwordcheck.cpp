// The check of each word as it is typed: red for a spelling the lexicon
// does not have, blue for one without a word category, plain otherwise.
#include "shell/tarnwellfileviewer.h"

#include "editor/typedword.h"
#include "spelling/lexiconlookup.h"
#include "spelling/lexiconschema.h"
#include "util/strings.h"

namespace shell {

using util::qs;

namespace {
constexpr int kRed = 255;
constexpr int kBlue = 16711680;
} // namespace

bool TarnwellFileViewer::OpenTypingLexicon(bool tell) {
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

void TarnwellFileViewer::CheckTypedWord(int index, const platform::KeyEvent& key) {
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

    if (!OpenTypingLexicon(false)) return;
    const spelling::WordIndex& lexicon = *basSpellingChecker.index;

    // The word as written; a possessive "'s" dropped; a hyphenated word by
    // its parts, the outcome being the last part looked up.
    using spelling::WordStatus;
    auto status = [&](const QString& word) { return spelling::wordStatus(lexicon, word); };
    WordStatus found = status(w.word);
    if (found != WordStatus::Accepted && w.word.size() > 2 &&
        (w.word.endsWith(QLatin1String("'s")) || w.word.endsWith(QStringLiteral("\u2019s"))))
        found = status(w.word.chopped(2));
    if (found == WordStatus::NotInWords && w.word.contains(QLatin1Char('-'))) {
        const qsizetype dash = w.word.indexOf(QLatin1Char('-'));
        found = status(w.word.left(dash));
        if (found != WordStatus::NotInWords) found = status(w.word.mid(dash + 1));
    }
    // A derived word the checker accepts ("rewrite") is no mistake either.
    if (found != WordStatus::Accepted && spelling::checkWord(lexicon, w.word).accepted)
        found = WordStatus::Accepted;

    editor.setSelStart(w.start);
    editor.setSelLength(w.end - w.start);
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
        editor.setSelStart(w.end);
        editor.setSelLength(1);
    }
    editor.setSelColor(0);
    editor.setSelBold(false);
    editor.setSelStart(w.end);
    // What is typed next is plain, whatever the mark before it.
    editor.setSelColor(0);
    editor.setSelBold(false);
}

} // namespace shell
