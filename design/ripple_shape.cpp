#include "design/ripple_shape.h"

#include <cmath>

#include "mathem/angle_trig.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_shape.h"

namespace tavro::design {
namespace {

constexpr int kSamples = 1024;
constexpr int kBisections = 64;

}  // namespace

PulseCircuit PulseCircuitOf(const Design& d) {
  return {d.Point.Psi, d.Parameters.Phi,  d.Point.Beta, d.Inputs.U0,
          d.Inputs.I0, d.Parameters.Rsum, d.Results.Cf, d.Supply.AngularFrequency()};
}

std::optional<CapacitorVoltageRange> CapacitorVoltage(const PulseCircuit& c) {
  if (!(c.Cf > 0.0L) || !(c.Omega > 0.0L) || !(c.Rsum > 0.0L)) return std::nullopt;
  mathem::FaultScope faults;
  // Over the half period from the start h of one pulse to the next pulse's
  // start h + π: the pulse over [h, β], then the capacitor discharges
  // linearly. v − v(h) = (1/(ω·C))·[(U0/Rsum)·∫ i dx − I0·(x − h)].
  const mathem::PulseShape p = mathem::ShapeOf(c.Psi, c.Phi);
  const long double h = p.h;
  const long double end = std::fmin(c.Beta, h + mathem::kPi);
  // ∫ i dx from h to x ≤ end, in closed form.
  const auto charge = [&](long double x) {
    return p.R * (mathem::RoundedCos(h - c.Phi) - mathem::RoundedCos(x - c.Phi)) - (x - h) +
           p.S / p.k * (1.0L - mathem::ExpOf((h - x) * p.k));
  };
  const long double scale = c.U0 / c.Rsum;  // A per unit of the pulse
  const long double omegaC = c.Omega * c.Cf * 1e-6L;
  const auto rise = [&](long double x) {
    return (scale * charge(std::fmin(x, end)) - c.I0 * (x - h)) / omegaC;
  };
  // The mean of the rise over the half period; ∫ from h to end of the charge
  // is R·(cos(h − φ)·w − sin(end − φ) + sin(h − φ)) − w²/2
  // + (S/k)·(w − (1 − e^(−k·w))/k), w = end − h.
  const long double w = end - h;
  const long double chargeArea =
      p.R * (mathem::RoundedCos(h - c.Phi) * w - mathem::RoundedSin(end - c.Phi) +
             mathem::RoundedSin(h - c.Phi)) -
      w * w / 2.0L + p.S / p.k * (w - (1.0L - mathem::ExpOf(-w * p.k)) / p.k);
  const long double area = scale * (chargeArea + charge(end) * (h + mathem::kPi - end)) -
                           c.I0 * mathem::kPi * mathem::kPi / 2.0L;
  const long double mean = area / omegaC * mathem::kInvPi;

  // The voltage is lowest where the rising pulse passes the load current and
  // highest where the falling one does: bracket both on samples, then bisect.
  const long double level = c.I0 / scale;
  const auto above = [&](long double x) { return mathem::CurrentAt(p, c.Phi, x) > level; };
  const long double step = w / kSamples;
  long double first = end;
  long double last = h;
  for (int n = 1; n < kSamples; ++n) {
    const long double x = h + n * step;
    if (above(x)) {
      if (first == end) first = x;
      last = x;
    }
  }
  CapacitorVoltageRange range{c.U0, c.U0, 0.0L};
  if (first != end) {
    long double lo = first - step;
    long double hi = first;
    for (int n = 0; n < kBisections; ++n) {
      const long double mid = (lo + hi) / 2.0L;
      (above(mid) ? hi : lo) = mid;
    }
    const long double rising = hi;
    lo = last;
    hi = std::fmin(last + step, end);
    for (int n = 0; n < kBisections; ++n) {
      const long double mid = (lo + hi) / 2.0L;
      (above(mid) ? lo : hi) = mid;
    }
    const long double falling = lo;
    range.Min = c.U0 + rise(rising) - mean;
    range.Max = c.U0 + rise(falling) - mean;
    range.PeakToPeak = range.Max - range.Min;
  }
  faults.Check(range.Max, range.Min, range.PeakToPeak);
  return range;
}

std::optional<CapacitorVoltageRange> CapacitorVoltage(const Design& design) {
  return CapacitorVoltage(PulseCircuitOf(design));
}

}  // namespace tavro::design
