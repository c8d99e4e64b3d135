// The main menu: every entry, in order, with its header, caption, name,
// index, shortcut and whether the window starts with it shown.
#include "shell/menutree.h"
#include "util/version.h"

#include <QKeySequence>
#include <QSet>
#include <QTest>

namespace {

struct Expected {
    const char* parent;
    const char* caption;
    const char* name;
    int index;
    const char* shortcut;
    bool visible;
};

constexpr bool shown = true;
constexpr bool hidden = false;

// Bridge entries are shown so that their commands can be reached; the extra
// find entries and the recent files (until the list has entries) are not.
const Expected kMenu[] = {
    {"", "&File", "mF", -1, "", shown},
    {"mF", "&New File", "mNewFile", -1, "F4", shown},
    {"mF", "&Open File", "mOpen", -1, "Ctrl+O", shown},
    {"mF", "Open Links/Files in &Right Window", "mOpenRight", -1, "", shown},
    {"mF", "-", "zF", -1, "", shown},
    {"mF", "&Close Right Panel", "mCloseRight", -1, "F6", shown},
    {"mF", "S&wap Panels", "mSwap", -1, "F7", shown},
    {"mF", "-", "zF0", -1, "", shown},
    {"mF", "Change &Monitors", "mChangeMonitors", -1, "Shift+F2", shown},
    {"mF", "Reset to Main Monitor", "mResetMon", -1, "", shown},
    {"mF", "-", "zF1", -1, "", shown},
    {"mF", "&Delete File", "mDeleteFile", -1, "", shown},
    {"mF", "&Save Source", "mSave", 0, "Ctrl+S", shown},
    {"mF", "Save Source &As", "mSave", 1, "", shown},
    {"mF", "Save Web page", "mSaveWebPage", -1, "", shown},
    {"mF", "-", "z31", -1, "", shown},
    {"mF", "Restore Original Text", "mRestore", 0, "", shown},
    {"mF", "Restore Before Last Save", "mRestore", 1, "", shown},
    {"mF", "Restore At Last Save", "mRestore", 2, "", shown},
    {"mF", "-", "z4", -1, "", shown},
    {"mF", "Print", "mPrint", -1, "", shown},
    {"mF", "Print Preview", "mPrintPreview", -1, "", shown},
    {"mF", "-", "z4a", -1, "", shown},
    {"mF", "E&xit", "mExit", -1, "", shown},
    {"mF", "-", "mRecent", 0, "", hidden},
    {"mF", "Recent file 1", "mRecent", 1, "", hidden},
    {"mF", "Recent file 2", "mRecent", 2, "", hidden},
    {"mF", "Recent file 3", "mRecent", 3, "", hidden},
    {"mF", "Recent file 4", "mRecent", 4, "", hidden},
    {"mF", "Recent file 5", "mRecent", 5, "", hidden},
    {"mF", "Recent file 6", "mRecent", 6, "", hidden},
    {"mF", "Recent file 7", "mRecent", 7, "", hidden},
    {"mF", "Recent file 8", "mRecent", 8, "", hidden},
    {"mF", "Recent file 9", "mRecent", 9, "", hidden},
    {"mF", "Recent file 10", "mRecent", 10, "", hidden},

    {"", "&Edit", "mE", -1, "", shown},
    {"mE", "&Edit HTML", "mEditHTML", -1, "F11", shown},
    {"mE", "-", "zE1", -1, "", shown},
    {"mE", "&Find/Replace Text", "mFind", 0, "Ctrl+F", shown},
    {"mE", "Find &Again", "mFind", 1, "Ctrl+A", hidden},
    {"mE", "&Replace Text", "mFind", 2, "F9", hidden},
    {"mE", "-", "z11", -1, "", shown},
    {"mE", "SpellCheck &Document", "mSpellCheckDocument", -1, "F12", shown},
    {"mE", "SpellCheck &Word", "mSpellCheckWord", -1, "Ctrl+W", shown},
    {"mE", "-", "z11a", -1, "", shown},
    {"mE", "Bidding Suits to Symbols", "mSuits2Symbols", -1, "", shown},
    {"mE", "Undo Suits to Symbols", "mUndoSuits2Symbols", -1, "", shown},
    {"mE", "Make Symbols For Hands", "mSymbolsForHands", -1, "Ctrl+M", shown},
    {"mE", "Insert Bidding Font", "mInsertBidFont", -1, "", shown},
    {"mE", "Undo Bidding Font", "mUndoBidFont", -1, "", shown},
    {"mE", "-", "z11b", -1, "", shown},
    {"mE", "Make Table Of Contents", "mTableOfContents", -1, "", shown},

    {"", "&HTML", "mH", -1, "", shown},
    {"mH", "&HTML Start-End", "mHTMLStartEnd", -1, "Ctrl+F1", shown},
    {"mH", "-", "z7", -1, "", shown},
    {"mH", "&Colors", "mC", -1, "", shown},
    {"mC", "&Page Colors", "mColors", 0, "", shown},
    {"mC", "&Text Colors", "mColors", 1, "", shown},
    {"mC", "&Color Code", "mColors", 2, "", shown},
    {"mH", "-", "z7b", -1, "", shown},
    {"mH", "Headers", "mHd", -1, "", shown},
    {"mHd", "Header &1", "mHeader", 0, "F1", shown},
    {"mHd", "Header &2", "mHeader", 1, "F2", shown},
    {"mHd", "Header &3", "mHeader", 2, "F3", shown},
    {"mH", "-", "z2", -1, "", shown},
    {"mH", "Hyper&Links", "mHL", -1, "", shown},
    {"mHL", "Link &External", "mLinkExt", -1, "Ctrl+E", shown},
    {"mHL", "&Link Internal", "mLinkIn", -1, "Ctrl+L", shown},
    {"mH", "-", "z3", -1, "", shown},
    {"mH", "Text &Blocking", "mTb", -1, "", shown},
    {"mTb", "&Hide Text", "mHideText", -1, "Ctrl+H", shown},
    {"mTb", "&Paragraph", "mParagraph", -1, "Ctrl+P", shown},
    {"mTb", "Brea&k", "mBreak", -1, "Ctrl+K", shown},
    {"mTb", "Superscript", "mSuperscript", -1, "Ctrl+F11", shown},
    {"mTb", "Subscript", "mSubscript", -1, "Ctrl+F12", shown},
    {"mTb", "&Numbered List <OL>", "mNumberedList", -1, "", shown},
    {"mTb", "I&ndent w/ Bullets <UL>", "mIndent", -1, "Ctrl+N", shown},
    {"mTb", "I&ndent Without Break", "mIndentNoBreak", -1, "", shown},
    {"mTb", "&Bullet List w/o Indent", "mBulletsNoIndent", -1, "", shown},
    {"mTb", "Pre(formatted text)", "mPre", -1, "", shown},
    {"mH", "-", "z3a", -1, "", shown},
    {"mH", "&Special Characters", "mSC", -1, "", shown},
    {"mSC", "Space", "mSpecial", 0, "", shown},
    {"mSC", "'<'", "mSpecial", 1, "", shown},
    {"mSC", "'>'", "mSpecial", 2, "", shown},
    {"mSC", "Club", "mSuitSymbol", 1, "", shown},
    {"mSC", "Diamond", "mSuitSymbol", 2, "", shown},
    {"mSC", "Heart", "mSuitSymbol", 3, "", shown},
    {"mSC", "Spade", "mSuitSymbol", 4, "", shown},
    {"mSC", "Club/Diamond", "mSuitSymbol", 5, "", shown},
    {"mSC", "Heart/Spade", "mSuitSymbol", 6, "", shown},
    {"mH", "-", "z3b", -1, "", shown},
    {"mH", "&Table", "mTbl", -1, "", shown},
    {"mTbl", "Table &Specs Window", "mTableSpecsWindow", -1, "", shown},
    {"mTbl", "&Table <Table>", "mTable", -1, "Ctrl+T", shown},
    {"mTbl", "&Row <TR>", "mRow", -1, "Ctrl+R", shown},
    {"mTbl", "&Data Cell <TD>", "mCell", -1, "Ctrl+D", shown},
    {"mTbl", "&Align Top", "mAlignTop", -1, "", shown},
    {"mTbl", "&Width", "mWidth", -1, "", shown},
    {"mH", "-", "z8", -1, "", shown},
    {"mH", "Text &Emphasis", "mTe", -1, "", shown},
    {"mTe", "&Font", "mFont", -1, "", shown},
    {"mTe", "Bidding Font", "mBiddingFont", -1, "F5", shown},
    {"mTe", "&Bold", "mBold", -1, "Ctrl+B", shown},
    {"mTe", "&Color", "mColorWords", -1, "", shown},
    {"mTe", "&Italics", "mItalics", -1, "Ctrl+I", shown},
    {"mTe", "&Underline", "mUnderline", -1, "Ctrl+U", shown},

    {"", "&Help", "mH2", -1, "", shown},
    {"mH2", "&Help", "mHelp", -1, "", shown},
    {"mH2", "Version " TFV_VERSION, "mVer", -1, "", shown},
};

constexpr int kCount = int(sizeof kMenu / sizeof kMenu[0]);

QString u(const char* text) { return QString::fromUtf8(text); }

} // namespace

class TestMenuTree : public QObject {
    Q_OBJECT
private slots:
    void entry_data();
    void entry();
    void sameLengthAsTable();
    void treeIsConsistent();
};

void TestMenuTree::entry_data() {
    QTest::addColumn<int>("position");
    for (int i = 0; i < kCount; ++i) {
        if (kMenu[i].index >= 0)
            QTest::addRow("%d %s(%d)", i, kMenu[i].name, kMenu[i].index) << i;
        else
            QTest::addRow("%d %s", i, kMenu[i].name) << i;
    }
}

void TestMenuTree::entry() {
    QFETCH(int, position);
    const auto& tree = shell::menuTree();
    QVERIFY2(position < int(tree.size()), "the tree ends early");
    const Expected& want = kMenu[position];
    const shell::MenuItem& got = tree[std::size_t(position)];
    QCOMPARE(got.name, u(want.name));
    QCOMPARE(got.index, want.index);
    QCOMPARE(got.parent, u(want.parent));
    QCOMPARE(got.caption, u(want.caption));
    QCOMPARE(got.shortcut, u(want.shortcut));
    QCOMPARE(got.visible, want.visible);
}

void TestMenuTree::sameLengthAsTable() {
    QCOMPARE(int(shell::menuTree().size()), kCount);
}

// Names with index are unique, every header comes before its entries, and
// every shortcut is valid Qt portable text used by one entry only.
void TestMenuTree::treeIsConsistent() {
    QSet<QString> keys;
    QSet<QString> headers;
    QSet<QString> shortcuts;
    for (const shell::MenuItem& item : shell::menuTree()) {
        const QString key = item.name + QLatin1Char('(') + QString::number(item.index) + QLatin1Char(')');
        QVERIFY2(!keys.contains(key), qPrintable(key));
        keys.insert(key);
        QVERIFY2(item.parent.isEmpty() || headers.contains(item.parent), qPrintable(key));
        headers.insert(item.name);
        if (item.isSeparator()) QVERIFY2(item.shortcut.isEmpty(), qPrintable(key));
        if (item.shortcut.isEmpty()) continue;
        const QKeySequence seq = QKeySequence::fromString(item.shortcut, QKeySequence::PortableText);
        QCOMPARE(seq.count(), 1);
        QCOMPARE(seq.toString(QKeySequence::PortableText), item.shortcut);
        QVERIFY2(!shortcuts.contains(item.shortcut), qPrintable(item.shortcut));
        shortcuts.insert(item.shortcut);
    }
}

QTEST_APPLESS_MAIN(TestMenuTree)
#include "test_menutree.moc"
