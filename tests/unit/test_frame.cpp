// The document frame of New File and HTML Start-End, the title rule, the
// page-colour update inside the BODY tag and the colour numbers.
#include "authoring/frame.h"

#include <QTest>

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
} // namespace

class TestFrame : public QObject {
    Q_OBJECT
  private slots:
    void newFileFrame_byteForByte();
    void newFileTitle_data();
    void newFileTitle();
    void startEnd_headTailAndHeaderTest();
    void pageColor_eachSlotInsideBody_notTheTitle();
    void pageColor_withoutBodyAttribute_unchanged();
    void pageColor_valueOfAnyLengthReplaced();
    void colorNumber_roundTrip();
};

void TestFrame::newFileFrame_byteForByte() {
    const QString frame = authoring::newFileFrame(s("chapter01"), defaults());
    const char* expected = "<HTML><HEAD>\r\n"
                           "<TITLE>chapter01</TITLE>\r\n"
                           "</HEAD>\r\n"
                           "<BODY\r\n"
                           "  TEXT=\"#000080\"\r\n"
                           "  BGCOLOR=\"#AFFEFE\"\r\n"
                           "  LINK=\"#1C8E1F\"\r\n"
                           "  VLINK=\"#7C2C76\"\r\n"
                           "  ALINK=\"#F00000\"\r\n"
                           ">\r\n"
                           "<CENTER>\r\n"
                           "<H1>chapter01</H1>\r\n"
                           "\r\n"
                           "<TABLE WIDTH=90%><TR><TD>\r\n"
                           "\r\n"
                           "<H2></H2>\r\n"
                           "<P>\r\n"
                           "\r\n"
                           "<H2></H2>\r\n"
                           "<P>\r\n"
                           "\r\n"
                           "\r\n"
                           "\r\n"
                           "</TD></TR></TABLE>\r\n"
                           "<A NAME=\"EndOfFile\"></A>\r\n"
                           "<P></BODY></HTML>\r\n";
    QCOMPARE(frame, s(expected));
    QCOMPARE(frame.count(s("\r\n")), 26);
    // The caret New File leaves lies between the first "<H2>" and "</H2>".
    QCOMPARE(frame.mid(215, 4), s("<H2>"));
    QCOMPARE(frame.mid(219, 5), s("</H2>"));
}

void TestFrame::newFileTitle_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("htm") << s("notes.htm") << s("notes");
    QTest::newRow("html") << s("notes.html") << s("notes");
    QTest::newRow("txt_keepsExtension") << s("notes.txt") << s("notes.txt");
    QTest::newRow("HTM_upper_kept") << s("notes.HTM") << s("notes.HTM");
    QTest::newRow("anyFourLetterExtension") << s("notes.text") << s("notes");
    QTest::newRow("noExtension") << s("notes") << s("notes");
    QTest::newRow("short") << s("a.b") << s("a.b");
    QTest::newRow("onlyExtension") << s(".html") << s("");
}

void TestFrame::newFileTitle() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(authoring::newFileTitle(name), title);
}

void TestFrame::startEnd_headTailAndHeaderTest() {
    const QString head = authoring::startEndHead(s("a.txt"), defaults());
    QVERIFY(head.startsWith(
        s("<HTML><HEAD>\r\n<TITLE>a.txt</TITLE>\r\n</HEAD>\r\n<BODY\r\n  TEXT=\"#000080\"\r\n")));
    QVERIFY(head.endsWith(
        s("  ALINK=\"#F00000\"\r\n>\r\n<CENTER>\r\n<TABLE WIDTH=90%><TR><TD>\r\n\r\n")));
    QVERIFY(!head.contains(s("<H1>")));
    QCOMPARE(authoring::startEndTail(),
             s("\r\n\r\n<A NAME=\"EndOfFile\">\r\n</TD></TR></TABLE>\r\n<P></BODY></HTML>"));
    QVERIFY(!authoring::startEndTail().contains(s("</A>")));
    QVERIFY(authoring::hasHtmlHeaders(s("<html><body>")));
    QVERIFY(authoring::hasHtmlHeaders(s("<HTML>")));
    QVERIFY(!authoring::hasHtmlHeaders(s(" <HTML>")));
    QVERIFY(!authoring::hasHtmlHeaders(s("\r\n<HTML>")));
    QVERIFY(!authoring::hasHtmlHeaders(s("<HTML")));
}

void TestFrame::pageColor_eachSlotInsideBody_notTheTitle() {
    // "TEXT", "LINK" and "BGCOLOR" stand in the title and the body text too.
    const QString doc = authoring::newFileFrame(s("TEXT LINK BGCOLOR"), defaults()) +
                        s("The TEXT=\"#123456\" and ALINK=\"#ABCDEF\" here are words.");
    const char* names[] = {"", "TEXT", "BGCOLOR", "LINK", "VLINK", "ALINK"};
    for (int slot = 1; slot <= 5; ++slot) {
        const auto out = authoring::withPageColor(doc, slot, s("#FF0000"));
        QVERIFY(out);
        QString expected = doc;
        const QString line = s("  ") + s(names[slot]) + s("=\"");
        const qsizetype at = expected.indexOf(line) + line.size();
        expected.replace(at, 7, s("#FF0000"));
        QCOMPARE(*out, expected);
    }
}

void TestFrame::pageColor_withoutBodyAttribute_unchanged() {
    QVERIFY(!authoring::withPageColor(
        s("<HTML><TITLE>TEXT=\"#000000\"</TITLE><BODY>TEXT=\"#000000\""), 1, s("#FF0000")));
    QVERIFY(!authoring::withPageColor(s("No body at all. LINK=\"#000000\""), 3, s("#FF0000")));
    // VLINK is not LINK.
    QVERIFY(!authoring::withPageColor(s("<BODY VLINK=\"#000000\">"), 3, s("#FF0000")));
    // A BODYGUARD tag is not the BODY tag.
    QVERIFY(!authoring::withPageColor(s("<BODYGUARD TEXT=\"#000000\">"), 1, s("#FF0000")));
}

void TestFrame::pageColor_valueOfAnyLengthReplaced() {
    QCOMPARE(*authoring::withPageColor(s("<body bgcolor=white text='#000'>x"), 2, s("#AFFEFE")),
             s("<body bgcolor=#AFFEFE text='#000'>x"));
    QCOMPARE(*authoring::withPageColor(s("<body bgcolor=white text='#000'>x"), 1, s("#000080")),
             s("<body bgcolor=white text='#000080'>x"));
}

void TestFrame::colorNumber_roundTrip() {
    QCOMPARE(authoring::colorNumber(s("#FF0000")), 255);
    QCOMPARE(authoring::colorNumber(s("#0000FF")), 16711680);
    QCOMPARE(authoring::colorNumber(s("#563412")), 0x123456);
    QVERIFY(!authoring::colorNumber(s("")));
    QVERIFY(!authoring::colorNumber(s("FF0000")));
    QVERIFY(!authoring::colorNumber(s("#GG0000")));
    QVERIFY(!authoring::colorNumber(s("#-10000")));
}

QTEST_APPLESS_MAIN(TestFrame)
#include "test_frame.moc"
