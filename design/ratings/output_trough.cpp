#include "design/ratings/output_trough.h"

#include <cmath>

#include "mathem/angle_trig.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_shape.h"

namespace tavro::design::ratings {
namespace {

constexpr int kSamples = 1024;
constexpr int kBisections = 64;

}  // namespace

OutputSwing SwingOfPulse(const Design& d, long double Psi, long double Beta,
                         long double meanVoltage, long double current) {
  mathem::FaultScope faults;
  const long double Phi = d.Parameters.Phi;
  const mathem::PulseShape p = mathem::ShapeOf(Psi, Phi);
  const long double h = p.h;
  const long double end = std::fmin(Beta, h + mathem::kPi);
  // ∫ i dx from h to x ≤ end, in closed form.
  const auto charge = [&](long double x) {
    return p.R * (mathem::LibraryCos(h - Phi) - mathem::LibraryCos(x - Phi)) - (x - h) +
           p.S / p.k * (1.0L - mathem::ExpOf((h - x) * p.k));
  };
  const long double scale = meanVoltage / d.Parameters.Rsum;  // A per unit of the pulse
  const long double omegaC = 2.0L * mathem::kPi * d.Supply.Frequency * d.Results.Cf * 1e-6L;
  // v(x) − v(h) over a half period.
  const auto rise = [&](long double x) {
    const long double q = charge(std::fmin(x, end));
    return (scale * q - current * (x - h)) / omegaC;
  };
  // Its mean: ∫ from h to end of the charge is
  // R·(cos(h − φ)·w − sin(end − φ) + sin(h − φ)) − w²/2 + (S/k)·(w − (1 − e^(−k·w))/k), w = end −
  // h.
  const long double w = end - h;
  const long double chargeArea =
      p.R * (mathem::LibraryCos(h - Phi) * w - mathem::LibrarySin(end - Phi) +
             mathem::LibrarySin(h - Phi)) -
      w * w / 2.0L + p.S / p.k * (w - (1.0L - mathem::ExpOf(-w * p.k)) / p.k);
  const long double area = scale * (chargeArea + charge(end) * (h + mathem::kPi - end)) -
                           current * mathem::kPi * mathem::kPi / 2.0L;
  const long double mean = area / omegaC * mathem::kInvPi;

  // The pulse passes the load current (2·A' in its units) once rising and
  // once falling: bracket both on samples, then bisect.
  const long double level = current / scale;
  const auto above = [&](long double x) { return mathem::CurrentAt(p, Phi, x) > level; };
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
  OutputSwing s{meanVoltage, meanVoltage};
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
    s.Lowest = meanVoltage + rise(rising) - mean;
    s.Highest = meanVoltage + rise(falling) - mean;
  }
  faults.Check(s.Lowest, s.Highest);
  return s;
}

}  // namespace tavro::design::ratings
