// The suggestion generator: the fixed series of edits, then the ranking.
#include "spelling/suggest.h"

#include "spelling/lexiconlookup.h"
#include "spelling/lexiconschema.h"

#include <algorithm>
#include <array>
#include <optional>

namespace spelling {
namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

// Field and index names, made once: every lookup names them.
struct Names {
    QString text = QStringLiteral("Text"), id = QStringLiteral("id"),
            idIndex = QStringLiteral("ID"), soundex = QStringLiteral("Soundex"),
            freq = QStringLiteral("FreqUsed"), wordId = QStringLiteral("WordID"),
            linkId = QStringLiteral("LinkID"), startId = QStringLiteral("startID"),
            wrong = QStringLiteral("Wrong"), right = QStringLiteral("Right"),
            equal = QStringLiteral("="), atLeast = QStringLiteral(">=");
};
const Names& names() {
    static const Names n;
    return n;
}

const QString kDropped = QStringLiteral("zzzz");
const QString kNotInVelmora = QStringLiteral(" (Not in Velmora.)");
const QString kWikiSpell = QStringLiteral(" (WikiSpell table)");

// The frequency class below which a word is offered at all.
constexpr double kRareClass = 4;

// The keyboard as the per-position stage sees it: rows 1 to 3 hold the
// letters, the blank border rows and columns make every neighbour a character.
const std::array<QString, 5>& keyboard() {
    static const std::array<QString, 5> rows = {ql("            "), ql(" qwertyuiop "),
                                                ql(" asdfghjkl  "), ql(" zxcvbnm    "),
                                                ql("            ")};
    return rows;
}

// Row and 1-based column of a key; row -1 when it is on no row. An empty
// character lies in row 1, column 1.
std::pair<int, int> keyOf(QChar c) {
    if (c.isNull()) return {1, 1};
    for (int r = 0; r < 5; ++r) {
        const qsizetype col = keyboard()[size_t(r)].indexOf(c);
        if (col >= 0) return {r, int(col) + 1};
    }
    return {-1, 0};
}

QChar keyAt(int row, int col) {
    if (row < 0 || row > 4) return QChar();
    const QString& s = keyboard()[size_t(row)];
    return col >= 1 && col <= s.size() ? s.at(col - 1) : QChar();
}

QString withoutVowels(QString s) {
    static const QString vowels = QStringLiteral("aeiou");
    s.removeIf([](QChar c) { return vowels.contains(c); });
    return s;
}

// The form the pruning compares: vowels gone, a final "gn" written "n", case ignored.
QString vowelFree(const QString& s) {
    QString v = withoutVowels(s.toLower());
    if (v.endsWith(QLatin1String("gn"))) v.replace(v.size() - 2, 2, QLatin1String("n"));
    return v;
}

class Generator {
  public:
    Generator(const QString& word, const QString& key, const SuggestionTables& t)
        : word_(word), key_(key), t_(t) {}

    SuggestionResult run();

  private:
    // Adds the spelling of the first record the "Text" index finds.
    bool lookup(const QString& candidate);
    // Adds only a record spelt exactly so, case included.
    bool lookupExact(const QString& candidate);
    // The exact record of a spelling: its "id" and "FreqUsed".
    struct Record {
        qint64 id = 0;
        QVariant freq;
    };
    std::optional<Record> exactRecord(const QString& spelling);
    std::optional<QString> recordedCorrection();
    void generate();
    void splits(const QString& w, const QString& tail);
    bool splitPartQualifies(const QString& part);
    std::vector<QString> ranked();
    void rankByFrequency(std::vector<QString>& entries);
    void promote(std::vector<QString>& entries, int before);

    QString word_, key_;
    const SuggestionTables& t_;
    SortedWorkList work_;
    std::int32_t lastWordId_ = 0;
    int splitSearches_ = 0;
};

bool Generator::lookup(const QString& candidate) {
    platform::TableCursor& words = t_.words;
    words.setIndex(names().text);
    words.seek(names().equal, candidate);
    if (words.noMatch()) return false;
    work_.add(words.field(names().text).toString());
    return true;
}

std::optional<Generator::Record> Generator::exactRecord(const QString& spelling) {
    platform::TableCursor& words = t_.words;
    words.setIndex(names().text);
    words.seek(names().equal, spelling);
    if (words.noMatch()) return std::nullopt;
    for (; !words.eof(); words.moveNext()) {
        const QString text = words.field(names().text).toString();
        if (text == spelling)
            return Record{words.field(names().id).toLongLong(), words.field(names().freq)};
        if (!sameIgnoringAsciiCase(text, spelling)) break;
    }
    return std::nullopt;
}

bool Generator::lookupExact(const QString& candidate) {
    if (!exactRecord(candidate)) return false;
    work_.add(candidate);
    return true;
}

// A misspelling the lexicon records with a link to its correct form: the
// word itself is looked up (a sound key would name an unrelated word).
std::optional<QString> Generator::recordedCorrection() {
    const Names& n = names();
    const auto id = findWordId(t_.words, word_);
    if (!id) return std::nullopt;
    platform::TableCursor& velmora = t_.velmora;
    velmora.setIndex(n.wordId);
    velmora.seek(n.equal, *id);
    if (velmora.noMatch()) return std::nullopt;
    const qint64 link = velmora.field(n.linkId).toLongLong();
    const QVariant start = velmora.field(n.startId);
    if ((link != lexicon::kMisspellingLink && link != lexicon::kMisspellingLink2) ||
        start.isNull() || start.toString().isEmpty())
        return std::nullopt;
    velmora.setIndex(n.idIndex);
    velmora.seek(n.equal, start);
    if (velmora.noMatch()) return std::nullopt;
    const QVariant rightId = velmora.field(n.wordId);
    t_.words.setIndex(n.idIndex);
    t_.words.seek(n.equal, rightId);
    if (t_.words.noMatch()) return std::nullopt;
    return t_.words.field(n.text).toString();
}

void Generator::generate() {
    const QString& w = word_;
    const int n = int(w.size());
    const Names& nm = names();
    auto letters = [](auto&& f) {
        for (char16_t c = u'a'; c <= u'z'; ++c)
            f(QChar(c));
    };

    // One-letter substitutions.
    for (int i = 0; i < n; ++i)
        letters([&](QChar c) {
            if (w.at(i) == c) return;
            QString s = w;
            s[i] = c;
            lookup(s);
        });

    // Words of the same sound key, and of the key with two digits swapped.
    auto sameKey = [&](const QString& key, const QString& op) {
        if (key.isEmpty()) return;
        platform::TableCursor& words = t_.words;
        words.setIndex(nm.soundex);
        words.seek(op, key);
        for (; !words.noMatch() && !words.eof(); words.moveNext()) {
            if (words.field(nm.soundex).toString() != key) break;
            work_.add(words.field(nm.text).toString());
        }
    };
    sameKey(key_, nm.equal);
    if (key_.size() == 4) {
        QString k = key_;
        std::swap(k[1], k[2]);
        sameKey(k, nm.atLeast);
        if (!(key_.at(2) == QLatin1Char('0') && key_.at(3) == QLatin1Char('0'))) {
            k = key_;
            std::swap(k[2], k[3]);
            sameKey(k, nm.atLeast);
        }
    }

    // Run-together words.
    if (n > 3) {
        splitSearches_ = 0;
        splits(w, QString());
    }

    // A letter in front.
    letters([&](QChar c) { lookup(QString(c) + w); });

    // Each position: deletion, keyboard neighbours, transposition, insertion.
    for (int i = 1; i <= n; ++i) {
        const QChar cur = w.at(i - 1).toLower();
        const QChar next = i < n ? w.at(i).toLower() : QChar();
        if (next == QLatin1Char('-') || (!next.isNull() && next.unicode() > u'z')) break;

        QString deleted = w;
        deleted.remove(i - 1, 1);
        lookupExact(deleted);

        // A letter on one of the keys from the next letter's own column to
        // two columns right of it, a row above to a row below, counts as a
        // stray keystroke; its neighbours are then not tried.
        bool stray = false;
        if (const auto [row, col] = keyOf(next); row >= 0)
            for (int r = row - 1; r <= row + 1 && !stray; ++r)
                for (int c = col; c <= col + 2; ++c)
                    if (keyAt(r, c) == cur) stray = true;
        if (!stray) {
            const auto [row, col] = keyOf(cur);
            if (row >= 0)
                for (int r = std::max(1, row - 1); r <= std::min(3, row + 1); ++r)
                    for (int c = col - 1; c <= col + 1; ++c) {
                        const QChar k = keyAt(r, c);
                        if (k.isNull() || k == QLatin1Char(' ') || k == cur) continue;
                        QString s = w;
                        s[i - 1] = k;
                        lookupExact(s);
                    }
        }

        if (i < n) {
            QString swapped = w;
            std::swap(swapped[i - 1], swapped[i]);
            lookupExact(swapped);

            const QString base = w.at(i - 1) == QLatin1Char('\'') ? deleted : w;
            letters([&](QChar c) {
                if (lookup(QString(base).insert(i, c))) return;
                lookup(QString(base).insert(i - 1, c));
            });
        } else if (w.endsWith(QLatin1String("in'"))) {
            // The dropped final g, tried once at the final apostrophe.
            lookup(w.left(n - 1) + QLatin1Char('g'));
        }
    }

    // A letter at the end.
    letters([&](QChar c) { lookupExact(w + c); });

    if (w.startsWith(QLatin1String("non")) && n > 3) {
        platform::TableCursor& words = t_.words;
        words.setIndex(nm.text);
        words.seek(nm.equal, w.mid(3));
        if (!words.noMatch()) work_.add(QStringLiteral("non") + w.mid(3));
    }
    if (w.contains(QLatin1String("chu")))
        lookup(QString(w).replace(QLatin1String("chu"), QLatin1String("tu")));
}

// A part of a run-together word: in `Words` in exactly this spelling, with
// an entry below the link types 30130 (or one of 30930 and 30940), and
// common enough to be offered.
bool Generator::splitPartQualifies(const QString& part) {
    const auto record = exactRecord(part);
    if (!record) return false;
    const Names& n = names();
    platform::TableCursor& velmora = t_.velmora;
    velmora.setIndex(n.wordId);
    velmora.seek(n.equal, record->id);
    auto passed = [&](qint64 link) { return link >= 30130 && link != 30930 && link != 30940; };
    while (!velmora.noMatch() && !velmora.eof() &&
           velmora.field(n.wordId).toLongLong() == record->id &&
           passed(velmora.field(n.linkId).toLongLong()))
        velmora.moveNext();
    if (velmora.noMatch() || velmora.eof() || velmora.field(n.wordId).toLongLong() != record->id)
        return false;
    return !record->freq.isNull() && record->freq.toDouble() < kRareClass;
}

// Cuts of `w` into a first and a last part, the last part from position k
// on. An ending such as "ed" is never split off alone. After an accepted cut
// the search goes on into the first part, so that a word can split into
// more than two; `tail` holds the parts found further right.
void Generator::splits(const QString& w, const QString& tail) {
    constexpr int kMostSearches = 200;
    if (++splitSearches_ > kMostSearches) return;
    const int n = int(w.size());
    static const QStringList endings = {ql("ed"), ql("ing"), ql("et"), ql("es")};
    for (int k = w.endsWith(QLatin1String("yness")) ? n - 6 : n - 1; k >= 2; --k) {
        QString last = w.mid(k - 1);
        if (endings.contains(last) || (last == QLatin1String("el") && k >= 3)) {
            if (--k < 2) break;
            last = w.mid(k - 1);
        }
        if (!splitPartQualifies(last)) continue;
        const QString first = w.left(k - 1);
        const QString rest = (last + QLatin1Char(' ') + tail).trimmed();
        bool firstIsWord;
        if (first.size() == 1)
            firstIsWord = first == QLatin1String("a") || first == QLatin1String("A") ||
                          first == QLatin1String("I");
        else
            firstIsWord = splitPartQualifies(first) ||
                          (first.size() > 2 && first.endsWith(QLatin1Char('s')) &&
                           splitPartQualifies(first.chopped(1)));
        if (!firstIsWord) continue;
        work_.add(first + QLatin1Char(' ') + rest);
        if (first.size() > 3) splits(first, rest);
    }
}

std::vector<QString> Generator::ranked() {
    const Names& nm = names();
    // Duplicates are neighbours in the sorted list.
    std::vector<QString> entries;
    for (const QString& e : work_.entries())
        if (entries.empty() || entries.back() != e) entries.push_back(e);

    std::vector<Similarity> scores(entries.size());
    int best1 = 0, best2 = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        scores[i] = similarity(word_, entries[i]);
        best1 = std::max(best1, scores[i].alignment);
        best2 = std::max(best2, scores[i].transposition);
    }
    (void)best1; // the highest alignment is not used by the pruning

    // Pruning, from the last entry to the first.
    const int wordLength = int(word_.size());
    const QString wordVowelFree = vowelFree(word_);
    for (size_t idx = entries.size(); idx-- > 0;) {
        QString& e = entries[idx];
        if (e.contains(QLatin1Char(' '))) continue;
        const Similarity& s = scores[idx];
        if (e == kDropped || s.alignment <= 0 || (wordLength >= 4 && s.transposition <= 0)) {
            const bool sameSpelling =
                QString(e).remove(QLatin1Char('\'')).compare(word_, Qt::CaseInsensitive) == 0 ||
                QString(e).remove(QLatin1Char('-')).compare(word_, Qt::CaseInsensitive) == 0;
            if (!sameSpelling) e = kDropped;
            continue;
        }
        const bool dropCandidate = (wordLength - best2 < 4 && best2 - s.transposition > 1) ||
                                   std::abs(wordLength - int(e.size())) > 2;
        if (dropCandidate && vowelFree(e) != wordVowelFree && SoundDistance(word_, e) > 2)
            e = kDropped;
    }

    // Ordering: the rank d as a prefix, so that the sorted list is the ranking.
    work_.clear();
    for (const QString& e : entries) {
        if (e == kDropped) continue;
        if (e.contains(QLatin1Char(' '))) {
            work_.add(QStringLiteral("2 - ") + e);
            continue;
        }
        if (std::abs(int(e.size()) - wordLength) >= 3) continue;
        const int d = e == word_ ? 0 : SoundDistance(word_, e);
        if (d >= 4) continue;
        QString entry = QString::number(d) + QStringLiteral(" - ") + e;
        bool linked = false;
        if (const auto id = findWordId(t_.words, e)) {
            lastWordId_ = std::int32_t(*id);
            t_.velmora.setIndex(nm.wordId);
            t_.velmora.seek(nm.equal, *id);
            linked = !t_.velmora.noMatch();
        }
        if (!linked) entry += kNotInVelmora;
        work_.add(entry);
    }
    if (platform::TableCursor* wiki = t_.misspellings) {
        if (wiki->setIndex(nm.wrong)) {
            wiki->seek(nm.equal, word_);
            for (; !wiki->noMatch() && !wiki->eof(); wiki->moveNext()) {
                if (!sameIgnoringAsciiCase(wiki->field(nm.wrong).toString(), word_)) break;
                work_.add(QStringLiteral("0 - ") + wiki->field(nm.right).toString() + kWikiSpell);
            }
        }
    }

    std::vector<QString> list = work_.entries();
    const int before = int(list.size());
    rankByFrequency(list);
    if (!list.empty()) promote(list, before);
    return list;
}

// Each entry gets its word's frequency class after the rank, "(_)" when the
// class is unknown; words of class 4 or more are dropped.
void Generator::rankByFrequency(std::vector<QString>& entries) {
    const Names& nm = names();
    work_.clear();
    for (const QString& entry : entries) {
        const QString d = entry.left(1);
        QString s = entry.mid(4), tail;
        if (const qsizetype paren = s.indexOf(QLatin1String(" (")); paren >= 0) {
            tail = s.mid(paren);
            s.truncate(paren);
        }
        if (s.contains(QLatin1Char(' '))) {
            work_.add(entry);
            continue;
        }
        platform::TableCursor& words = t_.words;
        words.setIndex(nm.text);
        words.seek(nm.equal, s);
        QVariant freq;
        if (!words.noMatch()) {
            if (words.field(nm.text).toString() != s) words.moveNext();
            if (!words.eof() && words.field(nm.text).toString() == s)
                freq = words.field(nm.freq);
        }
        if (freq.isNull()) {
            work_.add(d + QStringLiteral(" (_) - ") + s + tail);
        } else if (freq.toDouble() < kRareClass) {
            work_.add(d + QStringLiteral(" (") + QString::number(freq.toDouble()) +
                      QStringLiteral(") - ") + s + tail);
        }
    }
    entries = work_.entries();
}

// An entry whose consonants are the word's moves to the top of its rank
// group, but never above the third place.
void Generator::promote(std::vector<QString>& entries, int before) {
    const QString wordConsonants = withoutVowels(word_.toLower());
    for (int j = 0; j <= before + 1 && j < int(entries.size()); ++j) {
        const QString e = entries[size_t(j)];
        if (e.isEmpty() || !e.at(0).isDigit()) continue;
        const qsizetype sep = e.indexOf(QLatin1String(" - "));
        QString m = sep >= 0 ? e.mid(sep + 3) : QString();
        if (const qsizetype paren = m.indexOf(QLatin1String(" (")); paren >= 0) m.truncate(paren);
        if (withoutVowels(m) != wordConsonants) continue;
        entries.erase(entries.begin() + j);
        int k = j;
        while (k > 2 && entries[size_t(k - 1)].at(0) == e.at(0))
            --k;
        entries.insert(entries.begin() + k, e);
    }
}

SuggestionResult Generator::run() {
    SuggestionResult result;
    if (const auto correction = recordedCorrection()) {
        result.list = QStringList{*correction};
        result.replacement = *correction;
        return result;
    }
    generate();
    if (work_.entries().empty()) return result;
    const std::vector<QString> list = ranked();
    for (const QString& e : list) {
        result.work << e;
        QString shown = e;
        shown.remove(kNotInVelmora);
        const qsizetype dash = shown.indexOf(QLatin1Char('-'));
        result.list << shown.mid(dash + 2);
    }
    result.lastWordId = lastWordId_;
    return result;
}

} // namespace

bool SortedWorkList::before(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t x = a.at(i).unicode(), y = b.at(i).unicode();
        if (x >= u'A' && x <= u'Z') x = char16_t(x - u'A' + u'a');
        if (y >= u'A' && y <= u'Z') y = char16_t(y - u'A' + u'a');
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    // Spellings that differ only in case: a fixed order, so that equal
    // entries are always neighbours.
    return a < b;
}

void SortedWorkList::add(const QString& entry) {
    entries_.insert(std::upper_bound(entries_.begin(), entries_.end(), entry, before), entry);
}

SuggestionResult suggestSpellings(const QString& word, const QString& key,
                                  const SuggestionTables& tables) {
    return Generator(word, key, tables).run();
}

} // namespace spelling
