// Tunes the weights of the suggestion ranking on one half of the held-out
// misspellings and reports them on the other half, so that the figures
// shown are never those of the cases the weights were chosen on.
//   suggest_tune [HELD_OUT_TSV [LEXICON_FOLDER]]
// The halves: a case belongs to the tuning half when the 32-bit FNV-1a hash
// of its misspelling (UTF-8) is even. Each weight is tried in turn over a
// few values, keeping the best (first place, then the first five), for two
// rounds; the defaults of spelling::RankingWeights are shown beside it.
#include "bench/qualitycases.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/lexiconlookup.h"
#include "spelling/suggest.h"

#include <QCoreApplication>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
QString ql(const char* s) {
    return QString::fromLatin1(s);
}

struct Score {
    int cases = 0, accepted = 0, first = 0, top5 = 0, anywhere = 0;
    double share(int n) const { return cases ? 100.0 * n / cases : 0; }
    bool betterThan(const Score& o) const {
        return first != o.first ? first > o.first : top5 != o.top5 ? top5 > o.top5 : anywhere > o.anywhere;
    }
};

Score evaluate(const std::vector<bench::Case>& cases, const spelling::WordIndex& index,
               const spelling::RankingWeights& w) {
    Score s;
    for (const bench::Case& c : cases) {
        ++s.cases;
        if (spelling::checkWord(index, c.wrong).accepted) {
            ++s.accepted;
            continue;
        }
        const QStringList list = spelling::suggestSpellings(c.wrong, index, w).list;
        const qsizetype at = list.indexOf(c.intended);
        s.first += at == 0;
        s.top5 += at >= 0 && at < 5;
        s.anywhere += at >= 0;
    }
    return s;
}

void print(const char* label, const Score& s) {
    std::printf("  %-28s %5d cases %4d accepted   first %5.1f %%  top 5 %5.1f %%  any %5.1f %%\n",
                label, s.cases, s.accepted, s.share(s.first), s.share(s.top5),
                s.share(s.anywhere));
}

void printWeights(const spelling::RankingWeights& w) {
    std::printf("  frequency %.2f  properName %.2f  firstLetter %.2f  sameSoundKey %.2f\n"
                "  commonMisspelling %.2f  splitWord %.2f  widest %.2f  most %d\n",
                w.frequency, w.properName, w.firstLetter, w.sameSoundKey, w.commonMisspelling,
                w.splitWord, w.widest, w.most);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString tsv = args.size() > 1 ? args[1] : ql(TFV_BENCH_HELD_OUT);
    QString folder = args.size() > 2 ? args[2] : ql(TFV_BENCH_DEFAULT_LEXICON);
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');

    platform::sqlite::SqliteLexiconStore store;
    const spelling::LoadedLexicon loaded = spelling::loadLexicon(store, folder);
    if (!loaded.index) {
        std::fprintf(stderr, "no lexicon in %s\n", qPrintable(folder));
        return 1;
    }
    const spelling::WordIndex& index = *loaded.index;
    std::vector<bench::Case> all = bench::readCases(tsv);
    std::vector<bench::Case> tune, report;
    for (const bench::Case& c : all) {
        // Only cases whose intended word the lexicon holds can be found.
        if (!spelling::checkWord(index, c.intended).accepted) continue;
        (bench::fnv1a(c.wrong) % 2 == 0 ? tune : report).push_back(c);
    }
    std::printf("%zu held-out misspellings: %zu to tune on, %zu to report on\n", all.size(),
                tune.size(), report.size());

    spelling::RankingWeights best;
    Score bestScore = evaluate(tune, index, best);
    std::printf("defaults:\n");
    print("tuning half", bestScore);
    printWeights(best);

    struct Knob {
        double* value;
        std::vector<double> tries;
    };
    for (int round = 0; round < 2; ++round) {
        spelling::RankingWeights w = best;
        const std::vector<Knob> knobs = {
            {&w.frequency, {0.15, 0.25, 0.35, 0.45, 0.6}},
            {&w.properName, {0.2, 0.4, 0.6, 0.9}},
            {&w.firstLetter, {0, 0.2, 0.4, 0.6}},
            {&w.sameSoundKey, {0, 0.15, 0.25, 0.4}},
            {&w.commonMisspelling, {0.5, 1.0, 1.5, 2.5}},
            {&w.splitWord, {0.6, 1.0, 1.4}},
        };
        for (const Knob& k : knobs) {
            const double kept = *k.value;
            for (double v : k.tries) {
                *k.value = v;
                const Score s = evaluate(tune, index, w);
                if (s.betterThan(bestScore)) {
                    bestScore = s;
                    best = w;
                }
            }
            *k.value = kept;
            w = best;
        }
    }
    std::printf("tuned:\n");
    print("tuning half", bestScore);
    printWeights(best);
    std::printf("reported (the other half):\n");
    print("defaults", evaluate(report, index, spelling::RankingWeights{}));
    print("tuned", evaluate(report, index, best));
    return 0;
}
