#include "platform/qt/qtfilesystem.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace platform::qt {

namespace {
// The reason a file operation failed, as the user should read it: the
// system's own ("No space left on device", "Read-only file system") when a
// call of the failed step set errno, Qt's text otherwise. Qt reports some
// failures as "Unknown error" or in words of its own ("Existing file ... is
// not writable") that hide the cause.
QString reason(const QFileDevice& f, int savedErrno) {
    if (savedErrno != 0) return QString::fromLocal8Bit(std::strerror(savedErrno));
    const QString text = f.errorString();
    return text.isEmpty() ? QStringLiteral("Unknown error") : text;
}
} // namespace

bool QtFileSystem::exists(const QString& path) const {
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool QtFileSystem::isFile(const QString& path) const {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

std::optional<QByteArray> QtFileSystem::read(const QString& path, QString* error) const {
    QFile f(path);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = reason(f, errno);
        return std::nullopt;
    }
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error) *error = reason(f, errno);
        return std::nullopt;
    }
    return bytes;
}

bool QtFileSystem::write(const QString& path, const QByteArray& bytes, QString* error) {
    // Unbuffered, so that a full disk is seen by the write that meets it,
    // with the system's reason, rather than by a later flush whose error
    // QSaveFile's commit replaces with "Unknown error".
    QSaveFile f(path);
    errno = 0;
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (ok) {
        errno = 0;
        ok = f.write(bytes) == bytes.size();
    }
    if (ok) {
        errno = 0;
        ok = f.commit();
    }
    if (!ok) {
        const QString why = reason(f, errno);
        f.cancelWriting();
        if (error) *error = why;
    }
    return ok;
}

bool QtFileSystem::copy(const QString& from, const QString& to) {
    // Written to a temporary file beside the target and renamed over it (as
    // every write is): a copy that fails part-way, on a full disk or a
    // missing source, leaves the old target as it was.
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly)) return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = source.read(buffer, sizeof buffer);
        if (n < 0) {
            target.cancelWriting();
            return false;
        }
        if (n == 0) break;
        if (target.write(buffer, n) != n) {
            target.cancelWriting();
            return false;
        }
    }
    // The copy gets the source's permissions, as a copy made by hand does.
    target.setPermissions(source.permissions());
    return target.commit();
}

bool QtFileSystem::rename(const QString& from, const QString& to) {
    return QFile::rename(from, to);
}
bool QtFileSystem::remove(const QString& path) {
    return QFile::remove(path);
}
QString QtFileSystem::currentDir() const {
    return QDir::currentPath();
}

bool QtFileSystem::makeFolder(const QString& path) {
    return QDir().mkpath(path);
}

QStringList QtFileSystem::files(const QString& folder, const QString& suffix) const {
    QStringList out;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        if (name.endsWith(suffix)) out << name;
    return out;
}

qint64 QtFileSystem::lastModified(const QString& path) const {
    const QFileInfo info(path);
    return info.exists() ? info.lastModified().toMSecsSinceEpoch() : 0;
}

} // namespace platform::qt
