// Coefficients B and D: the secondary voltage ratio and the rms diode current.
#include <cmath>

#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"

namespace tavro::mathem {

long double InvSqrt2Cos(long double x) {
  FaultScope faults;
  const long double s = std::sqrt(2.0L);
  const long double result = 1.0L / (std::cos(x) * s);
  faults.Check(result);
  return result;
}

long double RmsCurrentFactor(long double Psi, long double Phi, long double Beta, long double A) {
  FaultScope faults;
  const long double R = std::cos(Phi) / std::cos(Psi);
  const long double S = 1.0L - R * std::cos(Psi + Phi);
  const long double E = std::exp((1.0L / std::tan(Phi)) * (kHalfPi - Beta - Psi));
  const long double T1 =
      (std::sin(2.0L * (Psi + Phi)) - std::sin(2.0L * (Beta - Phi)) - kPi + 2.0L * (Beta + Psi)) *
      (R * 0.125L);
  const long double T2 = (T1 + std::cos(Beta - Phi) - std::sin(Psi + Phi)) * R;
  const long double T3 = (1.0L - (R * std::cos(Phi)) * std::sin(Beta) - (S * 0.25L) * E) * E;
  const long double T4 =
      (std::cos(Phi) * std::cos(Phi) + T3 + S * 0.25L - 1.0L) * (std::tan(Phi) * S);
  // W is half the integral of i² over the conduction interval; a W below zero
  // (rounding at an empty interval) is an invalid square root.
  const long double W = T2 + T4 + (Beta + Psi) * 0.5L - kQuarterPi;
  const long double result = std::sqrt(W * kInvPi) / A;
  faults.Check(result);
  return result;
}

}  // namespace tavro::mathem
