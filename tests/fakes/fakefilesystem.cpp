#include "tests/fakes/fakefilesystem.h"

#include <QStringList>
#include <algorithm>

namespace fakes {

namespace {
const QString kNoSuchFile = QStringLiteral("No such file or directory");
} // namespace

QString FakeFileSystem::normal(const QString& path, bool* folderOnly) {
    if (folderOnly) *folderOnly = path.size() > 1 && path.endsWith(QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/'))) return {};
    QStringList parts;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".")) continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty()) parts.removeLast();
            continue;
        }
        parts << part;
    }
    return QLatin1Char('/') + parts.join(QLatin1Char('/'));
}

QString FakeFileSystem::parentOf(const QString& p) {
    const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : p.left(slash);
}

const FakeFileSystem::File* FakeFileSystem::file(const QString& path) const {
    bool folderOnly = false;
    const QString p = normal(path, &folderOnly);
    if (p.isEmpty() || folderOnly) return nullptr;
    const auto it = files_.find(p);
    return it == files_.end() ? nullptr : &it->second;
}

std::optional<QByteArray> FakeFileSystem::read(const QString& path, QString* error) const {
    if (const File* f = file(path)) return f->bytes;
    if (error) *error = folder(path) ? QStringLiteral("file to open is a directory") : kNoSuchFile;
    return std::nullopt;
}

bool FakeFileSystem::write(const QString& path, const QByteArray& bytes, QString* error) {
    bool folderOnly = false;
    const QString p = normal(path, &folderOnly);
    QString why;
    if (p.isEmpty() || !folder(parentOf(p)))
        why = kNoSuchFile;
    else if (folderOnly || folder(p))
        why = QStringLiteral("Filename refers to a directory");
    if (!why.isEmpty()) {
        if (error) *error = why;
        return false;
    }
    files_[p] = File{bytes, tick()};
    return true;
}

bool FakeFileSystem::rename(const QString& from, const QString& to) {
    bool fromFolderOnly = false, toFolderOnly = false;
    const QString a = normal(from, &fromFolderOnly);
    const QString b = normal(to, &toFolderOnly);
    if (a.isEmpty() || b.isEmpty() || exists(b) || !folder(parentOf(b))) return false;
    if (const auto it = files_.find(a); it != files_.end() && !fromFolderOnly && !toFolderOnly) {
        File moved = it->second;
        files_.erase(it);
        files_[b] = moved;
        return true;
    }
    // A folder moves with everything in it, but never into itself.
    if (!folder(a) || a == QLatin1String("/") || b.startsWith(a + QLatin1Char('/'))) return false;
    const QString prefix = a + QLatin1Char('/');
    const auto moveAll = [&](auto& entries) {
        std::decay_t<decltype(entries)> kept;
        for (auto& [path, value] : entries)
            kept[path == a ? b : path.startsWith(prefix) ? b + path.mid(a.size()) : path] = value;
        entries.swap(kept);
    };
    moveAll(files_);
    moveAll(folders_);
    return true;
}

bool FakeFileSystem::remove(const QString& path) {
    bool folderOnly = false;
    const QString p = normal(path, &folderOnly);
    if (folderOnly) return false;
    return files_.erase(p) > 0;
}

bool FakeFileSystem::makeFolder(const QString& path) {
    const QString p = normal(path);
    if (p.isEmpty()) return false;
    QString sofar;
    for (const QString& part : p.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        sofar += QLatin1Char('/') + part;
        if (files_.count(sofar)) return false;
        if (!folders_.count(sofar)) folders_[sofar] = tick();
    }
    return true;
}

QStringList FakeFileSystem::files(const QString& folderPath, const QString& suffix) const {
    QStringList out;
    const QString p = normal(folderPath);
    if (p.isEmpty() || !folders_.count(p)) return out;
    const QString prefix = p == QLatin1String("/") ? p : p + QLatin1Char('/');
    for (const auto& [path, f] : files_) {
        if (!path.startsWith(prefix)) continue;
        const QString name = path.mid(prefix.size());
        // Hidden files (a leading dot) are not listed, as the real listing
        // leaves them out.
        if (name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.'))) continue;
        if (name.endsWith(suffix)) out << name;
    }
    std::sort(out.begin(), out.end()); // by UTF-16 code units, as QDir::Name sorts
    return out;
}

qint64 FakeFileSystem::lastModified(const QString& path) const {
    if (const File* f = file(path)) return f->modified;
    const QString p = normal(path);
    const auto it = folders_.find(p);
    return it == folders_.end() || p.isEmpty() ? 0 : it->second;
}

} // namespace fakes
