#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace editor {

// A recovery copy of unsaved edits: which file, when, and the text. Stored
// as UTF-8: a first line naming the format, the file's path, the time in
// milliseconds since the epoch, then the text.
struct RecoveryCopy {
    QString path;
    qint64 savedAtMs = 0;
    QString text;
};

QByteArray formatRecoveryCopy(const RecoveryCopy& copy);
// nullopt when the bytes are not a recovery copy (damaged, cut short).
std::optional<RecoveryCopy> parseRecoveryCopy(const QByteArray& bytes);
// The recovery copy's file name for an edited file: a hash of its path.
QString recoveryFileName(const QString& path);

} // namespace editor
