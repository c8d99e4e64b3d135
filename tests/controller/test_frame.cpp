// New File, HTML Start-End, the table of contents and the table designer,
// run through the menu. The frame, the page colours in the BODY tag, the
// contents and the preview page are in
// tests/unit/test_markupcommands.cpp; the real program's New File and table
// designer in tests/e2e/new_file_table.sh and table_specs.sh.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;
using platform::FileChoice;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// A page opened in the source editor.
struct Editing {
    ViewerHarness h;
    QString page;
    explicit Editing(const QByteArray& text = "<HTML>\r\n<P>Deal one</P>\r\n</HTML>",
                     const char* name = "deal.htm") {
        page = h.writeFile(qs("home/") + qs(name), text);
        h.start(page);
        h.menu.choose(qs("mEditHTML"));
    }
    fakes::FakeTextEditor& ed() { return h.text1[1]; }
    void newFile(const QString& path) {
        h.dialogs.files.push_back(FileChoice{path, QFileInfo(path).fileName()});
        QVERIFY(h.menu.choose(qs("mNewFile")));
    }
    // Link Internal on `text` (from the heading on), then its anchor after `anchor`.
    void linkInternal(const QString& text, const QString& anchor) {
        ed().setSelStart(int(ed().text().indexOf(text, ed().text().indexOf(qs("<H1>")))));
        ed().setSelLength(int(text.size()));
        QVERIFY(h.menu.choose(qs("mLinkIn")));
        ed().setSelStart(int(ed().text().indexOf(anchor)) + int(anchor.size()));
        QVERIFY(h.menu.choose(qs("mLinkIn")));
    }
};
} // namespace

class FrameTest : public QObject {
    Q_OBJECT
  private slots:
    void newFile_asksOnce_existingFileKept_linkNamesStartAgain();
    void startEnd_txtRenamed_neverOverAnHtm();
    void tableOfContents_afterH1_savedWithTheRest();
    void tableSpecs_previewFromTheFields_atMostFourTimesASecond();
    void tableSpecs_numbersHeld_toldOncePerEntry();
};

// Unsaved edits are asked about once (Cancel: no file is asked for); a file
// that exists is opened as it is; a new article's first internal link is
// named A again.
void FrameTest::newFile_asksOnce_existingFileKept_linkNamesStartAgain() {
    Editing s("<HTML>\r\n<H1>Old</H1><P>The first article.</P>\r\n<H2>Two</H2>\r\n</HTML>");
    s.linkInternal(qs("first"), qs("<H2>"));
    QVERIFY(s.ed().text().contains(qs("<A HREF=#A>first</A>")));
    s.h.dialogs.answers = {Answer::Cancel};
    QVERIFY(s.h.menu.choose(qs("mNewFile")));
    QVERIFY(s.h.dialogs.fileDialogs.isEmpty());
    const QString other = s.h.writeFile(qs("home/sub/old.htm"), "<P>Kept as it is</P>\r\n");
    s.h.dialogs.answers = {Answer::No};
    s.newFile(other);
    QCOMPARE(s.h.dialogs.messages.size(), size_t(2));
    QVERIFY(s.h.dialogs.unexpected.isEmpty());
    QVERIFY(!s.h.readFile(s.page).contains("HREF"));
    QCOMPARE(s.h.readFile(other), QByteArray("<P>Kept as it is</P>\r\n"));
    QCOMPARE(s.ed().text(), qs("<P>Kept as it is</P>\r\n"));

    s.newFile(s.h.home + qs("second.htm"));
    QCOMPARE(s.h.readFile(s.h.home + qs("second.htm")), s.ed().text().toUtf8());
    s.linkInternal(qs("second"), qs("<H2>"));
    QVERIFY(s.ed().text().contains(qs("<H1><A HREF=#A>second</A></H1>")));
    QVERIFY(s.ed().text().contains(qs("<H2><A NAME=\"A\"></A></H2>")));
}

// A .txt file given its frame becomes the .htm of the same name, unless
// that file exists: it is never overwritten.
void FrameTest::startEnd_txtRenamed_neverOverAnHtm() {
    {
        Editing s("Some notes.", "notes.txt");
        QVERIFY(s.h.menu.choose(qs("mHTMLStartEnd")));
        QCOMPARE(s.h.nameBox[1].text(), qs("notes.htm"));
        QVERIFY(s.h.menu.choose(qs("mSave"), 0));
        QCOMPARE(QString::fromUtf8(s.h.readFile(s.h.home + qs("notes.htm"))), s.ed().text());
    }
    Editing s("Plain.", "notes.txt");
    const QString htm = s.h.writeFile(qs("home/notes.htm"), "<P>Other article</P>");
    QVERIFY(s.h.menu.choose(qs("mHTMLStartEnd")));
    QVERIFY(s.h.dialogs.messageTexts().value(0).contains(qs("already exists")));
    QCOMPARE(s.h.readFile(htm), QByteArray("<P>Other article</P>"));
    QCOMPARE(s.h.readFile(s.page), QByteArray("Plain."));
    QCOMPARE(s.h.nameBox[1].text(), qs("notes.txt"));
}

// The contents go after "</H1>" without splitting the tag that follows;
// the link names they hand out are not handed out again.
void FrameTest::tableOfContents_afterH1_savedWithTheRest() {
    Editing s("<H1>Book</H1><P>Intro</P>\r\n<H2>One</H2>\r\n<P>Text</P>\r\n");
    QVERIFY(s.h.menu.choose(qs("mTableOfContents")));
    QVERIFY(s.ed().text().startsWith(qs("<H1>Book</H1>\r\n<H2>Contents:</H2>")));
    QVERIFY(s.ed().text().contains(qs("<P>Intro</P>")));
    QCOMPARE(QString::fromUtf8(s.h.readFile(s.page)), s.ed().text());
    s.linkInternal(qs("Text"), qs("Intro"));
    QVERIFY(s.ed().text().contains(qs("<A HREF=#B>Text</A>")));
}

void FrameTest::tableSpecs_previewFromTheFields_atMostFourTimesASecond() {
    Editing s;
    s.h.writeFile(qs("data/TableSpecs.htm"),
                  "1\r\n2\r\n3\r\n4\r\nbgcolor=\r\n\"#FFFFFF\"\r\n-\r\n\"#000080\"\r\n-\r\n\"#"
                  "C0C0C0\"\r\n-\r\n\"#404040\"\r\n>\r\n");
    s.ed().setSelStart(3);
    auto& d = s.h.tableSpecs;
    const QString preview = s.h.data + qs("/Temp.htm");
    auto previewed = [&] { return QString::fromUtf8(s.h.readFile(preview)); };
    QVERIFY(s.h.menu.choose(qs("mTableSpecsWindow")));
    // From the start the preview shows the table the fields describe, in the
    // template's colours, not the template.
    QVERIFY(previewed().contains(
        qs("<Table Border=\"1\"\r\n Width=\"90%\"\r\n bgcolor=\"#FFFFFF\"\r\n")));
    QCOMPARE(previewed().count(qs("<TD>&nbsp;</TD>")), 6);
    QCOMPARE(d.preview.navigations.size(), qsizetype(1));

    // Keys are previewed when the timer runs out, once for all of them.
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
    QVERIFY(previewed().contains(qs("<Table Border=\"2\"\r\n Width=\"50%\"\r\n")));

    // OK takes the keys typed last, before the timer ran out.
    d.rows.setText(qs("1"));
    d.columns.setText(qs("4"));
    QVERIFY(d.ok.click());
    QVERIFY(!d.form.visible() && !d.previewTimer.active());
    QVERIFY(s.ed().text().startsWith(qs("<HT<Table Border=\"2\"\r\n")));
    QCOMPARE(s.ed().text().count(qs("<TD>&nbsp;</TD>")), 4);
}

// Every number has its largest value; going past it is told once until the
// number is back below it.
void FrameTest::tableSpecs_numbersHeld_toldOncePerEntry() {
    Editing s;
    auto& d = s.h.tableSpecs;
    QVERIFY(s.h.menu.choose(qs("mTableSpecsWindow")));
    s.h.dialogs.messages.clear(); // the template's absence
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
        const size_t told = s.h.dialogs.messages.size();
        r.box->setText(QString());
        for (const QChar c : qs(r.typed))
            r.box->setText(r.box->text() + c);
        QCOMPARE(r.box->text(), qs(r.held));
        r.box->setText(r.box->text() + qs("9"));
        QCOMPARE(r.box->text(), qs(r.held));
        QCOMPARE(s.h.dialogs.messages.size(), told + 1);
    }
    d.previewTimer.fire();
    const QByteArray page = s.h.readFile(s.h.data + qs("/Temp.htm"));
    QCOMPARE(page.count("<TR>"), 500);
    QVERIFY(page.size() < 2000000);
    // Back below the limit and past it again: told again.
    d.rows.setText(qs("50"));
    d.rows.setText(qs("501"));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(7));
    // In pixels the width goes further; back to "% of window" it is held.
    d.pixels.setValue(true);
    d.width.setText(qs("800"));
    QCOMPARE(d.width.text(), qs("800"));
    d.percent.setValue(true);
    QCOMPARE(d.width.text(), qs("100"));
}

QTEST_GUILESS_MAIN(FrameTest)
#include "test_frame.moc"
