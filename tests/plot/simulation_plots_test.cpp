// The simulation's waveforms as plot descriptions (plot/simulation_plots.h),
// which the PDF report draws and the simulation window can show.
#include <gtest/gtest.h>

#include "plot/simulation_plots.h"

namespace tavro::plot {
namespace {

simulation::Waveforms Samples(double scale) {
  return {{0.0, 0.001, 0.002},
          {12 * scale, 11 * scale, 12 * scale},
          {0, 2 * scale, 0},
          {-1 * scale, 1 * scale, -1 * scale}};
}

TEST(SimulationPlots, EachWaveIsItsOwnSeriesInMilliseconds) {
  simulation::SimulationReport r;
  r.Circuit.emplace();
  r.Circuit->State.LastTwoPeriods = Samples(1);
  const struct {
    SteadyWave Wave;
    double Second;  // the value at 1 ms
  } cases[] = {{SteadyWave::OutputVoltage, 11},
               {SteadyWave::DiodeCurrent, 2},
               {SteadyWave::CapacitorCurrent, 1}};
  for (const auto& c : cases) {
    const PlotDescription plot = SteadyStatePlot(r, c.Wave);
    ASSERT_EQ(plot.Curves.size(), 1);
    ASSERT_EQ(plot.Curves[0].Points.size(), 3);
    EXPECT_DOUBLE_EQ(plot.Curves[0].Points[1].x(), 1.0);
    EXPECT_DOUBLE_EQ(plot.Curves[0].Points[1].y(), c.Second);
  }
  // A report without samples gives no curve to draw.
  r.Circuit->State.LastTwoPeriods = {};
  EXPECT_TRUE(SteadyStatePlot(r, SteadyWave::OutputVoltage).Curves.isEmpty());
}

// The switch-on names the mains in a legend only when the high mains' curve
// stands beside the nominal one.
TEST(SimulationPlots, SwitchOnNamesTheMainsOnlyBesideTheHighMains) {
  simulation::SimulationReport r;
  r.SurgeResult.emplace();
  r.SurgeResult->WorstTransient = Samples(1);
  r.SurgeResult->MainsVoltage = 220;
  PlotDescription plot = SwitchOnPlot(r, ',');
  ASSERT_EQ(plot.Curves.size(), 1);
  EXPECT_TRUE(plot.Curves[0].Name.isEmpty());
  r.SurgeHighMains.emplace();
  r.SurgeHighMains->WorstTransient = Samples(1.1);
  r.SurgeHighMains->MainsVoltage = 242;
  plot = SwitchOnPlot(r, ',');
  ASSERT_EQ(plot.Curves.size(), 2);
  EXPECT_TRUE(plot.Curves[0].Name.contains("220")) << plot.Curves[0].Name.toStdString();
  EXPECT_TRUE(plot.Curves[1].Name.contains("242")) << plot.Curves[1].Name.toStdString();
  EXPECT_DOUBLE_EQ(plot.Curves[1].Points[1].y(), 2.2);
}

}  // namespace
}  // namespace tavro::plot
