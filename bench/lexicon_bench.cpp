// Lexicon figures: the time to read the lexicon into its word index,
// lookups per second of the check's word test on the default lexicon (the
// word index in memory), and the size of the files.
//   lexicon_bench [LEXICON_FOLDER]   (default: the build's default-lexicon/)
#include "platform/sqlite/sqlitedb.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/lexiconlookup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace {
QString ql(const char* s) {
    return QString::fromLatin1(s);
}

// Words as a check meets them: mostly known words in several cases, with
// misspellings, unknown words, hyphenated and prefixed forms among them.
QStringList sampleWords(const QString& folder) {
    using platform::sqlite::Database;
    using platform::sqlite::Statement;
    QStringList words;
    Database db(folder + ql("quarn words.accdb"), Database::Mode::ReadOnly);
    Statement s(db, ql("SELECT Text FROM Words WHERE id % 5 = 0"));
    int i = 0;
    while (s.step()) {
        const QString w = s.textValue(0);
        switch (i++ % 10) {
        case 0:
            words << w.toUpper();
            break;
        case 1:
            words << w + ql("q");
            break; // unknown
        case 2:
            words << ql("re") + w;
            break; // prefix rule
        case 3:
            words << w + ql("-") + w;
            break; // hyphen rule
        default:
            words << w;
            break;
        }
    }
    return words;
}

void run(const QString& folder, const QStringList& sample) {
    platform::sqlite::SqliteLexiconStore store;
    QElapsedTimer t;
    t.start();
    const spelling::LoadedLexicon loaded = spelling::loadLexicon(store, folder);
    if (!loaded.index) {
        std::fprintf(stderr, "no lexicon in %s: %s\n", qPrintable(folder),
                     qPrintable(loaded.reason));
        std::exit(1);
    }
    const double readMs = double(t.nsecsElapsed()) / 1e6;
    const spelling::WordIndex& index = *loaded.index;

    long long lookups = 0, accepted = 0;
    t.restart();
    while (t.elapsed() < 2000)
        for (const QString& w : sample) {
            accepted += spelling::checkWord(index, w).accepted;
            ++lookups;
        }
    const double seconds = double(t.nsecsElapsed()) / 1e9;
    std::printf("read into the index %.1f ms (%d spellings)\n"
                "IsWordInLexicon %10.0f lookups/s  (%lld lookups, %.0f%% accepted)\n",
                readMs, index.size(), double(lookups) / seconds, lookups,
                100.0 * double(accepted) / double(lookups));
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : ql(TFV_BENCH_DEFAULT_LEXICON);
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    qint64 bytes = 0;
    for (const char* f : {"qn.accdb", "quarn words.accdb", "dictionary.accdb"})
        bytes += QFileInfo(folder + ql(f)).size();
    std::printf("lexicon %s: %.1f MB on disk\n", qPrintable(folder), double(bytes) / 1e6);
    const QStringList sample = sampleWords(folder);
    std::printf("sample: %lld words\n", (long long)sample.size());
    run(folder, sample);
    return 0;
}
