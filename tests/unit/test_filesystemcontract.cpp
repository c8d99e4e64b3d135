// One contract for the file system, run against the real one (in a
// temporary folder) and against the fake the controller tests may use: a
// case the fake passes and the real one fails, or the other way round, is a
// fake that proves nothing.
#include "platform/qt/qtfilesystem.h"
#include "tests/fakes/fakefilesystem.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>

namespace {
// A file system and a folder in it that exists and is empty.
struct Subject {
    std::unique_ptr<platform::FileSystem> fs;
    QString root; // ends without "/"
    std::shared_ptr<QTemporaryDir> keep;
};
using Factory = std::function<Subject()>;

Subject realFileSystem() {
    auto dir = std::make_shared<QTemporaryDir>();
    return {std::make_unique<platform::qt::QtFileSystem>(), dir->path(), dir};
}

Subject fakeFileSystem() {
    auto fs = std::make_unique<fakes::FakeFileSystem>();
    fs->makeFolder(QStringLiteral("/tmp/contract"));
    fs->current = QStringLiteral("/tmp");
    return {std::move(fs), QStringLiteral("/tmp/contract"), nullptr};
}

QByteArray everyByte() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes += char(i);
    return bytes + "\r\n\n\r" + QByteArray("\xef\xbb\xbf", 3);
}
} // namespace

class FileSystemContract : public QObject {
    Q_OBJECT
  public:
    explicit FileSystemContract(Factory make) : make_(std::move(make)) {}

  private slots:
    void init() {
        s_ = make_();
        root_ = s_.root + QLatin1Char('/');
    }
    void writeThenRead_givesSameBytes_data();
    void writeThenRead_givesSameBytes();
    void write_replacesWholeFile_leavingNothingElse();
    void write_intoMissingFolderOrOntoFolder_fails();
    void existsAndIsFile_tellFilesFoldersAndMissing();
    void read_missingOrFolder_givesErrorText();
    void copy_overExistingTarget_replacesIt();
    void copy_failing_leavesTarget();
    void rename_movesFile_neverOverAnother();
    void rename_movesFolderWithContents();
    void remove_removesFilesOnly();
    void makeFolder_makesEveryLevel();
    void files_listsNamesBySuffixInOrder();
    void lastModified_movesForwardWithWrites();
    void currentDir_isAFolder();

  private:
    QString at(const char* name) const { return root_ + QString::fromUtf8(name); }
    platform::FileSystem& fs() { return *s_.fs; }

    Factory make_;
    Subject s_;
    QString root_;
};

void FileSystemContract::writeThenRead_givesSameBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("everyByteValue") << everyByte();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("fiveMegabytes")
        << everyByte().repeated(5 * 1024 * 1024 / everyByte().size() + 1);
}

void FileSystemContract::writeThenRead_givesSameBytes() {
    QFETCH(QByteArray, bytes);
    QString error;
    QVERIFY(fs().write(at("deal.htm"), bytes, &error));
    const auto back = fs().read(at("deal.htm"), &error);
    QVERIFY(back.has_value());
    QVERIFY(*back == bytes); // not QCOMPARE: five megabytes in a failure message help nobody
    QCOMPARE(back->size(), bytes.size());
}

void FileSystemContract::write_replacesWholeFile_leavingNothingElse() {
    QVERIFY(fs().write(at("deal.htm"), QByteArray(10000, 'a')));
    QVERIFY(fs().write(at("deal.htm"), "short"));
    QCOMPARE(*fs().read(at("deal.htm")), QByteArray("short"));
    // No temporary file of the atomic write is left beside it.
    QCOMPARE(fs().files(s_.root, QString()), QStringList{QStringLiteral("deal.htm")});
}

void FileSystemContract::write_intoMissingFolderOrOntoFolder_fails() {
    QString error;
    QVERIFY(!fs().write(at("no/such/folder/x.htm"), "x", &error));
    QCOMPARE(error, QStringLiteral("No such file or directory"));
    QVERIFY(!fs().exists(at("no")));
    QVERIFY(fs().makeFolder(at("sub")));
    error.clear();
    QVERIFY(!fs().write(at("sub"), "x", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(fs().exists(at("sub")) && !fs().isFile(at("sub")));
}

void FileSystemContract::existsAndIsFile_tellFilesFoldersAndMissing() {
    QVERIFY(fs().write(at("a.htm"), "A"));
    QVERIFY(fs().makeFolder(at("sub")));
    QVERIFY(fs().exists(at("a.htm")) && fs().isFile(at("a.htm")));
    QVERIFY(fs().exists(at("sub")) && !fs().isFile(at("sub")));
    QVERIFY(fs().exists(at("sub/")) && fs().exists(s_.root));
    // A file named as a folder (a final "/") is none.
    QVERIFY(!fs().exists(at("a.htm/")) && !fs().isFile(at("a.htm/")));
    QVERIFY(!fs().exists(at("missing.htm")) && !fs().isFile(at("missing.htm")));
    QVERIFY(!fs().exists(QString()) && !fs().isFile(QString()));
    // "." and ".." parts and doubled separators name the same file.
    QVERIFY(fs().isFile(at("sub/../a.htm")) && fs().isFile(at("./a.htm")) &&
            fs().isFile(root_ + QStringLiteral("/a.htm")));
}

void FileSystemContract::read_missingOrFolder_givesErrorText() {
    QString error;
    QVERIFY(!fs().read(at("missing.htm"), &error).has_value());
    QCOMPARE(error, QStringLiteral("No such file or directory"));
    QVERIFY(fs().makeFolder(at("sub")));
    error.clear();
    QVERIFY(!fs().read(at("sub"), &error).has_value());
    QVERIFY(!error.isEmpty());
    QVERIFY(!fs().read(at("missing.htm")).has_value()); // no error asked for
}

void FileSystemContract::copy_overExistingTarget_replacesIt() {
    QVERIFY(fs().write(at("TableSpecs.htm"), everyByte()));
    QVERIFY(fs().write(at("Temp.htm"),
                       "the old preview, longer than the new one" + QByteArray(5000, '.')));
    QVERIFY(fs().copy(at("TableSpecs.htm"), at("Temp.htm")));
    QCOMPARE(*fs().read(at("Temp.htm")), everyByte());
    QCOMPARE(*fs().read(at("TableSpecs.htm")), everyByte());
    QVERIFY(fs().copy(at("TableSpecs.htm"), at("fresh.htm")));
    QCOMPARE(*fs().read(at("fresh.htm")), everyByte());
    QCOMPARE(fs().files(s_.root, QString()),
             (QStringList{QStringLiteral("TableSpecs.htm"), QStringLiteral("Temp.htm"),
                          QStringLiteral("fresh.htm")}));
}

void FileSystemContract::copy_failing_leavesTarget() {
    QVERIFY(fs().write(at("Temp.htm"), "old"));
    QVERIFY(fs().makeFolder(at("sub")));
    QVERIFY(!fs().copy(at("missing.htm"), at("Temp.htm")));
    QVERIFY(!fs().copy(at("sub"), at("Temp.htm")));
    QVERIFY(!fs().copy(at("Temp.htm"), at("no/such/x.htm")));
    QCOMPARE(*fs().read(at("Temp.htm")), QByteArray("old"));
    QCOMPARE(fs().files(s_.root, QString()), QStringList{QStringLiteral("Temp.htm")});
}

void FileSystemContract::rename_movesFile_neverOverAnother() {
    QVERIFY(fs().write(at("a.htm"), "A"));
    QVERIFY(fs().write(at("b.htm"), "B"));
    QVERIFY(fs().makeFolder(at("sub")));
    QVERIFY(fs().rename(at("a.htm"), at("sub/c.htm")));
    QVERIFY(!fs().exists(at("a.htm")));
    QCOMPARE(*fs().read(at("sub/c.htm")), QByteArray("A"));
    // An existing target is never replaced, not even by the file itself.
    QVERIFY(!fs().rename(at("sub/c.htm"), at("b.htm")));
    QVERIFY(!fs().rename(at("b.htm"), at("b.htm")));
    QCOMPARE(*fs().read(at("b.htm")), QByteArray("B"));
    QCOMPARE(*fs().read(at("sub/c.htm")), QByteArray("A"));
    QVERIFY(!fs().rename(at("missing.htm"), at("d.htm")));
    QVERIFY(!fs().rename(at("b.htm"), at("no/such/d.htm")));
    QVERIFY(fs().isFile(at("b.htm")));
}

void FileSystemContract::rename_movesFolderWithContents() {
    QVERIFY(fs().makeFolder(at("old/inner")));
    QVERIFY(fs().write(at("old/inner/x.htm"), "X"));
    QVERIFY(fs().rename(at("old"), at("new")));
    QVERIFY(!fs().exists(at("old")));
    QCOMPARE(*fs().read(at("new/inner/x.htm")), QByteArray("X"));
}

void FileSystemContract::remove_removesFilesOnly() {
    QVERIFY(fs().write(at("a.htm"), "A"));
    QVERIFY(fs().makeFolder(at("sub")));
    QVERIFY(fs().remove(at("a.htm")));
    QVERIFY(!fs().exists(at("a.htm")));
    QVERIFY(!fs().remove(at("a.htm")));
    QVERIFY(!fs().remove(at("sub")));
    QVERIFY(fs().exists(at("sub")));
}

void FileSystemContract::makeFolder_makesEveryLevel() {
    QVERIFY(fs().makeFolder(at("a/b/c")));
    QVERIFY(fs().exists(at("a/b")) && fs().exists(at("a/b/c")) && !fs().isFile(at("a/b/c")));
    QVERIFY(fs().makeFolder(at("a/b/c"))); // already there
    QVERIFY(fs().write(at("a/b/c/x.htm"), "x"));
    // Not where a file stands, nor under one.
    QVERIFY(!fs().makeFolder(at("a/b/c/x.htm")));
    QVERIFY(!fs().makeFolder(at("a/b/c/x.htm/d")));
    QVERIFY(fs().isFile(at("a/b/c/x.htm")));
}

void FileSystemContract::files_listsNamesBySuffixInOrder() {
    for (const char* name :
         {"b.recovery", "A.recovery", "a.recovery", "10.recovery", "9.recovery", "x.RECOVERY",
          "caf\xc3\xa9.recovery", "_u.recovery", "notes.txt", ".hidden.recovery"})
        QVERIFY(fs().write(at(name), "x"));
    QVERIFY(fs().makeFolder(at("folder.recovery")));
    QVERIFY(fs().write(at("folder.recovery/inner.recovery"), "x"));
    // Names only, files only, hidden ones left out, the suffix compared
    // with case, ordered by character codes.
    QCOMPARE(fs().files(s_.root, QStringLiteral(".recovery")),
             (QStringList{QStringLiteral("10.recovery"), QStringLiteral("9.recovery"),
                          QStringLiteral("A.recovery"), QStringLiteral("_u.recovery"),
                          QStringLiteral("a.recovery"), QStringLiteral("b.recovery"),
                          QStringLiteral("caf\u00e9.recovery")}));
    QCOMPARE(fs().files(s_.root + QLatin1Char('/'), QStringLiteral(".txt")),
             QStringList{QStringLiteral("notes.txt")});
    QCOMPARE(fs().files(at("missing"), QString()), QStringList());
    QCOMPARE(fs().files(at("notes.txt"), QString()), QStringList());
}

void FileSystemContract::lastModified_movesForwardWithWrites() {
    QCOMPARE(fs().lastModified(at("a.htm")), 0);
    QVERIFY(fs().write(at("a.htm"), "one"));
    const qint64 first = fs().lastModified(at("a.htm"));
    QVERIFY(first > 0);
    // The clock of the real file system moves in steps of a few
    // milliseconds; wait past one.
    QThread::msleep(30);
    QVERIFY(fs().write(at("a.htm"), "two"));
    QVERIFY(fs().lastModified(at("a.htm")) > first);
    // Reading changes nothing.
    const qint64 second = fs().lastModified(at("a.htm"));
    QVERIFY(fs().read(at("a.htm")));
    QCOMPARE(fs().lastModified(at("a.htm")), second);
    // A rename keeps the time; a copy is a new change.
    QThread::msleep(30);
    QVERIFY(fs().rename(at("a.htm"), at("b.htm")));
    QCOMPARE(fs().lastModified(at("b.htm")), second);
    QCOMPARE(fs().lastModified(at("a.htm")), 0);
    QVERIFY(fs().copy(at("b.htm"), at("c.htm")));
    QVERIFY(fs().lastModified(at("c.htm")) > second);
}

void FileSystemContract::currentDir_isAFolder() {
    const QString dir = fs().currentDir();
    QVERIFY(!dir.isEmpty());
    QVERIFY(fs().exists(dir) && !fs().isFile(dir));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failures = 0;
    {
        qInfo("The real file system, in a temporary folder:");
        FileSystemContract real(realFileSystem);
        failures += QTest::qExec(&real, argc, argv);
    }
    {
        qInfo("The fake file system:");
        FileSystemContract fake(fakeFileSystem);
        failures += QTest::qExec(&fake, argc, argv);
    }
    return failures;
}

#include "test_filesystemcontract.moc"
