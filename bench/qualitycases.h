#pragma once

// The misspelling lists the quality benchmarks measure on: the held-out
// split of the lexicon's table of common misspellings, and a second list
// the lexicon never saw, from the misspellings that the Debian package
// codespell collects (its dictionary.txt: misspelling->correction).
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

namespace bench {

struct Case {
    QString wrong, intended;
};

inline quint32 fnv1a(const QString& s) {
    quint32 h = 2166136261u;
    for (char c : s.toUtf8()) {
        h ^= quint8(c);
        h *= 16777619u;
    }
    return h;
}

// "misspelling<TAB>corrections" lines, the intended word the first correction.
inline std::vector<Case> readCases(const QString& tsv) {
    std::vector<Case> cases;
    QFile f(tsv);
    if (!f.open(QIODevice::ReadOnly)) return cases;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QString wrong = line.section(QLatin1Char('\t'), 0, 0).trimmed();
        const QString intended =
            line.section(QLatin1Char('\t'), 1).section(QLatin1Char(','), 0, 0).trimmed();
        if (!wrong.isEmpty() && !intended.isEmpty()) cases.push_back({wrong, intended});
    }
    return cases;
}

inline QString codespellList() {
    return QStringLiteral("/usr/lib/python3/dist-packages/codespell_lib/data/dictionary.txt");
}

// The second list: codespell's pairs with one correction, both in small
// ASCII letters (its misspellings of identifiers aside), leaving out every
// pair whose misspelling is in `seen` (the misspellings of the lexicon's
// table, loaded and held out alike), and then keeping one pair in `every`:
// those whose misspelling's hash leaves `remainder`. suggest_quality
// reports on remainder 0; suggest_tune may study remainder 6.
inline std::vector<Case> readCodespellCases(const QString& path, const QSet<QString>& seen,
                                            int every, int remainder = 0) {
    std::vector<Case> cases;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return cases;
    auto plain = [](const QString& w) {
        if (w.size() < 3) return false;
        for (QChar c : w)
            if (c < QLatin1Char('a') || c > QLatin1Char('z')) return false;
        return true;
    };
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype arrow = line.indexOf(QLatin1String("->"));
        if (arrow <= 0) continue;
        const QString wrong = line.left(arrow).trimmed();
        QString right = line.mid(arrow + 2).trimmed();
        if (right.endsWith(QLatin1Char(','))) right.chop(1);
        if (right.contains(QLatin1Char(',')) || !plain(wrong) || !plain(right)) continue;
        if (seen.contains(wrong)) continue;
        if (fnv1a(wrong) % quint32(every) != quint32(remainder)) continue;
        cases.push_back({wrong, right});
    }
    return cases;
}

// The misspellings of the lexicon's table of common misspellings.
inline QSet<QString> tableMisspellings(const QString& tsv) {
    QSet<QString> words;
    for (const Case& c : readCases(tsv))
        words.insert(c.wrong);
    return words;
}

} // namespace bench
