#include "cli/ratings_output.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

#include "cli/cli_texts.h"
#include "cli/exact_decimal.h"
#include "cli/language.h"
#include "design/decimal.h"
#include "design/operating_point.h"
#include "design/ratings/ratings_texts.h"
#include "design/ratings/selection_table.h"
#include "design/ratings/warnings.h"
#include "i18n/catalogue.h"

namespace tavro::cli {

namespace ratings = design::ratings;
using namespace json;

namespace {

std::optional<long double> Read(std::string_view text, char separator, long double fallback) {
  if (text.empty()) return fallback;
  return design::ParseDecimal(text, separator);
}

std::string Optional(const std::optional<long double>& value) {
  return value ? Exact(*value) : std::string();
}

void OptionalNumber(Writer& json, std::string_view key, const std::optional<long double>& value) {
  if (value) {
    Number(json, key, *value);
  } else {
    Key(json, key);
    json.Null();
  }
}

constexpr std::string_view kColumns =
    ",mains_voltage,mains_frequency,mains_tolerance,U0_low_mains,Umin_low_mains,"
    "U0_no_load_high_mains,Urev_high_mains,Icap_rms,C_needed,C_standard,Ucap_class,"
    "Udiode_class,Id_mean,Isurge,surge_phase,U2_rated_load,warnings";
// One comma before each column's name.
constexpr std::size_t kColumnCount =
    static_cast<std::size_t>(std::count(kColumns.begin(), kColumns.end(), ','));
// The chosen diode's columns, after the others.
constexpr std::string_view kDiodeColumns =
    ",diode,diode_passes,Vrrm_margin_pct,IFav_margin_pct,Isurge_with_diodes,IFSM_margin_pct,"
    "P_diode,P_bridge,Tj,heatsink_Rth_max,diode_suggested";
constexpr std::size_t kDiodeColumnCount =
    static_cast<std::size_t>(std::count(kDiodeColumns.begin(), kDiodeColumns.end(), ','));

void Check(Writer& json, std::string_view key, const ratings::RatingCheck& c) {
  Key(json, key);
  json.StartObject();
  Members(json, {{"rating", c.Rating}, {"need", c.Need}, {"margin_percent", c.MarginPercent}});
  Key(json, "passes");
  json.Bool(c.Passes);
  json.EndObject();
}

// "ratings.diodes.chosen": the chosen diode's checks.
void WriteChosenDiode(Writer& json, const ratings::PartRatings& r) {
  const ratings::DiodeSelection& s = *r.ChosenDiode;
  Key(json, "chosen");
  json.StartObject();
  Key(json, "model");
  String(json, s.Diode->Name);
  Key(json, "source");
  String(json, s.Diode->Source);
  Key(json, "passes");
  json.Bool(s.Passes);
  Check(json, "reverse_voltage", s.Voltage);
  Check(json, "mean_current", s.Current);
  Key(json, "surge_with_diodes");
  json.StartObject();
  if (s.Surge && s.SurgeCheck) {
    Members(json, {{"current", s.Surge->Current},
                   {"added_resistance", 2.0L * s.Diode->Rs},
                   {"phase_degrees", design::Degrees(s.Surge->Phase)}});
    Check(json, "ifsm", *s.SurgeCheck);
  } else {
    Key(json, "error");
    String(json, s.SurgeFailure);
  }
  json.EndObject();
  if (const auto& e = s.Equalising) {
    Key(json, "equalising_resistors");
    json.StartObject();
    Key(json, "count");
    json.Int(e->Count);
    Members(json, {{"largest_resistance", e->Resistance}, {"power", e->Power}});
    json.EndObject();
  }
  Key(json, "suggested");
  if (r.SuggestedDiode) {
    String(json, r.SuggestedDiode->Name);
  } else {
    json.Null();
  }
  json.EndObject();
}

// "losses": the diodes' part.
void WriteDiodeLosses(Writer& json, const ratings::PartRatings& r) {
  const ratings::DiodeSelection& s = *r.ChosenDiode;
  Key(json, "losses");
  json.StartObject();
  Key(json, "diodes");
  json.StartObject();
  Members(json, {{"Vf0", s.Line.Vf0},
                 {"rd", s.Line.Rd},
                 {"one_diode", s.Heat.Loss},
                 {"bridge", s.Heat.BridgeLoss},
                 {"ambient", r.Choices.AmbientTemperature},
                 {"junction_max", s.Diode->TjMax}});
  OptionalNumber(json, "junction_temperature", s.Heat.JunctionTemperature);
  Key(json, "needs_heatsink");
  json.Bool(s.Heat.NeedsHeatsink);
  OptionalNumber(json, "heatsink_max_rth", s.Heat.HeatsinkMaxRth);
  json.EndObject();
  json.EndObject();
}

void Warning(Writer& json, std::string_view kind, std::string_view text) {
  json.StartObject();
  Key(json, "kind");
  String(json, kind);
  Key(json, "text");
  String(json, i18n::TranslateUtf8(ratings::texts::kContext, text));
  json.EndObject();
}

void WriteDiodeWarnings(Writer& json, const ratings::DiodeSelection& s) {
  if (!s.Voltage.Passes) Warning(json, "diode-reverse-voltage", ratings::texts::kWarnDiodeReverse);
  if (!s.Current.Passes) Warning(json, "diode-mean-current", ratings::texts::kWarnDiodeCurrent);
  if (s.SurgeCheck && !s.SurgeCheck->Passes)
    Warning(json, "diode-surge", ratings::texts::kWarnDiodeSurge);
  if (s.Heat.NeedsHeatsink) Warning(json, "diode-heatsink", ratings::texts::kWarnDiodeHeatsink);
}

}  // namespace

std::variant<ratings::SupplyConditions, std::string> ReadSupply(std::string_view voltage,
                                                                std::string_view frequency,
                                                                std::string_view tolerance,
                                                                char separator) {
  ratings::SupplyConditions s;
  const std::optional<long double> v = Read(voltage, separator, s.Supply.Voltage);
  const std::optional<long double> f = Read(frequency, separator, s.Supply.Frequency);
  const std::optional<long double> t = Read(tolerance, separator, s.Tolerance * 100.0L);
  if (!v) return std::string(texts::kMainsVoltage) + std::string(texts::kNotANumber);
  if (!f) return std::string(texts::kMainsFrequency) + std::string(texts::kNotANumber);
  if (!t) return std::string(texts::kMainsTolerance) + std::string(texts::kNotANumber);
  if (const auto message = ratings::CheckSupply(*v, *f, *t))
    return i18n::TranslateUtf8(ratings::texts::kContext, *message);
  s.Supply = {*v, *f};
  if (!tolerance.empty()) s.Tolerance = *t / 100.0L;
  return s;
}

std::variant<RatingsRequest, std::string> ReadRatingsRequest(const RatingsOptions& o,
                                                             char separator) {
  RatingsRequest r;
  auto mains = ReadSupply(o.MainsVoltage, o.MainsFrequency, o.MainsTolerance, separator);
  if (auto* message = std::get_if<std::string>(&mains)) return *message;
  r.Mains = std::get<ratings::SupplyConditions>(mains);
  const std::optional<long double> capacitor =
      Read(o.CapacitorTolerance, separator, r.Choices.CapacitanceTolerance * 100.0L);
  if (!capacitor || !(*capacitor >= 0.0L && *capacitor < 100.0L)) {
    return std::string(texts::kCapacitorTolerance);
  }
  if (!o.CapacitorTolerance.empty()) r.Choices.CapacitanceTolerance = *capacitor / 100.0L;
  const std::optional<long double> margin =
      Read(o.DiodeMargin, separator, r.Choices.DiodeVoltageMargin);
  if (!margin || !(*margin >= 1.0L && *margin <= 10.0L)) {
    return std::string(texts::kDiodeMargin);
  }
  r.Choices.DiodeVoltageMargin = *margin;
  r.Choices.Series = o.E12 ? ratings::CapacitanceSeries::E12 : ratings::CapacitanceSeries::E6;
  if (!o.Diode.empty()) {
    const ratings::DiodeDatasheet* diode = ratings::FindDiode(o.Diode);
    if (diode == nullptr) return std::string(texts::kUnknownDiode) + o.Diode;
    r.Choices.Diode = diode->Name;
  }
  const std::optional<long double> ambient =
      Read(o.Ambient, separator, r.Choices.AmbientTemperature);
  if (!ambient || !(*ambient >= -60.0L && *ambient <= 150.0L)) {
    return std::string(texts::kAmbient);
  }
  r.Choices.AmbientTemperature = *ambient;
  return r;
}

std::string RenderSelection(const design::Design& d, const RatingsRequest& request,
                            char separator) {
  const ratings::PartRatings r = ratings::RateParts(d, request.Mains, request.Choices);
  std::ostringstream os;
  os << i18n::TranslateUtf8(ratings::texts::kContext, ratings::texts::kSelectionTitle) << '\n';
  for (const ratings::SelectionRow& row :
       ratings::SelectionRows(r, separator, i18n::TranslateUtf8)) {
    if (row.Heading) {
      os << "  " << row.Part << '\n';
      continue;
    }
    os << "    " << row.Part << ": " << row.Requirement;
    if (!row.Choice.empty()) os << " → " << row.Choice;
    os << '\n';
  }
  return os.str();
}

std::string RenderWarnings(const design::Design& d) {
  std::string text;
  for (ratings::WarningKind k : ratings::PlausibilityWarnings(d)) {
    text += i18n::TranslateUtf8(ratings::texts::kContext, ratings::texts::kWarningsPrefix) +
            i18n::TranslateUtf8(ratings::texts::kContext, ratings::WarningText(k)) + "\n";
  }
  return text;
}

void WriteRatingsJson(Writer& json, const design::Design& d, const RatingsRequest& request) {
  const ratings::PartRatings r = ratings::RateParts(d, request.Mains, request.Choices);
  Object(json, "mains",
         {{"voltage", r.Mains.Supply.Voltage},
          {"frequency", r.Mains.Supply.Frequency},
          {"tolerance", r.Mains.Tolerance}});

  Key(json, "corners");
  json.StartObject();
  Key(json, "low_mains_rated_load");
  if (const auto& low = r.Corners.LowMains) {
    json.StartObject();
    Members(json, {{"mains_factor", low->MainsFactor},
                   {"Gamma", low->Gamma},
                   {"Psi", low->Psi},
                   {"Beta", low->Beta},
                   {"mean_voltage", low->MeanVoltage},
                   {"ripple_factor", low->RippleFactor},
                   {"lowest_voltage", low->LowestVoltage}});
    json.EndObject();
  } else {
    json.StartObject();
    Key(json, "error");
    String(json, r.Corners.LowFailure);
    json.EndObject();
  }
  Members(json, {{"no_load_voltage_high_mains", r.Corners.NoLoadHighMains},
                 {"diode_reverse_voltage_high_mains", r.Corners.ReverseHighMains}});
  json.EndObject();

  Key(json, "ratings");
  json.StartObject();
  Key(json, "capacitor");
  json.StartObject();
  Members(json, {{"ripple_current", r.Capacitor.RippleCurrent},
                 {"working_voltage", r.Capacitor.WorkingVoltage}});
  OptionalNumber(json, "voltage_class", r.Capacitor.VoltageClass);
  Members(json, {{"tolerance", r.Choices.CapacitanceTolerance},
                 {"needed_capacitance", r.Capacitor.NeededCapacitance}});
  Key(json, "series");
  String(json, r.Choices.Series == ratings::CapacitanceSeries::E6 ? "E6" : "E12");
  OptionalNumber(json, "capacitance", r.Capacitor.Capacitance);
  json.EndObject();

  Key(json, "diodes");
  json.StartObject();
  Members(json, {{"reverse_voltage", r.Diodes.ReverseVoltage},
                 {"margin", r.Choices.DiodeVoltageMargin},
                 {"needed_reverse_voltage", r.Diodes.NeededReverseVoltage}});
  OptionalNumber(json, "reverse_voltage_class", r.Diodes.ReverseClass);
  Members(json, {{"mean_current", r.Diodes.MeanCurrent},
                 {"rms_current", r.Diodes.RmsCurrent},
                 {"peak_current", r.Diodes.PeakCurrent}});
  if (r.ChosenDiode) WriteChosenDiode(json, r);
  Key(json, "surge");
  json.StartObject();
  if (const auto& s = r.Diodes.Surge) {
    Members(json, {{"current", s->Current},
                   {"phase", s->Phase},
                   {"phase_degrees", design::Degrees(s->Phase)}});
    Key(json, "pulse");
    json.Int(s->Pulse);
  } else {
    Key(json, "error");
    String(json, r.Diodes.SurgeFailure);
  }
  json.EndObject();
  json.EndObject();

  Object(json, "transformer",
         {{"frame_power", r.Transformer.FramePower},
          {"secondary_no_load", r.Transformer.SecondaryNoLoad},
          {"secondary_rated_load", r.Transformer.SecondaryRatedLoad},
          {"secondary_current", r.Transformer.SecondaryCurrent},
          {"primary_voltage", r.Transformer.PrimaryVoltage},
          {"primary_current", r.Transformer.PrimaryCurrent}});
  json.EndObject();

  if (r.ChosenDiode) WriteDiodeLosses(json, r);

  Key(json, "warnings");
  json.StartArray();
  for (ratings::WarningKind k : ratings::PlausibilityWarnings(d)) {
    json.StartObject();
    Key(json, "kind");
    String(json, ratings::WarningName(k));
    Key(json, "text");
    String(json, i18n::TranslateUtf8(ratings::texts::kContext, ratings::WarningText(k)));
    json.EndObject();
  }
  if (r.ChosenDiode) WriteDiodeWarnings(json, *r.ChosenDiode);
  json.EndArray();
}

std::string RatingsColumnsHeader(const RatingsRequest& request) {
  return std::string(kColumns) +
         (request.Choices.Diode.empty() ? std::string() : std::string(kDiodeColumns));
}

std::string EmptyRatingsColumns(const RatingsRequest& request) {
  return std::string(kColumnCount + (request.Choices.Diode.empty() ? 0 : kDiodeColumnCount), ',');
}

std::string RatingsColumnsHeader() {
  return std::string(kColumns);
}

std::string EmptyRatingsColumns() {
  return std::string(kColumnCount, ',');
}

std::string RatingsColumns(const design::Design& d, const RatingsRequest& request) {
  const ratings::PartRatings r = ratings::RateParts(d, request.Mains, request.Choices);
  std::string row;
  const auto add = [&row](const std::string& value) { row += "," + value; };
  add(Exact(r.Mains.Supply.Voltage));
  add(Exact(r.Mains.Supply.Frequency));
  add(Exact(r.Mains.Tolerance));
  add(r.Corners.LowMains ? Exact(r.Corners.LowMains->MeanVoltage) : std::string());
  add(r.Corners.LowMains ? Exact(r.Corners.LowMains->LowestVoltage) : std::string());
  add(Exact(r.Corners.NoLoadHighMains));
  add(Exact(r.Corners.ReverseHighMains));
  add(Exact(r.Capacitor.RippleCurrent));
  add(Exact(r.Capacitor.NeededCapacitance));
  add(Optional(r.Capacitor.Capacitance));
  add(Optional(r.Capacitor.VoltageClass));
  add(Optional(r.Diodes.ReverseClass));
  add(Exact(r.Diodes.MeanCurrent));
  add(r.Diodes.Surge ? Exact(r.Diodes.Surge->Current) : std::string());
  add(r.Diodes.Surge ? Exact(design::Degrees(r.Diodes.Surge->Phase)) : std::string());
  add(Exact(r.Transformer.SecondaryRatedLoad));
  std::string names;
  for (ratings::WarningKind k : ratings::PlausibilityWarnings(d)) {
    names += (names.empty() ? "" : ";") + std::string(ratings::WarningName(k));
  }
  add(names);
  if (const auto& s = r.ChosenDiode) {
    add(s->Diode->Name);
    add(s->Passes ? "1" : "0");
    add(Exact(s->Voltage.MarginPercent));
    add(Exact(s->Current.MarginPercent));
    add(s->Surge ? Exact(s->Surge->Current) : std::string());
    add(s->SurgeCheck ? Exact(s->SurgeCheck->MarginPercent) : std::string());
    add(Exact(s->Heat.Loss));
    add(Exact(s->Heat.BridgeLoss));
    add(Optional(s->Heat.JunctionTemperature));
    add(Optional(s->Heat.HeatsinkMaxRth));
    add(r.SuggestedDiode ? r.SuggestedDiode->Name : std::string());
  }
  return row;
}

}  // namespace tavro::cli
