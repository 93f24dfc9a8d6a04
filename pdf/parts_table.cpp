#include "pdf/parts_table.h"

#include "design/ratings/ratings_texts.h"
#include "design/ratings/selection_table.h"
#include "design/ratings/warnings.h"
#include "i18n/catalogue.h"

namespace tavro::pdf {

PdfTable PartsTable(const design::Design& design, const design::ratings::SupplyConditions& mains,
                    const design::ratings::PartChoices& choices, char separator,
                    const std::optional<design::ratings::SimulatedFigures>& simulated) {
  namespace r = design::ratings;
  namespace t = design::ratings::texts;
  const design::TextLookup lookup = [](const char* context, std::string_view text) {
    return i18n::TranslateUtf8(context, text);
  };
  const auto tr = [&](std::string_view text) { return lookup(t::kContext, text); };
  PdfTable table{tr(t::kSelectionTitle),
                 {{tr(t::kColumnPart), tr(t::kColumnRequirement), tr(t::kColumnChoice)}}};
  const r::PartRatings rated = r::RateParts(design, mains, choices, simulated);
  for (const r::SelectionRow& row : r::SelectionRows(rated, DocumentSeparator(separator), lookup,
                                                     design::NumberStyle::Readable)) {
    if (row.Heading) {
      table.Rows.push_back({row.Part});
    } else {
      table.Rows.push_back({row.Part, row.Requirement, row.Choice});
    }
  }
  // The chosen diode's warnings close the table, as the simulation's close
  // its own.
  if (rated.ChosenDiode) {
    for (const r::DiodeWarning& w : r::DiodeWarnings(*rated.ChosenDiode)) {
      table.Rows.push_back({tr(t::kWarningsPrefix) + tr(w.Text)});
    }
  }
  return table;
}

}  // namespace tavro::pdf
