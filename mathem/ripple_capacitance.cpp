// Coefficient H: the component of the rectified current at twice the mains
// frequency, which the filter capacitor must absorb.
//
// X and Y are the closed forms of −2·∫ i(x)·cos 2x dx and −2·∫ i(x)·sin 2x dx
// over the conduction interval. The rectified current repeats the pulse every
// half period, so √(X² + Y²)/π is the amplitude of its 100 Hz component and
// H = 10⁶/(4π) times that amplitude.
// See docs/method.md, section "Coefficients B, D, F and H".
#include <cmath>

#include "mathem/angle_trig.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"
#include "mathem/pulse_shape.h"

namespace tavro::mathem {

long double RippleCapacitance(long double Psi, long double Phi, long double Beta) {
  FaultScope faults;
  const PulseShape shape = ShapeOf(Psi, Phi);
  const long double R = shape.R;
  const long double S = shape.S;
  const long double K = R * kOneThird;
  const long double k = shape.k;
  const long double G = S / ((k * k + 4.0L) * RoundedSin(Phi));
  const long double E = ExpAtEnd(shape, Beta);

  const long double Xa = K * (RoundedSin(3.0L * Psi + Phi) + RoundedCos(3.0L * Beta - Phi) -
                              3.0L * (RoundedSin(Phi - Psi) + RoundedCos(Beta + Phi)));
  const long double Xb =
      G * (E * (3.0L * RoundedCos(2.0L * Beta + Phi) - RoundedCos(2.0L * Beta - Phi)) +
           3.0L * RoundedCos(Phi - 2.0L * Psi) - RoundedCos(2.0L * Psi + Phi));
  const long double Xc = RoundedSin(2.0L * Beta) - RoundedSin(2.0L * Psi);
  const long double X = Xa + Xb + Xc;

  const long double Ya = K * (RoundedCos(3.0L * Psi + Phi) + RoundedSin(3.0L * Beta - Phi) +
                              3.0L * (RoundedCos(Psi - Phi) - RoundedSin(Beta + Phi)));
  const long double Yb =
      G * (E * (3.0L * RoundedSin(2.0L * Beta + Phi) - RoundedSin(2.0L * Beta - Phi)) -
           3.0L * RoundedSin(2.0L * Psi - Phi) + RoundedSin(2.0L * Psi + Phi));
  const long double Yc = -RoundedCos(2.0L * Beta) - RoundedCos(2.0L * Psi);
  const long double Y = Ya + Yb + Yc;

  const long double result = std::sqrt(X * X + Y * Y) * (250000.0L / (kPi * kPi));
  faults.Check(result);
  return result;
}

}  // namespace tavro::mathem
