// Speed of the spelling check's two inner loops on the default lexicon:
// suggestions for one misspelled word (real misspellings of up to 12
// letters from the held-out list), and the scan of a 1 MB article of known
// words with the lookup of every word it stops at.
//   suggest_bench [LEXICON_FOLDER [HELD_OUT_TSV]]
#include "platform/sqlite/sqlitedb.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/lexiconlookup.h"
#include "spelling/scan.h"
#include "spelling/soundex.h"
#include "spelling/suggest.h"
#include "spelling/wordindex.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
QString ql(const char* s) {
    return QString::fromLatin1(s);
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

// Words of the lexicon in paragraphs with some markup, to 1 MB, drawn as
// prose uses them: the word of frequency rank r with a weight of 1 / r.
QString article(const QString& folder) {
    using platform::sqlite::Database;
    using platform::sqlite::Statement;
    Database db(folder + ql("quarn words.accdb"), Database::Mode::ReadOnly);
    Statement s(db, ql("SELECT Text FROM Words WHERE Tag = 1 AND FreqUsed < 3 AND "
                       "Text NOT GLOB '*[^a-z]*' ORDER BY FreqUsed, id"));
    QStringList ranked;
    std::vector<double> cumulative;
    while (s.step()) {
        ranked << s.textValue(0);
        cumulative.push_back((cumulative.empty() ? 0 : cumulative.back()) +
                             1.0 / double(cumulative.size() + 1));
    }
    QRandomGenerator rng(12345);
    auto draw = [&]() -> const QString& {
        const double x = rng.generateDouble() * cumulative.back();
        return ranked[int(std::lower_bound(cumulative.begin(), cumulative.end(), x) -
                          cumulative.begin())];
    };
    QString text = ql("<html><body>\r\n");
    while (text.size() < 1000000) {
        text += ql("<p>");
        for (int sentence = 0; sentence < 4; ++sentence) {
            for (int w = 0; w < 12; ++w) {
                const QString& word = draw();
                if (w == 5)
                    text += ql("<b>") + word + ql("</b> ");
                else
                    text += (w == 0 ? word.left(1).toUpper() + word.mid(1) : word) + ql(" ");
            }
            text.chop(1);
            text += ql(". ");
        }
        text += ql("&nbsp;</p>\r\n");
    }
    return text + ql("</body></html>");
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args[1] : ql(TFV_BENCH_DEFAULT_LEXICON);
    const QString tsv = args.size() > 2 ? args[2] : ql(TFV_BENCH_HELD_OUT);

    platform::sqlite::SqliteLexiconStore store;
    QElapsedTimer t;
    t.start();
    const spelling::LoadedLexicon loaded = spelling::loadLexicon(store, folder);
    if (!loaded.index) {
        std::fprintf(stderr, "no lexicon in %s\n", qPrintable(folder));
        return 1;
    }
    const spelling::WordIndex& index = *loaded.index;
    const double readMs = double(t.nsecsElapsed()) / 1e6;
    t.restart();
    // The first call builds the trie and the sound keys it uses.
    spelling::suggestSpellings(ql("teh"), index);
    std::printf("read the lexicon into its index: %.1f ms; build the suggestions' trie and "
                "sound keys: %.1f ms\n",
                readMs, double(t.nsecsElapsed()) / 1e6);

    QStringList misspelled;
    QFile f(tsv);
    if (f.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
            const QString w = line.section(QLatin1Char('\t'), 0, 0);
            if (!w.isEmpty() && w.size() <= 12 && !spelling::checkWord(index, w).accepted)
                misspelled << w;
        }
    if (misspelled.isEmpty()) {
        std::fprintf(stderr, "no misspellings in %s\n", qPrintable(tsv));
        return 1;
    }
    std::vector<double> ms, byLength[13];
    long long listed = 0;
    for (int round = 0; round < 3; ++round)
        for (const QString& w : misspelled) {
            t.start();
            const auto r = spelling::suggestSpellings(w, index);
            const double took = double(t.nsecsElapsed()) / 1e6;
            ms.push_back(took);
            byLength[w.size()].push_back(took);
            listed += r.list.size();
        }
    std::printf("suggestions for %lld misspelled words of up to 12 letters (3 rounds):\n"
                "  median %.3f ms, 95th percentile %.3f ms, slowest %.3f ms, %.1f suggestions "
                "a word\n",
                (long long)ms.size(), percentile(ms, 0.5), percentile(ms, 0.95),
                percentile(ms, 1.0), double(listed) / double(ms.size()));
    std::printf("  median by length:");
    for (int n = 2; n <= 12; ++n)
        if (!byLength[n].empty()) std::printf(" %d:%.2f", n, percentile(byLength[n], 0.5));
    std::printf(" ms\n");

    const QString text = article(folder);
    const spelling::MarkupMap markup(text); // made once, as the check makes it for a walk
    // The scan alone; with every word looked up.
    std::vector<double> took[2];
    long long stops = 0, rejected = 0, distinct = 0;
    for (int round = 0; round < 5; ++round) {
        for (int mode = 0; mode < 2; ++mode) {
            t.start();
            int start = 1;
            long long n = 0;
            for (;;) {
                const auto stop = spelling::nextWordToCheck(text, start, {}, {}, &markup);
                if (stop.kind != spelling::ScanStop::Kind::Word) break;
                ++n;
                const QString w = text.mid(stop.start, stop.length);
                if (mode == 1 && !spelling::checkWord(index, w).accepted) ++rejected;
                start = stop.start + stop.length + 1;
            }
            took[mode].push_back(double(t.nsecsElapsed()) / 1e6);
            stops = n;
            if (round == 0 && mode == 1) {
                QSet<QString> words;
                for (int at = 1;;) {
                    const auto stop = spelling::nextWordToCheck(text, at, {}, {}, &markup);
                    if (stop.kind != spelling::ScanStop::Kind::Word) break;
                    words.insert(text.mid(stop.start, stop.length));
                    at = stop.start + stop.length + 1;
                }
                distinct = words.size();
            }
        }
    }
    std::printf("scan of a %.2f MB article of known words (%lld words, %lld different; "
                "median of 5):\n"
                "  scan alone %.1f ms; with a lookup of every word %.1f ms (%lld words rejected\n"
                "  over the rounds)\n",
                double(text.size()) / 1e6, stops, distinct, percentile(took[0], 0.5),
                percentile(took[1], 0.5), rejected);
    return 0;
}
