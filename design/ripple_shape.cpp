#include "design/ripple_shape.h"

#include <algorithm>

#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_shape.h"

namespace tavro::design {

PulseCircuit PulseCircuitOf(const Design& d) {
  return {d.Point.Psi, d.Parameters.Phi,  d.Point.Beta, d.Inputs.U0,
          d.Inputs.I0, d.Parameters.Rsum, d.Results.Cf, d.Supply.AngularFrequency()};
}

std::optional<CapacitorVoltageRange> CapacitorVoltage(const PulseCircuit& c) {
  if (!(c.Cf > 0.0L) || !(c.Omega > 0.0L) || !(c.Rsum > 0.0L)) return std::nullopt;
  mathem::FaultScope faults;
  // Over the half period from the start h of one pulse to the next pulse's
  // start h + π: the pulse over [h, β], then the capacitor discharges
  // linearly. u is counted from its value at h; the mean is shifted to U0
  // at the end.
  const mathem::PulseShape p = mathem::ShapeOf(c.Psi, c.Phi);
  const long double h = p.h;
  const long double end = std::min(c.Beta, h + mathem::kPi);
  const long double omegaC = c.Omega * c.Cf * 1e-6L;
  const long double amperes = c.U0 / c.Rsum;
  const auto net = [&](long double x) {
    return amperes * mathem::CurrentAt(p, c.Phi, x) - c.I0;  // into the capacitor, A
  };
  const long double dx = (end - h) / kRippleShapeSteps;
  long double u = 0.0L, area = 0.0L, low = 0.0L, high = 0.0L;
  long double previous = -c.I0;  // the pulse starts from zero
  for (int n = 1; n <= kRippleShapeSteps; ++n) {
    const long double x = n == kRippleShapeSteps ? end : h + n * dx;
    const long double now = n == kRippleShapeSteps ? -c.I0 : net(x);  // it ends at zero
    const long double next = u + 0.5L * (previous + now) * dx / omegaC;
    area += 0.5L * (u + next) * dx;
    u = next;
    previous = now;
    low = std::min(low, u);
    high = std::max(high, u);
  }
  // The linear discharge from β to h + π.
  const long double rest = h + mathem::kPi - end;
  const long double fall = c.I0 * rest / omegaC;
  area += (u - 0.5L * fall) * rest;
  low = std::min(low, u - fall);
  const long double shift = c.U0 - area / mathem::kPi;
  CapacitorVoltageRange range{high + shift, low + shift, high - low};
  faults.Check(range.Max, range.Min, range.PeakToPeak);
  return range;
}

std::optional<CapacitorVoltageRange> CapacitorVoltage(const Design& design) {
  return CapacitorVoltage(PulseCircuitOf(design));
}

}  // namespace tavro::design
