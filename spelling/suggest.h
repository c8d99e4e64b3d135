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
// weigh: a letter left out costs less than a letter too many, a doubled
// letter or a double written single little, a vowel for a vowel or a key
// beside the right one less than an unlike letter, two neighbours swapped
// little, one spelling of a sound for another ("ph" for "f", "ck" for "k",
// "tion" for "shun", "ie" for "ei", ...) little. Letters are compared
// without regard to case. The costs were tuned on real misspellings
// (bench/suggest_tune):
//   ("teh", "the") 0.6   ("recieve", "receive") 0.3   ("adress", "address") 0.2
//   ("fone", "phone") 0.3   ("shott", "short") 0.6   ("cat", "bus") 3.2
struct TypingCosts {
    double vowelForVowel = 0.8;  // a vowel written for another
    double keyBeside = 0.85;     // a key beside the right one, or a letter of like sound
    double otherLetter = 1.2;    // any other letter for the right one
    double doubled = 0.2;        // a letter doubled, or a double written single
    double missingVowel = 0.5;   // a vowel left out
    double missingLetter = 0.4;  // another letter left out
    double extraBesideKey = 0.8; // a letter too many, on a key beside its neighbour
    double extraLetter = 0.8;    // another letter too many
    double swap = 0.6;           // two neighbours swapped
    double rewrite = 0.3;        // one spelling of a sound for another
};
double typingDistance(QStringView word, QStringView entry, const TypingCosts& costs = {});

// The weights of the ranking; the defaults are what the program uses.
struct RankingWeights {
    double frequency = 0.3;         // per frequency class ("FreqUsed"), lower is more common
    double properName = 0.6;        // a name offered for a word in small letters
    double firstLetter = 0.2;       // a first letter other than the word's
    double sameSoundKey = 0.25;     // bonus: the word's sound key
    double commonMisspelling = 1.5; // bonus: the table of common misspellings gives it
    double splitWord = 1.8;         // cost of splitting a run-together word in two
    double prefixedWord = 2.0;      // frequency classes added to a word the prefix rule makes
    double widest = 1.6;            // offered only within this score of the best
    int most = 10;                  // at most this many suggestions
    int longWord = 10;              // from this length on, words three edits away are candidates
                                    // too, when they begin with the word's first letter
    TypingCosts typing;
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
