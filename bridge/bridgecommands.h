#pragma once

#include "shell/viewerhost.h"

#include <QString>
#include <QStringList>

namespace bridge {

// The bridge notation commands: suits to symbols and suit images, hand
// symbols, the bidding font, and their undos.
class BridgeCommands : private shell::HostedController {
  public:
    explicit BridgeCommands(shell::ViewerHost& host);

    void registerHandlers();
    // Withdraws the pending undos of the bridge commands (and their menu
    // entries): the text they keep belongs to the file the editor held, and
    // must never be restored into another.
    void ClearBridgeUndo();

    void mSuits2Symbols_Click();
    void mUndoSuits2Symbols_Click();
    void mSuitSymbol_Click(int index);
    void mSymbolsForHands_Click();
    void mBiddingFont_Click();
    void mInsertBidFont_Click();
    void mUndoBidFont_Click();

  private:
    // An undo that puts back a text withdraws the other undo when that
    // one's text was taken later: restoring it would bring back what the
    // first undo took away.
    void WithdrawLaterBridgeUndo(int restoredTakenAt);
    // Copies each named suit image that the edited document's folder lacks
    // into it, telling the user the first time in a run.
    void ProvideSuitImages(const QStringList& imageNames);

    // The editor's whole text before Suits to Symbols, and before the first
    // Insert Bidding Font since it was last cleared; empty when no undo is
    // pending.
    QString SymbolsOriginalText;
    QString BidFontOriginalText;
    // When each undo took its text, in the order of the commands (0: none
    // pending).
    int bridgeUndoClock_ = 0;
    int symbolsUndoTakenAt_ = 0;
    int bidFontUndoTakenAt_ = 0;
    bool suitImagesReported_ = false;
};

} // namespace bridge
