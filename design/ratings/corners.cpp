#include "design/ratings/corners.h"

#include <cmath>

#include "design/ratings/output_trough.h"
#include "mathem/angle_trig.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"

namespace tavro::design::ratings {

LoadCorner LoadAt(const Design& d, long double mainsFactor, long double current) {
  mathem::FaultScope faults;
  LoadCorner c{};
  c.MainsFactor = mainsFactor;
  c.Current = current;
  const long double emf = mainsFactor * d.Results.U2;
  c.Gamma = d.Parameters.Rsum * current / (2.0L * emf);
  const long double Phi = d.Parameters.Phi;
  // The last stored row of the continuation is solved at the target itself.
  const LoadAngles angles = BuildLoadCharacteristic(Phi, c.Gamma);
  c.Psi = angles.Psi[kLoadRows - 1];
  c.Beta = angles.Beta[kLoadRows - 1];
  c.MeanVoltage = std::sqrt(2.0L) * emf * mathem::RoundedCos(c.Psi);
  const long double H = mathem::RippleCapacitance(c.Psi, Phi, c.Beta);
  c.RippleFactor = d.Inputs.Kp * H / d.Coefficients.H;
  c.LowestVoltage = SwingOfPulse(d, c.Psi, c.Beta, c.MeanVoltage, current).Lowest;
  faults.Check(c);
  return c;
}

OperatingCorners CornersOf(const Design& d, long double tolerance) {
  OperatingCorners corners;
  try {
    corners.LowMains = LoadAt(d, 1.0L - tolerance, d.Inputs.I0);
  } catch (const mathem::NumericalFailure& e) {
    corners.LowFailure = e.what();
  }
  corners.NoLoadHighMains = std::sqrt(2.0L) * d.Results.U2 * (1.0L + tolerance);
  // The blocking pair sees the capacitor voltage plus the conducting pair's
  // EMF peak; in the method both are √2·U2, as in Urev.
  corners.ReverseHighMains = d.Results.Urev * (1.0L + tolerance);
  return corners;
}

}  // namespace tavro::design::ratings
