// The simulation check as one table of text: a section per check and per
// surge, each row the quantity, the calculation's figure, the simulated one
// and their difference in %. The window, the command line's text output and
// the PDF report all show this table.
#pragma once

#include <string>
#include <vector>

#include "design/readable_number.h"
#include "design/translatable.h"
#include "simulation/child_process.h"
#include "simulation/protocol.h"

namespace tavro::simulation {

struct TableLine {
  bool Section = false;  // a heading: only Cells[0] is filled
  std::string Cells[4];  // quantity, calculation, simulation, difference %
};

// Numbers with `separator` before the fraction; "—" where there is none. The
// texts in the language `lookup` gives (the front ends' catalogue); the
// figures of the rows five significant digits, or readable.
std::vector<TableLine> ComparisonTable(const SimulationReport& report, char separator,
                                       const design::TextLookup& lookup = design::Untranslated,
                                       design::NumberStyle style = design::NumberStyle::Plain);

// What the reader of a check must not miss, beside its table.
struct SimulationWarning {
  const char* Kind;  // "method_not_settled", "circuit_not_settled", "reverse_voltage"
  std::string Text;  // in the language of the lookup
  // "reverse_voltage": the limit passed, "BV" or "VRRM" (CircuitCheck).
  const char* Limit = nullptr;
};

std::vector<SimulationWarning> SimulationWarnings(
    const SimulationReport& report, char separator,
    const design::TextLookup& lookup = design::Untranslated);

// Why a simulation failed, in the language of the lookup where the reason
// is this system's own; otherwise the report's message as it is.
std::string FailureMessage(const SimulationReport& report,
                           const design::TextLookup& lookup = design::Untranslated);
std::string FailureMessage(const HelperFailure& failure,
                           const design::TextLookup& lookup = design::Untranslated);

}  // namespace tavro::simulation
