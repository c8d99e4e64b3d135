#include "util/htmltokens.h"

namespace util::html {
namespace {

bool isSpace(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f';
}
bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}
bool isDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}
bool isHexDigit(QChar c) {
    const char16_t u = c.unicode();
    return isDigit(c) || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

// Walks the tag that begins at `at`, calling `f(name, value)` for each
// attribute (stopping when it returns true); returns one past the tag.
template <class F> qsizetype walkTag(QStringView text, qsizetype at, F f) {
    const qsizetype n = text.size();
    qsizetype i = at + 1;
    if (i < n && text[i] == u'/') ++i;
    while (i < n && !isSpace(text[i]) && text[i] != u'/' && text[i] != u'>')
        ++i;
    for (;;) {
        while (i < n && (isSpace(text[i]) || text[i] == u'/'))
            ++i;
        if (i >= n) return n;
        if (text[i] == u'>') return i + 1;
        // An attribute's name may begin with any character, even a quote.
        const qsizetype nameStart = i++;
        while (i < n && !isSpace(text[i]) && text[i] != u'/' && text[i] != u'>' && text[i] != u'=')
            ++i;
        const QStringView name = text.mid(nameStart, i - nameStart);
        while (i < n && isSpace(text[i]))
            ++i;
        QStringView value;
        if (i < n && text[i] == u'=') {
            ++i;
            while (i < n && isSpace(text[i]))
                ++i;
            if (i < n && (text[i] == u'"' || text[i] == u'\'')) {
                const qsizetype close = text.indexOf(text[i], i + 1);
                if (close < 0) return n; // an unclosed quote runs to the end
                value = text.mid(i + 1, close - i - 1);
                i = close + 1;
            } else {
                const qsizetype valueStart = i;
                while (i < n && !isSpace(text[i]) && text[i] != u'>')
                    ++i;
                value = text.mid(valueStart, i - valueStart);
            }
        }
        if (f(name, value)) return i;
    }
}

QStringView tagName(QStringView text, qsizetype nameStart) {
    qsizetype i = nameStart;
    while (i < text.size() && !isSpace(text[i]) && text[i] != u'/' && text[i] != u'>')
        ++i;
    return text.mid(nameStart, i - nameStart);
}

// The "<" of the end tag of `element` at or after `from`, or the end of the
// text.
qsizetype endTagOf(QStringView text, qsizetype from, QStringView element) {
    const qsizetype n = text.size();
    for (qsizetype at = text.indexOf(u"</", from); at >= 0; at = text.indexOf(u"</", at + 2)) {
        const qsizetype after = at + 2 + element.size();
        if (after > n ||
            text.mid(at + 2, element.size()).compare(element, Qt::CaseInsensitive) != 0)
            continue;
        if (after == n || isSpace(text[after]) || text[after] == u'/' || text[after] == u'>')
            return at;
    }
    return n;
}

// One past the entity that begins at `at`, or `at` when none does.
qsizetype entityEnd(QStringView text, qsizetype at, qsizetype limit) {
    qsizetype i = at + 1;
    if (i < limit && text[i] == u'#') {
        ++i;
        const bool hex = i < limit && (text[i] == u'x' || text[i] == u'X');
        if (hex) ++i;
        const qsizetype digits = i;
        while (i < limit && (hex ? isHexDigit(text[i]) : isDigit(text[i])))
            ++i;
        if (i == digits) return at;
        return i < limit && text[i] == u';' ? i + 1 : i;
    }
    if (i >= limit || !isAsciiLetter(text[i])) return at;
    while (i < limit && (isAsciiLetter(text[i]) || isDigit(text[i])))
        ++i;
    return i < limit && text[i] == u';' ? i + 1 : at;
}

} // namespace

qsizetype tagEnd(QStringView text, qsizetype at) {
    return walkTag(text, at, [](QStringView, QStringView) { return false; });
}

std::optional<QStringView> attribute(QStringView tag, QLatin1StringView name) {
    std::optional<QStringView> found;
    walkTag(tag, 0, [&](QStringView n, QStringView value) {
        if (n.compare(name, Qt::CaseInsensitive) != 0) return false;
        found = value;
        return true;
    });
    return found;
}

bool Reader::next(Token& t) {
    const qsizetype n = text_.size();
    if (pos_ >= n) return false;
    t = Token{};
    t.start = pos_;
    qsizetype limit = n;
    if (!special_.isEmpty()) {
        limit = endTagOf(text_, pos_, special_);
        if (limit == pos_) {
            special_ = {};
            limit = n;
        } else if (raw_) {
            t.kind = Kind::RawText;
            t.name = special_;
            t.end = pos_ = limit;
            return true;
        }
    }
    const QChar c = text_[pos_];
    if (c == u'<' && special_.isEmpty() && pos_ + 1 < n) {
        const QChar d = text_[pos_ + 1];
        if (d == u'!' && text_.mid(pos_, 4) == u"<!--") {
            t.kind = Kind::Comment;
            // "<!-->" and "<!--->" are whole (empty) comments.
            if (text_.mid(pos_ + 4, 1) == u">")
                t.end = pos_ + 5;
            else if (text_.mid(pos_ + 4, 2) == u"->")
                t.end = pos_ + 6;
            else {
                const qsizetype close = text_.indexOf(u"-->", pos_ + 4);
                t.end = close < 0 ? n : close + 3;
            }
        } else if (d == u'!' || d == u'?') {
            t.kind = Kind::Declaration;
            const qsizetype close = text_.indexOf(u'>', pos_ + 2);
            t.end = close < 0 ? n : close + 1;
        } else if (d == u'/' && pos_ + 2 < n && isAsciiLetter(text_[pos_ + 2])) {
            t.kind = Kind::EndTag;
            t.name = tagName(text_, pos_ + 2);
            t.end = tagEnd(text_, pos_);
        } else if (isAsciiLetter(d)) {
            t.kind = Kind::StartTag;
            t.name = tagName(text_, pos_ + 1);
            t.end = tagEnd(text_, pos_);
            if (t.named(QLatin1StringView("SCRIPT")) || t.named(QLatin1StringView("STYLE"))) {
                special_ = t.name;
                raw_ = true;
            } else if (t.named(QLatin1StringView("TITLE")) ||
                       t.named(QLatin1StringView("TEXTAREA"))) {
                special_ = t.name;
                raw_ = false;
            }
        }
        if (t.kind != Kind::Text) {
            pos_ = t.end;
            return true;
        }
    }
    if (c == u'&') {
        const qsizetype end = entityEnd(text_, pos_, limit);
        if (end > pos_) {
            t.kind = Kind::Entity;
            t.end = pos_ = end;
            return true;
        }
    }
    qsizetype i = pos_ + 1;
    while (i < limit && text_[i] != u'&' && !(text_[i] == u'<' && special_.isEmpty()))
        ++i;
    t.kind = Kind::Text;
    t.end = pos_ = i;
    return true;
}

QString textOnly(QStringView html) {
    QString out;
    Reader reader(html);
    Token t;
    while (reader.next(t))
        if (t.kind == Kind::Text || t.kind == Kind::Entity)
            out += html.mid(t.start, t.end - t.start);
    return out;
}

std::vector<std::pair<qsizetype, qsizetype>> markupRanges(QStringView text) {
    std::vector<std::pair<qsizetype, qsizetype>> ranges;
    Reader reader(text);
    Token t;
    while (reader.next(t))
        if (t.isMarkup()) ranges.emplace_back(t.start, t.end);
    return ranges;
}

} // namespace util::html
