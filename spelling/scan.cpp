#include "spelling/scan.h"

#include "util/htmltokens.h"

#include <algorithm>

namespace spelling {
namespace {

// The character at a 1-based position, or a null character outside 1..limit.
QChar charAt(const QString& text, int pos, int limit) {
    return pos >= 1 && pos <= limit ? text.at(pos - 1) : QChar();
}

// A letter that starts a word: ASCII, or any other letter ("é", "ß").
bool isLetter(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    return c.isLetter();
}
// Inside a word also the combining accents of a decomposed letter.
bool isInnerLetter(QChar c) {
    return isLetter(c) || (c.unicode() >= 0x300 && c.isMark());
}
bool isUpper(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return u >= u'A' && u <= u'Z';
    return c.isUpper();
}
// The typewriter apostrophe and the typographic one (U+2019).
bool isApostrophe(QChar c) {
    return c.unicode() == u'\'' || c.unicode() == 0x2019;
}

// Characters that end a run of text that may be an address or a file name.
bool endsToken(QChar c) {
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\r':
    case u'\n':
    case u'<':
    case u'>':
    case u'"':
    case u'(':
    case u')':
    case u'[':
    case u']':
    case u'{':
    case u'}':
    case u',':
    case 0xA0:
    case 0x201C:
    case 0x201D:
        return true;
    default:
        return false;
    }
}

bool isAsciiAlnum(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// Whether a run of text without blanks is an address or a file name, not
// prose: "http://x.org/a", "www.bridgebase.com", "ann@example.org",
// "/usr/share/doc", "page.htm", "C.gif". A dotted name counts when its
// last part is two to five small letters or digits and its first part has
// two characters or more (or the last part is a file ending, as in
// "C.gif"), so "e.g." and "U.S." stay words.
bool notProse(QStringView t) {
    while (!t.isEmpty() && QStringView(u".:;!?'\u2019\u2018").contains(t.back()))
        t.chop(1);
    while (!t.isEmpty() && QStringView(u"'\u2018\u2019").contains(t.front()))
        t = t.mid(1);
    if (t.size() < 3) return false;
    if (t.contains(u"://") || t.startsWith(u"www.", Qt::CaseInsensitive) ||
        t.startsWith(u"mailto:", Qt::CaseInsensitive))
        return true;
    if (t.front() == u'/' && t.size() > 1 && isAsciiAlnum(t[1])) return true;
    if (t.startsWith(u"~/") || t.startsWith(u"./") || t.startsWith(u"../")) return true;
    const qsizetype at = t.indexOf(u'@');
    if (at > 0 && isAsciiAlnum(t[at - 1]) && t.indexOf(u'.', at) > at + 1) return true;
    const qsizetype dot = t.lastIndexOf(u'.');
    if (dot <= 0 || dot + 1 >= t.size() || !isAsciiAlnum(t[dot - 1])) return false;
    const QStringView last = t.mid(dot + 1);
    if (last.size() < 2 || last.size() > 5) return false;
    for (QChar c : last)
        if (!((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))) return false;
    qsizetype firstPart = 0;
    while (firstPart < t.size() && t[firstPart] != u'.')
        ++firstPart;
    if (firstPart >= 2) return true;
    // "C.gif": a one-letter name with an ending files have.
    static const QStringList endings = {QStringLiteral("htm"),  QStringLiteral("html"),
                                        QStringLiteral("gif"),  QStringLiteral("jpg"),
                                        QStringLiteral("jpeg"), QStringLiteral("png"),
                                        QStringLiteral("txt"),  QStringLiteral("pdf"),
                                        QStringLiteral("css"),  QStringLiteral("js")};
    return endings.contains(last.toString());
}

// The 1-based position just after the address or file name that the word
// starting at `wordStart` belongs to, or 0 when it is prose.
int nonProseEnd(const QString& text, int wordStart, int len) {
    int a = wordStart, b = wordStart;
    bool marked = false; // holds a character that addresses and file names have
    while (a > 1 && !endsToken(text.at(a - 2)))
        --a;
    while (b <= len && !endsToken(text.at(b - 1))) {
        const char16_t u = text.at(b - 1).unicode();
        if (u == u'.' || u == u'@' || u == u'/' || u == u':') marked = true;
        ++b;
    }
    for (int i = a; i < wordStart && !marked; ++i) {
        const char16_t u = text.at(i - 1).unicode();
        if (u == u'.' || u == u'@' || u == u'/' || u == u':') marked = true;
    }
    if (!marked) return 0;
    return notProse(QStringView(text).mid(a - 1, b - a)) ? b : 0;
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

bool isWordExempt(QStringView word, int pos, const QString& text, const QSet<QString>& skipAll) {
    for (qsizetype i = 0; i + 1 < word.size(); ++i)
        if (word[i] == u'x' && (word[i + 1] == u'x' || word[i + 1] == u'-')) return true;
    for (qsizetype i = 1; i < word.size(); ++i)
        if (isUpper(word.at(i)) || isDigit(word.at(i))) return true;
    if (word.size() == 2) {
        if (word == QLatin1String("'s") || word.back() == u'-') return true;
        const QChar c = charAt(text, pos - 3, int(text.size()));
        if (isDigit(c)) {
            // 1st, 22nd, 103rd, 4th; 11th, 12th and 113th (not 11st).
            const char16_t d = c.unicode();
            const bool teen = charAt(text, pos - 4, int(text.size())) == QLatin1Char('1');
            const QLatin1String ending = teen        ? QLatin1String("th")
                                         : d == u'1' ? QLatin1String("st")
                                         : d == u'2' ? QLatin1String("nd")
                                         : d == u'3' ? QLatin1String("rd")
                                                     : QLatin1String("th");
            if (word == ending) return true;
        }
    }
    return !skipAll.isEmpty() && skipAll.contains(word.toString());
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

    int pos = start - 1;
    for (;;) {
        // The start of a word: a letter, or an apostrophe that opens one
        // ('tis) a little way past where the scan began.
        QChar ch;
        for (;;) {
            ++pos;
            ch = at(pos);
            if (rules.html) skipMarkup(*markup, text, ch, pos, len);
            if (isLetter(ch)) break;
            if (rules.reportExempt && isDigit(ch) && !isInnerLetter(at(pos - 1)) &&
                !isDigit(at(pos - 1))) {
                // A number ("123", "4.5") is answered as correct; one that
                // runs into letters ("21st") goes on as the word it holds.
                int end = pos;
                while (end <= len && (isDigit(at(end)) || ((at(end) == u'.' || at(end) == u',') &&
                                                           isDigit(at(end + 1)))))
                    ++end;
                if (!isInnerLetter(at(end))) return {Kind::Word, pos - 1, end - pos, true};
            }
            if (isApostrophe(ch) && at(pos + 1) != QLatin1Char(' ') &&
                at(pos + 1) != QLatin1Char('<') && pos - start > 1)
                break;
            if (pos >= len) break;
        }
        if (pos >= len) return {Kind::EndOfText};

        // Addresses and file names are no prose: the scan goes on after them.
        if (const int end = nonProseEnd(text, pos, len)) {
            if (rules.reportExempt) {
                int a = pos;
                while (a > 1 && !endsToken(text.at(a - 2)))
                    --a;
                a = std::max(a, start);
                return {Kind::Word, a - 1, end - a, true};
            }
            if (end > len) return {Kind::EndOfText};
            pos = end - 1;
            continue;
        }

        // Letters with inner digits, hyphens and apostrophes; "'s" ends the
        // word, so a possessive is looked up without it.
        int wordStart = pos;
        for (;;) {
            ++pos;
            ch = at(pos);
            if (isInnerLetter(ch) || isDigit(ch) || ch == QLatin1Char('-') ||
                (isApostrophe(ch) && at(pos + 1) != QLatin1Char('s')))
                continue;
            break;
        }
        const QStringView word = QStringView(text).mid(wordStart - 1, pos - wordStart);
        if (isWordExempt(word, pos, text, skipAll)) {
            if (rules.reportExempt) return {Kind::Word, wordStart - 1, pos - wordStart, true};
            if (pos >= len) return {Kind::EndOfText};
            // Go on from the character that ended the word: it may open a tag.
            --pos;
            continue;
        }

        if (isApostrophe(word.back())) --pos;
        if (isApostrophe(word.front())) ++wordStart;
        if (pos <= wordStart ||
            QStringView(text).mid(wordStart - 1, pos - wordStart) == QLatin1String("com")) {
            if (rules.reportExempt && !rules.html && pos > wordStart)
                return {Kind::Word, wordStart - 1, pos - wordStart, true};
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
