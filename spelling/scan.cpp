#include "spelling/scan.h"

#include "util/htmltokens.h"

#include <algorithm>

namespace spelling {
namespace {

// The character at a 1-based position, or a null character outside 1..limit.
QChar charAt(const QString& text, int pos, int limit) {
    return pos >= 1 && pos <= limit ? text.at(pos - 1) : QChar();
}

bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}
bool isAsciiUpper(QChar c) {
    return c.unicode() >= u'A' && c.unicode() <= u'Z';
}
bool isDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

int lengthWithoutTrailingBlanks(const QString& text) {
    int n = int(text.size());
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return n;
}

} // namespace

MarkupMap::MarkupMap(QStringView text) {
    util::html::Reader reader(text);
    util::html::Token t;
    while (reader.next(t)) {
        if (t.kind == util::html::Kind::Text) continue;
        if (!ranges_.empty() && ranges_.back().second == t.start)
            ranges_.back().second = t.end;
        else
            ranges_.emplace_back(t.start, t.end);
    }
}

qsizetype MarkupMap::skip(qsizetype pos) const {
    auto it = std::upper_bound(ranges_.begin(), ranges_.end(), pos,
                               [](qsizetype p, const auto& r) { return p < r.first; });
    if (it == ranges_.begin()) return pos;
    --it;
    return pos < it->second ? it->second : pos;
}

void skipMarkup(const MarkupMap& markup, const QString& text, QChar& ch, int& pos, int limit) {
    if (pos < 1) return;
    pos = int(markup.skip(pos - 1)) + 1;
    ch = charAt(text, pos, std::min(limit, int(text.size())));
}

bool isWordExempt(const QString& word, int pos, const QString& text,
                  const QSet<QString>& skipAll) {
    if (word.contains(QLatin1String("xx")) || word.contains(QLatin1String("x-"))) return true;
    for (qsizetype i = 1; i < word.size(); ++i)
        if (isAsciiUpper(word.at(i)) || isDigit(word.at(i))) return true;
    if (word.size() == 2) {
        if (word == QLatin1String("'s") || word.endsWith(QLatin1Char('-'))) return true;
        const QChar c = charAt(text, pos - 3, int(text.size()));
        if (isDigit(c)) {
            const char16_t d = c.unicode();
            if ((d == u'1' && word == QLatin1String("st")) ||
                (d == u'2' && word == QLatin1String("nd")) ||
                (d == u'3' && word == QLatin1String("rd")) ||
                ((d == u'0' || d >= u'4') && word == QLatin1String("th")))
                return true;
        }
    }
    return skipAll.contains(word);
}

ScanStop nextWordToCheck(const QString& text, int start, const QSet<QString>& skipAll,
                         const ScanRules& rules, const MarkupMap* markup) {
    using Kind = ScanStop::Kind;
    const int len = lengthWithoutTrailingBlanks(text);
    if (len < rules.shortestText) return {Kind::TooShort};
    MarkupMap own;
    if (rules.html && !markup) {
        own = MarkupMap(text);
        markup = &own;
    }
    auto at = [&](int p) { return charAt(text, p, len); };
    const QChar apostrophe = QLatin1Char('\'');

    int pos = start - 1;
    for (;;) {
        // The start of a word: a letter, or an apostrophe that opens one
        // ('tis) a little way past where the scan began.
        QChar ch;
        for (;;) {
            ++pos;
            ch = at(pos);
            if (rules.html) skipMarkup(*markup, text, ch, pos, len);
            if (isAsciiLetter(ch)) break;
            if (ch == apostrophe && at(pos + 1) != QLatin1Char(' ') &&
                at(pos + 1) != QLatin1Char('<') && pos - start > 1)
                break;
            if (pos >= len) break;
        }
        if (pos >= len) return {Kind::EndOfText};

        // Letters with inner digits, hyphens and apostrophes; "'s" ends the
        // word, so a possessive is looked up without it.
        int wordStart = pos;
        for (;;) {
            ++pos;
            ch = at(pos);
            if (isAsciiLetter(ch) || isDigit(ch) || ch == QLatin1Char('-') ||
                (ch == apostrophe && at(pos + 1) != QLatin1Char('s')))
                continue;
            break;
        }
        const QString word = text.mid(wordStart - 1, pos - wordStart);
        if (isWordExempt(word, pos, text, skipAll)) {
            if (pos >= len) return {Kind::EndOfText};
            // Go on from the character that ended the word: it may open a tag.
            --pos;
            continue;
        }

        if (word.endsWith(apostrophe)) --pos;
        if (word.startsWith(apostrophe)) ++wordStart;
        if (pos <= wordStart || text.mid(wordStart - 1, pos - wordStart) == QLatin1String("com")) {
            if (pos >= len - rules.shortestText) return {Kind::NoMoreWords};
            if (!rules.html) continue; // go on after the character that ended the token
            while (at(pos) != QLatin1Char('>') && pos < len)
                ++pos;
            continue;
        }
        return {Kind::Word, wordStart - 1, pos - wordStart};
    }
}

} // namespace spelling
