#include "cli/analysis_option.h"

#include <rapidjson/prettywriter.h>

#include <cmath>
#include <optional>
#include <sstream>

#include "cli/cli_texts.h"
#include "cli/command_line.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "design/analysis.h"
#include "design/decimal.h"
#include "design/readable_number.h"
#include "design/text_template.h"
#include "design/texts.h"
#include "design/transformer/transformer_check.h"
#include "design/transformer/transformer_data.h"
#include "i18n/catalogue.h"

namespace tavro::cli {
namespace {

using design::Unit;

// Every option of the analysis, and those of the design it cannot go with.
constexpr const char* kAnalysisOptions[] = {"--transformer-voltage",
                                            "--transformer-no-load",
                                            "--transformer-current",
                                            "--transformer-va",
                                            "--transformer-r1",
                                            "--transformer-r2",
                                            "--transformer-regulation",
                                            "--transformer-kind",
                                            "--transformer-leakage",
                                            "--transformer-short-circuit",
                                            "--capacitance",
                                            "--load-current"};
constexpr const char* kExcluded[] = {"--voltage",
                                     "--current",
                                     "--ripple",
                                     "--batch",
                                     "--design",
                                     "--report",
                                     "--pdf",
                                     "--min-voltage-at-low-mains",
                                     "--suggest-transformers",
                                     "--wind"};

std::string Tr(std::string_view text) {
  return i18n::TranslateUtf8(texts::kContext, text);
}

std::string Readable(long double value, Unit unit, char separator) {
  return design::FormatReadable(value, unit, separator, i18n::TranslateUtf8);
}

std::string_view EntryMessage(design::TransformerEntry entry) {
  using E = design::TransformerEntry;
  switch (entry) {
    case E::Voltage:
      return texts::kBadVoltage;
    case E::Rating:
      return texts::kBadRating;
    case E::Resistances:
      return texts::kBadResistances;
    case E::Regulation:
      return texts::kBadRegulation;
    case E::Leakage:
      return texts::kBadLeakage;
    case E::ShortCircuit:
      return texts::kBadShortCircuit;
    case E::Estimate:
      return texts::kBadEstimate;
    case E::Mains:
      return texts::kBadMains;
  }
  return texts::kBadVoltage;
}

std::string_view ResistanceNote(design::Origin origin) {
  switch (origin) {
    case design::Origin::Measured:
      return texts::kMeasuredByOhmmeter;
    case design::Origin::Given:
      return texts::kFromRegulation;
    case design::Origin::Estimated:
      return texts::kTypicalRegulation;
  }
  return texts::kTypicalRegulation;
}

std::string_view LeakageNote(design::Origin origin) {
  switch (origin) {
    case design::Origin::Given:
      return texts::kLeakageGiven;
    case design::Origin::Measured:
      return texts::kLeakageShortCircuit;
    case design::Origin::Estimated:
      return texts::kLeakageEstimated;
  }
  return texts::kLeakageEstimated;
}

// Stable names for the JSON.
const char* ResistanceName(design::Origin origin) {
  switch (origin) {
    case design::Origin::Measured:
      return "ohmmeter";
    case design::Origin::Given:
      return "regulation";
    case design::Origin::Estimated:
      return "typical-regulation";
  }
  return "typical-regulation";
}

const char* LeakageName(design::Origin origin) {
  switch (origin) {
    case design::Origin::Given:
      return "given";
    case design::Origin::Measured:
      return "short-circuit";
    case design::Origin::Estimated:
      return "estimated";
  }
  return "estimated";
}

using Analysed = design::TransformerCheck;

std::string Percent(long double ofRating, char separator) {
  return design::FillTemplate(Tr(texts::kOfRating), {Readable(ofRating, Unit::Percent, separator)});
}

std::string RenderAnalysisText(const Analysed& r, char separator) {
  const design::TransformerModel& m = r.Model;
  const design::Analysis& a = r.Nominal;
  const auto value = [separator](long double v, Unit unit) { return Readable(v, unit, separator); };
  const auto noted = [&](long double v, Unit unit, std::string_view note) {
    return value(v, unit) + "  " + Tr(note);
  };
  std::ostringstream os;
  os << Tr(texts::kTransformerGroup) << '\n'
     << CaptionLine(Tr(texts::kEmfCaption), value(m.Emf, Unit::Volt))
     << CaptionLine(Tr(texts::kRatedVoltageCaption), value(m.RatedVoltage, Unit::Volt))
     << CaptionLine(Tr(texts::kRatedCurrentCaption), value(m.RatedCurrent, Unit::Ampere))
     << CaptionLine(Tr(texts::kRatedPowerCaption), value(m.RatedPower, Unit::VoltAmpere))
     << CaptionLine(Tr(texts::kRegulationCaption), value(m.Regulation, Unit::Percent))
     << CaptionLine(Tr(texts::kRtrCaption), noted(m.Rtr, Unit::Ohm, ResistanceNote(m.Resistance)))
     << CaptionLine(Tr(texts::kLsCaption), noted(m.Ls, Unit::Henry, LeakageNote(m.Leakage)));

  os << '\n'
     << design::FillTemplate(Tr(texts::kRectifierGroup), {value(a.Inputs.I0, Unit::Ampere),
                                                          value(a.Inputs.Cf * 1e-6L, Unit::Farad)})
     << '\n'
     << CaptionLine(Tr(texts::kU0Caption), value(a.U0, Unit::Volt))
     << CaptionLine(Tr(texts::kKpCaption), value(a.Kp, Unit::Percent))
     << CaptionLine(Tr(texts::kI2Caption),
                    value(a.I2, Unit::Ampere) + "  " + Percent(r.CurrentOfRating, separator))
     << CaptionLine(Tr(texts::kPframeCaption),
                    value(a.Pframe, Unit::VoltAmpere) + "  " + Percent(r.PowerOfRating, separator))
     << CaptionLine(Tr(texts::kI1Caption), value(a.I1, Unit::Ampere))
     << CaptionLine(Tr(texts::kIdrmsCaption), value(a.Idrms, Unit::Ampere))
     << CaptionLine(Tr(texts::kIdpkCaption), value(a.Idpk, Unit::Ampere))
     << CaptionLine(Tr(texts::kUrevCaption), value(a.Urev, Unit::Volt));
  const std::string low = value(r.LowMainsVoltage, Unit::Volt);
  os << CaptionLine(design::FillTemplate(Tr(texts::kLowMainsCaption), {low}),
                    r.Low ? value(r.Low->U0, Unit::Volt) + "  " + value(r.Low->Kp, Unit::Percent)
                          : std::string("—"))
     << CaptionLine(design::FillTemplate(Tr(texts::kNoLoadHighCaption),
                                         {value(r.HighMainsVoltage, Unit::Volt)}),
                    value(r.NoLoadHigh, Unit::Volt));
  os << '\n' << RenderLoadTable(a.Load, separator);
  return os.str();
}

// The JSON, with the part ratings of `rated` (the analysis as a design)
// inside the analysis' object.
std::string RenderAnalysisJson(
    const Analysed& r, const design::Design& rated, const RatingsRequest& parts,
    const std::optional<design::ratings::SimulatedFigures>& simulated = {}) {
  const design::ratings::SupplyConditions& mains = parts.Mains;
  using namespace json;
  const design::TransformerModel& m = r.Model;
  const design::Analysis& a = r.Nominal;
  rapidjson::StringBuffer buffer;
  Writer json(buffer);
  json.SetIndent(' ', 2);
  json.StartObject();
  Key(json, "analysis");
  json.StartObject();
  Key(json, "transformer");
  json.StartObject();
  Members(json, {{"U2", m.Emf},
                 {"Rtr", m.Rtr},
                 {"Ls", m.Ls},
                 {"RatedVoltage", m.RatedVoltage},
                 {"RatedCurrent", m.RatedCurrent},
                 {"RatedPower", m.RatedPower},
                 {"Regulation", m.Regulation},
                 {"TurnsRatio", m.TurnsRatio}});
  Key(json, "resistance_from");
  String(json, ResistanceName(m.Resistance));
  Key(json, "leakage_from");
  String(json, LeakageName(m.Leakage));
  if (m.Leakage == design::Origin::Estimated) {
    Object(json, "estimated_for", {{"U0", m.EstimateU0}, {"I0", m.EstimateI0}});
  }
  json.EndObject();
  Object(json, "inputs",
         {{"Ud", a.Inputs.Ud},
          {"Cf", a.Inputs.Cf},
          {"I0", a.Inputs.I0},
          {"MainsVoltage", mains.Supply.Voltage},
          {"MainsFrequency", mains.Supply.Frequency},
          {"MainsTolerance", mains.Tolerance * 100.0L}});
  Object(json, "results",
         {{"Rd", a.Rd},
          {"Rsum", a.Rsum},
          {"Phi", a.Phi},
          {"Psi", a.Psi},
          {"Beta", a.Beta},
          {"A", a.A},
          {"U0", a.U0},
          {"Kp", a.Kp},
          {"I2", a.I2},
          {"I1", a.I1},
          {"Idrms", a.Idrms},
          {"Idpk", a.Idpk},
          {"Urev", a.Urev},
          {"Pframe", a.Pframe}});
  Object(json, "loading",
         {{"CurrentOfRating", r.CurrentOfRating}, {"PowerOfRating", r.PowerOfRating}});
  Key(json, "load_table");
  json.StartArray();
  for (int k = 0; k < design::kLoadRows; ++k) {
    json.StartObject();
    Members(json, {{"Current", a.Load.Current[k]},
                   {"Gamma", a.Load.Gamma[k]},
                   {"Psi", a.Load.Psi[k]},
                   {"Voltage", a.Load.Voltage[k]}});
    json.EndObject();
  }
  json.EndArray();
  // mains, corners (low mains at this load, no load at high mains),
  // ratings, losses, protection and warnings, as for a design.
  WriteRatingsJson(json, rated, parts, simulated);
  json.EndObject();
  json.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

}  // namespace

void DescribeAnalysis(CLI::App& app, AnalysisOptions& o) {
  const std::string group = "Analysis of a transformer you have (instead of a design)";
  CLI::Option* voltage =
      app.add_option("--transformer-voltage", o.Voltage,
                     "its secondary voltage at the rated current (the nameplate's), V")
          ->group(group);
  app.add_option("--transformer-no-load", o.NoLoad,
                 "or its secondary voltage measured with no load, V")
      ->excludes(voltage)
      ->group(group);
  CLI::Option* current =
      app.add_option("--transformer-current", o.Current, "its rated secondary current, A")
          ->group(group);
  app.add_option("--transformer-va", o.Power, "or its rating, V·A")
      ->excludes(current)
      ->group(group);
  app.add_option("--transformer-r1", o.PrimaryResistance,
                 "the primary's resistance as an ohmmeter gives it, ohm (with --transformer-r2)")
      ->group(group);
  app.add_option("--transformer-r2", o.SecondaryResistance,
                 "the secondary's resistance as an ohmmeter gives it, ohm")
      ->group(group);
  app.add_option("--transformer-regulation", o.Regulation,
                 "without r1 and r2: the voltage's rise from rated load to no load, % of the "
                 "rated voltage (default: typical of the kind and rating)")
      ->excludes("--transformer-r1")
      ->excludes("--transformer-r2")
      ->group(group);
  app.add_option("--transformer-kind", o.Kind,
                 "laminated (E-I, default) or toroidal: the typical regulation")
      ->check(CLI::IsMember({"laminated", "toroidal"}))
      ->group(group);
  CLI::Option* leakage =
      app.add_option("--transformer-leakage", o.Leakage,
                     "its leakage inductance referred to the secondary, H (default: the method's "
                     "estimate from the size, --flux and --limbs)")
          ->group(group);
  app.add_option("--transformer-short-circuit", o.ShortCircuit,
                 "or a short-circuit test: the primary's voltage and current, V A, with the "
                 "secondary shorted at the mains frequency")
      ->expected(2)
      ->excludes(leakage)
      ->group(group);
  app.add_option("--capacitance", o.Capacitance, "the filter capacitance fitted, µF")->group(group);
  app.add_option("--load-current", o.LoadCurrent,
                 "the load current, A; with --diode-drop and the mains options, prints the "
                 "transformer's figures, the rectifier's voltage, ripple and currents, its "
                 "loading and the load characteristic; --ratings adds the parts table (--json: "
                 "\"analysis\", with the ratings' groups), --simulate the simulation check of "
                 "that circuit and --spice its netlist")
      ->group(group);
}

bool AnalysisRequested(const CLI::App& app) {
  for (const char* option : kAnalysisOptions) {
    if (app.count(option) > 0) return true;
  }
  return false;
}

int RunAnalysis(const CLI::App& app, const AnalysisOptions& o, const AnalysisContext& c,
                std::ostream& out, std::ostream& err) {
  for (const char* option : kExcluded) {
    if (app.count(option) > 0) {
      err << option << texts::kAnalysisExcludes << '\n';
      return kExitUsage;
    }
  }
  if (!o.ShortCircuit.empty() && o.ShortCircuit.size() != 2) {
    err << "--transformer-short-circuit" << texts::kShortCircuitValues << '\n';
    return kExitUsage;
  }
  if ((o.Voltage.empty() && o.NoLoad.empty()) || (o.Current.empty() && o.Power.empty()) ||
      o.Capacitance.empty() || o.LoadCurrent.empty() || c.DiodeDrop.empty()) {
    err << texts::kAnalysisNeeds << '\n';
    return kExitUsage;
  }
  return AnalyseTexts(o, c, out, err);
}

int RunFileAnalysis(const CLI::App& app, const design::AnalysisTexts& t, AnalysisContext c,
                    std::ostream& out, std::ostream& err) {
  for (const char* option : kExcluded) {
    if (std::string_view(option) != "--design" && app.count(option) > 0) {
      err << option << texts::kFileAnalysisExcludes << '\n';
      return kExitUsage;
    }
  }
  AnalysisOptions o;
  (t.NoLoad ? o.NoLoad : o.Voltage) = t.Voltage;
  o.Current = t.Current;
  o.Power = t.Power;
  o.PrimaryResistance = t.PrimaryResistance;
  o.SecondaryResistance = t.SecondaryResistance;
  o.Regulation = t.Regulation;
  o.Kind = t.Kind;
  o.Leakage = t.Leakage;
  if (!t.ShortCircuitVoltage.empty() || !t.ShortCircuitCurrent.empty()) {
    o.ShortCircuit = {t.ShortCircuitVoltage, t.ShortCircuitCurrent};
  }
  o.Capacitance = t.Capacitance;
  o.LoadCurrent = t.LoadCurrent;
  c.DiodeDrop = t.DiodeDrop;
  c.Flux = t.Flux;
  c.Limbs = t.Limbs;
  return AnalyseTexts(o, c, out, err);
}

int AnalyseTexts(const AnalysisOptions& o, const AnalysisContext& c, std::ostream& out,
                 std::ostream& err) {
  if ((o.Voltage.empty() && o.NoLoad.empty()) || (o.Current.empty() && o.Power.empty()) ||
      o.Capacitance.empty() || o.LoadCurrent.empty() || c.DiodeDrop.empty() ||
      (!o.ShortCircuit.empty() && o.ShortCircuit.size() != 2)) {
    err << texts::kAnalysisNeeds << '\n';
    return kExitUsage;
  }
  const auto fail = [&](std::string_view message, int status) {
    if (c.Json) {
      out << RenderJsonError(message);
    } else {
      err << message << '\n';
    }
    return status;
  };
  // A text that is given must read as a number.
  std::string unread;
  const auto read = [&](const std::string& text, const char* option) -> std::optional<long double> {
    if (text.empty()) return std::nullopt;
    const std::optional<long double> v = design::ParseDecimal(text, c.Separator);
    if (!v && unread.empty()) unread = std::string(option) + std::string(texts::kNotANumber);
    return v ? v : std::optional<long double>(0.0L);
  };
  // One that must be there: an empty text does not read as a number either.
  const auto required = [&](const std::string& text, const char* option) {
    if (text.empty() && unread.empty())
      unread = std::string(option) + std::string(texts::kNotANumber);
    return read(text, option).value_or(0.0L);
  };
  design::TransformerData data;
  data.MeasuredAtNoLoad = o.Voltage.empty();
  data.SecondaryVoltage = data.MeasuredAtNoLoad ? required(o.NoLoad, "--transformer-no-load")
                                                : required(o.Voltage, "--transformer-voltage");
  data.RatedCurrent = read(o.Current, "--transformer-current");
  data.RatedPower = read(o.Power, "--transformer-va");
  data.PrimaryResistance = read(o.PrimaryResistance, "--transformer-r1");
  data.SecondaryResistance = read(o.SecondaryResistance, "--transformer-r2");
  data.RegulationPercent = read(o.Regulation, "--transformer-regulation");
  data.Kind =
      o.Kind == "toroidal" ? design::TransformerKind::Toroidal : design::TransformerKind::Laminated;
  data.Leakage = read(o.Leakage, "--transformer-leakage");
  if (o.ShortCircuit.size() == 2) {
    data.ShortCircuit =
        design::ShortCircuitTest{required(o.ShortCircuit[0], "--transformer-short-circuit"),
                                 required(o.ShortCircuit[1], "--transformer-short-circuit")};
  }
  const long double cf = required(o.Capacitance, "--capacitance");
  const long double i0 = required(o.LoadCurrent, "--load-current");
  data.DiodeDrop = required(c.DiodeDrop, "--diode-drop");
  if (!c.Flux.empty()) data.FluxDensity = required(c.Flux, "--flux");
  data.Limbs = c.Limbs;
  if (!unread.empty()) return fail(unread, kExitInputRejected);
  const auto positive = [](long double v) { return std::isfinite(v) && v > 0.0L; };
  if (!positive(cf) || !positive(i0) || !positive(data.DiodeDrop) || !positive(data.FluxDensity)) {
    return fail(texts::kBadAnalysisFigure, kExitInputRejected);
  }

  const design::TransformerChecking checking =
      design::CheckTransformer(data, cf, i0, c.Parts.Mains);
  if (const auto* error = std::get_if<design::TransformerDataError>(&checking)) {
    return fail(EntryMessage(error->Entry), kExitInputRejected);
  }
  if (const auto* failure = std::get_if<design::Failure>(&checking)) {
    const std::string message =
        i18n::TranslateUtf8(design::texts::kContext, design::texts::FailureMessage(failure->Stage));
    if (c.Json) {
      out << RenderJsonFailure(message, *failure);
    } else {
      err << message << '\n';
    }
    return kExitCalculationFailed;
  }
  const Analysed& r = std::get<design::TransformerCheck>(checking);
  // The parts are rated as for a design of the analysed rated point.
  const design::Design rated = design::AsDesign(r.Nominal, data.Limbs, data.FluxDensity);
  if (!c.Simulation) {
    if (c.Json) {
      out << RenderAnalysisJson(r, rated, c.Parts);
    } else {
      out << RenderAnalysisText(r, c.Separator);
      if (c.Ratings) out << '\n' << RenderSelection(rated, c.Parts, c.Separator);
    }
    return kExitDesigned;
  }
  // As for a design: the text is shown while the simulation runs, and the
  // parts are rated on the larger of the method's and the simulated
  // currents, in the JSON's groups again and in the text's table after the
  // simulation's section.
  std::optional<design::ratings::SimulatedFigures> figures;
  if (c.Json) {
    const std::string before = RenderAnalysisJson(r, rated, c.Parts);
    std::string shown = before;
    const int status =
        c.Simulation(r.Nominal, c.Parts.Mains, true, c.Separator, shown, err, figures);
    if (figures) shown = WithBodyOf(shown, before, RenderAnalysisJson(r, rated, c.Parts, figures));
    out << shown;
    return status;
  }
  out << RenderAnalysisText(r, c.Separator) << std::flush;
  std::string section;
  const int status =
      c.Simulation(r.Nominal, c.Parts.Mains, false, c.Separator, section, err, figures);
  out << section;
  if (c.Ratings) out << '\n' << RenderSelection(rated, c.Parts, c.Separator, figures);
  return status;
}

}  // namespace tavro::cli
