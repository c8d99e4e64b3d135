#pragma once

#include "deal/pbn.h"

#include <QList>
#include <QString>
#include <optional>

// Check Bridge Notation: what an article's hands and auctions get wrong.
//
// Hands are recognised in three forms:
//   - four holdings led by their suit marks, spades first, as Make Symbols
//     For Hands and the deal diagrams write them: the suit images
//     (<IMG SRC="S.gif">AKQ2 <IMG SRC="h.gif">J103 ...; any of the
//     program's suit images, in either case, heading forms included), the
//     entities &spades; &hearts; &diams; &clubs; or the characters
//     U+2660..U+2667, with blanks, <BR> and inline tags (FONT, B, ...)
//     between the suits but no cell or paragraph boundary;
//   - the dash notation before Make Symbols For Hands: four holdings joined
//     by "-" ("AKQ2-J103-987-K54", "AKQ2--987-K54"), at least nine cards
//     and an honour, at most one character that is no rank;
//   - a PBN deal string in the text ("N:AKQ2.JT3.987.K54 ...").
// A holding is its ranks AKQJT98765432 (the ten also "10"), "x" for a
// small card, cards apart or together, "-" (or an en or em dash) for a
// void. The hands of one table (a diagram) are one deal; any other hand is
// a deal of its own.
//
// Auctions are calls joined by "-" or ",", as Insert Bidding Font reads
// them (bids with a suit image or symbol, or still written 1C ... 7S, 1N,
// 1NT; Pass/P, X/D/Dbl, XX/R/Rdbl, "?"; an opponent's call in parentheses),
// with at least one bid and two calls. The calls are taken in turn round
// the table.
namespace deal {

struct NotationFinding {
    qsizetype start = 0; // where the hand, card or call is in the text
    qsizetype end = 0;   // one past it
    QString message;
};

// Every finding, in the order of the text: a hand that does not hold 13
// cards, a card named twice in one deal, a character in a holding that is
// no rank, a PBN deal string that cannot be read, and a call that cannot
// be made where it stands (a bid not higher than the one before, a level
// above 7, a double of partner's bid or of no bid, a redouble without an
// opponent's double, a call after the three passes that end the auction).
QList<NotationFinding> checkNotation(const QString& html);

// The one hand written in `html` (a diagram's cell) in one of the forms
// above; nullopt when it holds no hand, or one with a small card ("x") or a
// character that is no rank, which name no card.
std::optional<Hand> readWrittenHand(const QString& html);

} // namespace deal
