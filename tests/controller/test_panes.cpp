// The two panes around the edited file, over scripted controls: which pane
// a page goes to, a web page's address, the editor's caret at an anchor,
// find-and-replace across files, the splitter, Close Right Panel, Swap Panels
// and the controller going away. The pane widths are in tests/unit/
// test_shell.cpp, the real window's in tests/e2e/resize_split.sh and two_files.sh.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::qs;
using platform::Answer;
using platform::FileChoice;

namespace {
QString fileUrl(const QString& path) {
    return qs("file://") + path;
}

// a.htm (an anchor, a link to b.htm) and b.htm; the viewer started on a.htm
// alone, its page in (with Open Links/Files in Right Window stored as on, or
// not), or beside b.htm or itself.
struct Panes : fakes::ViewerHarness {
    QString a =
        writeFile(qs("home/a.htm"), "<HTML><A NAME=\"top\"></A>A<A HREF=\"b.htm\">b</A></HTML>");
    QString b = writeFile(qs("home/b.htm"), "<HTML>B</HTML>");
    enum Right { None, OpenInRight, B, A };
    explicit Panes(Right right = None) {
        if (right >= B) {
            start(a + qs(" ") + (right == A ? a : b));
            return;
        }
        if (right == OpenInRight)
            writeFile(qs("data/VontrelFileViewer.cfg"),
                      QByteArray("\r\n").repeated(34) + "True\r\n");
        start(a);
        browser[0].settle();
    }
    bool swapping() { return menu.get(qs("mSwap")).checked(); }
};
} // namespace

class PanesTest : public QObject {
    Q_OBJECT
  private slots:
    void openInRight_sendsOnlyFollowedLinksRight();
    void webPage_keepsItsWholeAddress();
    void editedPage_anchorsMoveTheCaret_nameKeepsNoAnchor();
    void anotherFileLoaded_neverGetsTheOldReplacements();
    void splitter_refusesNarrowPane_toolbarClearOfNameBox();
    void closeRight_unsavedEditor_asksFirst();
    void swap_saveRefreshesTheVisiblePage();
    void swap_rightWaitsForLeft_secondSwapIgnored_timerBounds();
    void destroyedController_leavesNoCallbacks();
};

// With "Open Links/Files in Right Window" stored as on, the start file still
// loads on the left: only links the user follows go right, web links never.
// A history move stays in its pane, even reported as a followed link.
void PanesTest::openInRight_sendsOnlyFollowedLinksRight() {
    Panes s(Panes::OpenInRight);
    QVERIFY(s.menu.get(qs("mOpenRight")).checked());
    QCOMPARE(s.nameBox[0].text(), qs("a.htm"));
    QVERIFY(s.browser[1].navigations.isEmpty());
    s.browser[0].followLink(qs("https://example.com/deal.htm"));
    QVERIFY(s.browser[1].navigations.isEmpty());
    s.browser[0].followLink(s.b);
    QCOMPARE(s.browser[1].navigations, QStringList{s.b});
    QVERIFY(s.browser[1].visible());
    s.toolbar.click(qs("Back")); // no history: the pane refuses
    QVERIFY(s.browser[0].fireBeforeNavigate(fileUrl(s.b)));
    s.browser[0].canGoForward = true;
    s.toolbar.click(qs("Forward"));
    QVERIFY(!s.browser[0].fireBeforeNavigate(fileUrl(s.b)));
    QCOMPARE(s.browser[1].navigations.size(), qsizetype(2));
    QVERIFY(s.browser[0].fireBeforeNavigate(fileUrl(s.b))); // only that one navigation
    QCOMPARE(s.browser[1].navigations.size(), qsizetype(3));
}

// An address typed into the name box stays whole once the page is in: F11
// explains Save Web page instead of opening a local file of the same name,
// and Save Web page fetches that address.
void PanesTest::webPage_keepsItsWholeAddress() {
    Panes s;
    const QString url = qs("http://example.com/a/deal.htm");
    s.writeFile(qs("home/deal.htm"), "a local file of the same name");
    s.nameBox[0].typeAndEnter(url);
    s.browser[0].settle();
    QCOMPARE(s.nameBox[0].text(), url);
    s.choose("mEditHTML");
    QVERIFY(!s.ed().visible());
    QVERIFY(s.dialogs.messages.back().text.startsWith(qs("To edit a Web page's source HTML")));
    s.transfer.page = QByteArray("<HTML>web</HTML>");
    s.dialogs.inputs.push_back(qs("webdeal"));
    s.choose("mSaveWebPage");
    QCOMPARE(s.transfer.fetched, QStringList{url});
}

void PanesTest::editedPage_anchorsMoveTheCaret_nameKeepsNoAnchor() {
    Panes s;
    s.browser[1].setFocus(); // the right pane had the focus once
    s.choose("mEditHTML");
    auto& ed = s.ed();
    // A jump within the page shown moves the caret to the anchor.
    s.browser[0].fireBeforeNavigate(fileUrl(s.a) + qs("#top"));
    s.browser[0].fireComplete(fileUrl(s.a) + qs("#top"), qs("a.htm#top"));
    QCOMPARE(ed.selStart(), int(ed.text().indexOf(qs("<A NAME=\"top"))) + 1);
    // A page finishing without an anchor leaves the caret where it is.
    ed.setSelStart(7);
    s.browser[0].fireComplete(fileUrl(s.a), qs("a.htm"));
    QCOMPARE(ed.selStart(), 7);
    // From another page, a link to the edited page's anchor finds it too.
    s.browser[0].fireBeforeNavigate(fileUrl(s.b));
    ed.setSelStart(0);
    QVERIFY(!s.browser[0].fireBeforeNavigate(fileUrl(s.a) + qs("#top")));
    QCOMPARE(ed.selStart(), int(ed.text().indexOf(qs("NAME=\"top"))) + 1);
    // The anchors never became part of the edited file's name.
    ed.setText(qs("<HTML>edited</HTML>"));
    s.choose("mSave", 0);
    QCOMPARE(s.readFile(s.a), QByteArray("<HTML>edited</HTML>"));
    QVERIFY(!QFileInfo::exists(s.a + qs("#top")));
}

// Replacements declined when another file comes into the editor: closing
// the dialog asks nothing and never puts them into the new text; a match
// marked in one file is not the next file's to replace.
void PanesTest::anotherFileLoaded_neverGetsTheOldReplacements() {
    fakes::ViewerHarness h("one two");
    const QString page = h.page;
    const QString other = h.writeFile(qs("home/other.htm"), "three four");
    auto find = [&](const char* what) {
        h.ed().setSelStart(0);
        h.choose("mFind", 0);
        h.find.txtFind.setText(qs(what));
        h.find.txtReplace.setText(qs("2"));
    };
    auto open = [&](const QString& path) {
        h.dialogs.files = {FileChoice{path, QFileInfo(path).fileName()}};
        h.choose("mOpen");
    };
    find("two");
    h.find.replaceAll.click();
    QCOMPARE(h.ed().text(), qs("one 2"));
    h.dialogs.answers = {Answer::No}; // "Save changes to deal.htm?"
    open(other);
    const auto asked = h.dialogs.messages.size();
    h.find.form.unload();
    QVERIFY(!h.find.form.visible());
    QCOMPARE(h.dialogs.messages.size(), asked);
    QCOMPARE(h.ed().text(), qs("three four"));
    QCOMPARE(h.readFile(page), QByteArray("one two"));

    find("thr");
    h.find.findNext.click();
    open(page);
    h.ed().select(qs("one"));
    h.find.replace.click();
    QCOMPARE(h.ed().text(), qs("one two"));
}

void PanesTest::splitter_refusesNarrowPane_toolbarClearOfNameBox() {
    Panes h(Panes::B);
    const int left = h.text1[0].width();
    h.splitter.onMouseDown(platform::LeftButton, 60, 0);
    h.splitter.onMouseMove(platform::LeftButton, 360, 0);
    QCOMPARE(h.text1[0].width(), left + 300);
    // Dragged left, the left name box ends before the toolbar.
    h.splitter.onMouseMove(platform::LeftButton, -1500, 0);
    QVERIFY(h.nameBox[0].left() + h.nameBox[0].width() < h.toolbar.left());
    h.splitter.onMouseMove(platform::LeftButton, 60 + 1560, 0);
    // A move leaving the right pane 1000 twips or narrower is refused.
    const int right = h.text1[1].width();
    h.splitter.onMouseMove(platform::LeftButton, 60 + right - 1000, 0);
    QCOMPARE(h.text1[1].width(), right);
    QCOMPARE(h.text1[0].width(), left + 300);
    QVERIFY(h.nameBox[0].left() + h.nameBox[0].width() < h.toolbar.left());
}

void PanesTest::closeRight_unsavedEditor_asksFirst() {
    Panes h(Panes::A);
    h.text1[1].setText(qs("<P>changed</P>"));
    h.dialogs.answers = {Answer::Cancel};
    h.choose("mCloseRight");
    QCOMPARE(h.dialogs.messageTexts(), QStringList{qs("Save changes to a.htm?")});
    QVERIFY(h.text1[1].visible());
    h.dialogs.answers = {Answer::Yes};
    h.choose("mCloseRight");
    QVERIFY(!h.text1[1].visible());
    QCOMPARE(h.readFile(h.a), QByteArray("<P>changed</P>"));
}

// After the swap the editor is on the left and the page on the right: a
// save reloads the right pane.
void PanesTest::swap_saveRefreshesTheVisiblePage() {
    Panes h(Panes::A);
    h.browser[0].settle();
    h.choose("mSwap");
    h.browser[1].settle();
    QVERIFY(h.text1[0].visible() && !h.browser[0].visible() && h.browser[1].visible());
    QVERIFY(!h.swapping());
    const int left = h.browser[0].refreshes, right = h.browser[1].refreshes;
    h.text1[0].setText(qs("<P>edited</P>"));
    h.choose("mSave", 0);
    QCOMPARE(h.readFile(h.a), QByteArray("<P>edited</P>"));
    QCOMPARE(h.browser[0].refreshes, left);
    QCOMPARE(h.browser[1].refreshes, right + 1);
    h.window.close();
    QVERIFY(h.window.closed);
    QVERIFY(h.dialogs.messages.empty());
}

void PanesTest::swap_rightWaitsForLeft_secondSwapIgnored_timerBounds() {
    {
        Panes h(Panes::B);
        h.browser[0].settle();
        h.browser[1].settle();
        const qsizetype right = h.browser[1].navigations.size();
        h.choose("mSwap");
        QCOMPARE(h.browser[0].lastNavigation(), h.b);
        QCOMPARE(h.browser[1].navigations.size(), right); // waits for the left page
        h.choose("mSwap");                                // not taken meanwhile
        h.browser[0].settle();
        QCOMPARE(h.browser[1].lastNavigation(), h.a);
        QVERIFY(h.swapping());
        h.browser[1].settle();
        QVERIFY(!h.swapping());
        QVERIFY(h.window.pointer == platform::Pointer::Default);
        QCOMPARE(h.nameBox[0].text() + h.nameBox[1].text(), qs("b.htma.htm"));
        QVERIFY(!h.swapTimer.fire()); // nothing left to run out later
    }
    // Pages that never complete: ten seconds for each, then the swap ends.
    Panes h(Panes::B);
    h.choose("mSwap");
    QCOMPARE(h.swapTimer.interval, 10000);
    QVERIFY(h.swapTimer.fire());
    QCOMPARE(h.browser[1].lastNavigation(), h.a);
    QVERIFY(h.swapTimer.fire());
    QVERIFY(!h.swapTimer.active());
    QVERIFY(!h.swapping());
    QVERIFY(h.window.pointer == platform::Pointer::Default);
}

// The controls, the timers and the dialogs outlive the controller; once it
// is gone, no event of theirs may reach it, even in the middle of a swap
// or a slide.
void PanesTest::destroyedController_leavesNoCallbacks() {
    Panes h(Panes::B);
    h.choose("mEditHTML");
    h.choose("mFind");
    h.choose("mTableSpecsWindow");
    h.choose("mColors", 0);
    h.choose("mSpellCheckDocument");
    h.text1[1].setText(qs("<P>changed</P>"));
    QVERIFY(h.colorsSlideTimer.active() && h.suggestionSlideTimer.active() &&
            h.recoveryTimer.active());
    h.choose("mSwap");
    QVERIFY(h.swapTimer.active());
    h.viewer.reset();

    for (fakes::FakeTimer* timer : {&h.recoveryTimer, &h.swapTimer, &h.suggestionSlideTimer,
                                    &h.colorsSlideTimer, &h.tableSpecs.previewTimer})
        QVERIFY(!timer->active() && !timer->onTimeout);
    QVERIFY(!h.menu.onClick && !h.window.onResize && !h.window.onClose &&
            !h.toolbar.onButtonClick && !h.splitter.onMouseDown && !h.splitter.onMouseMove &&
            !h.linkMsgBox.onClick);
    for (int i = 0; i < 2; ++i)
        QVERIFY(!h.browser[i].onGotFocus && !h.browser[i].onBeforeNavigate &&
                !h.browser[i].onDocumentComplete && !h.text1[i].onGotFocus && !h.text1[i].onClick &&
                !h.text1[i].onKeyDown && !h.text1[i].onChange && !h.text1[i].onMouseDown &&
                !h.nameBox[i].onKeyDown);
    for (const platform::Button* button :
         {&h.getColor[0], &h.getColor[5], &h.box.fixSpelling, &h.box.skipOnce, &h.box.skipAll,
          &h.box.addWord, &h.box.close})
        QVERIFY(!button->onClick);
    const platform::FindReplaceView find = h.find.view();
    const platform::TableSpecsView specs = h.tableSpecs.view();
    QVERIFY(!h.box.suggestions.onClick && !h.box.suggestions.onDoubleClick &&
            !find.form->onActivate && !find.form->onUnload && !find.txtFind->onChange &&
            !find.cmdFindNext->onClick && !find.cmdReplace[1]->onClick &&
            !specs.txtNumRows->onChange && !specs.OKButton->onClick &&
            !specs.cmbTableColors[3]->onClick && !specs.ck_Background[1]->onClick);
}

QTEST_GUILESS_MAIN(PanesTest)
#include "test_panes.moc"
