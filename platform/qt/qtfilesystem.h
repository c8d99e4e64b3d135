#pragma once

#include "platform/system.h"

namespace platform::qt {

// Real files on disk; writes go through QSaveFile, so they are atomic.
class QtFileSystem : public FileSystem {
  public:
    bool exists(const QString& path) const override;
    bool isFile(const QString& path) const override;
    std::optional<QByteArray> read(const QString& path, QString* error = nullptr) const override;
    bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr) override;
    bool copy(const QString& from, const QString& to) override;
    bool rename(const QString& from, const QString& to) override;
    bool remove(const QString& path) override;
    QString currentDir() const override;
    bool makeFolder(const QString& path) override;
    QStringList files(const QString& folder, const QString& suffix) const override;
    qint64 lastModified(const QString& path) const override;
};

} // namespace platform::qt
