#include "shell/menutree.h"
#include "util/version.h"

namespace shell {
namespace {

MenuItem item(const char* parent, const char* caption, const char* name, int index = -1,
              const char* shortcut = "", bool visible = true, bool enabled = true) {
    return {QString::fromUtf8(parent),
            QString::fromUtf8(caption),
            QString::fromUtf8(name),
            index,
            QString::fromUtf8(shortcut),
            visible,
            enabled};
}

std::vector<MenuItem> build() {
    std::vector<MenuItem> t;
    const bool hidden = false;
    // File
    t.push_back(item("", "&File", "mF"));
    t.push_back(item("mF", "&New File", "mNewFile", -1, "F4"));
    t.push_back(item("mF", "&Open File", "mOpen", -1, "Ctrl+O"));
    t.push_back(item("mF", "Open Links/Files in &Right Window", "mOpenRight"));
    t.push_back(item("mF", "-", "zF"));
    t.push_back(item("mF", "&Close Right Panel", "mCloseRight", -1, "F6"));
    t.push_back(item("mF", "S&wap Panels", "mSwap", -1, "F7"));
    t.push_back(item("mF", "-", "zF0"));
    t.push_back(item("mF", "Change &Monitors", "mChangeMonitors", -1, "Shift+F2"));
    t.push_back(item("mF", "Reset to Main Monitor", "mResetMon"));
    t.push_back(item("mF", "-", "zF1"));
    t.push_back(item("mF", "&Delete File", "mDeleteFile"));
    t.push_back(item("mF", "&Save Source", "mSave", 0, "Ctrl+S"));
    t.push_back(item("mF", "Save Source &As", "mSave", 1));
    t.push_back(item("mF", "Save Web page", "mSaveWebPage"));
    t.push_back(item("mF", "-", "z31"));
    t.push_back(item("mF", "Restore Original Text", "mRestore", 0));
    t.push_back(item("mF", "Restore Before Last Save", "mRestore", 1));
    t.push_back(item("mF", "Restore At Last Save", "mRestore", 2));
    t.push_back(item("mF", "-", "z4"));
    t.push_back(item("mF", "Print", "mPrint"));
    t.push_back(item("mF", "Print Preview", "mPrintPreview"));
    t.push_back(item("mF", "-", "z4a"));
    t.push_back(item("mF", "E&xit", "mExit"));
    t.push_back(item("mF", "-", "mRecent", 0, "", hidden));
    for (int i = 1; i <= 10; ++i)
        t.push_back(item("mF", QStringLiteral("Recent file %1").arg(i).toUtf8().constData(),
                         "mRecent", i, "", hidden));
    // Edit
    t.push_back(item("", "&Edit", "mE"));
    t.push_back(item("mE", "&Edit HTML", "mEditHTML", -1, "F11"));
    t.push_back(item("mE", "-", "zE1"));
    t.push_back(item("mE", "&Find/Replace Text", "mFind", 0, "Ctrl+F"));
    t.push_back(item("mE", "Find &Again", "mFind", 1, "Ctrl+A", hidden));
    t.push_back(item("mE", "&Replace Text", "mFind", 2, "F9", hidden));
    t.push_back(item("mE", "-", "z11"));
    t.push_back(item("mE", "SpellCheck &Document", "mSpellCheckDocument", -1, "F12"));
    t.push_back(item("mE", "SpellCheck &Word", "mSpellCheckWord", -1, "Ctrl+W"));
    t.push_back(item("mE", "-", "z11a"));
    // The bridge group is shown: hidden, its commands could not be reached.
    t.push_back(item("mE", "Bidding Suits to Symbols", "mSuits2Symbols"));
    t.push_back(item("mE", "Undo Suits to Symbols", "mUndoSuits2Symbols"));
    t.push_back(item("mE", "Make Symbols For Hands", "mSymbolsForHands", -1, "Ctrl+M"));
    t.push_back(item("mE", "Insert Bidding Font", "mInsertBidFont"));
    t.push_back(item("mE", "Undo Bidding Font", "mUndoBidFont"));
    t.push_back(item("mE", "Insert Deal Diagram...", "mInsertDeal"));
    t.push_back(item("mE", "Double-Dummy Table", "mDoubleDummy"));
    t.push_back(item("mE", "Check Bridge Notation", "mCheckNotation"));
    t.push_back(item("mE", "-", "z11b"));
    t.push_back(item("mE", "Make Table Of Contents", "mTableOfContents"));
    // HTML
    t.push_back(item("", "&HTML", "mH"));
    t.push_back(item("mH", "&HTML Start-End", "mHTMLStartEnd", -1, "Ctrl+F1"));
    t.push_back(item("mH", "-", "z7"));
    t.push_back(item("mH", "&Colors", "mC"));
    t.push_back(item("mC", "&Page Colors", "mColors", 0));
    t.push_back(item("mC", "&Text Colors", "mColors", 1));
    t.push_back(item("mC", "&Color Code", "mColors", 2));
    t.push_back(item("mH", "-", "z7b"));
    t.push_back(item("mH", "Headers", "mHd"));
    t.push_back(item("mHd", "Header &1", "mHeader", 0, "F1"));
    t.push_back(item("mHd", "Header &2", "mHeader", 1, "F2"));
    t.push_back(item("mHd", "Header &3", "mHeader", 2, "F3"));
    t.push_back(item("mH", "-", "z2"));
    t.push_back(item("mH", "Hyper&Links", "mHL"));
    t.push_back(item("mHL", "Link &External", "mLinkExt", -1, "Ctrl+E"));
    t.push_back(item("mHL", "&Link Internal", "mLinkIn", -1, "Ctrl+L"));
    t.push_back(item("mH", "-", "z3"));
    t.push_back(item("mH", "Text &Blocking", "mTb"));
    t.push_back(item("mTb", "&Hide Text", "mHideText", -1, "Ctrl+H"));
    t.push_back(item("mTb", "&Paragraph", "mParagraph", -1, "Ctrl+P"));
    t.push_back(item("mTb", "Brea&k", "mBreak", -1, "Ctrl+K"));
    t.push_back(item("mTb", "Superscript", "mSuperscript", -1, "Ctrl+F11"));
    t.push_back(item("mTb", "Subscript", "mSubscript", -1, "Ctrl+F12"));
    t.push_back(item("mTb", "&Numbered List <OL>", "mNumberedList"));
    t.push_back(item("mTb", "I&ndent w/ Bullets <UL>", "mIndent", -1, "Ctrl+N"));
    t.push_back(item("mTb", "I&ndent Without Break", "mIndentNoBreak"));
    t.push_back(item("mTb", "&Bullet List w/o Indent", "mBulletsNoIndent"));
    t.push_back(item("mTb", "Pre(formatted text)", "mPre"));
    t.push_back(item("mH", "-", "z3a"));
    t.push_back(item("mH", "&Special Characters", "mSC"));
    t.push_back(item("mSC", "Space", "mSpecial", 0));
    t.push_back(item("mSC", "'<'", "mSpecial", 1));
    t.push_back(item("mSC", "'>'", "mSpecial", 2));
    t.push_back(item("mSC", "Club", "mSuitSymbol", 1));
    t.push_back(item("mSC", "Diamond", "mSuitSymbol", 2));
    t.push_back(item("mSC", "Heart", "mSuitSymbol", 3));
    t.push_back(item("mSC", "Spade", "mSuitSymbol", 4));
    t.push_back(item("mSC", "Club/Diamond", "mSuitSymbol", 5));
    t.push_back(item("mSC", "Heart/Spade", "mSuitSymbol", 6));
    t.push_back(item("mH", "-", "z3b"));
    t.push_back(item("mH", "&Table", "mTbl"));
    t.push_back(item("mTbl", "Table &Specs Window", "mTableSpecsWindow"));
    t.push_back(item("mTbl", "&Table <Table>", "mTable", -1, "Ctrl+T"));
    t.push_back(item("mTbl", "&Row <TR>", "mRow", -1, "Ctrl+R"));
    t.push_back(item("mTbl", "&Data Cell <TD>", "mCell", -1, "Ctrl+D"));
    t.push_back(item("mTbl", "&Align Top", "mAlignTop"));
    t.push_back(item("mTbl", "&Width", "mWidth"));
    t.push_back(item("mH", "-", "z8"));
    t.push_back(item("mH", "Text &Emphasis", "mTe"));
    t.push_back(item("mTe", "&Font", "mFont"));
    t.push_back(item("mTe", "Bidding Font", "mBiddingFont", -1, "F5"));
    t.push_back(item("mTe", "&Bold", "mBold", -1, "Ctrl+B"));
    t.push_back(item("mTe", "&Color", "mColorWords"));
    t.push_back(item("mTe", "&Italics", "mItalics", -1, "Ctrl+I"));
    t.push_back(item("mTe", "&Underline", "mUnderline", -1, "Ctrl+U"));
    // Help
    t.push_back(item("", "&Help", "mH2"));
    t.push_back(item("mH2", "&Help", "mHelp"));
    t.push_back(item("mH2", "Version " TFV_VERSION, "mVer"));
    return t;
}

} // namespace

const std::vector<MenuItem>& menuTree() {
    static const std::vector<MenuItem> tree = build();
    return tree;
}

} // namespace shell
