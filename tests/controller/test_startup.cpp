// Start-up, the configuration file and closing, through the controller
// with scripted controls and real files in a temporary folder.
#include "shell/configfile.h"
#include "tests/fakes/viewerharness.h"

#include <QDir>
#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }
QByteArray page(const char* title) { return QByteArray("<HTML><TITLE>") + title + "</TITLE></HTML>"; }
QString invalid(const QString& path) { return qs("The following path and/or file name is invalid:\r") + path; }

// A configuration file of the given lines, each ended by CR LF.
QByteArray configLines(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines) out += l.toUtf8() + "\r\n";
    return out;
}
// The nine numbers of a written configuration file.
struct ConfigValuesCheck {
    std::int32_t numbers[9] = {};
};
ConfigValuesCheck readBack(const QByteArray& bytes) {
    shell::ConfigValues v;
    shell::readConfig(QString::fromUtf8(bytes), v);
    return {{v.windowLeft, v.windowTop, v.windowHeight, v.windowWidth, v.oneWidth, v.twoWidth, v.leftPaneWidth,
             v.rightPaneWidth, v.paneHeight}};
}
} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void noCommandLine_showsHelpPage();
    void noHelpPage_writesPlaceholderPage();
    void twoFiles_showInBothPanes();
    void sameFileTwice_opensSourceEditor();
    void textFileSecond_opensInEditor();
    void quotedPathWithBlank_keepsFolder();
    void anchoredName_testsFileWithoutAnchor();
    void webAddress_isNotTestedOnDisk();
    void missingLeftFile_reportsAndShowsHelp();
    void missingRightFile_reportsAndLeavesPaneEmpty();
    void folderOrOddCommandLines_fallBackToHelp_data();
    void folderOrOddCommandLines_fallBackToHelp();
    void noConfiguration_usesDefaultsAndUsableSize();
    void configurationRoundTrip_keepsEveryField();
    void brokenConfiguration_givesDefaults_data();
    void brokenConfiguration_givesDefaults();
    void shortConfiguration_leavesOptionOff();
    void negativePosition_startsAtZero();
    void offScreenPosition_movesWindowHome();
    void oversizedConfiguration_fitsScreen_data();
    void oversizedConfiguration_fitsScreen();
    void storedWidthPastScreenEdge_checkedAfterWidthApplied();
    void startFile_survivesStoredRecentList();
    void unwritableDataFolder_asksForAnotherPath();
    void unwritableDataFolder_emptyAnswer_writesNothing();
    void cancelledSave_keepsWindowOpen();
    void oldSingleByteConfiguration_isRead();
};

void StartupTest::noCommandLine_showsHelpPage() {
    ViewerHarness h;
    h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), page("Help"));
    auto& v = h.start();
    QCOMPARE(h.browser[0].lastNavigation(), h.data + qs("/Tarnwell_File_Viewer.htm"));
    QCOMPARE(h.nameBox[0].text(), qs("Tarnwell_File_Viewer.htm"));
    QCOMPARE(v.Recent.file[1], qs("Tarnwell_File_Viewer.htm"));
    QCOMPARE(h.window.caption(), qs("Tarnwell File Viewer"));
    QVERIFY(h.window.shown);
    QVERIFY(h.dialogs.messages.empty());
    QCOMPARE(v.ActivePane, 0);
    // Without an edited file the editing menus are off.
    QVERIFY(!h.menu.get(qs("mH")).enabled());
    QVERIFY(!h.browser[1].visible());
}

void StartupTest::noHelpPage_writesPlaceholderPage() {
    ViewerHarness h;
    h.start();
    const QString placeholder = h.data + qs("/temp98765.htm");
    QCOMPARE(h.browser[0].lastNavigation(), placeholder);
    QCOMPARE(h.readFile(placeholder),
             QByteArray("Help file not found.\r\nClick File - Open File to load a file.\r\n"));
}

void StartupTest::twoFiles_showInBothPanes() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), page("A"));
    const QString b = h.writeFile(qs("home/b.htm"), page("B"));
    auto& v = h.start(a + qs(" ") + b);
    QCOMPARE(h.browser[0].lastNavigation(), a);
    QCOMPARE(h.browser[1].lastNavigation(), b);
    QVERIFY(h.browser[1].visible());
    QVERIFY(h.nameBox[1].visible());
    QCOMPARE(h.nameBox[0].text(), qs("a.htm"));
    QCOMPARE(h.nameBox[1].text(), qs("b.htm"));
    QCOMPARE(v.PaneFolder[1], h.home);
    // No stored width: the two panes get the first monitor's width.
    QCOMPARE(h.window.width(), 1600 * 15);
    QVERIFY(h.splitter.visible());
    QVERIFY(v.LeftPaneWidth > 0 && v.RightPaneWidth > 0);
    QCOMPARE(v.LeftPaneWidth + v.RightPaneWidth, h.window.width() - 580);
}

void StartupTest::sameFileTwice_opensSourceEditor() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "<P>one\ntwo</P>\n");
    auto& v = h.start(a + qs(" ") + a);
    QVERIFY(h.text1[1].visible());
    QVERIFY(!h.browser[1].visible());
    QCOMPARE(h.text1[1].text(), qs("<P>one\r\ntwo</P>\r\n"));
    QCOMPARE(v.SavedText[1], h.text1[1].text());
    QCOMPARE(v.RestoreText[0], h.text1[1].text());
    QCOMPARE(v.ActivePane, 1);
    QVERIFY(h.text1[1].focused);
    QCOMPARE(h.text1[1].selStart(), int(h.text1[1].text().size()));
    QVERIFY(h.menu.get(qs("mH")).enabled());
}

void StartupTest::textFileSecond_opensInEditor() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), page("A"));
    const QString notes = h.writeFile(qs("home/notes.txt"), "line 1\nline 2");
    auto& v = h.start(a + qs(" ") + notes);
    QVERIFY(h.text1[1].visible());
    QCOMPARE(h.text1[1].text(), qs("line 1\r\nline 2"));
    QCOMPARE(v.SavedText[1], h.text1[1].text());
    QCOMPARE(h.nameBox[1].text(), qs("notes.txt"));
    QVERIFY(h.browser[1].navigations.isEmpty());
}

void StartupTest::quotedPathWithBlank_keepsFolder() {
    ViewerHarness h;
    const QString deal = h.writeFile(qs("home/My Files/deal.htm"), page("Deal"));
    auto& v = h.start(qs("\"") + deal + qs("\""));
    QCOMPARE(v.PaneFolder[0], h.home + qs("My Files/"));
    QCOMPARE(v.PaneFileName[0], qs("deal.htm"));
    QCOMPARE(h.browser[0].lastNavigation(), deal);
    QVERIFY(h.dialogs.messages.empty());
}

void StartupTest::anchoredName_testsFileWithoutAnchor() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), page("A"));
    const QString b = h.writeFile(qs("home/b.htm"), page("B"));
    auto& v = h.start(a + qs("#part2 ") + b);
    QVERIFY(h.dialogs.messages.empty());
    QCOMPARE(h.browser[0].lastNavigation(), a + qs("#part2"));
    QCOMPARE(v.PaneFileName[1], qs("b.htm"));
    // The recent list keeps the name without its anchor.
    QCOMPARE(v.Recent.file[1], qs("a.htm"));

    // An anchor of more than six characters is part of the tested name.
    ViewerHarness long_;
    const QString x = long_.writeFile(qs("home/x.htm"), page("X"));
    long_.writeFile(qs("data/Tarnwell_File_Viewer.htm"), page("Help"));
    long_.start(x + qs("#abcdefgh"));
    QCOMPARE(long_.dialogs.messageTexts(), QStringList{invalid(x + qs("#abcdefgh"))});
}

void StartupTest::webAddress_isNotTestedOnDisk() {
    ViewerHarness h;
    auto& v = h.start(qs("http://example.com/bridge.htm"));
    QVERIFY(h.dialogs.messages.empty());
    QCOMPARE(h.browser[0].lastNavigation(), qs("http://example.com/bridge.htm"));
    QCOMPARE(v.PaneFolder[0], QString());
    QCOMPARE(h.nameBox[0].text(), qs("http://example.com/bridge.htm"));
}

void StartupTest::missingLeftFile_reportsAndShowsHelp() {
    ViewerHarness h;
    h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), page("Help"));
    const QString missing = h.home + qs("gone.htm");
    auto& v = h.start(missing);
    QCOMPARE(h.dialogs.messageTexts(), QStringList{invalid(missing)});
    QCOMPARE(h.browser[0].lastNavigation(), h.helpPage());
    QCOMPARE(v.PaneFileName[0], qs("Tarnwell_File_Viewer.htm"));
}

void StartupTest::missingRightFile_reportsAndLeavesPaneEmpty() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), page("A"));
    const QString missing = h.home + qs("gone.htm");
    h.start(a + qs(" ") + missing);
    QCOMPARE(h.dialogs.messageTexts(), QStringList{invalid(missing)});
    QVERIFY(h.browser[1].navigations.isEmpty());
    QVERIFY(!h.browser[1].visible());
    QCOMPARE(h.browser[0].lastNavigation(), a);
}

void StartupTest::folderOrOddCommandLines_fallBackToHelp_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("reported");
    QTest::newRow("folder named like a page") << qs("@/folder.htm") << true;
    QTest::newRow("only blanks") << qs("    ") << false;
    QTest::newRow("unbalanced quote") << qs("\"@/a b.htm") << false;
    QTest::newRow("lone quote") << qs("\"") << false;
    QTest::newRow("not a page") << qs("@/picture.png") << false;
    QTest::newRow("hash only") << qs("#.htm") << true;
}

void StartupTest::folderOrOddCommandLines_fallBackToHelp() {
    QFETCH(QString, commandLine);
    QFETCH(bool, reported);
    ViewerHarness h;
    h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), page("Help"));
    QDir().mkpath(h.home + qs("folder.htm"));
    commandLine.replace(qs("@/"), h.home);
    h.start(commandLine);
    QCOMPARE(h.browser[0].lastNavigation(), h.helpPage());
    QCOMPARE(h.dialogs.messages.size(), reported ? 1u : 0u);
    QVERIFY(h.window.shown);
}

void StartupTest::noConfiguration_usesDefaultsAndUsableSize() {
    ViewerHarness h;
    auto& v = h.start();
    QCOMPARE(v.PageColors[1], qs("#000080"));
    QCOMPARE(v.PageColors[2], qs("#AFFEFE"));
    QCOMPARE(v.PageColors[3], qs("#1C8E1F"));
    QCOMPARE(v.PageColors[4], qs("#7C2C76"));
    QCOMPARE(v.PageColors[5], qs("#F00000"));
    QVERIFY(!v.OpenInRight);
    QCOMPARE(h.window.left(), 0);
    QCOMPARE(h.window.top(), 0);
    QCOMPARE(h.window.height(), 10000);
    // Two thirds of the first monitor rather than the narrowest window.
    QCOMPARE(h.window.width(), 16080);
    QCOMPARE(v.PaneHeight, 10000 - 1500);
    QCOMPARE(h.browser[0].width(), 16080 - 430);
}

void StartupTest::configurationRoundTrip_keepsEveryField() {
    ViewerHarness first;
    const QString a = first.writeFile(qs("home/a.htm"), page("A"));
    const QString b = first.writeFile(qs("home/b.htm"), page("B"));
    auto& v = first.start(a + qs(" ") + b);
    first.window.setLeft(1500);
    first.window.setTop(300);
    first.window.setWidth(20000);
    first.window.setHeight(12000);
    v.Form_Resize();
    v.PageColors[3] = qs("#123456");
    v.WidthBeforeEdit = 13000;
    first.menu.choose(qs("mOpenRight"));
    first.menu.choose(qs("mExit"));
    QVERIFY(first.window.closed);

    const QByteArray written = first.readFile(first.configPath());
    QCOMPARE(written.count("\r\n"), 35);
    QVERIFY(written.startsWith(" 1500 \r\n 300 \r\n 12000 \r\n 20000 \r\n 13000 \r\n 20000 \r\n"));
    QVERIFY(written.endsWith("True\r\n"));

    ViewerHarness second;
    second.writeFile(qs("data/VontrelFileViewer.cfg"), written);
    second.writeFile(qs("data/Tarnwell_File_Viewer.htm"), page("Help"));
    auto& w = second.start();
    QCOMPARE(w.WindowLeft, 1500);
    QCOMPARE(w.WindowTop, 300);
    QCOMPARE(second.window.height(), 12000);
    QCOMPARE(w.EditWidth, 20000);
    QCOMPARE(w.LeftPaneWidth, v.LeftPaneWidth);
    QCOMPARE(w.RightPaneWidth, v.RightPaneWidth);
    QCOMPARE(w.PageColors[3], qs("#123456"));
    QVERIFY(w.OpenInRight);
    QVERIFY(second.menu.get(qs("mOpenRight")).checked());
    // One pane now: the stored one-pane width applies.
    QCOMPARE(second.window.width(), 13000);
    // The stored list follows the start file, which comes first.
    QCOMPARE(w.Recent.file[1], qs("Tarnwell_File_Viewer.htm"));
    QCOMPARE(w.Recent.file[2], qs("a.htm"));
    QCOMPARE(w.Recent.folder[2], first.home);
    QCOMPARE(second.menu.get(qs("mRecent"), 2).caption(), qs("a.htm (") + first.home + qs(")"));
    QVERIFY(second.menu.get(qs("mRecent"), 0).visible());
}

void StartupTest::brokenConfiguration_givesDefaults_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01\x02\r\n\x89PNG\x00\x00", 12);
    QTest::newRow("words for numbers") << configLines({qs("left"), qs("top"), qs("tall"), qs("wide")});
    QTest::newRow("huge numbers") << configLines({qs("99999999999"), qs("1e300"), qs("-99999999999")});
    QTest::newRow("long line") << QByteArray(200000, 'x');
}

void StartupTest::brokenConfiguration_givesDefaults() {
    QFETCH(QByteArray, contents);
    ViewerHarness h;
    h.writeFile(qs("data/VontrelFileViewer.cfg"), contents);
    auto& v = h.start();
    QCOMPARE(v.PageColors[1], qs("#000080"));
    QCOMPARE(v.WindowLeft, 0);
    QCOMPARE(h.window.height(), 10000);
    QVERIFY(h.window.width() > 10000);
    QVERIFY(!v.OpenInRight);
    QVERIFY(h.dialogs.messages.empty());
}

void StartupTest::shortConfiguration_leavesOptionOff() {
    ViewerHarness h;
    QStringList lines = {qs(" 100 "), qs(" 200 "), qs(" 9000 "), qs(" 15000 "), qs(" 14000 ")};
    h.writeFile(qs("data/VontrelFileViewer.cfg"), configLines(lines));
    auto& v = h.start();
    QCOMPARE(v.WindowLeft, 100);
    QCOMPARE(h.window.top(), 200);
    QCOMPARE(h.window.height(), 9000);
    QCOMPARE(h.window.width(), 14000);
    QVERIFY(!v.OpenInRight);

    // Line 35 holding anything but "False" turns the option on.
    ViewerHarness full;
    QStringList all(35);
    full.writeFile(qs("data/VontrelFileViewer.cfg"), configLines(all));
    QVERIFY(full.start().OpenInRight);
}

void StartupTest::negativePosition_startsAtZero() {
    ViewerHarness h;
    h.writeFile(qs("data/VontrelFileViewer.cfg"),
                configLines({qs("-3000 "), qs("-200 "), qs(" 9000 "), qs(" 9000 "), qs(" 9000 ")}));
    auto& v = h.start();
    QCOMPARE(v.WindowLeft, 0);
    QCOMPARE(v.WindowTop, 0);
    QCOMPARE(h.window.left(), 0);
}

void StartupTest::offScreenPosition_movesWindowHome() {
    ViewerHarness h;
    h.writeFile(qs("data/VontrelFileViewer.cfg"),
                configLines({qs(" 30000 "), qs(" 3000 "), qs(" 9000 "), qs(" 9000 "), qs(" 9000 ")}));
    auto& v = h.start();
    QCOMPARE(h.window.left(), 0);
    QCOMPARE(h.window.top(), 0);
    QCOMPARE(h.window.height(), 1000 * 15);
    QCOMPARE(v.WindowLeft, 0);
}

void StartupTest::oversizedConfiguration_fitsScreen_data() {
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<bool>("twoPanes");
    const QStringList huge(9, qs(" 2000000000 "));
    const QStringList large(9, qs(" 600000 "));
    const QStringList max(9, qs(" 2147483647 "));
    // Three 1920 x 1080 monitors side by side, the window on the third.
    const QStringList desk = {qs(" 57600 "), qs(" 600 "), qs(" 15000 "), qs(" 86400 "), qs(" 86400 "),
                              qs(" 86400 "), qs(" 40000 "), qs(" 45000 "), qs(" 13500 ")};
    QTest::newRow("twoBillion_onePane") << huge << false;
    QTest::newRow("twoBillion_twoPanes") << huge << true;
    QTest::newRow("sixHundredThousand_onePane") << large << false;
    QTest::newRow("sixHundredThousand_twoPanes") << large << true;
    QTest::newRow("int32Max_twoPanes") << max << true;
    QTest::newRow("threeMonitorDesk_onePane") << desk << false;
    QTest::newRow("threeMonitorDesk_twoPanes") << desk << true;
}

// Whatever sizes the file holds, the window and every pane fit the one
// 1600 x 1000 pixel screen, and so does what is written back.
void StartupTest::oversizedConfiguration_fitsScreen() {
    QFETCH(QStringList, numbers);
    QFETCH(bool, twoPanes);
    ViewerHarness h;
    h.writeFile(qs("data/VontrelFileViewer.cfg"), configLines(numbers));
    const QString a = h.writeFile(qs("home/a.htm"), page("A"));
    const QString b = h.writeFile(qs("home/b.htm"), page("B"));
    auto& v = h.start(twoPanes ? a + qs(" ") + b : a);
    const int screenWidth = 1600 * 15, screenHeight = 1000 * 15;
    QVERIFY(h.window.left() >= 0 && h.window.top() >= 0);
    QVERIFY(h.window.width() > 0 && h.window.height() > 0);
    QVERIFY2(h.window.left() + h.window.width() <= screenWidth, qPrintable(QString::number(h.window.width())));
    QVERIFY(h.window.top() + h.window.height() <= screenHeight);
    for (const int width : {v.LeftPaneWidth, v.RightPaneWidth, v.WidthBeforeEdit, v.EditWidth, h.browser[0].width(),
                            h.browser[1].width(), h.text1[1].width(), h.nameBox[0].width()})
        QVERIFY2(width <= screenWidth, qPrintable(QString::number(width)));
    QVERIFY(v.PaneHeight <= screenHeight && h.browser[0].height() <= screenHeight);
    if (twoPanes) QVERIFY(v.LeftPaneWidth + v.RightPaneWidth <= h.window.width() - 580);

    h.window.close();
    ConfigValuesCheck written = readBack(h.readFile(h.configPath()));
    for (const std::int32_t n : written.numbers) QVERIFY2(n >= 0 && n <= screenWidth, qPrintable(QString::number(n)));
}

// The position is checked with the width the window gets: a stored left of
// 14000 fits the narrow window the program had before, not the 16000 wide
// one stored.
void StartupTest::storedWidthPastScreenEdge_checkedAfterWidthApplied() {
    ViewerHarness h;
    h.writeFile(qs("data/VontrelFileViewer.cfg"),
                configLines({qs(" 14000 "), qs(" 3000 "), qs(" 9000 "), qs(" 16000 "), qs(" 16000 ")}));
    auto& v = h.start();
    QCOMPARE(h.window.width(), 16000);
    QCOMPARE(h.window.left(), 0);
    QCOMPARE(h.window.top(), 0);
    QCOMPARE(h.window.height(), 15000);
    QCOMPARE(v.WindowLeft, 0);
}

void StartupTest::startFile_survivesStoredRecentList() {
    ViewerHarness h;
    QStringList lines(35);
    for (int i = 0; i < 10; ++i) {
        lines[14 + 2 * i] = h.home;
        lines[15 + 2 * i] = qs("stored%1.htm").arg(i + 1);
    }
    lines[34] = qs("False");
    h.writeFile(qs("data/VontrelFileViewer.cfg"), configLines(lines));
    const QString a = h.writeFile(qs("home/a.htm"), page("A"));
    auto& v = h.start(a);
    QCOMPARE(v.Recent.file[1], qs("a.htm"));
    QCOMPARE(v.Recent.file[2], qs("stored1.htm"));
    QCOMPARE(v.Recent.file[10], qs("stored9.htm"));
    QCOMPARE(h.menu.get(qs("mRecent"), 1).caption(), qs("a.htm (") + h.home + qs(")"));
    QCOMPARE(h.menu.get(qs("mRecent"), 10).caption(), qs("stored9.htm (") + h.home + qs(")"));
    QVERIFY(h.menu.get(qs("mRecent"), 10).visible());
    QVERIFY(!v.OpenInRight);
}

void StartupTest::unwritableDataFolder_asksForAnotherPath() {
    ViewerHarness h;
    auto& v = h.start();
    const QString bad = h.dir.path() + qs("/no/such/folder");
    v.DataFolder = bad;
    const QString good = h.dir.path() + qs("/elsewhere");
    QDir().mkpath(good);
    h.dialogs.inputs.push_back(h.dir.path() + qs("/still/missing"));
    h.dialogs.inputs.push_back(good + qs("/"));
    h.window.close();
    QVERIFY(h.window.closed);
    QCOMPARE(h.dialogs.prompts.size(), 2);
    QCOMPARE(h.dialogs.prompts[0], qs("Bad path: ") + bad + qs("/VontrelFileViewer.cfg\rEnter another path:|"));
    QCOMPARE(h.readFile(good + qs("/VontrelFileViewer.cfg")).count("\r\n"), 35);
}

void StartupTest::unwritableDataFolder_emptyAnswer_writesNothing() {
    ViewerHarness h;
    auto& v = h.start();
    v.DataFolder = h.dir.path() + qs("/no/such/folder");
    h.dialogs.inputs.push_back(std::nullopt);
    h.window.close();
    QVERIFY(h.window.closed);
    QCOMPARE(h.dialogs.prompts.size(), 1);
    QVERIFY(!QFileInfo::exists(h.configPath()));
}

void StartupTest::cancelledSave_keepsWindowOpen() {
    ViewerHarness h;
    const QString a = h.writeFile(qs("home/a.htm"), "<P>text</P>");
    h.start(a + qs(" ") + a);
    h.text1[1].setText(qs("<P>changed</P>"));
    h.dialogs.answers.push_back(Answer::Cancel);
    h.window.close();
    QVERIFY(!h.window.closed);
    QCOMPARE(h.dialogs.messageTexts(), QStringList{qs("Save changes to a.htm?")});
    QVERIFY(!QFileInfo::exists(h.configPath()));
    QCOMPARE(h.readFile(a), QByteArray("<P>text</P>"));

    // No: closes without saving the file, but keeps the settings.
    h.dialogs.answers.push_back(Answer::No);
    h.window.close();
    QVERIFY(h.window.closed);
    QCOMPARE(h.readFile(a), QByteArray("<P>text</P>"));
    QVERIFY(QFileInfo::exists(h.configPath()));
}

void StartupTest::oldSingleByteConfiguration_isRead() {
    ViewerHarness h;
    QStringList lines(35);
    lines[14] = h.home;
    lines[15] = qs("caf\u00e9.htm");
    lines[34] = qs("False");
    QByteArray bytes;
    for (const QString& l : lines) bytes += l.toLatin1() + "\r\n"; // one byte a character
    h.writeFile(qs("data/VontrelFileViewer.cfg"), bytes);
    h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), page("Help"));
    auto& v = h.start();
    QCOMPARE(v.Recent.file[2], qs("caf\u00e9.htm"));
    // Written back as UTF-8.
    h.window.close();
    QVERIFY(h.readFile(h.configPath()).contains("caf\xc3\xa9.htm"));
}

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"
