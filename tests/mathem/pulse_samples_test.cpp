#include "mathem/pulse_samples.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/extended_assertions.h"
#include "mathem/angle_equations.h"
#include "mathem/extended.h"
#include "mathem/pulse_factors.h"

namespace tavro::mathem {
namespace {

// Trapezoid rule over the (unevenly spaced) samples.
long double Integral(const std::vector<PulseSample>& s, long double (*f)(long double)) {
  long double sum = 0;
  for (std::size_t n = 1; n < s.size(); ++n) {
    sum += (f(s[n].I) + f(s[n - 1].I)) / 2 * (s[n].X - s[n - 1].X);
  }
  return sum;
}

TEST(PulseSamples, AgreeWithTheModelsMeanRmsAndPeak) {
  // Operating points solved for three impedance angles.
  for (const long double phi : {0.106L, 0.3L, 0.8L}) {
    const long double A = 0.2L;
    long double psi = 0, beta = 0;
    NewtonTrace trace;
    SolveAnglesRated(psi, beta, A, phi, 1.0L, 3.0L, &trace);
    ASSERT_TRUE(trace.Converged);
    const std::vector<PulseSample> s = PulseSamples(psi, phi, beta, 20000);

    const long double mean = Integral(s, [](long double i) { return i; }) / (2 * kPi);
    const long double meanSquare = Integral(s, [](long double i) { return i * i; }) / (2 * kPi);
    long double max = 0;
    for (const PulseSample& p : s) max = std::max(max, p.I);
    EXPECT_NEAR_X(mean / A, 1.0L, 1e-6L);
    EXPECT_NEAR_X(std::sqrt(meanSquare) / (RmsCurrentFactor(psi, phi, beta, A) * A), 1.0L, 1e-6L);
    EXPECT_NEAR_X(max / (PeakCurrentFactor(psi, phi, beta, A) * A), 1.0L, 1e-6L);
  }
}

TEST(PulseSamples, CoverOnePeriodAndAreZeroOutsideConduction) {
  const long double psi = 0.829L, phi = 0.106L, beta = 2.50L;
  const std::vector<PulseSample> s = PulseSamples(psi, phi, beta, 360);
  ASSERT_EQ(s.size(), 361u + 3u);
  EXPECT_EQ(s.front().X, 0.0L);
  EXPECT_NEAR_X(s.back().X, 2 * kPi, 1e-18L);
  for (std::size_t n = 1; n < s.size(); ++n) EXPECT_LE(s[n - 1].X, s[n].X);
  for (const PulseSample& p : s) {
    if (p.X < kHalfPi - psi || p.X > beta) {
      EXPECT_EQ(p.I, 0.0L) << static_cast<double>(p.X);
    }
  }
  EXPECT_NEAR_X(PulseAt(kHalfPi - psi, psi, phi, beta), 0.0L, 1e-18L);
}

TEST(PulseAt, APulsePastTheEndOfThePeriodWrapsToItsStart) {
  const long double psi = 0.5L, phi = 0.3L, beta = 2 * kPi + 0.5L;
  const long double tail = PulseAt(0.25L, psi, phi, beta);
  EXPECT_NE(tail, 0.0L);
  EXPECT_EQ(tail, PulseAt(0.25L + 2 * kPi, psi, phi, beta));
  EXPECT_EQ(WrapToPeriod(beta), 0.5L);
  EXPECT_EQ(WrapToPeriod(1.0L), 1.0L);
}

}  // namespace
}  // namespace tavro::mathem
