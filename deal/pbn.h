#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

// Deals in Portable Bridge Notation: the deal string of a [Deal] tag and the
// .pbn files that dealing programs, club scorers and bridge sites export.
namespace deal {

// Seats and suits are numbered as the double-dummy solver numbers them.
enum Seat { North = 0, East = 1, South = 2, West = 3 };
enum Suit { Spades = 0, Hearts = 1, Diamonds = 2, Clubs = 3 };
enum class Vulnerability { None, NorthSouth, EastWest, Both };

// Ranks 2..14 (14 the ace); a holding is a set of ranks, bit r for rank r.
using Holding = std::uint16_t;

struct Hand {
    std::array<Holding, 4> suits{}; // spades, hearts, diamonds, clubs
    bool given = false;             // false for a hand the deal leaves out ("-")
    int cards() const;
};

struct Deal {
    std::array<Hand, 4> hands; // by seat
    int cards() const;
    bool complete() const { return cards() == 52; }
};

// One deal string read: the deal, or what is wrong with it.
struct DealReading {
    Deal deal;
    QString error; // empty when the string is a deal
    bool ok() const { return error.isEmpty(); }
};

// A deal string: the first hand's seat, a colon, then four hands clockwise
// separated by blanks; a hand is four holdings (spades, hearts, diamonds,
// clubs) joined by dots, or "-" for a hand not given. Ranks are
// AKQJT98765432 (either case; the ten also "10"); a holding may be empty (a void) and a hand
// may hold fewer than 13 cards (a partial deal):
//   "N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 - -"   North and East given
//   "E:AKQ2..987.K54 - - -"                     East with a heart void
//   "N:AKQ2.JT3.987.K54 A98.AK2.QJ.AQJ76 - -"   error: "the ace of spades is in
//                                               both North's and East's hands"
// Without a seat and colon the first hand is North's.
DealReading readDeal(QStringView text);

// The deal as a PBN deal string from `first` on ("N:AKQ2.JT3.987.K54 ...").
QString dealString(const Deal& deal, Seat first = North);

struct Board {
    QString number;             // the [Board] tag as written ("" when absent)
    std::optional<Seat> dealer; // [Dealer]
    Vulnerability vulnerability = Vulnerability::None;
    bool vulnerabilityGiven = false;
    Deal deal;
    int line = 0; // 1-based line of the [Deal] tag
};

struct PbnProblem {
    QString board; // the board number, "" when the game has none
    int line = 0;  // 1-based
    QString message;
    // "board 3, line 27: West holds 14 cards"
    QString text() const;
};

struct PbnFile {
    QList<Board> boards;        // the boards read without a problem, in file order
    QList<PbnProblem> problems; // every board left out, and why
};

// A .pbn file's text. Each game (games are separated by blank lines, or a
// [Board] tag starts the next one) gives a board from its [Board], [Dealer],
// [Vulnerable] and [Deal] tags; other tags, the data lines after them,
// comments (";" to the end of the line, "{" ... "}" over lines) and "%"
// lines are passed over. A tag value of "#" repeats the previous game's.
// A game with tags but no [Deal] is left out without a problem unless it
// names a board. Problems: a tag that is not [Name "value"], a bad deal,
// dealer or vulnerability.
PbnFile readPbn(QStringView text);

// Seat and vulnerability names as the diagrams and messages write them.
QString seatName(Seat seat);                // "North"
QChar seatLetter(Seat seat);                // 'N'
QString vulnerabilityName(Vulnerability v); // "None", "N-S", "E-W", "Both"
QChar rankLetter(int rank);                 // 'A', 'K', ..., 'T', '9', ..., '2'
int rankOfLetter(QChar c);                  // 'A' 14 ... '2' 2; 0 for no rank (upper case only)
QString cardName(int suit, int rank);       // "ace of spades", "7 of clubs"

} // namespace deal
