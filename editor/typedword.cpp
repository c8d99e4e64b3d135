#include "editor/typedword.h"

namespace editor {
namespace {
bool isLetter(QChar c) {
    const QChar l = c.toLower();
    return l >= QLatin1Char('a') && l <= QLatin1Char('z');
}
// In the text, accented letters and the typographic apostrophe belong to
// words too ("café", "isn’t").
bool isTextLetter(QChar c) {
    return isLetter(c) || (c.unicode() >= 0x80 && (c.isLetter() || c.isMark()));
}
bool isTextWordCharacter(QChar c) {
    return isTextLetter(c) || c == QLatin1Char('\'') || c == QChar(0x2019) || c == QLatin1Char('-');
}
} // namespace

bool isTypedWordCharacter(QChar c) {
    return isLetter(c) || c == QLatin1Char('\'') || c == QLatin1Char('-');
}

TypedWord typedWord(const QString& text, int caret, int keyCode, int shift) {
    TypedWord out;
    if (keyCode < 0 || keyCode > 255) return out;
    // The key's code read as a character of the single-byte table.
    if (isTypedWordCharacter(QChar(static_cast<char16_t>(keyCode)).toLower())) return out;
    if (shift != 0 || keyCode == 8 || keyCode == 13 || keyCode == 37) return out;
    int p = caret;
    if (p <= 0 || p > text.size()) return out;
    if (!isTextLetter(text[p - 1])) return out;
    if (keyCode == 38 || keyCode == 40)
        while (p < text.size() && isTextWordCharacter(text[p]))
            ++p;
    int s = p - 1;
    while (s >= 1 && isTextWordCharacter(text[s - 1]))
        --s;
    out.check = true;
    out.start = s;
    out.end = p;
    out.word = text.mid(s, p - s);
    return out;
}

} // namespace editor
