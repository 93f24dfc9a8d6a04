// The calculation's Newton solvers share every sine and cosine of a step and
// reduce their angles themselves; the straightforward evaluation of the same
// equations must give the same design: the same outcome, every shown text and
// every row of the load characteristic, and numbers that differ only far
// below the six digits shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "common/extended_assertions.h"
#include "common/straightforward_angles.h"
#include "design/procedure.h"
#include "design/worked_example.h"

namespace tavro::design {
namespace {

struct Press {
  MemoryWindow window;
  DesignProcedure procedure;
  ClickOutcome outcome;

  Press(AngleSolvers solvers, const char* u0, const char* i0, int limbs, const char* bm,
        const char* ud)
      : procedure('.', solvers) {
    test::TypeInputs(window, u0, i0, "1", limbs, bm, ud);
    outcome = procedure.Button1Click(window);
  }
};

long double Relative(long double a, long double b) {
  if (a == b) return 0;
  return std::fabs(a - b) / std::max(std::fabs(a), std::fabs(b));
}

// The rated angles come out of Newton within rounding noise of each other.
// At the lightest loads of a design whose φ is near π/2 the charge equation
// cancels terms of order one down to t ≈ 1e-4, so its noise is larger there.
// The rms current factor D is the most sensitive of the results.
constexpr long double kRatedAngleTolerance = 1e-17L;
constexpr long double kLoadAngleTolerance = 1e-15L;
constexpr long double kResultTolerance = 1e-13L;

TEST(SolverAgreement, StraightforwardAndSharedEvaluationsGiveTheSameDesign) {
  int complete = 0;
  long double worstRated = 0;
  long double worstLoad = 0;
  long double worstResult = 0;
  for (const char* u0 : {"0.025", "5", "12", "220", "1000"}) {
    for (const char* i0 : {"0.02", "1", "50"}) {
      for (const char* bm : {"0.8", "1.8"}) {
        for (const char* ud : {"0.3", "1.5"}) {
          for (int limbs : {1, 2}) {
            SCOPED_TRACE(::testing::Message() << u0 << " V, " << i0 << " A, " << bm << " T, " << ud
                                              << " V, limbs " << limbs);
            const Press fast({}, u0, i0, limbs, bm, ud);
            const Press plain(test::StraightforwardSolvers(), u0, i0, limbs, bm, ud);
            ASSERT_EQ(fast.outcome, plain.outcome);
            if (fast.outcome != ClickOutcome::Complete) continue;
            ++complete;
            for (int i = 0; i < kFieldCount; ++i) {
              EXPECT_EQ(fast.window.Text(FieldAt(i)), plain.window.Text(FieldAt(i)))
                  << FieldName(FieldAt(i));
            }
            for (int row = 0; row < kLoadRows; ++row) {
              const LoadRowTexts a = FormatLoadRow(fast.procedure.Table(), row, '.');
              const LoadRowTexts b = FormatLoadRow(plain.procedure.Table(), row, '.');
              EXPECT_EQ(a.Voltage, b.Voltage) << "row " << row;
              EXPECT_EQ(a.Sqrt2CosPsi, b.Sqrt2CosPsi) << "row " << row;
              worstLoad = std::max(worstLoad, Relative(fast.procedure.Table().Psi[row],
                                                       plain.procedure.Table().Psi[row]));
            }
            const CompletedDesign& f = *fast.procedure.LastDesign();
            const CompletedDesign& p = *plain.procedure.LastDesign();
            worstRated = std::max({worstRated, Relative(f.Point.Psi, p.Point.Psi),
                                   Relative(f.Point.Beta, p.Point.Beta)});
            for (const auto& [a, b] : {std::pair{f.Coefficients.B, p.Coefficients.B},
                                       {f.Coefficients.D, p.Coefficients.D},
                                       {f.Coefficients.F, p.Coefficients.F},
                                       {f.Coefficients.H, p.Coefficients.H},
                                       {f.Results.U2, p.Results.U2},
                                       {f.Results.I2, p.Results.I2},
                                       {f.Results.Idpk, p.Results.Idpk},
                                       {f.Results.Cf, p.Results.Cf}}) {
              worstResult = std::max(worstResult, Relative(a, b));
            }
          }
        }
      }
    }
  }
  EXPECT_GE(complete, 80);
  EXPECT_LE(worstRated, kRatedAngleTolerance) << test::Digits(worstRated);
  EXPECT_LE(worstLoad, kLoadAngleTolerance) << test::Digits(worstLoad);
  EXPECT_LE(worstResult, kResultTolerance) << test::Digits(worstResult);
}

TEST(SolverAgreement, ALoadContinuationThatLeavesItsBranchFailsTheCalculation) {
  // 100 kV at 0.01 T: ψ runs past π/2 just above the rated current and
  // Newton then lands on a solution near −234 rad, a voltage of −10 kV.
  for (const AngleSolvers& solvers : {AngleSolvers{}, test::StraightforwardSolvers()}) {
    const Press press(solvers, "1e5", "5", 1, "0.01", "0.7");
    EXPECT_EQ(press.outcome, ClickOutcome::CalculationFailed);
  }
  // Up to 105 % the same continuation stays on its branch, past π/2 at the
  // end (a negative voltage is what the model gives there): rows are kept.
  const Press low(AngleSolvers{}, "0.05", "1", 1, "1.2", "0.7");
  ASSERT_EQ(low.outcome, ClickOutcome::Complete);
  EXPECT_LT(low.procedure.Table().Voltage[24], 0.0L);
}

}  // namespace
}  // namespace tavro::design
