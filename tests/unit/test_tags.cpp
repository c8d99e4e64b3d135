// The tag commands' replacement strings and the selection they leave; the
// colour code and the font tag.
#include "authoring/hideblock.h"
#include "authoring/tags.h"

#include <QTest>

using authoring::Selection;
using authoring::TagCommand;

Q_DECLARE_METATYPE(TagCommand)

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }
} // namespace

class TestTags : public QObject {
    Q_OBJECT
private slots:
    void replacement_data();
    void replacement();
    void selectionAfter_data();
    void selectionAfter();
    void colorCode_data();
    void colorCode();
    void fontSize_data();
    void fontSize();
    void fontMarkup_nestsEffectsInsideFont();
    void hideBlock_isFifteenLinesAroundTheText();
    void hideBlockNumber_skipsNumbersInUse();
};

void TestTags::replacement_data() {
    QTest::addColumn<TagCommand>("command");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bold") << TagCommand::Bold << s("word") << s("<B>word</B>");
    QTest::newRow("bold_empty") << TagCommand::Bold << QString() << s("<B></B>");
    QTest::newRow("bold_trailingSpace") << TagCommand::Bold << s("word ") << s("<B>word</B> ");
    QTest::newRow("bold_twoWordsTwoSpacesAround")
        << TagCommand::Bold << s("  two  words  ") << s("<B>two  words</B> ");
    QTest::newRow("bold_onlySpaces") << TagCommand::Bold << s("   ") << s("<B></B> ");
    QTest::newRow("bold_leadingSpaceOnly_untouched") << TagCommand::Bold << s(" word") << s("<B> word</B>");
    QTest::newRow("bold_tabAndBreakStayInside") << TagCommand::Bold << s("a\t\r\n") << s("<B>a\t\r\n</B>");
    QTest::newRow("italics_trailingSpace") << TagCommand::Italics << s("word ") << s("<I>word</I> ");
    QTest::newRow("superscript") << TagCommand::Superscript << s("nd") << s("<SUP>nd</SUP>");
    QTest::newRow("subscript_trailingSpace") << TagCommand::Subscript << s("2 ") << s("<SUB>2</SUB> ");
    QTest::newRow("underline_neverTrims") << TagCommand::Underline << s("word ") << s("<U>word </U>");
    QTest::newRow("pre_neverTrims") << TagCommand::Pre << s("word ") << s("<PRE>word </PRE>");
    QTest::newRow("table_neverTrims") << TagCommand::Table << s("word ") << s("<TABLE>word </TABLE>");
    QTest::newRow("row") << TagCommand::Row << s("x ") << s("<TR>x </TR>");
    QTest::newRow("cell") << TagCommand::Cell << s("x ") << s("<TD VAlign=Top>x </TD>");
    QTest::newRow("header1_centred") << TagCommand::Header1 << s("T ") << s("<H1 ALIGN=CENTER>T </H1>");
    QTest::newRow("header2_plain") << TagCommand::Header2 << s("T") << s("<H2>T</H2>");
    QTest::newRow("header3_plain") << TagCommand::Header3 << s("T") << s("<H3>T</H3>");
    QTest::newRow("break_inFront") << TagCommand::Break << s("x") << s("<BR>x");
    QTest::newRow("indent") << TagCommand::Indent << s("x") << s("<UL><LI>x</LI></UL>");
    QTest::newRow("indentNoBreak")
        << TagCommand::IndentNoBreak << s("x") << s("<BLOCKQUOTE PADDING-LEFT: 5px>\r\nx\r\n</BLOCKQUOTE>");
    QTest::newRow("numberedList_keepsTextAfter")
        << TagCommand::NumberedList << s("x") << s("<OL>\r\n<LI> </LI>\r\n<LI> </LI>\r\n</OL>x");
    QTest::newRow("bulletsNoIndent_dropsSelection")
        << TagCommand::BulletsNoIndent << s("gone")
        << s("<DL>\r\n(Any text you want before the list.)\r\n<LI>...</LI>\r\n<LI>...</LI>\r\n</DL>");
    QTest::newRow("space") << TagCommand::SpecialSpace << s("x") << s("&nbsp;x");
    QTest::newRow("lessThan") << TagCommand::SpecialLessThan << s("x") << s("&lt;x");
    QTest::newRow("greaterThan") << TagCommand::SpecialGreaterThan << s("") << s("&gt;");
    QTest::newRow("alignTop") << TagCommand::AlignTop << s(">") << s(" VAlign=Top>");
    QTest::newRow("width") << TagCommand::Width << s("") << s(" WIDTH=30");
}

void TestTags::replacement() {
    QFETCH(TagCommand, command);
    QFETCH(QString, selected);
    QFETCH(QString, expected);
    QCOMPARE(authoring::tagReplacement(command, selected), expected);
}

void TestTags::selectionAfter_data() {
    QTest::addColumn<TagCommand>("command");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");

    // Selections start at offset 10.
    QTest::newRow("bold_reselectsWord") << TagCommand::Bold << s("word") << 13 << 4;
    QTest::newRow("bold_empty_caretBetweenTags") << TagCommand::Bold << QString() << 13 << 0;
    QTest::newRow("bold_trimmed_selectsTextInsideTags") << TagCommand::Bold << s("  two  words  ") << 13 << 10;
    QTest::newRow("superscript_reselects") << TagCommand::Superscript << s("nd") << 15 << 2;
    QTest::newRow("subscript_reselects") << TagCommand::Subscript << s("2") << 15 << 1;
    QTest::newRow("italics_caretAfterSpace") << TagCommand::Italics << s("word ") << 10 + 12 << 0;
    QTest::newRow("underline_caretAfter") << TagCommand::Underline << s("w") << 10 + 8 << 0;
    QTest::newRow("header1_caretAfter") << TagCommand::Header1 << s("T") << 10 + 23 << 0;
}

void TestTags::selectionAfter() {
    QFETCH(TagCommand, command);
    QFETCH(QString, selected);
    QFETCH(int, start);
    QFETCH(int, length);
    const auto r = authoring::tagCommand(command, Selection{10, int(selected.size())}, selected);
    QCOMPARE(r.edits.size(), 1);
    QCOMPARE(r.edits[0].start, 10);
    QCOMPARE(r.edits[0].length, int(selected.size()));
    QCOMPARE(r.after, (Selection{start, length}));
}

void TestTags::colorCode_data() {
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("code");
    QTest::newRow("red") << 255 << s("#FF0000");
    QTest::newRow("green") << 0x00FF00 << s("#00FF00");
    QTest::newRow("blue") << 16711680 << s("#0000FF");
    QTest::newRow("black") << 0 << s("#000000");
    QTest::newRow("mixed_bytesReversed") << 0x123456 << s("#563412");
    QTest::newRow("smallValue_padded") << 0x0A << s("#0A0000");
    QTest::newRow("highBitsIgnored") << int(0x7F0000FF) << s("#FF0000");
}

void TestTags::colorCode() {
    QFETCH(int, color);
    QFETCH(QString, code);
    QCOMPARE(authoring::colorCode(color), code);
}

void TestTags::fontSize_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("size");
    QTest::newRow("9.4") << 9.4 << 1;
    QTest::newRow("9.5_roundsToEven10") << 9.5 << 2;
    QTest::newRow("10") << 10.0 << 2;
    QTest::newRow("11") << 11.0 << 2;
    QTest::newRow("11.5_roundsToEven12") << 11.5 << 3;
    QTest::newRow("12.5_roundsToEven12") << 12.5 << 3;
    QTest::newRow("14") << 14.0 << 3;
    QTest::newRow("15") << 15.0 << 4;
    QTest::newRow("17") << 17.0 << 4;
    QTest::newRow("18") << 18.0 << 5;
    QTest::newRow("23") << 23.0 << 5;
    QTest::newRow("24") << 24.0 << 6;
    QTest::newRow("35") << 35.0 << 6;
    QTest::newRow("36") << 36.0 << 7;
    QTest::newRow("47") << 47.0 << 7;
    QTest::newRow("47.5_roundsTo48") << 47.5 << 8;
    QTest::newRow("48") << 48.0 << 8;
    QTest::newRow("400") << 400.0 << 8;
    QTest::newRow("zero") << 0.0 << 1;
}

void TestTags::fontSize() {
    QFETCH(double, points);
    QFETCH(int, size);
    QCOMPARE(authoring::htmlFontSize(points), size);
}

void TestTags::fontMarkup_nestsEffectsInsideFont() {
    authoring::FontStyle f;
    f.name = s("Georgia");
    f.points = 11;
    f.bold = true;
    f.italic = true;
    QCOMPARE(authoring::fontMarkup(f, s("S")),
             s("<FONT FACE=\"Georgia\" SIZE=\"2\" COLOR=\"#000000\"><B><I>S</I></B></FONT>"));

    f.points = 48;
    f.underline = true;
    f.strikethrough = true;
    f.color = 255;
    QCOMPARE(authoring::fontMarkup(f, QString()),
             s("<FONT FACE=\"Georgia\" SIZE=\"8\" COLOR=\"#FF0000\"><B><I><U><S></S></U></I></B></FONT>"));

    f.bold = f.italic = f.underline = false;
    QCOMPARE(authoring::fontMarkup(f, s("x")),
             s("<FONT FACE=\"Georgia\" SIZE=\"8\" COLOR=\"#FF0000\"><S>x</S></FONT>"));
    QCOMPARE(authoring::colorMarkup(16711680, s("x")), s("<FONT COLOR=\"#0000FF\">x</FONT>"));
}

void TestTags::hideBlock_isFifteenLinesAroundTheText() {
    const QString block = authoring::hideBlock(3, s("Answer\r\nline two & <b>"));
    const QStringList lines = block.split(s("\r\n"));
    // 15 lines of construct, the text's own break adds one; each ends in CR LF.
    QCOMPARE(lines.size(), 17);
    QVERIFY(lines.last().isEmpty());
    QCOMPARE(lines[0], s("<BR><Span onClick=\"hide3ID.style.display=''\">"));
    QCOMPARE(lines[1], s("<FONT COLOR=GREEN STYLE=\"cursor:hand\">"));
    QCOMPARE(lines[3], s("[[[put prompt here]]]"));
    QCOMPARE(lines[5], s("</FONT></SPAN> "));
    QCOMPARE(lines[6], QString());
    QCOMPARE(lines[7], s("<FONT ID=\"hide3ID\" STYLE=\"display:none\" COLOR=BLACK>"));
    QCOMPARE(lines[9],
             s("<SPAN onClick=\"hide3ID.style.display='none'\"><FONT COLOR=RED STYLE=\"cursor:hand\">"));
    QCOMPARE(lines[10], s("&nbsp;&nbsp;&nbsp;<B>(<U>Close</U>)</B>"));
    QCOMPARE(lines[13], s("Answer"));
    QCOMPARE(lines[14], s("line two & <b>")); // not escaped
    QCOMPARE(lines[15], s("<BR></FONT>"));

    const QStringList empty = authoring::hideBlock(1, QString()).split(s("\r\n"));
    QCOMPARE(empty.size(), 16);
    QCOMPARE(empty[13], QString());
}

void TestTags::hideBlockNumber_skipsNumbersInUse() {
    const QString used = s("<FONT ID=\"hide1ID\"> <FONT ID=\"hide2ID\"> hide11ID");
    QCOMPARE(authoring::nextHideBlockNumber(0, used), 3);
    // Counting goes on from the last number taken, even in another document.
    QCOMPARE(authoring::nextHideBlockNumber(3, QString()), 4);
    QCOMPARE(authoring::nextHideBlockNumber(9, used), 10);
    QCOMPARE(authoring::nextHideBlockNumber(10, used), 12);
    QCOMPARE(authoring::nextHideBlockNumber(32767, QString()), std::nullopt);
}

QTEST_APPLESS_MAIN(TestTags)
#include "test_tags.moc"
