#include "pdf/transformer_section.h"

#include "design/ratings/quantity_format.h"
#include "design/text_template.h"
#include "design/transformer/candidate_table.h"
#include "design/transformer/transformer_texts.h"
#include "design/transformer/winding_table.h"
#include "i18n/catalogue.h"

namespace tavro::pdf {

namespace tr = design::transformer;
namespace t = design::transformer::texts;

namespace {

std::string Translated(const char* context, std::string_view text) {
  return i18n::TranslateUtf8(context, text);
}

}  // namespace

PdfTable CandidatesTable(const tr::Suggestion& s, char separator) {
  const design::TextLookup lookup = Translated;
  const char sep = DocumentSeparator(separator);
  PdfTable table{
      Translated(t::kContext, t::kCandidatesTitle),
      {{Translated(t::kContext, t::kColumnTransformer), Translated(t::kContext, t::kColumnWithIt)},
       {tr::NeedText(s, sep, lookup)}}};
  for (const tr::CandidateLine& line : tr::CandidateLines(s, sep, lookup)) {
    std::string plate = line.Plate;
    if (line.Chosen) plate = "→ " + plate + " — " + Translated(t::kContext, t::kCandidateChosen);
    table.Rows.push_back({plate, line.Figures});
  }
  if (!s.Chosen) table.Rows.push_back({Translated(t::kContext, t::kNoCandidate)});
  return table;
}

PdfTable WindingTable(const design::Design& design, const tr::WindingRequest& request,
                      const tr::WindingResult& winding, char separator) {
  const design::TextLookup lookup = Translated;
  const char sep = DocumentSeparator(separator);
  PdfTable table{Translated(t::kContext, t::kWindingTitle),
                 {{design::Compose(lookup, t::kContext, t::kWindRequest,
                                   {tr::FamilyText(request.Family, lookup),
                                    design::ratings::FormatQuantity(request.Bm, sep)})}}};
  if (const auto* error = std::get_if<tr::WindingError>(&winding)) {
    table.Rows.push_back({tr::WindingErrorText(*error, lookup)});
    return table;
  }
  for (std::string& line : tr::WindingLines(design, std::get<tr::Winding>(winding), sep, lookup)) {
    table.Rows.push_back({std::move(line)});
  }
  return table;
}

}  // namespace tavro::pdf
