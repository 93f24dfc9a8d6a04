#include "design/load_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/extended_assertions.h"
#include "design/operating_point.h"
#include "mathem/angle_equations.h"
#include "mathem/pulse_factors.h"

namespace tavro::design {
namespace {

// The worked example's design: I0, U0, U2, Rsum, Phi as the calculation gives them.
constexpr long double kI0 = 1, kU0 = 12;
constexpr long double kU2 = 12.5569731072242433212L;
constexpr long double kRsum = 1.98007748018818771261L;
constexpr long double kPhi = 0.105706906006425364081L;
constexpr long double kRatedPsi = 0.828824709369034824365L;

TEST(FillLoadTable, WorkedExampleRows) {
  const LoadTable t = FillLoadTable(kI0, kU0, kU2, kRsum, kPhi);
  const long double sqrt2 = std::sqrt(2.0L);

  // No load: the capacitor charges to the peak of the secondary voltage.
  EXPECT_EQ(t.Current[0], 0);
  EXPECT_EQ(t.Gamma[0], 0);
  EXPECT_EQ(t.Psi[0], 0);
  EXPECT_EQ(t.Voltage[0], sqrt2 * kU2);
  EXPECT_EQ(t.Sqrt2CosPsi[0], sqrt2);

  // The rated row holds the inputs themselves; its angle is the rated one.
  EXPECT_EQ(t.Current[20], kI0);
  EXPECT_EQ(t.Voltage[20], kU0);
  EXPECT_EQ(t.Gamma[20], kRsum / (2 * kU2) * kI0);
  EXPECT_NEAR_X(t.Gamma[20], 0.0788L, 0.00005L);
  EXPECT_NEAR_X(t.Sqrt2CosPsi[20], 0.956L, 0.0005L);
  EXPECT_NEAR_X(t.Psi[20], kRatedPsi, 1e-9L);
  // The model's own voltage there, kept aside, is the rated voltage again.
  EXPECT_NEAR_X(t.RatedRowModelVoltage, std::cos(t.Psi[20]) * (sqrt2 * kU2), 1e-17L);
  EXPECT_NEAR_X(t.RatedRowModelVoltage, kU0, 1e-8L);

  // 120 %: 24 times the step, a product.
  EXPECT_EQ(t.CurrentStep, 0.05L * kI0);
  EXPECT_EQ(t.Current[24], 24 * t.CurrentStep);
  EXPECT_NEAR_X(t.Gamma[24], 0.0946L, 0.00005L);
  EXPECT_NEAR_X(t.Psi[24], 0.883L, 0.0005L);
  EXPECT_NEAR_X(t.Voltage[24], 11.3L, 0.05L);
  EXPECT_NEAR_X(t.Sqrt2CosPsi[24], 0.898L, 0.0005L);

  // The voltage falls steadily with the load.
  for (int k = 1; k < kLoadRows; ++k) {
    if (k != 20 && k != 21) {
      EXPECT_LT(t.Voltage[k], t.Voltage[k - 1]) << "row " << k;
    }
  }
}

TEST(BuildLoadCharacteristic, StoresEvery50thOf1200SolvesAtItsOwnGamma) {
  const long double target = 0.0946125L;
  const LoadAngles a = BuildLoadCharacteristic(kPhi, target);
  EXPECT_EQ(a.Solves, 1200);
  EXPECT_EQ(a.Psi[0], 0);
  for (int k = 1; k < kLoadRows; ++k) {
    // Row k solves the load equations at t = k·target/24 from a cold start too.
    long double psi = 0, beta = 0;
    long double psiPrev = 1.0L, betaPrev = 3.0L;
    for (int step = 1; step <= 50 * k; ++step) {
      mathem::SolveAnglesLoad(psi, beta, step * (target / 1200), kPhi, psiPrev, betaPrev);
      psiPrev = psi;
      betaPrev = beta;
    }
    EXPECT_NEAR_X(a.Psi[k], psi, 1e-12L) << "row " << k;
  }
}

TEST(BuildLoadCharacteristic, TinyTargetsStillSolveAndStoreEveryRow) {
  // Below about 1.2e-7 the stop distance of 1e-10 is reached early; every
  // row must still be solved rather than left from an earlier table.
  for (const long double target : {1e-8L, 1e-10L}) {
    const LoadAngles a = BuildLoadCharacteristic(kPhi, target);
    EXPECT_EQ(a.Solves, 1200);
    for (int k = 1; k < kLoadRows; ++k) {
      EXPECT_GT(a.Psi[k], a.Psi[k - 1]) << "row " << k;
    }
  }
  // Smaller still, the first solve stalls by the empty conduction interval;
  // that is a failure, not a column of unsolved angles.
  EXPECT_THROW(BuildLoadCharacteristic(kPhi, 1e-12L), NotConverged);
}

TEST(BuildLoadCharacteristic, UnsolvedRowsFailTheCalculation) {
  // A flux density of 0.01 T makes Phi almost π/2: the rated point still
  // solves, but the load continuation runs off its equations.
  const DesignInputs in{12, 1000, 1, 1, 0.01L, 0.3L};
  const ModelParameters p = DeriveModelParameters(in);
  const long double A = LoadCoefficient(in, p.Rsum);
  const RatedPoint rated = TrackRatedPoint(A, p.Phi);
  ASSERT_NO_THROW(VerifyRatedPoint(rated, A, p.Phi));
  const long double U2 = mathem::InvSqrt2Cos(rated.Psi) * in.U0;
  EXPECT_THROW(FillLoadTable(in.I0, in.U0, U2, p.Rsum, p.Phi), NotConverged);
}

TEST(FormatLoadRow, ShowsTheRowAndItsPercentage) {
  const LoadTable t = FillLoadTable(kI0, kU0, kU2, kRsum, kPhi);
  const LoadRowTexts zero = FormatLoadRow(t, 0, ',');
  EXPECT_EQ(zero.Current, "0,00000E+00");
  EXPECT_EQ(zero.Gamma, "0,00000E+00");
  EXPECT_EQ(zero.Voltage, "1,77582E+01");
  EXPECT_EQ(zero.Sqrt2CosPsi, "1,41421E+00");
  EXPECT_EQ(zero.Percent, "0%");
  EXPECT_EQ(FormatLoadRow(t, 20, ',').Percent, "100%");
  const LoadRowTexts last = FormatLoadRow(t, 24, '.');
  EXPECT_EQ(last.Current, "1.20000E+00");
  EXPECT_EQ(last.Percent, "120%");
}

}  // namespace
}  // namespace tavro::design
