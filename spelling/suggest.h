#pragma once

#include "platform/lexicon.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The suggestion generator: candidate spellings made by fixed edits of a
// rejected word, kept when the lexicon holds them, ranked by sound,
// similarity and frequency.
namespace spelling {

// Distance of two spellings with a few spelling-for-sound rewrites counted
// as one step; `word` is the misspelling, `entry` the candidate.
//   ("teh", "the") -> 1     ("fone", "phone") -> 1     ("nashun", "nation") -> 1
//   ("tickel", "tickle") -> 1   ("nite", "night") -> 1   ("a lot", anything) -> 1
int SoundDistance(const QString& word, const QString& entry);

// The two similarity measures of the ranking: an alignment of the letters
// with skips (less the difference of the lengths), and the same walk that
// also takes two neighbouring letters swapped and withholds points after an
// unexplained difference. Both 0 when the lengths differ by 3 or more or a
// spelling is longer than 50 characters.
struct Similarity {
    int alignment = 0;
    int transposition = 0;
};
Similarity similarity(const QString& word, const QString& entry);

// A list kept in alphabetical order without regard to case, as the sorted
// list box of the suggestion box keeps it. Spellings that differ only in
// case keep a fixed order among themselves and an entry goes after its
// equals, so duplicates are neighbours.
class SortedWorkList {
  public:
    void add(const QString& entry);
    void clear() { entries_.clear(); }
    const std::vector<QString>& entries() const { return entries_; }
    // ASCII letters folded to small letters, then code units; case decides
    // only between otherwise equal entries.
    static bool before(const QString& a, const QString& b);

  private:
    std::vector<QString> entries_;
};

// The tables the generator reads; it moves their cursors and leaves them anywhere.
struct SuggestionTables {
    platform::TableCursor& words;
    platform::TableCursor& velmora;
    platform::TableCursor* misspellings = nullptr; // "z_Misspelling-Wikipedia"
};

struct SuggestionResult {
    QStringList list;        // the suggestion list, best first
    QString replacement;     // the correction of a recorded misspelling, else empty
    QStringList work;        // the ranked work list, with its "d (f) - " prefixes
    std::int32_t lastWordId = 0; // the "id" last found by the ranking's word lookup
};

// Suggestions for `word` (as typed) whose sound key is `key`.
SuggestionResult suggestSpellings(const QString& word, const QString& key,
                                  const SuggestionTables& tables);

} // namespace spelling
