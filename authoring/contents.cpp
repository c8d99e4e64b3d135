#include "authoring/contents.h"

#include "authoring/links.h"
#include "util/htmltokens.h"

namespace authoring {
namespace {

const QLatin1String kCrLf("\r\n");

bool isHeadingEnd(const util::html::Token& t) {
    return t.kind == util::html::Kind::EndTag && t.name.size() == 2 && t.name[0] == u'H' &&
           t.name[1] >= u'1' && t.name[1] <= u'6';
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
    namespace html = util::html;
    ContentsResult r;
    // The first "</H1>" of the document's markup (not one in a comment or a
    // script); the block goes right after it, and after its line break when
    // one follows.
    html::Reader reader(text);
    html::Token t;
    qsizetype insertAt = -1;
    while (reader.next(t)) {
        if (t.kind == html::Kind::EndTag && t.name == QLatin1String("H1")) {
            insertAt = t.end;
            break;
        }
    }
    if (insertAt < 0) return r;
    r.hasH1 = true;
    if (QStringView(text).mid(insertAt, 2) == kCrLf) insertAt += 2;
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
    while (reader.next(t)) {
        if (t.kind != html::Kind::StartTag || t.start < insertAt ||
            (t.name != QLatin1String("H2") && t.name != QLatin1String("H3")))
            continue;
        const bool isH2 = t.name == QLatin1String("H2");
        const qsizetype tagEnd = t.end;
        qsizetype close = -1;
        while (reader.next(t))
            if (isHeadingEnd(t)) {
                close = t.start;
                break;
            }
        if (close < 0) break;
        // Names the document already uses (its own anchors and links) are
        // passed over, so that no existing link changes its target.
        QString name;
        if (isH2) {
            const std::optional<int> next = nextAnchorCounter(counter, text);
            if (!next) {
                r.namesRanOut = true;
                break;
            }
            counter = *next;
            h3Number = 0;
            name = anchorName(counter);
        } else {
            do
                name = anchorName(counter) + QString::number(++h3Number);
            while (anchorNameUsed(text, name));
        }
        // The entry shows the heading's text: an anchor or other markup in
        // the heading stays in the heading.
        const QString headingText = html::textOnly(QStringView(text).mid(tagEnd, close - tagEnd));
        rest += QStringView(text).mid(copied, tagEnd - copied);
        rest += anchorTag(name);
        copied = tagEnd;

        const int newLevel = isH2 ? 2 : 3;
        if (newLevel != level)
            entries += (newLevel == 3 ? QLatin1String("<UL>") : QLatin1String("</UL>")) + kCrLf;
        level = newLevel;
        entries += internalLink(name, headingText) + QLatin1String("<BR>") + kCrLf;
        ++r.entries;
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
