#pragma once

#include <QString>

namespace editor {

struct FindOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool ignoreHtml = true;
};

// The word the find dialog starts with when nothing is selected: the run of
// letters the caret `p` (0-based) touches, before and after it. A caret just
// before a word takes that word, one inside or just after a word takes it
// whole, one between two non-letters takes nothing.
//   ("one two", 4) -> "two"    ("one two", 3) -> "one"    ("a - b", 2) -> ""
QString wordNearCaret(const QString& text, int p);

// Lower-cases character by character, so that positions stay as they are.
QString lowerKeepingLength(const QString& s);

// The next accepted match of `needle` in `hay`, searching from 1-based
// position `searchPos` + 1; 0 when there is none. Both strings are compared
// as given (callers lower-case them for a search that ignores case).
// A whole-word match has no letter or digit on either side; with
// `ignoreHtml` a match that begins inside a tag, a comment or a declaration
// is passed over (util/htmltokens.h tells markup from text).
//   ("cat concat cats", "cat", 0, whole words) -> 1, then from 1 -> 0
qsizetype findNext(const QString& hay, const QString& needle, qsizetype searchPos,
                   const FindOptions& options);

// True when 1-based position `pos` of `text` lies inside markup, by the
// rule above.
bool insideTag(const QString& text, qsizetype pos);

// Replace All from 1-based `searchPos` + 1: each match of the text as it
// stands is replaced, and the search goes on at the second character after
// the match, so adjacent matches are not all taken ("aaaa", aa -> b gives
// "baa"). One pass over the text, whatever the number of matches.
struct ReplaceAllResult {
    QString text;
    int count = 0;
    qsizetype searchPos = 0; // after the last replacement (0 when none)
};
ReplaceAllResult replaceAll(const QString& text, const QString& find, const QString& replacement,
                            qsizetype searchPos, const FindOptions& options);

} // namespace editor
