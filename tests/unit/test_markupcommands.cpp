// The authoring commands' logic: tags, colours, paragraphs, links, the frame,
// the table of contents and the table designer's preview.
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
const auto s = [](const char* text) { return QString::fromLatin1(text); };
} // namespace

class TestMarkupCommands : public QObject {
    Q_OBJECT
  private slots:
    // Trailing blanks go outside the tags for the inline commands only; the
    // selection afterwards, from a selection at offset 10.
    void tagsColorsAndFonts() {
        const std::tuple<TagCommand, const char*, const char*, int, int> rows[] = {
            {TagCommand::Bold, "  two  words  ", "<B>two  words</B> ", 13, 10},
            {TagCommand::Italics, "word ", "<I>word</I> ", 22, 0},
            {TagCommand::Header1, "T", "<H1 ALIGN=CENTER>T</H1>", 33, 0}};
        for (const auto& [command, selected, replacement, start, length] : rows) {
            QCOMPARE(authoring::tagReplacement(command, s(selected)), s(replacement));
            const int n = int(strlen(selected));
            const auto done = authoring::tagCommand(command, Selection{10, n}, s(selected));
            QCOMPARE(done.edits.size(), 1);
            QCOMPARE((QList<int>{done.edits[0].start, done.edits[0].length}), (QList<int>{10, n}));
            QCOMPARE(done.after, (Selection{start, length}));
        }
        // Colour codes: red in the low byte, round trip, nothing else read.
        for (int color : {0, 255, 0x0A, 0x123456, 0xFFFFFF})
            QCOMPARE(authoring::colorNumber(authoring::colorCode(color)), color);
        QCOMPARE(authoring::colorCode(int(0x7F0000FF)), s("#FF0000"));
        for (const char* bad : {"", "FF0000", "#GG0000", "#-10000"})
            QVERIFY(!authoring::colorNumber(s(bad)));
        QVERIFY(authoring::htmlFontSize(9.4) == 1 && authoring::htmlFontSize(9.5) == 2 &&
                authoring::htmlFontSize(12.5) == 3 && authoring::htmlFontSize(400) == 8);
        const authoring::FontStyle f{
            .name = s("Georgia"), .points = 48, .bold = true, .strikethrough = true, .color = 255};
        QCOMPARE(authoring::fontMarkup(f, s("S")),
                 s("<FONT FACE=\"Georgia\" SIZE=\"8\" COLOR=\"#FF0000\"><B><S>S</S></B></FONT>"));
        QCOMPARE(authoring::nextHideBlockNumber(0, s("<FONT ID=\"hide1ID\"> hide2ID")), 3);
        QCOMPARE(authoring::nextHideBlockNumber(32767, QString()), std::nullopt);
    }

    void paragraph() {
        const QString page = s("<HTML><HEAD>\r\n\r\n  <TITLE>T</TITLE>\r\n</HEAD>\r\n\r\n  "
                               "\r\n\r\n<TABLE><TR><TD>x\r\n\r\n"
                               "<PRE>a\r\n\r\nb\r\nc</PRE>\r\n\r\n");
        const std::tuple<QString, int, int, QString, int> rows[] = {
            // At the caret: lines joined to the blank line, the tag put once.
            {s("one   \r\n  two \r\nthree\r\n\r\nnext"), 0, 0, s("<P>one two three\r\n\r\nnext"),
             16},
            // Markup keeps its own lines; a block tag in a comment or a script ends nothing.
            {s("a<IMG\r\nSRC=x>\r\n<!-- <P>\r\n -->b\r\n<SCRIPT>x=1\r\n//<H2></SCRIPT>\r\n\r\n"), 0,
             0, s("<P>a<IMG\r\nSRC=x> <!-- <P>\r\n -->b <SCRIPT>x=1\r\n//<H2></SCRIPT>\r\n\r\n"),
             61},
            // Over a selection: each paragraph, a break ending it not joined.
            {s("x\r\none\r\ntwo\r\n\r\nthree\r\nfour\r\n\r\nrest\r\nline"), 3, 23,
             s("x\r\n<P>one two\r\n\r\n<P>three four\r\n\r\nrest\r\nline"), 30},
            // A whole document: the head, tables and preformatted text are no paragraphs.
            {page + s("some\r\ntext"), 0, int(page.size()) + 10, page + s("<P>some text"), 109},
        };
        for (const auto& [text, start, length, expected, caretAfter] : rows) {
            const auto done = authoring::paragraphCommand(text, Selection{start, length});
            QCOMPARE(authoring::applied(text, done), expected);
            QCOMPARE(done.after, (Selection{caretAfter, 0}));
        }
    }

    void anchorsAndLinks() {
        QVERIFY(authoring::anchorName(27) == s("AA") && authoring::anchorName(53).isEmpty());
        // Names in use, in links or anchors, in either case, are passed over
        // ("#CD" does not use "C").
        QCOMPARE(
            authoring::nextAnchorCounter(0, s("<a href=\"#A\">x</a> <A NAME=\"B\"> <A HREF=#CD>")),
            3);
        QVERIFY(!authoring::nextAnchorCounter(51, s("<A HREF=#AZ>")));
        const QString pad(30, QLatin1Char('x'));
        QCOMPARE(authoring::anchorNearCaret(pad + s("<A NAME=intro>"), 31).value_or(QString()),
                 s("intro"));
        // Link Internal's second run: the anchor (never inside the link), the
        // link, the text between.
        auto link = [](const char* text, int anchorAt, int linkAt, int length) {
            const auto plan =
                authoring::placeInternalLink(s(text), anchorAt, linkAt, length, s("A"));
            return authoring::applied(s(text), plan.result);
        };
        QCOMPARE(link("See the answer. Answer here.", 16, 8, 6),
                 s("See the <A HREF=#A>answer</A>. <A NAME=\"A\"></A>Answer here."));
        QCOMPARE(link("ab word cd", 5, 3, 4), s("ab <A NAME=\"A\"></A><A HREF=#A>word</A> cd"));
        QCOMPARE(link("link <H2><A NAME=\"B\"></A>Heading</H2>", 25, 0, 4),
                 s("<A HREF=#B>link</A> <H2><A NAME=\"B\"></A>Heading</H2>"));
    }

    // New File's frame; each page colour changes inside the BODY tag only,
    // never in the title or text.
    void frameAndPageColors() {
        const authoring::PageColorSet colors{
            {QString(), s("#000081"), s("#000082"), s("#000083"), s("#000084"), s("#000085")}};
        const QString frame = authoring::newFileFrame(s("chapter01"), colors);
        QCOMPARE(frame.mid(215, 9), s("<H2></H2>")); // the caret goes between them
        const QString doc = authoring::newFileFrame(s("TEXT LINK BGCOLOR"), colors) +
                            s("The TEXT=\"#123456\" and ALINK=\"#ABCDEF\" here are words.");
        const char* attributes[] = {"", "TEXT", "BGCOLOR", "LINK", "VLINK", "ALINK"};
        for (int slot = 1; slot <= 5; ++slot) {
            QString expected = doc;
            const QString line = s("  ") + s(attributes[slot]) + s("=\"");
            expected.replace(expected.indexOf(line) + line.size(), 7, s("#FF0000"));
            QCOMPARE(authoring::withPageColor(doc, slot, s("#FF0000")).value_or(QString()),
                     expected);
        }
        for (const char* none : {"<HTML><TITLE>TEXT=\"#000000\"</TITLE><BODY>TEXT=\"#000000\"",
                                 "<BODYGUARD TEXT=\"#000000\">"})
            QVERIFY(!authoring::withPageColor(s(none), 1, s("#FF0000")));
        QCOMPARE(*authoring::withPageColor(s("<body bgcolor=white text='#000'>x"), 2, s("#AFFEFE")),
                 s("<body bgcolor=#AFFEFE text='#000'>x"));
    }

    // H2 and H3 headings (upper case only) named, listed and nested.
    void contents_keepsMarkupAndLinksWhole() {
        const auto r = authoring::tableOfContents(
            s("<H1>Title</H1>\r\n<H3>x</H3>\r\n<h2>low</h2>\r\n<H2 ALIGN=CENTER>One</H2>\r\n<H3 "
              "CLASS=\"x\">a</H3>\r\n<H2>Two</H2>\r\n"));
        QCOMPARE(r.text, s("<H1>Title</H1>\r\n\r\n<H2>Contents:</H2>\r\n<UL>\r\n<UL>\r\n"
                           "<A HREF=#A1>x</A><BR>\r\n</UL>\r\n<A HREF=#B>One</A><BR>\r\n<UL>\r\n"
                           "<A HREF=#B1>a</A><BR>\r\n</UL>\r\n<A HREF=#C>Two</A><BR>\r\n \r\n"
                           "</UL></UL>\r\n<P><HR>\r\n<H3><A NAME=\"A1\"></A>x</H3>\r\n<h2>low</h2>"
                           "\r\n<H2 ALIGN=CENTER><A NAME=\"B\"></A>One</H2>\r\n<H3 CLASS=\"x\">"
                           "<A NAME=\"B1\"></A>a</H3>\r\n<H2><A NAME=\"C\"></A>Two</H2>\r\n"));
        QVERIFY(r.hasH1 && r.entries == 4 && r.linkNameCounter == 3);
        QVERIFY(!authoring::tableOfContents(s("<H1>T</h1>\r\n<H2>x</H2>")).hasH1);
        QCOMPARE(authoring::tableOfContents(s("<H1>T</H1>\r\n<H2>a</H2>\r\n<H2>open")).entries, 1);
        // The names run out at AZ: the rest stay unnamed and unlisted.
        QString doc = s("<H1>T</H1>\r\n");
        for (int i = 1; i <= 53; ++i)
            doc += s("<H2>h") + QString::number(i) + s("</H2>\r\n");
        const auto many = authoring::tableOfContents(doc);
        QVERIFY(many.namesRanOut && many.entries == 51);
        QVERIFY(many.text.contains(s("<A HREF=#AZ>h51</A>")) &&
                many.text.contains(s("<H2>h52</H2>")) && !many.text.contains(s("NAME=\"\"")));
        // The block never splits what follows "</H1>"; names in use are passed
        // over; an entry holds the heading's text, not its markup; a second run
        // keeps every name unique.
        const auto kept =
            authoring::tableOfContents(s("<H1>Book</H1><P>Intro <A HREF=#B>see</A>\r\n<H3><A "
                                         "NAME=\"A1\"></A>Quiz <I>one</I></H3>\r\n"
                                         "<!-- <H2>old</H2> --><H2>Two</H2>"));
        const QString once = authoring::tableOfContents(s("<H1>T</H1>\r\n<H2>One</H2>\r\n")).text;
        const QString twice = authoring::tableOfContents(once).text;
        QVERIFY(kept.text.startsWith(s("<H1>Book</H1>\r\n<H2>Contents:</H2>")) &&
                kept.entries == 2);
        for (const char* piece : {"<P><HR>\r\n<P>Intro", "<A HREF=#A2>Quiz one</A><BR>",
                                  "<H3><A NAME=\"A2\"></A><A NAME=\"A1\"></A>Quiz <I>one</I></H3>",
                                  "<A HREF=#C>Two</A><BR>", "<!-- <H2>old</H2> -->"})
            QVERIFY2(kept.text.contains(s(piece)), piece);
        QVERIFY(twice.contains(s("<A HREF=#C>Contents:</A><BR>\r\n<A HREF=#D>One</A>")) &&
                twice.contains(s("<H2><A NAME=\"D\"></A><A NAME=\"B\"></A>One</H2>")) &&
                twice.count(s("NAME=\"B\"")) == 1);
    }

    // The table taken back from the preview page is the table written into
    // it; whatever reaches the preview, it holds at most 500 rows of 50 cells.
    void tablePreview_bounded() {
        authoring::TableSpec t;
        t.rows = s("2"), t.columns = s("3"), t.border = s("1"), t.width = s("90");
        t.colors[0] = s("#FFFFFF");
        const QString page = *authoring::tablePreview(t);
        const QString table = *authoring::tableFromPreview(authoring::crLfLines(page));
        QVERIFY(table.startsWith(s("<Table Border=\"1\"\r\n Width=\"90%\"")) &&
                table.endsWith(s("</TR>\r\n</TABLE>\r\n")) && page.contains(table));
        QCOMPARE(table.count(s("<TD>&nbsp;</TD>")), 6);
        t.rows = s("0 rows");
        QVERIFY(!authoring::tablePreview(t));
        t.rows = s("99999999999999999999");
        t.columns = s("1e9 columns");
        QCOMPARE(authoring::tablePreview(t)->count(s("<TD>")), 500);
        t.columns = s("70000");
        QCOMPARE(authoring::tablePreview(t)->count(s("<TD>")), 500 * 50);
        QVERIFY(authoring::heldToMaximum(s(" 600 rows"), 500) == s("500") &&
                !authoring::heldToMaximum(s("-7000"), 500));
    }
};

QTEST_APPLESS_MAIN(TestMarkupCommands)
#include "test_markupcommands.moc"
