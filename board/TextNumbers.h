#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nonagra {

// The game keeps its numbers as control texts and converts them where it
// computes; these are the only conversions it uses.

// The number a text stands for: an optionally signed decimal with an optional
// fraction and exponent, blanks allowed around it. Any other text throws
// std::invalid_argument; a number beyond double range throws std::overflow_error.
double numberFromText(std::string_view text);

// Rounds to the nearest whole number, a half to the even neighbour.
double roundHalfEven(double value);

// Rounds half to even; a result outside -32768..32767 throws std::overflow_error.
std::int16_t toInt16(double value);

// Shortest decimal text: "6", "151"; no blank, no leading zero, no sign unless negative.
std::string decimalText(double value);
std::string decimalText(std::int16_t value);

// The character at a 1-based position, or "" past the end, so that a short
// text reads as empty rather than out of bounds.
std::string_view characterAt(std::string_view text, int position);

} // namespace nonagra
