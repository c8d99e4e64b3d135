#include "editor/findengine.h"

namespace editor {
namespace {

bool isLetter(QChar c) {
    const QChar u = c.toUpper();
    return u >= QLatin1Char('A') && u <= QLatin1Char('Z');
}

bool isWordCharacter(QChar c) {
    const QChar l = c.toLower();
    return (l >= QLatin1Char('a') && l <= QLatin1Char('z')) || (l >= QLatin1Char('0') && l <= QLatin1Char('9'));
}

// The text being searched: what has been rewritten so far, followed by the
// rest of the original from `consumed` on. Positions are 0-based.
struct Text {
    const QString& done;
    const QString& original;
    qsizetype consumed;
    qsizetype size() const { return done.size() + original.size() - consumed; }
    QChar at(qsizetype i) const { return i < done.size() ? done[i] : original[consumed + i - done.size()]; }
    qsizetype indexOf(QChar c, qsizetype from) const {
        for (qsizetype i = from; i < done.size(); ++i)
            if (done[i] == c) return i;
        const qsizetype j = original.indexOf(c, consumed + std::max<qsizetype>(0, from - done.size()));
        return j < 0 ? -1 : j - consumed + done.size();
    }
};

bool insideTagAt(const Text& t, qsizetype pos) {
    qsizetype scan = std::max<qsizetype>(1, pos - 100);
    for (;;) {
        const qsizetype open = t.indexOf(QLatin1Char('<'), scan - 1) + 1;
        if (open == 0 || open >= pos) return false;
        const qsizetype close = t.indexOf(QLatin1Char('>'), open) + 1;
        if (close > pos) return true;
        scan = open + 1;
    }
}

// Searches `t` (whose part from `done` on is `hay` from `consumed`) for the
// next accepted match at or after 1-based `from`.
qsizetype findIn(const Text& t, const QString& hay, const QString& needle, qsizetype from,
                 const FindOptions& o) {
    if (needle.isEmpty()) return 0;
    qsizetype pos = from;
    for (;;) {
        const qsizetype origFrom = t.consumed + std::max<qsizetype>(0, pos - 1 - t.done.size());
        const qsizetype hit = hay.indexOf(needle, origFrom);
        if (hit < 0) return 0;
        const qsizetype p = hit - t.consumed + t.done.size() + 1; // 1-based in t
        bool rejected = false;
        if (o.wholeWord) {
            const QChar before = p > 1 ? t.at(p - 2) : QLatin1Char(' ');
            const qsizetype end = p - 1 + needle.size();
            const QChar after = end < t.size() ? t.at(end) : QLatin1Char(' ');
            rejected = isWordCharacter(before) || isWordCharacter(after);
        }
        if (!rejected && o.ignoreHtml) rejected = insideTagAt(t, p);
        if (!rejected) return p;
        pos = p + 1;
    }
}

} // namespace

QString lowerKeepingLength(const QString& s) {
    QString out(s.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < s.size(); ++i) out[i] = s[i].toLower();
    return out;
}

QString wordNearCaret(const QString& t, int p) {
    // The run of letters the caret touches: letters before it and after it.
    qsizetype start = std::clamp<qsizetype>(p, 0, t.size());
    qsizetype end = start;
    while (start > 0 && isLetter(t[start - 1])) --start;
    while (end < t.size() && isLetter(t[end])) ++end;
    return t.mid(start, end - start);
}

bool insideTag(const QString& text, qsizetype pos) {
    const QString none;
    return insideTagAt(Text{none, text, 0}, pos);
}

qsizetype findNext(const QString& hay, const QString& needle, qsizetype searchPos, const FindOptions& o) {
    const QString none;
    return findIn(Text{none, hay, 0}, hay, needle, searchPos + 1, o);
}

ReplaceAllResult replaceAll(const QString& text, const QString& find, const QString& replacement,
                            qsizetype searchPos, const FindOptions& o) {
    const QString hay = o.matchCase ? text : lowerKeepingLength(text);
    const QString needle = o.matchCase ? find : lowerKeepingLength(find);
    ReplaceAllResult r;
    QString done;
    done.reserve(text.size());
    qsizetype consumed = 0;
    qsizetype pos = searchPos;
    for (;;) {
        const Text t{done, text, consumed};
        // `hay` shadows `text` from `consumed` on, lower-cased when needed.
        const Text lowered{done, hay, consumed};
        const qsizetype p = findIn(o.matchCase ? t : lowered, hay, needle, pos + 1, o);
        if (p == 0) break;
        // Copy the text up to the match, then the replacement.
        const qsizetype matchStart = consumed + (p - 1 - done.size());
        done += QStringView(text).mid(consumed, matchStart - consumed);
        done += replacement;
        consumed = matchStart + find.size();
        ++r.count;
        pos = p + replacement.size();
        r.searchPos = pos;
    }
    done += QStringView(text).mid(consumed);
    r.text = done;
    return r;
}

} // namespace editor
