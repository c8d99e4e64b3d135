#include "editor/findengine.h"

#include "util/htmltokens.h"

#include <algorithm>
#include <vector>

namespace editor {
namespace {

bool isLetter(QChar c) {
    const QChar u = c.toUpper();
    return u >= QLatin1Char('A') && u <= QLatin1Char('Z');
}

bool isWordCharacter(QChar c) {
    const QChar l = c.toLower();
    return (l >= QLatin1Char('a') && l <= QLatin1Char('z')) ||
           (l >= QLatin1Char('0') && l <= QLatin1Char('9'));
}

// The markup of the text searched, for "Ignore text in < >": a match is
// passed over when it begins inside a tag, a comment or a declaration (its
// "<" itself counts as outside).
class Markup {
  public:
    Markup(const QString& text, bool wanted) {
        if (wanted) ranges_ = util::html::markupRanges(text);
    }
    bool inside(qsizetype at) const {
        auto it = std::upper_bound(ranges_.begin(), ranges_.end(), at,
                                   [](qsizetype p, const auto& r) { return p < r.first; });
        if (it == ranges_.begin()) return false;
        --it;
        return at > it->first && at < it->second;
    }

  private:
    std::vector<std::pair<qsizetype, qsizetype>> ranges_;
};

// The next accepted match of `needle` in `hay` at or after 0-based `from`;
// -1 when there is none.
qsizetype findFrom(const QString& hay, const QString& needle, qsizetype from, const FindOptions& o,
                   const Markup& markup) {
    if (needle.isEmpty()) return -1;
    for (qsizetype at = hay.indexOf(needle, from); at >= 0; at = hay.indexOf(needle, at + 1)) {
        if (o.wholeWord) {
            const qsizetype end = at + needle.size();
            if ((at > 0 && isWordCharacter(hay[at - 1])) ||
                (end < hay.size() && isWordCharacter(hay[end])))
                continue;
        }
        if (o.ignoreHtml && markup.inside(at)) continue;
        return at;
    }
    return -1;
}

} // namespace

QString lowerKeepingLength(const QString& s) {
    QString out(s.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < s.size(); ++i)
        out[i] = s[i].toLower();
    return out;
}

QString wordNearCaret(const QString& t, int p) {
    // The run of letters the caret touches: letters before it and after it.
    qsizetype start = std::clamp<qsizetype>(p, 0, t.size());
    qsizetype end = start;
    while (start > 0 && isLetter(t[start - 1]))
        --start;
    while (end < t.size() && isLetter(t[end]))
        ++end;
    return t.mid(start, end - start);
}

bool insideTag(const QString& text, qsizetype pos) {
    return Markup(text, true).inside(pos - 1);
}

qsizetype findNext(const QString& hay, const QString& needle, qsizetype searchPos,
                   const FindOptions& o) {
    const qsizetype at =
        findFrom(hay, needle, std::max<qsizetype>(0, searchPos), o, Markup(hay, o.ignoreHtml));
    return at < 0 ? 0 : at + 1;
}

ReplaceAllResult replaceAll(const QString& text, const QString& find, const QString& replacement,
                            qsizetype searchPos, const FindOptions& o) {
    // The matches are those of the text as it stands: what a replacement
    // writes is never searched again, and the document's own markup decides
    // what is inside "< >".
    const QString hay = o.matchCase ? text : lowerKeepingLength(text);
    const QString needle = o.matchCase ? find : lowerKeepingLength(find);
    const Markup markup(text, o.ignoreHtml);
    ReplaceAllResult r;
    r.text.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype at = findFrom(hay, needle, std::max<qsizetype>(0, searchPos), o, markup);
         at >= 0; at = findFrom(hay, needle, at + needle.size() + 1, o, markup)) {
        r.text += QStringView(text).mid(copied, at - copied);
        r.text += replacement;
        copied = at + needle.size();
        ++r.count;
        r.searchPos = r.text.size() + 1;
    }
    r.text += QStringView(text).mid(copied);
    return r;
}

} // namespace editor
