#pragma once

#include "spelling/wordindex.h"

// The lexicon's verdict on words, and adding a word to its tables.
namespace spelling {

// The record that makes `word` a word, -1 when none does. A word is
// accepted in the case it is stored in, with a capital first letter when
// it is stored in small letters (a sentence starts with it), and in
// capitals. The lookup takes typographic apostrophes for "'".
//   "paris" (only "Paris" stored) -> -1      "Paris", "PARIS" -> Paris
//   "The" ("the" stored) -> the              "tHe" -> -1
int acceptingForm(const WordIndex& index, QStringView word);

enum class WordStatus { NotInWords, NoCategory, Accepted };
// Whether a spelling is a word (Accepted), is in `Words` in one of the
// forms above without being a word (a recorded misspelling, a record whose
// entries are no word category), or is not there at all.
WordStatus wordStatus(const WordIndex& index, QStringView word);

// The lexicon's verdict on a word of the document, with what the checker
// shows when a hyphenated word fails on one of its parts.
//   "dog" (in Words, category noun) -> accepted
//   "well-knwn" (well known, knwn not) -> rejected, RightPartUnknown at 5
//   "rewrite" (only write in Words) -> accepted by the prefix rule
struct LexiconVerdict {
    enum class Hyphen { None, LeftPartUnknown, RightPartUnknown };
    bool accepted = false;
    Hyphen hyphen = Hyphen::None;
    int hyphenPosition = 0; // 1-based position of the first "-" in the trimmed word
    QString leftPart;       // the part before it
    bool oneCharacterAfterHyphen = false;
};
LexiconVerdict checkWord(const WordIndex& index, const QString& word);

// The prefix rule: a word that is not stored is still a word when it is
// "re", "un", "de", "pre" or "non" before an ordinary word of at least
// three letters (categorised, in small letters, no name and no recorded
// misspelling) of a part of speech the prefix goes with ("re" and "de"
// verbs; "un" verbs, adjectives and adverbs, unless "in", "im", "il",
// "ir" or "dis" makes the word; "pre" verbs, nouns and adjectives; "non"
// nouns and adjectives), unless one edit (a letter changed, left out,
// added, or two swapped) makes it an ordinary word: "rewrite" and
// "nonbridge" pass; "desing" (design), "reson" (reason), "untl" (until),
// "rearrant" (an adjective) and "uncorrect" (incorrect) do not.
bool prefixedWord(const WordIndex& index, QStringView word);

// Appends `word` (already trimmed, not empty) to `Words` as a word added by
// the user: the next "id", its sound key and sorted letters, no `Velmora`
// entry. Returns 0 or the store's error number (and the new "id" in
// `newId`); the cursor stays on the record that was last before the append.
int appendUserWord(platform::TableCursor& words, const QString& word, QString* detail = nullptr,
                   qint64* newId = nullptr);

// Equal as the "Text" index compares: ASCII letters without regard to case,
// every other character exactly.
bool sameIgnoringAsciiCase(const QString& a, const QString& b);

// Removes leading and trailing blanks (spaces), nothing else.
QString trimBlanks(const QString& s);

} // namespace spelling
