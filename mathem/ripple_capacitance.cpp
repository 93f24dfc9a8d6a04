// Coefficient H: the component of the rectified current at twice the mains
// frequency, which the filter capacitor must absorb.
//
// X and Y are the closed forms of −2·∫ i(x)·cos 2x dx and −2·∫ i(x)·sin 2x dx
// over the conduction interval. The rectified current repeats the pulse every
// half period, so √(X² + Y²)/π is the amplitude of its 100 Hz component and
// H = 10⁶/(4π) times that amplitude.
#include <cmath>

#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"

namespace tavro::mathem {

long double RippleCapacitance(long double Psi, long double Phi, long double Beta) {
  FaultScope faults;
  const long double R = std::cos(Phi) / std::cos(Psi);
  const long double S = 1.0L - R * std::cos(Psi + Phi);
  const long double K = R * kOneThird;
  const long double k = 1.0L / std::tan(Phi);
  const long double G = S / ((k * k + 4.0L) * std::sin(Phi));
  const long double E = std::exp(k * (kHalfPi - Beta - Psi));

  const long double Xa =
      K * (std::sin(3.0L * Psi + Phi) + std::cos(3.0L * Beta - Phi) -
           3.0L * (std::sin(Phi - Psi) + std::cos(Beta + Phi)));
  const long double Xb = G * (E * (3.0L * std::cos(2.0L * Beta + Phi) - std::cos(2.0L * Beta - Phi)) +
                              3.0L * std::cos(Phi - 2.0L * Psi) - std::cos(2.0L * Psi + Phi));
  const long double Xc = std::sin(2.0L * Beta) - std::sin(2.0L * Psi);
  const long double X = Xa + Xb + Xc;

  const long double Ya =
      K * (std::cos(3.0L * Psi + Phi) + std::sin(3.0L * Beta - Phi) +
           3.0L * (std::cos(Psi - Phi) - std::sin(Beta + Phi)));
  const long double Yb = G * (E * (3.0L * std::sin(2.0L * Beta + Phi) - std::sin(2.0L * Beta - Phi)) -
                              3.0L * std::sin(2.0L * Psi - Phi) + std::sin(2.0L * Psi + Phi));
  const long double Yc = -std::cos(2.0L * Beta) - std::cos(2.0L * Psi);
  const long double Y = Ya + Yb + Yc;

  const long double result = std::sqrt(X * X + Y * Y) * (250000.0L / (kPi * kPi));
  faults.Check(result);
  return result;
}

}  // namespace tavro::mathem
