// The simulation check's waveforms as plots of the printable report, titled
// as its own: the output voltage and the diode current over the last two
// simulated periods and the switch-on (plot/simulation_plots.h). Empty when
// the report carries no samples.
#pragma once

#include <vector>

#include "plot/plot_description.h"
#include "simulation/protocol.h"

namespace tavro::pdf {

std::vector<plot::PlotDescription> SimulationPlots(const simulation::SimulationReport& report,
                                                   char separator);

}  // namespace tavro::pdf
