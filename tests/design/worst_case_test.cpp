#include "design/worst_case.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavro::design {
namespace {

void ExpectRelative(long double got, long double want, long double tolerance, const char* what) {
  EXPECT_LE(std::fabs(got - want), tolerance * std::fabs(want))
      << what << ": " << static_cast<double>(got) << " against " << static_cast<double>(want);
}

// The chosen transformer, analysed on its own at low mains and rated current
// with the chosen capacitance, gives U0min and the Kp asked for; at nominal
// mains it gives back its own design's U0; with no tolerance the choice is
// the six-input design itself.
TEST(WorstCase, TheLowCornerMeetsU0minAndTheRipple) {
  const struct {
    DesignInputs In;
    Mains Supply;
    long double Tolerance;
  } cases[] = {{{12, 1, 1, 1, 1.2L, 0.7L}, {}, 0.10L},
               {{5, 10, 5, 2, 1.5L, 1}, {230, 50}, 0.15L},
               {{300, 0.2L, 2, 1, 1.2L, 1}, {120, 60}, 0.10L},
               {{12, 1, 1, 1, 1.2L, 0.7L}, {}, 0.0L}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.In.U0 + c.Tolerance));
    const WorstCaseResult r = DesignForWorstCase({c.In, c.Supply, c.Tolerance, {}});
    ASSERT_TRUE(std::holds_alternative<WorstCaseDesign>(r)) << std::get<Failure>(r).Reason;
    const WorstCaseDesign& w = std::get<WorstCaseDesign>(r);
    const Design& d = w.Nominal;
    const long double m = 1.0L - c.Tolerance;
    const Analysis low = std::get<Analysis>(Analyse({d.Results.U2 * m,
                                                     d.Parameters.Rtr,
                                                     d.Parameters.Ls,
                                                     c.In.Ud,
                                                     w.Cf,
                                                     c.In.I0,
                                                     {c.Supply.Voltage * m, c.Supply.Frequency}}));
    ExpectRelative(low.U0, c.In.U0, 1e-10L, "U0 at low mains");
    ExpectRelative(low.Kp, c.In.Kp, 1e-12L, "Kp at low mains");
    ExpectRelative(w.AtNominal.U0, d.Inputs.U0, 1e-10L, "U0 at nominal mains");
    ExpectRelative(w.NoLoadHigh, std::sqrt(2.0L) * d.Results.U2 * (1 + c.Tolerance), 1e-15L,
                   "no load at high mains");
    EXPECT_LT(w.Steps, 40);
    if (c.Tolerance == 0) {
      ExpectRelative(d.Inputs.U0, c.In.U0, 1e-10L, "U0 without a tolerance");
      ExpectRelative(w.Cf, d.Results.Cf, 1e-9L, "Cf without a tolerance");
    } else {
      EXPECT_GT(d.Inputs.U0, c.In.U0);
      EXPECT_GT(w.High.U0, w.AtNominal.U0);
    }
  }
}

// The optional limit on the no-load voltage at high mains is met or not, and
// a U0min the method cannot design is a failure.
TEST(WorstCase, HighMainsLimitAndRefusal) {
  const WorstCaseRequest request{{12, 1, 1, 1, 1.2L, 0.7L}, {}, 0.10L, {}};
  const WorstCaseDesign w = std::get<WorstCaseDesign>(DesignForWorstCase(request));
  EXPECT_TRUE(w.HighLimitMet);
  for (const long double offset : {-0.01L, 0.01L}) {
    WorstCaseRequest limited = request;
    limited.MaxNoLoadHighMains = w.NoLoadHigh + offset;
    const WorstCaseDesign l = std::get<WorstCaseDesign>(DesignForWorstCase(limited));
    EXPECT_EQ(l.HighLimitMet, offset > 0);
  }
  WorstCaseRequest tiny = request;
  tiny.Inputs.U0 = 0.001L;  // A far above 20
  EXPECT_TRUE(std::holds_alternative<Failure>(DesignForWorstCase(tiny)));
}

}  // namespace
}  // namespace tavro::design
