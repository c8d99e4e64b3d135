#include "util/strings.h"

#include <QByteArray>
#include <QUrl>

namespace util {

qsizetype instr(qsizetype start, const QString& hay, const QString& needle,
                Qt::CaseSensitivity cs) {
    if (start < 1) start = 1;
    if (start > hay.size() + 1) return 0;
    const qsizetype i = hay.indexOf(needle, start - 1, cs);
    return i < 0 ? 0 : i + 1;
}

qsizetype instrRev(const QString& hay, const QString& needle) {
    const qsizetype i = hay.lastIndexOf(needle);
    return i < 0 ? 0 : i + 1;
}

QString mid(const QString& s, qsizetype start, qsizetype length) {
    if (start < 1 || start > s.size()) return {};
    return length < 0 ? s.mid(start - 1) : s.mid(start - 1, length);
}

QString left(const QString& s, qsizetype n) { return n <= 0 ? QString() : s.left(n); }
QString right(const QString& s, qsizetype n) { return n <= 0 ? QString() : s.right(n); }

QString percentDecode(const QString& s) {
    if (!s.contains(QLatin1Char('%'))) return s;
    // Keep malformed escapes literally: QByteArray::fromPercentEncoding
    // leaves them alone, and the bytes are read back as UTF-8.
    return QString::fromUtf8(QByteArray::fromPercentEncoding(s.toUtf8()));
}

} // namespace util
