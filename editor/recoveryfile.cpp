#include "editor/recoveryfile.h"

#include <QCryptographicHash>

namespace editor {
namespace {
const char kMagic[] = "Tarnwell File Viewer recovery copy 1";
}

QByteArray formatRecoveryCopy(const RecoveryCopy& c) {
    QByteArray out(kMagic);
    out += '\n' + c.path.toUtf8() + '\n' + QByteArray::number(c.savedAtMs) + '\n';
    out += c.text.toUtf8();
    // The length closes the copy, so that one cut short is recognised.
    out += "\n#" + QByteArray::number(c.text.toUtf8().size());
    return out;
}

std::optional<RecoveryCopy> parseRecoveryCopy(const QByteArray& bytes) {
    const qsizetype first = bytes.indexOf('\n');
    if (first < 0 || bytes.left(first) != kMagic) return std::nullopt;
    const qsizetype second = bytes.indexOf('\n', first + 1);
    const qsizetype third = second < 0 ? -1 : bytes.indexOf('\n', second + 1);
    const qsizetype tail = bytes.lastIndexOf("\n#");
    if (third < 0 || tail < third) return std::nullopt;
    bool ok = false;
    RecoveryCopy c;
    c.path = QString::fromUtf8(bytes.mid(first + 1, second - first - 1));
    c.savedAtMs = bytes.mid(second + 1, third - second - 1).toLongLong(&ok);
    if (!ok || c.path.isEmpty()) return std::nullopt;
    const QByteArray text = bytes.mid(third + 1, tail - third - 1);
    if (bytes.mid(tail + 2).toLongLong(&ok) != text.size() || !ok) return std::nullopt;
    c.text = QString::fromUtf8(text);
    return c;
}

QString recoveryFileName(const QString& path) {
    return QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".recovery");
}

} // namespace editor
