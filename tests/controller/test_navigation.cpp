// The browser panes and the find dialog around the edited file: which pane
// a page goes to, a web page's address, the editor's caret at an anchor of
// the edited page, and replacements that never reach another file's text.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;
using platform::FileChoice;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
QString fileUrl(const QString& path) {
    return qs("file://") + path;
}

// a.htm shown in the left pane, b.htm beside it.
struct Started {
    ViewerHarness h;
    QString a, b;
    Started() {
        a = h.writeFile(qs("home/a.htm"),
                        "<HTML><A NAME=\"top\"></A>A<A HREF=\"b.htm\">b</A></HTML>");
        b = h.writeFile(qs("home/b.htm"), "<HTML>B</HTML>");
        h.start(a);
        h.browser[0].settle();
    }
};

// deal.htm's source open in the editor, the find dialog not yet open.
struct Finding {
    ViewerHarness h;
    QString page;
    explicit Finding(const QByteArray& text) {
        page = h.writeFile(qs("home/deal.htm"), text);
        h.start(page + qs(" ") + page);
    }
    void open(const QString& find, const QString& replace) {
        h.text1[1].setSelStart(0);
        h.menu.choose(qs("mFind"), 0);
        h.find.txtFind.setText(find);
        h.find.txtReplace.setText(replace);
    }
    void openFile(const QString& path) {
        h.dialogs.files = {FileChoice{path, QFileInfo(path).fileName()}};
        h.menu.choose(qs("mOpen"));
    }
    QString text() const { return h.text1[1].text(); }
};
} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
  private slots:
    void openInRight_sendsOnlyFollowedLinksRight();
    void toolbar_historyMoves_stayInTheirPane();
    void webPage_keepsItsWholeAddress();
    void editedPage_anchorsMoveTheCaret_nameKeepsNoAnchor();
    void anotherFileLoaded_neverGetsTheOldReplacements();
};

// With "Open Links/Files in Right Window" stored as on, the start file still
// loads on the left: only links the user follows go right, web links never.
void NavigationTest::openInRight_sendsOnlyFollowedLinksRight() {
    ViewerHarness h;
    h.writeFile(qs("data/VontrelFileViewer.cfg"), QByteArray("\r\n").repeated(34) + "True\r\n");
    const QString a = h.writeFile(qs("home/a.htm"), "<HTML>A</HTML>");
    const QString b = h.writeFile(qs("home/b.htm"), "<HTML>B</HTML>");
    h.start(a);
    QVERIFY(h.menu.get(qs("mOpenRight")).checked());
    h.browser[0].settle();
    QCOMPARE(h.nameBox[0].text(), qs("a.htm"));
    QVERIFY(h.browser[1].navigations.isEmpty());
    h.browser[0].followLink(qs("https://example.com/deal.htm"));
    QVERIFY(h.browser[1].navigations.isEmpty());
    h.browser[0].followLink(b);
    QCOMPARE(h.browser[1].navigations, QStringList{b});
    QVERIFY(h.browser[1].visible());
}

void NavigationTest::toolbar_historyMoves_stayInTheirPane() {
    Started s;
    s.h.menu.choose(qs("mOpenRight"));
    s.h.toolbar.click(qs("Back"));                            // no history: the pane refuses
    QVERIFY(s.h.browser[0].fireBeforeNavigate(fileUrl(s.b))); // a link still goes right
    // The pane may report a history move within a page as followed; the
    // move stays in its pane all the same, and only that one navigation.
    s.h.browser[0].canGoForward = true;
    s.h.toolbar.click(qs("Forward"));
    const qsizetype right = s.h.browser[1].navigations.size();
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(fileUrl(s.b)));
    QCOMPARE(s.h.browser[1].navigations.size(), right);
    QVERIFY(s.h.browser[0].fireBeforeNavigate(fileUrl(s.b)));
    QCOMPARE(s.h.browser[1].navigations.size(), right + 1);
}

// An address typed into the name box stays whole once the page is in: F11
// explains Save Web page instead of opening a local file of the same name,
// and Save Web page fetches that address.
void NavigationTest::webPage_keepsItsWholeAddress() {
    Started s;
    const QString url = qs("http://example.com/a/deal.htm");
    s.h.writeFile(qs("home/deal.htm"), "a local file of the same name");
    s.h.nameBox[0].typeAndEnter(url);
    s.h.browser[0].settle();
    QCOMPARE(s.h.nameBox[0].text(), url);
    s.h.menu.choose(qs("mEditHTML"));
    QVERIFY(!s.h.text1[1].visible());
    QVERIFY(s.h.dialogs.messages.back().text.startsWith(qs("To edit a Web page's source HTML")));
    s.h.transfer.page = QByteArray("<HTML>web</HTML>");
    s.h.dialogs.inputs.push_back(qs("webdeal"));
    s.h.menu.choose(qs("mSaveWebPage"));
    QCOMPARE(s.h.transfer.fetched, QStringList{url});
}

void NavigationTest::editedPage_anchorsMoveTheCaret_nameKeepsNoAnchor() {
    Started s;
    s.h.browser[1].setFocus(); // the right pane had the focus once
    s.h.menu.choose(qs("mEditHTML"));
    auto& ed = s.h.text1[1];
    // A jump within the page shown moves the caret to the anchor.
    s.h.browser[0].fireBeforeNavigate(fileUrl(s.a) + qs("#top"));
    s.h.browser[0].fireComplete(fileUrl(s.a) + qs("#top"), qs("a.htm#top"));
    QCOMPARE(ed.selStart(), int(ed.text().indexOf(qs("<A NAME=\"top"))) + 1);
    // A page finishing without an anchor leaves the caret where it is.
    ed.setSelStart(7);
    s.h.browser[0].fireComplete(fileUrl(s.a), qs("a.htm"));
    QCOMPARE(ed.selStart(), 7);
    // From another page, a link to the edited page's anchor finds it too.
    s.h.browser[0].fireBeforeNavigate(fileUrl(s.b));
    ed.setSelStart(0);
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(fileUrl(s.a) + qs("#top")));
    QCOMPARE(ed.selStart(), int(ed.text().indexOf(qs("NAME=\"top"))) + 1);
    // The anchors never became part of the edited file's name.
    ed.setText(qs("<HTML>edited</HTML>"));
    s.h.menu.choose(qs("mSave"), 0);
    QCOMPARE(s.h.readFile(s.a), QByteArray("<HTML>edited</HTML>"));
    QVERIFY(!QFileInfo::exists(s.a + qs("#top")));
}

// Replacements declined when another file comes into the editor: closing
// the dialog asks nothing and never puts them into the new text; a match
// marked in one file is not the next file's to replace.
void NavigationTest::anotherFileLoaded_neverGetsTheOldReplacements() {
    Finding e("one two");
    const QString other = e.h.writeFile(qs("home/other.htm"), "three four");
    e.open(qs("two"), qs("2"));
    e.h.find.replaceAll.click();
    QCOMPARE(e.text(), qs("one 2"));
    e.h.dialogs.answers = {Answer::No}; // "Save changes to deal.htm?"
    e.openFile(other);
    QCOMPARE(e.text(), qs("three four"));
    const auto asked = e.h.dialogs.messages.size();
    e.h.find.form.unload();
    QVERIFY(!e.h.find.form.visible());
    QCOMPARE(e.h.dialogs.messages.size(), asked);
    QCOMPARE(e.text(), qs("three four"));
    QCOMPARE(e.h.readFile(e.page), QByteArray("one two"));

    e.open(qs("thr"), qs("1"));
    e.h.find.findNext.click();
    e.openFile(e.page);
    QCOMPARE(e.text(), qs("one two"));
    e.h.text1[1].setSelStart(0);
    e.h.text1[1].setSelLength(3);
    e.h.find.replace.click();
    QCOMPARE(e.text(), qs("one two"));
}

QTEST_GUILESS_MAIN(NavigationTest)
#include "test_navigation.moc"
