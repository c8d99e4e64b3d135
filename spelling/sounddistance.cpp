// The ranking's measures of how near a candidate is to the misspelling.
#include "spelling/suggest.h"

#include <algorithm>
#include <vector>

namespace spelling {
namespace {

constexpr int kLongestScored = 50;

// One rewrite of the word that makes it the entry: f for ph, shun for
// sion/tion, kel for cle, ite for ight. Trying them at every cell of the
// distance table, as the rule reads, comes to trying each once per position.
bool rewriteMatches(const QString& w, const QString& e) {
    for (qsizetype i = 0; i < w.size(); ++i) {
        if (w.at(i) == QLatin1Char('f')) {
            QString t = w;
            t.replace(i, 1, QLatin1String("ph"));
            if (t == e) return true;
        }
        if (QStringView(w).mid(i, 4) == QLatin1String("shun")) {
            QString t = w;
            if (t.replace(i, 4, QLatin1String("sion")) == e) return true;
            t = w;
            if (t.replace(i, 4, QLatin1String("tion")) == e) return true;
        }
        if (QStringView(w).mid(i, 3) == QLatin1String("kel")) {
            QString t = w;
            if (t.replace(i, 3, QLatin1String("cle")) == e) return true;
        }
        if (QStringView(w).mid(i, 3) == QLatin1String("ite")) {
            QString t = w;
            if (t.replace(QLatin1String("ite"), QLatin1String("ight")) == e) return true;
        }
    }
    return false;
}

} // namespace

int SoundDistance(const QString& word, const QString& entry) {
    const QString w = word.toLower();
    const QString e = entry.toLower();
    if (e.contains(QLatin1Char(' '))) return 1;
    const int n = int(w.size()), m = int(e.size());
    if (n == 0) return m;
    if (m == 0) return n;
    if (rewriteMatches(w, e)) return 1;

    std::vector<int> d(size_t(n + 1) * size_t(m + 1));
    auto D = [&](int i, int j) -> int& { return d[size_t(i) * size_t(m + 1) + size_t(j)]; };
    for (int i = 0; i <= n; ++i)
        D(i, 0) = i;
    for (int j = 0; j <= m; ++j)
        D(0, j) = j;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) {
            const int cost = w.at(i - 1) == e.at(j - 1) ? 0 : 1;
            D(i, j) = std::min({D(i - 1, j) + 1, D(i, j - 1) + 1, D(i - 1, j - 1) + cost});
            if (i >= 2 && j >= 2 && w.at(i - 1) == e.at(j - 2) && w.at(i - 2) == e.at(j - 1))
                D(i, j) = std::min(D(i, j), D(i - 2, j - 2) + cost);
        }
    int r = D(n, m);
    if (r <= 1) return r;
    if (w.endsWith(QLatin1String("ah")) && e.endsWith(QLatin1String("er"))) --r;
    QString t = w;
    int count = 0;
    for (qsizetype at = t.indexOf(QLatin1String("ee")); at >= 0;
         at = t.indexOf(QLatin1String("ee"))) {
        t.replace(at, 2, QLatin1String("i"));
        ++count;
    }
    if (t == e) r -= count;
    return r;
}

Similarity similarity(const QString& word, const QString& entry) {
    const int n = int(word.size()), m = int(entry.size());
    if (std::abs(n - m) > 2 || n > kLongestScored || m > kLongestScored) return {};
    const QString w = word.toLower(), e = entry.toLower();
    auto W = [&](int i) { return i < n ? w.at(i) : QChar(); };
    auto E = [&](int j) { return j < m ? e.at(j) : QChar(); };

    Similarity s;
    // The alignment: agreeing letters score; a letter too many on either
    // side is skipped once, and two pending skips withhold the next point.
    {
        int points = 0, pending = 0;
        for (int i = 0, j = 0; i < n && j < m; ++i, ++j) {
            if (W(i) == E(j)) {
                if (pending < 2) ++points;
                if (pending > 0) --pending;
            } else if (E(j) == W(i + 1)) {
                ++points;
                ++i;
                ++pending;
            } else if (E(j + 1) == W(i)) {
                ++points;
                ++j;
                ++pending;
            }
        }
        s.alignment = points - std::abs(n - m);
    }
    // The same walk that also takes a swap of two neighbours; a difference
    // explained by neither withholds the points of the next two agreements.
    {
        int points = 0, pending = 0, withheld = 0;
        for (int i = 0, j = 0; i < n && j < m; ++i, ++j) {
            if (W(i) == E(j)) {
                if (withheld > 0)
                    --withheld;
                else if (pending < 2)
                    ++points;
                if (pending > 0) --pending;
            } else if (i + 1 < n && j + 1 < m && W(i) == E(j + 1) && W(i + 1) == E(j)) {
                points += 2;
                ++i;
                ++j;
            } else if (E(j) == W(i + 1)) {
                ++points;
                ++i;
                ++pending;
            } else if (E(j + 1) == W(i)) {
                ++points;
                ++j;
                ++pending;
            } else {
                withheld = 2;
            }
        }
        s.transposition = points;
    }
    return s;
}

} // namespace spelling
