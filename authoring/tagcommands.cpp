// The tag commands of the HTML menu, and Color and Font, which ask for a
// colour or a font first.
#include "authoring/authoringcommands.h"

#include "authoring/editorchanges.h"
#include "authoring/tags.h"

namespace authoring {

using authoring::TagCommand;

namespace {
void runTag(platform::TextEditor& editor, TagCommand command) {
    authoring::applyResult(
        editor, authoring::tagCommand(command, authoring::selectionOf(editor), editor.selText()));
}
} // namespace

void AuthoringCommands::mBold_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Bold);
}
void AuthoringCommands::mItalics_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Italics);
}
void AuthoringCommands::mUnderline_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Underline);
}
void AuthoringCommands::mSuperscript_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Superscript);
}
void AuthoringCommands::mSubscript_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Subscript);
}
void AuthoringCommands::mBreak_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Break);
}
void AuthoringCommands::mNumberedList_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::NumberedList);
}
void AuthoringCommands::mIndent_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Indent);
}
void AuthoringCommands::mIndentNoBreak_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::IndentNoBreak);
}
void AuthoringCommands::mBulletsNoIndent_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::BulletsNoIndent);
}
void AuthoringCommands::mPre_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Pre);
}
void AuthoringCommands::mTable_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Table);
}
void AuthoringCommands::mRow_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Row);
}
void AuthoringCommands::mCell_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Cell);
}
void AuthoringCommands::mAlignTop_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::AlignTop);
}
void AuthoringCommands::mWidth_Click() {
    runTag(*ui_.Text1[activePane()], TagCommand::Width);
}

void AuthoringCommands::mHeader_Click(int index) {
    static constexpr TagCommand headers[] = {TagCommand::Header1, TagCommand::Header2,
                                             TagCommand::Header3};
    if (index < 0 || index > 2) return;
    runTag(*ui_.Text1[activePane()], headers[index]);
}

void AuthoringCommands::mSpecial_Click(int index) {
    static constexpr TagCommand specials[] = {TagCommand::SpecialSpace, TagCommand::SpecialLessThan,
                                              TagCommand::SpecialGreaterThan};
    if (index < 0 || index > 2) return;
    runTag(*ui_.Text1[activePane()], specials[index]);
}

void AuthoringCommands::mColorWords_Click() {
    // Flags 2: the dialog opens with its custom colours shown.
    const auto color = ui_.dialogs->chooseColor(0, 2);
    if (!color) return;
    auto& editor = *ui_.Text1[1];
    editor.setSelText(authoring::colorMarkup(*color, editor.selText()));
}

void AuthoringCommands::mFont_Click() {
    // Flags 259: screen and printer fonts, with the effects.
    const auto chosen = ui_.dialogs->chooseFont(259);
    if (!chosen) return;
    // The font dialog here has no colours: the colour dialog follows it,
    // opening on the font's colour (black unless the font dialog chose one;
    // flags 3: start from it, custom colours shown). Its Cancel cancels the
    // command as the font dialog's does: nothing is written or saved, and
    // black is an OK away.
    const auto color = ui_.dialogs->chooseColor(chosen->color, 3);
    if (!color) return;
    authoring::FontStyle font;
    font.name = chosen->name;
    font.points = chosen->points;
    font.bold = chosen->bold;
    font.italic = chosen->italic;
    font.underline = chosen->underline;
    font.strikethrough = chosen->strikethrough;
    font.color = *color;
    auto& editor = *ui_.Text1[activePane()];
    editor.setSelText(authoring::fontMarkup(font, editor.selText()));
    host_.document().save(activePane());
}

} // namespace authoring
