// The recent-file list: which names enter, how they move, what falls off.
#include "shell/recentfiles.h"

#include <QTest>

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }

// Entries written "folder|file", newest first; empty entries at the end left out.
shell::RecentFiles listOf(const QStringList& entries) {
    shell::RecentFiles list;
    for (int i = 0; i < entries.size(); ++i) {
        const QStringList parts = entries[i].split(QLatin1Char('|'));
        list.folder[i + 1] = parts[0];
        list.file[i + 1] = parts[1];
    }
    return list;
}

QStringList entriesOf(const shell::RecentFiles& list) {
    QStringList out;
    for (int i = 1; i <= 10; ++i) out << list.folder[i] + QLatin1Char('|') + list.file[i];
    while (!out.isEmpty() && out.back() == QLatin1String("|")) out.pop_back();
    return out;
}

QStringList numbered(int from, int to) {
    QStringList out;
    for (int i = from; from <= to ? i <= to : i >= to; from <= to ? ++i : --i)
        out << s("/d/|file%1.htm").arg(i);
    return out;
}
} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT
private slots:
    void add_data();
    void add();
    void caption();
};

void TestRecentFiles::add_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QStringList>("after");

    const QStringList none;
    const QStringList ab = {s("/x/|a.htm"), s("/y/|b.htm")};
    QTest::newRow("fourCharacters_notListed") << ab << s("/d/") << s("a.ht") << false << ab;
    QTest::newRow("empty_notListed") << ab << s("/d/") << QString() << false << ab;
    QTest::newRow("fiveCharacters_listed") << none << s("/d/") << s("a.htm") << true << QStringList{s("/d/|a.htm")};
    QTest::newRow("anchor_dropped") << none << s("/d/") << s("page.htm#top") << true
                                    << QStringList{s("/d/|page.htm")};
    QTest::newRow("oneCharacterAnchor_dropped") << none << s("/d/") << s("abcde.htm#x") << true
                                                << QStringList{s("/d/|abcde.htm")};
    QTest::newRow("dotAfterAnchor_keptWhole") << none << s("/d/") << s("x.htm#a.b.htm") << true
                                              << QStringList{s("/d/|x.htm#a.b.htm")};
    QTest::newRow("dotRightAfterHash_keptWhole") << none << s("/d/") << s("x.htm#.abc") << true
                                                 << QStringList{s("/d/|x.htm#.abc")};
    // A "." among the last two characters does not count.
    QTest::newRow("dotOnlyInLastTwo_anchorDropped") << none << s("/d/") << s("x.htm#ab.c") << true
                                                    << QStringList{s("/d/|x.htm")};
    QTest::newRow("webAddress_emptyFolder") << none << QString() << s("https://example.com/a.htm") << true
                                            << QStringList{s("|https://example.com/a.htm")};
    QTest::newRow("new_goesOnTop") << ab << s("/z/") << s("c.htm") << true
                                   << QStringList{s("/z/|c.htm"), s("/x/|a.htm"), s("/y/|b.htm")};
    QTest::newRow("listed_movesToTopOnce")
        << QStringList{s("/x/|a.htm"), s("/y/|b.htm"), s("/z/|c.htm")} << s("/y/") << s("b.htm") << true
        << QStringList{s("/y/|b.htm"), s("/x/|a.htm"), s("/z/|c.htm")};
    QTest::newRow("listedFirst_staysOnce") << ab << s("/x/") << s("a.htm") << true << ab;
    QTest::newRow("sameNameOtherFolder_replacesOlder")
        << ab << s("/z/") << s("b.htm") << true << QStringList{s("/z/|b.htm"), s("/x/|a.htm")};
    QTest::newRow("anchoredName_matchesListedName")
        << QStringList{s("/x/|page.htm"), s("/y/|b.htm"), s("/y/|c.htm")} << s("/x/") << s("page.htm#top")
        << true << QStringList{s("/x/|page.htm"), s("/y/|b.htm"), s("/y/|c.htm")};
    QTest::newRow("caseDiffers_separateEntry")
        << QStringList{s("/x/|a.htm")} << s("/x/") << s("A.htm") << true
        << QStringList{s("/x/|A.htm"), s("/x/|a.htm")};
    QTest::newRow("eleventhFile_dropsTenth")
        << numbered(10, 1) << s("/d/") << s("file11.htm") << true << numbered(11, 2);
    QTest::newRow("tenthReopened_nothingLost")
        << numbered(10, 1) << s("/d/") << s("file1.htm") << true
        << (QStringList{s("/d/|file1.htm")} + numbered(10, 2));
}

void TestRecentFiles::add() {
    QFETCH(QStringList, before);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(bool, changed);
    QFETCH(QStringList, after);
    shell::RecentFiles list = listOf(before);
    QCOMPARE(shell::addToRecentFiles(list, folder, name), changed);
    QCOMPARE(entriesOf(list), after);
    QVERIFY(list.file[0].isEmpty() && list.folder[0].isEmpty());
}

void TestRecentFiles::caption() {
    QCOMPARE(shell::recentCaption(s("/home/a/Bridge/"), s("deal.htm")), s("deal.htm (/home/a/Bridge/)"));
    QCOMPARE(shell::recentCaption(QString(), s("https://example.com/a.htm")), s("https://example.com/a.htm ()"));
}

QTEST_APPLESS_MAIN(TestRecentFiles)
#include "test_recentfiles.moc"
