// Tunes the weights of the suggestion ranking on one half of the held-out
// misspellings and reports them on the other half, so that the figures
// shown are never those of the cases the weights were chosen on.
//   suggest_tune [HELD_OUT_TSV [LEXICON_FOLDER]]
// The halves: a case belongs to the tuning half when the 32-bit FNV-1a hash
// of its misspelling (UTF-8) is even. TFV_SHOW_MISSES=1 lists the tuning
// half's misses with the ranked candidates. Each weight is tried in turn over a
// few values, keeping the best (first place counted four times, the first
// five twice, anywhere once), for three rounds; the defaults of
// spelling::RankingWeights are shown beside it.
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
    // First place counts most, then the first five, then the rest of the list.
    int value() const { return 4 * first + 2 * top5 + anywhere; }
    bool betterThan(const Score& o) const { return value() > o.value(); }
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
                label, s.cases, s.accepted, s.share(s.first), s.share(s.top5), s.share(s.anywhere));
}

void printWeights(const spelling::RankingWeights& w) {
    const spelling::TypingCosts& t = w.typing;
    std::printf("  frequency %.2f  properName %.2f  firstLetter %.2f  sameSoundKey %.2f\n"
                "  commonMisspelling %.2f  splitWord %.2f  prefixedWord %.2f  widest %.2f\n"
                "  most %d  longWord %d\n"
                "  typing: vowelForVowel %.2f  keyBeside %.2f  otherLetter %.2f  doubled %.2f\n"
                "          missingVowel %.2f  missingLetter %.2f  extraBesideKey %.2f\n"
                "          extraLetter %.2f  swap %.2f  rewrite %.2f\n",
                w.frequency, w.properName, w.firstLetter, w.sameSoundKey, w.commonMisspelling,
                w.splitWord, w.prefixedWord, w.widest, w.most, w.longWord, t.vowelForVowel,
                t.keyBeside, t.otherLetter, t.doubled, t.missingVowel, t.missingLetter,
                t.extraBesideKey, t.extraLetter, t.swap, t.rewrite);
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

    // Codespell's misspellings, a sample other than the one suggest_quality
    // reports on, for studying the mistakes the table lacks.
    std::vector<bench::Case> study;
    for (const bench::Case& c : bench::readCodespellCases(
             bench::codespellList(), bench::tableMisspellings(ql(TFV_BENCH_MISSPELLING_TABLE)), 12,
             6))
        if (spelling::checkWord(index, c.intended).accepted) study.push_back(c);

    // TFV_SHOW_MISSES=1 lists the misses of the tuning half and of that
    // sample (never those of what is reported).
    if (qEnvironmentVariableIntValue("TFV_SHOW_MISSES") == 1)
        for (const bench::Case& c : tune) {
            if (spelling::checkWord(index, c.wrong).accepted) {
                std::printf("accepted: %s (meant %s)\n", qPrintable(c.wrong),
                            qPrintable(c.intended));
                continue;
            }
            const auto r = spelling::suggestSpellings(c.wrong, index);
            if (r.list.value(0) != c.intended)
                std::printf("miss: %s -> %s: %s\n", qPrintable(c.wrong), qPrintable(c.intended),
                            qPrintable(r.work.mid(0, 5).join(QLatin1String(" | "))));
        }
    if (qEnvironmentVariableIntValue("TFV_SHOW_MISSES") == 1)
        for (const bench::Case& c : study) {
            if (spelling::checkWord(index, c.wrong).accepted) {
                std::printf("study accepted: %s (meant %s)\n", qPrintable(c.wrong),
                            qPrintable(c.intended));
                continue;
            }
            const auto r = spelling::suggestSpellings(c.wrong, index);
            if (r.list.mid(0, 5).contains(c.intended)) continue;
            std::printf("study miss: %s -> %s: %s\n", qPrintable(c.wrong), qPrintable(c.intended),
                        qPrintable(r.work.mid(0, 5).join(QLatin1String(" | "))));
        }

    spelling::RankingWeights best;
    Score bestScore = evaluate(tune, index, best);
    std::printf("defaults:\n");
    print("tuning half", bestScore);
    printWeights(best);

    struct Knob {
        double* value;
        std::vector<double> tries;
    };
    for (int round = 0; round < 3; ++round) {
        spelling::RankingWeights w = best;
        const std::vector<Knob> knobs = {
            {&w.frequency, {0.15, 0.2, 0.25, 0.3, 0.35, 0.45}},
            {&w.properName, {0.2, 0.4, 0.6, 0.9}},
            {&w.firstLetter, {0, 0.1, 0.2, 0.4}},
            {&w.sameSoundKey, {0, 0.15, 0.25, 0.4}},
            {&w.commonMisspelling, {0.5, 1.0, 1.5, 2.5}},
            {&w.splitWord, {1.4, 1.8, 2.2, 2.6}},
            {&w.prefixedWord, {0.5, 1.0, 1.5, 2.0}},
            {&w.typing.vowelForVowel, {0.5, 0.6, 0.7, 0.8, 0.9}},
            {&w.typing.keyBeside, {0.6, 0.7, 0.85, 1.0}},
            {&w.typing.otherLetter, {1.0, 1.2, 1.4, 1.6}},
            {&w.typing.doubled, {0.1, 0.2, 0.3, 0.4}},
            {&w.typing.missingVowel, {0.5, 0.6, 0.7, 0.8, 0.9}},
            {&w.typing.missingLetter, {0.4, 0.5, 0.6, 0.7, 0.8}},
            {&w.typing.extraBesideKey, {0.6, 0.8, 1.0, 1.2}},
            {&w.typing.extraLetter, {0.6, 0.8, 1.0, 1.2}},
            {&w.typing.swap, {0.4, 0.5, 0.6, 0.8}},
            {&w.typing.rewrite, {0.2, 0.3, 0.4, 0.5}},
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
    std::printf("codespell's misspellings, the sample studied (not the one reported):\n");
    print("defaults", evaluate(study, index, spelling::RankingWeights{}));
    print("tuned", evaluate(study, index, best));
    return 0;
}
