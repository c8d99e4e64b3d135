#pragma once

#include "deal/doubledummy.h"
#include "deal/pbn.h"

#include <QString>
#include <QStringList>
#include <optional>

// The HTML of a deal diagram and of its double-dummy table, in the markup
// the program's other bridge commands write: upper-case tags, a TABLE, and
// the suit images of Make Symbols For Hands (<IMG SRC="S.gif">,
// "h.gif", "D.gif", "c.gif") or the suit symbols.
namespace deal {

enum class SuitMarks { Images, Symbols };

struct DiagramOptions {
    SuitMarks marks = SuitMarks::Images;
};

// What the centre of the diagram says; each line is left out when unknown.
struct DiagramCaption {
    QString board;
    std::optional<Seat> dealer;
    std::optional<Vulnerability> vulnerability;
};
DiagramCaption captionOf(const Board& board);

// The four hands in compass layout, one row each for North, West and East,
// South, lines joined by CR LF as the editor holds them:
//
//   <TABLE BORDER=0 CELLPADDING=4>
//   <TR><TD></TD><TD>(North)</TD><TD></TD></TR>
//   <TR><TD>(West)</TD><TD ALIGN=CENTER>Board 1<BR>Dealer North<BR>Vul:
//   None</TD><TD>(East)</TD></TR> <TR><TD></TD><TD>(South)</TD><TD></TD></TR>
//   </TABLE>
//
// A hand is its four suits, spades first, one a line (<BR> between), each
// the suit's mark and the cards from the ace down, the ten written "10"; a
// void is "-". A hand the deal leaves out is an empty cell.
QString diagramHtml(const Deal& deal, const DiagramCaption& caption,
                    const DiagramOptions& options = {});

// The tricks table under a diagram: a row per declarer (N, S, E, W), a
// column per strain (NT, then spades down to clubs), and a last row with
// the par contracts and score when they are known.
QString doubleDummyHtml(const DoubleDummyResult& result, const DiagramOptions& options = {});

// The suit images a diagram or table written with `options` uses.
QStringList imagesUsed(const DiagramOptions& options);

// "4S by N-S", "3NTx by E -2", "2S by N-S +1": contracts as plain text.
QString contractText(const ParContract& contract);

// A diagram found in an article, read back for a double-dummy table.
struct PlacedDiagram {
    Board board;         // the hands given and what the centre cell says
    qsizetype start = 0; // its <TABLE
    qsizetype end = 0;   // after its </TABLE> and the line break after it:
                         // where a table under it goes
};

// The diagram whose table holds `offset` (the innermost table of three
// rows of three cells: North in the top middle cell, West and East either
// side of the centre, South in the bottom middle), as diagramHtml writes
// it or an author laid it out; the hands in any form the notation check
// reads. nullopt when no table around the offset has that shape. A cell
// without a readable hand is a hand not given.
std::optional<PlacedDiagram> diagramAt(const QString& html, qsizetype offset);

} // namespace deal
