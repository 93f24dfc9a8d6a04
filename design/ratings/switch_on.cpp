#include "design/ratings/switch_on.h"

#include <cmath>

#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/phase_search.h"

namespace tavro::design::ratings {
namespace {

constexpr int kPhaseGrid = 36;
constexpr int kGoldenSteps = 40;
constexpr int kMostPulses = 8 * mathem::kSwitchOnHalfPeriods;

constexpr int kSimpsonIntervals = 512;

// Every pulse from the first conduction at x0 in [0, π) with the capacitor
// empty, handed to `visit` with its shift to the half period it belongs to
// (each pulse followed to its end only: its peak is the largest sample);
// the pulse search of mathem::PeakAfterSwitchOn without its early stop (the
// current's bound says nothing of the voltage or of ∫i²dt). Returns the
// capacitor's final voltage.
template <typename Visit>
long double WalkPulses(const mathem::SeriesRlc& c, long double x0, Visit visit) {
  const long double last = x0 + mathem::kSwitchOnHalfPeriods * mathem::kPi;
  long double onset = x0;
  long double V = 0.0L;
  for (int n = 1; onset < last; ++n) {
    if (n > kMostPulses) {
      throw mathem::NumericalFailure("the switch-on voltage search followed too many pulses");
    }
    const long double shift = std::floor(onset / mathem::kPi) * mathem::kPi;
    const mathem::ChargingPulse pulse(c, onset - shift, V);
    const mathem::PulseExtent p = mathem::FollowPulse(pulse, mathem::PulseDetail::EndOnly);
    visit(pulse, p);
    const long double end = p.EndPhase + shift;
    V = std::fmax(V, p.EndVoltage);
    const long double level = (V + c.Drop) / c.Em;
    if (!(level < 1.0L)) break;  // charged beyond the source's reach
    const long double a = mathem::PhaseOfSine(level);
    const long double endHalf = std::floor(end / mathem::kPi);
    const long double y = end - endHalf * mathem::kPi;
    long double next;
    if (y < a) {
      next = endHalf * mathem::kPi + a;
    } else if (y < mathem::kPi - a && p.PeakCurrent > 0.0L && end > onset) {
      next = end;  // the other pair takes over at once
    } else {
      next = (endHalf + 1.0L) * mathem::kPi + a;
    }
    if (!(next > onset)) {
      throw mathem::NumericalFailure(
          "the switch-on voltage search cannot get past a pulse of zero length");
    }
    onset = next;
  }
  return V;
}

long double FinalVoltage(const mathem::SeriesRlc& c, long double x0) {
  return WalkPulses(c, x0, [](const mathem::ChargingPulse&, const mathem::PulseExtent&) {});
}

// The first conduction for a switch-on at θ: before a0 (and after π − a0)
// the bridge waits for the source to exceed the diodes' drop.
long double FirstConduction(const mathem::SeriesRlc& c, long double theta) {
  if (!std::isfinite(theta)) {
    throw mathem::NumericalFailure("the switch-on phase is not a finite number");
  }
  theta = std::fmod(theta, mathem::kPi);
  if (theta < 0.0L) theta += mathem::kPi;
  const long double a0 = mathem::PhaseOfSine(c.Drop / c.Em);
  return theta < a0 ? a0 : (theta > mathem::kPi - a0 ? mathem::kPi + a0 : theta);
}

}  // namespace

long double SwitchOnIntegralOfSquare(const mathem::SeriesRlc& c, long double theta) {
  mathem::FaultScope faults;
  if (!(c.Drop < c.Em)) return 0.0L;
  long double sum = 0.0L;
  WalkPulses(c, FirstConduction(c, theta),
             [&](const mathem::ChargingPulse& pulse, const mathem::PulseExtent& p) {
               const long double a = pulse.Start();
               const long double step = (p.EndPhase - a) / kSimpsonIntervals;
               if (!(step > 0.0L)) return;
               long double s = 0.0L;
               for (int k = 0; k <= kSimpsonIntervals; ++k) {
                 const long double i = pulse.At(a + k * step).Current;
                 const int weight = k == 0 || k == kSimpsonIntervals ? 1 : (k % 2 == 1 ? 4 : 2);
                 s += weight * i * i;
               }
               sum += s * step / 3.0L / c.Omega;  // dt = dx/ω
             });
  faults.Check(sum);
  return sum;
}

long double CapacitorAfterSwitchOn(const mathem::SeriesRlc& c, long double theta) {
  mathem::FaultScope faults;
  if (!(c.Drop < c.Em)) return 0.0L;
  const long double v = FinalVoltage(c, FirstConduction(c, theta));
  faults.Check(v);
  return v;
}

SwitchOnVoltage WorstSwitchOnVoltage(const mathem::SeriesRlc& c) {
  mathem::FaultScope faults;
  if (!(c.Drop < c.Em)) return {0.0L, 0.0L, false};
  const long double lo = mathem::PhaseOfSine(c.Drop / c.Em);
  const long double hi = mathem::kPi - lo;
  const auto [phase, voltage] = mathem::MaximumOverPhase(
      lo, hi, kPhaseGrid, kGoldenSteps, [&](long double x) { return FinalVoltage(c, x); },
      [](long double v) { return v; });
  SwitchOnVoltage worst{voltage, phase, true};
  if (!(worst.Voltage > c.Em - c.Drop)) worst = {c.Em - c.Drop, mathem::kHalfPi, false};
  faults.Check(worst.Voltage, worst.Phase);
  return worst;
}

}  // namespace tavro::design::ratings
