#include "mathem/series_rlc.h"

#include <cmath>
#include <limits>

#include "mathem/angle_trig.h"
#include "mathem/arctangent.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/phase_search.h"

namespace tavro::mathem {
namespace {

constexpr int kSamplesPerHalfPeriod = 128;
constexpr int kLongestPulseHalfPeriods = 8;
constexpr int kSamplesPerRingingHalfPeriod = 16;
constexpr int kMostSamples = 65536;
constexpr int kBisections = 64;
constexpr int kPhaseGrid = 36;  // 5° steps at most
constexpr int kGoldenSteps = 50;
// Every pulse starts later than the one before; a search that has followed
// eight pulses to a half period of the mains has lost its way.
constexpr int kMostPulses = 8 * kSwitchOnHalfPeriods;

// e^(−ατ)·C(τ) and e^(−ατ)·S(τ) of the free response.
struct FreeResponse {
  long double C;
  long double S;
};

FreeResponse Free(long double alpha, long double kappa2, long double kappa, long double tau) {
  if (kappa2 > 0.0L) {
    const long double y = kappa * tau;
    if (y < 0.05L) {
      // cosh y and sinh(y)/y by their series: no cancellation near critical damping.
      const long double y2 = y * y;
      const long double e = ExpOf(-alpha * tau);
      const long double ch =
          1.0L + y2 / 2.0L * (1.0L + y2 / 12.0L * (1.0L + y2 / 30.0L * (1.0L + y2 / 56.0L)));
      const long double sh =
          1.0L + y2 / 6.0L * (1.0L + y2 / 20.0L * (1.0L + y2 / 42.0L * (1.0L + y2 / 72.0L)));
      return {e * ch, e * tau * sh};
    }
    const long double slow = ExpOf((kappa - alpha) * tau);
    const long double fast = ExpOf(-(kappa + alpha) * tau);
    return {(slow + fast) / 2.0L, (slow - fast) / (2.0L * kappa)};
  }
  const long double e = ExpOf(-alpha * tau);
  if (kappa2 < 0.0L) {
    const SinCos v = SinCosOf(kappa * tau);
    return {e * v.Cos, e * v.Sin / kappa};
  }
  return {e, e * tau};
}

}  // namespace

ChargingPulse::ChargingPulse(const SeriesRlc& circuit, long double x0, long double V0)
    : c_(circuit), x0_(x0) {
  alpha_ = c_.R / (2.0L * c_.L);
  kappa2_ = alpha_ * alpha_ - 1.0L / (c_.L * c_.C);
  kappa_ = std::sqrt(std::fabs(kappa2_));
  X_ = c_.Omega * c_.L - 1.0L / (c_.Omega * c_.C);
  forcedScale_ = c_.Em / (c_.R * c_.R + X_ * X_);
  const SinCos v = SinCosOf(x0);
  const long double s = v.Sin;
  const long double co = v.Cos;
  const long double forced = forcedScale_ * (c_.R * s - X_ * co);
  const long double forcedSlope = c_.Omega * forcedScale_ * (c_.R * co + X_ * s);
  const long double slope0 = (c_.Em * s - c_.Drop - V0) / c_.L;
  c1_ = -forced;
  c2_ = slope0 - forcedSlope + alpha_ * c1_;
}

long double ChargingPulse::RingingHalfPhase() const {
  if (!(kappa2_ < 0.0L)) return std::numeric_limits<long double>::infinity();
  return kPi * c_.Omega / kappa_;
}

RlcState ChargingPulse::At(long double x) const {
  // Both at once, reduced by the steps' own routine: a search evaluates the
  // pulse some ten thousand times, a few mains periods from zero.
  const SinCos v = SinCosOf(x);
  const long double s = v.Sin;
  const long double co = v.Cos;
  const FreeResponse f = Free(alpha_, kappa2_, kappa_, (x - x0_) / c_.Omega);
  RlcState st;
  st.Current = forcedScale_ * (c_.R * s - X_ * co) + c1_ * f.C + c2_ * f.S;
  st.Slope = c_.Omega * forcedScale_ * (c_.R * co + X_ * s) + (c2_ - alpha_ * c1_) * f.C +
             (c1_ * kappa2_ - alpha_ * c2_) * f.S;
  st.Capacitor = c_.Em * s - c_.Drop - c_.R * st.Current - c_.L * st.Slope;
  return st;
}

namespace {

// The end of a pulse whose current is positive at lo and not at hi: Newton's
// steps on the current (its slope comes with it) from the bracket's positive
// side, each kept strictly inside the bracket, which every evaluation
// narrows; a step below the last bit looks at x's neighbour instead, and
// where a step would leave the bracket, the bracket is halved. Near the end
// the current falls almost linearly, so a few steps reach the last bits; the
// loop stops when lo and hi are neighbours. The result is the last phase
// found with the current still positive.
long double EndOfPulse(const ChargingPulse& pulse, long double lo, long double hi) {
  long double x = lo;
  RlcState at = pulse.At(x);
  for (int n = 0; n < kBisections; ++n) {
    long double next = at.Slope < 0.0L ? x - at.Current * pulse.Omega() / at.Slope : hi;
    // A step below the last bit: the end is next to x, on the other side.
    if (next == x) next = std::nextafter(x, at.Current > 0.0L ? hi : lo);
    if (!(lo < next && next < hi)) {
      next = (lo + hi) / 2.0L;
      if (!(lo < next && next < hi)) break;  // neighbours: nothing left to halve
    }
    x = next;
    at = pulse.At(x);
    (at.Current > 0.0L ? lo : hi) = x;
  }
  return lo;
}

}  // namespace

PulseExtent FollowPulse(const ChargingPulse& pulse, PulseDetail detail) {
  const long double x0 = pulse.Start();
  long double step = kPi / kSamplesPerHalfPeriod;
  int samples = kSamplesPerHalfPeriod * kLongestPulseHalfPeriods;
  // A loop ringing faster than the mains ends its pulse within about half a
  // ringing period: the samples must see that, or the search takes some
  // later sign change of the ringing for the end.
  const long double ringingStep = pulse.RingingHalfPhase() / kSamplesPerRingingHalfPeriod;
  if (ringingStep < step) {
    const long double wanted = std::ceil(kLongestPulseHalfPeriods * kPi / ringingStep);
    samples = wanted < kMostSamples ? static_cast<int>(wanted) : kMostSamples;
    step = ringingStep;
  }
  long double peakX = x0;
  long double peakI = 0.0L;
  long double x = x0;
  bool ended = false;
  for (int k = 1; k <= samples; ++k) {
    const long double next = x0 + k * step;
    const long double i = pulse.At(next).Current;
    if (!(i > 0.0L)) {
      ended = true;
      break;
    }
    if (i > peakI) {
      peakI = i;
      peakX = next;
    }
    x = next;
  }
  if (!ended) throw NumericalFailure("a charging pulse does not end within the phase followed");
  if (x == x0) return {x0, 0.0L, x0, pulse.At(x0).Capacitor};

  const long double end = EndOfPulse(pulse, x, x + step);
  if (detail == PulseDetail::EndOnly) return {peakX, peakI, end, pulse.At(end).Capacitor};

  // The peak: the slope changes sign around the largest sample.
  long double a = peakX - step < x0 ? x0 : peakX - step;
  long double b = peakX + step > end ? end : peakX + step;
  if (pulse.At(a).Slope > 0.0L && pulse.At(b).Slope < 0.0L) {
    for (int n = 0; n < kBisections; ++n) {
      const long double mid = (a + b) / 2.0L;
      if (!(a < mid && mid < b)) break;
      (pulse.At(mid).Slope > 0.0L ? a : b) = mid;
    }
    const long double refined = pulse.At(a).Current;
    if (refined > peakI) {
      peakI = refined;
      peakX = a;
    }
  }
  return {peakX, peakI, end, pulse.At(end).Capacitor};
}

long double PhaseOfSine(long double s) {
  if (!(s > 0.0L)) return 0.0L;
  if (!(s < 1.0L)) return kHalfPi;
  // arcsin s = arctan(s/√(1 − s²)); 1 − s is exact for s ≥ 1/2 (Sterbenz),
  // so near the crest the cosine keeps its digits.
  return ArcTanOf(s / std::sqrt((1.0L - s) * (1.0L + s)));
}

namespace {

// The pulses after the bridge first conducts at x0 (in [0, π)) with the
// capacitor empty. Each pulse must start later than the one before, and at
// most kMostPulses are followed: a search that cannot get on (a pulse too
// short or too fast for the sampling to see it start) throws NumericalFailure.
SwitchOnPeak PulsesFrom(const SeriesRlc& c, long double x0) {
  SwitchOnPeak best{0.0L, 0};
  const long double last = x0 + kSwitchOnHalfPeriods * kPi;
  long double onset = x0;
  long double V = 0.0L;
  for (int n = 1; onset < last; ++n) {
    if (n > kMostPulses) {
      throw NumericalFailure("the switch-on surge search followed too many pulses");
    }
    // While the capacitor charges from V, L·di/dt ≤ Em − Drop − V − R·i: the
    // current cannot pass (Em − Drop − V)/R, so a pulse that could not beat
    // the largest so far need not be followed.
    if (n > 1 && !(c.Em - c.Drop - V > best.Current * c.R)) break;
    // Each half period drives its own pair of diodes with Em·|sin x|: the
    // pulse is followed in the half period's own phase.
    const long double halfPeriods = std::floor(onset / kPi);
    const long double shift = halfPeriods * kPi;
    const PulseExtent p = FollowPulse(ChargingPulse(c, onset - shift, V));
    if (p.PeakCurrent > best.Current) best = {p.PeakCurrent, n};
    const long double end = p.EndPhase + shift;
    V = p.EndVoltage;
    const long double level = (V + c.Drop) / c.Em;
    if (!(level < 1.0L)) break;  // charged beyond the source's reach
    const long double a = PhaseOfSine(level);
    const long double endHalf = std::floor(end / kPi);
    const long double y = end - endHalf * kPi;
    long double next;
    if (y < a) {
      next = endHalf * kPi + a;
    } else if (y < kPi - a && p.PeakCurrent > 0.0L && end > onset) {
      next = end;  // the other pair takes over at once
    } else {
      next = (endHalf + 1.0L) * kPi + a;
    }
    if (!(next > onset)) {
      throw NumericalFailure("the switch-on surge search cannot get past a pulse of zero length");
    }
    onset = next;
  }
  return best;
}

}  // namespace

SwitchOnPeak PeakAfterSwitchOn(const SeriesRlc& c, long double theta) {
  FaultScope faults;
  if (!(c.Drop < c.Em)) return {0.0L, 0};
  if (!std::isfinite(theta)) throw NumericalFailure("the switch-on phase is not a finite number");
  // The remainder is exact; for θ in (−π, 2π) it is the one subtraction or
  // addition of π.
  theta = std::fmod(theta, kPi);
  if (theta < 0.0L) theta += kPi;
  const long double a0 = PhaseOfSine(c.Drop / c.Em);
  // Before a0 (and after π − a0) the bridge waits for the source to exceed
  // the diodes' drop.
  const long double x0 = theta < a0 ? a0 : (theta > kPi - a0 ? kPi + a0 : theta);
  const SwitchOnPeak peak = PulsesFrom(c, x0);
  faults.Check(peak.Current);
  return peak;
}

SwitchOnSurge WorstSwitchOn(const SeriesRlc& c) {
  FaultScope faults;
  if (!(c.Drop < c.Em)) return {0.0L, 0.0L, 0};
  const long double a0 = PhaseOfSine(c.Drop / c.Em);
  const long double lo = a0;
  const long double hi = kPi - a0;
  // The grid's first point starts the comparison (a current is never below
  // zero), as a worst of −1 A would.
  const auto [phase, peak] = MaximumOverPhase(
      lo, hi, kPhaseGrid, kGoldenSteps, [&](long double x) { return PulsesFrom(c, x); },
      [](const SwitchOnPeak& p) { return p.Current; });
  const SwitchOnSurge worst{peak.Current, phase, peak.Pulse};
  faults.Check(worst.Current, worst.Phase);
  return worst;
}

}  // namespace tavro::mathem
