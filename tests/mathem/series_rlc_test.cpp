// The closed-form switch-on surge against a fine numerical integration of the
// same bridge-fed R–L–C circuit.
#include "mathem/series_rlc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "mathem/extended.h"
#include "mathem/faults.h"

namespace tavro::mathem {
namespace {

// RK4 in double with steps of 1/40000 of a mains period: the largest current
// over the first `halfPeriods` half periods after switching on at θ with the
// capacitor empty. A pair conducts from the moment |e| exceeds the capacitor
// voltage plus the drop until its current returns to zero.
double IntegratedPeak(const SeriesRlc& c, double theta, int halfPeriods) {
  const double R = static_cast<double>(c.R), L = static_cast<double>(c.L);
  const double C = static_cast<double>(c.C), Em = static_cast<double>(c.Em);
  const double w = static_cast<double>(c.Omega), drop = static_cast<double>(c.Drop);
  const double period = 2.0 * M_PI / w;
  const double dt = period / 40000.0;
  double i = 0.0, v = 0.0, peak = 0.0;
  double sign = 0.0;  // the conducting pair: +1, −1, or 0 when none conducts
  const auto e = [&](double t) { return Em * std::sin(w * t + theta); };
  const auto di = [&](double t, double ii, double vv) {
    return (sign * e(t) - drop - vv - R * ii) / L;
  };
  for (double t = 0.0; t < halfPeriods * period / 2.0; t += dt) {
    if (sign == 0.0) {
      if (std::fabs(e(t)) - drop - v > 0.0)
        sign = e(t) > 0.0 ? 1.0 : -1.0;
      else
        continue;
    }
    const double k1i = di(t, i, v), k1v = i / C;
    const double k2i = di(t + dt / 2, i + dt / 2 * k1i, v + dt / 2 * k1v),
                 k2v = (i + dt / 2 * k1i) / C;
    const double k3i = di(t + dt / 2, i + dt / 2 * k2i, v + dt / 2 * k2v),
                 k3v = (i + dt / 2 * k2i) / C;
    const double k4i = di(t + dt, i + dt * k3i, v + dt * k3v), k4v = (i + dt * k3i) / C;
    i += dt / 6 * (k1i + 2 * k2i + 2 * k3i + k4i);
    v += dt / 6 * (k1v + 2 * k2v + 2 * k3v + k4v);
    if (i <= 0.0) {
      i = 0.0;
      sign = 0.0;
    }
    peak = std::fmax(peak, i);
  }
  return peak;
}

struct Circuit {
  const char* name;
  SeriesRlc rlc;
};

// The worked example's loop at +10 % mains (overdamped), a low-loss loop
// that rings, one close to critical damping, and a small capacitor charged
// over several pulses.
const Circuit kCircuits[] = {
    {"worked example", {1.0467441L, 6.687403e-4L, 19844.314e-6L, 19.534066L, 100.0L * kPi, 1.4L}},
    {"ringing", {0.05L, 1e-3L, 1000e-6L, 30.0L, 100.0L * kPi, 1.4L}},
    {"near critical", {2.0L, 1e-3L, 1000e-6L, 30.0L, 100.0L * kPi, 1.4L}},
    {"small capacitor", {5.0L, 2e-3L, 47e-6L, 300.0L, 120.0L * kPi, 2.0L}},
};

TEST(SeriesRlcTest, PeakAfterSwitchOnAgreesWithIntegrationAtEveryPhase) {
  for (const Circuit& c : kCircuits) {
    for (int degrees = 0; degrees < 180; degrees += 15) {
      const long double theta = degrees * kPi / 180.0L;
      const double closed = static_cast<double>(PeakAfterSwitchOn(c.rlc, theta).Current);
      const double rk4 = IntegratedPeak(c.rlc, static_cast<double>(theta), kSwitchOnHalfPeriods);
      EXPECT_NEAR(closed, rk4, 1e-4 * rk4) << c.name << " at " << degrees << "°";
    }
  }
}

TEST(SeriesRlcTest, WorstSwitchOnIsTheLargestOverAFinePhaseScan) {
  for (const Circuit& c : kCircuits) {
    const SwitchOnSurge worst = WorstSwitchOn(c.rlc);
    double scanned = 0.0;
    for (double degrees = 0.0; degrees < 180.0; degrees += 1.0) {
      scanned = std::fmax(scanned, IntegratedPeak(c.rlc, degrees * M_PI / 180.0, 2));
    }
    EXPECT_NEAR(static_cast<double>(worst.Current), scanned, 0.01 * scanned) << c.name;
    EXPECT_GE(static_cast<double>(worst.Current), scanned * (1.0 - 1e-4)) << c.name;
    const double atWorst =
        IntegratedPeak(c.rlc, static_cast<double>(worst.Phase), kSwitchOnHalfPeriods);
    EXPECT_NEAR(static_cast<double>(worst.Current), atWorst, 1e-3 * atWorst) << c.name;
  }
}

TEST(SeriesRlcTest, WorkedExampleWorstPhaseIsPastTheZeroCrossingNotAtThePeak) {
  const SwitchOnSurge worst = WorstSwitchOn(kCircuits[0].rlc);
  const long double degrees = worst.Phase * 180.0L / kPi;
  EXPECT_GT(degrees, 50.0L);
  EXPECT_LT(degrees, 65.0L);
  EXPECT_EQ(worst.Pulse, 1);
}

TEST(SeriesRlcTest, NoConductionWhenTheDropExceedsTheSource) {
  SeriesRlc c = kCircuits[0].rlc;
  c.Drop = c.Em;
  EXPECT_EQ(WorstSwitchOn(c).Current, 0.0L);
}

// A phase θ + k·π drives the other pair (or the same) alike, however large
// k; a phase that is not a number is refused rather than reduced for ever.
TEST(SeriesRlcTest, SwitchOnPhaseIsTakenModuloPiHoweverLarge) {
  const SeriesRlc& c = kCircuits[0].rlc;
  const double base = static_cast<double>(PeakAfterSwitchOn(c, 1.0L).Current);
  for (long double turns : {1.0L, -1.0L, -7.0L, 1e6L, 1e15L}) {
    const double shifted = static_cast<double>(PeakAfterSwitchOn(c, 1.0L + turns * kPi).Current);
    EXPECT_NEAR(shifted, base, 1e-3 * base) << static_cast<double>(turns);
  }
  EXPECT_GE(PeakAfterSwitchOn(c, 1e4000L).Current, 0.0L);
  EXPECT_THROW(PeakAfterSwitchOn(c, INFINITY), NumericalFailure);
  EXPECT_THROW(PeakAfterSwitchOn(c, -INFINITY), NumericalFailure);
}

TEST(SeriesRlcTest, PhaseOfSineInvertsTheSine) {
  for (long double s : {0.0L, 0.1L, 0.5L, 0.9L, 1.0L}) {
    EXPECT_LE(std::fabs(std::sin(PhaseOfSine(s)) - s), 1e-15L);
  }
}

}  // namespace
}  // namespace tavro::mathem
