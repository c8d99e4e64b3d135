// The menu commands of the bridge notation.
#include "bridge/bridgecommands.h"

namespace bridge {

BridgeCommands::BridgeCommands(shell::ViewerHost& host) : HostedController(host) {}

void BridgeCommands::registerHandlers() {
    auto on = [this](const char* name, std::function<void(int)> handler) {
        host_.registerHandler(QString::fromLatin1(name), std::move(handler));
    };
    on("mSuits2Symbols", [this](int) { mSuits2Symbols_Click(); });
    on("mUndoSuits2Symbols", [this](int) { mUndoSuits2Symbols_Click(); });
    on("mSuitSymbol", [this](int i) { mSuitSymbol_Click(i); });
    on("mSymbolsForHands", [this](int) { mSymbolsForHands_Click(); });
    on("mBiddingFont", [this](int) { mBiddingFont_Click(); });
    on("mInsertBidFont", [this](int) { mInsertBidFont_Click(); });
    on("mUndoBidFont", [this](int) { mUndoBidFont_Click(); });
    on("mInsertDeal", [this](int) { mInsertDeal_Click(); });
    on("mDoubleDummy", [this](int) { mDoubleDummy_Click(); });
    on("mCheckNotation", [this](int) { mCheckNotation_Click(); });
    // The window creates both undo entries available; they are available
    // only while an undo is pending, and none is at start.
    menu("mUndoSuits2Symbols").setEnabled(false);
    menu("mUndoBidFont").setEnabled(false);
}

} // namespace bridge
