// The figures docs/method.md quotes about the method's limits, from the
// calculation itself: for a spread of designs, the filter capacitor's ripple
// (its 100 Hz component and its peak-to-peak value, from the model's own
// current pulses charging the calculated capacitance), how far the end of
// conduction β stays from the start of the next pulse, the share of the
// diodes in the path resistance, and the load characteristic at 120 %.
#include <cmath>
#include <cstdio>

#include "bench/bench_designs.h"
#include "design/calculate.h"
#include "mathem/extended.h"
#include "mathem/pulse_samples.h"

namespace {

using namespace tavro;

struct Ripple {
  long double Amplitude100Hz;  // V
  long double PeakToPeak;      // V
};

// The capacitor voltage over a half period: (1/ωC)·∫(i_rectified − I0) dx,
// i_rectified the pulses of both diode pairs, half a period apart.
Ripple CapacitorRipple(const design::Design& d) {
  constexpr int kSteps = 20000;
  const long double Psi = d.Point.Psi, Beta = d.Point.Beta, Phi = d.Parameters.Phi;
  const long double amperes = d.Inputs.U0 / d.Parameters.Rsum;
  const long double omegaC = design::Mains{}.AngularFrequency() * d.Results.Cf * 1e-6L;
  const long double dx = mathem::kPi / kSteps;
  const auto current = [&](long double x) {
    return amperes * (mathem::PulseAt(x, Psi, Phi, Beta) +
                      mathem::PulseAt(x + mathem::kPi, Psi, Phi, Beta)) -
           d.Inputs.I0;
  };
  long double v = 0, lo = 0, hi = 0, c = 0, s = 0, previous = current(0);
  for (int n = 1; n <= kSteps; ++n) {
    const long double x = n * dx, now = current(x);
    v += (previous + now) / 2 * dx / omegaC;
    previous = now;
    lo = std::fmin(lo, v), hi = std::fmax(hi, v);
    c += v * std::cos(2 * x) * dx, s += v * std::sin(2 * x) * dx;
  }
  return {2 / mathem::kPi * std::sqrt(c * c + s * s), hi - lo};
}

}  // namespace

int main() {
  const bench::BenchDesign designs[] = {
      {"worked example", "12", "1", "1", 1, "1.2", "0.7"},
      {"5 V 1 A", "5", "1", "1", 1, "1.2", "0.7"},
      {"24 V 3 A", "24", "3", "2", 1, "1.2", "0.7"},
      {"48 V 2 A 2 limbs", "48", "2", "1", 2, "1.5", "1"},
      {"220 V 0.5 A", "220", "0.5", "1", 1, "1.2", "1"},
      {"1000 V 0.02 A 15 %", "1000", "0.02", "15", 2, "0.8", "0.3"},
      {"0.05 V 1 A", "0.05", "1", "1", 1, "1.2", "0.7"},
      {"0.025 V 1 A", "0.025", "1", "1", 1, "1.2", "0.7"},
  };
  std::printf("%-20s %8s %9s %9s %8s %9s %9s %8s %11s\n", "design", "A", "100Hz/KpU0", "pp/2KpU0",
              "pp/2amp", "beta,deg", "270-psi", "diodes", "U(120 %)/U0");
  for (const bench::BenchDesign& b : designs) {
    const design::Calculation c = design::Calculate(bench::Inputs(b));
    const auto* d = std::get_if<design::Design>(&c);
    if (d == nullptr) {
      std::printf("%-20s did not complete\n", b.Name);
      continue;
    }
    const Ripple r = CapacitorRipple(*d);
    const long double kpU0 = d->Inputs.Kp / 100 * d->Inputs.U0;
    const long double degrees = 180 / mathem::kPi;
    std::printf("%-20s %8.4Lf %9.4Lf %9.4Lf %8.4Lf %9.2Lf %9.2Lf %7.1Lf%% %10.4Lf\n", b.Name, d->A,
                r.Amplitude100Hz / kpU0, r.PeakToPeak / (2 * kpU0),
                r.PeakToPeak / (2 * r.Amplitude100Hz), d->Point.Beta * degrees,
                270 - d->Point.Psi * degrees, 100 * 2 * d->Parameters.Rd / d->Parameters.Rsum,
                d->Load.Voltage[24] / d->Inputs.U0);
  }
  std::printf(
      "100Hz/KpU0: the capacitor's 100 Hz ripple amplitude over Kp·U0; pp/2KpU0: its "
      "peak-to-peak over 2·Kp·U0;\npp/2amp: peak-to-peak over twice the 100 Hz amplitude; "
      "beta must stay below 270° − psi (start of the next pulse);\ndiodes: 2·Rd/Rsum; "
      "U(120 %%)/U0: the load characteristic's voltage at 120 %% of the rated current.\n");
  return 0;
}
