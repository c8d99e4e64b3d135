// The edit session and the file commands: Edit HTML, the unsaved-changes
// prompts, the restores, Save, Save As, Save Web page and Delete File.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;
using platform::Buttons;
using platform::FileChoice;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }

// A harness started on one page of the home folder.
struct OnePage {
    ViewerHarness h;
    QString page;
    shell::TarnwellFileViewer* v = nullptr;
    explicit OnePage(const QByteArray& text = "<P>Deal one</P>\n", const char* name = "deal.htm") {
        h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), "<HTML>Help</HTML>");
        page = h.writeFile(qs("home/") + qs(name), text);
        v = &h.start(page);
    }
    void edit() { h.menu.choose(qs("mEditHTML")); }
    void save(int index = 0) { v->mSave_Click(index); }
};
} // namespace

class EditSessionTest : public QObject {
    Q_OBJECT
private slots:
    void editHtml_opensAndClosesRestoringWidth();
    void editHtml_webPage_explainsSaveWebPage();
    void editHtml_nameWithoutExtension_findsFile();
    void editHtml_missingFile_asksForCorrection();
    void editWidth_rulesForMonitorWidth_data();
    void editWidth_rulesForMonitorWidth();
    void openingAnotherFile_asksAboutChanges();
    void querySave_asksLeftFirst_cancelStops();
    void leavingUnsavedEdits_asksFirst();
    void restore_threeVersions();
    void save_writesExactlyTheText_andKeepsVersions();
    void save_nearTheEnd_showsPageEnd();
    void save_withoutEditor_saysNothingToSave();
    void save_withoutAnyName_becomesSaveAs();
    void save_stripsEndOfFileAnchor();
    void save_failedWrite_changesNothing();
    void save_legacyFile_roundTripsByteForByte();
    void save_fileChangedOnDisk_asksFirst();
    void saveAs_asksAboutTheFileItWrites();
    void saveAs_nameWithoutDot_usesLeftName();
    void saveAs_htmAsksToDeleteOriginal_afterWriting();
    void saveWebPage_downloadsAndEdits();
    void saveWebPage_fetchFails_writesNothing();
    void deleteFile_declined_isAborted();
    void deleteFile_removesAndShowsHelp();
};

void EditSessionTest::editHtml_opensAndClosesRestoringWidth() {
    OnePage s;
    const int oneWidth = s.h.window.width();
    s.edit();
    QVERIFY(s.h.text1[1].visible());
    QVERIFY(!s.h.browser[1].visible());
    QCOMPARE(s.h.text1[1].text(), qs("<P>Deal one</P>\r\n"));
    QCOMPARE(s.h.nameBox[1].text(), qs("deal.htm"));
    QCOMPARE(s.v->WidthBeforeEdit, oneWidth);
    QCOMPARE(s.h.window.width(), 24000); // the whole monitor for two panes
    QCOMPARE(s.v->LeftPaneWidth + s.v->RightPaneWidth, 24000 - 580);
    QVERIFY(s.h.menu.get(qs("mH")).enabled());
    QCOMPARE(s.v->RestoreText[0], s.h.text1[1].text());
    QCOMPARE(s.v->SavedText[1], s.h.text1[1].text());
    QCOMPARE(s.v->ActivePane, 1);
    QVERIFY(s.h.text1[1].focused);

    s.edit();
    QVERIFY(!s.h.text1[1].visible());
    QVERIFY(!s.h.nameBox[1].visible());
    QCOMPARE(s.v->PaneFileName[1], QString());
    QCOMPARE(s.h.window.width(), oneWidth);
    QCOMPARE(s.v->EditWidth, 24000);
    QVERIFY(!s.h.menu.get(qs("mH")).enabled());
}

void EditSessionTest::editHtml_webPage_explainsSaveWebPage() {
    OnePage s;
    s.v->PaneFileName[0] = qs("http://example.com/deal.htm");
    s.edit();
    QCOMPARE(s.h.dialogs.messages.size(), 1u);
    QVERIFY(s.h.dialogs.messages[0].text.startsWith(qs("To edit a Web page's source HTML\rcode you must click")));
    QVERIFY(!s.h.text1[1].visible());
}

void EditSessionTest::editHtml_nameWithoutExtension_findsFile() {
    OnePage s;
    s.h.writeFile(qs("home/notes.html"), "html");
    s.v->PaneFileName[0] = qs("notes");
    s.h.nameBox[0].setText(qs("notes"));
    s.edit();
    QCOMPARE(s.v->PaneFileName[1], qs("notes.html"));
    QCOMPARE(s.h.text1[1].text(), qs("html"));

    OnePage t;
    t.h.writeFile(qs("home/notes.htm"), "htm");
    t.h.writeFile(qs("home/notes.html"), "html");
    t.v->PaneFileName[0] = qs("notes");
    t.h.nameBox[0].setText(qs("notes"));
    t.edit();
    QCOMPARE(t.v->PaneFileName[1], qs("notes.htm"));
}

void EditSessionTest::editHtml_missingFile_asksForCorrection() {
    OnePage s;
    const QString other = s.h.writeFile(qs("home/sub/other.htm"), "other");
    s.v->PaneFileName[0] = qs("gone.htm");
    s.h.nameBox[0].setText(qs("gone.htm"));
    const QString missing = s.h.home + qs("gone.htm");
    s.h.dialogs.inputs.push_back(other);
    s.edit();
    QCOMPARE(s.h.dialogs.prompts,
             QStringList{qs("The following source file path or name is invalid:\r") + missing +
                         qs("\rEnter correction:|") + missing});
    QCOMPARE(s.h.text1[1].text(), qs("other"));
    QCOMPARE(s.v->PaneFolder[1], s.h.home + qs("sub/"));

    OnePage t;
    t.v->PaneFileName[0] = qs("gone.htm");
    t.h.nameBox[0].setText(qs("gone.htm"));
    t.h.dialogs.inputs.push_back(QString());
    t.edit();
    QVERIFY(!t.h.text1[1].visible());
    QVERIFY(!t.v->ResizeBusy);
}

void EditSessionTest::editWidth_rulesForMonitorWidth_data() {
    QTest::addColumn<int>("editWidth");
    QTest::addColumn<int>("wantWidth");
    QTest::addColumn<int>("wantLeft");
    // First monitor 24000 twips, second 19200 to its right.
    QTest::newRow("69 % takes the monitor") << 16560 << 24000 << 300;
    QTest::newRow("71 % stays") << 17040 << 17040 << 300;
    QTest::newRow("150 wider: monitor's left, width kept") << 24150 << 24150 << 0;
    QTest::newRow("250 wider: right-aligned on the desktop") << 24250 << 24250 << 24000 + 19200 - 24250;
}

void EditSessionTest::editWidth_rulesForMonitorWidth() {
    QFETCH(int, editWidth);
    QFETCH(int, wantWidth);
    QFETCH(int, wantLeft);
    ViewerHarness h;
    h.monitors.monitors = {{1, QRect(0, 0, 1600, 1000)}, {2, QRect(1600, 0, 1280, 1000)}};
    const QString page = h.writeFile(qs("home/a.htm"), "A");
    auto& v = h.start(page);
    h.window.setLeft(300);
    v.EditWidth = editWidth;
    h.menu.choose(qs("mEditHTML"));
    QCOMPARE(h.window.width(), wantWidth);
    QCOMPARE(h.window.left(), wantLeft);
    QCOMPARE(v.EditWidth, wantWidth); // the layout records the width in use
}

void EditSessionTest::openingAnotherFile_asksAboutChanges() {
    OnePage s;
    s.h.writeFile(qs("home/b.htm"), "B");
    s.edit();
    s.h.text1[1].setText(qs("typed"));
    s.h.dialogs.answers = {Answer::Cancel};
    s.v->OpenFile(s.h.home, qs("b.htm"));
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Save changes to deal.htm?")});
    QCOMPARE(s.h.text1[1].text(), qs("typed"));

    // Yes saves the edits into the file they belong to, never into the
    // file about to be opened.
    OnePage t;
    const QString b = t.h.writeFile(qs("home/b.htm"), "B");
    t.edit();
    t.h.text1[1].setText(qs("typed"));
    t.h.dialogs.answers = {Answer::Yes};
    t.v->OpenFile(t.h.home, qs("b.htm"));
    QCOMPARE(t.h.readFile(t.page), QByteArray("typed"));
    QCOMPARE(t.h.readFile(b), QByteArray("B"));
    QCOMPARE(t.h.text1[1].text(), qs("B"));
    QCOMPARE(t.h.nameBox[1].text(), qs("b.htm"));
    // The kept versions are b.htm's now: restoring never brings back the
    // other file's text.
    t.h.dialogs.answers = {Answer::Yes, Answer::Yes};
    t.h.text1[1].setText(qs("B edited"));
    t.h.menu.choose(qs("mRestore"), 0);
    QCOMPARE(t.h.text1[1].text(), qs("B"));
    t.h.text1[1].setText(qs("B edited"));
    t.h.menu.choose(qs("mRestore"), 1);
    QCOMPARE(t.h.text1[1].text(), qs("B"));
}

// F11 closing the editor, and New File replacing its text, ask about
// unsaved edits like every other way out of the text.
void EditSessionTest::leavingUnsavedEdits_asksFirst() {
    OnePage s;
    s.edit();
    s.h.text1[1].setText(qs("typed"));
    s.h.dialogs.answers = {Answer::Cancel};
    s.edit(); // F11 again: would close the editor
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Save changes to deal.htm?")});
    QVERIFY(s.h.text1[1].visible());
    s.h.dialogs.answers = {Answer::Yes};
    s.edit();
    QVERIFY(!s.h.text1[1].visible());
    QCOMPARE(s.h.readFile(s.page), QByteArray("typed"));

    // New File: Cancel keeps everything; a save that fails keeps the edits.
    OnePage t;
    t.edit();
    t.h.text1[1].setText(qs("typed"));
    t.h.dialogs.answers = {Answer::Cancel};
    t.h.menu.choose(qs("mNewFile"));
    QCOMPARE(t.h.text1[1].text(), qs("typed"));
    QVERIFY(QFile::remove(t.page) && QDir().mkdir(t.page)); // the file cannot be written now
    t.h.dialogs.answers = {Answer::Yes};
    t.h.dialogs.files = {FileChoice{t.h.home + qs("new.htm"), qs("new.htm")}};
    t.h.menu.choose(qs("mNewFile"));
    QCOMPARE(t.h.text1[1].text(), qs("typed"));
    QVERIFY(t.v->SavedText[1] != qs("typed"));
    QVERIFY(!QFileInfo::exists(t.h.home + qs("new.htm")));
}

void EditSessionTest::querySave_asksLeftFirst_cancelStops() {
    OnePage s;
    s.edit();
    s.h.text1[1].setText(qs("right changed"));
    s.h.text1[0].setVisible(true);
    s.h.text1[0].setText(qs("left changed"));
    s.h.nameBox[0].setText(qs("left.htm"));
    s.h.dialogs.answers = {Answer::Cancel};
    QVERIFY(s.v->QuerySaveChanges());
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Save changes to left.htm?")});

    s.h.dialogs.messages.clear();
    s.h.dialogs.answers = {Answer::No, Answer::No};
    QVERIFY(!s.v->QuerySaveChanges());
    QCOMPARE(s.h.dialogs.messageTexts(),
             (QStringList{qs("Save changes to left.htm?"), qs("Save changes to deal.htm?")}));
}

void EditSessionTest::restore_threeVersions() {
    OnePage s;
    s.edit();
    s.h.text1[1].setText(qs("first save"));
    s.save();
    s.h.text1[1].setText(qs("second save"));
    s.save();
    s.h.text1[1].setText(qs("typing"));

    s.h.dialogs.answers = {Answer::No};
    s.h.menu.choose(qs("mRestore"), 0);
    QCOMPARE(s.h.text1[1].text(), qs("typing"));
    QCOMPARE(s.h.dialogs.messages.size(), 1u);
    QCOMPARE(s.h.dialogs.messages[0].title, qs("Restore Original File"));
    QCOMPARE(s.h.dialogs.messages[0].text, qs("Restore this file to its\rcontents when first opened?"));

    s.h.dialogs.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    s.h.menu.choose(qs("mRestore"), 0);
    QCOMPARE(s.h.text1[1].text(), qs("<P>Deal one</P>\r\n"));
    QCOMPARE(s.h.dialogs.messages.back().text, qs("File has been restored in edit window.\rPress Ctrl-S to save to disk."));
    s.h.menu.choose(qs("mRestore"), 1);
    QCOMPARE(s.h.text1[1].text(), qs("first save"));
    s.h.menu.choose(qs("mRestore"), 2);
    QCOMPARE(s.h.text1[1].text(), qs("second save"));
    QCOMPARE(s.h.dialogs.messages[s.h.dialogs.messages.size() - 2].text, qs("Discard unsaved changes?"));
    QCOMPARE(s.h.dialogs.messages[s.h.dialogs.messages.size() - 2].title, QString());
    // Restoring saves nothing.
    QCOMPARE(s.h.readFile(s.page), QByteArray("second save"));
}

void EditSessionTest::save_writesExactlyTheText_andKeepsVersions() {
    OnePage s;
    s.edit();
    const QString loaded = s.h.text1[1].text();
    s.h.text1[1].setText(qs("<P>new</P>\r\n\r\n"));
    const int refreshes = s.h.browser[0].refreshes;
    s.h.menu.choose(qs("mSave"), 0);
    // Exactly the text, in the file's own LF line ends.
    QCOMPARE(s.h.readFile(s.page), QByteArray("<P>new</P>\n\n"));
    QCOMPARE(s.v->SavedText[1], qs("<P>new</P>\r\n\r\n"));
    QCOMPARE(s.v->RestoreText[1], loaded);
    QCOMPARE(s.h.browser[0].refreshes, refreshes + 1);
    // Saved: closing asks nothing.
    QVERIFY(!s.v->QuerySaveChanges());
}

void EditSessionTest::save_nearTheEnd_showsPageEnd() {
    const QByteArray text = QByteArray(3000, 'x') + "<A NAME=\"EndOfFile\"></A>";
    const int length = int(text.size());
    OnePage s(text);
    s.h.browser[0].settle();
    s.edit();
    s.h.text1[1].setSelStart(length - 1000);
    const int before = int(s.h.browser[0].navigations.size());
    s.save();
    QCOMPARE(int(s.h.browser[0].navigations.size()), before); // 1000 from the end: no jump

    s.h.text1[1].setSelStart(length - 999);
    s.save();
    QCOMPARE(s.h.browser[0].lastNavigation(), s.page + qs("#EndOfFile"));
    // The refreshing page goes to its end without a word to the editor:
    // the caret stays where the author has it, not at the anchor.
    s.h.browser[0].settle();
    QCOMPARE(s.h.text1[1].selStart(), length - 999);
}

void EditSessionTest::save_withoutEditor_saysNothingToSave() {
    OnePage s;
    s.save();
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("You are not editing a file,\rso there is nothing to save.")});
}

void EditSessionTest::save_withoutAnyName_becomesSaveAs() {
    OnePage s;
    s.edit();
    s.h.nameBox[1].setText(QString());
    s.v->PaneFileName[0].clear();
    s.h.dialogs.files.push_back(std::nullopt);
    int index = 0;
    s.v->mSave_Click(index);
    QCOMPARE(index, 1);
    QCOMPARE(s.h.dialogs.fileDialogs.size(), 1);
    QVERIFY(s.h.dialogs.fileDialogs[0].startsWith(qs("Enter file name.|")));
}

void EditSessionTest::save_stripsEndOfFileAnchor() {
    OnePage s;
    s.edit();
    s.v->PaneFileName[1] = qs("deal.htm#EndOfFile");
    s.h.text1[1].setText(qs("x"));
    s.save();
    QCOMPARE(s.v->PaneFileName[1], qs("deal.htm"));
    QCOMPARE(s.h.readFile(s.page), QByteArray("x"));
    QVERIFY(!QFileInfo::exists(s.page + qs("#EndOfFile")));
}

void EditSessionTest::save_failedWrite_changesNothing() {
    OnePage s;
    s.edit();
    const QString saved = s.v->SavedText[1];
    const QString restore = s.v->RestoreText[1];
    s.v->PaneFolder[1] = s.h.home + qs("vanished/");
    s.h.text1[1].setText(qs("precious"));
    s.save();
    QCOMPARE(s.h.dialogs.messages.size(), 1u);
    QVERIFY(s.h.dialogs.messages[0].text.startsWith(qs("Could not save ") + s.h.home + qs("vanished/deal.htm.\r")));
    QCOMPARE(s.v->SavedText[1], saved);
    QCOMPARE(s.v->RestoreText[1], restore);
    QCOMPARE(s.h.text1[1].text(), qs("precious"));
}

void EditSessionTest::save_legacyFile_roundTripsByteForByte() {
    const QByteArray legacy("<P>Caf\xe9 \x93quoted\x94 \x80 5</P>\r\n", 26);
    OnePage s(legacy);
    s.edit();
    QCOMPARE(s.h.text1[1].text(), qs("<P>Caf\u00e9 \u201cquoted\u201d \u20ac 5</P>\r\n"));
    s.save();
    QCOMPARE(s.h.readFile(s.page), legacy);

    // A character the old code page lacks becomes a character reference,
    // and the user is told.
    s.h.text1[1].setText(qs("<P>\u2660 spades</P>"));
    s.save();
    QCOMPARE(s.h.readFile(s.page), QByteArray("<P>&#9824; spades</P>"));
    QCOMPARE(s.h.dialogs.messages.size(), 1u);
    // Once for the file, not at every save.
    s.h.text1[1].setText(qs("<P>\u2660\u2660 spades</P>"));
    s.save();
    QCOMPARE(s.h.readFile(s.page), QByteArray("<P>&#9824;&#9824; spades</P>"));
    QCOMPARE(s.h.dialogs.messages.size(), 1u);
}

void EditSessionTest::save_fileChangedOnDisk_asksFirst() {
    OnePage s;
    s.edit();
    s.h.text1[1].setText(qs("mine"));
    s.save();
    QVERIFY(s.h.dialogs.messages.empty()); // our own write is no change on disk

    s.h.writeFile(qs("home/deal.htm"), "written by another program");
    s.h.text1[1].setText(qs("mine again"));
    s.h.dialogs.answers = {Answer::No};
    s.save();
    QCOMPARE(s.h.dialogs.messages.size(), 1u);
    QVERIFY(s.h.dialogs.messages[0].text.contains(qs("has changed on disk")));
    QCOMPARE(s.h.readFile(s.page), QByteArray("written by another program"));
    QCOMPARE(s.h.text1[1].text(), qs("mine again"));
    QVERIFY(s.v->QuerySaveChanges() || true); // still unsaved: the editor differs from the saved text
    QVERIFY(s.v->SavedText[1] != s.h.text1[1].text());

    s.h.dialogs.answers = {Answer::Yes};
    s.save();
    QCOMPARE(s.h.readFile(s.page), QByteArray("mine again"));
}

void EditSessionTest::saveAs_asksAboutTheFileItWrites() {
    OnePage s;
    s.edit();
    const QString existing = s.h.writeFile(qs("home/articles/taken.htm"), "keep me");
    const QString fresh = s.h.home + qs("articles/fresh.txt");
    s.h.dialogs.files = {FileChoice{existing, qs("taken.htm")}, FileChoice{fresh, qs("fresh.txt")}};
    s.h.dialogs.answers = {Answer::No};
    s.h.text1[1].setText(qs("saved as"));
    s.save(1);
    QCOMPARE(s.h.dialogs.messages[0].text, qs("File already exists.\rOverwrite it?"));
    QCOMPARE(s.h.readFile(existing), QByteArray("keep me"));
    QCOMPARE(s.h.readFile(fresh), QByteArray("saved as"));
    QCOMPARE(s.v->PaneFolder[1], s.h.home + qs("articles/"));
    QCOMPARE(s.v->PaneFileName[1], qs("fresh.txt"));
    QCOMPARE(s.h.readFile(s.page), QByteArray("<P>Deal one</P>\n"));

    // Cancel at the question keeps the old name and writes nothing.
    s.h.dialogs.files = {FileChoice{existing, qs("taken.htm")}};
    s.h.dialogs.answers = {Answer::Cancel};
    s.save(1);
    QCOMPARE(s.v->PaneFileName[1], qs("fresh.txt"));
    QCOMPARE(s.h.readFile(existing), QByteArray("keep me"));
}

void EditSessionTest::saveAs_nameWithoutDot_usesLeftName() {
    OnePage s;
    s.edit();
    // "chapter" is written as the left pane's deal.htm: the question is
    // about that file, which exists.
    s.h.dialogs.files = {FileChoice{s.h.home + qs("chapter"), qs("chapter")}};
    s.h.dialogs.answers = {Answer::Yes};
    s.h.text1[1].setText(qs("new text"));
    s.save(1);
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("File already exists.\rOverwrite it?")});
    QCOMPARE(s.v->PaneFileName[1], qs("deal.htm"));
    QCOMPARE(s.h.nameBox[1].text(), qs("deal.htm"));
    QCOMPARE(s.h.readFile(s.page), QByteArray("new text"));
    QVERIFY(!QFileInfo::exists(s.h.home + qs("chapter")));

    // In another folder, where only the decoy "chapter.htm" is, No to the
    // question about that folder's deal.htm writes nothing.
    const QString other = s.h.writeFile(qs("home/old/deal.htm"), "older article");
    s.h.writeFile(qs("home/old/chapter.htm"), "decoy");
    s.h.dialogs.messages.clear();
    s.h.dialogs.files = {FileChoice{s.h.home + qs("old/chapter"), qs("chapter")}, std::nullopt};
    s.h.dialogs.answers = {Answer::No};
    s.save(1);
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("File already exists.\rOverwrite it?")});
    QCOMPARE(s.h.readFile(other), QByteArray("older article"));
    QCOMPARE(s.v->PaneFolder[1], s.h.home);
}

void EditSessionTest::saveAs_htmAsksToDeleteOriginal_afterWriting() {
    OnePage s;
    s.edit();
    const QString copy = s.h.home + qs("copy.HTM");
    s.h.dialogs.files = {FileChoice{copy, qs("copy.HTM")}};
    s.h.dialogs.answers = {Answer::Yes};
    s.save(1);
    QCOMPARE(s.h.dialogs.messages[0].text, qs("Delete the original file:\r") + s.page + qs("?"));
    QVERIFY(QFileInfo::exists(copy));
    QVERIFY(!QFileInfo::exists(s.page));
    // Both panes showed the file: both follow it under its new name.
    QCOMPARE(s.h.nameBox[0].text(), qs("copy.HTM"));
    QCOMPARE(s.h.browser[0].lastNavigation(), copy);
    QCOMPARE(s.v->Recent.file[1], qs("copy.HTM"));

    // If the new file cannot be written, the original stays.
    OnePage t;
    t.edit();
    t.h.dialogs.files = {FileChoice{t.h.home + qs("missing/copy.htm"), qs("copy.htm")}};
    t.h.dialogs.answers = {Answer::Yes};
    t.save(1);
    QVERIFY(QFileInfo::exists(t.page));

    // A name ending in .html is not asked about.
    OnePage u;
    u.edit();
    u.h.dialogs.files = {FileChoice{u.h.home + qs("copy.html"), qs("copy.html")}};
    u.save(1);
    QVERIFY(u.h.dialogs.messages.empty());
    QVERIFY(QFileInfo::exists(u.page));
}

void EditSessionTest::saveWebPage_downloadsAndEdits() {
    OnePage s;
    s.v->PaneFileName[0] = qs("https://example.com/deal.htm");
    s.h.transfer.page = QByteArray("<HTML>from the web\xe9</HTML>");
    s.h.dialogs.inputs.push_back(qs("webdeal"));
    s.h.menu.choose(qs("mSaveWebPage"));
    QCOMPARE(s.h.transfer.fetched, QStringList{qs("https://example.com/deal.htm")});
    const QString saved = s.h.home + qs("webdeal.htm");
    QCOMPARE(s.h.readFile(saved), QByteArray("<HTML>from the web\xe9</HTML>"));
    QCOMPARE(s.v->PaneFileName[0], qs("webdeal.htm"));
    QCOMPARE(s.h.browser[0].lastNavigation(), saved);
    QVERIFY(s.h.text1[1].visible());
    QCOMPARE(s.h.nameBox[1].text(), qs("webdeal.htm"));

    // An existing file is not overwritten without asking.
    s.v->PaneFileName[0] = qs("https://example.com/deal.htm");
    s.h.dialogs.inputs.push_back(qs("webdeal.htm"));
    s.h.dialogs.answers = {Answer::No};
    s.h.transfer.page = QByteArray("other");
    s.h.menu.choose(qs("mSaveWebPage"));
    QCOMPARE(s.h.readFile(saved), QByteArray("<HTML>from the web\xe9</HTML>"));
}

void EditSessionTest::saveWebPage_fetchFails_writesNothing() {
    OnePage s;
    s.v->PaneFileName[0] = qs("https://example.com/deal.htm");
    s.h.dialogs.inputs.push_back(qs("page.html"));
    s.h.menu.choose(qs("mSaveWebPage"));
    QCOMPARE(s.h.dialogs.messageTexts(),
             QStringList{qs("Could not fetch https://example.com/deal.htm.\rHost not found")});
    QVERIFY(!QFileInfo::exists(s.h.home + qs("page.html.htm")));
    QVERIFY(!s.h.text1[1].visible());
}

void EditSessionTest::deleteFile_declined_isAborted() {
    OnePage s;
    s.h.dialogs.answers = {Answer::No, Answer::Cancel};
    s.h.menu.choose(qs("mDeleteFile"));
    s.h.menu.choose(qs("mDeleteFile"));
    QCOMPARE(s.h.dialogs.messageTexts(), (QStringList{qs("Delete deal.htm?"), qs("Deletion aborted."),
                                                      qs("Delete deal.htm?"), qs("Deletion aborted.")}));
    QVERIFY(QFileInfo::exists(s.page));
}

void EditSessionTest::deleteFile_removesAndShowsHelp() {
    OnePage s;
    s.edit();
    s.h.menu.choose(qs("mOpenRight"));
    s.h.dialogs.answers = {Answer::Yes};
    s.h.menu.choose(qs("mDeleteFile"));
    QVERIFY(!QFileInfo::exists(s.page));
    QVERIFY(!s.h.text1[1].visible());
    QCOMPARE(s.v->PaneFileName[1], QString());
    QCOMPARE(s.h.browser[0].lastNavigation(), s.h.helpPage());
    QCOMPARE(s.h.nameBox[0].text(), qs("Tarnwell_File_Viewer.htm"));
    QVERIFY(!s.v->OpenInRight);
    QVERIFY(!s.h.menu.get(qs("mH")).enabled());

    // A file that cannot be deleted is reported and the panes stay.
    OnePage t;
    QFile::remove(t.page);
    t.h.dialogs.answers = {Answer::Yes};
    t.h.menu.choose(qs("mDeleteFile"));
    QCOMPARE(t.h.dialogs.messages.back().text, qs("Could not delete ") + t.page + qs("."));
    QCOMPARE(t.v->PaneFileName[0], qs("deal.htm"));
}

QTEST_GUILESS_MAIN(EditSessionTest)
#include "test_editsession.moc"
