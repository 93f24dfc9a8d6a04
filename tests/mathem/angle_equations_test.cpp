#include "mathem/angle_equations.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "common/extended_assertions.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_reference.h"

namespace tavro::mathem {
namespace {

using test::PulseCurrent;
using test::PulseIntegral;

TEST(SolveAnglesRated, ConvergesInAFewStepsToTheCheckPoint) {
  long double psi = 0, beta = 0;
  NewtonTrace trace;
  SolveAnglesRated(psi, beta, 0.2L, 0.8L, 1.0L, 3.0L, &trace);
  EXPECT_LE(trace.Steps, 8);
  EXPECT_TRUE(trace.Converged);
  EXPECT_NEAR_X(psi, 1.09L, 0.005L);
  EXPECT_NEAR_X(beta, 3.30L, 0.005L);
  // The pulse ends at β, and its integral over the conduction interval is 2π·t.
  EXPECT_NEAR_X(PulseCurrent(beta, psi, 0.8L), 0.0L, 1e-15L);
  const long double charge = PulseIntegral(psi, 0.8L, beta, [](long double) { return 1.0L; });
  EXPECT_NEAR_X(charge, 2 * test::kRefPi * 0.2L, 1e-12L);
  const AngleResiduals r = RatedResiduals(psi, beta, 0.2L, 0.8L);
  EXPECT_LT(std::fabs(r.F1), 1e-15L);
  EXPECT_LT(std::fabs(r.F2), 1e-15L);
}

TEST(SolveAnglesRated, StartingAtTheSolutionTakesOneStep) {
  long double psi = 0, beta = 0;
  SolveAnglesRated(psi, beta, 0.2L, 0.8L, 1.0L, 3.0L);
  long double psi2 = 0, beta2 = 0;
  NewtonTrace trace;
  SolveAnglesRated(psi2, beta2, 0.2L, 0.8L, psi, beta, &trace);
  EXPECT_EQ(trace.Steps, 1);
  EXPECT_NEAR_X(psi2, psi, 1e-10L);
  EXPECT_NEAR_X(beta2, beta, 1e-10L);
}

TEST(SolveAngles, ZeroPhiFaultsBeforeTheOutputsAreTouched) {
  using Solve = void (*)(long double&, long double&, long double, long double, long double,
                         long double, NewtonTrace*);
  for (Solve solve : {Solve{SolveAnglesRated}, Solve{SolveAnglesLoad}}) {
    long double psi = -7, beta = -7;
    try {
      solve(psi, beta, 0.2L, 0.0L, 1.0L, 3.0L, nullptr);
      ADD_FAILURE() << "no fault";
    } catch (const FloatingPointFault& fault) {
      EXPECT_NE(fault.Flags() & FE_DIVBYZERO, 0);
    }
    EXPECT_EQ(psi, -7);
    EXPECT_EQ(beta, -7);
  }
}

TEST(SolveAngles, AWanderEndsWithin1000StepsFiniteOrWithAFault) {
  // From a start this far off, Newton wanders; where it goes depends on the
  // last bits of every step. On every path it ends within the step limit:
  // with the last iterate returned silently, or a fault that leaves the last
  // iterate stored before it.
  for (const long double A : {-1.0L, -0.5L, 30.0L}) {
    long double psi = 0, beta = 0;
    NewtonTrace trace;
    try {
      SolveAnglesRated(psi, beta, A, 0.3L, -0.5L, 1.0L, &trace);
      EXPECT_LE(trace.Steps, kNewtonStepLimit);
      EXPECT_TRUE(trace.Converged || trace.Steps == kNewtonStepLimit);
      EXPECT_TRUE(std::isfinite(psi) && std::isfinite(beta));
    } catch (const FloatingPointFault&) {
      EXPECT_TRUE(std::isfinite(psi) && std::isfinite(beta));
    }
  }
}

TEST(SolveAnglesLoad, MatchesTheRatedSystemAtTheEquivalentCoefficient) {
  // The load equations at t are the rated equations at A = t/(√2·cos ψ):
  // wherever both solves converge from the usual start, they agree.
  int bothConverged = 0;
  for (const long double phi : {0.1L, 0.3L, 0.8L, 1.2L}) {
    for (const long double A : {0.01L, 0.05L, 0.2L, 1.0L}) {
      SCOPED_TRACE(::testing::Message()
                   << "phi " << static_cast<double>(phi) << " A " << static_cast<double>(A));
      long double psiR = 0, betaR = 0;
      NewtonTrace rated, load;
      long double psiL = 0, betaL = 0, t = 0;
      try {
        // Without a continuation some of these solves run off and fault.
        SolveAnglesRated(psiR, betaR, A, phi, 1.0L, 3.0L, &rated);
        if (!rated.Converged || !(psiR > 0 && psiR < kHalfPi)) continue;
        t = std::sqrt(2.0L) * A * std::cos(psiR);
        SolveAnglesLoad(psiL, betaL, t, phi, 1.0L, 3.0L, &load);
        if (!load.Converged) continue;
      } catch (const FloatingPointFault&) {
        continue;
      }
      ++bothConverged;
      EXPECT_NEAR_X(psiL, psiR, 1e-12L);
      EXPECT_NEAR_X(betaL, betaR, 1e-12L);
      const AngleResiduals r = LoadResiduals(psiL, betaL, t, phi);
      EXPECT_LT(std::fabs(r.F1) + std::fabs(r.F2), 1e-15L);
    }
  }
  EXPECT_GE(bothConverged, 8);

  // The check case: φ = 0.8, A = 0.2.
  long double psi = 0, beta = 0;
  SolveAnglesRated(psi, beta, 0.2L, 0.8L, 1.0L, 3.0L);
  long double psiL = 0, betaL = 0;
  SolveAnglesLoad(psiL, betaL, std::sqrt(2.0L) * 0.2L * std::cos(psi), 0.8L, 1.0L, 3.0L);
  EXPECT_NEAR_X(std::sqrt(2.0L) * 0.2L * std::cos(psi), 0.130L, 0.0005L);
  EXPECT_NEAR_X(psiL, psi, 1e-12L);
  EXPECT_NEAR_X(betaL, beta, 1e-12L);
}

TEST(AngleResiduals, VanishOnlyAtASolution) {
  const AngleResiduals off = RatedResiduals(1.0L, 3.0L, 0.2L, 0.8L);
  EXPECT_GT(std::fabs(off.F1) + std::fabs(off.F2), 1e-3L);
  EXPECT_THROW(LoadResiduals(1.0L, 3.0L, 0.2L, 0.0L), FloatingPointFault);
}

}  // namespace
}  // namespace tavro::mathem
