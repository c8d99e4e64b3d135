#pragma once

#include "spelling/wordindex.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// The suggestion generator: the lexicon's words near a rejected word (by
// edits, by sound, from the table of common misspellings, run-together
// words split), ranked by how likely each is the word meant.
namespace spelling {

// How far apart a misspelling and a word are, as the mistakes people make
// weigh: a changed letter costs 1, less for a vowel for a vowel (0.6), a
// key beside it or a letter of like sound (0.7); a doubled letter written
// single or the other way round 0.4; two neighbours swapped 0.6; spellings
// of one sound for another ("ph" for "f", "ck" for "k", "tion" for
// "shun", ...) 0.5. Letters are compared without regard to case.
//   ("teh", "the") 0.6   ("recieve", "receive") 0.5   ("adress", "address") 0.4
//   ("fone", "phone") 0.5   ("shott", "short") 0.7   ("cat", "bus") 2.6
double typingDistance(QStringView word, QStringView entry);

// The weights of the ranking; the defaults are what the program uses.
struct RankingWeights {
    double frequency = 0.35;    // per frequency class ("FreqUsed"), lower is more common
    double properName = 0.6;    // a name offered for a word in small letters
    double firstLetter = 0.4;   // a first letter other than the word's
    double sameSoundKey = 0.25; // bonus: the word's sound key
    double commonMisspelling = 1.5; // bonus: the table of common misspellings gives it
    double splitWord = 1.0;     // cost of splitting a run-together word in two
    double widest = 1.6;        // offered only within this score of the best
    int most = 10;              // at most this many suggestions
};

struct SuggestionResult {
    // Best first, each spelling once, in the capitals of the word
    // ("Teh" -> "The", "TEH" -> "THE").
    QStringList list;
    // The correction of a misspelling the lexicon records, else empty.
    QString replacement;
    // The ranked candidates with their scores and frequency classes,
    // "0.95 (0.08) - the", for the hidden work list.
    QStringList work;
    std::int32_t lastWordId = 0; // the "id" of the last word listed
};

// Suggestions for `word` (as typed).
SuggestionResult suggestSpellings(const QString& word, const WordIndex& index,
                                  const RankingWeights& weights = {});

} // namespace spelling
