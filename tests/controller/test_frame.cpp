// New File, HTML Start-End, the page colours with their sliding panel, the
// table of contents and the table designer, run through the menu.
#include "authoring/tablespecsdialog.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>
#include <vector>

using fakes::ViewerHarness;
using platform::Answer;
using platform::FileChoice;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

struct Started {
    ViewerHarness h;
    QString page;
    shell::TarnwellFileViewer* v = nullptr;
    explicit Started(const QByteArray& text = "<HTML>\r\n<P>Deal one</P>\r\n</HTML>",
                     const char* name = "deal.htm") {
        h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), "<HTML>Help</HTML>");
        page = h.writeFile(qs("home/") + qs(name), text);
        v = &h.start(page);
    }
    void edit() { h.menu.choose(qs("mEditHTML")); }
    fakes::FakeTextEditor& ed() { return h.text1[1]; }
    void chooseFile(const QString& path) {
        h.dialogs.files.push_back(FileChoice{path, QFileInfo(path).fileName()});
    }
};

// A document with the frame open in the editor.
struct Framed : Started {
    Framed()
        : Started("<HTML><HEAD>\r\n<TITLE>TEXT and LINK</TITLE>\r\n</HEAD>\r\n<BODY\r\n  "
                  "TEXT=\"#000080\"\r\n"
                  "  BGCOLOR=\"#AFFEFE\"\r\n  LINK=\"#1C8E1F\"\r\n  VLINK=\"#7C2C76\"\r\n  "
                  "ALINK=\"#F00000\"\r\n>\r\n"
                  "<P>TEXT</P></BODY></HTML>") {
        edit();
    }
};
} // namespace

class FrameTest : public QObject {
    Q_OBJECT
  private slots:
    void newFile_createsFrameAndEdits();
    void newFile_existingFileOpenedUnchanged();
    void newFile_cancelOrSameFile_nothingHappens();
    void newFile_declinedChanges_notAskedTwice();
    void newFile_forgetsWhatBelongedToTheOldDocument();
    void startEnd_wrapsText_andRenamesTxt();
    void startEnd_lowerCaseHeaders_onlyMessage();
    void startEnd_txtRename_neverOverwritesAnHtm();
    void pageColors_slideOutAndBack();
    void pageColor_changesBodyAndSaves_cancelKeepsAll();
    void colorCode_replacesSelection();
    void tableOfContents_writesAndSaves_orTellsMissingH1();
    void tableSpecs_loadWriteOk();
    void tableSpecs_cancel_andMissingTemplate();
    void tableSpecs_numbersHeldToTheirMaxima_toldOncePerEntry();
};

void FrameTest::newFile_createsFrameAndEdits() {
    Started s;
    s.v->SymbolsOriginalText = qs("pending undo");
    const QString path = s.h.home + qs("chapter01.htm");
    s.chooseFile(path);
    QVERIFY(s.h.menu.choose(qs("mNewFile")));
    QCOMPARE(s.h.dialogs.fileDialogs.back(), qs("Select file.|") + s.h.home + qs("*.*"));
    QCOMPARE(s.h.dialogs.fileFilters.back(), qs("|0")); // a new name is taken
    const QByteArray written = s.h.readFile(path);
    QVERIFY(written.startsWith("<HTML><HEAD>\r\n<TITLE>chapter01</TITLE>\r\n"));
    QVERIFY(written.endsWith("<A NAME=\"EndOfFile\"></A>\r\n<P></BODY></HTML>\r\n"));
    QCOMPARE(s.v->PaneFileName[0], qs("chapter01.htm"));
    QCOMPARE(s.v->PaneFileName[1], qs("chapter01.htm"));
    QCOMPARE(s.v->PaneFolder[1], s.h.home);
    QCOMPARE(s.h.nameBox[0].text(), qs("chapter01.htm"));
    QCOMPARE(s.h.browser[0].lastNavigation(), path);
    QCOMPARE(s.v->Recent.file[1], qs("chapter01.htm"));
    QVERIFY(s.ed().visible());
    QCOMPARE(s.ed().text(), QString::fromUtf8(written));
    QCOMPARE(s.v->SavedText[1], s.ed().text());
    QCOMPARE(s.v->RestoreText[1], s.ed().text());
    QCOMPARE(s.ed().selStart(), 219);
    QCOMPARE(s.ed().text().mid(215, 9), qs("<H2></H2>"));
    QVERIFY(s.v->SymbolsOriginalText.isEmpty());
    QVERIFY(!s.h.menu.get(qs("mUndoSuits2Symbols")).enabled());
    QCOMPARE(s.v->ActivePane, 1);
    QVERIFY(s.h.dialogs.messages.empty());
}

void FrameTest::newFile_existingFileOpenedUnchanged() {
    Started s;
    const QString other = s.h.writeFile(qs("home/sub/old.htm"), "<P>Kept as it is</P>\r\n");
    s.chooseFile(other);
    QVERIFY(s.h.menu.choose(qs("mNewFile")));
    QCOMPARE(s.h.readFile(other), QByteArray("<P>Kept as it is</P>\r\n"));
    QCOMPARE(s.ed().text(), qs("<P>Kept as it is</P>\r\n"));
    QCOMPARE(s.v->PaneFolder[0], s.h.home + qs("sub/"));
    // The caret goes no further than the text.
    QCOMPARE(s.ed().selStart(), int(s.ed().text().size()));
}

void FrameTest::newFile_cancelOrSameFile_nothingHappens() {
    Started s;
    s.edit();
    const QString before = s.ed().text();
    QVERIFY(s.h.menu.choose(qs("mNewFile"))); // Cancel in the file dialog
    s.chooseFile(s.page);                     // the file already edited
    QVERIFY(s.h.menu.choose(qs("mNewFile")));
    QCOMPARE(s.ed().text(), before);
    QCOMPARE(s.v->PaneFileName[1], qs("deal.htm"));
    QVERIFY(s.h.dialogs.messages.empty());
    // Cancel in the question about unsaved changes asks for no file.
    s.ed().setSelStart(0);
    s.ed().setSelText(qs("x"));
    s.h.dialogs.answers.push_back(Answer::Cancel);
    const auto asked = s.h.dialogs.fileDialogs.size();
    QVERIFY(s.h.menu.choose(qs("mNewFile")));
    QCOMPARE(s.h.dialogs.fileDialogs.size(), asked);
}

void FrameTest::newFile_declinedChanges_notAskedTwice() {
    Started s;
    s.edit();
    s.ed().setSelStart(0);
    s.ed().setSelText(qs("unsaved "));
    s.h.dialogs.answers.push_back(Answer::No);
    s.chooseFile(s.h.home + qs("next.html"));
    QVERIFY(s.h.menu.choose(qs("mNewFile")));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(1));
    QVERIFY(s.h.dialogs.unexpected.isEmpty());
    QVERIFY(s.ed().text().contains(qs("<TITLE>next</TITLE>")));
    QVERIFY(!s.h.readFile(s.page).contains("unsaved"));
}

void FrameTest::newFile_forgetsWhatBelongedToTheOldDocument() {
    Started s("<HTML>\r\n<P>The first article has three internal links already, and a fourth "
              "one begun; its spelling is being checked.</P>\r\n</HTML>");
    s.edit();
    s.v->LinkNameCounter = 3; // A, B and C handed out
    s.ed().setSelStart(12);
    s.ed().setSelLength(5);
    QVERIFY(s.h.menu.choose(qs("mLinkIn")));
    QVERIFY(s.h.linkMsgBox.visible());
    QCOMPARE(s.v->LinkNameCounter, 4);
    QVERIFY(s.h.menu.choose(qs("mSpellCheckDocument")));
    QVERIFY(s.h.box.frame.visible());

    s.chooseFile(s.h.home + qs("second.htm"));
    QVERIFY(s.h.menu.choose(qs("mNewFile")));
    QVERIFY(s.ed().text().contains(qs("<TITLE>second</TITLE>")));
    QCOMPARE(s.v->LinkNameCounter, 0);
    QVERIFY(!s.h.linkMsgBox.visible());
    s.h.finishSlides();
    QVERIFY(!s.h.box.frame.visible());
    QVERIFY(!s.v->basSpellingChecker.isOpen());
    QVERIFY(s.h.dialogs.messages.empty()); // the check ends without its message

    // The new article's first internal link is named A.
    const int heading = int(s.ed().text().indexOf(qs("<H1>second")));
    s.ed().setSelStart(heading + 4);
    s.ed().setSelLength(6);
    QVERIFY(s.h.menu.choose(qs("mLinkIn")));
    s.ed().setSelStart(int(s.ed().text().indexOf(qs("<H2></H2>"))) + 4);
    QVERIFY(s.h.menu.choose(qs("mLinkIn")));
    QVERIFY(s.ed().text().contains(qs("<H1><A HREF=#A>second</A></H1>")));
    QVERIFY(s.ed().text().contains(qs("<H2><A NAME=\"A\"></A></H2>")));
}

void FrameTest::startEnd_wrapsText_andRenamesTxt() {
    Started s("Some notes.", "notes.txt");
    s.edit();
    s.ed().setSelStart(5);
    QVERIFY(s.h.menu.choose(qs("mHTMLStartEnd")));
    const QString text = s.ed().text();
    QVERIFY(text.startsWith(qs("<HTML><HEAD>\r\n<TITLE>notes.txt</TITLE>\r\n")));
    QVERIFY(text.endsWith(qs(
        "Some notes.\r\n\r\n<A NAME=\"EndOfFile\">\r\n</TD></TR></TABLE>\r\n<P></BODY></HTML>")));
    QCOMPARE(s.ed().selStart(), 5);
    // Renamed before anything is saved; the next save writes the .htm.
    QVERIFY(!QFileInfo::exists(s.page));
    const QString htm = s.h.home + qs("notes.htm");
    QCOMPARE(s.h.readFile(htm), QByteArray("Some notes."));
    QCOMPARE(s.v->PaneFileName[0], qs("notes.htm"));
    QCOMPARE(s.v->PaneFileName[1], qs("notes.htm"));
    QCOMPARE(s.h.nameBox[1].text(), qs("notes.htm"));
    QCOMPARE(s.h.browser[0].lastNavigation(), htm);
    QVERIFY(s.ed().text() != s.v->SavedText[1]); // a change, not saved
    int index = 0;
    s.v->mSave_Click(index);
    QCOMPARE(QString::fromUtf8(s.h.readFile(htm)), text);
}

void FrameTest::startEnd_lowerCaseHeaders_onlyMessage() {
    Started s("<html><body>x</body></html>");
    s.edit();
    QVERIFY(s.h.menu.choose(qs("mHTMLStartEnd")));
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("This file already has HTML headers.")});
    QCOMPARE(s.ed().text(), qs("<html><body>x</body></html>"));
}

void FrameTest::startEnd_txtRename_neverOverwritesAnHtm() {
    Started s("Plain.", "notes.txt");
    const QString htm = s.h.writeFile(qs("home/notes.htm"), "<P>Other article</P>");
    s.edit();
    QVERIFY(s.h.menu.choose(qs("mHTMLStartEnd")));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(1));
    QVERIFY(s.h.dialogs.messageTexts().front().contains(qs("already exists")));
    QCOMPARE(s.h.readFile(htm), QByteArray("<P>Other article</P>"));
    QVERIFY(QFileInfo::exists(s.page));
    QCOMPARE(s.v->PaneFileName[1], qs("notes.txt"));
}

void FrameTest::pageColors_slideOutAndBack() {
    Framed s;
    auto& panel = s.h.colorsPanel;
    s.h.text1[1].setLeft(9000);
    s.h.text1[1].setTop(600);
    // The panel stands on whole pixels of 15 twips; each place the slide
    // gives it is rounded once.
    auto onPixel = [](int twips) { return qRound(twips / 15.0) * 15; };
    // Where the panel stands after each frame, the first made at once, the
    // others as the timer runs out.
    auto frames = [&] {
        std::vector<int> at{panel.left()};
        while (s.h.colorsSlideTimer.fire())
            at.push_back(panel.left());
        return at;
    };
    QVERIFY(s.h.menu.choose(qs("mColors"), 0));
    const int step = 22; // 2250 twips wide: 22.5 rounds to the even 22
    QVERIFY(panel.visible());
    QCOMPARE(panel.top(), 600);
    QCOMPARE(s.h.colorsSlideTimer.interval, 20);
    std::vector<int> expected;
    for (int m = 10; m <= 105; m = m == 100 ? 105 : m + 10)
        expected.push_back(onPixel(9000 - m * step));
    QCOMPARE(frames(), expected);
    // All of 105 steps of 22 twips (1.47 pixels), clear of the editor:
    // not 105 single pixels.
    QCOMPARE(panel.left(), 9000 - 105 * step);
    QVERIFY(s.v->ColorAttributeNames[3] == qs("LINK"));

    QVERIFY(s.h.getColor[5].click());
    QVERIFY(panel.visible()); // until it is back
    expected.clear();
    for (int m = 5; m <= 105; m += 5)
        expected.push_back(onPixel(9000 - 105 * step + m * step));
    QCOMPARE(frames(), expected);
    QCOMPARE(panel.left(), 9000);
    QVERIFY(!panel.visible());

    // Out again from an editor that moved meanwhile: the slide starts from
    // the editor, not from where the panel was left.
    s.h.text1[1].setLeft(4500);
    QVERIFY(s.h.menu.choose(qs("mColors"), 0));
    s.h.finishSlides();
    QCOMPARE(panel.left(), 4500 - 105 * step);
}

void FrameTest::pageColor_changesBodyAndSaves_cancelKeepsAll() {
    Framed s;
    QVERIFY(s.h.menu.choose(qs("mColors"), 0));
    s.h.dialogs.colors.push_back(255); // pure red for the link colour
    QVERIFY(s.h.getColor[2].click());
    QCOMPARE(s.h.dialogs.colorDialogs.back(), std::make_pair(0x1F8E1C, 3));
    QCOMPARE(s.v->PageColors[3], qs("#FF0000"));
    QVERIFY(s.ed().text().contains(qs("<TITLE>TEXT and LINK</TITLE>")));
    QVERIFY(s.ed().text().contains(qs("\r\n  LINK=\"#FF0000\"\r\n  VLINK=\"#7C2C76\"")));
    QCOMPARE(QString::fromUtf8(s.h.readFile(s.page)), s.ed().text());

    s.h.dialogs.colors.push_back(std::nullopt); // Cancel
    const QString before = s.ed().text();
    QVERIFY(s.h.getColor[0].click());
    QCOMPARE(s.v->PageColors[1], qs("#000080"));
    QCOMPARE(s.ed().text(), before);
}

void FrameTest::colorCode_replacesSelection() {
    Framed s;
    s.ed().setSelStart(0);
    s.ed().setSelLength(6);
    s.h.dialogs.colors.push_back(16711680);
    QVERIFY(s.h.menu.choose(qs("mColors"), 2));
    QVERIFY(s.ed().text().startsWith(qs("0000FF<HEAD>")));
    QCOMPARE(s.h.dialogs.colorDialogs.back().second, 2);
    // Text Colors is the Color command.
    s.ed().setSelStart(0);
    s.ed().setSelLength(6);
    s.h.dialogs.colors.push_back(255);
    QVERIFY(s.h.menu.choose(qs("mColors"), 1));
    QVERIFY(s.ed().text().startsWith(qs("<FONT COLOR=\"#FF0000\">0000FF</FONT>")));
}

void FrameTest::tableOfContents_writesAndSaves_orTellsMissingH1() {
    Started s("<H1>T</H1>\r\n<H2>One</H2>\r\n<H3>Sub</H3>\r\n");
    s.edit();
    s.v->LinkNameCounter = 9;
    QVERIFY(s.h.menu.choose(qs("mTableOfContents")));
    QVERIFY(s.ed().text().contains(
        qs("<H2>Contents:</H2>\r\n<UL>\r\n<A HREF=#B>One</A><BR>\r\n<UL>\r\n")));
    QCOMPARE(QString::fromUtf8(s.h.readFile(s.page)), s.ed().text());
    QCOMPARE(s.v->LinkNameCounter, 2);
    QVERIFY(s.h.dialogs.messages.empty());

    Started t("<h1>T</h1>\r\n<H2>One</H2>\r\n");
    t.edit();
    QVERIFY(t.h.menu.choose(qs("mTableOfContents")));
    QCOMPARE(
        t.h.dialogs.messageTexts(),
        QStringList{qs("This function requires that the\rdocument heading be a '<H1>'\rheading. "
                       "The TOC will be inserted\rafter it.")});
    QCOMPARE(t.ed().text(), qs("<h1>T</h1>\r\n<H2>One</H2>\r\n"));
}

void FrameTest::tableSpecs_loadWriteOk() {
    Started s;
    s.h.writeFile(qs("data/TableSpecs.htm"), "1\r\n2\r\n3\r\n4\r\nbgcolor=\r\n\"#FFFFFF\"\r\n-"
                                             "\r\n\"#000080\"\r\n-\r\n\"#C0C0C0\"\r\n-\r\n"
                                             "\"#404040\"\r\n>\r\n");
    s.edit();
    s.ed().setSelStart(3);
    auto& d = s.h.tableSpecs;
    QVERIFY(s.h.menu.choose(qs("mTableSpecsWindow")));
    QVERIFY(d.form.visible());
    const QString preview = s.h.data + qs("/Temp.htm");
    QCOMPARE(d.preview.lastNavigation(), preview);
    auto* dialog = s.v->TableSpecsDialog.get();
    QCOMPARE(dialog->TableColors[0], qs("#FFFFFF"));
    QCOMPARE(dialog->TableColors[3], qs("#404040"));
    QVERIFY(d.percent.value() && d.lightDark.value() && d.backgroundColor.checked());

    // From the start the preview shows the table the fields describe (2 by
    // 3, border 1, width 90 %, the template's colours), not the template.
    const QString opening = QString::fromUtf8(s.h.readFile(preview));
    QVERIFY(
        opening.contains(qs("<Table Border=\"1\"\r\n Width=\"90%\"\r\n bgcolor=\"#FFFFFF\"\r\n "
                            "bordercolorlight=\"#C0C0C0\"\r\n bordercolordark=\"#404040\"\r\n>")));
    QCOMPARE(opening.count(qs("<TR>")), 2);
    QCOMPARE(opening.count(qs("<TD>&nbsp;</TD>")), 6);
    QCOMPARE(d.preview.navigations.size(), qsizetype(1));

    // Typing is previewed when the dialog's timer runs out, once for all
    // the keys typed meanwhile; a width below 10 is not previewed.
    const int refreshes = d.preview.refreshes;
    d.width.setText(qs("5"));
    QVERIFY(!d.previewTimer.active());
    d.width.setText(qs("50"));
    QVERIFY(d.previewTimer.active());
    QCOMPARE(d.previewTimer.interval, 250);
    d.border.setText(qs(""));
    d.border.setText(qs("2"));
    QCOMPARE(d.previewTimer.starts, 1);
    QCOMPARE(d.preview.refreshes, refreshes);
    d.previewTimer.fire();
    QCOMPARE(d.preview.refreshes, refreshes + 1);
    QVERIFY(s.h.readFile(preview).contains("<Table Border=\"2\"\r\n Width=\"50%\"\r\n"));
    d.border.setText(qs("1"));
    d.width.setText(qs("90"));
    d.previewTimer.fire();
    QCOMPARE(d.preview.refreshes, refreshes + 2);
    QVERIFY(s.h.readFile(preview).contains(
        "<Table Border=\"1\"\r\n Width=\"90%\"\r\n bgcolor=\"#FFFFFF\"\r\n "
        "bordercolorlight=\"#C0C0C0\"\r\n bordercolordark=\"#404040\"\r\n>"));
    // A colour: pure red for the highlight; Cancel changes nothing.
    s.h.dialogs.colors.push_back(255);
    QVERIFY(d.colors[2].click());
    QCOMPARE(dialog->TableColors[2], qs("#FF0000"));
    QCOMPARE(s.h.dialogs.colorDialogs.back(), std::make_pair(0xC0C0C0, 3));
    QVERIFY(s.h.readFile(preview).contains("bordercolorlight=\"#FF0000\""));
    QVERIFY(d.colors[1].click());
    QCOMPARE(dialog->TableColors[1], qs("#000080"));
    // A picture, chosen from the picture files.
    s.chooseFile(s.h.home + qs("paper.jpg"));
    QVERIFY(d.picture.click());
    QCOMPARE(s.h.dialogs.fileFilters.back(), qs("(*.jpg)(.bmp)|*.jpg *.bmp|1"));
    d.backgroundPicture.setChecked(true);
    QVERIFY(s.h.readFile(preview).contains(" background=\"" +
                                           (s.h.home + qs("paper.jpg")).toUtf8() + "\"\r\n>"));

    QVERIFY(d.ok.click());
    QVERIFY(!d.form.visible());
    const QString text = s.ed().text();
    QVERIFY(text.startsWith(qs("<HT<Table Border=\"1\"\r\n")));
    QVERIFY(text.contains(qs("<TD>&nbsp;</TD>\r\n</TR>\r\n</TABLE>\r\nML>")));
    QCOMPARE(text.count(qs("<TD>&nbsp;</TD>")), 6);
    QVERIFY(!text.contains(qs("</body>")));

    // The colours outlast the dialog; the other controls start afresh.
    QVERIFY(s.h.menu.choose(qs("mTableSpecsWindow")));
    QCOMPARE(dialog->TableColors[2], qs("#FF0000"));
    QVERIFY(!d.backgroundPicture.checked());
}

void FrameTest::tableSpecs_cancel_andMissingTemplate() {
    Started s;
    s.edit();
    const QString before = s.ed().text();
    auto& d = s.h.tableSpecs;
    QVERIFY(s.h.menu.choose(qs("mTableSpecsWindow")));
    const QString templ = s.h.data + qs("/TableSpecs.htm");
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{templ + qs(" not found.")});
    QVERIFY(d.form.visible());
    QVERIFY(s.v->TableSpecsDialog->TableColors[0].isEmpty());
    // The preview shows the fields' table all the same, without colours.
    const QString preview = s.h.data + qs("/Temp.htm");
    QCOMPARE(d.preview.lastNavigation(), preview);
    const QByteArray first = s.h.readFile(preview);
    QVERIFY(first.contains("<Table Border=\"1\"\r\n Width=\"90%\"\r\n>"));
    // Rows of 0 leave the preview as it was.
    d.rows.setText(qs("0"));
    d.previewTimer.fire();
    QCOMPARE(s.h.readFile(preview), first);
    d.rows.setText(qs("1"));
    d.previewTimer.fire();
    QCOMPARE(QString::fromUtf8(s.h.readFile(preview)).count(qs("<TR>")), 1);
    // An empty colour slot can still be given a colour.
    s.h.dialogs.colors.push_back(0xFFFFFF);
    QVERIFY(d.colors[0].click());
    QCOMPARE(s.v->TableSpecsDialog->TableColors[0], qs("#FFFFFF"));
    QVERIFY(d.cancel.click());
    QVERIFY(!d.form.visible());
    QCOMPARE(s.ed().text(), before);
}

void FrameTest::tableSpecs_numbersHeldToTheirMaxima_toldOncePerEntry() {
    Started s;
    s.edit();
    auto& d = s.h.tableSpecs;
    QVERIFY(s.h.menu.choose(qs("mTableSpecsWindow")));
    s.h.dialogs.messages.clear(); // the template's absence
    const QString preview = s.h.data + qs("/Temp.htm");
    const auto typeInto = [](fakes::FakeTextBox& box, const char* digits) {
        box.setText(QString());
        for (const char* c = digits; *c; ++c)
            box.setText(box.text() + QLatin1Char(*c));
    };

    // One zero too many: the rows go back to 500, and the user hears of it
    // once however many more keys go past the limit.
    typeInto(d.rows, "50000");
    QCOMPARE(d.rows.text(), qs("500"));
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("A table can have at most 500 rows.")});
    d.rows.setText(qs("5009"));
    QCOMPARE(d.rows.text(), qs("500"));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(1));
    d.previewTimer.fire();
    const QByteArray page = s.h.readFile(preview);
    QCOMPARE(QString::fromUtf8(page).count(qs("<TR>")), 500);
    QVERIFY(page.size() < 100000);
    // Back below the limit and past it again: a new entry, told again.
    d.rows.setText(qs("50"));
    d.rows.setText(qs("501"));
    QCOMPARE(d.rows.text(), qs("500"));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(2));

    // Every number of the dialog has its limit, a number too large for any
    // integer among them.
    s.h.dialogs.messages.clear();
    d.columns.setText(qs("99999999999999999999"));
    d.border.setText(qs("51"));
    d.spacing.setText(qs("1000"));
    d.padding.setText(qs("101 px"));
    d.width.setText(qs("250"));
    QCOMPARE(d.columns.text(), qs("50"));
    QCOMPARE(d.border.text(), qs("50"));
    QCOMPARE(d.spacing.text(), qs("100"));
    QCOMPARE(d.padding.text(), qs("100"));
    QCOMPARE(d.width.text(), qs("100"));
    QCOMPARE(s.h.dialogs.messageTexts(),
             (QStringList{qs("A table can have at most 50 columns."),
                          qs("The table frame can be at most 50 pixels wide."),
                          qs("The cell frame can be at most 100 pixels wide."),
                          qs("The cell margins can be at most 100 pixels wide."),
                          qs("The table width can be at most 100 % of the window.")}));
    // In pixels the width goes further; back to "% of window" it is held.
    d.pixels.setValue(true);
    d.width.setText(qs("800"));
    QCOMPARE(d.width.text(), qs("800"));
    d.width.setText(qs("8000"));
    QCOMPARE(d.width.text(), qs("3000"));
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("The table width can be at most 3000 pixels."));
    d.width.setText(qs("800"));
    d.percent.setValue(true);
    QCOMPARE(d.width.text(), qs("100"));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(7));
    QVERIFY(s.h.readFile(preview).contains("Width=\"100%\""));

    // OK takes the keys typed last, before the timer ran out.
    typeInto(d.rows, "1");
    typeInto(d.columns, "4");
    QVERIFY(d.previewTimer.active());
    QVERIFY(d.ok.click());
    QVERIFY(!d.previewTimer.active());
    QCOMPARE(s.ed().text().count(qs("<TR>")), 1);
    QCOMPARE(s.ed().text().count(qs("<TD>&nbsp;</TD>")), 4);

    // Opened again, the dialog tells the limits anew.
    s.h.dialogs.messages.clear();
    QVERIFY(s.h.menu.choose(qs("mTableSpecsWindow")));
    s.h.dialogs.messages.clear();
    d.rows.setText(qs("600"));
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("A table can have at most 500 rows.")});
}

QTEST_GUILESS_MAIN(FrameTest)
#include "test_frame.moc"
