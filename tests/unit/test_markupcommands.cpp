// The authoring commands' logic: tags and fonts, paragraphs, links and
// anchors, the document frame and page colours, the table of contents and
// the table designer's preview.
#include "authoring/contents.h"
#include "authoring/frame.h"
#include "authoring/hideblock.h"
#include "authoring/links.h"
#include "authoring/paragraph.h"
#include "authoring/tablespecs.h"
#include "authoring/tags.h"

#include <QTest>

using authoring::Selection;
using authoring::TagCommand;

namespace {
QString s(const char* latin1) {
    return QString::fromLatin1(latin1);
}

authoring::PageColorSet defaults() {
    authoring::PageColorSet c;
    const char* codes[] = {"", "#000080", "#AFFEFE", "#1C8E1F", "#7C2C76", "#F00000"};
    for (int k = 1; k <= 5; ++k)
        c.code[k] = s(codes[k]);
    return c;
}

authoring::TableSpec tableExample() {
    authoring::TableSpec t;
    t.rows = s("2");
    t.columns = s("3");
    t.border = s("1");
    t.width = s("90");
    t.widthInPercent = true;
    t.useBackgroundColor = true;
    t.colors = {s("#FFFFFF"), s(""), s(""), s("")};
    return t;
}
} // namespace

class TestMarkupCommands : public QObject {
    Q_OBJECT
  private slots:
    // Trailing blanks go outside the tags for the inline commands only; the
    // selection afterwards, from a selection at offset 10.
    void tagCommands() {
        const struct {
            TagCommand command;
            const char *selected, *replacement;
            int start, length;
        } rows[] = {
            {TagCommand::Bold, "word", "<B>word</B>", 13, 4},
            {TagCommand::Bold, "", "<B></B>", 13, 0},
            {TagCommand::Bold, "  two  words  ", "<B>two  words</B> ", 13, 10},
            {TagCommand::Bold, " word", "<B> word</B>", 13, 5},
            {TagCommand::Bold, "a\t\r\n", "<B>a\t\r\n</B>", 13, 4},
            {TagCommand::Italics, "word ", "<I>word</I> ", 22, 0},
            {TagCommand::Superscript, "nd", "<SUP>nd</SUP>", 15, 2},
            {TagCommand::Underline, "w ", "<U>w </U>", 19, 0},
            {TagCommand::Header1, "T", "<H1 ALIGN=CENTER>T</H1>", 33, 0},
        };
        for (const auto& r : rows) {
            QCOMPARE(authoring::tagReplacement(r.command, s(r.selected)), s(r.replacement));
            const int n = int(strlen(r.selected));
            const auto done = authoring::tagCommand(r.command, Selection{10, n}, s(r.selected));
            QCOMPARE(done.edits.size(), 1);
            QCOMPARE((QList<int>{done.edits[0].start, done.edits[0].length}), (QList<int>{10, n}));
            QCOMPARE(done.after, (Selection{r.start, r.length}));
        }
        QCOMPARE(authoring::tagReplacement(TagCommand::AlignTop, s(">")), s(" VAlign=Top>"));
    }

    void colorsAndFonts() {
        for (int color : {0, 255, 0x00FF00, 0x123456, 0x0A, 0xFFFFFF})
            QCOMPARE(authoring::colorNumber(authoring::colorCode(color)), color);
        QCOMPARE(authoring::colorCode(0x0A), s("#0A0000"));
        QCOMPARE(authoring::colorCode(int(0x7F0000FF)), s("#FF0000"));
        for (const char* bad : {"", "FF0000", "#GG0000", "#-10000"})
            QVERIFY(!authoring::colorNumber(s(bad)));
        const struct {
            double points;
            int size;
        } sizes[] = {{0, 1},  {9.4, 1}, {9.5, 2}, {11.5, 3}, {12.5, 3}, {14, 3},
                     {15, 4}, {35, 6},  {36, 7},  {47.5, 8}, {400, 8}};
        for (const auto& r : sizes)
            QCOMPARE(authoring::htmlFontSize(r.points), r.size);
        authoring::FontStyle f;
        f.name = s("Georgia");
        f.points = 48;
        f.bold = f.strikethrough = true;
        f.color = 255;
        QCOMPARE(authoring::fontMarkup(f, s("S")),
                 s("<FONT FACE=\"Georgia\" SIZE=\"8\" COLOR=\"#FF0000\"><B><S>S</S></B></FONT>"));
        QCOMPARE(authoring::colorMarkup(16711680, s("x")), s("<FONT COLOR=\"#0000FF\">x</FONT>"));
    }

    void hideBlocks() {
        const QString block = authoring::hideBlock(3, s("Answer & <b>"));
        QVERIFY(block.contains(s("hide3ID.style.display=''")) &&
                block.contains(s("\r\nAnswer & <b>\r\n")));
        QCOMPARE(block.count(s("\r\n")), 15);
        const QString used = s("<FONT ID=\"hide1ID\"> <FONT ID=\"hide2ID\"> hide11ID");
        QCOMPARE(authoring::nextHideBlockNumber(0, used), 3);
        QCOMPARE(authoring::nextHideBlockNumber(10, used), 12);
        QCOMPARE(authoring::nextHideBlockNumber(32767, QString()), std::nullopt);
    }

    void paragraph() {
        const QString page = s("<HTML><HEAD>\r\n\r\n  <TITLE>T</TITLE>\r\n</HEAD>\r\n\r\n  "
                               "\r\n\r\n<TABLE><TR><TD>x\r\n\r\n"
                               "<PRE>a\r\n\r\nb\r\nc</PRE>\r\n\r\n");
        const struct {
            QString text;
            int start, length;
            QString expected;
            int caretAfter;
        } rows[] = {
            // At the caret: lines joined to the blank line, the tag put once.
            {s("one   \r\n  two \r\nthree\r\n\r\nnext"), 0, 0, s("<P>one two three\r\n\r\nnext"),
             16},
            {s("<BODY>\r\na\r\nb\r\n\r\n"), 8, 0, s("<BODY>\r\n<P>a b\r\n\r\n"), 14},
            {s("<p>a\r\nb\r\n\r\n"), 0, 0, s("<p>a b\r\n\r\n"), 6},
            {s("a\r\nb\r\n<h3>x</h3>\r\nc"), 0, 0, s("<P>a b\r\n<h3>x</h3>\r\nc"), 8},
            {s("ab\r\n\r\nz"), 0, 0, s("<P>ab\r\n\r\nz"), 0},
            {s("a\r\n<pre>b\r\n\r\n"), 0, 0, s("<P>a <pre>b\r\n\r\n"), 11},
            // Markup keeps its own lines; a block tag in a comment or a script ends nothing.
            {s("a<IMG\r\nSRC=x>\r\n<!-- <P>\r\n -->b\r\n<SCRIPT>x=1\r\n//<H2></SCRIPT>\r\n\r\n"), 0,
             0, s("<P>a<IMG\r\nSRC=x> <!-- <P>\r\n -->b <SCRIPT>x=1\r\n//<H2></SCRIPT>\r\n\r\n"),
             61},
            // Over a selection: each paragraph, a break ending it not joined.
            {s("x\r\none\r\ntwo\r\n\r\nthree\r\nfour\r\n\r\nrest\r\nline"), 3, 23,
             s("x\r\n<P>one two\r\n\r\n<P>three four\r\n\r\nrest\r\nline"), 30},
            {s("a\r\nb\r\nc"), 0, 6, s("<P>a b\r\nc"), 8},
            {s("<p>a\r\nb\r\n\r\n\r\nc\r\nd"), 0, 17, s("<p>a b\r\n\r\n\r\n<P>c d"), 18},
            // A whole document: the head, tables and preformatted text are no paragraphs.
            {page + s("some\r\ntext"), 0, int(page.size()) + 10, page + s("<P>some text"), 109},
        };
        for (const auto& r : rows) {
            const auto done = authoring::paragraphCommand(r.text, Selection{r.start, r.length});
            QCOMPARE(authoring::applied(r.text, done), r.expected);
            QCOMPARE(done.after, (Selection{r.caretAfter, 0}));
        }
    }

    void anchorNames() {
        QCOMPARE(authoring::anchorName(27), s("AA"));
        QCOMPARE(authoring::anchorName(52), s("AZ"));
        QCOMPARE(authoring::anchorName(53), QString());
        const struct {
            int counter;
            const char* text;
            int next;
        } rows[] = {{0, "<A HREF=#A>x</A> <A HREF=#B>y</A>", 3},
                    {0, "<A HREF=#AB>x</A>", 1},
                    {0, "<a href=\"#A\">x</a>", 2},
                    {0, "<A NAME=\"A\"></A>", 2},
                    {3, "<A HREF=#D>", 5},
                    {50, "<A HREF=#AY>", 52},
                    {51, "<A HREF=#AZ>", -1},
                    {52, "", -1}};
        for (const auto& r : rows)
            QCOMPARE(authoring::nextAnchorCounter(r.counter, s(r.text)).value_or(-1), r.next);
        const QString pad(30, QLatin1Char('x'));
        QCOMPARE(
            authoring::anchorNearCaret(pad + s("<a name=\"top10\"></a>"), 40).value_or(QString()),
            s("top10"));
        QCOMPARE(authoring::anchorNearCaret(pad + s("<A NAME=intro>"), 31).value_or(QString()),
                 s("intro"));
        QCOMPARE(authoring::anchorNearCaret(s("<A NAME=\"B\"></A>") + pad, 40).value_or(QString()),
                 QString());
        QCOMPARE(
            authoring::anchorNearCaret(pad + pad + s("<A NAME=\"B\"></A>"), 25).value_or(QString()),
            QString());
    }

    // Link Internal's second run: the anchor, the link, the text between.
    void placeInternalLink() {
        const struct {
            const char* text;
            int anchorAt, linkAt, linkLength;
            const char* result;
        } rows[] = {
            {"See the answer. Answer here.", 16, 8, 6,
             "See the <A HREF=#A>answer</A>. <A NAME=\"A\"></A>Answer here."},
            {"Top. Then the link text.", 0, 14, 4,
             "<A NAME=\"A\"></A>Top. Then the <A HREF=#A>link</A> text."},
            {"ab word cd", 3, 3, 4, "ab <A NAME=\"A\"></A><A HREF=#A>word</A> cd"},
            {"ab word cd", 5, 3, 4, "ab <A NAME=\"A\"></A><A HREF=#A>word</A> cd"},
            {"abc def", 7, 3, 0, "abc<A HREF=#A></A> def<A NAME=\"A\"></A>"},
            {"link <H2><A NAME=\"B\"></A>Heading</H2>", 25, 0, 4,
             "<A HREF=#B>link</A> <H2><A NAME=\"B\"></A>Heading</H2>"},
        };
        for (const auto& r : rows) {
            const auto plan =
                authoring::placeInternalLink(s(r.text), r.anchorAt, r.linkAt, r.linkLength, s("A"));
            QCOMPARE(authoring::applied(s(r.text), plan.result), s(r.result));
        }
        QCOMPARE(authoring::placeInternalLink(s("Top. Then the link."), 0, 14, 4, s("C"))
                     .result.after.start,
                 30);
        QCOMPARE(authoring::externalLink(s("a\"b#c%d .htm"), QString()),
                 s("<A HREF=\"a%22b%23c%25d .htm\"></A>"));
    }

    void frame() {
        const QString frame = authoring::newFileFrame(s("chapter01"), defaults());
        // New File leaves the caret between the first "<H2>" and "</H2>".
        QCOMPARE(frame.mid(215, 9), s("<H2></H2>"));
        const struct {
            const char *name, *title;
        } titles[] = {{"notes.html", "notes"},
                      {"notes.txt", "notes.txt"},
                      {"notes.HTM", "notes.HTM"},
                      {"notes.text", "notes"},
                      {"a.b", "a.b"},
                      {".html", ""}};
        for (const auto& r : titles)
            QCOMPARE(authoring::newFileTitle(s(r.name)), s(r.title));
        QVERIFY(authoring::hasHtmlHeaders(s("<html><body>")));
        QVERIFY(!authoring::hasHtmlHeaders(s(" <HTML>")) && !authoring::hasHtmlHeaders(s("<HTML")));
        QVERIFY(!authoring::startEndHead(s("a.txt"), defaults()).contains(s("<H1>")));
    }

    // Each slot changes inside the BODY tag only, never in the title or text.
    void pageColors() {
        const QString doc = authoring::newFileFrame(s("TEXT LINK BGCOLOR"), defaults()) +
                            s("The TEXT=\"#123456\" and ALINK=\"#ABCDEF\" here are words.");
        const char* names[] = {"", "TEXT", "BGCOLOR", "LINK", "VLINK", "ALINK"};
        for (int slot = 1; slot <= 5; ++slot) {
            QString expected = doc;
            const QString line = s("  ") + s(names[slot]) + s("=\"");
            expected.replace(expected.indexOf(line) + line.size(), 7, s("#FF0000"));
            QCOMPARE(authoring::withPageColor(doc, slot, s("#FF0000")).value_or(QString()),
                     expected);
        }
        for (const char* none : {"<HTML><TITLE>TEXT=\"#000000\"</TITLE><BODY>TEXT=\"#000000\"",
                                 "<BODY VLINK=\"#000000\">", "<BODYGUARD TEXT=\"#000000\">"})
            QVERIFY(!authoring::withPageColor(s(none), 1, s("#FF0000")) &&
                    !authoring::withPageColor(s(none), 3, s("#FF0000")));
        QCOMPARE(*authoring::withPageColor(s("<body bgcolor=white text='#000'>x"), 2, s("#AFFEFE")),
                 s("<body bgcolor=#AFFEFE text='#000'>x"));
    }

    void contents_namesAndNesting() {
        const auto r = authoring::tableOfContents(
            s("<H1>Title</H1>\r\n<H3>x</H3>\r\n<h2>low</h2>\r\n<H2 ALIGN=CENTER>One</H2>\r\n<H3 "
              "CLASS=\"x\">a</H3>\r\n<H2>Two</H2>\r\n"));
        QVERIFY(r.hasH1);
        QCOMPARE(r.text,
                 s("<H1>Title</H1>\r\n\r\n<H2>Contents:</H2>\r\n<UL>\r\n<UL>\r\n<A "
                   "HREF=#A1>x</A><BR>\r\n</UL>\r\n"
                   "<A HREF=#B>One</A><BR>\r\n<UL>\r\n<A HREF=#B1>a</A><BR>\r\n</UL>\r\n<A "
                   "HREF=#C>Two</A><BR>\r\n"
                   " \r\n</UL></UL>\r\n<P><HR>\r\n<H3><A NAME=\"A1\"></A>x</H3>\r\n<h2>low</h2>\r\n"
                   "<H2 ALIGN=CENTER><A NAME=\"B\"></A>One</H2>\r\n<H3 CLASS=\"x\"><A "
                   "NAME=\"B1\"></A>a</H3>\r\n"
                   "<H2><A NAME=\"C\"></A>Two</H2>\r\n"));
        QCOMPARE(r.entries, 4);
        QCOMPARE(r.linkNameCounter, 3);
        QVERIFY(!authoring::tableOfContents(s("<H1>T</h1>\r\n<H2>x</H2>")).hasH1);
        QCOMPARE(authoring::tableOfContents(s("<H1>T</H1>\r\n<H2>a</H2>\r\n<H2>open")).entries, 1);
    }

    // The block never splits what follows "</H1>"; names in use are passed
    // over; an entry holds the heading's text, not its markup; a second run
    // keeps every name unique.
    void contents_keepsMarkupAndLinksWhole() {
        const auto r =
            authoring::tableOfContents(s("<H1>Book</H1><P>Intro <A HREF=#B>see</A>\r\n<H3><A "
                                         "NAME=\"A\"></A>Quiz <I>one</I></H3>\r\n"
                                         "<!-- <H2>old</H2> --><H2>Two</H2>"));
        QVERIFY(r.text.startsWith(s("<H1>Book</H1>\r\n<H2>Contents:</H2>")));
        QVERIFY(r.text.contains(s("<P><HR>\r\n<P>Intro")));
        QVERIFY(r.text.contains(s("<A HREF=#A1>Quiz one</A><BR>")));
        QVERIFY(
            r.text.contains(s("<H3><A NAME=\"A1\"></A><A NAME=\"A\"></A>Quiz <I>one</I></H3>")));
        QVERIFY(r.text.contains(s("<A HREF=#C>Two</A><BR>")) &&
                r.text.contains(s("<!-- <H2>old</H2> -->")));
        QCOMPARE(r.entries, 2);
        const auto second = authoring::tableOfContents(
            authoring::tableOfContents(s("<H1>T</H1>\r\n<H2>One</H2>\r\n")).text);
        QVERIFY(second.text.contains(s("<A HREF=#C>Contents:</A><BR>\r\n<A HREF=#D>One</A>")));
        QVERIFY(second.text.contains(s("<H2><A NAME=\"D\"></A><A NAME=\"B\"></A>One</H2>")));
        QCOMPARE(second.text.count(s("NAME=\"B\"")), 1);
    }

    void contents_namesRunOut() {
        QString doc = s("<H1>T</H1>\r\n");
        for (int i = 1; i <= 53; ++i)
            doc += s("<H2>h") + QString::number(i) + s("</H2>\r\n");
        const auto r = authoring::tableOfContents(doc);
        QVERIFY(r.namesRanOut);
        QCOMPARE(r.entries, 51);
        QVERIFY(r.text.contains(s("<A HREF=#AZ>h51</A>")) && r.text.contains(s("<H2>h52</H2>")));
        QVERIFY(!r.text.contains(s("NAME=\"\"")));
    }

    void tablePreview() {
        // The table taken back from the preview page is the table written into it.
        const QString page = *authoring::tablePreview(tableExample());
        const QString table = *authoring::tableFromPreview(authoring::crLfLines(page));
        QVERIFY(table.startsWith(s("<Table Border=\"1\"\r\n Width=\"90%\"")) &&
                table.endsWith(s("</TR>\r\n</TABLE>\r\n")));
        QCOMPARE(table.count(s("<TD>&nbsp;</TD>")), 6);
        QVERIFY(page.contains(table));
        QVERIFY(!authoring::tableFromPreview(s("<html>nothing</html>")));
        auto t = tableExample();
        t.solidFrame = true;
        t.colors = {s(""), s(""), s("#C0C0C0"), s("#404040")};
        QVERIFY(!authoring::tablePreview(t)->contains(s("bordercolor")));
        for (const char* none : {"0", "x", ""}) {
            t.rows = s(none);
            QVERIFY(!authoring::tablePreview(t));
        }
        const auto colors =
            authoring::templateColors(s("1\n2\n3\n4\n5\n  \"#111111\",x\n7\n#000080\n"));
        QCOMPARE(colors[0], s("#111111"));
        QCOMPARE(colors[1], s("#000080"));
    }

    // Whatever reaches the preview, it holds at most 500 rows of 50 cells.
    void tablePreview_bounded() {
        authoring::TableSpec t = tableExample();
        t.rows = s("99999999999999999999");
        t.columns = s("1e9 columns");
        QCOMPARE(authoring::tablePreview(t)->count(s("<TD>")), 500);
        t.columns = s("70000");
        QCOMPARE(authoring::tablePreview(t)->count(s("<TD>")), 500 * 50);
        QCOMPARE(authoring::heldToMaximum(s(" 600 rows"), 500), std::optional<QString>(s("500")));
        QCOMPARE(authoring::heldToMaximum(s("500"), 500), std::nullopt);
        QCOMPARE(authoring::heldToMaximum(s("-7000"), 500), std::nullopt);
        QCOMPARE(authoring::tableFieldMaximum(authoring::TableField::Width, true), 100);
        QCOMPARE(authoring::leadingNumber(s("  12.5 rows")), 12.5);
    }
};

QTEST_APPLESS_MAIN(TestMarkupCommands)
#include "test_markupcommands.moc"
