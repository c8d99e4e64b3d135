#pragma once

#include "platform/system.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <set>

namespace fakes {

// Files and folders in memory. Paths are absolute with "/" between names;
// the root "/" always exists. The contract suite holds it to the real file
// system's behaviour.
class FakeFileSystem : public platform::FileSystem {
  public:
    FakeFileSystem() { folders_[QStringLiteral("/")] = clock_; }
    bool exists(const QString& path) const override { return file(path) || folder(path); }
    bool isFile(const QString& path) const override { return file(path) != nullptr; }
    std::optional<QByteArray> read(const QString& path, QString* error = nullptr) const override;
    bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr) override;
    bool copy(const QString& from, const QString& to) override {
        const File* source = file(from);
        return source && write(to, QByteArray(source->bytes));
    }
    bool rename(const QString& from, const QString& to) override;
    bool remove(const QString& path) override;
    QString currentDir() const override { return current; }
    bool makeFolder(const QString& path) override;
    QStringList files(const QString& folder, const QString& suffix) const override;
    qint64 lastModified(const QString& path) const override;

    QString current = QStringLiteral("/");

  private:
    struct File {
        QByteArray bytes;
        qint64 modified = 0;
    };
    // The path without "." parts, doubled or final "/"; empty when it is no
    // absolute path. `folderOnly` tells that it ended in "/".
    static QString normal(const QString& path, bool* folderOnly = nullptr);
    static QString parentOf(const QString& normalPath);
    const File* file(const QString& path) const;
    bool folder(const QString& path) const {
        const QString p = normal(path);
        return !p.isEmpty() && folders_.count(p) > 0;
    }
    qint64 tick() { return clock_ += 1000; }

    std::map<QString, File> files_;
    std::map<QString, qint64> folders_; // path -> time of its creation
    qint64 clock_ = 1'700'000'000'000;  // milliseconds since the epoch
};

} // namespace fakes
