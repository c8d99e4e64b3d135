// Real files on disk: saves are atomic, keep permissions, follow symbolic
// links, and a write that fails part-way leaves the old file as it was.
#include "platform/qt/qtfilesystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
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
} // namespace

class TestFileSystem : public QObject {
    Q_OBJECT
private slots:
    void write_replacesAndKeepsPermissions();
    void write_followsSymbolicLink();
    void write_intoMissingFolder_failsWithReason();
    void write_failingPartWay_leavesOldFile();
    void read_missingFile_reportsError();
};

void TestFileSystem::write_replacesAndKeepsPermissions() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deal.htm"));
    put(path, "old");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    platform::qt::QtFileSystem fs;
    QVERIFY(fs.write(path, "new text\r\n"));
    QCOMPARE(contents(path), QByteArray("new text\r\n"));
    QCOMPARE(QFile::permissions(path) & 0x0FFF, QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    // No temporary files are left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("deal.htm")});
}

void TestFileSystem::write_followsSymbolicLink() {
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

void TestFileSystem::write_intoMissingFolder_failsWithReason() {
    QTemporaryDir dir;
    platform::qt::QtFileSystem fs;
    QString error;
    QVERIFY(!fs.write(dir.filePath(QStringLiteral("no/such/folder/x.cfg")), "x", &error));
    QVERIFY(!error.isEmpty());
}

void TestFileSystem::write_failingPartWay_leavesOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("article.htm"));
    put(path, "the article as last saved");
    // A file-size limit makes the write fail after its first few kilobytes,
    // as a full disk would.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 8192;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    platform::qt::QtFileSystem fs;
    QString error;
    const bool written = fs.write(path, QByteArray(200000, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(contents(path), QByteArray("the article as last saved"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("article.htm")});
}

void TestFileSystem::read_missingFile_reportsError() {
    platform::qt::QtFileSystem fs;
    QString error;
    QVERIFY(!fs.read(QStringLiteral("/no/such/file.htm"), &error));
    QVERIFY(!error.isEmpty());
}

QTEST_APPLESS_MAIN(TestFileSystem)
#include "test_filesystem.moc"
