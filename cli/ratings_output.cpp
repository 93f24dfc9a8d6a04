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
#include "design/ratings/choice_limits.h"
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
    "Udiode_class,Id_mean,Isurge,surge_phase,U2_rated_load,warnings,Ucap_switch_on,Ucap_need,"
    "Ucap_headroom,Cap_ESR,Cap_loss,Cap_life,Transformer_copper_loss,Efficiency,"
    "NTC_cold_resistance,Fuse_rating,Fuse_surge_i2t,Fuse_melting_i2t";
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
// The chosen diode's loss and heat, a member of "losses".
void WriteDiodeLosses(Writer& json, const ratings::PartRatings& r) {
  const ratings::DiodeSelection& s = *r.ChosenDiode;
  Key(json, "diodes");
  json.StartObject();
  Members(json, {{"Vf0", s.Line.Vf0},
                 {"rd", s.Line.Rd},
                 {"one_diode", s.Heat.Loss},
                 {"bridge", s.Heat.BridgeLoss},
                 {"ambient", r.Choices.Ambient},
                 {"junction_max", s.Diode->TjMax}});
  if (s.Heat.FromSimulation) {
    // The loss above is the simulation's; the formula's estimate beside it.
    Key(json, "one_diode_source");
    String(json, "simulation");
    Members(json, {{"one_diode_formula", s.Heat.Estimate}});
  }
  OptionalNumber(json, "junction_temperature", s.Heat.JunctionTemperature);
  Key(json, "needs_heatsink");
  json.Bool(s.Heat.NeedsHeatsink);
  OptionalNumber(json, "heatsink_max_rth", s.Heat.HeatsinkMaxRth);
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
  for (const ratings::DiodeWarning& w : ratings::DiodeWarnings(s)) Warning(json, w.Name, w.Text);
}

// Which figures the current ratings rest on.
void WriteCurrentBasis(Writer& json, const ratings::PartRatings& r) {
  const ratings::CurrentBasis& b = r.Basis;
  const auto source = [&](std::string_view key, bool simulated) {
    Key(json, key);
    String(json, simulated ? "simulation" : "method");
  };
  Key(json, "currents");
  json.StartObject();
  Key(json, "simulated");
  json.Bool(b.Simulated);
  source("capacitor_rms", b.CapacitorFromSimulation);
  source("diode_rms", b.DiodeRmsFromSimulation);
  source("diode_peak", b.DiodePeakFromSimulation);
  Members(json, {{"method_capacitor_rms", r.MethodRippleCurrent},
                 {"method_diode_rms", r.MethodDiodeRms},
                 {"method_diode_peak", r.MethodDiodePeak}});
  if (!b.Simulated) {
    Members(json, {{"typical_capacitor_rise", b.TypicalCapacitorRise},
                   {"typical_peak_rise", b.TypicalPeakRise}});
  }
  json.EndObject();
}

void WriteLossesJson(Writer& json, const ratings::PartRatings& r) {
  Key(json, "losses");
  json.StartObject();
  if (const auto& l = r.Heat) {
    Key(json, "capacitor");
    json.StartObject();
    Number(json, "esr", l->Capacitor.Esr);
    Key(json, "esr_estimated");
    json.Bool(l->Capacitor.EsrEstimated);
    if (l->Capacitor.EsrEstimated) {
      Number(json, "dissipation_factor", l->Capacitor.DissipationFactor);
    }
    Members(json, {{"power", l->Capacitor.Power},
                   {"thermal_resistance", l->Capacitor.ThermalResistance},
                   {"self_heating", l->Capacitor.SelfHeating},
                   {"ambient", r.Choices.Ambient},
                   {"temperature", l->Capacitor.Temperature},
                   {"rated_life", r.Choices.CapacitorRatedLife},
                   {"rated_temperature", r.Choices.CapacitorRatedTemperature},
                   {"life", l->Capacitor.Life}});
    json.EndObject();
    Object(json, "transformer",
           {{"copper", l->Transformer.Copper},
            {"core_share", r.Choices.CoreLossShare},
            {"core", l->Transformer.Core}});
    Key(json, "efficiency");
    json.StartObject();
    Members(json, {{"output", l->Supply.Output}, {"diodes", l->Supply.Diodes}});
    Key(json, "diodes_from_method");
    json.Bool(l->Supply.DiodesFromMethod);
    Number(json, "efficiency", l->Supply.Efficiency);
    json.EndObject();
  } else {
    Key(json, "error");
    String(json, r.HeatFailure);
  }
  if (r.ChosenDiode) WriteDiodeLosses(json, r);
  json.EndObject();
}

void WriteProtectionJson(Writer& json, const ratings::PartRatings& r) {
  const ratings::Limiter& l = r.SwitchOn.NtcLimiter;
  const ratings::Fuse& f = r.SwitchOn.PrimaryFuse;
  Key(json, "protection");
  json.StartObject();
  Key(json, "limiter");
  json.StartObject();
  Key(json, "needed");
  json.Bool(l.Needed);
  OptionalNumber(json, "allowed_surge", r.Choices.SurgeLimit);
  if (l.Needed) {
    Number(json, "cold_resistance", l.Resistance);
    OptionalNumber(json, "standard_resistance", l.StandardResistance);
    OptionalNumber(json, "surge_with_limiter",
                   l.SurgeWith ? std::optional<long double>(l.SurgeWith->Current) : std::nullopt);
    if (!l.Failure.empty()) {
      Key(json, "error");
      String(json, l.Failure);
    }
  }
  Members(json, {{"steady_current", l.SteadyCurrent}, {"energy", l.Energy}});
  json.EndObject();
  Key(json, "fuse");
  json.StartObject();
  Members(json, {{"primary_current", f.PrimaryCurrent},
                 {"factor", r.Choices.FuseFactor},
                 {"needed", f.Needed}});
  OptionalNumber(json, "rating", f.Rating);
  OptionalNumber(json, "melting_i2t", f.MeltingIntegral);
  OptionalNumber(json, "surge_i2t", f.SurgeIntegral);
  Key(json, "holds");
  json.Bool(f.Holds());
  if (!f.Failure.empty()) {
    Key(json, "error");
    String(json, f.Failure);
  }
  json.EndObject();
  json.EndObject();
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
  if (!margin || !ratings::kDiodeMarginRange.Holds(*margin)) {
    return std::string(texts::kDiodeMargin);
  }
  r.Choices.DiodeVoltageMargin = *margin;
  r.Choices.Series = o.E12 ? ratings::CapacitanceSeries::E12 : ratings::CapacitanceSeries::E6;
  // A choice left out keeps its default; a given one must be in its range.
  struct Choice {
    const std::string& text;
    long double& value;
    ratings::ChoiceRange range;
    std::string_view message;
  };
  long double esr = 0.0L, limit = 0.0L;
  for (const Choice& c :
       {Choice{o.CapacitorMargin, r.Choices.CapacitorVoltageMargin, ratings::kCapacitorMarginRange,
               texts::kCapacitorMargin},
        {o.CapacitorEsr, esr, ratings::kCapacitorEsrRange, texts::kCapacitorEsr},
        {o.CapacitorLife, r.Choices.CapacitorRatedLife, ratings::kCapacitorLifeRange,
         texts::kCapacitorLife},
        {o.CapacitorTemperature, r.Choices.CapacitorRatedTemperature,
         ratings::kCapacitorTemperatureRange, texts::kCapacitorTemperature},
        {o.Ambient, r.Choices.Ambient, ratings::kAmbientRange, texts::kAmbient},
        {o.CoreLossShare, r.Choices.CoreLossShare, ratings::kCoreLossShareRange,
         texts::kCoreLossShare},
        {o.FuseFactor, r.Choices.FuseFactor, ratings::kFuseFactorRange, texts::kFuseFactor},
        {o.SurgeLimit, limit, ratings::kSurgeLimitRange, texts::kSurgeLimit}}) {
    if (c.text.empty()) continue;
    const std::optional<long double> v = design::ParseDecimal(c.text, separator);
    if (!v || !c.range.Holds(*v)) return std::string(c.message);
    c.value = *v;
  }
  if (!o.CapacitorEsr.empty()) r.Choices.CapacitorEsr = esr;
  if (!o.SurgeLimit.empty()) r.Choices.SurgeLimit = limit;
  if (!o.Diode.empty()) {
    const ratings::DiodeDatasheet* diode = ratings::FindDiode(o.Diode);
    if (diode == nullptr) return std::string(texts::kUnknownDiode) + o.Diode;
    r.Choices.Diode = diode->Name;
  }
  return r;
}

std::string RenderSelection(const design::Design& d, const RatingsRequest& request, char separator,
                            const std::optional<ratings::SimulatedFigures>& simulated) {
  const ratings::PartRatings r = ratings::RateParts(d, request.Mains, request.Choices, simulated);
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

std::string RenderWarnings(const design::Design& d, const RatingsRequest* request) {
  std::string text;
  const auto line = [&](std::string_view warning) {
    text += i18n::TranslateUtf8(ratings::texts::kContext, ratings::texts::kWarningsPrefix) +
            i18n::TranslateUtf8(ratings::texts::kContext, warning) + "\n";
  };
  for (ratings::WarningKind k : ratings::PlausibilityWarnings(d)) line(ratings::WarningText(k));
  if (request != nullptr && !request->Choices.Diode.empty()) {
    const ratings::PartRatings r = ratings::RateParts(d, request->Mains, request->Choices);
    if (r.ChosenDiode) {
      for (const ratings::DiodeWarning& w : ratings::DiodeWarnings(*r.ChosenDiode)) line(w.Text);
    }
  }
  return text;
}

namespace {

// Where the members of a JSON object end: before the white space that
// precedes its closing brace.
std::size_t MembersEnd(const std::string& json) {
  std::size_t last = json.rfind('}');
  if (last == std::string::npos) return json.size();
  while (last > 0 && (json[last - 1] == ' ' || json[last - 1] == '\n')) --last;
  return last;
}

}  // namespace

std::string WithBodyOf(const std::string& json, const std::string& before,
                       const std::string& rendered) {
  const std::size_t end = MembersEnd(before);
  if (json.compare(0, end, before, 0, end) != 0) return json;
  return rendered.substr(0, MembersEnd(rendered)) + json.substr(end);
}

void WriteRatingsJson(Writer& json, const design::Design& d, const RatingsRequest& request,
                      const std::optional<ratings::SimulatedFigures>& simulated) {
  const ratings::PartRatings r = ratings::RateParts(d, request.Mains, request.Choices, simulated);
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
  if (r.Capacitor.SwitchOnPeak) {
    Number(json, "switch_on_peak", *r.Capacitor.SwitchOnPeak);
    Key(json, "switch_on_overshoot");
    json.Bool(r.Capacitor.SwitchOnOvershoot);
    if (r.Capacitor.SwitchOnOvershoot) {
      Number(json, "switch_on_phase_degrees", design::Degrees(r.Capacitor.SwitchOnPhase));
    }
  } else {
    Key(json, "switch_on_peak");
    json.Null();
    Key(json, "switch_on_error");
    String(json, r.Capacitor.SwitchOnFailure);
  }
  Members(json, {{"voltage_need", r.Capacitor.VoltageNeed},
                 {"voltage_margin", r.Choices.CapacitorVoltageMargin},
                 {"needed_voltage", r.Capacitor.NeededVoltage}});
  OptionalNumber(json, "voltage_class", r.Capacitor.VoltageClass);
  OptionalNumber(json, "headroom", r.Capacitor.Headroom);
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
  WriteCurrentBasis(json, r);
  json.EndObject();

  WriteLossesJson(json, r);
  WriteProtectionJson(json, r);

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

std::string RatingsColumns(const design::Design& d, const RatingsRequest& request,
                           const std::optional<ratings::SimulatedFigures>& simulated) {
  const ratings::PartRatings r = ratings::RateParts(d, request.Mains, request.Choices, simulated);
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
  add(Optional(r.Capacitor.SwitchOnPeak));
  add(Exact(r.Capacitor.VoltageNeed));
  add(Optional(r.Capacitor.Headroom));
  add(r.Heat ? Exact(r.Heat->Capacitor.Esr) : std::string());
  add(r.Heat ? Exact(r.Heat->Capacitor.Power) : std::string());
  add(r.Heat ? Exact(r.Heat->Capacitor.Life) : std::string());
  add(r.Heat ? Exact(r.Heat->Transformer.Copper) : std::string());
  add(r.Heat ? Exact(r.Heat->Supply.Efficiency) : std::string());
  add(r.SwitchOn.NtcLimiter.Needed ? Optional(r.SwitchOn.NtcLimiter.StandardResistance)
                                   : std::string());
  add(Optional(r.SwitchOn.PrimaryFuse.Rating));
  add(Optional(r.SwitchOn.PrimaryFuse.SurgeIntegral));
  add(Optional(r.SwitchOn.PrimaryFuse.MeltingIntegral));
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
