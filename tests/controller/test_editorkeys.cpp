// The editors' own keys and mouse: Ctrl+E and Ctrl+M run their commands
// without the editor seeing the key, Esc closes the find dialog, the right
// button pops up the HTML menu, and focus or a click picks the editor.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::KeyEvent;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }
} // namespace

class EditorKeysTest : public QObject {
    Q_OBJECT
private slots:
    void controlKeys_runCommandsAndEatTheKey();
    void escape_closesFindDialog();
    void rightButton_popsUpHtmlMenu();
    void focusAndClick_pickTheEditor();
};

void EditorKeysTest::controlKeys_runCommandsAndEatTheKey() {
    ViewerHarness h;
    auto& v = h.start();
    QStringList ran;
    v.registerHandler(qs("mLinkExt"), [&](int) { ran << qs("mLinkExt"); });
    v.registerHandler(qs("mSymbolsForHands"), [&](int) { ran << qs("mSymbolsForHands"); });
    KeyEvent ctrlE{69, 2};
    h.text1[1].onKeyDown(ctrlE);
    KeyEvent ctrlM{77, 2};
    h.text1[1].onKeyDown(ctrlM);
    QCOMPARE(ran, (QStringList{qs("mLinkExt"), qs("mSymbolsForHands")}));
    QCOMPARE(ctrlE.keyCode, 0);
    QCOMPARE(ctrlM.shift, 0);
    // With Shift as well, the keys are the editor's.
    KeyEvent shiftCtrlE{69, 3};
    h.text1[1].onKeyDown(shiftCtrlE);
    QCOMPARE(ran.size(), 2);
    QCOMPARE(shiftCtrlE.keyCode, 69);
}

void EditorKeysTest::escape_closesFindDialog() {
    ViewerHarness h;
    const QString page = h.writeFile(qs("home/a.htm"), "text");
    h.start(page + qs(" ") + page);
    KeyEvent esc{27, 0};
    h.text1[1].onKeyDown(esc); // no dialog yet: nothing happens
    h.menu.choose(qs("mFind"), 0);
    QVERIFY(h.find.form.visible());
    h.text1[1].onKeyDown(esc);
    QVERIFY(!h.find.form.visible());
    QVERIFY(h.dialogs.messages.empty());
}

void EditorKeysTest::rightButton_popsUpHtmlMenu() {
    ViewerHarness h;
    h.start();
    h.text1[1].onMouseDown(platform::RightButton, 0, 0);
    h.text1[1].onMouseDown(platform::LeftButton, 0, 0);
    QCOMPARE(h.menu.popups, QStringList{qs("mH")});
}

void EditorKeysTest::focusAndClick_pickTheEditor() {
    ViewerHarness h;
    auto& v = h.start();
    h.text1[1].setFocus();
    QCOMPARE(v.ActivePane, 1);
    h.text1[0].onClick();
    QCOMPARE(v.ActivePane, 0);
}

QTEST_GUILESS_MAIN(EditorKeysTest)
#include "test_editorkeys.moc"
