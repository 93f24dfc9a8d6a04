// Numbers in and out of the window's fields, with the user's decimal separator
// passed in by the caller (the core never consults a global locale).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavro::design {

// Reads a field's text: optional leading spaces, an optional sign, digits with
// at most one separator (at least one digit or the separator), an optional
// exponent "E"/"e" with an optional sign and zero or more digits ("2E" is 2),
// optional trailing spaces, and nothing else. Only the space is a blank.
// Returns nothing for any other text and for a value beyond the extended
// range; a value too small for the type reads as the nearest it can hold.
std::optional<long double> ParseDecimal(std::string_view text, char separator);

// The one display form of a number: 6 significant digits in exponent
// notation with at least two exponent digits, as in 2,20000E+02; zero is
// 0,00000E+00.
std::string FormatResult(long double value, char separator);

}  // namespace tavro::design
