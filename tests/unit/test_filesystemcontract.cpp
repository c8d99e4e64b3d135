// One contract for the file system, run against the real one (in a temporary
// folder) and against the fake the controller tests use: a fake that passes
// where the real one fails, or the other way round, proves nothing.
#include "platform/qt/qtfilesystem.h"
#include "tests/fakes/fakefilesystem.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <memory>

namespace {
QByteArray everyByte() {
    QByteArray bytes = "\r\n\n\r";
    for (int i = 0; i < 256; ++i)
        bytes += char(i);
    return bytes;
}
} // namespace

class FileSystemContract : public QObject {
    Q_OBJECT
  public:
    explicit FileSystemContract(bool real) : real_(real) {}

  private slots:
    // A file system and an empty folder in it.
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        auto fake = std::make_unique<fakes::FakeFileSystem>();
        fake->makeFolder(QStringLiteral("/tmp/contract"));
        fake->current = QStringLiteral("/tmp");
        root_ = real_ ? dir_->path() + QLatin1Char('/') : QStringLiteral("/tmp/contract/");
        fs_ = real_ ? std::make_unique<platform::qt::QtFileSystem>()
                    : std::unique_ptr<platform::FileSystem>(std::move(fake));
    }

    // Every byte value, nothing, five megabytes; a shorter write replaces the
    // whole file and leaves no temporary file beside it.
    void write_thenRead_givesSameBytes() {
        for (const QByteArray& bytes : {everyByte(), QByteArray(), everyByte().repeated(20000)}) {
            QVERIFY(fs().write(at("deal.htm"), bytes));
            QVERIFY(fs().read(at("deal.htm")) == bytes); // no megabytes in a failure message
        }
        QVERIFY(fs().write(at("deal.htm"), "short"));
        QCOMPARE(*fs().read(at("deal.htm")), QByteArray("short"));
        QCOMPARE(list(root_.chopped(1)), QStringLiteral("deal.htm"));
    }

    // Files, folders and missing names told apart; failures give the
    // system's reason (none asked for is no fault).
    void exists_missingOrFolder_failsWithReason() {
        QString error[4];
        QVERIFY(!fs().write(at("no/such/folder/x.htm"), "x", &error[0]) && !fs().exists(at("no")));
        QVERIFY(!fs().read(at("missing.htm"), &error[1]) && !fs().read(at("missing.htm")));
        QVERIFY(fs().makeFolder(at("sub")) && !fs().write(at("sub"), "x", &error[2]));
        QVERIFY(!fs().read(at("sub"), &error[3]) && !error[2].isEmpty() && !error[3].isEmpty());
        QCOMPARE(error[0] + error[1],
                 QStringLiteral("No such file or directoryNo such file or directory"));
        QVERIFY(fs().exists(at("sub")) && !fs().isFile(at("sub")) && fs().write(at("a.htm"), "A"));
        QVERIFY(fs().exists(at("a.htm")) && fs().isFile(at("a.htm")));
        QVERIFY(fs().exists(at("sub/")) && fs().exists(root_.chopped(1)));
        // A file named as a folder (a final "/") is none.
        QVERIFY(!fs().exists(at("a.htm/")) && !fs().isFile(at("a.htm/")));
        QVERIFY(!fs().isFile(at("missing.htm")) && !fs().exists(QString()) &&
                !fs().isFile(QString()));
        // "." and ".." parts and doubled separators name the same file.
        QVERIFY(fs().isFile(at("sub/../a.htm")) && fs().isFile(at("./a.htm")) &&
                fs().isFile(root_ + QStringLiteral("/a.htm")));
        QVERIFY(fs().exists(fs().currentDir()) && !fs().isFile(fs().currentDir()));
    }

    // A copy replaces its target whole; a failing one leaves it.
    void copy_replacesTarget_orLeavesIt() {
        QVERIFY(fs().write(at("TableSpecs.htm"), everyByte()) && fs().makeFolder(at("sub")));
        QVERIFY(fs().write(at("Temp.htm"), "the old preview" + QByteArray(5000, '.')));
        QVERIFY(fs().copy(at("TableSpecs.htm"), at("Temp.htm")));
        QVERIFY(fs().copy(at("TableSpecs.htm"), at("fresh.htm")));
        QVERIFY(fs().read(at("Temp.htm")) == everyByte() &&
                fs().read(at("fresh.htm")) == everyByte());
        QVERIFY(fs().write(at("Temp.htm"), "old") && !fs().copy(at("missing.htm"), at("Temp.htm")));
        QVERIFY(!fs().copy(at("sub"), at("Temp.htm")));
        QVERIFY(!fs().copy(at("Temp.htm"), at("no/such/x.htm")));
        QCOMPARE(*fs().read(at("Temp.htm")), QByteArray("old"));
        QCOMPARE(list(root_.chopped(1)), QStringLiteral("TableSpecs.htm Temp.htm fresh.htm"));
    }

    // Files and folders move, a folder with its contents; an existing target
    // is never replaced, not even by the file itself. Folders are made at
    // every level, never where a file stands; remove removes files only.
    void renameMakeFolderAndRemove() {
        QVERIFY(fs().write(at("a.htm"), "A") && fs().write(at("b.htm"), "B"));
        QVERIFY(fs().makeFolder(at("old/inner")) &&
                fs().rename(at("a.htm"), at("old/inner/c.htm")));
        QVERIFY(fs().rename(at("old"), at("new")) && !fs().exists(at("old")));
        QVERIFY(!fs().exists(at("a.htm")) && fs().read(at("new/inner/c.htm")) == "A");
        QVERIFY(!fs().rename(at("new/inner/c.htm"), at("b.htm")));
        QVERIFY(!fs().rename(at("b.htm"), at("b.htm")) && !fs().rename(at("missing.htm"), at("d")));
        QVERIFY(!fs().rename(at("b.htm"), at("no/such/d.htm")));
        QVERIFY(fs().read(at("b.htm")) == "B" && fs().read(at("new/inner/c.htm")) == "A");
        QVERIFY(fs().makeFolder(at("a/b/c")) && fs().makeFolder(at("a/b/c"))); // already there
        QVERIFY(fs().exists(at("a/b")) && !fs().isFile(at("a/b/c")));
        QVERIFY(fs().write(at("a/b/c/x.htm"), "x") && !fs().makeFolder(at("a/b/c/x.htm")));
        QVERIFY(!fs().makeFolder(at("a/b/c/x.htm/d")) && fs().isFile(at("a/b/c/x.htm")));
        QVERIFY(!fs().remove(at("a/b/c")) && fs().exists(at("a/b/c")));
        QVERIFY(fs().remove(at("a/b/c/x.htm")) && !fs().exists(at("a/b/c/x.htm")));
        QVERIFY(!fs().remove(at("a/b/c/x.htm")));
    }

    // Names only, files only, hidden ones left out, the suffix compared with
    // case, ordered by character codes.
    void files_listsNamesBySuffixInOrder() {
        for (const char* name :
             {"b.recovery", "A.recovery", "a.recovery", "10.recovery", "9.recovery", "x.RECOVERY",
              "caf\xc3\xa9.recovery", "notes.txt", ".h.recovery"})
            QVERIFY(fs().write(at(name), "x"));
        QVERIFY(fs().makeFolder(at("folder.recovery")));
        QVERIFY(fs().write(at("folder.recovery/inner.recovery"), "x"));
        QCOMPARE(list(root_.chopped(1), ".recovery"),
                 QStringLiteral(
                     "10.recovery 9.recovery A.recovery a.recovery b.recovery caf\u00e9.recovery"));
        QCOMPARE(list(root_, ".txt"), QStringLiteral("notes.txt"));
        QVERIFY(list(at("missing")).isEmpty() && list(at("notes.txt")).isEmpty());
    }

    // Writes move the time forward (the real clock in steps of a few
    // milliseconds); reading and renaming keep it; a copy is a new change.
    void lastModified_movesForwardWithWrites() {
        QVERIFY(fs().write(at("a.htm"), "one"));
        const qint64 first = fs().lastModified(at("a.htm"));
        QThread::msleep(30);
        QVERIFY(fs().write(at("a.htm"), "two"));
        const qint64 second = fs().lastModified(at("a.htm"));
        QVERIFY(first > 0 && second > first);
        QVERIFY(fs().read(at("a.htm")));
        QThread::msleep(30);
        QVERIFY(fs().rename(at("a.htm"), at("b.htm")));
        QVERIFY(fs().lastModified(at("b.htm")) == second && fs().lastModified(at("a.htm")) == 0);
        QVERIFY(fs().copy(at("b.htm"), at("c.htm")) && fs().lastModified(at("c.htm")) > second);
    }

  private:
    QString at(const char* name) const { return root_ + QString::fromUtf8(name); }
    QString list(const QString& folder, const char* suffix = "") {
        return fs().files(folder, QString::fromUtf8(suffix)).join(QLatin1Char(' '));
    }
    platform::FileSystem& fs() { return *fs_; }

    bool real_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<platform::FileSystem> fs_;
    QString root_;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    FileSystemContract real(true), fake(false);
    qInfo("The real file system, in a temporary folder:");
    const int failures = QTest::qExec(&real, argc, argv);
    qInfo("The fake file system:");
    return failures + QTest::qExec(&fake, argc, argv);
}

#include "test_filesystemcontract.moc"
