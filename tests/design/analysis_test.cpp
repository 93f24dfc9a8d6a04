#include "design/analysis.h"

#include <gtest/gtest.h>

#include <cmath>


namespace tavro::design {
namespace {

AnalysisInputs TransformerOf(const Design& d) {
  return {d.Results.U2, d.Parameters.Rtr, d.Parameters.Ls, d.Inputs.Ud, d.Results.Cf,
          d.Inputs.I0,  d.Supply};
}

void ExpectClose(long double got, long double want, const char* what) {
  EXPECT_LE(std::fabs(got - want), 1e-12L * std::fabs(want))
      << what << ": " << static_cast<double>(got) << " against " << static_cast<double>(want);
}

// The transformer and capacitor the method designs, fed back in, give the
// design's own figures: the rated equations solved at A and the load
// equations solved at γ are two routes to the same operating point.
TEST(Analysis, TheDesignedTransformerGivesBackTheDesign) {
  const DesignInputs cases[] = {{12, 1, 1, 1, 1.2L, 0.7L},     {5, 10, 15, 2, 1.5L, 1},
                                {1000, 0.05L, 10, 1, 1.0L, 1}, {48, 2, 10, 1, 1.2L, 1},
                                {300, 0.2L, 10, 1, 1.2L, 1},   {15, 20, 5, 2, 1.6L, 1.1L}};
  for (const DesignInputs& in : cases) {
    SCOPED_TRACE(static_cast<double>(in.U0));
    const Calculation c = Calculate(in);
    ASSERT_TRUE(std::holds_alternative<Design>(c));
    const Design& d = std::get<Design>(c);
    const AnalysisResult r = Analyse(TransformerOf(d));
    ASSERT_TRUE(std::holds_alternative<Analysis>(r)) << std::get<Failure>(r).Reason;
    const Analysis& a = std::get<Analysis>(r);
    ExpectClose(a.U0, in.U0, "U0");
    ExpectClose(a.Kp, in.Kp, "Kp");
    ExpectClose(a.I2, d.Results.I2, "I2");
    ExpectClose(a.I1, d.Results.I1, "I1");
    ExpectClose(a.Idrms, d.Results.Idrms, "Idrms");
    ExpectClose(a.Idpk, d.Results.Idpk, "Idpk");
    ExpectClose(a.Pframe, d.Results.Pframe, "Pframe");
    for (int row = 0; row < 25; ++row) {
      ExpectClose(a.Load.Voltage[row], d.Load.Voltage[row], "load voltage");
    }
    // Seen as a design, for the part ratings and corners.
    const Design back = AsDesign(a, in.Limbs, in.Bm);
    ExpectClose(back.A, d.A, "A");
    ExpectClose(back.Point.Psi, d.Point.Psi, "Psi");
    ExpectClose(back.Point.Beta, d.Point.Beta, "Beta");
    ExpectClose(back.Parameters.Phi, d.Parameters.Phi, "Phi");
    ExpectClose(back.Parameters.MeanDiodeCurrent, d.Parameters.MeanDiodeCurrent, "Id");
    ExpectClose(back.Parameters.Klimb, d.Parameters.Klimb, "limb factor");
    ExpectClose(back.Coefficients.H, d.Coefficients.H, "H");
    ExpectClose(back.Results.Cf, d.Results.Cf, "Cf");
    ExpectClose(back.Results.Urev, d.Results.Urev, "Urev");
    ExpectClose(back.Results.TurnsRatio, d.Results.TurnsRatio, "turns ratio");
  }
}

// The ripple goes inversely with the capacitance fitted; a lighter load
// raises the voltage towards the crest √2·U2; figures that are not positive
// are refused before anything is solved.
TEST(Analysis, CapacitanceLoadAndRefusedFigures) {
  const Design d = std::get<Design>(Calculate({12, 1, 1, 1, 1.2L, 0.7L}));
  AnalysisInputs in = TransformerOf(d);
  in.Cf *= 2.0L;
  const Analysis doubled = std::get<Analysis>(Analyse(in));
  ExpectClose(doubled.Kp, 0.5L, "Kp with twice the capacitance");
  in.I0 = 0.25L;
  const Analysis light = std::get<Analysis>(Analyse(in));
  EXPECT_GT(light.U0, 12.0L);
  EXPECT_LT(light.U0, std::sqrt(2.0L) * in.U2);
  for (long double AnalysisInputs::*field :
       {&AnalysisInputs::U2, &AnalysisInputs::Rtr, &AnalysisInputs::Ls, &AnalysisInputs::Ud,
        &AnalysisInputs::Cf, &AnalysisInputs::I0}) {
    AnalysisInputs bad = TransformerOf(d);
    bad.*field = 0.0L;
    const AnalysisResult r = Analyse(bad);
    ASSERT_TRUE(std::holds_alternative<Failure>(r));
    EXPECT_EQ(std::get<Failure>(r).Stage, FailureStage::ModelParameters);
  }
}

}  // namespace
}  // namespace tavro::design
