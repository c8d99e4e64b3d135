// The window shell's pure logic: the command line, the configuration file,
// the recent-file list, window and pane measures held to the screen, and the
// menu's shortcuts.
#include "shell/commandline.h"
#include "shell/configfile.h"
#include "shell/layout.h"
#include "shell/menutree.h"
#include "shell/monitorlayout.h"
#include "shell/recentfiles.h"
#include "util/textcodec.h"

#include <QKeySequence>
#include <QSet>
#include <QTest>
#include <climits>

using shell::ConfigValues;
using shell::ScreenArea;
using shell::StoredGeometry;
using shell::WindowFrame;

namespace {
QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}
const QString kSearch = s("https://www.google.com/search?q=");

// "folder|file folder|file" of both panes' start files.
QString startOf(const shell::StartFiles& f) {
    return f.folder[0] + QLatin1Char('|') + f.fileName[0] + QLatin1Char(' ') + f.folder[1] +
           QLatin1Char('|') + f.fileName[1];
}

QStringList fields(const ConfigValues& v) {
    QStringList out;
    for (std::int32_t n : {v.windowLeft, v.windowTop, v.windowHeight, v.windowWidth, v.oneWidth,
                           v.twoWidth, v.leftPaneWidth, v.rightPaneWidth, v.paneHeight})
        out << QString::number(n);
    for (const QString& c : v.pageColors)
        out << c;
    for (int i = 0; i < 10; ++i)
        out << v.recentFolder[i] << v.recentFile[i];
    return out << v.openInRight;
}

StoredGeometry all(std::int32_t n) {
    return {n, n, n, n, n, n, n, n, n};
}
const ScreenArea kScreen{0, 0, 24000, 15000}; // 1600 x 1000 pixels
} // namespace

class TestShell : public QObject {
    Q_OBJECT
  private slots:
    void readCommandLine() {
        const struct {
            const char* line;
            const char* start;
        } rows[] = {
            {"\"/My Files/deal.htm\"", "/My Files/|deal.htm |"},
            {"   /d/a.htm#part2    /e/B.TXT  ", "/d/|a.htm#part2 /e/|B.TXT"},
            {"/d/My Files/a.htm /d/b.htm", "/d/My Files/|a.htm /d/|b.htm"},
            {"/d/notes.txt /d/b.htm /d/c.htm", "/d/|notes.txt /d/|b.htm"},
            {"/d/a.htm /d/b.doc", "/d/|a.htm |"},
            {"/d/readme.md", "| |"},
            {"\"http://example.com/a b.htm\"", "|http://example.com/a b.htm |"},
            {"/d/a.htm https://www.google.com/search?q=x",
             "|/d/a.htm https://www.google.com/search?q=x |"},
            {"\"", "| |"},
            {"\"\"", "| |"},
            {"\"/d/a.htm", "| |"}, // an opening quote costs the line its last character
            {"\"/d/\"x\".htm\"", "/d/|x.htm |"},
        };
        for (const auto& r : rows)
            QCOMPARE(startOf(shell::readCommandLine(s(r.line), kSearch)), s(r.start));
        QCOMPARE(
            shell::readCommandLine(s("https://www.google.com/search?q=1NT"), kSearch).nameBox[0],
            QString());
    }

    void joinArguments() {
        const struct {
            QStringList args;
            const char* joined;
        } rows[] = {
            {{}, ""},
            {{s("../x/a.htm#top")}, "/home/x/a.htm#top"},
            {{s("My File.htm")}, "\"/home/u/My File.htm\""},
            {{s("/d/a.htm"), s("/e/My b.htm")}, "\"/d/a.htm\" \"/e/My b.htm\""},
            {{s("https://example.com/a.htm")}, "https://example.com/a.htm"},
            {{s("file:///home/u/M%C3%A9mo%20du%20jeu.htm")}, "\"/home/u/Mémo du jeu.htm\""},
            {{QString(), s("/d/a.htm")}, "/d/a.htm"},
        };
        for (const auto& r : rows)
            QCOMPARE(shell::joinArguments(r.args, s("/home/u")), s(r.joined));
    }

    // Both steps, as the program's arguments go through them.
    void joinThenRead() {
        const struct {
            QStringList args;
            const char* start;
        } rows[] = {
            {{s("sub dir/a.htm"), s("b.txt")}, "/home/u/sub dir/|a.htm /home/u/|b.txt"},
            {{s("/d/a.htm"), s("/e/Mémo du jeu.htm")}, "/d/|a.htm /e/|Mémo du jeu.htm"},
            {{s("a.htm#part2"), s("b.htm")}, "/home/u/|a.htm#part2 /home/u/|b.htm"},
            // A capital whose small letter is two characters long before the name's end.
            {{s("/İzmir/a.htm"), s("/d/b.htm")}, "/İzmir/|a.htm /d/|b.htm"},
            {{s("/İzmir Notes/A.HTM"), s("/d/b.txt")}, "/İzmir Notes/|A.HTM /d/|b.txt"},
        };
        for (const auto& r : rows)
            QCOMPARE(startOf(shell::readCommandLine(shell::joinArguments(r.args, s("/home/u")),
                                                    kSearch)),
                     s(r.start));
    }

    void config_writeThenRead() {
        ConfigValues v;
        v.windowLeft = 1440;
        v.windowTop = -15;
        v.paneHeight = 7500;
        v.pageColors[0] = s("#000080");
        v.recentFolder[1] = s("  /home/a/lead, blanks/");
        v.recentFile[1] = s("\"quoted\", name.htm");
        v.recentFile[2] = s("♠ Enchères.htm");
        v.openInRight = s("True");
        const QString text = shell::writeConfig(v);
        QCOMPARE(text.count(s("\r\n")), 35);
        QCOMPARE(text.count(QLatin1Char('\n')), 35);
        ConfigValues read;
        QCOMPARE(shell::readConfig(text, read), 35);
        QCOMPARE(fields(read), fields(v));
        // Lines past the 35th are ignored.
        QCOMPARE(shell::readConfig(text + s("junk\r\n 99 \r\n"), read), 35);
        QCOMPARE(fields(read), fields(v));
    }

    // A short file leaves what it has no line for; any line end will do.
    void config_shortOrDamagedText() {
        ConfigValues v;
        v.windowHeight = 999;
        v.openInRight = s("False");
        QCOMPARE(shell::readConfig(s("10\r\n20\n"), v), 2);
        QCOMPARE(v.windowTop, 20);
        QCOMPARE(v.windowHeight, 999);
        QCOMPARE(shell::readConfig(s("10\r\n20\r\n\r\n"), v), 3);
        QCOMPARE(v.windowHeight, 0);
        QCOMPARE(v.openInRight, s("False"));

        QStringList l = {s("abc"),  s("99999999999"), s("12.5"),
                         s("13.5"), s(" 4000 , 5"),   s("1e400")};
        for (int i = 6; i < 35; ++i)
            l << (i == 9 ? s("  \"#FF0000\", x") : i == 34 ? s("  False, whatever") : QString());
        QCOMPARE(shell::readConfig(l.join(s("\r\n")), v), 35);
        QCOMPARE(fields(v).mid(0, 6),
                 (QStringList{s("0"), s("0"), s("12"), s("14"), s("4000"), s("0")}));
        QCOMPARE(v.pageColors[0], s("#FF0000"));
        QCOMPARE(v.openInRight, s("False"));
        const struct {
            const char* line;
            const char* value;
        } rows[] = {{"   #AFFEFE", "#AFFEFE"},
                    {",abc", ""},
                    {"\"a, b\"", "a, b"},
                    {"\"abc, d", "abc, d"},
                    {"ab\"c\"", "ab\"c\""}};
        for (const auto& r : rows)
            QCOMPARE(shell::readField(s(r.line)), s(r.value));

        // Binary junk reads safely: at most 35 lines, and they write back.
        QByteArray junk;
        quint32 x = 12345;
        for (int i = 0; i < 65536; ++i)
            junk.append(char((x = x * 1103515245u + 12345u) >> 24));
        ConfigValues w;
        QCOMPARE(shell::readConfig(util::decodeText(junk).text + s("\r\n").repeated(35), w), 35);
        QVERIFY(shell::writeConfig(w).count(s("\r\n")) >= 35);
    }

    void recentFiles() {
        const struct {
            const char *folder, *name;
            bool changed;
            const char* after;
        } rows[] = {
            {"/d/", "a.ht", false, "/x/|a.htm /y/|b.htm /z/|c.htm"}, // too short a name
            {"/d/", "n.htm", true, "/d/|n.htm /x/|a.htm /y/|b.htm /z/|c.htm"},
            {"/y/", "b.htm", true, "/y/|b.htm /x/|a.htm /z/|c.htm"},
            {"/q/", "c.htm", true,
             "/q/|c.htm /x/|a.htm /y/|b.htm"}, // the same name elsewhere replaces it
            {"/x/", "a.htm#top", true, "/x/|a.htm /y/|b.htm /z/|c.htm"},
            {"/d/", "x.htm#a.b.htm", true, "/d/|x.htm#a.b.htm /x/|a.htm /y/|b.htm /z/|c.htm"},
            {"/x/", "A.htm", true, "/x/|A.htm /x/|a.htm /y/|b.htm /z/|c.htm"},
        };
        for (const auto& r : rows) {
            shell::RecentFiles list;
            const char* start[][2] = {{"/x/", "a.htm"}, {"/y/", "b.htm"}, {"/z/", "c.htm"}};
            for (int i = 0; i < 3; ++i)
                list.folder[i + 1] = s(start[i][0]), list.file[i + 1] = s(start[i][1]);
            QCOMPARE(shell::addToRecentFiles(list, s(r.folder), s(r.name)), r.changed);
            QStringList got;
            for (int i = 1; i <= 10; ++i)
                if (!list.file[i].isEmpty())
                    got << list.folder[i] + QLatin1Char('|') + list.file[i];
            QCOMPARE(got.join(QLatin1Char(' ')), s(r.after));
        }
    }

    void recentFiles_tenAtMost() {
        shell::RecentFiles list;
        for (int i = 1; i <= 11; ++i)
            shell::addToRecentFiles(list, s("/d/"), s("file%1.htm").arg(i));
        QCOMPARE(list.file[1], s("file11.htm"));
        QCOMPARE(list.file[10], s("file2.htm"));
        QVERIFY(list.file[0].isEmpty());
    }

    void fitStoredGeometry() {
        const StoredGeometry full{24000, 15000, 15000, 24000, 24000, 24000, 24000, 24000, 15000};
        const struct {
            StoredGeometry stored;
            ScreenArea screen;
            StoredGeometry fitted;
        } rows[] = {
            {all(0), kScreen, all(0)},
            {all(2000000000), kScreen, full},
            // Written on three monitors side by side, read on one screen.
            {{57600, 600, 15000, 86400, 28800, 86400, 40000, 45000, 13500},
             kScreen,
             {24000, 600, 15000, 24000, 24000, 24000, 24000, 24000, 13500}},
            // A screen reaching left of the primary one keeps that room.
            {{-20000, 0, 9000, 9000, 9000, 9000, 0, 0, 0},
             {-28800, 0, 52800, 16200},
             {-20000, 0, 9000, 9000, 9000, 9000, 0, 0, 0}},
            // No screen reported: a 1920 x 1080 stand-in still bounds everything.
            {all(INT_MAX), {}, {28800, 16200, 16200, 28800, 28800, 28800, 28800, 28800, 16200}},
        };
        auto list = [](const StoredGeometry& g) {
            return QList<int>{g.windowLeft,    g.windowTop,      g.windowHeight,
                              g.windowWidth,   g.oneWidth,       g.twoWidth,
                              g.leftPaneWidth, g.rightPaneWidth, g.paneHeight};
        };
        for (const auto& r : rows)
            QCOMPARE(list(shell::fitStoredGeometry(r.stored, r.screen)), list(r.fitted));
    }

    void placeOnScreen() {
        const struct {
            WindowFrame frame, placed;
        } rows[] = {
            {{15000, 3000, 9000, 8000}, {15000, 3000, 9000, 8000}},
            {{20000, 3000, 9000, 8000}, {0, 0, 9000, 15000}},
            {{3000, 0, 172800, 15000}, {0, 0, 24000, 15000}},
            {{0, 9000, 9000, 8000}, {0, 7000, 9000, 8000}},
            {{-3000, 200, 9000, 8000}, {0, 0, 9000, 15000}},
            {{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {0, 0, 24000, 15000}},
        };
        for (const auto& r : rows) {
            const WindowFrame f = shell::placeOnScreen(r.frame, kScreen);
            QCOMPARE((QList<int>{f.left, f.top, f.width, f.height}),
                     (QList<int>{r.placed.left, r.placed.top, r.placed.width, r.placed.height}));
        }
    }

    // Whatever the file held, the window ends inside the screen and the
    // panes inside the window, with no arithmetic overflowing on the way.
    void storedMeasures_alwaysFit() {
        for (const ScreenArea& screen : {kScreen, ScreenArea{-28800, -200, 86400, 16400}})
            for (int v : {INT_MIN, -1, 0, 1, 14999, 15000, 24001, 600000, 2000000000, INT_MAX}) {
                const StoredGeometry g = shell::fitStoredGeometry(all(v), screen);
                const WindowFrame f = shell::placeOnScreen(
                    {g.windowLeft, g.windowTop, g.twoWidth, g.windowHeight}, screen);
                QVERIFY(f.left >= screen.left && f.top >= screen.top && f.width >= 0 &&
                        f.height >= 0);
                QVERIFY(qint64(f.left) + f.width <= qint64(screen.left) + screen.width);
                QVERIFY(qint64(f.top) + f.height <= qint64(screen.top) + screen.height);
            }
        for (int window : {10001, 24000, 86400, INT_MAX})
            for (int pane : {0, 2999, 4500, 45000, 600000, INT_MAX}) {
                const shell::PaneWidths w = shell::fitPaneWidths(window, {pane, 12000});
                QVERIFY(w.left >= 0 && w.right >= 0);
                // Rounding may give a twip either way.
                QVERIFY(qint64(w.left) + w.right <=
                        qint64(window) - shell::metrics::kTwoPaneMargin + 1);
            }
    }

    void fitPaneWidths() {
        const struct {
            int window, left, right, fittedLeft, fittedRight;
        } rows[] = {
            {10000, 4000, 5000, 4187, 5233},      // 420 twips shared in proportion
            {10000, 3000, 4000, 4037, 5383},      // 30 % and 40 % still enough
            {10000, 2999, 6000, 4710, 4710},      // below either: half each
            {10003, 0, 0, 4712, 4712},            // half to even, negative half too
            {150000, 45000, 60000, 64037, 85383}, // products beyond 32 bits
        };
        for (const auto& r : rows) {
            const shell::PaneWidths w = shell::fitPaneWidths(r.window, {r.left, r.right});
            QCOMPARE((QList<int>{w.left, w.right}), (QList<int>{r.fittedLeft, r.fittedRight}));
        }
    }

    // Headers come before their entries, names are unique, and each shortcut
    // is valid portable text held by one entry only.
    void menuTree_consistent() {
        QSet<QString> keys, headers, shortcuts;
        for (const shell::MenuItem& item : shell::menuTree()) {
            const QString key =
                item.name + QLatin1Char('(') + QString::number(item.index) + QLatin1Char(')');
            QVERIFY2(!keys.contains(key) &&
                         (item.parent.isEmpty() || headers.contains(item.parent)),
                     qPrintable(key));
            keys.insert(key);
            headers.insert(item.name);
            if (item.shortcut.isEmpty()) continue;
            QVERIFY2(!item.isSeparator() && !shortcuts.contains(item.shortcut), qPrintable(key));
            shortcuts.insert(item.shortcut);
            const QKeySequence seq =
                QKeySequence::fromString(item.shortcut, QKeySequence::PortableText);
            QCOMPARE(seq.count(), 1);
            QCOMPARE(seq.toString(QKeySequence::PortableText), item.shortcut);
        }
        QVERIFY(shortcuts.contains(s("Ctrl+A")) && shortcuts.contains(s("F9")));
    }
};

QTEST_APPLESS_MAIN(TestShell)
#include "test_shell.moc"
