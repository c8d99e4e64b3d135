#pragma once

#include "platform/lexicon.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

// The lexicon as the checker consults it: every spelling of `Words` with
// what its `Velmora` entries say about it, read once from the tables and
// kept in memory. The word test is one hash lookup of the exact spelling;
// the spellings that differ only in case, the sound keys and the table of
// common misspellings are there for the suggestions.
namespace spelling {

class WordTrie;

class WordIndex {
  public:
    enum Flag : quint16 {
        HasLinks = 1,     // the word has `Velmora` entries
        Categorised = 2,  // one of them is a word category (30000..30210)
        ProperName = 4,   // one of them is the proper-name category
        SplitPart = 8,    // one may stand as a part of a run-together word
        UserWord = 16,    // added by the user (Tag 999), this record or one of its spelling
        Accepted = 32,    // the spelling is a word: categorised, without entries, or added
        Misspelling = 64, // recorded as a misspelling of `correction`
        Noun = 128,       // the parts of speech its categories name
        Verb = 256,
        Adjective = 512,
        Adverb = 1024,
    };

    struct Entry {
        QString text;
        QString soundKey;
        qint64 id = 0;
        float freq = NAN; // "FreqUsed"; NaN when empty
        int tag = 0;
        int correction = -1;  // for a recorded misspelling, the entry of its correct form
        int nextVariant = -1; // the next entry spelt alike without regard to case, in stored order
        quint16 flags = 0;
        bool has(Flag f) const { return (flags & f) != 0; }
        bool hasFrequency() const { return !std::isnan(freq); }
    };

    WordIndex();
    ~WordIndex();
    WordIndex(const WordIndex&) = delete;
    WordIndex& operator=(const WordIndex&) = delete;

    // Building, in the tables' stored order: the words, then their links,
    // then finish(); the misspelling pairs at any time.
    void addWord(qint64 id, const QString& text, const QString& soundKey, int tag,
                 std::optional<double> freq);
    void addLink(qint64 entryId, qint64 wordId, qint64 linkId, std::optional<qint64> startId);
    void finish();
    void addMisspellingPair(const QString& wrong, const QString& right);

    // A word the user added while the index is in use (already stored in
    // `Words` under `id`): accepted from now on, whatever the lexicon
    // recorded for its spelling before.
    void addUserWord(qint64 id, const QString& text, const QString& soundKey);

    int size() const { return int(entries_.size()); }
    const Entry& at(int i) const { return entries_[size_t(i)]; }

    // The first record spelt exactly so; -1 when none.
    int find(QStringView spelling) const;
    // The same, with its flags, which the word test reads without touching
    // the record (0 when there is none).
    int find(QStringView spelling, quint16* flags) const;
    // The first record (in stored order) spelt alike without regard to
    // case; the others follow through Entry::nextVariant. -1 when none.
    int findVariants(QStringView spelling) const;
    // The records whose sound key is `key`, in stored order.
    const std::vector<int>& withSoundKey(const QString& key) const;
    // Corrections the table of common misspellings gives for `wrong`
    // (ASCII letters compared without regard to case), in stored order.
    QStringList corrections(QStringView wrong) const;
    // The spellings in a trie, case folded, for searches by edit distance.
    const WordTrie& trie() const;
    // Builds what only the suggestions use (the trie, the sound keys), which
    // otherwise comes at the first suggestion: for a reader in the
    // background that hands the index to the user-interface thread.
    void prepareSuggestions() const;

    bool accepted(int i) const { return i >= 0 && at(i).has(Accepted); }
    // A word the language has, not a name, an abbreviation in capitals or
    // a recorded misspelling: categorised, in small letters.
    bool ordinary(int i) const;
    // The id the next appended word gets: the highest plus one.
    qint64 nextId() const { return maxId_ + 1; }

    // Letters folded as the case-blind lookups fold them.
    static QChar fold(QChar c);

  private:
    int insertEntry(Entry e);
    void grow();
    int entryOfId(qint64 id) const;
    void syncFlags(int entry);

    std::vector<Entry> entries_;
    // The exact spellings, open addressing: each slot holds the hash, the
    // first record, where its letters are in `pool_` and the record's
    // flags, so that the word test reads the slot and the letters only.
    struct Slot {
        quint32 hash = 0;
        qint32 entry = -1; // -1: empty
        quint32 offset = 0;
        quint16 length = 0;
        quint16 flags = 0;
    };
    std::vector<Slot> exact_;
    std::vector<char16_t> pool_;
    bool sameAs(QStringView spelling, const Slot& slot) const;
    // Spellings alike without regard to case: the first record and the hash.
    struct FoldSlot {
        qint32 entry = -1;
        quint32 hash = 0;
    };
    std::vector<FoldSlot> folded_;
    std::vector<std::pair<int, int>> duplicates_; // (first record, a later one of its spelling)
    std::vector<qint32> byId_; // "id" -> record, for the ids of a lexicon (small numbers)
    QHash<qint64, int> byLargeId_;
    qint64 maxId_ = 0;
    // Link bookkeeping while loading.
    std::vector<char> firstLinkSeen_;
    std::vector<std::pair<int, qint64>> pendingStarts_; // misspelling entry, startID
    std::vector<std::pair<qint64, qint64>> entryWords_; // Velmora "ID" -> "WordID"
    QHash<QString, QStringList> corrections_;
    mutable std::unique_ptr<QHash<QString, std::vector<int>>> soundKeys_;
    mutable std::unique_ptr<WordTrie> trie_;
};

// The three lexicon files opened and read into an index.
struct LoadedLexicon {
    std::shared_ptr<WordIndex> index;
    QString failedFile; // the file that could not be read, when index is null
    QString reason;
};
LoadedLexicon loadLexicon(platform::LexiconStore& store, const QString& folder);
// The same from databases already open.
std::shared_ptr<WordIndex> loadWordIndex(platform::LexiconDatabase& words,
                                         platform::LexiconDatabase& links, QString* error,
                                         bool* wordsFailed = nullptr);

// A lexicon word's spelling in the apostrophes and form the index keeps:
// typographic apostrophes (U+2019) written "'", accents composed (NFC).
QString lexiconForm(QStringView word);

} // namespace spelling
