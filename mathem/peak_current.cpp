// Coefficient F: the peak of the diode current pulse, found by bisection on
// the pulse's slope between π/2 and π.
//
// In the working range (0 < ψ, φ < π/2) the slope is positive at π/2,
// negative at π and falls through zero once in between, at the maximum. Each
// pass halves the interval; from π/2 wide down to 1e-10 takes 34 passes.
// See docs/method.md, section "Coefficients B, D, F and H".
#include <cmath>

#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"
#include "mathem/pulse_shape.h"

namespace tavro::mathem {
namespace {

// Halving π/2 reaches the tolerance in 34 passes; this many means the ends
// no longer close in.
constexpr int kMostPasses = 200;

// A pass that moves neither end ends the search: an exact zero of the slope
// at the midpoint is the peak itself; otherwise neither half holds a sign
// change (angles outside the working range) and there is no peak to find.
PulsePeak Bisect(const PulseShape& p, long double Phi) {
  FaultScope faults;
  long double lo = kHalfPi;
  long double hi = kPi;
  int passes = 0;
  for (;;) {
    if (++passes > kMostPasses) throw NumericalFailure("the diode current peak search does not close in");
    const long double width = hi - lo;
    const long double mid = (lo + hi) * 0.5L;
    // Every product is formed from fresh slope evaluations.
    const long double lowerHalf = SlopeAt(p, Phi, lo) * SlopeAt(p, Phi, mid);
    faults.Check(lowerHalf);
    if (lowerHalf < 0.0L) {
      hi = mid;
    } else {
      const long double upperHalf = SlopeAt(p, Phi, mid) * SlopeAt(p, Phi, hi);
      faults.Check(upperHalf);
      if (upperHalf < 0.0L) {
        lo = mid;
      } else if (SlopeAt(p, Phi, mid) == 0.0L) {
        break;
      } else {
        throw NumericalFailure("the diode current pulse has no maximum in [pi/2, pi]");
      }
    }
    // Also stops if the ends are adjacent numbers and the midpoint repeats one.
    if (std::fabs(hi - lo) <= kStepTolerance || !(hi - lo < width)) break;
  }
  return {(lo + hi) * 0.5L, passes};
}

}  // namespace

long double PulseSlope(long double x, long double Psi, long double Phi) {
  FaultScope faults;
  const long double slope = SlopeAt(ShapeOf(Psi, Phi), Phi, x);
  faults.Check(slope);
  return slope;
}

PulsePeak LocatePulsePeak(long double Psi, long double Phi) {
  FaultScope faults;
  const PulseShape p = ShapeOf(Psi, Phi);
  faults.Check(p);
  return Bisect(p, Phi);
}

long double PeakCurrentFactor(long double Psi, long double Phi, long double /*Beta*/,
                              long double A) {
  FaultScope faults;
  const PulseShape p = ShapeOf(Psi, Phi);
  faults.Check(p);
  const long double x = Bisect(p, Phi).X;
  const long double result = CurrentAt(p, Phi, x) / A;
  faults.Check(result);
  return result;
}

}  // namespace tavro::mathem
