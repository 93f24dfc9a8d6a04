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
// order. The results agree with the library's to within one unit in the last
// place (and are the same in most cases). Huge and non-finite arguments go to
// the library, so its faults (the sine of an infinity is an invalid operation)
// are the library's.
// See docs/method.md, section "Elementary functions".
#pragma once

#include <cmath>

#include "mathem/perturb.h"

namespace tavro::mathem {

struct SinCos {
  long double Sin;
  long double Cos;
};

SinCos SinCosOf(long double x);

// The library's tangent function of the reduced angle (−1/tan r in the odd
// quadrants), never a quotient of sine and cosine.
long double TanOf(long double x);

// The C library's sine, cosine and tangent (C code without x87 transcendental
// instructions, so the same on every processor) for the closed forms outside
// the Newton steps. Every trigonometric value of the calculation comes from
// one of these functions or from the two above.
inline long double LibrarySin(long double x) { return Perturbed(std::sin(x)); }
inline long double LibraryCos(long double x) { return Perturbed(std::cos(x)); }
inline long double LibraryTan(long double x) { return Perturbed(std::tan(x)); }

}  // namespace tavro::mathem
