// tavro-cli's simulation options: --simulate adds the simulation check to the
// JSON (or prints its comparison), of a design or of the analysis of a
// transformer one has, --spice writes the standalone netlist,
// and --batch --simulate appends the simulated circuit's figures to each row.
// Simulations run in tavro-simulate helper processes.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "cli/analysis_option.h"
#include "cli/batch.h"
#include "design/calculate.h"
#include "design/ratings/supply_conditions.h"
#include "simulation/protocol.h"

namespace tavro::cli {

struct SimulateOptions {
  bool Simulate = false;
  std::string Diode = "1N4007";
  std::string DiodeModel;
  double Esr = 0.0;
  std::string Load = "resistive";
  std::string SpiceFile;
};

void DescribeSimulation(CLI::App& app, SimulateOptions& options);

// After parsing: the real circuit's options without --simulate or --spice
// would change nothing; throws CLI::ValidationError for them.
void CheckSimulationOptions(const CLI::App& app, const SimulateOptions& options);

// After a complete calculation (of `design` for `mains`): runs the
// simulation and/or writes the netlist. Adds "simulation" to the JSON text
// (json) or appends the comparison to the plain text, its numbers with the
// text's decimal separator; the report goes to
// `report` when given (for the PDF), with the sampled waveforms when
// `waveforms` (the printed output stays without them). Returns false with a
// message in err when the simulation or the netlist failed.
bool RunSimulationOptions(const SimulateOptions& options, const design::Design& design,
                          const design::ratings::SupplyConditions& mains, bool asJson,
                          char separator, std::string& output, std::ostream& err,
                          std::optional<simulation::SimulationReport>* report = nullptr,
                          bool waveforms = false);

// The same for an analysis (cli/analysis_option.h), its circuit the analysed
// transformer, capacitor and load: nothing when neither --simulate nor
// --spice is given.
AnalysisSimulation SimulationOfAnalysis(const SimulateOptions& options);

// The extra batch columns, filled by helper processes, `jobs` side by side.
BatchExtension SimulationColumns(const SimulateOptions& options, int jobs);

// `json` with one more member at its end: "key": value (value is JSON).
std::string WithMember(const std::string& json, const std::string& key, const std::string& value);

}  // namespace tavro::cli
