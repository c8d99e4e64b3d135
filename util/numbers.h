#pragma once

#include <QString>
#include <cstdint>

namespace util {

// Rounds to the nearest integer, halves to the even neighbour, the way the
// program rounds every window measure: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
std::int32_t roundHalfEven(double value);

// Number-to-text as the program writes it into messages and the
// configuration file: a blank stands where a minus sign would be.
//   5 -> " 5"    -12 -> "-12"    0 -> " 0"
QString numberText(long long value);

// Reads a configuration number: the text up to the first comma, blanks
// trimmed. Fractions round half to even; anything that is not a number, or
// does not fit a 32-bit integer, gives 0.
//   " 1440 " -> 1440    "12.5" -> 12    "abc" -> 0    "9e99" -> 0
std::int32_t parseNumber(const QString& text);

} // namespace util
