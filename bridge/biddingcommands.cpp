// Bidding Font, Insert Bidding Font and Undo Bidding Font: auctions in the
// fixed-width bidding font.
#include "bridge/bridgecommands.h"

#include "bridge/auctions.h"
#include "bridge/suitnotation.h"
#include "util/numbers.h"
#include "util/strings.h"

namespace bridge {

using platform::Answer;
using platform::Buttons;
using util::qs;

void BridgeCommands::mBiddingFont_Click() {
    auto& editor = *ui_.Text1[activePane()];
    if (!editor.visible()) return; // the HTML menu is off then: nothing is being edited
    editor.setSelText(bridge::biddingFont(editor.selText()));
    host_.document().save(activePane());
}

void BridgeCommands::mInsertBidFont_Click() {
    auto& editor = *ui_.Text1[1];
    if (!editor.visible()) {
        message(qs("You are not editing a file,\rso there is nothing to convert."));
        return;
    }
    const Answer answer =
        message(qs("This function looks for bids in the\rfile and puts them in a Courier font.\r\r"
                   "It assumes that you have already\rconverted Suits To Symbols and\r"
                   "that bids are in a format like\r 1C-1D-P-1H, 1S... or \r"
                   " 1C-(1D)-P-(1H), 1S...\r\rDo it?"),
                Buttons::YesNo);
    if (answer != Answer::Yes) return;
    const QString text = editor.text();
    const bridge::AuctionMarkup marked = bridge::setAuctionsInBiddingFont(text);
    if (marked.auctions == 0) {
        message(qs("No auctions were found that are not\ralready in the bidding font."));
        return;
    }
    if (BidFontOriginalText.isEmpty()) {
        BidFontOriginalText = text;
        bidFontUndoTakenAt_ = ++bridgeUndoClock_;
    }
    menu("mUndoBidFont").setEnabled(true);
    // The caret stays where it was (within the longer text).
    const int caret = editor.selStart();
    editor.setText(marked.text);
    editor.setSelStart(std::min(caret, static_cast<int>(marked.text.size())));
    if (!host_.document().save(1)) return;
    message(qs("Auctions set in the bidding font:") + util::numberText(marked.auctions) + qs("."));
}

void BridgeCommands::mUndoBidFont_Click() {
    auto& editor = *ui_.Text1[1];
    if (BidFontOriginalText.isEmpty()) return;
    if (!editor.visible()) {
        message(qs("You are not editing a file,\rso there is nothing to undo."));
        return;
    }
    editor.setText(BidFontOriginalText);
    WithdrawLaterBridgeUndo(bidFontUndoTakenAt_);
    if (message(qs("To save the Undo, click Ok."), Buttons::OkCancel, qs("Undo Bidding Font")) ==
        Answer::Cancel)
        return;
    if (!host_.document().save(1)) return; // not saved: the undo stays pending
    BidFontOriginalText.clear();
    bidFontUndoTakenAt_ = 0;
    menu("mUndoBidFont").setEnabled(false);
}

} // namespace bridge
