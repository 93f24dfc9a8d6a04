#include "simulation/circuit.h"

#include <cmath>

#include "design/operating_point.h"
#include "design/ripple_shape.h"

namespace tavro::simulation {

CircuitValues ValuesOf(const design::Design& d, const design::Mains& mains) {
  CircuitValues v;
  v.EmfPeak = static_cast<double>(d.Results.Urev);  // √2·U2
  v.Frequency = static_cast<double>(mains.Frequency);
  v.Rtr = static_cast<double>(d.Parameters.Rtr);
  v.Ls = static_cast<double>(d.Parameters.Ls);
  v.Rd = static_cast<double>(d.Parameters.Rd);
  v.Cf = static_cast<double>(d.Results.Cf * 1e-6L);
  v.U0 = static_cast<double>(d.Inputs.U0);
  v.I0 = static_cast<double>(d.Inputs.I0);
  v.Kp = static_cast<double>(d.Inputs.Kp);
  return v;
}

MethodFigures FiguresOf(const design::Design& d) {
  MethodFigures m;
  m.U0 = static_cast<double>(d.Inputs.U0);
  m.I0 = static_cast<double>(d.Inputs.I0);
  m.I2 = static_cast<double>(d.Results.I2);
  m.Idavg = static_cast<double>(d.Inputs.I0 / 2);
  m.Idrms = static_cast<double>(d.Results.Idrms);
  m.Idpk = static_cast<double>(d.Results.Idpk);
  m.BetaDegrees = static_cast<double>(design::Degrees(d.Point.Beta));
  m.RippleAmplitude = static_cast<double>(d.Inputs.Kp / 100 * d.Inputs.U0);
  if (const auto range = design::CapacitorVoltage(d)) {
    m.RipplePP = static_cast<double>(range->PeakToPeak);
    m.LowestVoltage = static_cast<double>(range->Min);
  }
  return m;
}

CircuitValues ValuesOf(const design::Analysis& a) {
  CircuitValues v;
  v.EmfPeak = static_cast<double>(a.Urev);  // √2·U2
  v.Frequency = static_cast<double>(a.Inputs.Supply.Frequency);
  v.Rtr = static_cast<double>(a.Inputs.Rtr);
  v.Ls = static_cast<double>(a.Inputs.Ls);
  v.Rd = static_cast<double>(a.Rd);
  v.Cf = static_cast<double>(a.Inputs.Cf * 1e-6L);
  v.U0 = static_cast<double>(a.U0);
  v.I0 = static_cast<double>(a.Inputs.I0);
  v.Kp = static_cast<double>(a.Kp);
  return v;
}

MethodFigures FiguresOf(const design::Analysis& a) {
  MethodFigures m;
  m.U0 = static_cast<double>(a.U0);
  m.I0 = static_cast<double>(a.Inputs.I0);
  m.I2 = static_cast<double>(a.I2);
  m.Idavg = static_cast<double>(a.Inputs.I0 / 2);
  m.Idrms = static_cast<double>(a.Idrms);
  m.Idpk = static_cast<double>(a.Idpk);
  m.BetaDegrees = static_cast<double>(design::Degrees(a.Beta));
  m.RippleAmplitude = static_cast<double>(a.Kp / 100 * a.U0);
  const design::PulseCircuit pulses{
      a.Psi,       a.Phi,  a.Beta,      a.U0,
      a.Inputs.I0, a.Rsum, a.Inputs.Cf, a.Inputs.Supply.AngularFrequency()};
  if (const auto range = design::CapacitorVoltage(pulses)) {
    m.RipplePP = static_cast<double>(range->PeakToPeak);
    m.LowestVoltage = static_cast<double>(range->Min);
  }
  return m;
}

}  // namespace tavro::simulation
