#include "authoring/contents.h"

#include "authoring/links.h"

namespace authoring {
namespace {

const QLatin1String kCrLf("\r\n");

// The earlier of the next "<H2" and "<H3" at or after `from` (0-based);
// -1 when there is neither.
qsizetype nextHeading(const QString& text, qsizetype from) {
    const qsizetype h2 = text.indexOf(QLatin1String("<H2"), from);
    const qsizetype h3 = text.indexOf(QLatin1String("<H3"), from);
    if (h2 < 0) return h3;
    if (h3 < 0) return h2;
    return std::min(h2, h3);
}

} // namespace

QString missingH1Message() {
    return QStringLiteral("This function requires that the\rdocument heading be a '<H1>'\r"
                          "heading. The TOC will be inserted\rafter it.");
}

QString contentsNamesRanOutMessage(int entries) {
    return QStringLiteral("The contents list the first %1 headings.\r"
                          "There are no more anchor names for the\r"
                          "H2 headings after the 51st.")
        .arg(entries);
}

ContentsResult tableOfContents(const QString& text) {
    ContentsResult r;
    const qsizetype p = text.indexOf(QLatin1String("/H1>"));
    if (p < 0) return r;
    r.hasH1 = true;
    // The block goes after "</H1>" and the line break that follows it.
    const qsizetype insertAt = std::min<qsizetype>(p + 6, text.size());
    const QString blockHead =
        kCrLf + QLatin1String("<H2>Contents:</H2>") + kCrLf + QLatin1String("<UL>") + kCrLf;
    const QString blockTail = QLatin1String(" ") + kCrLf + QLatin1String("</UL></UL>") + kCrLf +
                              QLatin1String("<P><HR>") + kCrLf;

    // The entries all go at the block's insertion point, which lies before
    // every heading still to come, so the document after the block is
    // copied once with the anchors put in on the way.
    QString entries;
    QString rest;
    rest.reserve(text.size() - insertAt + 64);
    qsizetype copied = insertAt;
    int counter = 1;
    int h3Number = 0;
    int level = 2;
    for (qsizetype h = nextHeading(text, insertAt); h >= 0;) {
        const bool isH2 = text.at(h + 2) == u'2';
        const qsizetype tagEnd = text.indexOf(u'>', h + 3);
        if (tagEnd < 0) break;
        const qsizetype close = text.indexOf(QLatin1String("</H"), tagEnd + 1);
        if (close < 0) break;
        QString name;
        if (isH2) {
            if (counter >= kLastAnchorCounter) {
                r.namesRanOut = true;
                break;
            }
            ++counter;
            h3Number = 0;
            name = anchorName(counter);
        } else {
            ++h3Number;
            name = anchorName(counter) + QString::number(h3Number);
        }
        const QString headingText = text.mid(tagEnd + 1, close - tagEnd - 1);
        rest += QStringView(text).mid(copied, tagEnd + 1 - copied);
        rest += anchorTag(name);
        copied = tagEnd + 1;

        const int newLevel = isH2 ? 2 : 3;
        if (newLevel != level)
            entries += (newLevel == 3 ? QLatin1String("<UL>") : QLatin1String("</UL>")) + kCrLf;
        level = newLevel;
        entries += internalLink(name, headingText) + QLatin1String("<BR>") + kCrLf;
        ++r.entries;
        h = nextHeading(text, h + 1);
    }
    rest += QStringView(text).mid(copied);

    r.text.reserve(text.size() + blockHead.size() + entries.size() + blockTail.size() +
                   rest.size());
    r.text += QStringView(text).left(insertAt);
    r.text += blockHead;
    r.text += entries;
    r.text += blockTail;
    r.text += rest;
    r.linkNameCounter = counter;
    return r;
}

} // namespace authoring
