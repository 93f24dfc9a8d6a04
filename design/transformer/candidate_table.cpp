#include "design/transformer/candidate_table.h"

#include "design/ratings/quantity_format.h"
#include "design/text_template.h"
#include "design/transformer/transformer_texts.h"

namespace tavro::design::transformer {

using ratings::FormatQuantity;
using ratings::FormatStandard;

std::string KindText(Kind kind, const TextLookup& lookup) {
  return lookup(texts::kContext, kind == Kind::Toroidal ? texts::kToroidal : texts::kLaminated);
}

std::string NeedText(const Suggestion& s, char separator, const TextLookup& lookup) {
  return Compose(
      lookup, texts::kContext, texts::kCandidatesNeed,
      {FormatQuantity(s.NeededEmf, separator), FormatQuantity(s.NeededCurrent, separator)});
}

std::vector<CandidateLine> CandidateLines(const Suggestion& s, char separator,
                                          const TextLookup& lookup) {
  std::vector<CandidateLine> lines;
  for (std::size_t k = 0; k < s.Candidates.size(); ++k) {
    const CandidateCheck& c = s.Candidates[k];
    CandidateLine line;
    line.Chosen = s.Chosen == k;
    line.Plate = Compose(
        lookup, texts::kContext, texts::kCandidatePlate,
        {KindText(c.Plate.Of, lookup), FormatStandard(c.Plate.RatedVoltage, separator),
         FormatStandard(c.Plate.Power, separator), FormatStandard(c.Plate.Regulation, separator)});
    if (c.NominalFailure || c.LowFailure) {
      line.Figures = lookup(texts::kContext, texts::kCandidateFailed);
      lines.push_back(std::move(line));
      continue;
    }
    std::string f =
        Compose(lookup, texts::kContext, texts::kCandidateVoltage,
                {FormatQuantity(c.U0Nominal, separator), FormatQuantity(c.U0Low, separator)});
    f += "; " + Compose(lookup, texts::kContext, texts::kCandidateRipple,
                        {FormatQuantity(c.Ripple, separator)});
    f += "; " + Compose(lookup, texts::kContext, texts::kCandidateNoLoad,
                        {FormatQuantity(c.NoLoadHigh, separator)});
    if (c.WithinCapacitorClass == false) {
      f += " (" +
           Compose(lookup, texts::kContext, texts::kAboveCapacitorClass,
                   {FormatStandard(*s.Settings.CapacitorVoltageClass, separator)}) +
           ")";
    }
    f += "; " + Compose(lookup, texts::kContext, texts::kCandidateLoading,
                        {FormatQuantity(c.SecondaryCurrent, separator),
                         FormatQuantity(c.Model.RatedCurrent, separator),
                         FormatQuantity(100.0L * c.Loading, separator)});
    line.Figures = std::move(f);
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace tavro::design::transformer
