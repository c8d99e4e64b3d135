#pragma once

#include <QString>

namespace spelling {

// The lexicon's four-character sound key: a capital letter and three digits
// from "0".."7", or "" when the word holds no letter. Every "Soundex" field
// of the lexicon was made by this function, so it must never change.
//   "Knight" -> "N230"   "phone" -> "F500"   "cat" -> "C300"   "123" -> ""
QString MakeSoundex(const QString& word);

// The word's characters in alphabetical order, case ignored, as the lexicon's
// "Sorted" field holds them: "dog" -> "dgo", "Bab" -> "aBb".
QString sortedLetters(const QString& word);

} // namespace spelling
