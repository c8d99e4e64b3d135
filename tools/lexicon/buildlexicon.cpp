// Builds the default spelling lexicon from open word data into a folder:
//   tfv-build-lexicon [options] OUTPUT_FOLDER
// The three files are written beside their final names and replace them
// only when all are complete, so a second run gives the same lexicon and a
// failed run leaves the old one. Words added through the checker are not
// carried over: the build writes the lexicon into the build folder, and the
// program copies it into a user's lexicon folder only when that holds none.
#include "platform/sqlite/lexiconfiles.h"
#include "platform/sqlite/sqlitedb.h"
#include "spelling/lexiconschema.h"
#include "spelling/soundex.h"
#include "tools/lexicon/wordsources.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTextStream>
#include <cstdio>
#include <map>

using namespace lexiconbuild;
using platform::sqlite::Database;
using platform::sqlite::Statement;
namespace lex = spelling::lexicon;

namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

int fail(const QString& message) {
    std::fprintf(stderr, "tfv-build-lexicon: %s\n", qPrintable(message));
    return 1;
}

// Where a word of the lexicon came from ("Tag").
enum Tag { WordListTag = 1, BridgeTag = 2, MisspellingTag = 3 };
// A recorded misspelling's frequency class: 4 or more, so that the
// suggestion ranking never offers it for another word.
constexpr double kMisspellingFrequency = 9;

struct WordRecord {
    QString text;
    int tag = WordListTag;
    std::optional<double> freq;
    std::vector<int> links;
    qint64 startId = 0; // for a misspelling: the correct word's first entry
};

QString asciiLower(const QString& s) {
    QString r = s;
    for (QChar& c : r)
        if (c.unicode() >= u'A' && c.unicode() <= u'Z') c = QChar(c.unicode() - u'A' + u'a');
    return r;
}

int categoryOfPos(PartsOfSpeech::Pos pos) {
    switch (pos) {
    case PartsOfSpeech::Noun:
        return lex::kNounCategory;
    case PartsOfSpeech::Verb:
        return lex::kVerbCategory;
    case PartsOfSpeech::Adjective:
        return lex::kAdjectiveCategory;
    default:
        return lex::kAdverbCategory;
    }
}

int categoryOfName(const QString& pos) {
    if (pos == ql("noun")) return lex::kNounCategory;
    if (pos == ql("verb")) return lex::kVerbCategory;
    if (pos == ql("adjective")) return lex::kAdjectiveCategory;
    if (pos == ql("adverb")) return lex::kAdverbCategory;
    return lex::kProperNameCategory;
}

// Writes one file of the lexicon under a temporary name; returns its path.
std::optional<QString> writeFile(const QString& folder, const QString& name,
                                 const std::function<bool(Database&)>& fill, QString* error) {
    const QString temp = folder + name + ql(".building");
    QFile::remove(temp);
    Database db(temp, Database::Mode::Create);
    const bool ok = db.ok() && db.exec(ql("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF")) &&
                    platform::sqlite::createLexiconTables(db, name) && db.exec(ql("BEGIN")) &&
                    fill(db) && db.exec(ql("COMMIT")) &&
                    platform::sqlite::createLexiconIndexes(db, name) && db.exec(ql("ANALYZE"));
    if (!ok) {
        *error = ql("%1: %2").arg(temp, db.errorMessage());
        return std::nullopt;
    }
    return temp;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser cli;
    cli.setApplicationDescription(ql("Builds the default spelling lexicon into OUTPUT_FOLDER."));
    cli.addHelpOption();
    cli.addPositionalArgument(ql("OUTPUT_FOLDER"), ql("the lexicon folder to write"));
    const QCommandLineOption wordList(ql("word-list"), ql("word list, one spelling a line"),
                                      ql("file"), ql(TFV_LEXICON_WORD_LIST));
    const QCommandLineOption wordnet(ql("wordnet"), ql("WordNet database folder"), ql("folder"),
                                     ql(TFV_LEXICON_WORDNET_DIR));
    const QCommandLineOption scowl(ql("scowl"), ql("SCOWL word lists folder"), ql("folder"),
                                   ql(TFV_LEXICON_SCOWL_DIR));
    const QCommandLineOption counts(ql("counts"), ql("SUBTLEX-US word counts (word TAB count)"),
                                    ql("file"), ql(TFV_LEXICON_DATA_DIR "/subtlex-us-counts.tsv"));
    const QCommandLineOption misspellingList(
        ql("misspellings"), ql("common misspellings (misspelling TAB corrections)"), ql("file"),
        ql(TFV_LEXICON_DATA_DIR "/wikipedia-misspellings.tsv"));
    const QCommandLineOption bridge(ql("bridge"), ql("bridge vocabulary"), ql("file"),
                                    ql(TFV_LEXICON_BRIDGE_FILE));
    const QCommandLineOption heldOut(
        ql("held-out"), ql("write the held-out misspellings (wrong TAB right) here"), ql("file"));
    cli.addOptions({wordList, wordnet, scowl, counts, misspellingList, bridge, heldOut});
    cli.process(app);
    if (cli.positionalArguments().size() != 1)
        return fail(ql("name one output folder (see --help)"));
    QString folder = QDir(cli.positionalArguments().first()).absolutePath() + QLatin1Char('/');
    if (!QDir().mkpath(folder)) return fail(ql("cannot create %1").arg(folder));

    QString error;
    const auto listWords = readWordList(cli.value(wordList), &error);
    if (!listWords) return fail(error);
    PartsOfSpeech pos;
    if (!pos.load(cli.value(wordnet), &error)) return fail(error);
    Frequencies freq;
    if (!freq.loadSubtlex(cli.value(counts), &error)) return fail(error);
    if (!freq.loadScowl(cli.value(scowl), &error)) return fail(error);
    const auto misspellings = readMisspellings(cli.value(misspellingList), &error);
    if (!misspellings) return fail(error);
    const auto terms = readBridgeTerms(cli.value(bridge), &error);
    if (!terms) return fail(error);

    // Words of the list, then bridge terms the list lacks.
    std::vector<WordRecord> words;
    QHash<QString, int> byText; // exact spelling -> index in words
    QSet<QString> byLower;      // spellings with ASCII case folded
    int fromCounts = 0, fromLevels = 0;
    auto addWord = [&](const QString& text, int tag) {
        WordRecord w{text, tag, std::nullopt, {}, 0};
        bool counted = false;
        w.freq = freq.classOf(text, &counted);
        if (counted)
            ++fromCounts;
        else if (w.freq)
            ++fromLevels;
        byText.insert(text, int(words.size()));
        byLower.insert(asciiLower(text));
        words.push_back(w);
        return &words.back();
    };
    int variantsLeftOut = 0;
    for (const QString& text : *listWords) {
        // Variant spellings ("focusses") are left out: in American English
        // they are misspellings, and the suggestions never offer them.
        if (freq.isVariantOnly(text)) {
            ++variantsLeftOut;
            continue;
        }
        WordRecord* w = addWord(text, WordListTag);
        if (text.contains(QLatin1Char('\''))) {
            w->links = {lex::kWordCategory}; // possessives and contractions
        } else if (text.at(0).isUpper()) {
            w->links = {lex::kProperNameCategory};
        } else {
            for (PartsOfSpeech::Pos p : pos.of(text))
                w->links.push_back(categoryOfPos(p));
            if (w->links.empty()) w->links = {lex::kWordCategory};
        }
    }
    for (const BridgeTerm& t : *terms) {
        const int at = byText.value(t.text, -1);
        WordRecord* w = at >= 0 ? &words[at] : addWord(t.text, BridgeTag);
        if (at < 0) w->links = {categoryOfName(t.pos)};
        w->links.push_back(lex::kBridgeTermCategory);
    }
    const qsizetype realWords = qsizetype(words.size());

    // Entry numbers: each word's entries in turn, from 1.
    std::vector<qint64> firstEntry(words.size() + misspellings->size() + 1, 0);
    qint64 nextEntry = 1;
    for (size_t i = 0; i < words.size(); ++i) {
        firstEntry[i] = nextEntry;
        nextEntry += qint64(words[i].links.size());
    }

    // Misspellings: the held-out part is never loaded; of the rest, those
    // with one correct word that the lexicon holds are also recorded as words.
    std::vector<std::pair<QString, QString>> pairs, heldOutPairs;
    QSet<QString> recordedLower;
    for (const Misspelling& m : *misspellings) {
        if (isHeldOut(m)) {
            heldOutPairs.emplace_back(m.wrong, m.right.join(QLatin1Char(',')));
            continue;
        }
        for (const QString& r : m.right)
            pairs.emplace_back(m.wrong, r);
        const QString lower = asciiLower(m.wrong);
        const int right = m.right.size() == 1 ? byText.value(m.right.first(), -1) : -1;
        if (right < 0 || right >= realWords || byLower.contains(lower) ||
            recordedLower.contains(lower))
            continue;
        recordedLower.insert(lower);
        WordRecord w{m.wrong,
                     MisspellingTag,
                     kMisspellingFrequency,
                     {lex::kMisspellingLink},
                     firstEntry[right]};
        firstEntry[words.size()] = nextEntry++;
        words.push_back(w);
    }

    std::map<int, int> entriesByLink;
    const auto wordsFile = writeFile(
        folder, lex::wordsFile(),
        [&](Database& db) {
            Statement ins(db, ql("INSERT INTO Words (id, Text, Soundex, Tag, Sorted, FreqUsed) "
                                 "VALUES (?1,?2,?3,?4,?5,?6)"));
            for (size_t i = 0; i < words.size(); ++i) {
                const WordRecord& w = words[i];
                ins.reset();
                ins.bindInt(1, qint64(i) + 1);
                ins.bind(2, w.text);
                ins.bind(3, spelling::MakeSoundex(w.text));
                ins.bindInt(4, w.tag);
                ins.bind(5, spelling::sortedLetters(w.text));
                ins.bind(6, w.freq ? QVariant(*w.freq) : QVariant());
                ins.step();
                if (ins.lastResult() != SQLITE_DONE) return false;
            }
            return true;
        },
        &error);
    if (!wordsFile) return fail(error);
    const auto linksFile = writeFile(
        folder, lex::linksFile(),
        [&](Database& db) {
            Statement ins(
                db, ql("INSERT INTO Velmora (ID, WordID, LinkID, startID) VALUES (?1,?2,?3,?4)"));
            for (size_t i = 0; i < words.size(); ++i) {
                qint64 entry = firstEntry[i];
                for (int link : words[i].links) {
                    ins.reset();
                    ins.bindInt(1, entry++);
                    ins.bindInt(2, qint64(i) + 1);
                    ins.bindInt(3, link);
                    ins.bind(4, words[i].startId ? QVariant(words[i].startId) : QVariant());
                    ins.step();
                    if (ins.lastResult() != SQLITE_DONE) return false;
                    ++entriesByLink[link];
                }
            }
            Statement wiki(
                db, ql("INSERT INTO \"z_Misspelling-Wikipedia\" (Wrong, Right) VALUES (?1,?2)"));
            for (const auto& [wrong, right] : pairs) {
                wiki.reset();
                wiki.bind(1, wrong);
                wiki.bind(2, right);
                wiki.step();
                if (wiki.lastResult() != SQLITE_DONE) return false;
            }
            return true;
        },
        &error);
    if (!linksFile) return fail(error);
    const auto dictionaryFile = writeFile(
        folder, lex::dictionaryFile(), [](Database&) { return true; }, &error);
    if (!dictionaryFile) return fail(error);

    for (const auto& [temp, name] :
         {std::pair{*wordsFile, lex::wordsFile()}, std::pair{*linksFile, lex::linksFile()},
          std::pair{*dictionaryFile, lex::dictionaryFile()}}) {
        QFile::remove(folder + name);
        if (!QFile::rename(temp, folder + name))
            return fail(ql("cannot replace %1").arg(folder + name));
    }
    if (cli.isSet(heldOut)) {
        QFile out(cli.value(heldOut));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(ql("cannot write %1").arg(out.fileName()));
        QTextStream s(&out);
        for (const auto& [wrong, right] : heldOutPairs)
            s << wrong << '\t' << right << '\n';
    }

    QTextStream out(stdout);
    out << "Lexicon built in " << folder << "\n";
    const qsizetype listed = listWords->size() - variantsLeftOut;
    out << "  Words: " << words.size() << " (word list " << listed << ", its " << variantsLeftOut
        << " variant spellings left out; bridge terms added " << (realWords - listed)
        << ", recorded misspellings " << (qsizetype(words.size()) - realWords) << ")\n";
    out << "    FreqUsed from SUBTLEX-US counts " << fromCounts << ", from SCOWL levels "
        << fromLevels << ", none " << (realWords - fromCounts - fromLevels) << "\n";
    qint64 entries = 0;
    for (const auto& [link, n] : entriesByLink)
        entries += n;
    out << "  Velmora: " << entries << " entries";
    for (const auto& [link, n] : entriesByLink)
        out << ", " << link << ": " << n;
    out << "\n  z_Misspelling-Wikipedia: " << pairs.size() << " pairs (" << heldOutPairs.size()
        << " misspellings held out)\n";
    out << "  Definitions: 0\n";
    return 0;
}
