#pragma once

#include "deal/pbn.h"

#include <QList>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <optional>

// Double-dummy analysis: how many tricks each declarer takes in each strain
// with every card in view, and the par contracts. The solver behind the
// interface is the real one in the program (deal/dds/); it may run for a
// good part of a second, so the controller runs it off the user-interface
// thread and can stop it between the twenty solves (strain by declarer).
namespace deal {

// Strains as the solver numbers them: the four suits (as Suit), then no trump.
enum Strain { SpadeStrain = 0, HeartStrain = 1, DiamondStrain = 2, ClubStrain = 3, NoTrump = 4 };

struct ParContract {
    int level = 0; // 1..7
    Strain strain = NoTrump;
    QString declarers;    // "N", "NS", "EW", ...
    bool doubled = false; // a sacrifice, doubled
    int overtricks = 0;   // +1 for 4S+1; -3 for a sacrifice three down
};

struct Par {
    int scoreNorthSouth = 0; // from North-South's side: -620 when E-W make 4S
    QList<ParContract> contracts;
};

struct DoubleDummyResult {
    std::array<std::array<int, 4>, 5> tricks{}; // [strain][declarer seat]
    std::optional<Par> par;
    QString error; // why there is no table; empty when there is one
    bool cancelled = false;
    bool ok() const { return error.isEmpty() && !cancelled; }
};

// What the caller lets the solver know while it runs; both may be left empty.
struct SolveControl {
    const std::atomic<bool>* cancel =
        nullptr; // checked before each solve (a strain and a declarer)
    std::function<void(int done, int total)> progress; // after each solve, from the solving thread
    bool cancelled() const { return cancel && cancel->load(); }
};

class DoubleDummySolver {
  public:
    virtual ~DoubleDummySolver() = default;
    // The tricks of a complete deal in every strain, and the par for
    // `vulnerability` with `dealer` bidding first (North-South first when
    // the dealer is not known). A deal that is not complete gets the error
    // of whyNotSolvable and no table.
    virtual DoubleDummyResult solve(const Deal& deal, Vulnerability vulnerability,
                                    std::optional<Seat> dealer,
                                    const SolveControl& control = {}) = 0;
};

// Why the deal cannot be solved ("The deal holds 39 cards; a double-dummy
// table needs all 52."); empty when it can.
QString whyNotSolvable(const Deal& deal);

} // namespace deal
