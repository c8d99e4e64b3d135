#pragma once

#include "platform/lexicon.h"

#include <QSet>
#include <QString>
#include <optional>

// Lookups of words in the lexicon tables, through table cursors. They move
// the cursors they are given and leave them anywhere.
namespace spelling {

// The "id" of `word` in `Words`, found through the index "Text", which
// compares without regard to case: the record spelt exactly so when there
// is one, else the first of those differing only in case.
std::optional<qint64> findWordId(platform::TableCursor& words, const QString& word);

// Whether the word numbered `wordId` is a real word: it has no `Velmora`
// entry at all (a word added by hand), or one with a word category.
bool hasWordCategory(platform::TableCursor& velmora, qint64 wordId);

enum class WordStatus { NotInWords, NoCategory, Accepted };
// The two steps together, for a spelling taken as it is.
WordStatus wordStatus(platform::TableCursor& words, platform::TableCursor& velmora,
                      const QString& word);

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
LexiconVerdict checkWord(platform::TableCursor& words, platform::TableCursor& velmora,
                         const QString& word);

// checkWord with a memory of the plain spellings already accepted during
// one check (a document repeats most of its words); hyphenated words, whose
// verdict also moves the check, are always looked up. The caller empties
// `accepted` whenever the lexicon may have changed.
LexiconVerdict checkWordRemembered(platform::TableCursor& words, platform::TableCursor& velmora,
                                   const QString& word, QSet<QString>& accepted);

// Appends `word` (already trimmed, not empty) to `Words` as a word added by
// the user: the next "id", its sound key and sorted letters, no `Velmora`
// entry. Returns 0 or the store's error number; the cursor stays on the
// record that was last before the append.
int appendUserWord(platform::TableCursor& words, const QString& word, QString* detail = nullptr);

// Equal as the "Text" index compares: ASCII letters without regard to case,
// every other character exactly.
bool sameIgnoringAsciiCase(const QString& a, const QString& b);

// Removes leading and trailing blanks (spaces), nothing else.
QString trimBlanks(const QString& s);

} // namespace spelling
