#include "cli/simulate_option.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "cli/cli_texts.h"
#include "cli/command_line.h"
#include "cli/language.h"
#include "cli/option_checks.h"
#include "cli/output.h"
#include "cli/output_targets.h"
#include "design/calculate.h"
#include "design/ratings/ratings_texts.h"
#include "design/text_template.h"
#include "i18n/catalogue.h"
#include "mathem/decimal_reading.h"
#include "simulation/child_process.h"
#include "simulation/comparison_table.h"
#include "simulation/diode_models.h"
#include "simulation/export.h"
#include "simulation/protocol.h"
#include "simulation/rating_figures.h"
#include "simulation/spice_values.h"
#include "simulation/texts.h"

namespace tavro::cli {
namespace {

using simulation::SimulationReport;
using simulation::SimulationRequest;

SimulationRequest RequestOf(const SimulateOptions& o, const design::DesignInputs& inputs,
                            const design::ratings::SupplyConditions& mains) {
  SimulationRequest r;
  r.Inputs = inputs;
  r.Mains = mains.Supply;
  r.MainsTolerance = mains.Tolerance;
  r.Diode = o.Diode;
  r.DiodeModel = o.DiodeModel;
  r.Esr = o.Esr;
  r.Load = simulation::LoadFromName(o.Load);
  r.Progress = true;       // the helper's sign of life: a silent one is stopped
  simulation::DiodeOf(r);  // a bad model is refused before any process starts
  return r;
}

SimulationRequest RequestOf(const SimulateOptions& o, const design::Analysis& analysis,
                            const design::ratings::SupplyConditions& mains) {
  SimulationRequest r = RequestOf(o, design::DesignInputs{}, mains);
  r.Analysis = analysis.Inputs;
  r.Analysis->Supply = mains.Supply;
  return r;
}

std::string Text(const SimulationReport& r, char separator) {
  std::ostringstream out;
  out << "\n"
      << i18n::TranslateUtf8(texts::kContext, texts::kComparisonColumns) << " "
      << design::Compose(i18n::TranslateUtf8, texts::kContext, texts::kPeriods,
                         {std::to_string(r.Circuit->State.Periods)})
      << (r.Circuit->State.Settled ? ""
                                   : " — " + i18n::TranslateUtf8(simulation::texts::kContext,
                                                                 simulation::texts::kNotSettled))
      << "\n";
  for (const simulation::TableLine& line :
       simulation::ComparisonTable(r, separator, i18n::TranslateUtf8)) {
    if (line.Section) {
      out << '\n' << line.Cells[0] << '\n';
      continue;
    }
    out << "  " << line.Cells[0] << ": " << line.Cells[1] << " / " << line.Cells[2];
    if (line.Cells[3] != "—") out << " (" << line.Cells[3] << " %)";
    out << '\n';
  }
  // The circuit's steady state not reached is on the periods' line above.
  for (const simulation::SimulationWarning& w :
       simulation::SimulationWarnings(r, separator, i18n::TranslateUtf8)) {
    if (std::string_view(w.Kind) == "circuit_not_settled") continue;
    out << '\n'
        << i18n::TranslateUtf8(design::ratings::texts::kContext,
                               design::ratings::texts::kWarningsPrefix)
        << w.Text << '\n';
  }
  return out.str();
}

// The helper's answer with the warnings in the output's language beside its
// own members (the same kinds and texts the table shows).
std::string WithWarnings(const std::string& answer, const SimulationReport& r, char separator) {
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer> w(buffer);
  w.StartArray();
  for (const simulation::SimulationWarning& warning :
       simulation::SimulationWarnings(r, separator, i18n::TranslateUtf8)) {
    w.StartObject();
    w.Key("kind");
    w.String(warning.Kind);
    w.Key("text");
    w.String(warning.Text.c_str());
    if (warning.Limit != nullptr) {
      w.Key("limit");
      w.String(warning.Limit);
    }
    w.EndObject();
  }
  w.EndArray();
  const std::size_t close = answer.rfind('}');
  if (close == std::string::npos) return answer;
  return answer.substr(0, close) + ",\"warnings\":" + buffer.GetString() + answer.substr(close);
}

// What is simulated: a design, or the circuit of an analysis.
struct Circuit {
  const design::Design* Design = nullptr;
  const design::Analysis* Analysis = nullptr;
};

bool WriteNetlist(const SimulateOptions& o, const Circuit& circuit,
                  const SimulationRequest& request, int periods,
                  const std::vector<std::string>& notes, std::ostream& err) {
  simulation::CircuitSetup setup;
  setup.Diode = simulation::DiodeOf(request);
  setup.Load = request.Load;
  setup.Esr = request.Esr;
  std::string source;
  if (o.DiodeModel.empty()) {
    source = simulation::ShippedDiode(o.Diode).Source;
  } else {
    source = texts::kTypedModel;
  }
  const std::string text =
      circuit.Analysis != nullptr
          ? simulation::StandaloneNetlist(*circuit.Analysis, setup, periods, source, notes)
          : simulation::StandaloneNetlist(*circuit.Design, request.Mains, setup, periods, source,
                                          notes);
  // The old netlist stays whole until the new one is complete.
  if (const auto error = files::ReplaceFile(o.SpiceFile, text)) {
    err << NetlistNotWritten(o.SpiceFile, *error) << '\n';
    return false;
  }
  return true;
}

}  // namespace

void DescribeSimulation(CLI::App& app, SimulateOptions& o) {
  app.add_flag("--simulate", o.Simulate,
               "check the design (or the analysed transformer) in ngspice: the method's own "
               "assumptions, the real circuit and the switch-on surge (adds \"simulation\" to "
               "--json)");
  CLI::Option* diode = app.add_option("--diode", o.Diode,
                                      "the bridge's diode, by its name in the library "
                                      "(diodes.lib): the parts are checked against its ratings, "
                                      "and the real circuit uses its model (default 1N4007)");
  app.add_option("--diode-model", o.DiodeModel, "a diode's .model line instead of --diode")
      ->excludes(diode);
  app.add_option("--esr", o.Esr, "series resistance of the filter capacitor, ohm")
      ->check(CLI::NonNegativeNumber);
  app.add_option("--load", o.Load, "load of the real circuit: resistive (U0/I0) or current (I0)")
      ->check(CLI::IsMember({"resistive", "current"}));
  app.add_option("--spice", o.SpiceFile,
                 "write the real circuit as a standalone netlist for ngspice -b to FILE")
      ->check(NamesAFile());
}

void CheckSimulationOptions(const CLI::App& app, const SimulateOptions& o) {
  if (o.Simulate || !o.SpiceFile.empty()) return;
  for (const char* option : {"--diode-model", "--esr", "--load"}) {
    if (app.count(option) > 0) throw CLI::ValidationError(option, "needs --simulate or --spice");
  }
}

std::string WithMember(const std::string& json, const std::string& key, const std::string& value) {
  const std::size_t close = json.rfind('}');
  if (close == std::string::npos) return json;
  std::size_t last = close;
  while (last > 0 && std::isspace(static_cast<unsigned char>(json[last - 1]))) --last;
  const bool empty = last > 0 && json[last - 1] == '{';
  return json.substr(0, last) + (empty ? "" : ",") + "\n  \"" + key + "\": " + value + "\n" +
         json.substr(close);
}

namespace {

// RunSimulationOptions for a design or an analysis.
bool RunFor(const SimulateOptions& o, const Circuit& circuit,
            const design::ratings::SupplyConditions& mains, bool asJson, char separator,
            std::string& output, std::ostream& err,
            std::optional<simulation::SimulationReport>* kept, bool waveforms) {
  if (!o.Simulate && o.SpiceFile.empty()) return true;
  // A simulation that failed is the JSON's "simulation": {"error": ...}; a
  // netlist that was not written, its "error".
  const auto failed = [&](const std::string& message, bool simulation = true) {
    if (!asJson) return false;
    if (o.Simulate && simulation) {
      std::string value = RenderJsonError(message);
      value.pop_back();  // its line end
      output = WithMember(output, "simulation", value);
    } else {
      output = WithMember(output, "error", JsonString(message));
    }
    return false;
  };
  SimulationRequest request;
  try {
    request = circuit.Analysis != nullptr ? RequestOf(o, *circuit.Analysis, mains)
                                          : RequestOf(o, circuit.Design->Inputs, mains);
  } catch (const simulation::RejectedValue& e) {
    err << e.what() << '\n';
    return failed(e.what());
  }
  int periods = 0;
  std::vector<std::string> notes;
  try {
    simulation::HelperProcess helper;
    if (o.Simulate) {
      SimulationRequest sampled = request;
      sampled.Waveforms = waveforms && kept != nullptr;
      std::string answer = helper.Exchange(simulation::EncodeRequest(sampled));
      SimulationReport report = simulation::DecodeAnswer(answer, sampled);
      if (sampled.Waveforms && report.Ok) {
        // The JSON printed is the answer without the samples, as ever.
        SimulationReport shown = report;
        if (shown.Method) shown.Method->State.LastTwoPeriods = {};
        if (shown.Circuit) shown.Circuit->State.LastTwoPeriods = {};
        if (shown.SurgeResult) shown.SurgeResult->WorstTransient = {};
        if (shown.SurgeHighMains) shown.SurgeHighMains->WorstTransient = {};
        answer = simulation::EncodeReport(shown);
      }
      if (!report.Ok) {
        const std::string why = simulation::FailureMessage(report, i18n::TranslateUtf8);
        err << i18n::TranslateUtf8(texts::kContext, texts::kSimulationFailed) << why << '\n';
        return failed(why);
      }
      periods = report.Circuit->State.Periods;
      notes = simulation::SurgeNotes(report);
      output = asJson ? WithMember(output, "simulation", WithWarnings(answer, report, separator))
                      : output + Text(report, separator);
      if (kept != nullptr) *kept = std::move(report);
    } else {
      // The netlist ends where the embedded simulation of it settles.
      SimulationRequest steady = request;
      steady.MethodCheck = steady.Surge = false;
      const SimulationReport report =
          simulation::DecodeAnswer(helper.Exchange(simulation::EncodeRequest(steady)), steady);
      if (report.Ok) periods = report.Circuit->State.Periods;
    }
  } catch (const simulation::HelperFailure& e) {
    const std::string why = simulation::FailureMessage(e, i18n::TranslateUtf8);
    err << why << '\n';
    if (o.Simulate) return failed(why);
  }
  if (o.SpiceFile.empty()) return true;
  std::ostringstream why;
  if (WriteNetlist(o, circuit, request, periods > 0 ? periods : simulation::kDefaultExportPeriods,
                   notes, why)) {
    return true;
  }
  err << why.str();
  std::string message = why.str();
  message.pop_back();  // its line end
  return failed(message, false);
}

}  // namespace

bool RunSimulationOptions(const SimulateOptions& o, const design::Design& design,
                          const design::ratings::SupplyConditions& mains, bool asJson,
                          char separator, std::string& output, std::ostream& err,
                          std::optional<simulation::SimulationReport>* kept, bool waveforms) {
  return RunFor(o, {&design, nullptr}, mains, asJson, separator, output, err, kept, waveforms);
}

AnalysisSimulation SimulationOfAnalysis(const SimulateOptions& o) {
  if (!o.Simulate && o.SpiceFile.empty()) return {};
  return [o](const design::Analysis& analysis, const design::ratings::SupplyConditions& mains,
             bool asJson, char separator, std::string& output, std::ostream& err,
             std::optional<design::ratings::SimulatedFigures>& figures) {
    // The netlist's file is checked before the simulation runs, as for a design.
    if (const auto refused = CheckOutputTargets({"", "", o.SpiceFile})) {
      err << refused->Message << '\n';
      if (asJson) output = WithMember(output, "error", JsonString(refused->Message));
      return refused->ExitStatus;
    }
    std::optional<simulation::SimulationReport> report;
    const bool done =
        RunFor(o, {nullptr, &analysis}, mains, asJson, separator, output, err, &report, false);
    if (report) figures = simulation::RatingFigures(*report);
    return done ? kExitDesigned : kExitSimulationFailed;
  };
}

BatchExtension SimulationColumns(const SimulateOptions& o, int jobs) {
  struct Pool {
    std::vector<std::unique_ptr<simulation::HelperProcess>> helpers;
  };
  auto pool = std::make_shared<Pool>();
  for (int i = 0; i < std::max(1, jobs); ++i) {
    pool->helpers.push_back(std::make_unique<simulation::HelperProcess>());
  }
  BatchExtension e;
  e.Columns =
      ",Vmean_sim,I0_sim,RipplePP_sim,Ripple100_sim,I2_sim,Idrms_sim,Idpk_sim,Beta_sim,Icrms_sim,"
      "periods_sim,settled_sim,simulation_message,surge_peak_sim,surge_phase_sim,"
      "surge_peak_high_sim,surge_phase_high_sim";
  e.Extend = [o, pool](std::vector<BatchRow>& rows) {
    std::atomic<std::size_t> next{0};
    const auto work = [&](simulation::HelperProcess& helper) {
      for (std::size_t i = next++; i < rows.size(); i = next++) {
        BatchRow& row = rows[i];
        std::string columns(11, ',');
        std::string surges(4, ',');
        std::string message;
        if (row.Designed) {
          try {
            // The row's inputs are exact decimals of the calculated values.
            design::DesignInputs in{};
            std::vector<std::string> f;
            std::stringstream split(row.Text);
            for (std::string s; std::getline(split, s, ',') && f.size() < 7;) f.push_back(s);
            long double* targets[] = {&in.U0, &in.I0, &in.Kp, nullptr, &in.Bm, &in.Ud};
            for (int k = 0; k < 6; ++k) {
              const std::string& s = f.at(static_cast<std::size_t>(k + 1));
              if (targets[k] == nullptr) {
                in.Limbs = s == "2" ? 2 : 1;
              } else if (const auto read = mathem::ReadDecimal(s);
                         read && read->Range == mathem::DecimalRange::Within) {
                *targets[k] = read->Value;
              }
            }
            SimulationRequest request = RequestOf(o, in, row.Mains);
            request.MethodCheck = false;
            const SimulationReport r = simulation::DecodeAnswer(
                helper.Exchange(simulation::EncodeRequest(request)), request);
            if (r.Ok) {
              row.Simulated = simulation::RatingFigures(r);
              columns.clear();
              for (const auto& c : r.Circuit->Rows) {
                if (c.Quantity == "Idavg") continue;
                columns += "," + simulation::SpiceNumber(c.Simulated);
              }
              columns += "," + std::to_string(r.Circuit->State.Periods);
              columns += std::string(",") + (r.Circuit->State.Settled ? "1" : "0");
              surges.clear();
              for (const auto& surge : {r.SurgeResult, r.SurgeHighMains}) {
                surges += surge ? "," + simulation::SpiceNumber(surge->WorstPeak) + "," +
                                      simulation::SpiceNumber(surge->WorstPhaseDegrees)
                                : std::string(",,");
              }
            } else {
              message = r.Error;
            }
          } catch (const std::exception& error) {
            message = error.what();
          }
        }
        row.ExtensionFailed = !message.empty();
        row.Text += columns + "," + CsvField(message) + surges;
      }
    };
    std::vector<std::jthread> threads;
    for (std::size_t k = 1; k < pool->helpers.size(); ++k) {
      threads.emplace_back([&, k] { work(*pool->helpers[k]); });
    }
    work(*pool->helpers[0]);
  };
  return e;
}

}  // namespace tavro::cli
