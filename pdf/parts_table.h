// The component ratings ("Выбор элементов") as a table of the printable
// report: each part, what it must withstand and the standard value to buy,
// the same rows the window and the command line show, in the document's
// language and decimal separator.
#pragma once

#include <optional>

#include "design/calculate.h"
#include "design/ratings/part_ratings.h"
#include "design/ratings/supply_conditions.h"
#include "pdf/pdf_report.h"

namespace tavro::pdf {

// With `simulated`, the currents are rated on the larger of the method's
// and the simulation's figures.
PdfTable PartsTable(const design::Design& design, const design::ratings::SupplyConditions& mains,
                    const design::ratings::PartChoices& choices, char separator,
                    const std::optional<design::ratings::SimulatedFigures>& simulated = {});

}  // namespace tavro::pdf
