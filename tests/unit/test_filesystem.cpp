// Real files on disk: saves are atomic, keep permissions, follow symbolic
// links, and a write that fails part-way leaves the old file as it was.
#include "platform/qt/qtfilesystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {
QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A small file system of its own (tmpfs, 64 KB) to fill up; mounting needs root, as the tests and
// CI run here.
class SmallDisk {
  public:
    explicit SmallDisk(const char* options) {
        mounted_ =
            ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    QString filePath(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QStringList names() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

// Runs `work` with files limited to 8 KB: a write past that fails with
// "File too large", as a full disk fails with its own reason.
template <class Work> void withSmallFileLimit(Work work) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 8192;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) QFAIL("setrlimit");
    work();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
}
} // namespace

class TestFileSystem : public QObject {
    Q_OBJECT
  private slots:
    void write_replacesAndKeepsPermissions() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("deal.htm"));
        put(path, "old");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        platform::qt::QtFileSystem fs;
        QVERIFY(fs.write(path, "new text\r\n"));
        QCOMPARE(contents(path), QByteArray("new text\r\n"));
        QCOMPARE(QFile::permissions(path) & 0x0FFF,
                 QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
        // No temporary files are left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("deal.htm")});
    }

    void write_followsSymbolicLink() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("real.htm"));
        const QString link = dir.filePath(QStringLiteral("link.htm"));
        put(target, "old");
        QVERIFY(QFile::link(target, link));
        platform::qt::QtFileSystem fs;
        QVERIFY(fs.write(link, "through the link"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contents(target), QByteArray("through the link"));
    }

    void write_failingPartWay_leavesOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("article.htm"));
        put(path, "the article as last saved");
        platform::qt::QtFileSystem fs;
        QString error;
        bool written = true;
        withSmallFileLimit([&] { written = fs.write(path, QByteArray(200000, 'x'), &error); });
        QVERIFY(!written);
        // The system's reason, not "Unknown error".
        QCOMPARE(error, QStringLiteral("File too large"));
        QCOMPARE(contents(path), QByteArray("the article as last saved"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("article.htm")});
    }

    void write_fullDisk_givesSystemReason() {
        SmallDisk disk("size=64k");
        if (!disk.mounted()) QSKIP("a tmpfs cannot be mounted here (not root)");
        const QString path = disk.filePath("article.htm");
        put(path, "the article as last saved");
        platform::qt::QtFileSystem fs;
        QString error;
        QVERIFY(!fs.write(path, QByteArray(200000, 'x'), &error));
        QCOMPARE(error, QStringLiteral("No space left on device"));
        QCOMPARE(contents(path), QByteArray("the article as last saved"));
        QCOMPARE(disk.names(), QStringList{QStringLiteral("article.htm")});
        // A write that fits still goes through afterwards.
        QVERIFY(fs.write(path, "shorter", &error));
        QCOMPARE(contents(path), QByteArray("shorter"));
    }

    void copy_failingPartWay_leavesOldTarget() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("big.htm"));
        const QString target = dir.filePath(QStringLiteral("Temp.htm"));
        put(source, QByteArray(200000, 'x'));
        put(target, "the old preview");
        platform::qt::QtFileSystem fs;
        bool copied = true;
        withSmallFileLimit([&] { copied = fs.copy(source, target); });
        QVERIFY(!copied);
        QCOMPARE(contents(target), QByteArray("the old preview"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("big.htm"), QStringLiteral("Temp.htm")}));
    }
};

QTEST_APPLESS_MAIN(TestFileSystem)
#include "test_filesystem.moc"
