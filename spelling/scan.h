#pragma once

#include <QSet>
#include <QString>
#include <QStringView>
#include <utility>
#include <vector>

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
    // A word passed over without a lookup (inner capitals or digits, an
    // ordinal, an address or file name, a number): only with
    // ScanRules::reportExempt, so that a pipe can answer it as correct.
    bool exempt = false;
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
    // Words passed over are returned too, marked exempt.
    bool reportExempt = false;
};

// What of a text the scan steps over: tags, comments, declarations,
// entities and the contents of SCRIPT and STYLE, as the HTML reader the
// markup commands share reads them (util/htmltokens.h). Made once for a text
// and kept while that text is scanned.
class MarkupMap {
  public:
    MarkupMap() = default;
    explicit MarkupMap(QStringView text);
    // The first 0-based position at or after `pos` that is not markup.
    qsizetype skip(qsizetype pos) const;

  private:
    std::vector<std::pair<qsizetype, qsizetype>> ranges_;
};

// The next word to look up from position `start` on. A word is letters
// (accented ones included) with inner digits, hyphens and apostrophes
// (' or the typographic one); addresses, e-mail addresses and file names
// ("http://x.org", "ann@x.org", "page.htm") are no words. Trailing blanks of the
// text are ignored; words in `skipAll` (exact case) are passed over. A
// caller that scans one text many times passes its markup map; without one
// the scan reads the text's markup itself.
ScanStop nextWordToCheck(const QString& text, int start, const QSet<QString>& skipAll,
                         const ScanRules& rules = {}, const MarkupMap* markup = nullptr);

// Steps over markup from 1-based `pos` (whose character is `ch`); both are
// updated to the first character after it.
//   "<b>Helo" at 1 -> pos 4 (H)      "&nbsp;<a href>x" at 1 -> pos 15 (x)
void skipMarkup(const MarkupMap& markup, const QString& text, QChar& ch, int& pos, int limit);

// Whether a scanned word is passed over without a lookup; `pos` is the
// position just after the word in `text`. An ordinal ending passes when it
// is the right one for the number before it.
//   "USA", "iPhone", "mp3", "xxx", "x-ray", "'s", "21st", "11th" -> true
//   "21th" (the word "th" after 21), "Helo" -> false
bool isWordExempt(QStringView word, int pos, const QString& text, const QSet<QString>& skipAll);

} // namespace spelling
