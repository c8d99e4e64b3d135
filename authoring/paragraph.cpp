#include "authoring/paragraph.h"

#include <algorithm>
#include <initializer_list>

namespace authoring {
namespace {

const QString kBreak = QStringLiteral("\r\n");
const QString kBlankLine = QStringLiteral("\r\n\r\n");

// The first occurrence of `tag` at or after `from`; -1 when none.
int findTag(const QString& text, const char* tag, int from) {
    if (from > text.size()) return -1;
    return int(text.indexOf(QLatin1String(tag), from));
}

// The earlier of the upper- and lower-case forms.
int findEither(const QString& text, const char* upper, const char* lower, int from) {
    const int a = findTag(text, upper, from);
    const int b = findTag(text, lower, from);
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

bool startsWithParagraphTag(const QString& text, int at) {
    return QStringView(text).mid(at, 3).compare(QLatin1String("<P>"), Qt::CaseInsensitive) == 0;
}

// Tags the paragraph [from, end) unless it has its tag and joins its lines;
// returns where the paragraph ends now.
int tagAndJoin(QString& text, int from, int end) {
    if (!startsWithParagraphTag(text, from)) {
        text.insert(from, QStringLiteral("<P>"));
        end += 3;
    }
    // A line break ending right at `end` belongs to what follows.
    int at = from;
    for (;;) {
        const int lineBreak = int(text.indexOf(kBreak, at));
        if (lineBreak < 0 || lineBreak >= end - 2) break;
        int left = lineBreak;
        while (left > from && text[left - 1] == QLatin1Char(' ')) --left;
        int right = lineBreak + 2;
        while (right < end && text[right] == QLatin1Char(' ')) ++right;
        text.replace(left, right - left, QStringLiteral(" "));
        end -= (right - left) - 1;
        at = left + 1;
    }
    return end;
}

int caretAfter(int s0, int end) { return end > s0 + 5 ? end : s0; }

} // namespace

int paragraphEnd(const QString& text, int from, int end) {
    const int candidates[] = {
        findEither(text, "<P>", "<p>", from + 2), findEither(text, "<H", "<h", from), findTag(text, "<PRE>", from),
        findTag(text, "<UL>", from),          findTag(text, "<OL>", from),       findTag(text, "<DL>", from),
    };
    for (const int at : candidates) {
        if (at > 0 && at < end) end = at;
    }
    return end;
}

Result paragraphCommand(const QString& original, Selection selection) {
    QString text = original;
    const int size = int(text.size());
    const int s0 = std::clamp(selection.start, 0, size);
    const int length = std::clamp(selection.length, 0, size - s0);
    Result r;

    if (length == 0) {
        int end = int(text.indexOf(kBlankLine, s0));
        if (end < 0) end = size;
        end = paragraphEnd(text, s0, end);
        end = tagAndJoin(text, s0, end);
        r.edits = differenceEdits(original, text);
        r.after = {caretAfter(s0, end), 0};
        return r;
    }

    int at = s0;
    int stop = s0 + length;
    int lastEnd = -1;
    while (at < stop) {
        while (at < stop && QStringView(text).mid(at, 2) == kBreak) at += 2;
        if (at >= stop) break;
        const int blank = int(text.indexOf(kBlankLine, at));
        const int partEnd = blank < 0 || blank > stop ? stop : blank;
        if (startsWithOtherBlockTag(text, at)) {
            at = partEnd;
            continue;
        }
        int end = paragraphEnd(text, at, partEnd);
        if (end <= at) end = partEnd;
        const int newEnd = tagAndJoin(text, at, end);
        stop += newEnd - end;
        lastEnd = newEnd;
        at = newEnd;
    }
    r.edits = differenceEdits(original, text);
    r.after = {lastEnd < 0 ? s0 : caretAfter(s0, lastEnd), 0};
    return r;
}

} // namespace authoring
