#include "tools/lexicon/wordsources.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cmath>

namespace lexiconbuild {
namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

std::optional<QByteArray> readAll(const QString& path, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = ql("cannot read %1: %2").arg(path, f.errorString());
        return std::nullopt;
    }
    return f.readAll();
}

// The lines of a UTF-8 file of two tab-separated fields (LF or CR LF line
// ends; empty lines skipped), each with its line number. A line with
// another number of fields is an error.
std::optional<std::vector<std::pair<int, QStringList>>> readTabbedLines(const QString& path,
                                                                        QString* error) {
    const auto bytes = readAll(path, error);
    if (!bytes) return std::nullopt;
    std::vector<std::pair<int, QStringList>> lines;
    int lineNo = 0;
    for (QString line : QString::fromUtf8(*bytes).split(QLatin1Char('\n'))) {
        ++lineNo;
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.isEmpty()) continue;
        QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 2) {
            *error = ql("%1 line %2: expected two fields separated by a tab").arg(path).arg(lineNo);
            return std::nullopt;
        }
        lines.emplace_back(lineNo, std::move(fields));
    }
    return lines;
}

const char* const kPosFiles[] = {"noun", "verb", "adj", "adv"};

// WordNet's detachment rules (suffix, replacement) per part of speech.
const std::vector<std::pair<QString, QString>>& suffixRules(int pos) {
    static const std::vector<std::pair<QString, QString>> rules[] = {
        {{ql("s"), ql("")},
         {ql("ses"), ql("s")},
         {ql("xes"), ql("x")},
         {ql("zes"), ql("z")},
         {ql("ches"), ql("ch")},
         {ql("shes"), ql("sh")},
         {ql("men"), ql("man")},
         {ql("ies"), ql("y")}},
        {{ql("s"), ql("")},
         {ql("ies"), ql("y")},
         {ql("es"), ql("e")},
         {ql("es"), ql("")},
         {ql("ed"), ql("e")},
         {ql("ed"), ql("")},
         {ql("ing"), ql("e")},
         {ql("ing"), ql("")}},
        {{ql("er"), ql("")}, {ql("est"), ql("")}, {ql("er"), ql("e")}, {ql("est"), ql("e")}},
        {},
    };
    return rules[pos];
}

} // namespace

std::optional<QStringList> readWordList(const QString& path, QString* error) {
    const auto bytes = readAll(path, error);
    if (!bytes) return std::nullopt;
    QStringList words;
    QSet<QString> seen;
    for (const QString& line : QString::fromUtf8(*bytes).split(QLatin1Char('\n'))) {
        const QString w = line.trimmed();
        if (w.isEmpty() || seen.contains(w)) continue;
        seen.insert(w);
        words << w;
    }
    if (words.size() < 1000) {
        *error = ql("%1 holds only %2 words").arg(path).arg(words.size());
        return std::nullopt;
    }
    return words;
}

bool PartsOfSpeech::load(const QString& folder, QString* error) {
    for (int pos = 0; pos < PosCount; ++pos) {
        const auto index = readAll(folder + ql("/index.") + ql(kPosFiles[pos]), error);
        if (!index) return false;
        for (const QByteArray& line : index->split('\n')) {
            if (line.isEmpty() || line.startsWith(' ')) continue; // the licence header
            const int blank = line.indexOf(' ');
            lemmas_[pos].insert(QString::fromUtf8(line.left(blank)));
        }
        const auto exc = readAll(folder + ql("/") + ql(kPosFiles[pos]) + ql(".exc"), error);
        if (!exc) return false;
        for (const QByteArray& line : exc->split('\n')) {
            const QStringList parts =
                QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() >= 2) exceptions_[pos][parts[0]] = parts.mid(1);
        }
    }
    if (lemmaCount() < 1000) {
        *error = ql("the WordNet index in %1 is too small").arg(folder);
        return false;
    }
    return true;
}

qsizetype PartsOfSpeech::lemmaCount() const {
    qsizetype n = 0;
    for (const auto& s : lemmas_)
        n += s.size();
    return n;
}

std::vector<PartsOfSpeech::Pos> PartsOfSpeech::of(const QString& word) const {
    std::vector<Pos> found;
    for (int pos = 0; pos < PosCount; ++pos) {
        bool has = lemmas_[pos].contains(word);
        for (const QString& base : exceptions_[pos].value(word))
            has = has || lemmas_[pos].contains(base);
        for (const auto& [suffix, replacement] : suffixRules(pos)) {
            if (has) break;
            if (word.size() > suffix.size() + 1 && word.endsWith(suffix))
                has = lemmas_[pos].contains(word.left(word.size() - suffix.size()) + replacement);
        }
        if (has) found.push_back(Pos(pos));
    }
    return found;
}

bool Frequencies::loadSubtlex(const QString& countsFile, QString* error) {
    const auto lines = readTabbedLines(countsFile, error);
    if (!lines) return false;
    top_ = 1;
    for (const auto& [lineNo, fields] : *lines) {
        bool number = false;
        const double count = fields[1].toDouble(&number);
        if (fields[0].isEmpty() || !number || count <= 0) {
            *error =
                ql("%1 line %2: expected a word, a tab and its count").arg(countsFile).arg(lineNo);
            return false;
        }
        const QString& w = fields[0];
        exact_[w] = std::max(exact_.value(w), count);
        const QString lower = w.toLower();
        lower_[lower] = std::max(lower_.value(lower), count);
        top_ = std::max(top_, count);
    }
    if (exact_.size() < 1000) {
        *error = ql("%1 holds too few word counts").arg(countsFile);
        return false;
    }
    return true;
}

bool Frequencies::loadScowl(const QString& folder, QString* error) {
    static const QRegularExpression name(ql("^(english|american)-[a-z-]+\\.(\\d+)$"));
    const QStringList files = QDir(folder).entryList(QDir::Files);
    for (const QString& file : files) {
        const auto m = name.match(file);
        if (!m.hasMatch()) continue;
        const int level = m.captured(2).toInt();
        const auto bytes = readAll(folder + QLatin1Char('/') + file, error);
        if (!bytes) return false;
        // SCOWL's lists are ISO-8859-1.
        for (const QString& line : QString::fromLatin1(*bytes).split(QLatin1Char('\n'))) {
            const QString w = line.trimmed();
            if (w.isEmpty()) continue;
            const int old = scowlLevel_.value(w, 1000);
            if (level < old) scowlLevel_[w] = level;
        }
    }
    if (scowlLevel_.size() < 1000) {
        *error = ql("no SCOWL word lists in %1").arg(folder);
        return false;
    }
    // The variants of the second and third kind (the first kind are
    // spellings as usual as the main one).
    static const QRegularExpression variant(ql("^variant_[23]-[a-z-]+\\.\\d+$"));
    for (const QString& file : files) {
        if (!variant.match(file).hasMatch()) continue;
        const auto bytes = readAll(folder + QLatin1Char('/') + file, error);
        if (!bytes) return false;
        for (const QString& line : QString::fromLatin1(*bytes).split(QLatin1Char('\n'))) {
            const QString w = line.trimmed();
            if (!w.isEmpty() && !scowlLevel_.contains(w)) variantOnly_.insert(w);
        }
    }
    return true;
}

std::optional<double> Frequencies::classOf(const QString& word, bool* fromCounts) const {
    double count = exact_.value(word);
    if (count <= 0) count = lower_.value(word.toLower());
    if (fromCounts) *fromCounts = count > 0;
    if (count > 0) return std::round(std::log10(top_ / count) / 2 * 1000) / 1000;
    const int level = scowlLevel_.value(word, 0);
    if (level > 0) return 3.5 + level / 200.0;
    return std::nullopt;
}

std::optional<std::vector<Misspelling>> readMisspellings(const QString& path, QString* error) {
    const auto lines = readTabbedLines(path, error);
    if (!lines) return std::nullopt;
    std::vector<Misspelling> list;
    for (const auto& [lineNo, fields] : *lines) {
        Misspelling m{fields[0].trimmed(), {}};
        for (const QString& r : fields[1].split(QLatin1Char(','), Qt::SkipEmptyParts))
            if (!r.trimmed().isEmpty()) m.right << r.trimmed();
        if (m.wrong.isEmpty() || m.right.isEmpty()) {
            *error = ql("%1 line %2: expected a misspelling, a tab and its corrections")
                         .arg(path)
                         .arg(lineNo);
            return std::nullopt;
        }
        list.push_back(m);
    }
    if (list.size() < 100) {
        *error = ql("%1 holds too few misspellings").arg(path);
        return std::nullopt;
    }
    return list;
}

bool isHeldOut(const Misspelling& m) {
    quint32 h = 2166136261u;
    for (char c : m.right.first().toLower().toUtf8()) {
        h ^= quint8(c);
        h *= 16777619u;
    }
    return h % 10 < 3;
}

std::optional<std::vector<BridgeTerm>> readBridgeTerms(const QString& path, QString* error) {
    const auto bytes = readAll(path, error);
    if (!bytes) return std::nullopt;
    std::vector<BridgeTerm> terms;
    static const QStringList kinds = {ql("noun"), ql("verb"), ql("adjective"), ql("adverb"),
                                      ql("name")};
    int lineNo = 0;
    for (const QString& line : QString::fromUtf8(*bytes).split(QLatin1Char('\n'))) {
        ++lineNo;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() != 2 || !kinds.contains(parts[1].trimmed())) {
            *error = ql("%1 line %2: expected a term, a tab and one of %3")
                         .arg(path)
                         .arg(lineNo)
                         .arg(kinds.join(ql(", ")));
            return std::nullopt;
        }
        terms.push_back({parts[0].trimmed(), parts[1].trimmed()});
    }
    return terms;
}

} // namespace lexiconbuild
