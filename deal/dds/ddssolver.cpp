#include "deal/dds/ddssolver.h"

#include <stdbool.h>

#include <cstring>
#include <memory>
#include <mutex>

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
    case Vulnerability::None: return 0;
    case Vulnerability::Both: return 1;
    case Vulnerability::NorthSouth: return 2;
    case Vulnerability::EastWest: return 3;
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

DoubleDummyResult DdsSolver::solve(const Deal& deal, Vulnerability vulnerability, std::optional<Seat> dealer,
                                   const SolveControl& control) {
    DoubleDummyResult result;
    result.error = whyNotSolvable(deal);
    if (!result.error.isEmpty()) return result;
    std::lock_guard lock(solverMutex());
    tricks(deal, control, result);
    if (!result.ok()) return result;

    ddTableResults table{};
    for (int strain = 0; strain < 5; ++strain)
        for (int seat = 0; seat < 4; ++seat) table.resTable[strain][seat] = result.tricks[strain][seat];
    parResultsMaster master[2] = {};
    const int vul = ddsVulnerability(vulnerability);
    const int rc = dealer ? DealerParBin(&table, &master[0], int(*dealer), vul) : SidesParBin(&table, master, vul);
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
            result.error = QStringLiteral("The four hands of an ending hold the same number of cards.");
            return result;
        }
    std::lock_guard lock(solverMutex());
    tricks(deal, control, result);
    return result;
}

void DdsSolver::tricks(const Deal& deal, const SolveControl& control, DoubleDummyResult& result) {
    // The tables the library fills are large (some 100 kB): not on the stack
    // of a worker thread.
    auto deals = std::make_unique<ddTableDeals>();
    auto tables = std::make_unique<ddTablesRes>();
    auto pars = std::make_unique<allParResults>();
    deals->noOfTables = 1;
    // The library's ranks are bits 2..14 of each suit, as the deal's are.
    for (int seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit) deals->deals[0].cards[seat][suit] = deal.hands[seat].suits[suit];

    // One strain a call, so that a cancel waits for one strain at most.
    static const int order[] = {NoTrump, SpadeStrain, HeartStrain, DiamondStrain, ClubStrain};
    for (int done = 0; done < 5; ++done) {
        if (control.cancelled()) {
            result.cancelled = true;
            return;
        }
        const int strain = order[done];
        int filter[5] = {1, 1, 1, 1, 1};
        filter[strain] = 0;
        std::memset(tables.get(), 0, sizeof(ddTablesRes));
        const int rc = CalcAllTables(deals.get(), -1, filter, tables.get(), pars.get());
        if (rc != RETURN_NO_FAULT) {
            result.error = ddsError(rc);
            return;
        }
        for (int seat = 0; seat < 4; ++seat) result.tricks[strain][seat] = tables->results[0].resTable[strain][seat];
        if (control.progress) control.progress(done + 1, 5);
    }
}

} // namespace deal
