#include "spelling/soundex.h"

#include <algorithm>
#include <array>
#include <utility>

namespace spelling {
namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

// Accented capitals fold to their plain letter; the guillemet among the A's
// is how the keys in existing lexicons were made, so it stays.
QChar foldAccent(QChar c) {
    static const std::array<std::pair<const char16_t*, char16_t>, 8> table = {{
        {u"\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00AB", u'A'},
        {u"\u00C7", u'C'},
        {u"\u00C8\u00C9\u00CA\u00CB", u'E'},
        {u"\u00CC\u00CD\u00CE\u00CF", u'I'},
        {u"\u00D1", u'N'},
        {u"\u00D2\u00D3\u00D4\u00D5\u00D6", u'O'},
        {u"\u00D9\u00DA\u00DB\u00DC", u'U'},
        {u"\u00DD", u'Y'},
    }};
    for (const auto& [from, to] : table)
        for (const char16_t* p = from; *p; ++p)
            if (c.unicode() == *p) return QChar(to);
    return c;
}

bool isPlainCapital(QChar c) {
    return c.unicode() >= u'A' && c.unicode() <= u'Z';
}

char classDigit(QChar c) {
    switch (c.unicode()) {
    case u'B':
    case u'F':
    case u'P':
    case u'V':
        return '1';
    case u'G':
    case u'J':
    case u'K':
    case u'Q':
        return '2';
    case u'C':
    case u'S':
    case u'X':
    case u'Z':
        return '7';
    case u'D':
    case u'T':
        return '3';
    case u'L':
        return '4';
    case u'M':
    case u'N':
        return '5';
    case u'R':
        return '6';
    default:
        return '0'; // vowels and H, W, Y
    }
}

bool trimBlanks(QString& s) {
    qsizetype a = 0, b = s.size();
    while (a < b && s.at(a) == QLatin1Char(' '))
        ++a;
    while (b > a && s.at(b - 1) == QLatin1Char(' '))
        --b;
    s = s.mid(a, b - a);
    return !s.isEmpty();
}

} // namespace

QString MakeSoundex(const QString& word) {
    QString s = word;
    if (!trimBlanks(s)) return {};

    // Upper case one character at a time: a German sharp s stays one
    // character (and is then dropped) instead of becoming "SS".
    QString letters;
    letters.reserve(s.size());
    for (QChar c : s) {
        const QChar folded = foldAccent(c.toUpper());
        if (isPlainCapital(folded)) letters.append(folded);
    }
    s = letters;
    if (s.isEmpty()) return {};

    if (s.startsWith(ql("PN")) || s.startsWith(ql("PS")) || s.startsWith(ql("KN")) ||
        s.startsWith(ql("GN")) || s.startsWith(ql("WR")))
        s.remove(0, 1);
    else if (s.startsWith(ql("WHO")))
        s.replace(0, 2, ql("H"));
    else if (s.startsWith(ql("WH")))
        s.replace(0, 2, ql("W"));
    else if (s.startsWith(ql("PH")))
        s.replace(0, 2, ql("F"));
    else if (s.startsWith(QLatin1Char('X')))
        s[0] = QLatin1Char('Z');

    static const char* const rewrites[][2] = {
        {"STLE", "SEL"}, {"SCLE", "SEL"}, {"CK", "K"},    {"CT", "KT"},  {"SCI", "SI"},
        {"SCE", "SE"},   {"SCY", "SY"},   {"SC", "SK"},   {"DGE", "J"},  {"DGY", "JE"},
        {"DGI", "JI"},   {"TIA", "SHA"},  {"TIO", "SHO"}, {"TCH", "CH"},
    };
    for (const auto& r : rewrites)
        s.replace(ql(r[0]), ql(r[1]));

    if (s.endsWith(ql("GN"))) s.replace(s.size() - 2, 2, ql("N"));
    if (s.endsWith(ql("GNED"))) s.replace(s.size() - 4, 4, ql("ND"));
    if (s.endsWith(ql("GNING"))) s.replace(s.size() - 5, 5, ql("NING"));
    if (s.endsWith(ql("IC"))) s.replace(s.size() - 2, 2, ql("IK"));

    // A W not followed by a vowel is silent. After a removal the search
    // resumes one past the removed W's place, so a W that slid into that
    // place is not examined.
    qsizetype p = s.indexOf(QLatin1Char('W'));
    while (p >= 0) {
        const QChar next = p + 1 < s.size() ? s.at(p + 1) : QLatin1Char(' ');
        if (!ql("AEIOU").contains(next)) s.remove(p, 1);
        p = p + 1 < s.size() ? s.indexOf(QLatin1Char('W'), p + 1) : -1;
    }

    QString coded = s.left(1);
    for (qsizetype i = 1; i < s.size(); ++i)
        coded.append(QLatin1Char(classDigit(s.at(i))));

    QString collapsed;
    for (qsizetype i = 0; i < coded.size(); ++i) {
        const QChar next = i + 1 < coded.size() ? coded.at(i + 1) : QLatin1Char(' ');
        if (coded.at(i) != next) collapsed.append(coded.at(i));
    }
    collapsed.remove(QLatin1Char('0'));
    return (collapsed + ql("0000")).left(4);
}

QString sortedLetters(const QString& word) {
    QString chars = word;
    std::stable_sort(chars.begin(), chars.end(), [](QChar a, QChar b) {
        return a.toCaseFolded().unicode() < b.toCaseFolded().unicode();
    });
    return chars;
}

} // namespace spelling
