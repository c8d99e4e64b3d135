#pragma once

#include "deal/doubledummy.h"

// The double-dummy solver of the Debian package libdds (Bo Haglund's and
// Soren Hein's DDS). One solve at a time: the library keeps its search
// tables in shared memory, so calls from two threads wait for each other.
namespace deal {

class DdsSolver : public DoubleDummySolver {
  public:
    DoubleDummyResult solve(const Deal& deal, Vulnerability vulnerability,
                            std::optional<Seat> dealer, const SolveControl& control = {}) override;

    // The tricks of an ending: four hands of the same number of cards (1 to
    // 13), the leader the declarer's left-hand opponent; no par. What the
    // diagrams' tables never need, but the tests check the solver with.
    DoubleDummyResult solveEnding(const Deal& deal, const SolveControl& control = {});

  private:
    void tricks(const Deal& deal, const SolveControl& control, DoubleDummyResult& result);
};

} // namespace deal
