// Numbers as an engineer writes them, for every place outside the main
// window's specified fields (parts list, simulation table, plot read-outs,
// PDF text, clipboard table): three or four significant digits, an SI prefix
// on the unit where one reads better than a long row of digits, and the
// user's decimal separator: "2,86 А", "19,8 мФ", "143,2°", "0 В".
//
// The mantissa keeps two decimals below 10 and one from 10 up (three
// significant digits below 1, where no prefix applies); a value that
// rounds up to the next thousand moves to the next prefix ("999,96 В" is
// "1,00 кВ"). Capacitance stays in microfarads from 1 µF to 1 F, as parts are
// marked ("19 844 мкФ"). Prefixes run from pico to giga; below pico the
// number takes an exponent, above giga and for units without prefixes
// (degrees, per cent) its digits are plain, whole from 1000 up and grouped by
// thousands with a no-break space from 10 000.
#pragma once

#include <string>

#include "design/translatable.h"

namespace tavro::design {

enum class Unit {
  None,
  Volt,
  Ampere,
  Ohm,
  Farad,
  Henry,
  Watt,
  VoltAmpere,
  Hertz,
  Second,
  Degree,   // of angle, written close: "143,2°"
  Percent,  // "1,50 %"
  Celsius,  // "40,0 °C"
};

// How a table shared by the front ends writes its numbers: the command
// line's outputs keep their digits (scripts read them), the windows and the
// PDF report write them readable (FormatReadable).
enum class NumberStyle { Plain, Readable };

// `value` in `unit`, its prefix and unit symbol in the language `lookup`
// gives (context "units"); "—" for a value that is not finite.
std::string FormatReadable(long double value, Unit unit, char separator,
                           const TextLookup& lookup = Untranslated);

}  // namespace tavro::design
