#include "cli/transformer_output.h"

#include <sstream>

#include "cli/cli_texts.h"
#include "cli/exact_decimal.h"
#include "design/decimal.h"
#include "design/transformer/candidate_table.h"
#include "design/transformer/suggest.h"
#include "design/transformer/transformer_texts.h"
#include "design/transformer/winding_table.h"
#include "i18n/catalogue.h"

namespace tavro::cli {

namespace transformer = design::transformer;
using namespace json;

namespace {

transformer::Suggestion SuggestionFor(const design::Design& d, const RatingsRequest& request) {
  return transformer::SuggestTransformers(d, request.Mains, request.Choices);
}

// The request with the row's own mains.
RatingsRequest ForRow(const RatingsRequest& request, const BatchRow& row) {
  return {row.Mains, request.Choices};
}

std::string Fields(std::initializer_list<long double> values) {
  std::string fields;
  for (long double v : values) fields += "," + Exact(v);
  return fields;
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

BatchColumns CandidateColumns(const RatingsRequest& request) {
  return {
      ",tr_kind,tr_rated_voltage,tr_rated_power,tr_regulation_percent,tr_U0,tr_U0_low_mains,"
      "tr_Kp,tr_U0_no_load_high_mains,tr_loading",
      [request](const BatchRow& row) {
        const transformer::Suggestion s = SuggestionFor(*row.Calculated, ForRow(request, row));
        if (!s.Chosen) return std::string(",none,,,,,,,,");
        const transformer::CandidateCheck& c = s.Candidates[*s.Chosen];
        return "," + std::string(transformer::KindName(c.Plate.Of)) +
               Fields({c.Plate.RatedVoltage, c.Plate.Power, c.Plate.Regulation, c.U0Nominal,
                       c.U0Low, c.Ripple, c.NoLoadHigh, c.Loading});
      }};
}

BatchColumns WindingColumns(const WindChoice& choice, const RatingsRequest& request) {
  return {
      ",wind_core,wind_N1,wind_N2,wind_d1_mm,wind_d2_mm,wind_fill,wind_Rtr,wind_Ls,"
      "wind_temperature_rise,wind_U0,wind_Kp,wind_error",
      [choice, request](const BatchRow& row) {
        const design::Design& d = *row.Calculated;
        const transformer::WindingResult r =
            transformer::Wind(d, d.Supply, WindingRequestFor(choice, d, ForRow(request, row)));
        if (const auto* error = std::get_if<transformer::WindingError>(&r)) {
          return ",,,,,,,,,,,," + std::string(transformer::WindingErrorName(*error));
        }
        const transformer::Winding& w = std::get<transformer::Winding>(r);
        std::string fields =
            "," + CsvField(w.Chosen.Name) + "," + std::to_string(w.Primary.Turns) + "," +
            std::to_string(w.Secondary.Turns) +
            Fields({w.Primary.Conductor.Bare * 1e3L, w.Secondary.Conductor.Bare * 1e3L, w.Fill,
                    w.Rtr, w.Ls, w.TemperatureRise});
        if (w.Result) return fields + Fields({w.Result->U0, w.Result->Kp}) + ",";
        return fields + ",,," +
               design::StageName(w.ResultFailure.value_or(design::FailureStage::Results));
      }};
}

std::variant<WindChoice, std::string> ReadWindOptions(const WindOptions& o, char separator) {
  WindChoice choice;
  if (!o.Core.empty()) {
    choice.Family = transformer::FamilyNamed(o.Core);
    if (!choice.Family) return std::string(texts::kCoreFamily);
  }
  if (!o.Flux.empty()) {
    choice.Bm = design::ParseDecimal(o.Flux, separator);
    if (!choice.Bm || !(*choice.Bm >= 0.1L && *choice.Bm <= 2.5L)) {
      return std::string(texts::kWindFlux);
    }
  }
  return choice;
}

transformer::WindingRequest WindingRequestFor(const WindChoice& choice, const design::Design& d,
                                              const RatingsRequest& request) {
  return {choice.Family.value_or(transformer::DefaultFamily(d)), choice.Bm.value_or(d.Inputs.Bm),
          request.Choices.Ambient};
}

std::string RenderWinding(const design::Design& d, const RatingsRequest& request,
                          const WindChoice& choice, char separator) {
  const transformer::WindingResult r =
      transformer::Wind(d, d.Supply, WindingRequestFor(choice, d, request));
  std::ostringstream os;
  os << i18n::TranslateUtf8(transformer::texts::kContext, transformer::texts::kWindingTitle)
     << '\n';
  if (const auto* error = std::get_if<transformer::WindingError>(&r)) {
    os << "  " << transformer::WindingErrorText(*error, i18n::TranslateUtf8) << '\n';
    return os.str();
  }
  for (const std::string& line : transformer::WindingLines(d, std::get<transformer::Winding>(r),
                                                           separator, i18n::TranslateUtf8)) {
    os << "  " << line << '\n';
  }
  return os.str();
}

namespace {

void WriteCoil(Writer& json, std::string_view key, const transformer::Coil& c) {
  Key(json, key);
  json.StartObject();
  Key(json, "turns");
  json.Int(c.Turns);
  Members(json, {{"current", c.Current},
                 {"wire_diameter_mm", c.Conductor.Bare * 1e3L},
                 {"wire_overall_mm", c.Conductor.Overall * 1e3L},
                 {"current_density_A_mm2", c.Density * 1e-6L}});
  Key(json, "layers");
  json.Int(c.Layers);
  Key(json, "turns_per_layer");
  json.Int(c.TurnsPerLayer);
  Members(json, {{"layer_length_mm", c.LayerLength * 1e3L},
                 {"build_mm", c.Build * 1e3L},
                 {"mean_turn_mm", c.MeanTurn * 1e3L},
                 {"R20", c.R20},
                 {"R_working", c.RWorking}});
  json.EndObject();
}

}  // namespace

void WriteWindingJson(Writer& json, const design::Design& d, const RatingsRequest& request,
                      const WindChoice& choice) {
  const transformer::WindingRequest asked = WindingRequestFor(choice, d, request);
  const transformer::WindingResult r = transformer::Wind(d, d.Supply, asked);
  Key(json, "winding");
  json.StartObject();
  Key(json, "family");
  String(json, transformer::FamilyName(asked.Family));
  Members(json, {{"Bm", asked.Bm}, {"ambient", asked.Ambient}});
  if (const auto* error = std::get_if<transformer::WindingError>(&r)) {
    Key(json, "error");
    String(json, transformer::WindingErrorName(*error));
    json.EndObject();
    return;
  }
  const transformer::Winding& w = std::get<transformer::Winding>(r);
  Key(json, "core");
  json.StartObject();
  Key(json, "name");
  String(json, w.Chosen.Name);
  Members(json, {{"Ae_cm2", w.Chosen.Ae * 1e4L},
                 {"Aw_cm2", w.Chosen.Aw * 1e4L},
                 {"limb_perimeter_mm", w.Chosen.Perimeter * 1e3L},
                 {"magnetic_path_mm", w.Chosen.Lfe * 1e3L},
                 {"mass_kg", w.Chosen.Mass}});
  json.EndObject();
  Key(json, "refused_cores");
  json.StartArray();
  for (const std::string& name : w.Refused) String(json, name);
  json.EndArray();
  Members(json, {{"turns_per_volt", w.TurnsPerVolt}, {"flux_density", w.FluxDensity}});
  WriteCoil(json, "primary", w.Primary);
  WriteCoil(json, "secondary", w.Secondary);
  Members(json, {{"room_mm", w.Room * 1e3L},
                 {"stack_mm", w.Stack * 1e3L},
                 {"fill", w.Fill},
                 {"copper_fill", w.CopperFill},
                 {"emf", w.Emf},
                 {"Rtr20", w.Rtr20},
                 {"Rtr", w.Rtr},
                 {"Ls", w.Ls},
                 {"method_Rtr", d.Parameters.Rtr},
                 {"method_Ls", d.Parameters.Ls},
                 {"specific_core_loss", w.SpecificLoss},
                 {"core_loss", w.CoreLoss},
                 {"copper_loss", w.CopperLoss},
                 {"surface_cm2", w.Surface * 1e4L},
                 {"temperature_rise", w.TemperatureRise},
                 {"working_temperature", w.WorkingTemperature}});
  if (w.Result) {
    Object(json, "rectifier",
           {{"U0", w.Result->U0},
            {"Kp", w.Result->Kp},
            {"I2", w.Result->I2},
            {"Idrms", w.Result->Idrms},
            {"Idpk", w.Result->Idpk}});
  } else {
    Key(json, "rectifier");
    json.StartObject();
    Key(json, "error");
    String(json, design::StageName(w.ResultFailure.value_or(design::FailureStage::Results)));
    json.EndObject();
  }
  json.EndObject();
}

}  // namespace tavro::cli
