#pragma once

#include <QString>

// Auctions of a converted article set in the bidding font.
namespace bridge {

struct AuctionMarkup {
    QString text;
    int auctions = 0; // auctions newly set in the bidding font
};

// Finds every auction and wraps it in <FONT FACE="Courier New"> ... </FONT>.
// An auction, as articles write it once their bids are converted:
//
//   auction  := call (sep call)+        with at least one converted bid
//   call     := "(" call ")"            an opponent's call
//             | level suit | level "NT" | level "N"
//             | "Pass" | "P" | "XX" | "X" | "Dbl" | "D" | "Rdbl" | "R" | "?"
//   level    := "1" .. "7"
//   suit     := <IMG SRC="name">        one of the program's suit images
//   sep      := spaces? ("-" | ",") spaces?
//
// A call ends where no letter or digit follows. An auction begins at the
// start of the text, after white space or after a tag's ">", and ends with
// its last call (a trailing separator stays outside). For example, with C
// for <IMG SRC="C.gif"> and so on:
//   "bid 1C-1D-P-1H, 1S and"       ->  "bid <FONT ...>1C-1D-P-1H, 1S</FONT> and"
//   "<P>1C-(1D)-X-(2D)-2NT."       ->  "<P><FONT ...>1C-(1D)-X-(2D)-2NT</FONT>."
//   "he opened 1C."                ->  unchanged (one call is not an auction)
//   "D-P-R"                        ->  unchanged (no converted bid)
// An auction already in the bidding font is left as it is, so running the
// command twice changes nothing more.
AuctionMarkup setAuctionsInBiddingFont(const QString& text);

} // namespace bridge
