// Real files on disk: saves keep permissions and follow symbolic links, and a
// write or copy that fails midway leaves the old file as it was and gives
// the system's reason.
#include "platform/qt/qtfilesystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

class TestFileSystem : public QObject {
    Q_OBJECT
  private slots:
    void write_keepsPermissionsAndFollowsLinks() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("deal.htm"));
        const QString link = dir.filePath(QStringLiteral("link.htm"));
        platform::qt::QtFileSystem fs;
        QVERIFY(fs.write(path, "old"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QVERIFY(QFile::link(path, link));
        QVERIFY(fs.write(link, "new text\r\n"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(fs.read(path).value_or("<missing>"), QByteArray("new text\r\n"));
        QCOMPARE(QFile::permissions(path) & 0x0FFF,
                 QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    }

    // Files limited to 8 KB: a write past that fails with "File too large",
    // as a full disk fails with its own reason.
    void failingMidway_leavesOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("article.htm"));
        const QString big = dir.filePath(QStringLiteral("big.htm"));
        platform::qt::QtFileSystem fs;
        QVERIFY(fs.write(path, "the article as last saved") &&
                fs.write(big, QByteArray(200000, 'x')));
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 8192;
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QString error;
        const bool written = fs.write(path, QByteArray(200000, 'x'), &error);
        const bool copied = fs.copy(big, path);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        QVERIFY(!written && !copied);
        QCOMPARE(error, QStringLiteral("File too large")); // the system's, not "Unknown error"
        QCOMPARE(fs.read(path).value_or("<missing>"), QByteArray("the article as last saved"));
        // No temporary files are left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("article.htm"), QStringLiteral("big.htm")}));
    }
};

QTEST_APPLESS_MAIN(TestFileSystem)
#include "test_filesystem.moc"
