#include "cli/transformer_output.h"

#include <sstream>

#include "design/transformer/candidate_table.h"
#include "design/transformer/suggest.h"
#include "design/transformer/transformer_texts.h"
#include "i18n/catalogue.h"

namespace tavro::cli {

namespace transformer = design::transformer;
using namespace json;

namespace {

transformer::Suggestion SuggestionFor(const design::Design& d, const RatingsRequest& request) {
  const design::ratings::PartRatings rated =
      design::ratings::RateParts(d, request.Mains, request.Choices);
  return transformer::SuggestTransformers(d, transformer::SettingsFrom(d, rated));
}

void Bool(Writer& json, std::string_view key, bool value) {
  Key(json, key);
  json.Bool(value);
}

}  // namespace

std::string RenderCandidates(const design::Design& d, const RatingsRequest& request,
                             char separator) {
  const transformer::Suggestion s = SuggestionFor(d, request);
  std::ostringstream os;
  os << i18n::TranslateUtf8(transformer::texts::kContext, transformer::texts::kCandidatesTitle)
     << '\n'
     << "  " << transformer::NeedText(s, separator, i18n::TranslateUtf8) << '\n';
  for (const transformer::CandidateLine& line :
       transformer::CandidateLines(s, separator, i18n::TranslateUtf8)) {
    os << (line.Chosen ? "  → " : "    ") << line.Plate;
    if (line.Chosen) {
      os << " — "
         << i18n::TranslateUtf8(transformer::texts::kContext, transformer::texts::kCandidateChosen);
    }
    os << "\n      " << line.Figures << '\n';
  }
  if (!s.Chosen) {
    os << "  "
       << i18n::TranslateUtf8(transformer::texts::kContext, transformer::texts::kNoCandidate)
       << '\n';
  }
  return os.str();
}

void WriteCandidatesJson(Writer& json, const design::Design& d, const RatingsRequest& request) {
  const transformer::Suggestion s = SuggestionFor(d, request);
  Key(json, "transformer_candidates");
  json.StartObject();
  Members(json, {{"needed_emf", s.NeededEmf},
                 {"needed_current", s.NeededCurrent},
                 {"capacitance_uF", s.Settings.Capacitance},
                 {"mains_tolerance", s.Settings.Tolerance}});
  if (s.Settings.CapacitorVoltageClass) {
    Number(json, "capacitor_voltage_class", *s.Settings.CapacitorVoltageClass);
  } else {
    Key(json, "capacitor_voltage_class");
    json.Null();
  }
  Key(json, "candidates");
  json.StartArray();
  for (std::size_t k = 0; k < s.Candidates.size(); ++k) {
    const transformer::CandidateCheck& c = s.Candidates[k];
    json.StartObject();
    Key(json, "kind");
    String(json, transformer::KindName(c.Plate.Of));
    Members(json, {{"rated_voltage", c.Plate.RatedVoltage},
                   {"rated_power", c.Plate.Power},
                   {"regulation_percent", c.Plate.Regulation},
                   {"emf", c.Model.Emf},
                   {"rated_current", c.Model.RatedCurrent},
                   {"Rtr", c.Model.Rtr},
                   {"Ls", c.Model.Ls}});
    if (c.NominalFailure || c.LowFailure) {
      Key(json, "error");
      String(json, design::StageName(c.NominalFailure ? *c.NominalFailure : *c.LowFailure));
    } else {
      Members(json, {{"U0", c.U0Nominal},
                     {"U0_low_mains", c.U0Low},
                     {"Kp", c.Ripple},
                     {"U0_no_load_high_mains", c.NoLoadHigh},
                     {"I2", c.SecondaryCurrent},
                     {"loading", c.Loading}});
      Bool(json, "meets_U0", c.MeetsVoltage);
      Bool(json, "within_rating", c.WithinRating);
      Key(json, "within_capacitor_class");
      if (c.WithinCapacitorClass) {
        json.Bool(*c.WithinCapacitorClass);
      } else {
        json.Null();
      }
    }
    Bool(json, "chosen", s.Chosen == k);
    json.EndObject();
  }
  json.EndArray();
  Key(json, "chosen");
  if (s.Chosen) {
    json.Uint64(*s.Chosen);
  } else {
    json.Null();
  }
  json.EndObject();
}

}  // namespace tavro::cli
