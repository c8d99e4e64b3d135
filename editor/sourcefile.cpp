#include "editor/sourcefile.h"

#include <QStringView>
#include <array>
#include <vector>

namespace editor {
namespace {

constexpr char kNoEnd = -1;

// Calls `f(line, end)` for every line of the text, a line break being
// CR LF, a lone CR or a lone LF; the last line gets kNoEnd.
template <class F> void forEachLine(QStringView text, F f) {
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r') {
            const bool pair = i + 1 < n && text[i + 1] == u'\n';
            f(text.mid(start, i - start), char(pair ? LineEnd::CrLf : LineEnd::Cr));
            if (pair) ++i;
            start = i + 1;
        } else if (c == u'\n') {
            f(text.mid(start, i - start), char(LineEnd::Lf));
            start = i + 1;
        }
    }
    f(text.mid(start), kNoEnd);
}

QLatin1StringView endChars(char end) {
    switch (LineEnd(end)) {
    case LineEnd::Lf:
        return QLatin1StringView("\n");
    case LineEnd::Cr:
        return QLatin1StringView("\r");
    case LineEnd::CrLf:
        break;
    }
    return QLatin1StringView("\r\n");
}

std::vector<QStringView> linesOf(QStringView text) {
    std::vector<QStringView> lines;
    forEachLine(text, [&](QStringView line, char) { lines.push_back(line); });
    return lines;
}

// The line ends to write after each line of `text` in a file that had
// several kinds: a line break between lines the edit left alone (the common
// lines at the start and at the end) keeps the end it had, and every other
// takes the file's usual end.
QByteArray mixedEndsFor(QStringView text, const SourceFormat& format) {
    const std::vector<QStringView> now = linesOf(text);
    const std::vector<QStringView> before = linesOf(format.mixedText);
    const qsizetype n = qsizetype(now.size());
    const qsizetype m = qsizetype(before.size());
    const qsizetype shortest = std::min(n, m);
    qsizetype head = 0;
    while (head < shortest && now[head] == before[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shortest - head && now[n - 1 - tail] == before[m - 1 - tail])
        ++tail;

    QByteArray ends(n - 1, char(format.lineEnd));
    for (qsizetype j = 0; j + 1 < n; ++j) {
        qsizetype old = -1;
        if (j < head)
            old = j;
        else if (j + 1 >= n - tail)
            old = j - n + m;
        if (old >= 0 && old < format.mixedEnds.size()) ends[j] = format.mixedEnds[old];
    }
    return ends;
}

// The text with the given line ends, one per line break.
QString withLineEnds(QStringView text, const QByteArray& ends) {
    QString out;
    out.reserve(text.size() + ends.size());
    qsizetype k = 0;
    forEachLine(text, [&](QStringView line, char end) {
        out += line;
        if (end != kNoEnd) out += endChars(ends[k++]);
    });
    return out;
}

QString withLineEnd(QStringView text, LineEnd lineEnd) {
    QString out;
    out.reserve(text.size());
    forEachLine(text, [&](QStringView line, char end) {
        out += line;
        if (end != kNoEnd) out += endChars(char(lineEnd));
    });
    return out;
}

// Numeric character references for whatever Windows-1252 cannot hold.
QString withCharacterReferences(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (util::fitsWindows1252(QString(c))) {
            escaped += c;
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[++i]);
        escaped += QStringLiteral("&#%1;").arg(quint32(code));
    }
    return escaped;
}

} // namespace

SourceText decodeSource(const QByteArray& bytes) {
    util::DecodedText decoded = util::decodeText(bytes);
    SourceText out;
    out.format.encoding = decoded.encoding;
    out.format.byteOrderMark = decoded.byteOrderMark;
    QByteArray ends;
    std::array<qsizetype, 3> counts{};
    out.text.reserve(decoded.text.size() + decoded.text.size() / 32);
    forEachLine(decoded.text, [&](QStringView line, char end) {
        out.text += line;
        if (end == kNoEnd) return;
        out.text += QLatin1StringView("\r\n");
        ends.append(end);
        ++counts[size_t(end)];
    });
    // The most frequent line end; CR LF wins a tie, and a file without any
    // line break gets it too.
    char most = char(LineEnd::CrLf);
    for (char kind : {char(LineEnd::Lf), char(LineEnd::Cr)})
        if (counts[size_t(kind)] > counts[size_t(most)]) most = kind;
    out.format.lineEnd = LineEnd(most);
    const int kinds = int(counts[0] > 0) + int(counts[1] > 0) + int(counts[2] > 0);
    if (kinds > 1) {
        out.format.mixedText = out.text;
        out.format.mixedEnds = ends;
    }
    return out;
}

SavedBytes encodeSource(const QString& text, const SourceFormat& format, bool isHtml) {
    SavedBytes out;
    out.format = format;
    QString laidOut;
    if (format.mixed()) {
        const QByteArray ends = mixedEndsFor(text, format);
        laidOut = withLineEnds(text, ends);
        out.format.mixedText = text;
        out.format.mixedEnds = ends;
        // Once one kind is left, the file is no longer mixed.
        if (!ends.isEmpty() && ends.count(ends[0]) == ends.size()) {
            out.format.lineEnd = LineEnd(ends[0]);
            out.format.mixedText.clear();
            out.format.mixedEnds.clear();
        }
    } else {
        laidOut = withLineEnd(text, format.lineEnd);
    }

    if (format.encoding == util::Encoding::Utf8 || util::fitsWindows1252(laidOut)) {
        out.bytes = util::encodeText(laidOut, format.encoding);
    } else if (!isHtml) {
        out.format.encoding = util::Encoding::Utf8;
        out.format.byteOrderMark = false;
        out.change = SavedBytes::Change::NowUtf8;
        out.bytes = laidOut.toUtf8();
    } else {
        out.change = SavedBytes::Change::CharacterReferences;
        out.bytes = util::encodeText(withCharacterReferences(laidOut), format.encoding);
    }
    if (out.format.encoding == util::Encoding::Utf8 && out.format.byteOrderMark)
        out.bytes.prepend("\xEF\xBB\xBF");
    return out;
}

} // namespace editor
