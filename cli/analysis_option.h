// tavro-cli's analysis of a transformer one has: the --transformer-...,
// --capacitance and --load-current options, read into the nameplate
// conversion (design/transformer_data.h) and the analysis
// (design/analysis.h), and their text and JSON ("analysis") output, with the
// parts rated as for a design of that rated point and, with --simulate, the
// simulation check of the analysed circuit.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/ratings_output.h"
#include "design/analysis.h"
#include "design/design_file.h"
#include "design/ratings/part_ratings.h"

namespace tavro::cli {

// The option texts as typed; empty: not given.
struct AnalysisOptions {
  std::string Voltage, NoLoad, Current, Power, PrimaryResistance, SecondaryResistance, Regulation,
      Leakage, Capacitance, LoadCurrent;
  std::vector<std::string> ShortCircuit;  // the primary's voltage and current
  std::string Kind = "laminated";
};

void DescribeAnalysis(CLI::App& app, AnalysisOptions& o);

// Whether an option of the analysis was given: tavro-cli then analyses.
bool AnalysisRequested(const CLI::App& app);

// The simulation check of the analysed circuit and its netlist, as
// --simulate and --spice give them for a design (cli/simulate_option.h):
// appends to `output` what it appends for a design (the text's section, or
// the JSON's "simulation"), sets `figures` to the simulated currents the
// parts are then rated on, and returns the exit status.
using AnalysisSimulation = std::function<int(
    const design::Analysis& analysis, const design::ratings::SupplyConditions& mains, bool asJson,
    char separator, std::string& output, std::ostream& err,
    std::optional<design::ratings::SimulatedFigures>& figures)>;

// What the analysis shares with the design's options.
struct AnalysisContext {
  std::string DiodeDrop, Flux;  // texts; an empty flux is 1.2 T
  int Limbs = 1;
  char Separator = ',';
  bool Json = false;
  RatingsRequest Parts;  // the mains and the part choices
  bool Ratings = false;  // the parts table in the text (the JSON always has the ratings)
  AnalysisSimulation Simulation;  // empty: neither --simulate nor --spice
};

// Runs the analysis and prints it; the exit status.
int RunAnalysis(const CLI::App& app, const AnalysisOptions& o, const AnalysisContext& context,
                std::ostream& out, std::ostream& err);

// The check a design file keeps (tavro-cli --design), with the file's own
// diode drop, flux and limbs in place of the context's; the options of a
// design cannot go with it.
int RunFileAnalysis(const CLI::App& app, const design::AnalysisTexts& texts,
                    AnalysisContext context, std::ostream& out, std::ostream& err);

// The same from the option texts alone, after the checks that need the
// parsed command line: what the fuzz target drives.
int AnalyseTexts(const AnalysisOptions& o, const AnalysisContext& context, std::ostream& out,
                 std::ostream& err);

}  // namespace tavro::cli
