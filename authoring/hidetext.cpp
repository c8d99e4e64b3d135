// Hide Text: the selection put inside a block the reader opens by a click.
#include "authoring/authoringcommands.h"

#include "authoring/hideblock.h"
#include "util/strings.h"

namespace authoring {

void AuthoringCommands::mHideText_Click() {
    // Numbers go on from the last one taken in this run, past any the
    // document already uses.
    const auto number = authoring::nextHideBlockNumber(HideBlockCounter, ui_.Text1[1]->text());
    if (!number) {
        message(util::qs("No show/hide block number is left in this session.\r"
                         "Restart the program to add more blocks."));
        return;
    }
    HideBlockCounter = static_cast<std::int16_t>(*number);
    auto& editor = *ui_.Text1[activePane()];
    editor.setSelText(authoring::hideBlock(*number, editor.selText()));
}

} // namespace authoring
