#pragma once

#include <QSet>
#include <QString>

// Cutting the HTML source into the words the document check looks up.
// Positions are 1-based character positions in the text, as the check's
// cursor (the editor selection start plus 1) counts them.
namespace spelling {

// Texts shorter than this are never checked.
constexpr int kShortestCheckedText = 100;

// Where the scan stopped.
//   text "...<b>Helo</b> there..." from its start -> Word at Helo
//   "... see bridgebase.com for ..." -> the scan jumps past "com" to the next ">"
struct ScanStop {
    enum class Kind {
        TooShort,    // the text is under 100 characters: nothing is checked
        EndOfText,   // no word left before the end of the text
        NoMoreWords, // "com" or an apostrophe token in the last 100 characters
        Word,        // a word to look up: `start` (0-based) and `length`
    };
    Kind kind = Kind::EndOfText;
    int start = 0;
    int length = 0;
};

// How a scan reads its text. The document check uses the defaults; the
// command-line checker reads a line at a time (`shortestText` 0: every line
// is checked) and plain text as well as HTML.
struct ScanRules {
    // Texts shorter than this are not checked, and "com" or an apostrophe
    // token this close to the end ends the scan (NoMoreWords).
    int shortestText = kShortestCheckedText;
    // Tags and entities are stepped over, and the scan jumps from "com" to
    // the next ">". Off (plain text): "<" and "&" are ordinary non-letters
    // and "com" is passed over like any exempt word.
    bool html = true;
};

// The next word to look up from position `start` on. Trailing blanks of the
// text are ignored; words in `skipAll` (exact case) are passed over.
ScanStop nextWordToCheck(const QString& text, int start, const QSet<QString>& skipAll,
                         const ScanRules& rules = {});

// Steps over tags and entities from `pos` (whose character is `ch`); both are
// updated. An unclosed "<" is stepped over alone; an "&" is stepped over
// with its entity only when a name of letters and digits, beginning with a
// small letter and closed by ";", follows; else it is stepped over alone.
//   "<b>Helo" at 1 -> pos 4 (H)      "&nbsp;x" at 1 -> pos 7 (x)
//   "& x" at 1 -> stays at 1         "&Zeta;" at 1 -> pos 2 (Z)
void skipMarkup(const QString& text, QChar& ch, int& pos, int limit);

// Whether a scanned word is passed over without a lookup; `pos` is the
// position just after the word in `text`.
//   "USA", "iPhone", "mp3", "xxx", "x-ray", "'s", "21st" (with 2 before it) -> true
//   "11th" (the word "th" with 1 before it), "Helo" -> false
bool isWordExempt(const QString& word, int pos, const QString& text, const QSet<QString>& skipAll);

} // namespace spelling
