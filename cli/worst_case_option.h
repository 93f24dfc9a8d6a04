// tavro-cli's design to the worst case: --min-voltage-at-low-mains in place
// of --voltage (and optionally --max-voltage-no-load-at-high-mains), read into
// design/worst_case.h, and its text and JSON ("worst_case") output.
#pragma once

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

#include "design/inputs.h"
#include "design/ratings/supply_conditions.h"

namespace tavro::cli {

struct WorstCaseOptions {
  std::string MinLowMains, MaxNoLoadHighMains;  // texts; empty: not given
};

void DescribeWorstCase(CLI::App& app, WorstCaseOptions& o);

bool WorstCaseRequested(const CLI::App& app);

struct WorstCaseContext {
  design::InputTexts Typed;  // U0 is the U0min text
  char Separator = ',';
  bool Json = false;
  design::ratings::SupplyConditions Mains;
};

// Checks what needs the parsed command line, then WorstCaseTexts.
int RunWorstCase(const CLI::App& app, const WorstCaseOptions& o, const WorstCaseContext& context,
                 std::ostream& out, std::ostream& err);

// From the texts alone: what the fuzz target drives. The exit status.
int WorstCaseTexts(const WorstCaseOptions& o, const WorstCaseContext& context, std::ostream& out,
                   std::ostream& err);

}  // namespace tavro::cli
