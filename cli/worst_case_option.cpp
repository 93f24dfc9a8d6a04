#include "cli/worst_case_option.h"

#include <rapidjson/prettywriter.h>

#include <cmath>
#include <optional>
#include <sstream>

#include "cli/cli_texts.h"
#include "cli/command_line.h"
#include "cli/json_writer.h"
#include "cli/output.h"
#include "design/decimal.h"
#include "design/readable_number.h"
#include "design/text_template.h"
#include "design/texts.h"
#include "design/worst_case.h"
#include "i18n/catalogue.h"

namespace tavro::cli {
namespace {

using design::Unit;

constexpr const char* kExcluded[] = {"--voltage", "--batch",    "--design", "--report",
                                     "--pdf",     "--simulate", "--spice",  "--ratings",
                                     "--suggest-transformers", "--wind"};

std::string Tr(std::string_view text) {
  return i18n::TranslateUtf8(texts::kContext, text);
}

std::string RenderText(const design::WorstCaseDesign& w, long double target,
                       const std::optional<long double>& limit, const WorstCaseContext& c) {
  const auto value = [&c](long double v, Unit unit) {
    return design::FormatReadable(v, unit, c.Separator, i18n::TranslateUtf8);
  };
  const design::Design& d = w.Nominal;
  std::ostringstream os;
  os << design::FillTemplate(Tr(texts::kWorstCaseGroup),
                             {value(target, Unit::Volt), value(d.Inputs.I0, Unit::Ampere)})
     << '\n'
     << CaptionLine(Tr(texts::kChosenU0Caption), value(d.Inputs.U0, Unit::Volt))
     << CaptionLine(Tr(texts::kEmfCaption), value(d.Results.U2, Unit::Volt))
     << CaptionLine(Tr(texts::kRtrCaption), value(d.Parameters.Rtr, Unit::Ohm))
     << CaptionLine(Tr(texts::kLsCaption), value(d.Parameters.Ls, Unit::Henry))
     << CaptionLine(Tr(texts::kPframeCaption), value(d.Results.Pframe, Unit::VoltAmpere))
     << CaptionLine(Tr(texts::kLowCfCaption), value(w.Cf * 1e-6L, Unit::Farad));
  for (const design::Analysis* a : {&w.Low, &w.AtNominal, &w.High}) {
    os << CaptionLine(design::FillTemplate(Tr(texts::kCornerCaption),
                                           {value(a->Inputs.Supply.Voltage, Unit::Volt)}),
                      value(a->U0, Unit::Volt) + "  " + value(a->Kp, Unit::Percent) + "  " +
                          value(a->I2, Unit::Ampere));
  }
  os << CaptionLine(design::FillTemplate(Tr(texts::kNoLoadHighCaption),
                                         {value(w.High.Inputs.Supply.Voltage, Unit::Volt)}),
                    value(w.NoLoadHigh, Unit::Volt));
  if (limit) {
    os << CaptionLine(Tr(texts::kHighLimitCaption),
                      value(*limit, Unit::Volt) + "  " +
                          Tr(w.HighLimitMet ? texts::kLimitMet : texts::kLimitExceeded));
  }
  os << '\n' << RenderLoadTable(w.AtNominal.Load, c.Separator);
  return os.str();
}

std::string RenderJson(const design::WorstCaseDesign& w, long double target,
                       const std::optional<long double>& limit) {
  using namespace json;
  const design::Design& d = w.Nominal;
  rapidjson::StringBuffer buffer;
  Writer json(buffer);
  json.SetIndent(' ', 2);
  json.StartObject();
  Key(json, "worst_case");
  json.StartObject();
  Number(json, "U0min", target);
  if (limit) Number(json, "MaxNoLoadHighMains", *limit);
  Object(json, "chosen",
         {{"U0", d.Inputs.U0},
          {"U2", d.Results.U2},
          {"Rtr", d.Parameters.Rtr},
          {"Ls", d.Parameters.Ls},
          {"I2", d.Results.I2},
          {"Pframe", d.Results.Pframe},
          {"Cf", w.Cf}});
  Key(json, "corners");
  json.StartArray();
  const char* names[] = {"low", "nominal", "high"};
  int k = 0;
  for (const design::Analysis* a : {&w.Low, &w.AtNominal, &w.High}) {
    json.StartObject();
    Key(json, "mains");
    String(json, names[k++]);
    Members(json, {{"MainsVoltage", a->Inputs.Supply.Voltage},
                   {"U2", a->Inputs.U2},
                   {"U0", a->U0},
                   {"Kp", a->Kp},
                   {"I2", a->I2},
                   {"Idrms", a->Idrms},
                   {"Idpk", a->Idpk}});
    json.EndObject();
  }
  json.EndArray();
  Number(json, "NoLoadHighMains", w.NoLoadHigh);
  Key(json, "HighLimitMet");
  json.Bool(w.HighLimitMet);
  Key(json, "Steps");
  json.Int(w.Steps);
  json.EndObject();
  json.EndObject();
  return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

}  // namespace

void DescribeWorstCase(CLI::App& app, WorstCaseOptions& o) {
  const std::string group = "Design to the worst case (instead of --voltage)";
  CLI::Option* min =
      app.add_option("--min-voltage-at-low-mains", o.MinLowMains,
                     "at least this rectified voltage, V, at the rated current (--current) and "
                     "low mains: the nominal U0 is chosen, and the capacitance for --ripple at "
                     "that corner; the nominal and high-mains figures follow (--json: "
                     "\"worst_case\")")
          ->group(group);
  app.add_option("--max-voltage-no-load-at-high-mains", o.MaxNoLoadHighMains,
                 "and at most this no-load voltage, V, at high mains: checked, exit status 3 "
                 "when it is above")
      ->needs(min)
      ->group(group);
}

bool WorstCaseRequested(const CLI::App& app) {
  return app.count("--min-voltage-at-low-mains") > 0;
}

int RunWorstCase(const CLI::App& app, const WorstCaseOptions& o, const WorstCaseContext& c,
                 std::ostream& out, std::ostream& err) {
  for (const char* option : kExcluded) {
    if (app.count(option) > 0) {
      err << option << texts::kWorstCaseExcludes << '\n';
      return kExitUsage;
    }
  }
  return WorstCaseTexts(o, c, out, err);
}

int WorstCaseTexts(const WorstCaseOptions& o, const WorstCaseContext& c, std::ostream& out,
                   std::ostream& err) {
  const auto fail = [&](std::string_view message, int status) {
    if (c.Json) {
      out << RenderJsonError(message);
    } else {
      err << message << '\n';
    }
    return status;
  };
  design::InputTexts typed = c.Typed;
  typed.U0 = o.MinLowMains;
  const design::InputReading reading = design::ReadInputs(typed, c.Separator);
  if (const auto* rejection = std::get_if<design::InputRejection>(&reading)) {
    return fail(i18n::TranslateUtf8(design::texts::kContext, rejection->Message),
                kExitInputRejected);
  }
  std::optional<long double> limit;
  if (!o.MaxNoLoadHighMains.empty()) {
    limit = design::ParseDecimal(o.MaxNoLoadHighMains, c.Separator);
    if (!limit || !std::isfinite(*limit) || !(*limit > 0.0L)) {
      return fail(texts::kBadHighLimit, kExitInputRejected);
    }
  }
  const design::DesignInputs& inputs = std::get<design::DesignInputs>(reading);
  const design::WorstCaseResult result =
      design::DesignForWorstCase({inputs, c.Mains.Supply, c.Mains.Tolerance, limit});
  if (const auto* failure = std::get_if<design::Failure>(&result)) {
    const std::string message =
        i18n::TranslateUtf8(design::texts::kContext, design::texts::FailureMessage(failure->Stage));
    if (c.Json) {
      out << RenderJsonFailure(message, *failure);
    } else {
      err << message << '\n';
    }
    return kExitCalculationFailed;
  }
  const design::WorstCaseDesign& w = std::get<design::WorstCaseDesign>(result);
  out << (c.Json ? RenderJson(w, inputs.U0, limit) : RenderText(w, inputs.U0, limit, c));
  if (!w.HighLimitMet) {
    err << texts::kHighLimitExceeded << '\n';
    return kExitCalculationFailed;
  }
  return kExitDesigned;
}

}  // namespace tavro::cli
