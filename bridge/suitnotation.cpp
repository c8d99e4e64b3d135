#include "bridge/suitnotation.h"

#include "util/htmltokens.h"

namespace bridge {
namespace {

bool isLevel(QChar c) {
    return c >= QLatin1Char('1') && c <= QLatin1Char('7');
}
bool isSuitLetter(QChar c) {
    return c == QLatin1Char('C') || c == QLatin1Char('D') || c == QLatin1Char('H') ||
           c == QLatin1Char('S');
}

int headingLevel(QStringView name) {
    if (name.size() == 2 && (name[0] == u'H' || name[0] == u'h') && name[1] >= u'1' &&
        name[1] <= u'6')
        return name[1].digitValue();
    return 0;
}

} // namespace

QString imageTag(const QString& imageName) {
    return QLatin1String("<IMG SRC=\"") + imageName + QLatin1String("\">");
}

Conversion suitsToSymbols(const QString& text) {
    namespace html = util::html;
    Conversion result;
    QString& out = result.text;
    out.reserve(text.size() + text.size() / 8);

    // Bids are converted in the text after the first H1 tag (all of it when
    // there is none); never in markup (tags, comments, declarations), in
    // SCRIPT, STYLE or TITLE, or in a link's text.
    bool afterH1 = true;
    {
        html::Reader probe(text);
        html::Token t;
        while (probe.next(t))
            if (t.kind == html::Kind::StartTag && headingLevel(t.name) == 1) {
                afterH1 = false;
                break;
            }
    }
    bool inLink = false;
    bool inTitle = false;
    int heading = 0;
    qsizetype copied = 0; // text before this is already in `out`
    html::Reader reader(text);
    html::Token t;
    while (reader.next(t)) {
        if (t.isTag()) {
            const bool start = t.kind == html::Kind::StartTag;
            if (t.named(QLatin1StringView("A"))) {
                if (!start)
                    inLink = false;
                else if (html::attribute(QStringView(text).mid(t.start, t.end - t.start),
                                         QLatin1StringView("HREF")))
                    inLink = true;
            } else if (const int level = headingLevel(t.name)) {
                heading = start ? level : 0;
                if (start && level == 1) afterH1 = true;
            } else if (t.named(QLatin1StringView("TITLE"))) {
                inTitle = start;
            }
            continue;
        }
        if (t.kind != html::Kind::Text || !afterH1 || inLink || inTitle) continue;
        for (qsizetype i = t.start; i + 1 < t.end; ++i) {
            if (!isLevel(text[i]) || !isSuitLetter(text[i + 1])) continue;
            QString name = text[i + 1];
            if (heading) name += QChar(QLatin1Char('0' + heading));
            name += QLatin1String(".gif");
            out.append(QStringView(text).mid(copied, i + 1 - copied));
            out += imageTag(name);
            if (!result.imageNames.contains(name)) result.imageNames << name;
            ++result.bids;
            copied = i + 2;
            ++i;
        }
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
    return {QStringLiteral("S.gif"), QStringLiteral("h.gif"), QStringLiteral("D.gif"),
            QStringLiteral("c.gif")};
}

std::optional<QString> symbolsForHands(const QString& selection) {
    qsizetype first = 0;
    qsizetype last = selection.size();
    while (first < last && selection[first] == QLatin1Char(' '))
        ++first;
    while (last > first && selection[last - 1] == QLatin1Char(' '))
        --last;
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

QString biddingFontOpen() {
    return QStringLiteral("<FONT FACE=\"Courier New\">");
}
QString biddingFontClose() {
    return QStringLiteral("</FONT>");
}
QString biddingFont(const QString& selection) {
    return biddingFontOpen() + selection + biddingFontClose();
}

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
