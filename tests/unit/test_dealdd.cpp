// The real solver (libdds) against figures worked out here: the par of
// one-suited hands, and endings solved by brute force.
#include "deal/dds/ddssolver.h"
#include "deal/diagram.h"

#include <QTest>
#include <numeric>
#include <random>
#include <utility>

using namespace deal;

namespace {
// Tricks declarer's side takes with `trump`, declarer's left-hand opponent
// leading: every card of every trick tried, following suit where one can.
struct BruteForce {
    Deal deal;
    int trump = NoTrump, side = 0, led = -1;

    int tricks(Strain strain, Seat declarer) {
        trump = strain;
        side = declarer % 2;
        return play((declarer + 1) % 4, 0, 0, 0);
    }
    // `played` cards are on the trick, `winner` holds it with a card worth `winning`.
    int play(int player, int played, int winner, int winning) {
        if (played == 0 && deal.hands[player].cards() == 0) return 0;
        const bool ours = player % 2 == side, follow = played && deal.hands[player].suits[led];
        int best = ours ? -1 : 99;
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 2; rank <= 14 && (!follow || suit == led); ++rank) {
                Holding& holding = deal.hands[player].suits[suit];
                if (!(holding & (1u << rank))) continue;
                holding ^= Holding(1u << rank);
                const int savedLed = std::exchange(led, played ? led : suit);
                const int value = suit == trump ? 100 + rank : (suit == led ? rank : 0);
                const bool wins = played == 0 || value > winning;
                const int w = wins ? player : winner;
                const int result =
                    played < 3 ? play((player + 1) % 4, played + 1, w, wins ? value : winning)
                               : (w % 2 == side) + play(w, 0, 0, 0);
                led = savedLed;
                holding ^= Holding(1u << rank);
                best = ours ? std::max(best, result) : std::min(best, result);
            }
        return best;
    }
};
} // namespace

class TestDealDoubleDummy : public QObject {
    Q_OBJECT
  private slots:
    void oneSuitedHands_parProgressCancel();
    void endings_againstBruteForce();
};

void TestDealDoubleDummy::oneSuitedHands_parProgressCancel() {
    // North the spades, East the hearts, South the diamonds, West the clubs
    // (test_dealcli checks its table and its par not vulnerable).
    const Deal d =
        readDeal(u"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432").deal;
    DdsSolver solver;
    std::atomic<bool> cancel{false};
    QList<int> done;
    DoubleDummyResult r =
        solver.solve(d, Vulnerability::NorthSouth, East, {&cancel, [&](int n, int) { done << n; }});
    QVERIFY2(r.ok(), qPrintable(r.error));
    QVERIFY(done.size() == 20 && done.last() == 20);
    // Seven spades by N-S, vulnerable: 7 x 30, 500 for the game, 1500 for the
    // grand slam; seven no trump by E-W, thirteen down doubled, does not outbid it.
    QVERIFY(r.par && r.par->contracts.size() == 1);
    QCOMPARE(contractText(r.par->contracts[0]), QStringLiteral("7S by N-S"));
    QCOMPARE(r.par->scoreNorthSouth, 2210);

    // Cancelled after the first solve: only those already running finish.
    const auto cancelAtOnce = [&](int n, int) {
        done << n;
        cancel = true;
    };
    done.clear();
    r = solver.solve(d, Vulnerability::None, North, {&cancel, cancelAtOnce});
    QVERIFY(r.cancelled && !r.ok() && !r.par);
    QVERIFY2(done.size() <= 4, qPrintable(QString::number(done.size()))); // four threads at most
    QVERIFY(solver.solve(d, Vulnerability::None, North, {&cancel, {}}).cancelled);
}

void TestDealDoubleDummy::endings_againstBruteForce() {
    std::mt19937 random(20261207);
    DdsSolver solver;
    std::array<int, 52> pack;
    std::iota(pack.begin(), pack.end(), 0);
    for (int n = 0; n < 60; ++n) { // three cards a hand
        std::shuffle(pack.begin(), pack.end(), random);
        Deal ending;
        for (int i = 0; i < 12; ++i) {
            ending.hands[i / 3].given = true;
            ending.hands[i / 3].suits[pack[i] / 13] |= Holding(1u << (pack[i] % 13 + 2));
        }
        const DoubleDummyResult dds = solver.solveEnding(ending);
        QVERIFY2(dds.ok(), qPrintable(dds.error));
        BruteForce brute{ending};
        for (int strain = 0; strain < 5; ++strain) // the random seed is fixed
            for (int seat = 0; seat < 4; ++seat)
                QCOMPARE(dds.tricks[strain][seat], brute.tricks(Strain(strain), Seat(seat)));
    }
}

QTEST_APPLESS_MAIN(TestDealDoubleDummy)
#include "test_dealdd.moc"
