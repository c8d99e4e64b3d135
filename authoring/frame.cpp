#include "authoring/frame.h"

#include <QStringList>

namespace authoring {
namespace {

const QLatin1String kCrLf("\r\n");
const QChar kQuote(u'"');

QString colorLines(const PageColorSet& colors) {
    QString out;
    for (int slot = 1; slot <= 5; ++slot)
        out += QLatin1String("  ") + colorAttributeName(slot) + QLatin1Char('=') + kQuote +
               colors.code[slot] + kQuote + kCrLf;
    return out;
}

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

} // namespace

QString colorAttributeName(int slot) {
    static const char* const names[] = {"", "TEXT", "BGCOLOR", "LINK", "VLINK", "ALINK"};
    return slot >= 1 && slot <= 5 ? QString::fromLatin1(names[slot]) : QString();
}

QString newFileTitle(const QString& fileName) {
    const qsizetype n = fileName.size();
    if (n >= 5 && fileName.at(n - 5) == u'.') return fileName.left(n - 5);
    if (fileName.endsWith(QLatin1String(".htm"))) return fileName.left(n - 4);
    return fileName;
}

QString newFileFrame(const QString& title, const PageColorSet& colors) {
    QString out;
    out += QLatin1String("<HTML><HEAD>") + kCrLf;
    out += QLatin1String("<TITLE>") + title + QLatin1String("</TITLE>") + kCrLf;
    out += QLatin1String("</HEAD>") + kCrLf;
    out += QLatin1String("<BODY") + kCrLf;
    out += colorLines(colors);
    out += QLatin1String(">") + kCrLf;
    out += QLatin1String("<CENTER>") + kCrLf;
    out += QLatin1String("<H1>") + title + QLatin1String("</H1>") + kCrLf;
    out += kCrLf;
    out += QLatin1String("<TABLE WIDTH=90%><TR><TD>") + kCrLf;
    out += kCrLf;
    for (int i = 0; i < 2; ++i) {
        out += QLatin1String("<H2></H2>") + kCrLf;
        out += QLatin1String("<P>") + kCrLf;
        out += kCrLf;
    }
    out += kCrLf + kCrLf;
    out += QLatin1String("</TD></TR></TABLE>") + kCrLf;
    out += QLatin1String("<A NAME=") + kQuote + QLatin1String("EndOfFile") + kQuote +
           QLatin1String("></A>") + kCrLf;
    out += QLatin1String("<P></BODY></HTML>") + kCrLf;
    return out;
}

bool hasHtmlHeaders(const QString& text) {
    return text.left(6).toUpper() == QLatin1String("<HTML>");
}

QString startEndHead(const QString& title, const PageColorSet& colors) {
    return QLatin1String("<HTML><HEAD>") + kCrLf + QLatin1String("<TITLE>") + title +
           QLatin1String("</TITLE>") + kCrLf + QLatin1String("</HEAD>") + kCrLf +
           QLatin1String("<BODY") + kCrLf + colorLines(colors) + QLatin1String(">") + kCrLf +
           QLatin1String("<CENTER>") + kCrLf + QLatin1String("<TABLE WIDTH=90%><TR><TD>") + kCrLf +
           kCrLf;
}

QString startEndTail() {
    return kCrLf + kCrLf + QLatin1String("<A NAME=") + kQuote + QLatin1String("EndOfFile") +
           kQuote + QLatin1String(">") + kCrLf + QLatin1String("</TD></TR></TABLE>") + kCrLf +
           QLatin1String("<P></BODY></HTML>");
}

std::optional<QString> withPageColor(const QString& text, int slot, const QString& code) {
    const QString name = colorAttributeName(slot);
    if (name.isEmpty()) return std::nullopt;
    // The BODY tag: "<BODY" followed by a space, a line break or ">".
    qsizetype body = -1;
    for (qsizetype from = 0;;) {
        body = text.indexOf(QLatin1String("<BODY"), from, Qt::CaseInsensitive);
        if (body < 0) return std::nullopt;
        const qsizetype after = body + 5;
        if (after < text.size() && (isSpace(text.at(after)) || text.at(after) == u'>')) break;
        from = after;
    }
    const qsizetype tagEnd = text.indexOf(u'>', body + 5);
    const qsizetype end = tagEnd < 0 ? text.size() : tagEnd;
    // The attribute: its name as a whole word, then "=".
    for (qsizetype at = body + 5; at < end; ++at) {
        at = text.indexOf(name, at, Qt::CaseInsensitive);
        if (at < 0 || at >= end) return std::nullopt;
        if (!isSpace(text.at(at - 1))) continue;
        qsizetype p = at + name.size();
        while (p < end && isSpace(text.at(p)))
            ++p;
        if (p >= end || text.at(p) != u'=') continue;
        ++p;
        while (p < end && isSpace(text.at(p)))
            ++p;
        qsizetype valueStart = p;
        qsizetype valueEnd = p;
        if (p < end && (text.at(p) == u'"' || text.at(p) == u'\'')) {
            const QChar quote = text.at(p);
            valueStart = p + 1;
            valueEnd = text.indexOf(quote, valueStart);
            if (valueEnd < 0 || valueEnd > end) return std::nullopt; // unclosed: leave it alone
        } else {
            while (valueEnd < end && !isSpace(text.at(valueEnd)))
                ++valueEnd;
        }
        QString out = text;
        out.replace(valueStart, valueEnd - valueStart, code);
        return out;
    }
    return std::nullopt;
}

std::optional<int> colorNumber(const QString& code) {
    if (code.size() != 7 || code.at(0) != u'#') return std::nullopt;
    bool ok = false;
    const int rgb = code.mid(1).toInt(&ok, 16);
    if (!ok) return std::nullopt;
    for (QChar c : code.mid(1))
        if (!c.isDigit() && !(c.toUpper() >= u'A' && c.toUpper() <= u'F')) return std::nullopt;
    const int red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    return red | (green << 8) | (blue << 16);
}

} // namespace authoring
