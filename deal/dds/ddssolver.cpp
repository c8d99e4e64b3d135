#include "deal/dds/ddssolver.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <stdbool.h> // before the library's header, which includes it, so that it stays global
#include <thread>
#include <vector>

// The library's header declares a C struct named "deal"; it is kept in a
// namespace of its own so that it does not meet this program's.
namespace dds {
#include <dds/dll.h>
}

namespace deal {
namespace {

using namespace dds;

std::mutex& solverMutex() {
    static std::mutex m;
    return m;
}

QString ddsError(int code) {
    char line[80] = {};
    ErrorMessage(code, line);
    return QStringLiteral("The double-dummy solver failed: %1").arg(QString::fromLatin1(line));
}

int ddsVulnerability(Vulnerability v) {
    switch (v) {
    case Vulnerability::None:
        return 0;
    case Vulnerability::Both:
        return 1;
    case Vulnerability::NorthSouth:
        return 2;
    case Vulnerability::EastWest:
        return 3;
    }
    return 0;
}

Par parOf(const parResultsMaster& master) {
    // The library's denominations run NT, spades, hearts, diamonds, clubs
    // and its seats N, E, S, W, NS, EW.
    static const Strain strains[] = {NoTrump, SpadeStrain, HeartStrain, DiamondStrain, ClubStrain};
    static const char* const seats[] = {"N", "E", "S", "W", "NS", "EW"};
    Par par;
    par.scoreNorthSouth = master.score;
    for (int i = 0; i < master.number && i < 10; ++i) {
        const contractType& c = master.contracts[i];
        ParContract pc;
        pc.level = c.level;
        pc.strain = strains[c.denom % 5];
        pc.declarers = QString::fromLatin1(seats[c.seats % 6]);
        pc.doubled = c.underTricks > 0;
        pc.overtricks = c.underTricks > 0 ? -c.underTricks : c.overTricks;
        par.contracts.push_back(pc);
    }
    return par;
}

} // namespace

DoubleDummyResult DdsSolver::solve(const Deal& deal, Vulnerability vulnerability,
                                   std::optional<Seat> dealer, const SolveControl& control) {
    DoubleDummyResult result;
    result.error = whyNotSolvable(deal);
    if (!result.error.isEmpty()) return result;
    std::lock_guard lock(solverMutex());
    tricks(deal, control, result);
    if (!result.ok()) return result;

    ddTableResults table{};
    for (int strain = 0; strain < 5; ++strain)
        for (int seat = 0; seat < 4; ++seat)
            table.resTable[strain][seat] = result.tricks[strain][seat];
    parResultsMaster master[2] = {};
    const int vul = ddsVulnerability(vulnerability);
    const int rc = dealer ? DealerParBin(&table, &master[0], int(*dealer), vul)
                          : SidesParBin(&table, master, vul);
    if (rc != RETURN_NO_FAULT) {
        result.error = ddsError(rc);
        return result;
    }
    result.par = parOf(master[0]);
    return result;
}

DoubleDummyResult DdsSolver::solveEnding(const Deal& deal, const SolveControl& control) {
    DoubleDummyResult result;
    const int n = deal.hands[0].cards();
    for (const Hand& h : deal.hands)
        if (h.cards() != n || n == 0) {
            result.error =
                QStringLiteral("The four hands of an ending hold the same number of cards.");
            return result;
        }
    std::lock_guard lock(solverMutex());
    tricks(deal, control, result);
    return result;
}

void DdsSolver::tricks(const Deal& deal, const SolveControl& control, DoubleDummyResult& result) {
    const int cards = deal.hands[0].cards();
    dds::deal dl{};
    // The library's ranks are bits 2..14 of each suit, as the deal's are.
    for (int seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit)
            dl.remainCards[seat][suit] = deal.hands[seat].suits[suit];

    // Twenty solves, one for each strain and declarer, the strains shared
    // out among up to as many threads as there are cores (each with its own
    // search memory in the library); every thread checks the cancel before
    // each solve, so a cancel waits for one solve at most. On this machine
    // this is as quick as the library's own whole-table call, which cannot
    // be stopped.
    DDSInfo info{};
    GetDDSInfo(&info);
    const int threads =
        std::clamp(int(std::thread::hardware_concurrency()), 1, std::clamp(info.noOfThreads, 1, 4));
    std::atomic<int> next{0};
    std::atomic<bool> stop{false};
    std::mutex report;
    int done = 0;
    int failure = RETURN_NO_FAULT;
    // A thread takes a strain and solves it for the four declarers in turn:
    // the library reuses its search of the deal in that strain when only
    // the leader changes.
    auto work = [&](int thread) {
        for (;;) {
            const int strain = next++;
            if (strain >= 5) return;
            dds::deal d = dl;
            d.trump = strain;
            for (int declarer = 0; declarer < 4; ++declarer) {
                if (stop || control.cancelled()) {
                    stop = true;
                    return;
                }
                d.first = (declarer + 1) % 4; // the declarer's left-hand opponent leads
                futureTricks future{};
                const int rc = SolveBoard(d, -1, 1, declarer ? 2 : 1, &future, thread);
                std::lock_guard lock(report);
                if (rc != RETURN_NO_FAULT) {
                    failure = rc;
                    stop = true;
                    return;
                }
                // The score is the most tricks the leader's side can take.
                result.tricks[strain][declarer] = cards - future.score[0];
                ++done;
                if (control.progress) control.progress(done, 20);
            }
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work, t);
    work(0);
    for (std::thread& t : helpers)
        t.join();
    if (failure != RETURN_NO_FAULT)
        result.error = ddsError(failure);
    else if (done < 20)
        result.cancelled = true;
}

} // namespace deal
