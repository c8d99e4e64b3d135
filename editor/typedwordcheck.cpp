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
    if (TypingWords && TypingVelmora) return true;
    if (!TypingCheckOff) {
        namespace lex = spelling::lexicon;
        QString reason;
        // The first failure is the one reported, with its file's name.
        auto failed = [&](const QString& file, const QString& why) {
            if (reason.isEmpty()) reason = file + qs(": ") + why;
        };
        const QString folder = paths_.lexiconFolder;
        QString why;
        if (services_.lexicon) {
            TypingLinksDatabase = services_.lexicon->open(folder + lex::linksFile(), &why);
            if (!TypingLinksDatabase) failed(lex::linksFile(), why);
            TypingWordsDatabase = services_.lexicon->open(folder + lex::wordsFile(), &why);
            if (!TypingWordsDatabase) failed(lex::wordsFile(), why);
        }
        if (TypingLinksDatabase) {
            TypingVelmora = TypingLinksDatabase->openTable(lex::linksTable(), &why);
            if (!TypingVelmora) failed(lex::linksFile(), why);
        }
        if (TypingWordsDatabase) {
            TypingWords = TypingWordsDatabase->openTable(lex::wordsTable(), &why);
            if (!TypingWords) failed(lex::wordsFile(), why);
        }
        if (TypingWords && TypingVelmora) {
            // The first lookup loads the lexicon's index: let it happen now,
            // as the file opens, rather than in the middle of a word.
            spelling::hasWordCategory(*TypingVelmora, spelling::findWordId(*TypingWords, qs("the")).value_or(0));
            return true;
        }
        TypingCheckOff = true;
        TypingCheckOffReason = reason;
        TypingWords.reset();
        TypingVelmora.reset();
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

    // A check in progress holds the lexicon open; otherwise typing keeps
    // its own cursors, opened once.
    platform::TableCursor* words = basSpellingChecker.Words.get();
    platform::TableCursor* velmora = basSpellingChecker.Velmora.get();
    if (!words || !velmora) {
        if (!OpenTypingLexicon(false)) return;
        words = TypingWords.get();
        velmora = TypingVelmora.get();
    }

    // The word as written; a possessive "'s" dropped; a hyphenated word by
    // its parts, the outcome being the last part looked up.
    std::optional<qint64> id = spelling::findWordId(*words, w.word);
    if (!id && w.word.endsWith(QLatin1String("'s"))) id = spelling::findWordId(*words, w.word.chopped(2));
    if (!id && w.word.contains(QLatin1Char('-'))) {
        const qsizetype dash = w.word.indexOf(QLatin1Char('-'));
        id = spelling::findWordId(*words, w.word.left(dash));
        if (id) id = spelling::findWordId(*words, w.word.mid(dash + 1));
    }

    editor.setSelStart(w.start);
    editor.setSelLength(w.end - w.start);
    int mark = 0;
    if (!id)
        mark = kRed;
    else if (!spelling::hasWordCategory(*velmora, *id))
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
