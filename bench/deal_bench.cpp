// Deals: reading a 36-board PBN file, the notation check of a long
// article, and the double-dummy table of one deal (five strains, four
// declarers, par) with the real solver, over random deals.
#include "deal/dds/ddssolver.h"
#include "deal/diagram.h"
#include "deal/notationcheck.h"
#include "deal/pbn.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

using namespace deal;

namespace {

Deal randomDeal(std::mt19937& random) {
    std::vector<int> pack(52);
    for (int i = 0; i < 52; ++i)
        pack[i] = i;
    std::shuffle(pack.begin(), pack.end(), random);
    Deal d;
    for (int i = 0; i < 52; ++i) {
        Hand& h = d.hands[i / 13];
        h.given = true;
        h.suits[pack[i] / 13] |= Holding(1u << (pack[i] % 13 + 2));
    }
    return d;
}

QString pbnFile(std::mt19937& random, int boards) {
    static const char* const vul[] = {"None", "NS", "EW", "All", "NS", "EW", "All", "None"};
    QString out = QStringLiteral("% PBN 2.1\r\n% EXPORT\r\n");
    for (int b = 1; b <= boards; ++b) {
        out += QStringLiteral(
            "[Event \"Club pairs\"]\r\n[Site \"Tarnwell\"]\r\n[Date \"2026.12.07\"]\r\n");
        out +=
            QStringLiteral(
                "[Board \"%1\"]\r\n[West \"\"]\r\n[North \"\"]\r\n[East \"\"]\r\n[South \"\"]\r\n")
                .arg(b);
        out += QStringLiteral("[Dealer \"%1\"]\r\n[Vulnerable \"%2\"]\r\n")
                   .arg(QLatin1Char("NESW"[(b - 1) % 4]))
                   .arg(QLatin1String(vul[(b - 1) % 8]));
        out += QStringLiteral("[Deal \"%1\"]\r\n").arg(dealString(randomDeal(random)));
        out += QStringLiteral(
            "[Scoring \"\"]\r\n[Declarer \"\"]\r\n[Contract \"\"]\r\n[Result \"\"]\r\n");
        out += QStringLiteral("{ double dummy: computed elsewhere ; kept as a comment }\r\n\r\n");
    }
    return out;
}

// The processor time of the solver's threads (one a core): what the table
// costs whatever else the machine runs at the time.
double processMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double percentile(std::vector<double> v, int p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, v.size() * size_t(p) / 100)];
}
double median(const std::vector<double>& v) {
    return percentile(v, 50);
}

} // namespace

int main(int argc, char** argv) {
    const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::mt19937 random(7);

    const QString file = pbnFile(random, 36);
    std::vector<double> reads;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        const PbnFile read = readPbn(file);
        reads.push_back(double(t.nsecsElapsed()) / 1e6);
        if (read.boards.size() != 36) {
            std::fprintf(stderr, "read %d boards of 36\n", int(read.boards.size()));
            return 1;
        }
    }
    std::printf(
        "PBN file of 36 boards (%lld bytes): median %.3f ms, slowest %.3f ms over 200 reads\n",
        static_cast<long long>(file.size()), median(reads),
        *std::max_element(reads.begin(), reads.end()));

    // The notation check over an article of about 1 MB: diagrams, hands in
    // the dash notation and auctions among ordinary prose.
    QString article = QStringLiteral("<HTML><BODY><H1>Deals</H1>\r\n");
    while (article.size() < 1000000) {
        article +=
            diagramHtml(randomDeal(random), {QStringLiteral("7"), South, Vulnerability::Both});
        article += QStringLiteral(
            "<P>South held AKQ2-J103-987-K54 and the bidding went 1C-(1D)-X-(2D)-2NT-P-3NT-P-P-P. "
            "West led the queen of diamonds, and declarer had to think about his entries.</P>\r\n");
    }
    QElapsedTimer checkTimer;
    checkTimer.start();
    const qsizetype findings = checkNotation(article).size();
    std::printf("notation check of a %lld-character article: %lld ms, %lld findings\n",
                static_cast<long long>(article.size()),
                static_cast<long long>(checkTimer.elapsed()), static_cast<long long>(findings));

    DdsSolver solver;
    std::vector<double> solves, cpu;
    for (int i = 0; i < deals; ++i) {
        const Deal d = randomDeal(random);
        QElapsedTimer t;
        t.start();
        const double cpuStart = processMs();
        const DoubleDummyResult r = solver.solve(d, Vulnerability(i % 4), Seat(i % 4));
        cpu.push_back(processMs() - cpuStart);
        solves.push_back(double(t.nsecsElapsed()) / 1e6);
        if (!r.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(r.error));
            return 1;
        }
    }
    std::printf(
        "double-dummy table and par of one deal, over %d random deals:\n"
        "  processor time (all threads) median %.0f ms, 9 in 10 within %.0f ms, slowest %.0f ms\n"
        "  elapsed time                median %.0f ms, 9 in 10 within %.0f ms, slowest %.0f ms\n",
        deals, median(cpu), percentile(cpu, 90), *std::max_element(cpu.begin(), cpu.end()),
        median(solves), percentile(solves, 90), *std::max_element(solves.begin(), solves.end()));
    return 0;
}
