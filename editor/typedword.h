#pragma once

#include <QString>

namespace editor {

// Which word a key ends as it is typed. The key code is turned into the
// character of the same code: keys whose character is a word character
// (letters, and the keys that share codes with "'" and "-", such as the
// function keys and Right arrow) do not end a word; nor does any key with a
// modifier, Backspace, Enter or Left arrow.
//   Space after "helo" -> start 0, end 4; Up arrow inside "he|lo" -> the
//   whole "helo"
struct TypedWord {
    bool check = false;
    int start = 0; // 0-based
    int end = 0;   // 0-based, just past the word (the caret after the check)
    QString word;
};
TypedWord typedWord(const QString& text, int caret, int keyCode, int shift);

// The word character set of the as-you-type check: letters, "'" and "-".
bool isTypedWordCharacter(QChar c);

} // namespace editor
