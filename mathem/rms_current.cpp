// Coefficients B and D: the secondary voltage ratio and the rms diode current.
// See docs/method.md, section "Coefficients B, D, F and H".
#include <cmath>

#include "mathem/angle_trig.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"
#include "mathem/pulse_shape.h"

namespace tavro::mathem {

long double InvSqrt2Cos(long double x) {
  FaultScope faults;
  const long double s = std::sqrt(2.0L);
  const long double result = 1.0L / (RoundedCos(x) * s);
  faults.Check(result);
  return result;
}

long double RmsCurrentFactor(long double Psi, long double Phi, long double Beta, long double A) {
  FaultScope faults;
  const PulseShape shape = ShapeOf(Psi, Phi);
  const long double R = shape.R;
  const long double S = shape.S;
  const long double E = ExpAtEnd(shape, Beta);
  const long double T1 = (RoundedSin(2.0L * (Psi + Phi)) - RoundedSin(2.0L * (Beta - Phi)) - kPi +
                          2.0L * (Beta + Psi)) *
                         (R * 0.125L);
  const long double T2 = (T1 + RoundedCos(Beta - Phi) - RoundedSin(Psi + Phi)) * R;
  const long double T3 = (1.0L - (R * RoundedCos(Phi)) * RoundedSin(Beta) - (S * 0.25L) * E) * E;
  const long double T4 =
      (RoundedCos(Phi) * RoundedCos(Phi) + T3 + S * 0.25L - 1.0L) * (RoundedTan(Phi) * S);
  // W is half the integral of i² over the conduction interval; a W below zero
  // (rounding at an empty interval) is an invalid square root.
  const long double W = T2 + T4 + (Beta + Psi) * 0.5L - kQuarterPi;
  const long double result = std::sqrt(W * kInvPi) / A;
  faults.Check(result);
  return result;
}

}  // namespace tavro::mathem
