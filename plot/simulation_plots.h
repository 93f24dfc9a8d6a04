// The simulation check's waveforms as plot descriptions, for the simulation
// window and the PDF report alike: the output voltage, the current of the
// diode and of the capacitor over the last two simulated periods, and the
// diode current at the worst switch-on (beside the high mains' where that
// ran); time in milliseconds. No title: the caller names the plot. A report
// without samples gives a plot without curves.
#pragma once

#include "plot/plot_description.h"
#include "simulation/protocol.h"

namespace tavro::plot {

enum class SteadyWave { OutputVoltage, DiodeCurrent, CapacitorCurrent };

PlotDescription SteadyStatePlot(const simulation::SimulationReport& report, SteadyWave wave);

// The mains voltages in the legend with `separator`.
PlotDescription SwitchOnPlot(const simulation::SimulationReport& report, char separator);

}  // namespace tavro::plot
