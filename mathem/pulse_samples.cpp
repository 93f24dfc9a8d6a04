#include "mathem/pulse_samples.h"

#include <algorithm>
#include <cmath>

#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"

namespace tavro::mathem {
namespace {

long double Pulse(long double x, long double Psi, long double Phi) {
  const long double k = 1.0L / std::tan(Phi);
  const long double R = std::cos(Phi) / std::cos(Psi);
  const long double S = 1.0L - R * std::cos(Psi + Phi);
  return R * std::sin(x - Phi) - 1.0L + S * std::exp((kHalfPi - Psi - x) * k);
}

}  // namespace

long double WrapToPeriod(long double x) { return x > 2.0L * kPi ? x - 2.0L * kPi : x; }

long double PulseAt(long double x, long double Psi, long double Phi, long double Beta) {
  FaultScope faults;
  const long double start = kHalfPi - Psi;
  long double i = 0.0L;
  for (const long double phase : {x, x + 2.0L * kPi}) {
    if (phase >= start && phase <= Beta) i = Pulse(phase, Psi, Phi);
  }
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

  std::vector<PulseSample> samples;
  samples.reserve(phases.size());
  for (const long double x : phases) samples.push_back({x, PulseAt(x, Psi, Phi, Beta)});
  return samples;
}

}  // namespace tavro::mathem
