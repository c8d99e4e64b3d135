// The window shell's pure logic: command line, configuration file, recent
// files, measures held to the screen, the menu's shortcuts.
#include "shell/commandline.h"
#include "shell/configfile.h"
#include "shell/layout.h"
#include "shell/menutree.h"
#include "shell/monitorlayout.h"
#include "shell/recentfiles.h"

#include <QKeySequence>
#include <QSet>
#include <QTest>
#include <climits>

using shell::ConfigValues;
using shell::ScreenArea;
using shell::StoredGeometry;
using shell::WindowFrame;

namespace {
const auto s = [](const char* text) { return QString::fromUtf8(text); };

// "folder|file folder|file" of both panes' start files.
QString startOf(const QString& commandLine) {
    const shell::StartFiles f =
        shell::readCommandLine(commandLine, s("https://www.google.com/search?q="));
    return f.folder[0] + QLatin1Char('|') + f.fileName[0] + QLatin1Char(' ') + f.folder[1] +
           QLatin1Char('|') + f.fileName[1];
}

QList<int> list(const StoredGeometry& g) {
    return {g.windowLeft, g.windowTop,     g.windowHeight,   g.windowWidth, g.oneWidth,
            g.twoWidth,   g.leftPaneWidth, g.rightPaneWidth, g.paneHeight};
}
const auto all = [](std::int32_t n) { return StoredGeometry{n, n, n, n, n, n, n, n, n}; };
const ScreenArea kScreen{0, 0, 24000, 15000}; // 1600 x 1000 pixels
} // namespace

class TestShell : public QObject {
    Q_OBJECT
  private slots:
    // A command line and the start files read from it.
    void commandLine_joinThenRead() {
        const std::pair<const char*, const char*> rows[] = {
            {"\"/My Files/deal.htm\"", "/My Files/|deal.htm |"},
            {"   /d/a.htm#part2    /e/B.TXT  ", "/d/|a.htm#part2 /e/|B.TXT"},
            {"/d/My Files/a.htm /d/b.htm /d/c.htm", "/d/My Files/|a.htm /d/|b.htm"},
            {"/d/a.htm https://www.google.com/search?q=x",
             "|/d/a.htm https://www.google.com/search?q=x |"},
            {"\"/d/a.htm", "| |"}, // an opening quote costs the line its last character
            {"\"/d/\"x\".htm\"", "/d/|x.htm |"}};
        for (const auto& [line, start] : rows)
            QCOMPARE(startOf(s(line)), s(start));
        // The arguments joined into one line, then read back: relative paths
        // made absolute, names with blanks quoted, file URLs decoded.
        QCOMPARE(shell::joinArguments({s("My File.htm")}, s("/home/u")),
                 s("\"/home/u/My File.htm\""));
        QCOMPARE(shell::joinArguments({s("https://e.com/a.htm"), QString(), s("../x/a.htm#top")},
                                      s("/home/u")),
                 s("https://e.com/a.htm /home/x/a.htm#top"));
        const std::pair<QStringList, const char*> joined[] = {
            {{s("sub dir/a.htm"), s("b.txt")}, "/home/u/sub dir/|a.htm /home/u/|b.txt"},
            {{s("file:///d/M%C3%A9mo%20du%20jeu.htm"), s("a.htm#2")},
             "/d/|Mémo du jeu.htm /home/u/|a.htm#2"},
            // A capital whose small letter is two characters long before the name's end.
            {{s("/İzmir/a.htm"), s("/d/b.htm")}, "/İzmir/|a.htm /d/|b.htm"},
            {{s("/İzmir Notes/A.HTM"), s("/d/b.txt")}, "/İzmir Notes/|A.HTM /d/|b.txt"},
        };
        for (const auto& [args, start] : joined)
            QCOMPARE(startOf(shell::joinArguments(args, s("/home/u"))), s(start));
    }

    // Quotes, commas, lead blanks and UTF-8 names come back; 35 lines, each
    // ended by CR LF; lines past the 35th are ignored.
    void config_writeThenRead() {
        ConfigValues v;
        v.windowTop = -15;
        v.pageColors[4] = s("#000080");
        v.recentFolder[1] = s("  /home/a/lead, blanks/");
        v.recentFile[1] = s("\"quoted\", name.htm");
        v.recentFile[9] = s("♠ Enchères.htm");
        v.openInRight = s("True");
        const QString text = shell::writeConfig(v);
        QVERIFY(text.count(s("\r\n")) == 35 && text.count(QLatin1Char('\n')) == 35);
        ConfigValues read;
        QCOMPARE(shell::readConfig(text + s("junk\r\n 99 \r\n"), read), 35);
        QCOMPARE(shell::writeConfig(read), text);
        QCOMPARE(read.recentFolder[1] + read.recentFile[1] + read.recentFile[9] +
                     read.pageColors[4],
                 v.recentFolder[1] + v.recentFile[1] + v.recentFile[9] + v.pageColors[4]);
        QVERIFY(read.windowTop == -15 && read.openInRight == s("True"));
        // A short file leaves what it has no line for; any line end will do.
        QCOMPARE(shell::readConfig(s("abc\n99999999999\r\n13.5\n 4000 , 5"), read), 4);
        QCOMPARE((QList<int>{read.windowLeft, read.windowTop, read.windowHeight, read.windowWidth}),
                 (QList<int>{0, 0, 14, 4000}));
        QCOMPARE(read.pageColors[4], s("#000080"));
        QVERIFY(shell::readField(s("  \"a, b\", c")) == s("a, b") &&
                shell::readField(s(" False , x")) == s("False"));
    }

    // Too short a name is not listed; the same name (folder not compared)
    // moves up; an anchor is dropped unless a "." follows; ten at most.
    void recentFiles() {
        shell::RecentFiles list;
        auto add = [&](const char* folder, const QString& name) {
            return shell::addToRecentFiles(list, s(folder), name);
        };
        QVERIFY(add("/x/", s("a.htm")) && add("/y/", s("b.htm")) && !add("/d/", s("a.ht")));
        QVERIFY(add("/q/", s("b.htm#top")) && add("/x/", s("A.htm")) &&
                add("/d/", s("x.htm#a.b.htm")));
        QStringList shown;
        for (int k = 0; k <= 10; ++k)
            shown << list.folder[k] + list.file[k];
        QCOMPARE(shown.join(QLatin1Char(' ')).trimmed(),
                 s("/d/x.htm#a.b.htm /x/A.htm /q/b.htm /x/a.htm"));
        for (int i = 1; i <= 11; ++i)
            add("/d/", s("file%1.htm").arg(i));
        QVERIFY(list.file[1] == s("file11.htm") && list.file[10] == s("file2.htm"));
    }

    void storedMeasures_alwaysFit() {
        // A screen reaching left of the primary one keeps that room.
        const StoredGeometry left{-20000, 0, 9000, 9000, 9000, 9000, 0, 0, 0};
        QCOMPARE(list(shell::fitStoredGeometry(left, {-28800, 0, 52800, 16200})), list(left));
        // No screen reported: a 1920 x 1080 stand-in still bounds everything.
        QCOMPARE(list(shell::fitStoredGeometry(all(INT_MAX), {})),
                 list({28800, 16200, 16200, 28800, 28800, 28800, 28800, 28800, 16200}));
        const WindowFrame m = shell::placeOnScreen({20000, 3000, 9000, 8000}, kScreen);
        QCOMPARE((QList<int>{m.left, m.top, m.width, m.height}), (QList<int>{0, 0, 9000, 15000}));
        // Whatever the file held, the window ends inside the screen and the
        // panes inside the window, with no arithmetic overflowing on the way.
        for (const ScreenArea& screen : {kScreen, ScreenArea{-28800, -200, 86400, 16400}})
            for (int v : {INT_MIN, -1, 0, 1, 14999, 15000, 24001, 600000, 2000000000, INT_MAX}) {
                const StoredGeometry g = shell::fitStoredGeometry(all(v), screen);
                for (const WindowFrame& f :
                     {shell::placeOnScreen({g.windowLeft, g.windowTop, g.twoWidth, g.windowHeight},
                                           screen),
                      shell::placeOnScreen({v, v, v, v}, screen)})
                    QVERIFY(f.left >= screen.left && f.top >= screen.top && f.width >= 0 &&
                            f.height >= 0 &&
                            qint64(f.left) + f.width <= qint64(screen.left) + screen.width &&
                            qint64(f.top) + f.height <= qint64(screen.top) + screen.height);
            }
        for (int window : {10001, 24000, 86400, INT_MAX})
            for (int pane : {0, 2999, 4500, 45000, 600000, INT_MAX}) {
                const shell::PaneWidths w = shell::fitPaneWidths(window, {pane, 12000});
                QVERIFY(w.left >= 0 && w.right >= 0);
                // Rounding may give a twip either way.
                QVERIFY(qint64(w.left) + w.right <=
                        qint64(window) - shell::metrics::kTwoPaneMargin + 1);
            }
        // Shared in proportion (in 64 bits); below 30 % and 40 %, half each.
        const shell::PaneWidths wide = shell::fitPaneWidths(150000, {45000, 60000}),
                                half = shell::fitPaneWidths(10000, {2999, 6000});
        QCOMPARE((QList<int>{wide.left, wide.right, half.left, half.right}),
                 (QList<int>{64037, 85383, 4710, 4710}));
    }

    // Headers come before their entries, names are unique, and each shortcut
    // is valid portable text held by one entry only.
    void menuTree_consistent() {
        QSet<QString> keys, headers, shortcuts;
        for (const shell::MenuItem& item : shell::menuTree()) {
            const QString key = QStringLiteral("%1(%2)").arg(item.name).arg(item.index);
            QVERIFY2(!keys.contains(key) &&
                         (item.parent.isEmpty() || headers.contains(item.parent)),
                     qPrintable(key));
            keys.insert(key);
            headers.insert(item.name);
            if (item.shortcut.isEmpty()) continue;
            QVERIFY2(!item.isSeparator() && !shortcuts.contains(item.shortcut), qPrintable(key));
            shortcuts.insert(item.shortcut);
            const auto seq = QKeySequence::fromString(item.shortcut, QKeySequence::PortableText);
            QVERIFY2(seq.count() == 1 && seq.toString(QKeySequence::PortableText) == item.shortcut,
                     qPrintable(key));
        }
        QVERIFY(shortcuts.contains(s("Ctrl+A")) && shortcuts.contains(s("F9")));
    }
};

QTEST_APPLESS_MAIN(TestShell)
#include "test_shell.moc"
