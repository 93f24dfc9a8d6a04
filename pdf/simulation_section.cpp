#include "pdf/simulation_section.h"

#include "design/text_template.h"
#include "i18n/catalogue.h"
#include "pdf/pdf_texts.h"
#include "simulation/comparison_table.h"
#include "simulation/diode_models.h"
#include "simulation/spice_values.h"
#include "simulation/texts.h"

namespace tavro::pdf {

PdfTable SimulationTable(const simulation::SimulationReport& report, char separator) {
  const design::TextLookup lookup = [](const char* context, std::string_view text) {
    return i18n::TranslateUtf8(context, text);
  };
  const auto tr = [&](std::string_view text) { return lookup(texts::kContext, text); };
  PdfTable table{tr(texts::kSimulationTitle),
                 {{tr(texts::kQuantityColumn), tr(texts::kMethodColumn),
                   tr(texts::kSimulatedColumn), tr(texts::kDifferenceColumn)}}};
  for (const simulation::TableLine& line : simulation::ComparisonTable(
           report, DocumentSeparator(separator), lookup, design::NumberStyle::Readable)) {
    if (line.Section) {
      table.Rows.push_back({line.Cells[0]});
    } else {
      table.Rows.push_back({line.Cells[0], line.Cells[1], line.Cells[2], line.Cells[3]});
    }
  }
  for (const simulation::SimulationWarning& w :
       simulation::SimulationWarnings(report, DocumentSeparator(separator), lookup)) {
    table.Rows.push_back({w.Text});
  }
  try {
    const std::string& source = simulation::ShippedDiode(report.DiodeName).Source;
    table.Rows.push_back({design::Compose(lookup, texts::kContext, texts::kDiodeSource,
                                          {report.DiodeName, source})});
  } catch (const simulation::RejectedValue&) {
    // The user's own model: its line is the source.
  }
  return table;
}

}  // namespace tavro::pdf
