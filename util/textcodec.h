#pragma once

#include <QByteArray>
#include <QString>

namespace util {

enum class Encoding { Utf8, Windows1252 };

struct DecodedText {
    QString text;
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false; // UTF-8 bytes that began with EF BB BF
};

// Bytes that are valid UTF-8 are read as UTF-8 (a byte-order mark is taken
// off the text and reported); anything else is Windows-1252, the code page older articles and
// configuration files were written in. Line breaks are left as they are.
DecodedText decodeText(const QByteArray& bytes);

// Encodes in the given encoding. Characters Windows-1252 cannot hold are
// reported through `lossless` (false) and written as '?'; callers that must
// not lose text choose another form before calling.
QByteArray encodeText(const QString& text, Encoding encoding, bool* lossless = nullptr);

// True when every character of the text fits Windows-1252.
bool fitsWindows1252(const QString& text);

// Turns CR LF, lone CR and lone LF into CR LF.
QString toCrLf(const QString& text);

} // namespace util
