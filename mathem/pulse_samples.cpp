// The diode current pulse sampled over one mains period.
// See docs/method.md, section "The current pulse".
#include "mathem/pulse_samples.h"

#include <algorithm>
#include <cmath>

#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"
#include "mathem/pulse_shape.h"

namespace tavro::mathem {
long double WrapToPeriod(long double x) { return x > 2.0L * kPi ? x - 2.0L * kPi : x; }

namespace {

// The current at x over one period: the pulse within [h, β], its tail past 2π
// at the start, zero elsewhere.
long double CurrentInPeriod(const PulseShape& p, long double Phi, long double Beta, long double x) {
  long double i = 0.0L;
  for (const long double phase : {x, x + 2.0L * kPi}) {
    if (phase >= p.h && phase <= Beta) i = CurrentAt(p, Phi, phase);
  }
  return i;
}

}  // namespace

long double PulseAt(long double x, long double Psi, long double Phi, long double Beta) {
  FaultScope faults;
  const long double i = CurrentInPeriod(ShapeOf(Psi, Phi), Phi, Beta, x);
  faults.Check(i);
  return i;
}

std::vector<PulseSample> PulseSamples(long double Psi, long double Phi, long double Beta,
                                      int intervals) {
  std::vector<long double> phases;
  for (int n = 0; n <= intervals; ++n) phases.push_back(2.0L * kPi * n / intervals);
  phases.push_back(WrapToPeriod(kHalfPi - Psi));
  phases.push_back(WrapToPeriod(Beta));
  phases.push_back(WrapToPeriod(LocatePulsePeak(Psi, Phi).X));
  std::sort(phases.begin(), phases.end());

  FaultScope faults;
  const PulseShape p = ShapeOf(Psi, Phi);
  std::vector<PulseSample> samples;
  samples.reserve(phases.size());
  for (const long double x : phases) {
    const long double i = CurrentInPeriod(p, Phi, Beta, x);
    faults.Check(i);
    samples.push_back({x, i});
  }
  return samples;
}

}  // namespace tavro::mathem
