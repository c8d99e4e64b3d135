#include "spelling/hunspellexport.h"

#include "spelling/lexiconschema.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace spelling {
namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

constexpr int kRecordedMisspellingTag = 3;

// Suggestions try replacing and inserting these, the most frequent first:
// every character of the listed words but the blank.
QString tryCharacters(const QStringList& words) {
    QHash<char32_t, qint64> counts;
    for (const QString& w : words)
        for (char32_t c : w.toUcs4())
            ++counts[c];
    std::vector<std::pair<char32_t, qint64>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.key(), it.value());
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    QString out;
    for (const auto& [c, n] : byCount)
        out += QString::fromUcs4(&c, 1);
    return out;
}

} // namespace

QStringList acceptedWords(const WordIndex& index) {
    QStringList out;
    for (int i = 0; i < index.size(); ++i) {
        const WordIndex::Entry& e = index.at(i);
        if (e.tag == kRecordedMisspellingTag || e.text.isEmpty()) continue;
        if (e.has(WordIndex::Categorised) || !e.has(WordIndex::HasLinks) ||
            e.tag == lexicon::kUserWordTag)
            out << e.text;
    }
    return out;
}

HunspellDictionary makeHunspellDictionary(const QStringList& words) {
    HunspellDictionary d;
    QStringList listed;
    for (const QString& w : words) {
        // Hunspell reads a word up to the first blank or tab; what follows
        // would be taken for its morphology.
        if (std::any_of(w.begin(), w.end(), [](QChar c) { return c.isSpace(); })) {
            if (!d.left.contains(w)) d.left << w;
            continue;
        }
        listed << w;
    }
    std::sort(listed.begin(), listed.end());
    listed.erase(std::unique(listed.begin(), listed.end()), listed.end());
    d.words = int(listed.size());

    QString dic = QString::number(listed.size()) + QLatin1Char('\n');
    for (const QString& w : std::as_const(listed)) {
        QString line = w;
        line.replace(QLatin1Char('/'), ql("\\/")); // a bare "/" starts the affix flags
        dic += line + QLatin1Char('\n');
    }
    d.dic = dic.toUtf8();

    QString aff = ql("# The bridge lexicon of Tarnwell File Viewer, written by\n"
                     "# tarnwell-spell --export-hunspell. Every word is listed in full in\n"
                     "# the .dic file: there are no affix rules.\n"
                     "SET UTF-8\n");
    aff += ql("TRY ") + tryCharacters(listed) + QLatin1Char('\n');
    aff += QStringLiteral("KEY qwertyuiop|asdfghjkl|zxcvbnm\n"
                          "# A typographic apostrophe is read as the straight one of the words.\n"
                          "ICONV 1\n"
                          "ICONV \u2019 '\n");
    d.aff = aff.toUtf8();
    return d;
}

} // namespace spelling
