#include "design/diode_current.h"

#include <gtest/gtest.h>

#include "common/extended_assertions.h"

namespace tavro::design {
namespace {

TEST(DiodeCurrent, IsTheWorkedExamplesDiodeCurrentInAmperes) {
  const Design d = std::get<Design>(Calculate({12, 1, 1, 1, 1.2L, 0.7L}));
  const DiodeCurrentWaveform w = DiodeCurrent(d, 20000);

  long double charge = 0, square = 0, max = 0;
  for (std::size_t n = 1; n < w.Points.size(); ++n) {
    const WaveformPoint& a = w.Points[n - 1];
    const WaveformPoint& b = w.Points[n];
    charge += (a.Amperes + b.Amperes) / 2 * (b.Degrees - a.Degrees);
    square += (a.Amperes * a.Amperes + b.Amperes * b.Amperes) / 2 * (b.Degrees - a.Degrees);
    max = std::max(max, b.Amperes);
  }
  // One diode carries half the rated current on average.
  EXPECT_NEAR_X(2 * charge / 360 / d.Inputs.I0, 1.0L, 1e-6L);
  EXPECT_NEAR_X(std::sqrt(square / 360) / d.Results.Idrms, 1.0L, 1e-6L);
  EXPECT_NEAR_X(max / d.Results.Idpk, 1.0L, 1e-6L);
  EXPECT_EQ(w.Rms, d.Results.Idrms);
  EXPECT_EQ(w.Max, d.Results.Idpk);
  EXPECT_NEAR_X(w.Peak.Amperes, d.Results.Idpk, 1e-15L);

  // Conduction from 90° − ψ to β: about 42.5° to 143°.
  EXPECT_NEAR_X(w.Start.Degrees, 90 - 47.4882L, 0.0001L);
  EXPECT_NEAR_X(w.End.Degrees, 143.249L, 0.001L);
  EXPECT_GT(w.Peak.Degrees, w.Start.Degrees);
  EXPECT_LT(w.Peak.Degrees, w.End.Degrees);
  EXPECT_EQ(w.Points.front().Degrees, 0.0L);
  EXPECT_NEAR_X(w.Points.back().Degrees, 360.0L, 1e-15L);
}

}  // namespace
}  // namespace tavro::design
