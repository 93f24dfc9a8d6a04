#include "mathem/pulse_factors.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "mathem/extended.h"
#include "mathem/faults.h"
#include "common/extended_assertions.h"
#include "mathem/pulse_reference.h"

namespace tavro::mathem {
namespace {

using test::PulseIntegral;

TEST(InvSqrt2Cos, CheckValues) {
  EXPECT_NEAR_X(InvSqrt2Cos(0.5L), 0.806L, 0.0005L);
  EXPECT_NEAR_X(InvSqrt2Cos(0.0L), 1.0L / std::sqrt(2.0L), 1e-18L);
  EXPECT_GT(InvSqrt2Cos(kHalfPi - 1e-15L), 1e14L);
}

// Angles inside and outside a solved operating point: the closed forms hold
// for any three angles.
struct Angles {
  long double psi, phi, beta;
};
constexpr Angles kAngleSets[] = {
    {0.5L, 0.3L, 2.0L}, {0.829L, 0.106L, 2.50L}, {1.09L, 0.8L, 3.30L}, {0.2L, 1.2L, 1.9L}};

TEST(RmsCurrentFactor, EqualsTheRmsOfThePulseOverAPeriod) {
  EXPECT_NEAR_X(RmsCurrentFactor(0.5L, 0.3L, 2.0L, 0.01L), 2.99L, 0.005L);
  for (const Angles& a : kAngleSets) {
    const long double A = 0.05L;
    const long double integral =
        PulseIntegral(a.psi, a.phi, a.beta, [&](long double x) {
          return test::PulseCurrent(x, a.psi, a.phi);
        });
    const long double expected = std::sqrt(integral / (2 * test::kRefPi)) / A;
    EXPECT_NEAR_X(RmsCurrentFactor(a.psi, a.phi, a.beta, A) / expected, 1.0L, 1e-12L);
  }
}

TEST(RmsCurrentFactor, EmptyConductionIntervalGivesZeroOrAnInvalidRoot) {
  // W vanishes up to rounding; a W rounded below zero is an invalid operation.
  for (const Angles& a : kAngleSets) {
    try {
      EXPECT_LT(RmsCurrentFactor(a.psi, a.phi, kHalfPi - a.psi, 1.0L), 1e-8L);
    } catch (const FloatingPointFault& fault) {
      EXPECT_NE(fault.Flags() & FE_INVALID, 0);
    }
  }
}

TEST(PeakCurrentFactor, CheckValueAndIndependenceOfBeta) {
  const PulsePeak peak = LocatePulsePeak(0.5L, 0.3L);
  EXPECT_NEAR_X(peak.X, 1.80L, 0.005L);
  const long double F = PeakCurrentFactor(0.5L, 0.3L, 2.0L, 0.01L);
  EXPECT_NEAR_X(F, 10.9L, 0.05L);
  for (const long double beta : {-1.0L, 0.0L, 2.5L, 100.0L}) {
    EXPECT_EQ(PeakCurrentFactor(0.5L, 0.3L, beta, 0.01L), F);
  }
  EXPECT_NEAR_X(F, test::PulseCurrent(peak.X, 0.5L, 0.3L) / 0.01L, 1e-12L);
}

TEST(PeakCurrentFactor, WorkingRangeTakes34PassesAndBracketsTheSlopeZero) {
  for (long double psi = 0.05L; psi < kHalfPi; psi += 0.1L) {
    for (long double phi = 0.05L; phi < kHalfPi; phi += 0.1L) {
      SCOPED_TRACE(::testing::Message() << "psi " << static_cast<double>(psi) << " phi "
                                      << static_cast<double>(phi));
      const PulsePeak peak = LocatePulsePeak(psi, phi);
      EXPECT_EQ(peak.Passes, 34);
      EXPECT_GT(peak.X, kHalfPi);
      EXPECT_LT(peak.X, kPi);
      // The slope changes sign within 5e-11 of x*.
      EXPECT_GE(PulseSlope(peak.X - 5e-11L, psi, phi), 0.0L);
      EXPECT_LE(PulseSlope(peak.X + 5e-11L, psi, phi), 0.0L);
    }
  }
}

TEST(PeakCurrentFactor, NoSignChangeEndsTheSearchWithAFailure) {
  // ψ = −2 (far outside the working range) leaves the slope of one sign over
  // [π/2, π]: no pass can narrow the interval, and the search must end
  // rather than loop.
  EXPECT_THROW(LocatePulsePeak(-2.0L, 0.3L), NumericalFailure);
  EXPECT_THROW(PeakCurrentFactor(-2.0L, 0.3L, 2.0L, 0.01L), NumericalFailure);
}

TEST(RippleCapacitance, EqualsTheSecondHarmonicOfThePulse) {
  EXPECT_NEAR_X(RippleCapacitance(0.5L, 0.3L, 2.0L), 2940.0L, 5.0L);
  for (const Angles& a : kAngleSets) {
    const long double X =
        -2 * PulseIntegral(a.psi, a.phi, a.beta, [](long double x) { return std::cos(2 * x); });
    const long double Y =
        -2 * PulseIntegral(a.psi, a.phi, a.beta, [](long double x) { return std::sin(2 * x); });
    const long double expected =
        std::sqrt(X * X + Y * Y) * 250000.0L / (test::kRefPi * test::kRefPi);
    EXPECT_NEAR_X(RippleCapacitance(a.psi, a.phi, a.beta) / expected, 1.0L, 1e-12L);
  }
}

TEST(RippleCapacitance, EmptyConductionIntervalGivesZero) {
  for (const Angles& a : kAngleSets) {
    const long double H = RippleCapacitance(a.psi, a.phi, kHalfPi - a.psi);
    EXPECT_GE(H, 0.0L);
    EXPECT_LT(H, 1e-12L);
  }
}

TEST(PulseFactors, ZeroPhiOrZeroAFault) {
  EXPECT_THROW(RmsCurrentFactor(0.5L, 0.0L, 2.0L, 0.01L), FloatingPointFault);
  EXPECT_THROW(PeakCurrentFactor(0.5L, 0.0L, 2.0L, 0.01L), FloatingPointFault);
  EXPECT_THROW(RippleCapacitance(0.5L, 0.0L, 2.0L), FloatingPointFault);
  EXPECT_THROW(RmsCurrentFactor(0.5L, 0.3L, 2.0L, 0.0L), FloatingPointFault);
  EXPECT_THROW(PeakCurrentFactor(0.5L, 0.3L, 2.0L, 0.0L), FloatingPointFault);
}

}  // namespace
}  // namespace tavro::mathem
