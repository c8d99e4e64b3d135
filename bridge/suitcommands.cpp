// Bidding Suits to Symbols and its undo, the Suit Symbol entries and Make
// Symbols For Hands: commands that write suit images into the source.
#include "bridge/bridgecommands.h"

#include "bridge/suitnotation.h"
#include "util/strings.h"

namespace bridge {

using platform::Answer;
using platform::Buttons;
using util::qs;

namespace {
QString notEditing() {
    return qs("You are not editing a file,\rso there is nothing to convert.");
}
} // namespace

void BridgeCommands::mSuits2Symbols_Click() {
    auto& editor = *ui_.Text1[1];
    if (!editor.visible()) {
        message(notEditing());
        return;
    }
    if (editor.selLength() == 0) {
        editor.setSelStart(0);
        editor.setSelLength(static_cast<int>(editor.text().size()));
    }
    const QString selected = editor.selText();
    if (SymbolsOriginalText.isEmpty()) {
        SymbolsOriginalText = editor.text();
        symbolsUndoTakenAt_ = ++bridgeUndoClock_;
    }
    const bridge::Conversion converted = bridge::suitsToSymbols(selected);
    if (converted.text.size() > 100) menu("mUndoSuits2Symbols").setEnabled(true);
    editor.setSelText(converted.text);
    ProvideSuitImages(converted.imageNames);
    if (!host_.document().save(1)) return; // the save said what went wrong
    const QString q = qs("\"");
    message(qs("Done.\r\rLook over the file for problems.\r\rEdit source to fix small problems\r"
               "such as symbols in links or headings.\r\rClick ") +
            q + qs("Edit - Undo Suits to Symbols") + q + qs("\rto restore the original file."));
}

void BridgeCommands::mUndoSuits2Symbols_Click() {
    auto& editor = *ui_.Text1[1];
    if (SymbolsOriginalText.isEmpty()) return;
    if (!editor.visible()) {
        message(qs("You are not editing a file,\rso there is nothing to undo."));
        return;
    }
    editor.setText(SymbolsOriginalText);
    WithdrawLaterBridgeUndo(symbolsUndoTakenAt_);
    if (message(qs("To save the Undo, click Ok."), Buttons::OkCancel,
                qs("Undo Suits-To-Symbols")) == Answer::Cancel)
        return;
    if (!host_.document().save(1)) return; // not saved: the undo stays pending
    SymbolsOriginalText.clear();
    symbolsUndoTakenAt_ = 0;
    menu("mUndoSuits2Symbols").setEnabled(false);
}

void BridgeCommands::mSuitSymbol_Click(int index) {
    const QString name = bridge::suitSymbolImage(index);
    auto& editor = *ui_.Text1[1];
    if (name.isEmpty() || !editor.visible()) return;
    // The tag takes the place of the source editor's own selection.
    editor.setSelText(bridge::imageTag(name));
    ProvideSuitImages({name});
}

void BridgeCommands::mSymbolsForHands_Click() {
    auto& editor = *ui_.Text1[1];
    if (!editor.visible()) return;
    const auto hand = bridge::symbolsForHands(editor.selText());
    if (!hand) return;
    editor.setSelText(*hand);
    QStringList written;
    for (const QString& name : bridge::handImages())
        if (hand->contains(bridge::imageTag(name))) written << name;
    ProvideSuitImages(written);
    host_.document().save(1);
}

void BridgeCommands::ClearBridgeUndo() {
    SymbolsOriginalText.clear();
    BidFontOriginalText.clear();
    symbolsUndoTakenAt_ = 0;
    bidFontUndoTakenAt_ = 0;
    menu("mUndoSuits2Symbols").setEnabled(false);
    menu("mUndoBidFont").setEnabled(false);
}

void BridgeCommands::WithdrawLaterBridgeUndo(int restoredTakenAt) {
    // The editor now holds the text from before the command whose undo ran;
    // a text another undo took after that command holds that command's
    // work, so restoring it would undo the undo.
    if (symbolsUndoTakenAt_ > restoredTakenAt) {
        SymbolsOriginalText.clear();
        symbolsUndoTakenAt_ = 0;
        menu("mUndoSuits2Symbols").setEnabled(false);
    }
    if (bidFontUndoTakenAt_ > restoredTakenAt) {
        BidFontOriginalText.clear();
        bidFontUndoTakenAt_ = 0;
        menu("mUndoBidFont").setEnabled(false);
    }
}

} // namespace bridge
