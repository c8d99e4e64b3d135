#pragma once

#include "shell/viewerhost.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>

namespace deal {
struct Board;
}

namespace bridge {

// The bridge notation commands: suits to symbols and suit images, hand
// symbols, the bidding font, and their undos; deal diagrams from PBN, their
// double-dummy tables, and the check of an article's hands and auctions.
class BridgeCommands : private shell::HostedController {
  public:
    explicit BridgeCommands(shell::ViewerHost& host);
    ~BridgeCommands();
    BridgeCommands(const BridgeCommands&) = delete;
    BridgeCommands& operator=(const BridgeCommands&) = delete;

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
    // Insert Deal Diagram: the PBN deal selected in the editor, or a board
    // of a .pbn file, drawn as a diagram at the caret, with its
    // double-dummy table and par when asked for.
    void mInsertDeal_Click();
    // Double-Dummy Table: the table under the diagram the caret is in.
    void mDoubleDummy_Click();
    // Check Bridge Notation: every hand and auction that cannot be, listed
    // in a window whose rows jump to their place.
    void mCheckNotation_Click();
    // A double-dummy table is being worked out.
    bool solving() const { return static_cast<bool>(solveCancel_); }

  private:
    // Works out the table of `board` off the user-interface thread, with
    // the progress window up, and writes it after the diagram `diagram`,
    // found again in editor `pane`'s text near `near` when the table is done.
    void solveUnder(int pane, const deal::Board& board, const QString& diagram, qsizetype near);
    void insertTable(int pane, const QString& diagram, qsizetype near, const QString& table);
    // The active editor when it holds a file, after telling the user when not.
    platform::TextEditor* dealEditor();

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
    // The running solve's stop flag (none while nothing is solved), and a
    // token whose loss tells a late result that the controller is gone.
    std::shared_ptr<std::atomic<bool>> solveCancel_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    // The double-dummy box as the user last left it in this run.
    bool doubleDummyWanted_ = false;
};

} // namespace bridge
