#include "editor/recoveryfile.h"

#include <QCryptographicHash>
#include <algorithm>

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
    // The closing "\n#" comes after the text's own first character: one at
    // the third line break itself is the text's beginning, and the copy was
    // cut short.
    if (third < 0 || tail <= third) return std::nullopt;
    bool ok = false;
    RecoveryCopy c;
    c.path = QString::fromUtf8(bytes.mid(first + 1, second - first - 1));
    c.savedAtMs = bytes.mid(second + 1, third - second - 1).toLongLong(&ok);
    if (!ok || c.path.isEmpty()) return std::nullopt;
    const QByteArray text = bytes.mid(third + 1, tail - third - 1);
    // Digits only: toLongLong also takes " 5", "+5" and "5\0junk".
    const QByteArray length = bytes.mid(tail + 2);
    if (length.isEmpty() ||
        !std::all_of(length.begin(), length.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return std::nullopt;
    if (length.toLongLong(&ok) != text.size() || !ok) return std::nullopt;
    c.text = QString::fromUtf8(text);
    return c;
}

QString recoveryFileName(const QString& path) {
    return QString::fromLatin1(
               QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".recovery");
}

} // namespace editor
