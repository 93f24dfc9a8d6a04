// The standalone netlist of a designed circuit, for `ngspice -b`: comments
// with the design's inputs and values, the circuit of the real-circuit check
// with the chosen diode model, a `.tran` to the end of the period where the
// simulation settled, and `.meas` lines for the figures over that period.
#pragma once

#include <string>

#include "design/analysis.h"
#include "design/calculate.h"
#include "simulation/circuit.h"
#include "simulation/protocol.h"

namespace tavro::simulation {

inline constexpr int kDefaultExportPeriods = 100;

// periods: where the embedded simulation of the same circuit settled (its
// figures are then the netlist's), or kDefaultExportPeriods.
// notes: further comment lines (SurgeNotes) after the design's.
std::string StandaloneNetlist(const design::Design& design, const design::Mains& mains,
                              const CircuitSetup& setup, int periods,
                              const std::string& diodeSource,
                              const std::vector<std::string>& notes = {});

// The same for an analysed transformer and capacitor at its load current
// (design/analysis.h; its own mains): comments with the analysis' inputs and
// figures.
std::string StandaloneNetlist(const design::Analysis& analysis, const CircuitSetup& setup,
                              int periods, const std::string& diodeSource,
                              const std::vector<std::string>& notes = {});

// The simulated switch-on surges of a report as comment lines (the netlist
// itself starts charged, in the steady state); none when it has no surge.
std::vector<std::string> SurgeNotes(const SimulationReport& report);

}  // namespace tavro::simulation
