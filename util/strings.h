#pragma once

#include <QString>

// Small string helpers for the program's 1-based position arithmetic.
namespace util {

inline QString qs(const char* latin1) {
    return QString::fromLatin1(latin1);
}

// 1-based position of `needle` in `hay` at or after `start` (1-based), 0 when
// absent; an empty needle is found at `start` when that lies in the text.
qsizetype instr(qsizetype start, const QString& hay, const QString& needle,
                Qt::CaseSensitivity cs = Qt::CaseSensitive);
// 1-based position of the last `needle` in `hay`, 0 when absent.
qsizetype instrRev(const QString& hay, const QString& needle);
// Characters from 1-based position `start`, at most `length` of them
// (all the rest when length < 0); out-of-range positions give "".
QString mid(const QString& s, qsizetype start, qsizetype length = -1);
QString left(const QString& s, qsizetype n);
QString right(const QString& s, qsizetype n);

// Decodes every %XX escape as UTF-8 (a malformed escape stays as written).
QString percentDecode(const QString& s);

} // namespace util
