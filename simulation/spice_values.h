// Numbers and names as they go into a netlist. ngspice reads numbers in the
// C locale and silently makes sense of nonsense ("1.0.4abc" is 1.0, a missing
// value is 0), so every value is checked before it is written, and written so
// that it reads back exactly, whatever the process locale.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tavro::simulation {

// A value or a model line that must not reach the simulator.
class RejectedValue : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The shortest decimal that reads back to the same double, C syntax
// ("0.0006687403049764220", "1e-07"). Never depends on the locale.
std::string SpiceNumber(double value);

// Throws RejectedValue naming `what` unless value is finite and > 0.
double RequirePositive(double value, std::string_view what);
// Throws RejectedValue naming `what` unless value is finite and >= 0.
double RequireNonNegative(double value, std::string_view what);

// Reads a whole text as one number in C syntax with an optional SPICE scale
// suffix (T G Meg K m u n p f, case-insensitive, as ngspice reads them) and
// nothing else after it; throws RejectedValue otherwise. "10u" -> 1e-05,
// "1.0.4abc" -> rejected, "" -> rejected.
double ParseSpiceNumber(std::string_view text);

}  // namespace tavro::simulation
