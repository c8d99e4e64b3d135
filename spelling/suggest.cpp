// The suggestion generator: candidates from the trie, the sound key, the
// table of common misspellings and word splits, then one score for each.
#include "spelling/suggest.h"

#include "spelling/lexiconlookup.h"
#include "spelling/soundex.h"
#include "spelling/wordtrie.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace spelling {
namespace {

constexpr int kLongestWord = 60;
// A word without a frequency class (a bridge term, a word the user added)
// counts as a rather rare one.
constexpr double kUnknownFrequency = 3.0;
// Words of this class or above are never offered.
constexpr double kRareClass = 4;

// ---- the cost of one mistake ------------------------------------------------

bool isVowel(char16_t c) {
    return c == u'a' || c == u'e' || c == u'i' || c == u'o' || c == u'u' || c == u'y';
}

// Where a letter is on the keyboard: row 0..2 and column; -1 when it is not a letter key.
std::pair<int, int> keyPlace(char16_t c) {
    static const char* const rows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
    for (int r = 0; r < 3; ++r)
        for (int col = 0; rows[r][col]; ++col)
            if (rows[r][col] == c) return {r, col};
    return {-1, -1};
}

// Keys that touch: beside in the row, and on the staggered rows above
// (same column and one right) and below (one left and same column).
bool touching(char16_t a, char16_t b) {
    const auto [ra, ca] = keyPlace(a);
    const auto [rb, cb] = keyPlace(b);
    if (ra < 0 || rb < 0) return false;
    if (ra == rb) return std::abs(ca - cb) == 1;
    if (rb == ra - 1) return cb == ca || cb == ca + 1;
    if (rb == ra + 1) return cb == ca - 1 || cb == ca;
    return false;
}

// The same, looked up in a table made once: the distance asks it for
// every cell.
bool adjacentKeys(char16_t a, char16_t b) {
    static const std::array<std::array<bool, 26>, 26> table = [] {
        std::array<std::array<bool, 26>, 26> t{};
        for (int x = 0; x < 26; ++x)
            for (int y = 0; y < 26; ++y)
                t[size_t(x)][size_t(y)] = touching(char16_t(u'a' + x), char16_t(u'a' + y));
        return t;
    }();
    if (a < u'a' || a > u'z' || b < u'a' || b > u'z') return false;
    return table[size_t(a - u'a')][size_t(b - u'a')];
}

bool likeSound(char16_t a, char16_t b) {
    static const char* const pairs[] = {"ck", "cs", "sz", "kq", "gj", "fv", "mn",
                                        "dt", "bp", "iy", "xz", "wv", "lr"};
    for (const char* p : pairs)
        if ((a == p[0] && b == p[1]) || (a == p[1] && b == p[0])) return true;
    return false;
}

// How alike two letters are: 0 the same, 1 vowels, 2 keys beside each
// other or letters of like sound, 3 unlike.
int likeness(char16_t a, char16_t b) {
    static const std::array<std::array<quint8, 26>, 26> table = [] {
        std::array<std::array<quint8, 26>, 26> t{};
        for (int x = 0; x < 26; ++x)
            for (int y = 0; y < 26; ++y) {
                const char16_t p = char16_t(u'a' + x), q = char16_t(u'a' + y);
                t[size_t(x)][size_t(y)] = p == q                              ? 0
                                          : isVowel(p) && isVowel(q)          ? 1
                                          : touching(p, q) || likeSound(p, q) ? 2
                                                                              : 3;
            }
        return t;
    }();
    if (a >= u'a' && a <= u'z' && b >= u'a' && b <= u'z')
        return table[size_t(a - u'a')][size_t(b - u'a')];
    return a == b ? 0 : 3;
}

// Spellings of one sound, each way round.
struct Rewrite {
    QLatin1String a, b;
};
const std::vector<Rewrite>& rewrites() {
    static const std::vector<Rewrite> r = [] {
        const char* const pairs[][2] = {
            {"f", "ph"},       {"k", "ck"},      {"c", "ck"},     {"sh", "ti"},   {"shun", "tion"},
            {"shun", "sion"},  {"j", "dg"},      {"ch", "tch"},   {"s", "sc"},    {"kw", "qu"},
            {"x", "ks"},       {"x", "cks"},     {"ite", "ight"}, {"f", "gh"},    {"i", "igh"},
            {"shus", "cious"}, {"shul", "tial"}, {"ur", "er"},    {"ant", "ent"}, {"ance", "ence"},
            {"able", "ible"},  {"sy", "cy"},     {"s", "ss"},     {"wh", "w"},    {"oo", "u"},
            {"z", "x"},        {"sk", "sc"},     {"er", "our"},   {"ee", "ie"},   {"ei", "ie"}};
        std::vector<Rewrite> out;
        for (const auto& p : pairs) {
            out.push_back({QLatin1String(p[0]), QLatin1String(p[1])});
            out.push_back({QLatin1String(p[1]), QLatin1String(p[0])});
        }
        return out;
    }();
    return r;
}

// The rewrites by the last letter of the word's side, so that a cell of the
// distance table tries only those that can end there.
const std::vector<const Rewrite*>& rewritesEndingIn(char16_t c) {
    static const std::array<std::vector<const Rewrite*>, 128> byLast = [] {
        std::array<std::vector<const Rewrite*>, 128> out;
        for (const Rewrite& r : rewrites())
            out[size_t(r.a.back().toLatin1())].push_back(&r);
        return out;
    }();
    static const std::vector<const Rewrite*> none;
    return c < 128 ? byLast[c] : none;
}

QString folded(QStringView s) {
    QString r = s.toString();
    for (QChar& c : r)
        c = WordIndex::fold(c);
    return r;
}

double distanceFolded(const QString& w, const QString& e, const TypingCosts& k) {
    const int n = int(w.size()), m = int(e.size());
    const double change[4] = {0, k.vowelForVowel, k.keyBeside, k.otherLetter};
    std::vector<double> d(size_t(n + 1) * size_t(m + 1));
    auto at = [&](int i, int j) -> double& { return d[size_t(i) * size_t(m + 1) + size_t(j)]; };
    auto wc = [&](int i) { return i >= 1 && i <= n ? w[i - 1].unicode() : char16_t(0); };
    auto ec = [&](int j) { return j >= 1 && j <= m ? e[j - 1].unicode() : char16_t(0); };
    // An extra letter in the word: cheap when it doubles a neighbour or
    // sits on a key beside one.
    auto extra = [&](int i) {
        const char16_t c = wc(i);
        if (c == wc(i - 1) || c == wc(i + 1)) return k.doubled;
        if (adjacentKeys(c, wc(i - 1)) || adjacentKeys(c, wc(i + 1))) return k.extraBesideKey;
        return k.extraLetter;
    };
    // A letter of the entry missing from the word: cheap when it was one of a double.
    auto missing = [&](int j) {
        const char16_t c = ec(j);
        if (c == ec(j - 1) || c == ec(j + 1)) return k.doubled;
        return isVowel(c) ? k.missingVowel : k.missingLetter;
    };
    at(0, 0) = 0;
    for (int i = 1; i <= n; ++i)
        at(i, 0) = at(i - 1, 0) + extra(i);
    for (int j = 1; j <= m; ++j)
        at(0, j) = at(0, j - 1) + missing(j);
    for (int i = 1; i <= n; ++i) {
        const auto& rules = rewritesEndingIn(wc(i));
        for (int j = 1; j <= m; ++j) {
            double v = at(i - 1, j - 1) + change[likeness(wc(i), ec(j))];
            v = std::min(v, at(i - 1, j) + extra(i));
            v = std::min(v, at(i, j - 1) + missing(j));
            if (i >= 2 && j >= 2 && wc(i) == ec(j - 1) && wc(i - 1) == ec(j) && wc(i) != wc(i - 1))
                v = std::min(v, at(i - 2, j - 2) + k.swap);
            for (const Rewrite* r : rules) {
                const int la = int(r->a.size()), lb = int(r->b.size());
                if (la > i || lb > j || ec(j) != char16_t(r->b.back().unicode())) continue;
                if (QStringView(w).mid(i - la, la) == r->a &&
                    QStringView(e).mid(j - lb, lb) == r->b)
                    v = std::min(v, at(i - la, j - lb) + k.rewrite);
            }
            at(i, j) = v;
        }
    }
    return at(n, m);
}

// ---- the candidates ---------------------------------------------------------

struct Candidate {
    QString text;   // as stored
    int entry = -1; // -1 for a split or a table correction the lexicon lacks
    double score = 0;
    double freq = kUnknownFrequency;
    bool fromTable = false;
};

bool offered(const WordIndex& index, int i) {
    const WordIndex::Entry& e = index.at(i);
    if (!e.has(WordIndex::Accepted) || e.has(WordIndex::Misspelling)) return false;
    return !e.hasFrequency() || e.freq < kRareClass || e.has(WordIndex::UserWord);
}

double frequencyOf(const WordIndex::Entry& e) {
    if (e.has(WordIndex::UserWord) || !e.hasFrequency()) return kUnknownFrequency;
    return std::min<double>(e.freq, kRareClass);
}

bool allCapitals(const QString& w) {
    int letters = 0;
    for (QChar c : w) {
        if (c.isLower()) return false;
        letters += c.isLetter();
    }
    return letters > 1;
}

// The candidate written the way the word is: in capitals, or with a
// capital first letter, and with the word's kind of apostrophe.
QString inWordsCase(const QString& word, QString s) {
    if (allCapitals(word)) {
        s = s.toUpper();
    } else if (!word.isEmpty() && word.front().isUpper() && !s.isEmpty()) {
        s[0] = s[0].toUpper();
    }
    if (word.contains(QChar(0x2019))) s.replace(QLatin1Char('\''), QChar(0x2019));
    return s;
}

class Generator {
  public:
    Generator(const QString& word, const WordIndex& index, const RankingWeights& w)
        : typed_(word), word_(lexiconForm(word)), folded_(folded(word_)), index_(index), w_(w) {}

    SuggestionResult run();

  private:
    int recordedCorrection() const;
    void addEntry(int i, bool fromTable = false);
    void addSplits();
    void addPrefixed();
    double score(Candidate& c) const;

    QString typed_, word_, folded_;
    const WordIndex& index_;
    const RankingWeights& w_;
    QString soundKey_;
    std::vector<Candidate> candidates_;
    QHash<int, int> byEntry_; // entry -> candidate
};

int Generator::recordedCorrection() const {
    int i = index_.find(word_);
    if (i < 0 && !word_.isEmpty() && word_.front().isUpper()) {
        QString lower = word_;
        lower[0] = lower[0].toLower();
        i = index_.find(lower);
    }
    if (i < 0) return -1;
    const WordIndex::Entry& e = index_.at(i);
    if (!e.has(WordIndex::Misspelling) || e.has(WordIndex::Accepted)) return -1;
    return e.correction;
}

void Generator::addEntry(int i, bool fromTable) {
    if (!offered(index_, i)) return;
    const auto it = byEntry_.constFind(i);
    if (it != byEntry_.cend()) {
        candidates_[size_t(*it)].fromTable |= fromTable;
        return;
    }
    Candidate c;
    c.text = index_.at(i).text;
    c.entry = i;
    c.freq = frequencyOf(index_.at(i));
    c.fromTable = fromTable;
    byEntry_.insert(i, int(candidates_.size()));
    candidates_.push_back(std::move(c));
}

// "alot" -> "a lot": both parts common words of the language.
void Generator::addSplits() {
    const int n = int(word_.size());
    if (n < 3) return;
    auto common = [&](QStringView part) {
        if (part.size() == 1) return part == u"a" || part == u"I";
        const int i = index_.find(part);
        return index_.ordinary(i) && index_.at(i).hasFrequency() && index_.at(i).freq < 3;
    };
    for (int k = 1; k < n; ++k) {
        const QStringView left = QStringView(word_).left(k), right = QStringView(word_).mid(k);
        if (right.size() < 2 || !common(left) || !common(right)) continue;
        Candidate c;
        c.text = left.toString() + QLatin1Char(' ') + right.toString();
        const double fl = left.size() == 1 ? 0.5 : double(index_.at(index_.find(left)).freq);
        const double fr = double(index_.at(index_.find(right)).freq);
        c.freq = std::max(fl, fr);
        candidates_.push_back(std::move(c));
    }
}

// "reimplment" -> "reimplement": a word the prefix rule makes, its rest
// corrected ("implment" -> "implement"), for derived words no list holds.
void Generator::addPrefixed() {
    static const char* const kPrefixes[] = {"re", "un", "de", "pre", "non"};
    for (const char* p : kPrefixes) {
        const QLatin1String prefix(p);
        if (!folded_.startsWith(prefix) || folded_.size() - prefix.size() < 4) continue;
        const QString rest = folded_.mid(prefix.size());
        std::vector<int> found;
        index_.trie().search(rest, 2, [&](int head, int) {
            for (int i = head; i >= 0; i = index_.at(i).nextVariant)
                if (index_.ordinary(i)) found.push_back(i);
        });
        for (int i : found) {
            const QString whole = prefix + index_.at(i).text;
            if (index_.find(whole) >= 0 || !prefixedWord(index_, whole)) continue;
            Candidate c;
            c.text = whole;
            c.freq = frequencyOf(index_.at(i)) + w_.prefixedWord;
            candidates_.push_back(std::move(c));
        }
        return;
    }
}

double Generator::score(Candidate& c) const {
    double s;
    if (c.entry < 0 && c.text.contains(QLatin1Char(' '))) {
        s = w_.splitWord + w_.frequency * c.freq;
        if (c.fromTable) s -= w_.commonMisspelling;
        return s;
    }
    s = distanceFolded(folded_, folded(c.text), w_.typing) + w_.frequency * c.freq;
    if (!c.text.isEmpty() && c.text.front().isUpper() && !word_.isEmpty() &&
        !word_.front().isUpper())
        s += w_.properName;
    if (!c.text.isEmpty() && !folded_.isEmpty() &&
        WordIndex::fold(c.text.front()) != folded_.front())
        s += w_.firstLetter;
    if (c.entry >= 0 && !soundKey_.isEmpty() && index_.at(c.entry).soundKey == soundKey_)
        s -= w_.sameSoundKey;
    if (c.fromTable) s -= w_.commonMisspelling;
    return s;
}

SuggestionResult Generator::run() {
    SuggestionResult result;
    if (word_.isEmpty() || word_.size() > kLongestWord) return result;
    if (const int right = recordedCorrection(); right >= 0) {
        const QString shown = inWordsCase(typed_, index_.at(right).text);
        result.list = QStringList{shown};
        result.replacement = shown;
        result.work = QStringList{QStringLiteral("0 - ") + shown};
        result.lastWordId = std::int32_t(index_.at(right).id);
        return result;
    }

    // Words a few edits away.
    const int reach = folded_.size() <= 3 ? 1 : 2;
    auto add = [&](int head, int) {
        for (int i = head; i >= 0; i = index_.at(i).nextVariant)
            addEntry(i);
    };
    index_.trie().search(folded_, reach, add);
    // Long words are often further off ("initiatiated"); their first letter
    // is rarely wrong.
    if (folded_.size() >= w_.longWord) index_.trie().search(folded_, 3, add, true);
    // Words of the same sound key, of about the same length.
    soundKey_ = MakeSoundex(word_);
    if (!soundKey_.isEmpty())
        for (int i : index_.withSoundKey(soundKey_))
            if (std::abs(int(index_.at(i).text.size()) - int(word_.size())) <= 2) addEntry(i);
    // The table of common misspellings.
    for (const QString& right : index_.corrections(word_)) {
        const int exact = index_.find(right);
        if (exact >= 0) {
            addEntry(exact, true);
        } else if (right.contains(QLatin1Char(' '))) {
            Candidate c;
            c.text = right;
            c.fromTable = true;
            c.freq = 1;
            candidates_.push_back(std::move(c));
        }
    }
    addSplits();
    addPrefixed();

    for (Candidate& c : candidates_)
        c.score = score(c);
    std::sort(candidates_.begin(), candidates_.end(), [](const Candidate& a, const Candidate& b) {
        if (a.score != b.score) return a.score < b.score;
        if (a.freq != b.freq) return a.freq < b.freq;
        return a.text < b.text;
    });

    QStringList seen;
    const double best = candidates_.empty() ? 0 : candidates_.front().score;
    for (const Candidate& c : candidates_) {
        if (int(result.list.size()) >= w_.most || c.score > best + w_.widest) break;
        const QString shown = inWordsCase(typed_, c.text);
        if (shown == typed_ || result.list.contains(shown)) continue;
        result.list << shown;
        result.work << QString::number(c.score, 'f', 2) + QStringLiteral(" (") +
                           QString::number(c.freq, 'g', 3) + QStringLiteral(") - ") + shown +
                           (c.fromTable ? QStringLiteral(" (WikiSpell table)") : QString());
        if (c.entry >= 0) result.lastWordId = std::int32_t(index_.at(c.entry).id);
    }
    return result;
}

} // namespace

double typingDistance(QStringView word, QStringView entry, const TypingCosts& costs) {
    return distanceFolded(folded(word), folded(entry), costs);
}

SuggestionResult suggestSpellings(const QString& word, const WordIndex& index,
                                  const RankingWeights& weights) {
    return Generator(word, index, weights).run();
}

} // namespace spelling
