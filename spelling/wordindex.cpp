#include "spelling/wordindex.h"

#include "spelling/lexiconschema.h"
#include "spelling/wordtrie.h"

#include <algorithm>

namespace spelling {
namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

quint32 hashExact(QStringView s) {
    quint32 h = 2166136261u;
    for (QChar c : s) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h;
}

quint32 hashFolded(QStringView s) {
    quint32 h = 2166136261u;
    for (QChar c : s) {
        h ^= WordIndex::fold(c).unicode();
        h *= 16777619u;
    }
    return h;
}

bool sameFolded(QStringView a, QStringView b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (WordIndex::fold(a[i]) != WordIndex::fold(b[i])) return false;
    return true;
}

QString asciiFolded(QStringView s) {
    QString r = s.toString();
    for (QChar& c : r)
        if (c.unicode() >= u'A' && c.unicode() <= u'Z') c = QChar(c.unicode() + 32);
    return r;
}

} // namespace

// Spellings are short: a loop beats a call of memcmp.
bool WordIndex::sameAs(QStringView b, const Slot& slot) const {
    if (slot.length != b.size()) return false;
    const char16_t* x = pool_.data() + slot.offset;
    const char16_t* y = b.utf16();
    for (qsizetype i = 0; i < b.size(); ++i)
        if (x[i] != y[i]) return false;
    return true;
}

WordIndex::WordIndex() {
    exact_.assign(1 << 10, Slot{});
    folded_.assign(1 << 10, FoldSlot{});
}

WordIndex::~WordIndex() = default;

QChar WordIndex::fold(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + 32)) : c;
    return c.toLower();
}

// Twice the slots; every slot keeps its hash, so nothing is hashed or
// compared again.
void WordIndex::grow() {
    const size_t cap = exact_.size() * 2, mask = cap - 1;
    std::vector<Slot> exact(cap);
    for (const Slot& slot : exact_) {
        if (slot.entry < 0) continue;
        size_t s = slot.hash & mask;
        while (exact[s].entry >= 0)
            s = (s + 1) & mask;
        exact[s] = slot;
    }
    exact_.swap(exact);
    std::vector<FoldSlot> folded(cap);
    for (const FoldSlot& slot : folded_) {
        if (slot.entry < 0) continue;
        size_t s = slot.hash & mask;
        while (folded[s].entry >= 0)
            s = (s + 1) & mask;
        folded[s] = slot;
    }
    folded_.swap(folded);
}

int WordIndex::insertEntry(Entry e) {
    if ((entries_.size() + 1) * 2 > exact_.size()) grow();
    const int i = int(entries_.size());
    const size_t mask = exact_.size() - 1;
    const QStringView text(e.text);
    const quint32 h = hashExact(text);
    size_t s = h & mask;
    while (exact_[s].entry >= 0 && !(exact_[s].hash == h && sameAs(text, exact_[s])))
        s = (s + 1) & mask;
    if (exact_[s].entry < 0) {
        Slot slot;
        slot.hash = h;
        slot.entry = i;
        slot.offset = quint32(pool_.size());
        slot.length = quint16(std::min<qsizetype>(text.size(), 0xFFFF));
        slot.flags = e.flags;
        pool_.insert(pool_.end(), text.utf16(), text.utf16() + slot.length);
        exact_[s] = slot;
    } else {
        duplicates_.emplace_back(exact_[s].entry, i);
    }
    const quint32 fh = hashFolded(text);
    size_t f = fh & mask;
    while (folded_[f].entry >= 0 &&
           !(folded_[f].hash == fh && sameFolded(entries_[size_t(folded_[f].entry)].text, text)))
        f = (f + 1) & mask;
    if (folded_[f].entry < 0) {
        folded_[f] = {i, fh};
    } else {
        int tail = folded_[f].entry;
        while (entries_[size_t(tail)].nextVariant >= 0)
            tail = entries_[size_t(tail)].nextVariant;
        entries_[size_t(tail)].nextVariant = i;
    }
    if (e.id >= 0 && e.id < (qint64(1) << 24)) {
        if (byId_.size() <= size_t(e.id)) byId_.resize(size_t(e.id) + 1 + byId_.size() / 2, -1);
        if (byId_[size_t(e.id)] < 0) byId_[size_t(e.id)] = i;
    } else if (!byLargeId_.contains(e.id)) {
        byLargeId_.insert(e.id, i);
    }
    maxId_ = std::max(maxId_, e.id);
    entries_.push_back(std::move(e));
    return i;
}

int WordIndex::entryOfId(qint64 id) const {
    if (id >= 0 && size_t(id) < byId_.size()) return byId_[size_t(id)];
    return byLargeId_.value(id, -1);
}

void WordIndex::syncFlags(int entry) {
    const Entry& e = entries_[size_t(entry)];
    const size_t mask = exact_.size() - 1;
    const quint32 h = hashExact(e.text);
    for (size_t s = h & mask; exact_[s].entry >= 0; s = (s + 1) & mask)
        if (exact_[s].entry == entry) {
            exact_[s].flags = e.flags;
            return;
        }
}

void WordIndex::addWord(qint64 id, const QString& text, const QString& soundKey, int tag,
                        std::optional<double> freq) {
    Entry e;
    e.text = text;
    e.soundKey = soundKey;
    e.id = id;
    e.tag = tag;
    if (freq) e.freq = float(*freq);
    if (tag == lexicon::kUserWordTag) e.flags |= UserWord;
    insertEntry(std::move(e));
}

void WordIndex::addLink(qint64 entryId, qint64 wordId, qint64 linkId,
                        std::optional<qint64> startId) {
    entryWords_.emplace_back(entryId, wordId);
    const int i = entryOfId(wordId);
    if (i < 0) return;
    Entry& e = entries_[size_t(i)];
    e.flags |= HasLinks;
    if (lexicon::isWordCategory(linkId)) e.flags |= Categorised;
    if (linkId == lexicon::kProperNameCategory) e.flags |= ProperName;
    if (linkId == lexicon::kNounCategory) e.flags |= Noun;
    if (linkId == lexicon::kVerbCategory) e.flags |= Verb;
    if (linkId == lexicon::kAdjectiveCategory) e.flags |= Adjective;
    if (linkId == lexicon::kAdverbCategory) e.flags |= Adverb;
    // A part of a run-together word: an entry below 30130, or 30930 or 30940.
    if (linkId < 30130 || linkId == 30930 || linkId == 30940) e.flags |= SplitPart;
    if (firstLinkSeen_.size() < entries_.size()) firstLinkSeen_.resize(entries_.size(), 0);
    if (!firstLinkSeen_[size_t(i)]) {
        firstLinkSeen_[size_t(i)] = 1;
        // Only the word's first entry tells a recorded misspelling.
        if ((linkId == lexicon::kMisspellingLink || linkId == lexicon::kMisspellingLink2) &&
            startId)
            pendingStarts_.emplace_back(i, *startId);
    }
}

void WordIndex::finish() {
    if (!pendingStarts_.empty()) {
        if (!std::is_sorted(entryWords_.begin(), entryWords_.end()))
            std::stable_sort(entryWords_.begin(), entryWords_.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [i, start] : pendingStarts_) {
            const auto it = std::lower_bound(
                entryWords_.begin(), entryWords_.end(), start,
                [](const std::pair<qint64, qint64>& p, qint64 v) { return p.first < v; });
            if (it == entryWords_.end() || it->first != start) continue;
            const int right = entryOfId(it->second);
            if (right < 0) continue;
            entries_[size_t(i)].correction = right;
            entries_[size_t(i)].flags |= Misspelling;
        }
    }
    for (Entry& e : entries_)
        if (e.has(Categorised) || !e.has(HasLinks) || e.has(UserWord)) e.flags |= Accepted;
    // A spelling stored twice is a word when any of its records is: a word
    // the user added wins over what the lexicon recorded for it.
    for (const auto& [first, later] : duplicates_)
        entries_[size_t(first)].flags |= entries_[size_t(later)].flags & (Accepted | UserWord);
    for (Slot& slot : exact_)
        if (slot.entry >= 0) slot.flags = entries_[size_t(slot.entry)].flags;
    duplicates_ = {};
    firstLinkSeen_ = {};
    pendingStarts_ = {};
    entryWords_ = {};
}

void WordIndex::addMisspellingPair(const QString& wrong, const QString& right) {
    corrections_[asciiFolded(wrong)] << right;
}

void WordIndex::addUserWord(qint64 id, const QString& text, const QString& soundKey) {
    Entry e;
    e.text = text;
    e.soundKey = soundKey;
    e.id = id;
    e.tag = lexicon::kUserWordTag;
    e.flags = UserWord | Accepted;
    const int i = insertEntry(std::move(e));
    duplicates_.clear();
    const int first = find(text);
    if (first != i) {
        entries_[size_t(first)].flags |= UserWord | Accepted;
        syncFlags(first);
    }
    if (soundKeys_) (*soundKeys_)[soundKey].push_back(i);
    // The trie is made again when next needed.
    if (findVariants(text) == i) trie_.reset();
}

int WordIndex::find(QStringView spelling) const {
    quint16 flags;
    return find(spelling, &flags);
}

int WordIndex::find(QStringView spelling, quint16* flags) const {
    const size_t mask = exact_.size() - 1;
    const quint32 h = hashExact(spelling);
    for (size_t s = h & mask;; s = (s + 1) & mask) {
        const Slot& slot = exact_[s];
        if (slot.entry < 0) {
            *flags = 0;
            return -1;
        }
        if (slot.hash == h && sameAs(spelling, slot)) {
            *flags = slot.flags;
            return slot.entry;
        }
    }
}

int WordIndex::findVariants(QStringView spelling) const {
    const size_t mask = folded_.size() - 1;
    const quint32 h = hashFolded(spelling);
    for (size_t s = h & mask;; s = (s + 1) & mask) {
        const FoldSlot& slot = folded_[s];
        if (slot.entry < 0) return -1;
        if (slot.hash == h && sameFolded(entries_[size_t(slot.entry)].text, spelling))
            return slot.entry;
    }
}

const std::vector<int>& WordIndex::withSoundKey(const QString& key) const {
    if (!soundKeys_) {
        soundKeys_ = std::make_unique<QHash<QString, std::vector<int>>>();
        soundKeys_->reserve(qsizetype(entries_.size() / 4));
        for (int i = 0; i < int(entries_.size()); ++i)
            (*soundKeys_)[entries_[size_t(i)].soundKey].push_back(i);
    }
    static const std::vector<int> none;
    const auto it = soundKeys_->constFind(key);
    return it == soundKeys_->cend() ? none : *it;
}

QStringList WordIndex::corrections(QStringView wrong) const {
    return corrections_.value(asciiFolded(wrong));
}

const WordTrie& WordIndex::trie() const {
    if (!trie_) {
        trie_ = std::make_unique<WordTrie>();
        QString folded;
        for (size_t s = 0; s < folded_.size(); ++s) {
            const qint32 i = folded_[s].entry;
            if (i < 0) continue;
            folded = entries_[size_t(i)].text;
            for (QChar& c : folded)
                c = fold(c);
            trie_->insert(folded, i);
        }
        trie_->finish();
    }
    return *trie_;
}

void WordIndex::prepareSuggestions() const {
    trie();
    withSoundKey(QString());
}

bool WordIndex::ordinary(int i) const {
    if (i < 0) return false;
    const Entry& e = at(i);
    if (!e.has(Categorised) || e.has(ProperName) || e.has(Misspelling)) return false;
    return std::none_of(e.text.begin(), e.text.end(), [](QChar c) { return c.isUpper(); });
}

QString lexiconForm(QStringView word) {
    bool plain = true;
    for (QChar c : word)
        if (c.unicode() >= 0x80) plain = false;
    if (plain) return word.toString();
    QString w = word.toString();
    w.replace(QChar(0x2019), QLatin1Char('\''));
    return w.normalized(QString::NormalizationForm_C);
}

std::shared_ptr<WordIndex> loadWordIndex(platform::LexiconDatabase& words,
                                         platform::LexiconDatabase& links, QString* error,
                                         bool* wordsFailed) {
    auto index = std::make_shared<WordIndex>();
    WordIndex& x = *index;
    bool ok = words.readTable(
        lexicon::wordsTable(), {ql("id"), ql("Text"), ql("Soundex"), ql("Tag"), ql("FreqUsed")},
        [&](const platform::RecordView& r) {
            if (r.isNull(1)) return;
            x.addWord(r.integer(0), r.text(1), r.text(2), int(r.integer(3)),
                      r.isNull(4) ? std::nullopt : std::optional<double>(r.number(4)));
        },
        error);
    if (wordsFailed) *wordsFailed = !ok;
    ok = ok && links.readTable(
                   lexicon::linksTable(), {ql("ID"), ql("WordID"), ql("LinkID"), ql("startID")},
                   [&](const platform::RecordView& r) {
                       std::optional<qint64> start;
                       if (!r.isNull(3)) {
                           const qint64 v = r.integer(3);
                           if (v != 0 || !r.text(3).isEmpty()) start = v;
                       }
                       x.addLink(r.integer(0), r.integer(1), r.integer(2), start);
                   },
                   error);
    if (!ok) return nullptr;
    x.finish();
    // The table of common misspellings only adds suggestions: a lexicon
    // without it is still a lexicon.
    links.readTable(
        lexicon::misspellingsTable(), {ql("Wrong"), ql("Right")},
        [&](const platform::RecordView& r) { x.addMisspellingPair(r.text(0), r.text(1)); });
    return index;
}

LoadedLexicon loadLexicon(platform::LexiconStore& store, const QString& folder) {
    LoadedLexicon out;
    auto links = store.open(folder + lexicon::linksFile(), &out.reason);
    if (!links) {
        out.failedFile = lexicon::linksFile();
        return out;
    }
    auto words = store.open(folder + lexicon::wordsFile(), &out.reason);
    if (!words) {
        out.failedFile = lexicon::wordsFile();
        return out;
    }
    bool wordsFailed = false;
    out.index = loadWordIndex(*words, *links, &out.reason, &wordsFailed);
    if (!out.index) out.failedFile = wordsFailed ? lexicon::wordsFile() : lexicon::linksFile();
    return out;
}

} // namespace spelling
