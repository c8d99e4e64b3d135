#include "authoring/paragraph.h"

#include "util/htmltokens.h"

#include <climits>
#include <vector>

#include <algorithm>
#include <initializer_list>

namespace authoring {
namespace {

const QString kBreak = QStringLiteral("\r\n");
const QString kBlankLine = QStringLiteral("\r\n\r\n");

// The document as the command reads it: where its block tags begin, and
// the markup and raw text (tags, comments, scripts) whose line breaks are
// never joined. Read once for the whole command.
class Layout {
  public:
    explicit Layout(const QString& text) {
        util::html::Reader reader(text);
        util::html::Token t;
        qsizetype preStart = -1;
        while (reader.next(t)) {
            if (t.kind == util::html::Kind::Text || t.kind == util::html::Kind::Entity) continue;
            kept_.emplace_back(t.start, t.end);
            if (t.named(QLatin1StringView("PRE"))) {
                if (t.kind == util::html::Kind::StartTag && preStart < 0)
                    preStart = t.start;
                else if (t.kind == util::html::Kind::EndTag && preStart >= 0) {
                    pre_.emplace_back(preStart, t.end);
                    preStart = -1;
                }
            }
            if (t.kind != util::html::Kind::StartTag) continue;
            const QStringView tag = QStringView(text).mid(t.start, t.end - t.start);
            if (tag.startsWith(u"<P>") || tag.startsWith(u"<p>"))
                paragraphTags_.push_back(int(t.start));
            else if (tag.startsWith(u"<H") || tag.startsWith(u"<h") || tag.startsWith(u"<PRE>") ||
                     tag.startsWith(u"<UL>") || tag.startsWith(u"<OL>") || tag.startsWith(u"<DL>"))
                otherTags_.push_back(int(t.start));
        }
        if (preStart >= 0) pre_.emplace_back(preStart, text.size());
    }
    // The first block tag in [from, end): a "<P>" from two characters on
    // (the paragraph may begin with its own); `end` when there is none.
    int firstBlockTag(int from, int end) const {
        end = std::min(end, firstAtOrAfter(paragraphTags_, from + 2));
        return std::min(end, firstAtOrAfter(otherTags_, from));
    }
    // Line breaks in markup, raw text and preformatted text stay.
    bool keepsLineBreakAt(qsizetype at) const { return within(kept_, at) || insidePre(at); }
    bool insidePre(qsizetype at) const { return within(pre_, at); }

  private:
    static bool within(const std::vector<std::pair<qsizetype, qsizetype>>& ranges, qsizetype at) {
        auto it = std::upper_bound(ranges.begin(), ranges.end(), at,
                                   [](qsizetype p, const auto& r) { return p < r.first; });
        return it != ranges.begin() && at < std::prev(it)->second;
    }
    static int firstAtOrAfter(const std::vector<int>& positions, int from) {
        const auto it = std::lower_bound(positions.begin(), positions.end(), from);
        return it == positions.end() ? INT_MAX : *it;
    }
    std::vector<int> paragraphTags_, otherTags_;
    std::vector<std::pair<qsizetype, qsizetype>> kept_, pre_;
};

// Elements a paragraph may begin with: text-level ones. A part of a
// selection that begins with any other markup (a heading, a list, a table,
// the head's elements, a comment, an end tag) is left as it is.
bool beginsWithOtherMarkup(const QString& text, qsizetype at) {
    static const QStringList inlineElements = {
        QStringLiteral("A"),    QStringLiteral("ABBR"),   QStringLiteral("ACRONYM"),
        QStringLiteral("B"),    QStringLiteral("BIG"),    QStringLiteral("BR"),
        QStringLiteral("CITE"), QStringLiteral("CODE"),   QStringLiteral("DFN"),
        QStringLiteral("EM"),   QStringLiteral("FONT"),   QStringLiteral("I"),
        QStringLiteral("IMG"),  QStringLiteral("KBD"),    QStringLiteral("MARK"),
        QStringLiteral("NOBR"), QStringLiteral("P"),      QStringLiteral("Q"),
        QStringLiteral("S"),    QStringLiteral("SAMP"),   QStringLiteral("SMALL"),
        QStringLiteral("SPAN"), QStringLiteral("STRIKE"), QStringLiteral("STRONG"),
        QStringLiteral("SUB"),  QStringLiteral("SUP"),    QStringLiteral("TT"),
        QStringLiteral("U"),    QStringLiteral("VAR"),    QStringLiteral("WBR")};
    // Blanks before the markup count for nothing; a part of blanks alone is
    // no paragraph either.
    while (at < text.size() && text[at].isSpace())
        ++at;
    if (at >= text.size()) return true;
    util::html::Reader reader(QStringView(text).mid(at, 256));
    util::html::Token t;
    if (!reader.next(t) || t.kind == util::html::Kind::Text || t.kind == util::html::Kind::Entity)
        return false;
    return t.kind != util::html::Kind::StartTag ||
           !inlineElements.contains(t.name.toString().toUpper());
}

// The paragraph [from, end) with its tag in front (unless it begins with a
// P tag of its own) and its lines joined, except in markup and preformatted
// text, which keep their line breaks. A line break at its very end belongs
// to what follows.
QString tagAndJoin(const QString& text, int from, int end, const Layout& layout) {
    const QStringView paragraph = QStringView(text).mid(from, end - from);
    QString out;
    out.reserve(paragraph.size() + 3);
    util::html::Reader first(paragraph.left(256));
    util::html::Token t;
    const bool ownTag =
        first.next(t) && t.kind == util::html::Kind::StartTag && t.named(QLatin1StringView("P"));
    if (!ownTag) out += QLatin1String("<P>");
    const qsizetype floor = out.size();
    const qsizetype last = paragraph.size() - 2;
    qsizetype i = 0;
    while (i < paragraph.size()) {
        if (i < last && paragraph[i] == QLatin1Char('\r') &&
            paragraph[i + 1] == QLatin1Char('\n') && !layout.keepsLineBreakAt(from + i)) {
            while (out.size() > floor && out.back() == QLatin1Char(' '))
                out.chop(1);
            out += QLatin1Char(' ');
            i += 2;
            while (i < paragraph.size() && paragraph[i] == QLatin1Char(' '))
                ++i;
            continue;
        }
        out += paragraph[i++];
    }
    return out;
}

int caretAfter(int s0, int end) {
    return end > s0 + 5 ? end : s0;
}

} // namespace

int paragraphEnd(const QString& text, int from, int end) {
    const int at = Layout(text).firstBlockTag(from, end);
    return at > 0 && at < end ? at : end;
}

Result paragraphCommand(const QString& text, Selection selection) {
    const int size = int(text.size());
    const int s0 = std::clamp(selection.start, 0, size);
    const int length = std::clamp(selection.length, 0, size - s0);
    // The result is built in one pass; positions below are in `text`.
    QString out = text.left(s0);
    Result r;
    const Layout layout(text);
    const auto blockEnd = [&](int from, int end) {
        const int at = layout.firstBlockTag(from, end);
        return at > 0 && at < end ? at : end;
    };

    if (length == 0) {
        int end = int(text.indexOf(kBlankLine, s0));
        if (end < 0) end = size;
        end = blockEnd(s0, end);
        out += tagAndJoin(text, s0, end, layout);
        const int newEnd = int(out.size());
        out += QStringView(text).mid(end);
        r.edits = differenceEdits(text, out);
        r.after = {caretAfter(s0, newEnd), 0};
        return r;
    }

    int at = s0;
    const int stop = s0 + length;
    int lastEnd = -1;
    while (at < stop) {
        const int skipFrom = at;
        while (at < stop && QStringView(text).mid(at, 2) == kBreak)
            at += 2;
        out += QStringView(text).mid(skipFrom, at - skipFrom);
        if (at >= stop) break;
        // A blank line that begins inside the selection ends the part there.
        const int blank =
            int(QStringView(text).left(std::min(size, stop + 3)).indexOf(kBlankLine, at));
        const int partEnd = blank < 0 || blank > stop ? stop : blank;
        if (beginsWithOtherMarkup(text, at) || layout.insidePre(at)) {
            out += QStringView(text).mid(at, partEnd - at);
            at = partEnd;
            continue;
        }
        int end = blockEnd(at, partEnd);
        if (end <= at) end = partEnd;
        out += tagAndJoin(text, at, end, layout);
        lastEnd = int(out.size());
        at = end;
    }
    out += QStringView(text).mid(at);
    r.edits = differenceEdits(text, out);
    r.after = {lastEnd < 0 ? s0 : caretAfter(s0, lastEnd), 0};
    return r;
}

} // namespace authoring
