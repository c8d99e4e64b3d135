#include "authoring/paragraph.h"

#include <algorithm>
#include <initializer_list>

namespace authoring {
namespace {

const QString kBreak = QStringLiteral("\r\n");
const QString kBlankLine = QStringLiteral("\r\n\r\n");

// The first occurrence of `tag` in [from, before); -1 when none. Bounded so
// that tagging every paragraph of a long selection stays linear.
int findTag(const QString& text, const char* tag, int from, int before) {
    if (from >= before) return -1;
    return int(QStringView(text).left(before).indexOf(QLatin1String(tag), from));
}

// The earlier of the upper- and lower-case forms.
int findEither(const QString& text, const char* upper, const char* lower, int from, int before) {
    const int a = findTag(text, upper, from, before);
    const int b = findTag(text, lower, from, before);
    if (a < 0) return b;
    if (b < 0) return a;
    return std::min(a, b);
}

bool startsWithOtherBlockTag(const QString& text, int at) {
    for (const char* tag : {"<H", "<PRE>", "<UL>", "<OL>", "<DL>"}) {
        if (QStringView(text).mid(at).startsWith(QLatin1String(tag), Qt::CaseInsensitive)) return true;
    }
    return false;
}

// The paragraph with its tag in front (unless it has one) and its lines
// joined. A line break at its very end belongs to what follows.
QString tagAndJoin(QStringView paragraph) {
    QString out;
    out.reserve(paragraph.size() + 3);
    if (paragraph.left(3).compare(QLatin1String("<P>"), Qt::CaseInsensitive) != 0) out += QLatin1String("<P>");
    const qsizetype floor = out.size();
    const qsizetype last = paragraph.size() - 2;
    qsizetype i = 0;
    while (i < paragraph.size()) {
        if (i < last && paragraph[i] == QLatin1Char('\r') && paragraph[i + 1] == QLatin1Char('\n')) {
            while (out.size() > floor && out.back() == QLatin1Char(' ')) out.chop(1);
            out += QLatin1Char(' ');
            i += 2;
            while (i < paragraph.size() && paragraph[i] == QLatin1Char(' ')) ++i;
            continue;
        }
        out += paragraph[i++];
    }
    return out;
}

int caretAfter(int s0, int end) { return end > s0 + 5 ? end : s0; }

} // namespace

int paragraphEnd(const QString& text, int from, int end) {
    const int candidates[] = {
        findEither(text, "<P>", "<p>", from + 2, end), findEither(text, "<H", "<h", from, end),
        findTag(text, "<PRE>", from, end),             findTag(text, "<UL>", from, end),
        findTag(text, "<OL>", from, end),              findTag(text, "<DL>", from, end),
    };
    for (const int at : candidates) {
        if (at > 0 && at < end) end = at;
    }
    return end;
}

Result paragraphCommand(const QString& text, Selection selection) {
    const int size = int(text.size());
    const int s0 = std::clamp(selection.start, 0, size);
    const int length = std::clamp(selection.length, 0, size - s0);
    // The result is built in one pass; positions below are in `text`.
    QString out = text.left(s0);
    Result r;

    if (length == 0) {
        int end = int(text.indexOf(kBlankLine, s0));
        if (end < 0) end = size;
        end = paragraphEnd(text, s0, end);
        out += tagAndJoin(QStringView(text).mid(s0, end - s0));
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
        while (at < stop && QStringView(text).mid(at, 2) == kBreak) at += 2;
        out += QStringView(text).mid(skipFrom, at - skipFrom);
        if (at >= stop) break;
        // A blank line that begins inside the selection ends the part there.
        const int blank = int(QStringView(text).left(std::min(size, stop + 3)).indexOf(kBlankLine, at));
        const int partEnd = blank < 0 || blank > stop ? stop : blank;
        if (startsWithOtherBlockTag(text, at)) {
            out += QStringView(text).mid(at, partEnd - at);
            at = partEnd;
            continue;
        }
        int end = paragraphEnd(text, at, partEnd);
        if (end <= at) end = partEnd;
        out += tagAndJoin(QStringView(text).mid(at, end - at));
        lastEnd = int(out.size());
        at = end;
    }
    out += QStringView(text).mid(at);
    r.edits = differenceEdits(text, out);
    r.after = {lastEnd < 0 ? s0 : caretAfter(s0, lastEnd), 0};
    return r;
}

} // namespace authoring
