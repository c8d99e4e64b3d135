#include "util/textcodec.h"

#include <QStringDecoder>

namespace util {
namespace {

// Windows-1252 0x80..0x9F; 0 marks the five unassigned bytes, which are
// read as the C1 control of the same number.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t fromCp1252(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
    return b;
}

int toCp1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    if (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] == 0) return c;
    return -1;
}

} // namespace

DecodedText decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        const bool mark = bytes.startsWith("\xEF\xBB\xBF");
        if (mark) text.remove(0, 1);
        return {text, Encoding::Utf8, mark};
    }
    QString legacy;
    legacy.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        legacy[i] = QChar(fromCp1252(static_cast<unsigned char>(bytes[i])));
    return {legacy, Encoding::Windows1252};
}

QByteArray encodeText(const QString& text, Encoding encoding, bool* lossless) {
    if (lossless) *lossless = true;
    if (encoding == Encoding::Utf8) return text.toUtf8();
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const int b = toCp1252(ch.unicode());
        if (b < 0) {
            if (lossless) *lossless = false;
            out.append('?');
        } else {
            out.append(static_cast<char>(b));
        }
    }
    return out;
}

bool fitsWindows1252(const QString& text) {
    for (QChar ch : text)
        if (toCp1252(ch.unicode()) < 0) return false;
    return true;
}

QString toCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            out += QLatin1String("\r\n");
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace util
