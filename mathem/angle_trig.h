// Sine, cosine and tangent of the angles a Newton step works with: ψ, ψ + φ
// and β − φ, all within a few quadrants of zero.
//
// The C library's extended-precision sine reduces every argument beyond π/4
// with its general multi-word reduction, and its sine and cosine of one
// argument are two separate table-driven evaluations; together that is most
// of the time of a step. Here an angle is reduced by a three-part π/2 (Cody
// and Waite), exact for these angles to far below the last bit, and the sine
// and cosine of the reduced angle r come from their Taylor series in r²,
// evaluated side by side, with the part of r below its last bit added to first
// order. The results agree with the correctly rounded ones (rounded_trig.h)
// to within one unit in the last place (and are the same in most cases).
// Huge and non-finite arguments go to the correctly rounded routines, so the
// faults are theirs (the sine of an infinity is an invalid operation).
// See docs/method.md, section "Elementary functions".
#pragma once

#include <cmath>

#include "mathem/perturb.h"
#include "mathem/rounded_trig.h"

namespace tavro::mathem {

struct SinCos {
  long double Sin;
  long double Cos;
};

SinCos SinCosOf(long double x);

// The tangent as the quotient of the two above (within two ulps).
long double TanOf(long double x);

// Sine, cosine and tangent rounded to the nearest extended value
// (rounded_trig.h) for the closed forms outside the Newton steps. Every
// trigonometric value of the calculation comes from one of these functions or
// from the two above, none from the C library.
inline long double RoundedSin(long double x) {
  return Perturbed(NearestSin(x));
}
inline long double RoundedCos(long double x) {
  return Perturbed(NearestCos(x));
}
inline long double RoundedTan(long double x) {
  return Perturbed(NearestTan(x));
}

}  // namespace tavro::mathem
