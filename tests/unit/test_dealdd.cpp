// The double-dummy tables of the real solver (libdds), checked against
// figures worked out independently:
//   - a deal of four one-suited hands, whose table and par follow from the
//     rules of play alone (each hand holds one whole suit);
//   - random endings of three and four cards a hand, against a brute-force
//     minimax solver written here (every card of every trick tried).
// No figures published with a well-known deal are used: none could be
// checked here with certainty, and the brute force proves every entry.
// Also: cancelling between solves, and the refusal of a deal short of 52
// cards.
#include "deal/dds/ddssolver.h"

#include <QElapsedTimer>
#include <QTest>
#include <random>

using namespace deal;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// Tricks declarer's side takes in `strain` with every card in view, the
// declarer's left-hand opponent on lead: plain minimax with alpha-beta,
// following suit where one can.
class BruteForce {
  public:
    explicit BruteForce(const Deal& d) {
        for (int s = 0; s < 4; ++s)
            hands_[s] = d.hands[s].suits;
    }
    int tricks(Strain strain, Seat declarer) {
        trump_ = strain;
        side_ = declarer % 2;
        return play((declarer + 1) % 4, 0, 0, 0, -1, 99);
    }

  private:
    // `played` cards are on the trick; `winner` holds it with a card of
    // `winning` value. Returns declarer's side's tricks from here, within
    // the window (alpha, beta).
    int play(int player, int played, int winner, int winning, int alpha, int beta) {
        if (played == 0 && !anyCard()) return 0;
        const bool ours = player % 2 == side_;
        int best = ours ? -1 : 99;
        const bool canFollow = played && hands_[player][ledSuit_];
        for (int suit = 0; suit < 4; ++suit) {
            if (canFollow && suit != ledSuit_) continue;
            for (int rank = 2; rank <= 14; ++rank) {
                const Holding bit = Holding(1u << rank);
                if (!(hands_[player][suit] & bit)) continue;
                hands_[player][suit] &= Holding(~bit);
                const int savedLed = ledSuit_;
                if (played == 0) ledSuit_ = suit;
                // Trumps beat the led suit; other suits never win.
                const int value = suit == trump_ ? 100 + rank : (suit == ledSuit_ ? rank : 0);
                int w = winner, wv = winning;
                if (played == 0 || value > wv) {
                    w = player;
                    wv = value;
                }
                const int point = w % 2 == side_ ? 1 : 0;
                const int result = played == 3
                                       ? point + play(w, 0, 0, 0, alpha - point, beta - point)
                                       : play((player + 1) % 4, played + 1, w, wv, alpha, beta);
                ledSuit_ = savedLed;
                hands_[player][suit] |= bit;
                if (ours) {
                    best = std::max(best, result);
                    alpha = std::max(alpha, best);
                } else {
                    best = std::min(best, result);
                    beta = std::min(beta, best);
                }
                if (alpha >= beta) return best;
            }
        }
        return best;
    }
    bool anyCard() const {
        for (const auto& h : hands_)
            for (const Holding s : h)
                if (s) return true;
        return false;
    }

    std::array<std::array<Holding, 4>, 4> hands_{};
    int trump_ = NoTrump;
    int side_ = 0;
    int ledSuit_ = -1;
};

Deal randomEnding(std::mt19937& random, int cardsEach) {
    std::vector<int> pack(52);
    for (int i = 0; i < 52; ++i)
        pack[i] = i;
    std::shuffle(pack.begin(), pack.end(), random);
    Deal d;
    for (int seat = 0; seat < 4; ++seat) {
        d.hands[seat].given = true;
        for (int k = 0; k < cardsEach; ++k) {
            const int card = pack[seat * cardsEach + k];
            d.hands[seat].suits[card / 13] |= Holding(1u << (card % 13 + 2));
        }
    }
    return d;
}
} // namespace

class TestDealDoubleDummy : public QObject {
    Q_OBJECT
  private slots:
    void oneSuitedHands_tableAndPar();
    void endings_againstBruteForce();
    void cancelled_betweenSolves();
    void partialDeal_noTable();
};

void TestDealDoubleDummy::oneSuitedHands_tableAndPar() {
    // North holds the spades, East the hearts, South the diamonds, West the
    // clubs. The side on lead cashes its suit in no trump; in a suit the
    // side holding the trumps takes all thirteen (the leader's suit is
    // ruffed at once), and the other side none.
    const DealReading r =
        readDeal(qs("N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"));
    QVERIFY(r.ok());
    DdsSolver solver;
    QElapsedTimer timer;
    timer.start();
    const DoubleDummyResult result = solver.solve(r.deal, Vulnerability::None, North);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QVERIFY2(timer.elapsed() < 5000, "a table took more than five seconds");
    const std::array<std::array<int, 4>, 5> expected{{
        // N   E   S   W
        {13, 0, 13, 0}, // spades
        {0, 13, 0, 13}, // hearts
        {13, 0, 13, 0}, // diamonds
        {0, 13, 0, 13}, // clubs
        {0, 0, 0, 0},   // no trump
    }};
    QCOMPARE(result.tricks, expected);
    // Par: seven spades by North-South, whom seven no trump by East-West
    // (thirteen down doubled) cannot profitably outbid.
    QVERIFY(result.par);
    QCOMPARE(result.par->scoreNorthSouth,
             1510); // 7 x 30, 300 for the game, 1000 for the grand slam
    QCOMPARE(result.par->contracts.size(), 1);
    QCOMPARE(result.par->contracts[0].level, 7);
    QCOMPARE(result.par->contracts[0].strain, SpadeStrain);
    QCOMPARE(result.par->contracts[0].declarers, qs("NS"));
    // Vulnerable: 210, 500 and 1500.
    QCOMPARE(solver.solve(r.deal, Vulnerability::Both, East).par->scoreNorthSouth, 2210);
}

void TestDealDoubleDummy::endings_againstBruteForce() {
    std::mt19937 random(20261207);
    DdsSolver solver;
    for (int cardsEach : {3, 3, 3, 4}) {
        for (int n = 0; n < (cardsEach == 3 ? 15 : 8); ++n) {
            const Deal ending = randomEnding(random, cardsEach);
            const DoubleDummyResult dds = solver.solveEnding(ending);
            QVERIFY2(dds.ok(), qPrintable(dds.error));
            BruteForce brute(ending);
            for (int strain = 0; strain < 5; ++strain)
                for (int seat = 0; seat < 4; ++seat) {
                    const int expected = brute.tricks(Strain(strain), Seat(seat));
                    if (dds.tricks[strain][seat] != expected)
                        QFAIL(qPrintable(
                            qs("%1: strain %2, declarer %3: the solver says %4, the brute force %5")
                                .arg(dealString(ending))
                                .arg(strain)
                                .arg(seat)
                                .arg(dds.tricks[strain][seat])
                                .arg(expected)));
                }
        }
    }
    Deal uneven = randomEnding(random, 3);
    uneven.hands[0].suits = {};
    QVERIFY(!solver.solveEnding(uneven).ok());
}

void TestDealDoubleDummy::cancelled_betweenSolves() {
    const Deal d =
        readDeal(qs("N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T98")).deal;
    DdsSolver solver;
    std::atomic<bool> cancel{true};
    DoubleDummyResult r = solver.solve(d, Vulnerability::None, North, {&cancel, {}});
    QVERIFY(r.cancelled);
    QVERIFY(!r.ok());
    QVERIFY(!r.par);

    // Cancelled after the first solve: the solver starts no other.
    cancel = false;
    QList<int> done;
    r = solver.solve(d, Vulnerability::None, North, {&cancel, [&](int n, int total) {
                                                         done << n;
                                                         QCOMPARE(total, 20);
                                                         cancel = true;
                                                     }});
    QVERIFY(r.cancelled);
    // Solves already running in the other threads (one a core, four at
    // most) finish; none starts.
    QVERIFY2(done.size() <= 4, qPrintable(qs("%1 solves after the cancel").arg(done.size())));

    // Left alone, progress runs to the end.
    cancel = false;
    done.clear();
    r = solver.solve(d, Vulnerability::None, North, {&cancel, [&](int n, int) { done << n; }});
    QVERIFY(r.ok());
    QCOMPARE(done.size(), 20);
    QCOMPARE(done.last(), 20);
}

void TestDealDoubleDummy::partialDeal_noTable() {
    DdsSolver solver;
    const DoubleDummyResult r =
        solver.solve(readDeal(qs("N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 -")).deal,
                     Vulnerability::None, {});
    QCOMPARE(r.error, qs("The deal holds 39 cards; a double-dummy table needs all 52."));
    QVERIFY(!r.par);
}

QTEST_APPLESS_MAIN(TestDealDoubleDummy)
#include "test_dealdd.moc"
