#include "design/operating_point.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/extended_assertions.h"
#include "mathem/angle_equations.h"
#include "mathem/extended.h"

namespace tavro::design {
namespace {

TEST(ModelParameters, WorkedExampleOneAndTwoLimbs) {
  const long double fifthRoot4 = std::pow(5.0L, 0.25L);
  const ModelParameters one = DeriveModelParameters({12, 1, 1, 1, 1.2L, 0.7L});
  EXPECT_NEAR_X(one.Rtr, 0.7L * fifthRoot4, 1e-17L);
  EXPECT_NEAR_X(one.Rd, 0.7L / 1.5L, 1e-18L);
  EXPECT_NEAR_X(one.Rsum, 1.98L, 0.005L);
  EXPECT_NEAR_X(one.Ls, 0.001L / fifthRoot4, 1e-20L);
  EXPECT_NEAR_X(one.Phi, 0.106L, 0.0005L);
  EXPECT_NEAR_X(Degrees(one.Phi), 6.06L, 0.005L);
  EXPECT_NEAR_X(LoadCoefficient({12, 1, 1, 1, 1.2L, 0.7L}, one.Rsum), 0.0825L, 0.00005L);

  const long double tenthRoot4 = std::pow(10.0L, 0.25L);
  const ModelParameters two = DeriveModelParameters({12, 1, 1, 2, 1.2L, 0.7L});
  EXPECT_EQ(two.Klimb, 0.5L);
  EXPECT_NEAR_X(two.Rtr, 0.7L * tenthRoot4, 1e-17L);
  EXPECT_NEAR_X(two.Rsum, 2.18L, 0.005L);
  EXPECT_NEAR_X(two.Ls, 0.001L / tenthRoot4, 1e-20L);
}

TEST(ModelParameters, LowVoltageDrivesAAbove20) {
  const DesignInputs in{0.01L, 1, 1, 1, 1.2L, 0.7L};
  const ModelParameters p = DeriveModelParameters(in);
  EXPECT_NEAR_X(p.Rsum, 0.938L, 0.0005L);
  EXPECT_NEAR_X(LoadCoefficient(in, p.Rsum), 46.9L, 0.05L);
}

struct Tracked {
  long double phi, A, psi, beta;
};

TEST(TrackRatedPoint, ReachesTheCheckPoints) {
  const Tracked cases[] = {{0.3L, 0.05L, 0.739L, 2.56L}, {1.2L, 1.0L, 1.43L, 4.21L}};
  for (const Tracked& c : cases) {
    const RatedPoint p = TrackRatedPoint(c.A, c.phi);
    EXPECT_NEAR_X(p.Psi, c.psi, 0.005L);
    EXPECT_NEAR_X(p.Beta, c.beta, 0.005L);
    EXPECT_NO_THROW(VerifyRatedPoint(p, c.A, c.phi));
  }
}

TEST(TrackRatedPoint, SolveCountsFollowTheStopDistance) {
  EXPECT_EQ(TrackRatedPoint(0.0825032283411744880275L, 0.105706906006425364081L).Solves, 1000);
  EXPECT_EQ(TrackRatedPoint(20.0L, 0.3L).Solves, 1000);
  // The stop test fires once x is within 1e-10 of a small A.
  EXPECT_EQ(TrackRatedPoint(1e-8L, 0.3L).Solves, 991);
  EXPECT_EQ(TrackRatedPoint(1e-10L, 0.3L).Solves, 2);
}

TEST(TrackRatedPoint, AContinuationThatCannotReachItsTargetIsStopped) {
  // So large an A accumulates more than 1e-10 of rounding in x: the
  // continuation would never stop by itself.
  EXPECT_THROW(TrackRatedPoint(1e9L, 0.3L), mathem::NumericalFailure);
}

TEST(TrackRatedPoint, StopsAtTheFirstSolveThatDoesNotConverge) {
  // 1 V, 1e4000 A: Phi is all but π/2 and Newton wanders off from the first
  // solve. Left to run, 1000 solves of 1000 steps would freeze the window for
  // seconds before failing anyway.
  const DesignInputs in{1, 1e4000L, 1, 1, 1.2L, 0.7L};
  const ModelParameters p = DeriveModelParameters(in);
  EXPECT_THROW(TrackRatedPoint(LoadCoefficient(in, p.Rsum), p.Phi), NotConverged);
}

TEST(VerifyRatedPoint, RefusesPointsThatDoNotSolveOrAreNotPhysical) {
  const long double phi = 0.3L, A = 0.05L;
  const RatedPoint good = TrackRatedPoint(A, phi);
  EXPECT_NO_THROW(VerifyRatedPoint(good, A, phi));
  EXPECT_THROW(VerifyRatedPoint({good.Psi + 1e-6L, good.Beta, 1000}, A, phi), NotConverged);
  EXPECT_THROW(VerifyRatedPoint({good.Psi, good.Beta - 1e-6L, 1000}, A, phi), NotConverged);
  // ψ outside (0, π/2), or β not past the start of conduction
  EXPECT_THROW(VerifyRatedPoint({-good.Psi, good.Beta, 1000}, A, phi), NotConverged);
  EXPECT_THROW(VerifyRatedPoint({good.Psi, mathem::kHalfPi - good.Psi, 1000}, A, phi),
               NotConverged);
}

}  // namespace
}  // namespace tavro::design
