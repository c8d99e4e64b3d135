#include "util/strings.h"

#include <QByteArray>

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

QString left(const QString& s, qsizetype n) {
    return n <= 0 ? QString() : s.left(n);
}
QString right(const QString& s, qsizetype n) {
    return n <= 0 ? QString() : s.right(n);
}

QString percentDecode(const QString& s) {
    if (!s.contains(QLatin1Char('%'))) return s;
    const QByteArray in = s.toUtf8();
    QByteArray out;
    out.reserve(in.size());
    const auto hex = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '%' && i + 2 < in.size() && hex(in[i + 1]) >= 0 && hex(in[i + 2]) >= 0) {
            out.append(static_cast<char>(hex(in[i + 1]) * 16 + hex(in[i + 2])));
            i += 2;
        } else {
            out.append(in[i]);
        }
    }
    return QString::fromUtf8(out);
}

} // namespace util
