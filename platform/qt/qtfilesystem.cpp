#include "platform/qt/qtfilesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDateTime>
#include <QSaveFile>

namespace platform::qt {

bool QtFileSystem::exists(const QString& path) const { return !path.isEmpty() && QFileInfo::exists(path); }

bool QtFileSystem::isFile(const QString& path) const { return !path.isEmpty() && QFileInfo(path).isFile(); }

std::optional<QByteArray> QtFileSystem::read(const QString& path, QString* error) const {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = f.errorString();
        return std::nullopt;
    }
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (error) *error = f.errorString();
        return std::nullopt;
    }
    return bytes;
}

bool QtFileSystem::write(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        if (error) *error = f.errorString();
        f.cancelWriting();
        return false;
    }
    return true;
}

bool QtFileSystem::copy(const QString& from, const QString& to) {
    if (QFileInfo(to).isFile()) QFile::remove(to);
    return QFile::copy(from, to);
}

bool QtFileSystem::rename(const QString& from, const QString& to) { return QFile::rename(from, to); }
bool QtFileSystem::remove(const QString& path) { return QFile::remove(path); }
QString QtFileSystem::currentDir() const { return QDir::currentPath(); }

bool QtFileSystem::makeFolder(const QString& path) { return QDir().mkpath(path); }

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
