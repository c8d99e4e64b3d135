// The commands that write into the article, run through the menu: New
// File, HTML Start-End, the table of contents, the table designer and the
// deal commands (over the real double-dummy solver; a selected deal drawn
// with its table in tests/e2e/deal_diagram.sh). The markup is in
// tests/unit/test_markupcommands.cpp and test_deal.cpp.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::qs;
using platform::Answer;
using platform::BoardChoice;
using platform::FileChoice;

namespace {
const char* const kDeal = "N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q98.AK32.T3 43.7654.T654.982";

struct Editing : fakes::ViewerHarness {
    using ViewerHarness::ViewerHarness;
    void newFile(const QString& path) {
        dialogs.files.push_back(FileChoice{path, QFileInfo(path).fileName()});
        QVERIFY(choose("mNewFile"));
    }
    // Link Internal on `text` (from the heading on), then its anchor after `anchor`.
    void linkInternal(const QString& text, const QString& anchor) {
        ed().setSelStart(int(ed().text().indexOf(text, ed().text().indexOf(qs("<H1>")))));
        ed().setSelLength(int(text.size()));
        QVERIFY(choose("mLinkIn"));
        ed().setSelStart(int(ed().text().indexOf(anchor)) + int(anchor.size()));
        QVERIFY(choose("mLinkIn"));
    }
};
} // namespace

class ArticleCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void newFile_asksOnce_existingFileKept_linkNamesStartAgain();
    void startEnd_txtRenamed_neverOverAnHtm();
    void tableOfContents_afterH1_savedWithTheRest();
    void tableSpecs_previewAtMostFourTimesASecond_numbersHeldToldOnce();
    void pbnFile_badBoardNamed_goodOnesOffered_cancelInsertsNothing();
    void tableOnExistingDiagram_cancelledOrChanged_insertsNothing();
    void checkNotation_listsFaults_jumpsToThem();
};

// Unsaved edits are asked about once (Cancel: no file is asked for); a file
// that exists is opened as it is; a new article's first internal link is
// named A again.
void ArticleCommandsTest::newFile_asksOnce_existingFileKept_linkNamesStartAgain() {
    Editing s("<HTML>\r\n<H1>Old</H1><P>The first article.</P>\r\n<H2>Two</H2>\r\n</HTML>");
    s.linkInternal(qs("first"), qs("<H2>"));
    QVERIFY(s.ed().text().contains(qs("<A HREF=#A>first</A>")));
    s.dialogs.answers = {Answer::Cancel};
    QVERIFY(s.choose("mNewFile"));
    QVERIFY(s.dialogs.fileDialogs.isEmpty());
    const QString other = s.writeFile(qs("home/sub/old.htm"), "<P>Kept as it is</P>\r\n");
    s.dialogs.answers = {Answer::No};
    s.newFile(other);
    QCOMPARE(s.dialogs.messages.size(), size_t(2));
    QVERIFY(s.dialogs.unexpected.isEmpty());
    QVERIFY(!s.readFile(s.page).contains("HREF"));
    QCOMPARE(s.readFile(other), QByteArray("<P>Kept as it is</P>\r\n"));
    QCOMPARE(s.ed().text(), qs("<P>Kept as it is</P>\r\n"));

    s.newFile(s.home + qs("second.htm"));
    QCOMPARE(s.readFile(s.home + qs("second.htm")), s.ed().text().toUtf8());
    s.linkInternal(qs("second"), qs("<H2>"));
    QVERIFY(s.ed().text().contains(qs("<H1><A HREF=#A>second</A></H1>")));
    QVERIFY(s.ed().text().contains(qs("<H2><A NAME=\"A\"></A></H2>")));
}

// A .txt file given its frame becomes the .htm of the same name, unless
// that file exists: it is never overwritten.
void ArticleCommandsTest::startEnd_txtRenamed_neverOverAnHtm() {
    {
        Editing s("Some notes.", "notes.txt");
        QVERIFY(s.choose("mHTMLStartEnd") && s.choose("mSave", 0));
        QCOMPARE(s.nameBox[1].text(), qs("notes.htm"));
        QCOMPARE(QString::fromUtf8(s.readFile(s.home + qs("notes.htm"))), s.ed().text());
    }
    Editing s("Plain.", "notes.txt");
    const QString htm = s.writeFile(qs("home/notes.htm"), "<P>Other article</P>");
    QVERIFY(s.choose("mHTMLStartEnd"));
    QVERIFY(s.dialogs.messageTexts().value(0).contains(qs("already exists")));
    QCOMPARE(s.readFile(htm), QByteArray("<P>Other article</P>"));
    QCOMPARE(s.readFile(s.page), QByteArray("Plain."));
    QCOMPARE(s.nameBox[1].text(), qs("notes.txt"));
}

// The contents go after "</H1>" without splitting the tag that follows;
// the link names they hand out are not handed out again.
void ArticleCommandsTest::tableOfContents_afterH1_savedWithTheRest() {
    Editing s("<H1>Book</H1><P>Intro</P>\r\n<H2>One</H2>\r\n<P>Text</P>\r\n");
    QVERIFY(s.choose("mTableOfContents"));
    QVERIFY(s.ed().text().startsWith(qs("<H1>Book</H1>\r\n<H2>Contents:</H2>")));
    QVERIFY(s.ed().text().contains(qs("<P>Intro</P>")));
    QCOMPARE(QString::fromUtf8(s.readFile(s.page)), s.ed().text());
    s.linkInternal(qs("Text"), qs("Intro"));
    QVERIFY(s.ed().text().contains(qs("<A HREF=#B>Text</A>")));
}

// The preview shows the fields from the start, then once each time its
// timer runs out; every number has its largest value, told once until the
// number is back below it; OK takes the keys typed last.
void ArticleCommandsTest::tableSpecs_previewAtMostFourTimesASecond_numbersHeldToldOnce() {
    Editing s("<HTML>\r\n<P>Deal one</P>\r\n</HTML>");
    s.writeFile(qs("data/TableSpecs.htm"),
                "1\r\n2\r\n3\r\n4\r\nbgcolor=\r\n\"#FFFFFF\"\r\n-\r\n\"#000080\"\r\n-\r\n\"#"
                "C0C0C0\"\r\n-\r\n\"#404040\"\r\n>\r\n");
    s.ed().setSelStart(3);
    auto& d = s.tableSpecs;
    auto previewed = [&] { return s.readFile(s.data + qs("/Temp.htm")); };
    QVERIFY(s.choose("mTableSpecsWindow"));
    QVERIFY(
        previewed().contains("<Table Border=\"1\"\r\n Width=\"90%\"\r\n bgcolor=\"#FFFFFF\"\r\n"));
    QCOMPARE(previewed().count("<TD>&nbsp;</TD>"), 6);
    QCOMPARE(d.preview.navigations.size(), qsizetype(1));
    const int refreshes = d.preview.refreshes;
    for (const char* keys : {"5", "50"})
        d.width.setText(qs(keys));
    for (const char* keys : {"", "2"})
        d.border.setText(qs(keys));
    QCOMPARE(d.previewTimer.starts, 1);
    QVERIFY(d.previewTimer.interval >= 250);
    QCOMPARE(d.preview.refreshes, refreshes);
    d.previewTimer.fire();
    QCOMPARE(d.preview.refreshes, refreshes + 1);
    QVERIFY(previewed().contains("<Table Border=\"2\"\r\n Width=\"50%\"\r\n"));

    const struct {
        fakes::FakeTextBox* box;
        const char* typed;
        const char* held;
    } rows[] = {
        {&d.rows, "50000", "500"},   {&d.columns, "99999999999999999999", "50"},
        {&d.border, "51", "50"},     {&d.spacing, "1000", "100"},
        {&d.padding, "1010", "100"}, {&d.width, "250", "100"},
    };
    for (const auto& r : rows) {
        const size_t told = s.dialogs.messages.size();
        r.box->setText(QString());
        for (const QChar c : qs(r.typed))
            r.box->setText(r.box->text() + c);
        QCOMPARE(r.box->text(), qs(r.held));
        r.box->setText(r.box->text() + qs("9"));
        QCOMPARE(r.box->text(), qs(r.held));
        QCOMPARE(s.dialogs.messages.size(), told + 1);
    }
    d.previewTimer.fire();
    QCOMPARE(previewed().count("<TR>"), 500);
    QVERIFY(previewed().size() < 2000000);
    d.rows.setText(qs("50")); // back below the limit and past it again: told again
    d.rows.setText(qs("501"));
    QCOMPARE(s.dialogs.messages.size(), size_t(7));
    // In pixels the width goes further; back to "% of window" it is held.
    d.pixels.setValue(true);
    d.width.setText(qs("800"));
    QCOMPARE(d.width.text(), qs("800"));
    d.percent.setValue(true);
    QCOMPARE(d.width.text(), qs("100"));

    d.border.setText(qs("2"));
    d.rows.setText(qs("1"));
    d.columns.setText(qs("4"));
    QVERIFY(d.ok.click());
    QVERIFY(!d.form.visible() && !d.previewTimer.active());
    QVERIFY(s.ed().text().startsWith(qs("<HT<Table Border=\"2\"\r\n")));
    QCOMPARE(s.ed().text().count(qs("<TD>&nbsp;</TD>")), 4);
}

// A file's bad board is named with its line; the good boards are offered
// with board, dealer and vulnerability; Cancel leaves the article alone.
void ArticleCommandsTest::pbnFile_badBoardNamed_goodOnesOffered_cancelInsertsNothing() {
    Editing s("<P>Text.</P>\r\n");
    const QString pbn = s.writeFile(
        qs("home/club.pbn"),
        QByteArray("[Board \"1\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n[Deal \"") + kDeal +
            "\"]\n\n[Board \"2\"]\n[Dealer \"E\"]\n[Vulnerable \"NS\"]\n"
            "[Deal \"N:AKQ2.JT3.987.K54 A98.AK2.QJ.AQJ76 - -\"]\n\n"
            "[Board \"3\"]\n[Dealer \"S\"]\n[Vulnerable \"EW\"]\n[Deal \"S:AKQ2.JT3.987.K54 - - "
            "-\"]\n");
    s.dialogs.files.push_back(FileChoice{pbn, qs("club.pbn")});
    s.dealDialogs.boardAnswers = {std::nullopt};
    QVERIFY(s.choose("mInsertDeal"));
    QVERIFY(s.dialogs.messageTexts().join(qs("|")).contains(qs("board 2, line 9")));
    QCOMPARE(
        s.dealDialogs.boardDialogs.at(0).rows,
        (QStringList{qs("Board 1   Dealer N   Vul None"), qs("Board 3   Dealer S   Vul E-W")}));
    QCOMPARE(s.ed().text(), qs("<P>Text.</P>\r\n"));
    QCOMPARE(s.readFile(s.page), QByteArray("<P>Text.</P>\r\n"));

    s.dialogs.files.push_back(FileChoice{pbn, qs("club.pbn")});
    s.dealDialogs.boardAnswers = {BoardChoice{1, false}};
    QVERIFY(s.choose("mInsertDeal"));
    QVERIFY(s.ed().text().contains(qs("Board 3<BR>Dealer South<BR>Vul: E-W")));
}

// Double-Dummy Table on a diagram already in the article; a Cancel, or a
// diagram changed while the table is worked out, leaves the text as it is.
void ArticleCommandsTest::tableOnExistingDiagram_cancelledOrChanged_insertsNothing() {
    Editing s(QByteArray("<P>x</P>\r\n") + kDeal + "\r\n");
    s.ed().select(qs(kDeal));
    s.dealDialogs.boardAnswers = {BoardChoice{0, false}};
    QVERIFY(s.choose("mInsertDeal"));
    const QString drawn = s.ed().text();
    s.ed().setSelStart(int(drawn.indexOf(qs("AKQ2"))));

    s.background.hold = true;
    QVERIFY(s.choose("mDoubleDummy"));
    QVERIFY(s.dealDialogs.progressVisible());
    s.dealDialogs.pressCancel();
    s.background.finishAll();
    QCOMPARE(s.ed().text(), drawn);

    QVERIFY(s.choose("mDoubleDummy"));
    s.ed().setText(drawn.left(drawn.indexOf(qs("AKQ2"))) + qs("AKQ3") +
                   drawn.mid(drawn.indexOf(qs("AKQ2")) + 4));
    s.background.finishAll();
    QVERIFY(!s.ed().text().contains(qs("<TABLE BORDER=1")));
    QVERIFY(s.dialogs.messageTexts().last().contains(qs("the table was not inserted")));

    s.ed().setText(drawn);
    s.ed().setSelStart(int(drawn.indexOf(qs("AKQ2"))));
    QVERIFY(s.choose("mDoubleDummy"));
    s.background.finishAll();
    QVERIFY(s.ed().text().indexOf(qs("<TABLE BORDER=1")) > s.ed().text().indexOf(qs("</TABLE>")));
    QVERIFY(!s.dealDialogs.progressVisible());

    s.ed().setSelStart(0);
    QVERIFY(s.choose("mDoubleDummy"));
    QVERIFY(s.dialogs.messageTexts().last().startsWith(qs("Put the caret in a deal diagram")));
}

// Each fault is a row naming its line; a row selects its place.
void ArticleCommandsTest::checkNotation_listsFaults_jumpsToThem() {
    Editing s("<P>AKQ2-JT3-987-K54 is fine.</P>\r\n<P>AKQ2-JT3-987-K5432 is not.</P>\r\n"
              "<P>1S-2H-1NT</P>\r\n");
    QVERIFY(s.choose("mCheckNotation"));
    const QStringList rows = s.dealDialogs.findingsRows;
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows[0].startsWith(qs("Line 2: ")) && rows[1].startsWith(qs("Line 3: ")));
    s.dealDialogs.activate(1);
    QCOMPARE(s.ed().selText(), qs("1NT"));

    s.ed().setText(qs("<P>No bridge here.</P>"));
    QVERIFY(s.choose("mCheckNotation"));
    QVERIFY(s.dealDialogs.findingsRows.isEmpty() && s.dealDialogs.findingsVisible());
}

QTEST_GUILESS_MAIN(ArticleCommandsTest)
#include "test_articlecommands.moc"
