#include "bridge/suitnotation.h"

namespace bridge {
namespace {

bool isLevel(QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('7'); }
bool isSuitLetter(QChar c) {
    return c == QLatin1Char('C') || c == QLatin1Char('D') || c == QLatin1Char('H') || c == QLatin1Char('S');
}
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('!') || c == QLatin1Char('-'); }

// True when `text` at `at` starts with `word` without regard to case.
bool startsAt(const QString& text, qsizetype at, QLatin1String word) {
    return QStringView(text).mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// One tag as the scanner sees it: where it ends and what it is.
struct Tag {
    qsizetype end = 0; // one past its closing '>' (or the text's end)
    bool closing = false;
    QString name; // upper case
};

Tag readTag(const QString& text, qsizetype at) {
    Tag tag;
    qsizetype i = at + 1;
    if (i < text.size() && text[i] == QLatin1Char('/')) {
        tag.closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    while (i < text.size() && text[i].isLetterOrNumber()) ++i;
    tag.name = text.mid(nameStart, i - nameStart).toUpper();
    const qsizetype close = text.indexOf(QLatin1Char('>'), i);
    tag.end = close < 0 ? text.size() : close + 1;
    return tag;
}

// A '<' begins markup when a tag name, a closing slash or "!" follows;
// otherwise it is a stray character of the text.
bool beginsMarkup(const QString& text, qsizetype at) {
    if (at + 1 >= text.size()) return false;
    const QChar next = text[at + 1];
    return next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!');
}

int headingLevel(const QString& upperName) {
    if (upperName.size() == 2 && upperName[0] == QLatin1Char('H') && upperName[1] >= QLatin1Char('1') &&
        upperName[1] <= QLatin1Char('6'))
        return upperName[1].digitValue();
    return 0;
}

bool hasHref(const QString& text, qsizetype from, qsizetype to) {
    const qsizetype at = text.indexOf(QLatin1String("HREF"), from, Qt::CaseInsensitive);
    return at >= 0 && at < to;
}

} // namespace

QString imageTag(const QString& imageName) {
    return QLatin1String("<IMG SRC=\"") + imageName + QLatin1String("\">");
}

Conversion suitsToSymbols(const QString& text) {
    Conversion result;
    const qsizetype h1 = text.indexOf(QLatin1String("<H1"));
    const qsizetype start = h1 < 0 ? 0 : h1 + 6;
    QString& out = result.text;
    out.reserve(text.size() + text.size() / 8);

    bool inLink = false;
    int heading = 0;
    qsizetype copied = 0; // text before this is already in `out`
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text[i];
        if (c == QLatin1Char('<') && beginsMarkup(text, i)) {
            if (startsAt(text, i, QLatin1String("<!--"))) {
                const qsizetype close = text.indexOf(QLatin1String("-->"), i + 4);
                i = close < 0 ? n : close + 3;
                continue;
            }
            const Tag tag = readTag(text, i);
            if (tag.name == QLatin1String("A")) {
                if (tag.closing) inLink = false;
                else if (hasHref(text, i, tag.end)) inLink = true;
            } else if (const int level = headingLevel(tag.name)) {
                heading = tag.closing ? 0 : level;
            } else if (!tag.closing && (tag.name == QLatin1String("TITLE") || tag.name == QLatin1String("STYLE") ||
                                        tag.name == QLatin1String("SCRIPT"))) {
                // Their text is not markup: skip to the closing tag.
                const QString closer = QLatin1String("</") + tag.name;
                qsizetype close = text.indexOf(closer, tag.end, Qt::CaseInsensitive);
                while (close >= 0 && close + closer.size() < n && isNameChar(text[close + closer.size()]))
                    close = text.indexOf(closer, close + 1, Qt::CaseInsensitive);
                i = close < 0 ? n : close;
                continue;
            }
            i = tag.end;
            continue;
        }
        if (i >= start && isLevel(c) && i + 1 < n && isSuitLetter(text[i + 1]) && !inLink) {
            QString name = text[i + 1];
            if (heading) name += QChar(QLatin1Char('0' + heading));
            name += QLatin1String(".gif");
            out.append(QStringView(text).mid(copied, i + 1 - copied));
            out += imageTag(name);
            if (!result.imageNames.contains(name)) result.imageNames << name;
            ++result.bids;
            i += 2;
            copied = i;
            continue;
        }
        ++i;
    }
    out.append(QStringView(text).mid(copied));
    return result;
}

QString suitSymbolImage(int entry) {
    static const char* const names[] = {"c.gif", "d.gif", "h.gif", "s.gif", "hs.gif", "dc.gif"};
    if (entry < 1 || entry > 6) return {};
    return QString::fromLatin1(names[entry - 1]);
}

QStringList handImages() {
    return {QStringLiteral("S.gif"), QStringLiteral("h.gif"), QStringLiteral("D.gif"), QStringLiteral("c.gif")};
}

std::optional<QString> symbolsForHands(const QString& selection) {
    qsizetype first = 0;
    qsizetype last = selection.size();
    while (first < last && selection[first] == QLatin1Char(' ')) ++first;
    while (last > first && selection[last - 1] == QLatin1Char(' ')) --last;
    if (first == last) return std::nullopt;
    const QStringList images = handImages();
    QString hand = imageTag(images[0]) + selection.mid(first, last - first);
    qsizetype from = 0;
    for (int suit = 1; suit < 4; ++suit) {
        const qsizetype dash = hand.indexOf(QLatin1Char('-'), from);
        if (dash < 0) break;
        const QString symbol = QLatin1Char(' ') + imageTag(images[suit]);
        hand.replace(dash, 1, symbol);
        from = dash + 1;
    }
    return hand;
}

QString biddingFontOpen() { return QStringLiteral("<FONT FACE=\"Courier New\">"); }
QString biddingFontClose() { return QStringLiteral("</FONT>"); }
QString biddingFont(const QString& selection) { return biddingFontOpen() + selection + biddingFontClose(); }

QStringList shippedImageNames() {
    QStringList names;
    for (const char suit : {'C', 'D', 'H', 'S'}) {
        names << QString(QLatin1Char(suit)) + QLatin1String(".gif");
        for (char level = '1'; level <= '6'; ++level)
            names << QString(QLatin1Char(suit)) + QLatin1Char(level) + QLatin1String(".gif");
    }
    names << QStringLiteral("hs.gif") << QStringLiteral("dc.gif");
    return names;
}

QString shippedImageFor(const QString& imageName) {
    static const QStringList names = shippedImageNames();
    if (names.contains(imageName)) return imageName;
    // The single-suit images are written in both cases by different commands.
    if (imageName.size() == 5 && imageName.endsWith(QLatin1String(".gif"))) {
        const QString upper = imageName.left(1).toUpper() + QLatin1String(".gif");
        if (names.contains(upper)) return upper;
    }
    return {};
}

} // namespace bridge
