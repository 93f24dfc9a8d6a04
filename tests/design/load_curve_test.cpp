// The plotted load curve: taken from the table's own continuation, it passes
// through the table's voltages and leaves the table as it was.
#include "design/load_curve.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavro::design {
namespace {

TEST(LoadCurve, PassesThroughTheTableRowsAndLeavesTheTableAsItWas) {
  // The worked example; a design close to the A limit (a target above 15,
  // Beta starting from 4); two limbs and a large current.
  for (const DesignInputs& in : {DesignInputs{12, 1, 1, 1, 1.2L, 0.7L},
                                DesignInputs{0.025L, 1, 1, 1, 1.2L, 0.7L},
                                DesignInputs{300, 20, 5, 2, 1.5L, 1}}) {
    SCOPED_TRACE(static_cast<double>(in.U0));
    const Design d = std::get<Design>(Calculate(in));
    const LoadCurve curve = BuildLoadCurve(d);
    for (int k = 0; k < kLoadRows; ++k) {
      EXPECT_EQ(curve.Table.Psi[k], d.Load.Psi[k]) << k;
      EXPECT_EQ(curve.Table.Voltage[k], d.Load.Voltage[k]) << k;
    }

    // No load, every 0.1 % to 5 %, then every 1 % to 120 %.
    ASSERT_EQ(curve.Points.size(), 1u + 50 + 115);
    for (std::size_t n = 1; n < curve.Points.size(); ++n) {
      EXPECT_GT(curve.Points[n].Current, curve.Points[n - 1].Current);
    }
    for (int k = 0; k < kLoadRows; ++k) {
      const LoadCurvePoint& p = curve.Points[k <= 1 ? 50 * k : 50 + 5 * (k - 1)];
      EXPECT_EQ(p.Current, d.Load.Current[k]) << k;
      // The table shows U0 itself at the rated current; the model comes within 1e-12.
      const long double model = k == kRatedRow ? d.Load.RatedRowModelVoltage : d.Load.Voltage[k];
      EXPECT_EQ(p.Voltage, model) << k;
      EXPECT_LE(std::fabs(p.Voltage / d.Load.Voltage[k] - 1), 1e-12L) << k;
    }
  }
}

}  // namespace
}  // namespace tavro::design
