#pragma once

#include "shell/panelslide.h"
#include "shell/viewerhost.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace authoring {

class TableSpecs;

// The HTML authoring commands: markup around the selection, hyperlinks,
// show/hide blocks, the document frame and its page colours, the table of
// contents and the table designer.
class AuthoringCommands : private shell::HostedController {
  public:
    explicit AuthoringCommands(shell::ViewerHost& host);
    ~AuthoringCommands();
    AuthoringCommands(const AuthoringCommands&) = delete;
    AuthoringCommands& operator=(const AuthoringCommands&) = delete;

    void registerHandlers();

    // Page colour `slot` (1 to 5: TEXT, BGCOLOR, LINK, VLINK, ALINK), as the
    // configuration file keeps it.
    QString pageColor(int slot) const { return PageColors[slot]; }
    void setPageColor(int slot, const QString& code) { PageColors[slot] = code; }
    // Anchor names are handed out afresh in every document shown.
    void restartLinkNames() { LinkNameCounter = 0; }
    // A link begun in the file before cannot be finished in the next.
    void forgetEditedDocument();

    // Tag commands: the selection of the active editor wrapped in markup.
    void mBold_Click();
    void mItalics_Click();
    void mUnderline_Click();
    void mSuperscript_Click();
    void mSubscript_Click();
    void mBreak_Click();
    void mNumberedList_Click();
    void mIndent_Click();
    void mIndentNoBreak_Click();
    void mBulletsNoIndent_Click();
    void mPre_Click();
    void mHeader_Click(int index);
    void mSpecial_Click(int index);
    void mTable_Click();
    void mRow_Click();
    void mCell_Click();
    void mAlignTop_Click();
    void mWidth_Click();
    void mColorWords_Click();
    void mFont_Click();
    void mParagraph_Click();
    // Hyperlinks. Link Internal runs twice: first on the link text, then
    // where the link should lead; the instruction box shows in between and
    // a click on it cancels.
    void mLinkExt_Click();
    void mLinkIn_Click();
    void LinkMsgBox_Click();
    void mHideText_Click();
    // The document frame: New File, HTML Start-End and the page colours.
    void mNewFile_Click();
    void mHTMLStartEnd_Click();
    void mColors_Click(int index);
    void cmdGetColor_Click(int index);
    void mTableOfContents_Click();
    void mTableSpecsWindow_Click();

  private:
    // Asks for page colour `slot` (1 to 5) starting from `colorCode`, keeps
    // the choice in `colorCode` and puts it into the edited document's BODY
    // tag, which is then saved.
    void ChangePageColor(QString& colorCode, int slot);

    QString PageColors[6]; // 1..5
    // The BODY attribute names of the page colours, 1 to 5.
    QString ColorAttributeNames[6];
    // The last anchor name number handed out in the document.
    std::int16_t LinkNameCounter = 0;
    // The text chosen at Link Internal's first run: 1-based start, length.
    std::int32_t LinkStart = 0;
    std::int32_t LinkLength = 0;
    // The last show/hide block number taken in this run of the program.
    std::int16_t HideBlockCounter = 0;
    // The "Page Colors" panel's slide out and back.
    shell::PanelSlider colorsSlide_;
    // The table designer, created when first opened; it keeps its colours
    // for the rest of the run.
    std::shared_ptr<TableSpecs> TableSpecsDialog;
};

} // namespace authoring
