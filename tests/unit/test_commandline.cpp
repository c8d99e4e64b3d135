// The command line: start files for the two panes.
#include "shell/commandline.h"

#include <QTest>

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }
const char* const kSearch = "https://www.google.com/search?q=";
} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void readCommandLine_data();
    void readCommandLine();
    void joinArguments_data();
    void joinArguments();
    void joinThenRead_data();
    void joinThenRead();
};

void TestCommandLine::readCommandLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("folder0");
    QTest::addColumn<QString>("file0");
    QTest::addColumn<QString>("box0");
    QTest::addColumn<QString>("folder1");
    QTest::addColumn<QString>("file1");

    const QString search = s(kSearch);
    const QString none;
    auto row = [&](const char* tag, const char* line, const char* folder0, const char* file0,
                   const char* box0, const char* folder1 = "", const char* file1 = "") {
        QTest::newRow(tag) << s(line) << search << s(folder0) << s(file0) << s(box0) << s(folder1)
                           << s(file1);
    };

    row("quotedPathWithBlank_keepsFolder", "\"/My Files/deal.htm\"", "/My Files/", "deal.htm", "deal.htm");
    row("twoNames_onePerPane", "/d/a.htm /e/b.htm", "/d/", "a.htm", "a.htm", "/e/", "b.htm");
    row("anchorThenBlank_stillSeparatesNames", "/d/a.htm#part2 /d/b.htm", "/d/", "a.htm#part2",
        "a.htm#part2", "/d/", "b.htm");
    row("anchorAtEndNoBlank_wholeName", "/d/a.htm#top", "/d/", "a.htm#top", "a.htm#top");
    row("blankBeforeExtension_partOfName", "/d/My Files/a.htm /d/b.htm", "/d/My Files/", "a.htm", "a.htm",
        "/d/", "b.htm");
    row("blanksAroundAndBetween_trimmed", "   /d/a.htm    /d/b.htm  ", "/d/", "a.htm", "a.htm", "/d/",
        "b.htm");
    row("htmlExtension_endsAtBlank", "/d/a.html /d/b.html", "/d/", "a.html", "a.html", "/d/", "b.html");
    row("upperCaseExtension_found", "/D/A.HTM /D/B.TXT", "/D/", "A.HTM", "A.HTM", "/D/", "B.TXT");
    row("txtName_second", "/d/a.htm /d/notes.txt", "/d/", "a.htm", "a.htm", "/d/", "notes.txt");
    row("txtName_alone", "/d/notes.txt", "/d/", "notes.txt", "notes.txt");
    row("txtName_first", "/d/notes.txt /d/b.htm", "/d/", "notes.txt", "notes.txt", "/d/", "b.htm");
    row("thirdName_ignored", "/d/a.htm /d/b.htm /d/c.htm", "/d/", "a.htm", "a.htm", "/d/", "b.htm");
    row("secondWithoutExtension_ignored", "/d/a.htm /d/b.doc", "/d/", "a.htm", "a.htm");
    row("nameWithoutFolder", "a.htm", "", "a.htm", "a.htm");
    row("noHtmOrTxt_noStartFile", "/d/readme.md", "", "", "");
    row("httpAddress_whole", "http://example.com/a b.htm", "", "http://example.com/a b.htm",
        "http://example.com/a b.htm");
    row("httpsAddress_whole", "https://example.com/x.htm#y", "", "https://example.com/x.htm#y",
        "https://example.com/x.htm#y");
    row("quotedHttpAddress_quotesDropped", "\"http://example.com/a b.htm\"", "", "http://example.com/a b.htm",
        "http://example.com/a b.htm");
    // The search address takes the whole line, wherever it stands.
    row("searchAddressAtStart_wholeLine", "https://www.google.com/search?q=1NT opening", "",
        "https://www.google.com/search?q=1NT opening", "");
    row("searchAddressLater_wholeLine", "/d/a.htm https://www.google.com/search?q=x", "",
        "/d/a.htm https://www.google.com/search?q=x", "");
    row("empty_noStartFile", "", "", "", "");
    row("onlyBlanks_noStartFile", "     ", "", "", "");
    row("loneQuote_noStartFile", "\"", "", "", "");
    row("emptyQuotes_noStartFile", "\"\"", "", "", "");
    // An opening quote costs the line its last character, whatever it is.
    row("unbalancedOpeningQuote_lastCharacterDropped", "\"/d/a.htm", "", "", "");
    row("unbalancedOpeningQuote_onlyLastCharacterLost", "\"/d/a.htm x", "/d/", "a.htm", "a.htm");
    row("innerQuotes_removed", "\"/d/\"x\".htm\"", "/d/", "x.htm", "x.htm");

    QTest::newRow("noSearchAddress_namesStillRead")
        << s("/d/a.htm") << QString() << s("/d/") << s("a.htm") << s("a.htm") << none << none;
    QTest::newRow("otherSearchAddress_notTaken")
        << s("/d/a.htm https://www.google.com/search?q=x") << s("https://duckduckgo.com/?q=") << s("/d/")
        << s("a.htm") << s("a.htm") << none << none;
}

void TestCommandLine::readCommandLine() {
    QFETCH(QString, line);
    QFETCH(QString, search);
    QFETCH(QString, folder0);
    QFETCH(QString, file0);
    QFETCH(QString, box0);
    QFETCH(QString, folder1);
    QFETCH(QString, file1);
    const shell::StartFiles start = shell::readCommandLine(line, search);
    QCOMPARE(start.folder[0], folder0);
    QCOMPARE(start.fileName[0], file0);
    QCOMPARE(start.nameBox[0], box0);
    QCOMPARE(start.folder[1], folder1);
    QCOMPARE(start.fileName[1], file1);
    QCOMPARE(start.nameBox[1], file1);
}

void TestCommandLine::joinArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("currentDir");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none_empty") << QStringList() << s("/d") << QString();
    QTest::newRow("absolute_unchanged") << QStringList{s("/d/a.htm")} << s("/e") << s("/d/a.htm");
    QTest::newRow("relative_madeAbsolute") << QStringList{s("a.htm")} << s("/home/u") << s("/home/u/a.htm");
    QTest::newRow("relativeWithDotDot_cleaned")
        << QStringList{s("../x/a.htm")} << s("/home/u/d") << s("/home/u/x/a.htm");
    QTest::newRow("relativeWithAnchor_anchorKept") << QStringList{s("a.htm#top")} << s("/d") << s("/d/a.htm#top");
    QTest::newRow("singleWithBlank_quoted")
        << QStringList{s("/My Files/deal.htm")} << s("/d") << s("\"/My Files/deal.htm\"");
    QTest::newRow("relativeWithBlank_quotedAbsolute")
        << QStringList{s("My File.htm")} << s("/d") << s("\"/d/My File.htm\"");
    QTest::newRow("two_joinedByBlank")
        << QStringList{s("a.htm"), s("/e/b.htm")} << s("/d") << s("/d/a.htm /e/b.htm");
    QTest::newRow("secondWithBlank_allQuoted")
        << QStringList{s("/d/a.htm"), s("/e/My b.htm")} << s("/d") << s("\"/d/a.htm\" \"/e/My b.htm\"");
    QTest::newRow("webAddress_notMadeAbsolute")
        << QStringList{s("https://example.com/a.htm")} << s("/d") << s("https://example.com/a.htm");
    QTest::newRow("fileAddress_isItsPath")
        << QStringList{s("file:///home/u/M%C3%A9mo%20du%20jeu.htm")} << s("/d") << QStringLiteral("\"/home/u/M\u00e9mo du jeu.htm\"");
    QTest::newRow("emptyArgument_skipped") << QStringList{QString(), s("/d/a.htm")} << s("/e") << s("/d/a.htm");
}

void TestCommandLine::joinArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, currentDir);
    QFETCH(QString, expected);
    QCOMPARE(shell::joinArguments(arguments, currentDir), expected);
}

// What the program's arguments turn into after both steps.
void TestCommandLine::joinThenRead_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder0");
    QTest::addColumn<QString>("file0");
    QTest::addColumn<QString>("folder1");
    QTest::addColumn<QString>("file1");
    QTest::newRow("absoluteWithBlank")
        << QStringList{s("/My Files/deal.htm")} << s("/My Files/") << s("deal.htm") << QString() << QString();
    QTest::newRow("relativeWithBlank")
        << QStringList{s("sub dir/a.htm")} << s("/home/u/sub dir/") << s("a.htm") << QString() << QString();
    QTest::newRow("relativeWithBlankThenSecond")
        << QStringList{s("sub dir/a.htm"), s("b.txt")} << s("/home/u/sub dir/") << s("a.htm") << s("/home/u/")
        << s("b.txt");
    QTest::newRow("secondWithBlankAndAccent")
        << QStringList{s("/d/a.htm"), QString::fromUtf8("/e/M\u00e9mo du jeu.htm")} << s("/d/") << s("a.htm")
        << s("/e/") << QString::fromUtf8("M\u00e9mo du jeu.htm");
    QTest::newRow("relativeWithAnchorThenSecond")
        << QStringList{s("a.htm#part2"), s("b.htm")} << s("/home/u/") << s("a.htm#part2") << s("/home/u/")
        << s("b.htm");
    // A letter whose lower case is two characters long (dotted capital I)
    // before the first name's end.
    QTest::newRow("dottedCapitalIBeforeEnd")
        << QStringList{QString::fromUtf8("/İzmir/a.htm"), s("/d/b.htm")} << QString::fromUtf8("/İzmir/")
        << s("a.htm") << s("/d/") << s("b.htm");
    QTest::newRow("dottedCapitalIWithBlank")
        << QStringList{QString::fromUtf8("/İzmir Notes/A.HTM"), s("/d/b.txt")}
        << QString::fromUtf8("/İzmir Notes/") << s("A.HTM") << s("/d/") << s("b.txt");
}

void TestCommandLine::joinThenRead() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder0);
    QFETCH(QString, file0);
    QFETCH(QString, folder1);
    QFETCH(QString, file1);
    const shell::StartFiles start =
        shell::readCommandLine(shell::joinArguments(arguments, s("/home/u")), s(kSearch));
    QCOMPARE(start.folder[0], folder0);
    QCOMPARE(start.fileName[0], file0);
    QCOMPARE(start.folder[1], folder1);
    QCOMPARE(start.fileName[1], file1);
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
