#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Bids and hands written with suit-symbol images. A symbol is always the tag
// <IMG SRC="name"> with no other attribute; the names are bare file names
// looked up in the article's own folder.
namespace bridge {

// <IMG SRC="name">
QString imageTag(const QString& imageName);

struct Conversion {
    QString text;
    int bids = 0;           // bids converted
    QStringList imageNames; // each image name written, once, in order of first use
};

// Rewrites every bid (a digit 1-7 followed by one of "CDHS", exact case) so
// that the suit letter becomes its image and the digit stays:
//   "<H1>X</H1> opened 1C"   ->  "<H1>X</H1> opened 1<IMG SRC="C.gif">"
//   "<H2>The 2S bid</H2>"    ->  "<H2>The 2<IMG SRC="S2.gif"> bid</H2>"
//   "<A HREF="x">1C</A>"     ->  unchanged (a link's text keeps its letters)
// Conversion starts 6 characters after the first "<H1" (so the head and
// title stay as they are), or at the first character when there is none.
// The rules hold for every bid, wherever it stands:
// - a bid in the text of a link (<A ... HREF ...> up to </A>) is left alone;
// - a bid inside a heading <Hn> ... </Hn> (n = 1..6, either case) gets the
//   heading image: suit letter + n + ".gif";
// - markup is never touched: a bid inside a tag or a comment
//   (<A HREF="#1C">, <FONT COLOR="#1C2D3E">, <!-- 2H -->) or in the text of
//   TITLE, STYLE or SCRIPT, where an image tag would be shown or run as text.
// Neighbouring characters are not examined: the 3S of "23Spades" is a bid.
// The converted text has no bids left, so converting again changes nothing.
// One pass, linear in the size of the text.
Conversion suitsToSymbols(const QString& text);

// The image a Suit Symbol menu entry (1 to 6) writes: "c.gif", "d.gif",
// "h.gif", "s.gif", then "hs.gif" for entry 5 and "dc.gif" for entry 6.
// Empty for any other index.
QString suitSymbolImage(int entry);

// The image names Make Symbols For Hands writes, spades first.
QStringList handImages();

// A hand written as four dash-separated holdings (spades, hearts, diamonds,
// clubs) with each holding led by its suit image:
//   " AKQ2-J103-987-K54 "  ->  S AKQ2 h J103 D 987 c K54   (S = spade tag ...)
//   "AKQ2--987-K54"        ->  S AKQ2 h D 987 c K54        (a void)
// Spaces around the hand are dropped; a missing dash leaves its suit (and
// the ones after it) without a symbol; a fifth holding keeps its dash.
// nullopt when the selection holds nothing but spaces.
std::optional<QString> symbolsForHands(const QString& selection);

// The selection set in the bidding font.
QString biddingFont(const QString& selection);
QString biddingFontOpen();  // <FONT FACE="Courier New">
QString biddingFontClose(); // </FONT>

// Every suit image the program writes or ships: "C.gif" ... "S.gif", the
// heading forms "C1.gif" ... "S6.gif", "hs.gif" and "dc.gif".
QStringList shippedImageNames();
// The shipped image a name written by a command stands for ("c.gif" is
// "C.gif"); empty when the name is not one of the program's suit images.
QString shippedImageFor(const QString& imageName);

} // namespace bridge
