// The menu commands of the HTML authoring.
#include "authoring/authoringcommands.h"

namespace authoring {

AuthoringCommands::AuthoringCommands(shell::ViewerHost& host)
    : HostedController(host), colorsSlide_(host.services().colorsSlideTimer) {}

// The controls outlive the controller: a late click must find nothing.
AuthoringCommands::~AuthoringCommands() {
    if (ui_.LinkMsgBox) ui_.LinkMsgBox->onClick = nullptr;
    for (platform::Button* button : ui_.cmdGetColor)
        if (button) button->onClick = nullptr;
}

void AuthoringCommands::forgetEditedDocument() {
    // Anchor names are handed out afresh in every document; a link begun
    // in the file before cannot be finished in this one.
    LinkNameCounter = 0;
    LinkStart = 0;
    LinkLength = 0;
    if (ui_.LinkMsgBox && ui_.LinkMsgBox->visible()) ui_.LinkMsgBox->setVisible(false);
}

void AuthoringCommands::registerHandlers() {
    auto on = [this](const char* name, std::function<void(int)> handler) {
        host_.registerHandler(QString::fromLatin1(name), std::move(handler));
    };
    on("mBold", [this](int) { mBold_Click(); });
    on("mItalics", [this](int) { mItalics_Click(); });
    on("mUnderline", [this](int) { mUnderline_Click(); });
    on("mSuperscript", [this](int) { mSuperscript_Click(); });
    on("mSubscript", [this](int) { mSubscript_Click(); });
    on("mBreak", [this](int) { mBreak_Click(); });
    on("mNumberedList", [this](int) { mNumberedList_Click(); });
    on("mIndent", [this](int) { mIndent_Click(); });
    on("mIndentNoBreak", [this](int) { mIndentNoBreak_Click(); });
    on("mBulletsNoIndent", [this](int) { mBulletsNoIndent_Click(); });
    on("mPre", [this](int) { mPre_Click(); });
    on("mHeader", [this](int i) { mHeader_Click(i); });
    on("mSpecial", [this](int i) { mSpecial_Click(i); });
    on("mTable", [this](int) { mTable_Click(); });
    on("mRow", [this](int) { mRow_Click(); });
    on("mCell", [this](int) { mCell_Click(); });
    on("mAlignTop", [this](int) { mAlignTop_Click(); });
    on("mWidth", [this](int) { mWidth_Click(); });
    on("mColorWords", [this](int) { mColorWords_Click(); });
    on("mFont", [this](int) { mFont_Click(); });
    on("mParagraph", [this](int) { mParagraph_Click(); });
    on("mLinkExt", [this](int) { mLinkExt_Click(); });
    on("mLinkIn", [this](int) { mLinkIn_Click(); });
    on("mHideText", [this](int) { mHideText_Click(); });
    if (ui_.LinkMsgBox) ui_.LinkMsgBox->onClick = [this] { LinkMsgBox_Click(); };
    on("mNewFile", [this](int) { mNewFile_Click(); });
    on("mHTMLStartEnd", [this](int) { mHTMLStartEnd_Click(); });
    on("mColors", [this](int i) { mColors_Click(i); });
    on("mTableOfContents", [this](int) { mTableOfContents_Click(); });
    on("mTableSpecsWindow", [this](int) { mTableSpecsWindow_Click(); });
    for (int i = 0; i < 6; ++i)
        if (ui_.cmdGetColor[i]) ui_.cmdGetColor[i]->onClick = [this, i] { cmdGetColor_Click(i); };
}

} // namespace authoring
