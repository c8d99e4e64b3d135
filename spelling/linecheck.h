#pragma once

#include "platform/lexicon.h"

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
    QString word;  // the spelling looked up (or the unknown part of a hyphenated word)
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
    LineChecker(platform::TableCursor& words, platform::TableCursor& velmora)
        : words_(words), velmora_(velmora) {}

    bool html = false;

    // The words of `text` in order. In HTML, a tag left open at the end of
    // a text goes on into the next texts up to its ">", as it would in one
    // document.
    std::vector<CheckedWord> check(const QString& text);

    // Words accepted whatever the lexicon says: exactly so, and for a word
    // in small letters also with a capital first letter or in capitals.
    void accept(const QString& word);
    bool isAcceptedByUser(const QString& word) const;

  private:
    bool verdict(const QString& word, CheckedWord& out, int& hyphenSkip);

    platform::TableCursor& words_;
    platform::TableCursor& velmora_;
    QSet<QString> userWords_;
    QSet<QString> acceptedMemory_; // spellings the lexicon accepted
    QSet<QString> rejectedMemory_; // plain spellings it rejected
    bool insideTag_ = false;
};

// One ispell pipe session: a banner, then an answer for every input line.
//   "teh cat"   -> "& teh 3 0: the, tea, ten\n*\n\n"
//   "!" (terse) -> "" and from then on no "*" lines
//   "*wordd"    -> "" (accepted from now on, added to the lexicon at "#")
class IspellPipe {
  public:
    struct Tables {
        platform::TableCursor& words;
        platform::TableCursor& velmora;
        platform::TableCursor* misspellings = nullptr;
    };
    // `program` and `version` go into the banner.
    IspellPipe(const Tables& tables, const QString& program, const QString& version);

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
    // Messages of failed saves, for standard error; emptied by the caller.
    QStringList errors;

  private:
    QString answerText(const QString& text, int offsetBase);
    void addPersonal(const QString& word);
    void save();

    Tables tables_;
    QString banner_;
    LineChecker checker_;
    bool terse_ = false;
    QStringList unsaved_;
};

} // namespace spelling
