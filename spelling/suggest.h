#pragma once

#include "spelling/wordindex.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// The suggestion generator: the lexicon's words near a rejected word (by
// edits, by sound, from the table of common misspellings, run-together
// words split), ranked by how likely each is the word meant.
namespace spelling {

// Distance of two spellings with a few spelling-for-sound rewrites counted
// as one step; `word` is the misspelling, `entry` the candidate.
//   ("teh", "the") -> 1     ("fone", "phone") -> 1     ("nashun", "nation") -> 1
//   ("tickel", "tickle") -> 1   ("nite", "night") -> 1   ("a lot", anything) -> 1
int SoundDistance(const QString& word, const QString& entry);

// Two similarity measures of spellings: an alignment of the letters with
// skips (less the difference of the lengths), and the same walk that also
// takes two neighbouring letters swapped and withholds points after an
// unexplained difference. Both 0 when the lengths differ by 3 or more or a
// spelling is longer than 50 characters.
struct Similarity {
    int alignment = 0;
    int transposition = 0;
};
Similarity similarity(const QString& word, const QString& entry);

// How far apart a misspelling and a word are, as the mistakes people make
// weigh: a changed letter costs 1, less for a vowel for a vowel (0.6), a
// key beside it or a letter of like sound (0.7); a doubled letter written
// single or the other way round 0.4; two neighbours swapped 0.6; spellings
// of one sound for another ("ph" for "f", "ck" for "k", "tion" for
// "shun", ...) 0.5. Letters are compared without regard to case.
//   ("teh", "the") 0.6   ("recieve", "receive") 0.6   ("adress", "address") 0.4
//   ("fone", "phone") 0.5   ("shott", "short") 0.7   ("cat", "dog") 3
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
