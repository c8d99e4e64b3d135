// The tag commands of the HTML menu, and Color and Font, which ask for a
// colour or a font first.
#include "shell/tarnwellfileviewer.h"

#include "authoring/editorchanges.h"
#include "authoring/tags.h"

namespace shell {

using authoring::TagCommand;

namespace {
void runTag(platform::TextEditor& editor, TagCommand command) {
    authoring::applyResult(
        editor, authoring::tagCommand(command, authoring::selectionOf(editor), editor.selText()));
}
} // namespace

void TarnwellFileViewer::mBold_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Bold);
}
void TarnwellFileViewer::mItalics_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Italics);
}
void TarnwellFileViewer::mUnderline_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Underline);
}
void TarnwellFileViewer::mSuperscript_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Superscript);
}
void TarnwellFileViewer::mSubscript_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Subscript);
}
void TarnwellFileViewer::mBreak_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Break);
}
void TarnwellFileViewer::mNumberedList_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::NumberedList);
}
void TarnwellFileViewer::mIndent_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Indent);
}
void TarnwellFileViewer::mIndentNoBreak_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::IndentNoBreak);
}
void TarnwellFileViewer::mBulletsNoIndent_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::BulletsNoIndent);
}
void TarnwellFileViewer::mPre_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Pre);
}
void TarnwellFileViewer::mTable_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Table);
}
void TarnwellFileViewer::mRow_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Row);
}
void TarnwellFileViewer::mCell_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Cell);
}
void TarnwellFileViewer::mAlignTop_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::AlignTop);
}
void TarnwellFileViewer::mWidth_Click() {
    runTag(*ui_.Text1[ActivePane], TagCommand::Width);
}

void TarnwellFileViewer::mHeader_Click(int index) {
    static constexpr TagCommand headers[] = {TagCommand::Header1, TagCommand::Header2,
                                             TagCommand::Header3};
    if (index < 0 || index > 2) return;
    runTag(*ui_.Text1[ActivePane], headers[index]);
}

void TarnwellFileViewer::mSpecial_Click(int index) {
    static constexpr TagCommand specials[] = {TagCommand::SpecialSpace, TagCommand::SpecialLessThan,
                                              TagCommand::SpecialGreaterThan};
    if (index < 0 || index > 2) return;
    runTag(*ui_.Text1[ActivePane], specials[index]);
}

void TarnwellFileViewer::mColorWords_Click() {
    // Flags 2: the dialog opens with its custom colours shown.
    const auto color = ui_.dialogs->chooseColor(0, 2);
    if (!color) return;
    auto& editor = *ui_.Text1[1];
    editor.setSelText(authoring::colorMarkup(*color, editor.selText()));
}

void TarnwellFileViewer::mFont_Click() {
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
    auto& editor = *ui_.Text1[ActivePane];
    editor.setSelText(authoring::fontMarkup(font, editor.selText()));
    int index = 0;
    mSave_Click(index);
}

} // namespace shell
