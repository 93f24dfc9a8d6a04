// The engine: a complete design whose numbers hold together, or the stage
// where a design stops. (Every number's bits: full_precision_golden_test.)
#include "design/calculate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/extended_assertions.h"
#include "mathem/extended.h"

namespace tavro::design {
namespace {

TEST(Calculate, WorkedExampleHoldsTogether) {
  const Design d = std::get<Design>(Calculate({12, 1, 1, 1, 1.2L, 0.7L}));
  // Frame power is U2·I2; the primary current is I2·U2/220.
  EXPECT_NEAR_X(d.Results.Pframe, d.Results.U2 * d.Results.I2, 1e-15L);
  EXPECT_NEAR_X(d.Results.I1, d.Results.I2 * d.Results.U2 / 220, 1e-17L);
  // γ at the rated row differs from A by U0/U2; the row holds I0 and U0.
  EXPECT_NEAR_X(d.Load.Gamma[20] * d.Results.U2 / d.Inputs.U0, d.A, 1e-18L);
  EXPECT_EQ(d.Load.Current[20], 1.0L);
  EXPECT_EQ(d.Load.Voltage[20], 12.0L);
  // The load characteristic meets the rated point.
  EXPECT_NEAR_X(d.Load.Psi[20], d.Point.Psi, 1e-9L);
}

TEST(Calculate, TheMainsEnterTheModelTheCapacitanceAndThePrimary) {
  const Design d = std::get<Design>(Calculate({12, 1, 1, 1, 1.2L, 0.7L}, {{230, 60}, {}}));
  const ModelParameters& p = d.Parameters;
  EXPECT_NEAR_X(p.Ls, 0.005L * 12 / (60 * 1.2L) / std::sqrt(std::sqrt(60 * 1.2L / 12)), 1e-19L);
  EXPECT_NEAR_X(std::tan(p.Phi), 2 * mathem::kPi * 60 * p.Ls / p.Rsum, 1e-17L);
  EXPECT_NEAR_X(d.Results.I1, d.Results.I2 * d.Results.U2 / 230, 1e-17L);
  EXPECT_NEAR_X(d.Results.Cf, d.Coefficients.H * 100 / (p.Rsum * 60 * 1), 1e-12L);
}

struct Stopped {
  const char* name;
  DesignInputs in;
  FailureStage stage;
};

TEST(Calculate, SaysWhereADesignStops) {
  const Stopped cases[] = {
      {"U0·I0 overflows", {1e4000L, 1e4000L, 1, 1, 1, 1}, FailureStage::ModelParameters},
      {"A above 20", {0.01L, 1, 1, 1, 1.2L, 0.7L}, FailureStage::CoefficientAbove20},
      // The rated continuation runs to ψ ≈ −14 rad: solved, but no operating point.
      {"rated point out of range",
       {724597, 333.248L, 1, 2, 0.00128603L, 0.0495842L},
       FailureStage::RatedContinuation},
      {"load continuation fails", {12, 1000, 1, 1, 0.01L, 0.3L}, FailureStage::LoadContinuation},
  };
  for (const Stopped& s : cases) {
    SCOPED_TRACE(s.name);
    const Calculation c = Calculate(s.in);
    ASSERT_TRUE(std::holds_alternative<Failure>(c));
    const Failure& f = std::get<Failure>(c);
    EXPECT_EQ(f.Stage, s.stage);
    EXPECT_FALSE(f.Reason.empty());
    // Phi and A are known from the refusal of A on.
    EXPECT_EQ(std::isnan(f.A), s.stage == FailureStage::ModelParameters);
  }
  const Failure overflow = std::get<Failure>(Calculate(cases[0].in));
  EXPECT_NE(overflow.FaultFlags & FE_OVERFLOW, 0);
  const Failure refused = std::get<Failure>(Calculate(cases[1].in));
  EXPECT_NEAR_X(refused.A, 46.9L, 0.05L);
}

}  // namespace
}  // namespace tavro::design
