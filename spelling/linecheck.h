#pragma once

#include "platform/lexicon.h"
#include "spelling/wordindex.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

// The command-line checker: the document check's scan and lexicon verdicts
// over a line (or a whole text) at a time, and the ispell pipe protocol
// ("-a") on top of them.
namespace spelling {

// A word of a checked text as the scan cut it, with the lexicon's verdict.
struct CheckedWord {
    int start = 0; // 0-based, in UTF-16 units of the text
    // For a rejected word the spelling looked up (or the unknown part of a
    // hyphenated word); empty for an accepted one, which needs no copy.
    QString word;
    bool accepted = false;
};

// Cuts texts into words exactly as the document check does and asks the
// lexicon about each, with two differences that suit a pipe: every text is
// checked whatever its length, and plain text (no markup) can be read too.
//   "Helo wrld" -> Helo rejected at 0, wrld rejected at 5
//   "well-knwn" -> knwn rejected at 5 (the part after the hyphen goes on alone)
//   "<b>teh</b>" (HTML) -> teh rejected at 3; (plain) b, teh, b
class LineChecker {
  public:
    explicit LineChecker(const WordIndex& index) : index_(index) {}

    bool html = false;
    // Words the scan passes over (inner capitals, ordinals, numbers,
    // addresses) come back too, accepted, so that a pipe answers every word.
    bool everyWord = false;

    // The words of `text` in order. In HTML, a tag left open at the end of
    // a text goes on into the next texts up to its ">", as it would in one
    // document.
    std::vector<CheckedWord> check(const QString& text);

    // Words accepted whatever the lexicon says: exactly so, and for a word
    // in small letters also with a capital first letter or in capitals.
    void accept(const QString& word);
    bool isAcceptedByUser(const QString& word) const;

  private:
    bool verdict(QStringView word, CheckedWord& out, int& hyphenSkip);

    const WordIndex& index_;
    QSet<QString> userWords_;
    QSet<QString> rejectedMemory_; // plain spellings the lexicon rejected
    bool insideTag_ = false;
};

// Whether a word given to the pipe's "*", "&" and "@" commands may become a
// word of the lexicon: letters (accented ones too), with apostrophes and
// hyphens after the first letter, at most 64 characters, nothing that was
// not UTF-8 in the input.
//   "bridge", "Tarnwell", "o'clock", "café", "re-deal" -> true
//   "", "-x", "ab cd", "a1", "x<y>", 65 letters, "\uFFFD" -> false
bool isPlausibleWord(const QString& word);

// One ispell pipe session: a banner, then an answer for every input line.
//   "teh cat"   -> "& teh 3 0: the, tea, ten\n*\n\n"
//   "!" (terse) -> "" and from then on no "*" lines
//   "*wordd"    -> "" (accepted from now on, added to the lexicon at "#")
class IspellPipe {
  public:
    // `words` is the lexicon's `Words` table, which "#" appends to; the
    // index learns the words added. `program` and `version` go into the banner.
    IspellPipe(WordIndex& index, platform::TableCursor* words, const QString& program,
               const QString& version);

    void setHtml(bool html) { checker_.html = html; }
    // "@(#) International Ispell Version 3.2.06 (but really <program> <version>)"
    QString banner() const;
    // The answer to one input line (given without its line end): result
    // lines each ending in "\n", and an empty line after the results of a
    // text line; nothing for a command line.
    // Offsets count characters of the line as received (a leading "^"
    // included), from 0.
    QString answer(const QString& line);

    // Words added with "*" or "&" and not yet saved with "#".
    const QStringList& unsavedWords() const { return unsaved_; }
    // Messages for standard error (failed saves, refused words); emptied by the caller.
    QStringList errors;

  private:
    QString answerText(const QString& text, int offsetBase);
    bool acceptable(const QString& word, QChar command);
    void addPersonal(const QString& word);
    void save();

    WordIndex& index_;
    platform::TableCursor* words_;
    QString banner_;
    LineChecker checker_;
    bool terse_ = false;
    QStringList unsaved_;
};

} // namespace spelling
