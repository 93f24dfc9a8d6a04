// Decimal text to the nearest extended real, computed here with exact integer
// arithmetic so that the result is the same bits whatever C library the
// program runs on.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavro::mathem {

// Where the value stands against the range of long double.
enum class DecimalRange {
  Within,    // a normal number, zero, or a subnormal held exactly
  Overflow,  // too large: the value is an infinity of the text's sign
  Underflow  // below the normal range and not held exactly: rounded to a
             // subnormal or to a zero of the text's sign
};

struct DecimalReading {
  long double Value;
  std::size_t Used;  // characters read from the start of the text
  DecimalRange Range;
};

// Reads the longest start of `text` of the form
//   [-] ( D+ [. D*] | . D+ ) [ (e|E) [+|-] D+ ]
// (no blanks, no '+' before the number, no infinity, NaN or hexadecimal form;
// an exponent letter without digits is not read). The value is rounded once
// to the nearest long double, ties to the even significand, with gradual
// underflow: the same value and range the C library's strtold gives for it.
// Any number of digits and any exponent are read. Returns nothing when the
// text does not start with such a number.
std::optional<DecimalReading> ReadDecimal(std::string_view text);

}  // namespace tavro::mathem
