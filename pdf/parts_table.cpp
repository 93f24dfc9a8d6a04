#include "pdf/parts_table.h"

#include "design/ratings/ratings_texts.h"
#include "design/ratings/selection_table.h"

namespace tavro::pdf {

PdfTable PartsTable(const design::Design& design, const design::ratings::SupplyConditions& mains,
                    const design::ratings::PartChoices& choices, char separator) {
  namespace r = design::ratings;
  namespace t = design::ratings::texts;
  PdfTable table{std::string(t::kSelectionTitle),
                 {{std::string(t::kColumnPart), std::string(t::kColumnRequirement),
                   std::string(t::kColumnChoice)}}};
  for (const r::SelectionRow& row :
       r::SelectionRows(r::RateParts(design, mains, choices), separator)) {
    if (row.Heading) {
      table.Rows.push_back({row.Part});
    } else {
      table.Rows.push_back({row.Part, row.Requirement, row.Choice});
    }
  }
  return table;
}

}  // namespace tavro::pdf
