// The browser panes: which pane a file or a followed link goes to, the pane
// records, the toolbar, name boxes and the File commands that open pages.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;
using platform::FileChoice;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }
QString fileUrl(const QString& path) { return qs("file://") + QString(path).replace(qs(" "), qs("%20")); }

// A harness started on a.htm in its home folder, with b.htm beside it.
struct Started {
    ViewerHarness h;
    QString a, b;
    shell::TarnwellFileViewer* v = nullptr;
    Started() {
        h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), "<HTML>Help</HTML>");
        a = h.writeFile(qs("home/a.htm"), "<HTML><A NAME=\"top\"></A>A<A HREF=\"b.htm\">b</A></HTML>");
        b = h.writeFile(qs("home/b.htm"), "<HTML>B</HTML>");
        v = &h.start(a);
        h.browser[0].fireComplete(fileUrl(a), qs("a.htm"));
    }
};
} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void openFile_showsInLeftPaneAndLists();
    void linkInLeftPane_optionOff_staysLeftAndIsRecorded();
    void linkInLeftPane_optionOn_opensInRightPane();
    void linkInRightPane_optionOn_recordsRightPane();
    void webLink_isNeverRedirected();
    void sameFileAnchor_appendsAndTidies();
    void javascriptAndForeignAddresses_areLeftAlone();
    void editorOpen_linkToOtherPage_notesEditorStays();
    void editorOpen_openFileLoadsNewSource();
    void editorOpen_anchorLinkMovesCaret();
    void staleFocusOnHiddenPane_neverRenamesEditedFile();
    void documentComplete_withAnchor_movesEditorCaret();
    void tidyLeftName_data();
    void tidyLeftName();
    void nameBoxEnter_webAddressNavigates_localOnlyStored();
    void toolbar_historyMoves_stayInTheirPane();
    void openFileDialog_cancelAndChoose();
    void recentEntry_opensItsFile();
    void help_startsProgramWithHelpPage();
    void print_asksOnlyWithTwoPanes();
    void shortNames_showUnchanged();
    void menuEntriesWithoutCommand_areDisabled();
};

void NavigationTest::openFile_showsInLeftPaneAndLists() {
    Started s;
    s.v->LinkNameCounter = 7;
    s.v->OpenFile(s.h.home, qs("b.htm"));
    QCOMPARE(s.h.browser[0].lastNavigation(), s.b);
    QCOMPARE(s.h.nameBox[0].text(), qs("b.htm"));
    QCOMPARE(s.v->Recent.file[1], qs("b.htm"));
    QCOMPARE(s.v->Recent.file[2], qs("a.htm"));
    QCOMPARE(s.v->LinkNameCounter, 0);
    QVERIFY(!s.h.browser[1].visible());

    // A name without a folder is looked for in the home folder.
    s.v->OpenFile(QString(), qs("c.htm"));
    QCOMPARE(s.h.browser[0].lastNavigation(), s.h.home + qs("c.htm"));
}

void NavigationTest::linkInLeftPane_optionOff_staysLeftAndIsRecorded() {
    Started s;
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(fileUrl(s.b)));
    QVERIFY(s.h.browser[1].navigations.isEmpty());
    s.h.browser[0].fireComplete(fileUrl(s.b), qs("b.htm"));
    QCOMPARE(s.v->PaneFileName[0], qs("b.htm"));
    QCOMPARE(s.v->PaneFolder[0], s.h.home);
    QCOMPARE(s.h.nameBox[0].text(), qs("b.htm"));
    QCOMPARE(s.v->Recent.file[1], qs("b.htm"));
}

void NavigationTest::linkInLeftPane_optionOn_opensInRightPane() {
    Started s;
    s.h.menu.choose(qs("mOpenRight"));
    QVERIFY(s.v->OpenInRight);
    QVERIFY(s.h.browser[0].fireBeforeNavigate(fileUrl(s.b))); // cancelled on the left
    QCOMPARE(s.h.browser[1].lastNavigation(), s.b);
    QVERIFY(s.h.browser[1].visible());
    QCOMPARE(s.h.nameBox[1].text(), qs("b.htm"));
    QCOMPARE(s.v->ActivePane, 1);
    QCOMPARE(s.v->PaneFileName[1], qs("b.htm"));
    // The window takes the two-pane width (the first monitor's when none is
    // stored) and the splitter appears.
    QCOMPARE(s.h.window.width(), 24000);
    QVERIFY(s.h.splitter.visible());
    QCOMPARE(s.v->PaneFileName[0], qs("a.htm"));
}

void NavigationTest::linkInRightPane_optionOn_recordsRightPane() {
    Started s;
    s.h.menu.choose(qs("mOpenRight"));
    s.h.browser[0].fireBeforeNavigate(fileUrl(s.b));
    const QString c = s.h.writeFile(qs("home/sub/c d.htm"), "C");
    QVERIFY(!s.h.browser[1].fireBeforeNavigate(fileUrl(c)));
    QCOMPARE(s.v->PaneFileName[1], qs("c d.htm"));
    QCOMPARE(s.v->PaneFolder[1], s.h.home + qs("sub/"));
    QCOMPARE(s.v->Recent.file[1], qs("c d.htm"));
}

void NavigationTest::webLink_isNeverRedirected() {
    Started s;
    s.h.menu.choose(qs("mOpenRight"));
    const QString web = qs("https://example.com/bridge/deal.htm");
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(web));
    QVERIFY(s.h.browser[1].navigations.isEmpty());
    QCOMPARE(s.h.nameBox[0].text(), qs("a.htm"));
    s.h.browser[0].fireComplete(web, qs("Deal of the week"));
    // After completion the pane's name is its location, the address whole.
    QCOMPARE(s.v->PaneFileName[0], web);
    QCOMPARE(s.h.nameBox[0].text(), web);
    QCOMPARE(s.v->PaneFolder[0], QString());
    QVERIFY(s.h.dialogs.messages.empty());
}

void NavigationTest::sameFileAnchor_appendsAndTidies() {
    Started s;
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(fileUrl(s.a) + qs("#top")));
    QCOMPARE(s.v->PaneFileName[0], qs("a.htm"));
    QCOMPARE(s.h.nameBox[0].text(), qs("a.htm"));
    QCOMPARE(s.v->PaneFolder[0], s.h.home);
    QVERIFY(s.h.browser[1].navigations.isEmpty());
}

void NavigationTest::javascriptAndForeignAddresses_areLeftAlone() {
    Started s;
    s.h.menu.choose(qs("mOpenRight"));
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(qs("javascript:show('x.htm')")));
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(fileUrl(s.h.home + qs("picture.png"))));
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(qs("about:blank")));
    QVERIFY(s.h.browser[1].navigations.isEmpty());
    QCOMPARE(s.v->PaneFileName[0], qs("a.htm"));
}

void NavigationTest::editorOpen_linkToOtherPage_notesEditorStays() {
    Started s;
    s.h.menu.choose(qs("mEditHTML"));
    QVERIFY(s.h.text1[1].visible());
    const QString source = s.h.text1[1].text();
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(fileUrl(s.b)));
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Note that the source code window will not change.")});
    QCOMPARE(s.v->PaneFileName[0], qs("b.htm"));
    QCOMPARE(s.v->PaneFolder[0], s.h.home);
    QCOMPARE(s.h.text1[1].text(), source);
    QCOMPARE(s.h.nameBox[1].text(), qs("a.htm"));
}

void NavigationTest::editorOpen_openFileLoadsNewSource() {
    Started s;
    s.h.menu.choose(qs("mEditHTML"));
    s.v->OpenFile(s.h.home, qs("b.htm"));
    QCOMPARE(s.h.text1[1].text(), qs("<HTML>B</HTML>"));
    QCOMPARE(s.h.nameBox[1].text(), qs("b.htm"));
    QCOMPARE(s.v->ActivePane, 1);
    QVERIFY(s.h.dialogs.messages.empty());
}

void NavigationTest::editorOpen_anchorLinkMovesCaret() {
    Started s;
    s.h.menu.choose(qs("mEditHTML"));
    // The left pane moves on to b.htm; a link back to the edited page's
    // anchor finds that anchor in the editor.
    s.h.browser[0].fireBeforeNavigate(fileUrl(s.b));
    s.h.text1[1].setSelStart(0);
    QVERIFY(!s.h.browser[0].fireBeforeNavigate(fileUrl(s.a) + qs("#top")));
    const int p = int(s.h.text1[1].text().indexOf(qs("NAME=\"top"))) + 1;
    QCOMPARE(s.h.text1[1].selStart(), p);
    QCOMPARE(s.h.nameBox[0].text(), qs("a.htm#top"));
    QCOMPARE(s.v->PaneFileName[1], qs("a.htm"));
}

void NavigationTest::staleFocusOnHiddenPane_neverRenamesEditedFile() {
    Started s;
    s.h.browser[1].setFocus(); // the right pane had the focus once
    s.h.menu.choose(qs("mEditHTML"));
    s.h.browser[0].fireBeforeNavigate(fileUrl(s.a) + qs("#top"));
    QCOMPARE(s.v->PaneFileName[1], qs("a.htm"));
    s.h.text1[1].setText(qs("<HTML>edited</HTML>"));
    int save = 0;
    s.v->mSave_Click(save);
    QCOMPARE(s.h.readFile(s.a), QByteArray("<HTML>edited</HTML>"));
    QVERIFY(!QFileInfo::exists(s.a + qs("#top")));
}

void NavigationTest::documentComplete_withAnchor_movesEditorCaret() {
    Started s;
    s.h.menu.choose(qs("mEditHTML"));
    s.h.text1[1].setSelStart(20);
    s.h.browser[0].fireComplete(fileUrl(s.a) + qs("#top"), qs("a.htm#top"));
    const int p = int(s.h.text1[1].text().indexOf(qs("<A NAME=\"top"))) + 1;
    QCOMPARE(s.h.text1[1].selStart(), p);
    QCOMPARE(s.v->PaneFileName[0], qs("a.htm"));
    QCOMPARE(s.h.nameBox[0].text(), qs("a.htm"));
    // A page without an anchor leaves the author's caret alone.
    s.h.text1[1].setSelStart(7);
    s.h.browser[0].fireComplete(fileUrl(s.a), qs("a.htm"));
    QCOMPARE(s.h.text1[1].selStart(), 7);
}

void NavigationTest::tidyLeftName_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("wantName");
    QTest::addColumn<QString>("wantFolder");
    QTest::addColumn<QString>("wantBox");
    QTest::newRow("file address in box") << qs("file:///home/x/My%20Deal.htm") << qs("x") << qs("My Deal.htm")
                                         << qs("/home/x/") << qs("My Deal.htm");
    QTest::newRow("file address in name") << qs("other") << qs("file:///home/y/z.htm") << qs("z.htm")
                                          << qs("/home/y/") << qs("z.htm");
    QTest::newRow("anchor dropped") << qs("page.htm#top") << qs("page.htm#top") << qs("page.htm") << qs("@")
                                    << qs("page.htm");
    // A web page keeps its whole address, so Save Web page can fetch it.
    QTest::newRow("web address kept whole") << qs("deal.htm") << qs("https://example.com/a/deal.htm")
                                            << qs("https://example.com/a/deal.htm") << QString()
                                            << qs("https://example.com/a/deal.htm");
    QTest::newRow("typed web address kept whole") << qs("http://example.com/a/") << qs("x") << qs("http://example.com/a/")
                                                  << QString() << qs("http://example.com/a/");
    QTest::newRow("trailing slash dropped") << qs("name/") << qs("x") << QString() << qs("name/") << QString();
}

void NavigationTest::tidyLeftName() {
    QFETCH(QString, box);
    QFETCH(QString, fileName);
    QFETCH(QString, wantName);
    QFETCH(QString, wantFolder);
    QFETCH(QString, wantBox);
    Started s;
    if (wantFolder == qs("@")) wantFolder = s.v->PaneFolder[0];
    s.h.nameBox[0].setText(box);
    s.v->PaneFileName[0] = fileName;
    s.v->TidyLeftName();
    QCOMPARE(s.v->PaneFileName[0], wantName);
    QCOMPARE(s.v->PaneFolder[0], wantFolder);
    QCOMPARE(s.h.nameBox[0].text(), wantBox);
}

void NavigationTest::nameBoxEnter_webAddressNavigates_localOnlyStored() {
    Started s;
    const int before = int(s.h.browser[0].navigations.size());
    s.h.nameBox[0].typeAndEnter(qs("www.example.com/bridge.htm"));
    QCOMPARE(s.h.nameBox[0].text(), qs("http://www.example.com/bridge.htm"));
    QCOMPARE(s.h.browser[0].lastNavigation(), qs("http://www.example.com/bridge.htm"));
    QCOMPARE(s.v->PaneFolder[0], QString());
    QCOMPARE(s.v->Recent.file[1], qs("http://www.example.com/bridge.htm"));

    s.h.nameBox[0].typeAndEnter(s.h.home + qs("b.htm"));
    QCOMPARE(s.v->PaneFileName[0], s.h.home + qs("b.htm"));
    QCOMPARE(int(s.h.browser[0].navigations.size()), before + 1);
}

void NavigationTest::toolbar_historyMoves_stayInTheirPane() {
    Started s;
    s.h.menu.choose(qs("mOpenRight"));
    s.h.toolbar.click(qs("Back")); // no history: the pane refuses
    QCOMPARE(s.h.browser[0].history, QStringList{qs("Back")});
    QVERIFY(s.v->OpenInRight);
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

    s.h.browser[1].setFocus();
    s.h.toolbar.click(qs("Search"));
    QCOMPARE(s.h.browser[1].history, QStringList{qs("Search")});
}

void NavigationTest::openFileDialog_cancelAndChoose() {
    Started s;
    s.h.menu.choose(qs("mOpen"));
    QCOMPARE(s.h.dialogs.fileDialogs, QStringList{qs("Select file.|") + s.h.home + qs("*.*")});
    QCOMPARE(s.h.browser[0].lastNavigation(), s.a);

    // The folder is kept whole even when its name contains the file's.
    const QString odd = s.h.writeFile(qs("home/b.htm files/b.htm"), "B");
    s.h.dialogs.files.push_back(FileChoice{odd, qs("b.htm")});
    s.h.menu.choose(qs("mOpen"));
    QCOMPARE(s.v->PaneFolder[0], s.h.home + qs("b.htm files/"));
    QCOMPARE(s.h.browser[0].lastNavigation(), odd);
}

void NavigationTest::recentEntry_opensItsFile() {
    Started s;
    s.v->OpenFile(s.h.home, qs("b.htm"));
    s.h.menu.choose(qs("mRecent"), 2);
    QCOMPARE(s.h.browser[0].lastNavigation(), s.a);
    QCOMPARE(s.v->Recent.file[1], qs("a.htm"));
    QCOMPARE(s.v->ActivePane, 0);
}

void NavigationTest::help_startsProgramWithHelpPage() {
    Started s;
    s.h.menu.choose(qs("mHelp"));
    QCOMPARE(s.h.processes.started.size(), 1u);
    QCOMPARE(s.h.processes.started[0].first, s.h.paths.helpProgram);
    QCOMPARE(s.h.processes.started[0].second, QStringList{s.h.helpPage()});

    s.h.processes.succeeds = false;
    s.h.menu.choose(qs("mHelp"));
    QCOMPARE(s.h.dialogs.messages.size(), 1u);
}

void NavigationTest::print_asksOnlyWithTwoPanes() {
    Started s;
    s.h.menu.choose(qs("mPrint"));
    QVERIFY(s.h.dialogs.messages.empty());
    QCOMPARE(s.h.browser[0].printed, QStringList{qs("print")});

    s.h.menu.choose(qs("mOpenRight"));
    s.h.browser[0].fireBeforeNavigate(fileUrl(s.b));
    s.h.dialogs.answers = {Answer::Cancel, Answer::No};
    s.h.menu.choose(qs("mPrintPreview"));
    QCOMPARE(s.h.dialogs.messages.back().text, qs("Preview left panel?\r(Click NO for right panel.)"));
    s.h.menu.choose(qs("mPrintPreview"));
    QCOMPARE(s.h.browser[1].printed, QStringList{qs("preview")});
    QCOMPARE(s.h.browser[0].printed.size(), 1);
}

void NavigationTest::shortNames_showUnchanged() {
    Started s;
    s.v->OpenFile(s.h.home, qs("x#y"));
    QCOMPARE(s.h.nameBox[0].text(), qs("x"));
    s.v->OpenFile(s.h.home, qs("ab"));
    QCOMPARE(s.h.nameBox[0].text(), qs("ab"));
    QCOMPARE(s.v->Recent.file[1], qs("a.htm")); // too short to be listed
    s.v->OpenFile(s.h.home, qs("page.htm#x"));
    QCOMPARE(s.h.nameBox[0].text(), qs("page.htm"));
}

void NavigationTest::menuEntriesWithoutCommand_areDisabled() {
    Started s;
    QVERIFY(s.h.menu.unknown.isEmpty());
    QVERIFY(s.h.menu.get(qs("mOpen")).enabled());
    QVERIFY(s.h.menu.get(qs("mHelp")).enabled());
    // Every command entry without a handler is disabled and cannot run.
    for (const platform::MenuItem& item : shell::menuTree()) {
        if (item.isSeparator() || item.parent.isEmpty() || s.v->hasHandler(item.name)) continue;
        const bool header = std::any_of(shell::menuTree().begin(), shell::menuTree().end(),
                                        [&](const platform::MenuItem& m) { return m.parent == item.name; });
        if (header) continue;
        QVERIFY2(!s.h.menu.get(item.name, item.index).enabled(), qPrintable(item.name));
        QVERIFY(!s.h.menu.choose(item.name, item.index));
    }
    // A command inside a disabled menu does not run.
    QVERIFY(!s.h.menu.choose(qs("mBold")));
}

QTEST_GUILESS_MAIN(NavigationTest)
#include "test_navigation.moc"
