// The calculation's Newton solvers share every sine and cosine of a step and
// evaluate them their own way; the straightforward evaluation of the same
// equations must give the same design: the same outcome, every shown text and
// every row of the load characteristic, and numbers that differ only far
// below the six digits shown.
#include <gtest/gtest.h>

#include <string>

#include "common/extended_assertions.h"
#include "common/solver_comparison.h"
#include "common/straightforward_angles.h"
#include "design/calculate.h"

namespace tavro::design {
namespace {

// The rated angles come out of Newton within rounding noise of each other.
// At the lightest loads of a design whose φ is near π/2 the charge equation
// cancels terms of order one down to t ≈ 1e-4, so its noise is larger there.
// The rms current factor D is the most sensitive of the results.
constexpr long double kRatedAngleTolerance = 1e-17L;
constexpr long double kLoadAngleTolerance = 1e-15L;
constexpr long double kResultTolerance = 1e-13L;

TEST(SolverAgreement, StraightforwardAndSharedEvaluationsGiveTheSameDesign) {
  const test::SolverComparison c = test::CompareWithStraightforward(test::DesignGrid(
      {"0.025", "5", "12", "220", "1000"}, {"0.02", "1", "50"}, {"0.8", "1.8"}, {"0.3", "1.5"}));
  EXPECT_EQ(c.Designs, 120);
  EXPECT_GE(c.Complete, 80);
  EXPECT_TRUE(c.Differences.empty()) << c.Differences.front();
  for (int q = 0; q < test::kQuantityCount; ++q) {
    const long double tolerance = q == test::kRatedAngles  ? kRatedAngleTolerance
                                  : q == test::kLoadAngles ? kLoadAngleTolerance
                                                           : kResultTolerance;
    const test::QuantityChange& change = c.Changes[q];
    EXPECT_LE(change.Largest, tolerance)
        << change.Name << ": " << test::Digits(change.Largest) << " at " << change.Where;
  }
}

TEST(SolverAgreement, ALoadContinuationThatLeavesItsBranchFailsTheCalculation) {
  // 100 kV at 0.01 T: ψ runs past π/2 just above the rated current and
  // Newton then lands on a solution near −234 rad, a voltage of −10 kV.
  for (const AngleSolvers& solvers : {AngleSolvers{}, test::StraightforwardSolvers()}) {
    const Calculation c = Calculate({1e5L, 5, 1, 1, 0.01L, 0.7L}, {{}, solvers});
    ASSERT_TRUE(std::holds_alternative<Failure>(c));
    EXPECT_EQ(std::get<Failure>(c).Stage, FailureStage::LoadContinuation);
  }
  // Up to 120 % the same continuation stays on its branch, past π/2 at the
  // end (a negative voltage is what the model gives there): rows are kept.
  const Calculation c = Calculate({0.05L, 1, 1, 1, 1.2L, 0.7L});
  ASSERT_TRUE(std::holds_alternative<Design>(c));
  EXPECT_LT(std::get<Design>(c).Load.Voltage[24], 0.0L);
}

}  // namespace
}  // namespace tavro::design
