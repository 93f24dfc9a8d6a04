// Extended-precision reals of the calculation and the constants its formulas use.
//
// Every engineering quantity is an 80-bit x87 extended real (64-bit mantissa,
// round to nearest). The constants are written with more digits than the type
// holds, so each literal is the nearest extended value.
// See docs/method.md, section "Numbers and floating-point faults".
#pragma once

#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "Tavro computes in the 80-bit x87 extended type (64-bit mantissa)");

namespace tavro::mathem {

inline constexpr long double kPi = 3.14159265358979323846264338327950288L;
inline constexpr long double kHalfPi = 1.57079632679489661923132169163975144L;
inline constexpr long double kQuarterPi = 0.785398163397448309615660845819875721L;
inline constexpr long double kInvPi = 0.318309886183790671537767526745028724L;
inline constexpr long double kInvTwoPi = 0.159154943091895335768883763372514362L;
inline constexpr long double kOneThird = 0.333333333333333333333333333333333333L;

// Newton steps end when both angles move by less than this (radians); the
// continuations stop when the stepped parameter is this close to its target.
inline constexpr long double kStepTolerance = 1e-10L;
inline constexpr int kNewtonStepLimit = 1000;

}  // namespace tavro::mathem
