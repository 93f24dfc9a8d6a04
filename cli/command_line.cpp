#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <cstring>
#include <optional>
#include <thread>

#include "cli/analysis_option.h"
#include "cli/batch.h"
#include "cli/cli_texts.h"
#include "cli/language.h"
#include "cli/option_checks.h"
#include "cli/output.h"
#include "cli/output_targets.h"
#include "cli/pdf_output.h"
#include "cli/ratings_output.h"
#include "cli/simulate_option.h"
#include "cli/transformer_output.h"
#include "cli/worst_case_option.h"
#include "design/calculate.h"
#include "design/design_file.h"
#include "design/diode_current.h"
#include "design/inputs.h"
#include "design/ratings/design_settings.h"
#include "design/ratings/ratings_texts.h"
#include "design/text_template.h"
#include "design/texts.h"
#include "i18n/catalogue.h"
#include "pdf/parts_table.h"
#include "pdf/simulation_plots.h"
#include "pdf/simulation_section.h"
#include "pdf/transformer_section.h"
#include "report/locale_clock.h"
#include "report/report_file.h"
#include "report/report_text.h"
#include "simulation/rating_figures.h"
#include "tavro/version.h"

namespace tavro::cli {

namespace {

int DefaultJobs() {
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

struct Options {
  std::string voltage, current, ripple, flux, diodeDrop, separator, reportFile, designFile, pdfFile;
  std::string language = "ru";
  int limbs = 1;
  bool json = false;
  bool batch = false;
  bool ratings = false;
  bool suggestTransformers = false;
  bool wind = false;
  WindOptions winding;
  RatingsOptions parts;
  int jobs = DefaultJobs();
  SimulateOptions simulation;
  AnalysisOptions analysis;
  WorstCaseOptions worstCase;
};

// A window's menu item, quoted, in the language in use, without the "&"
// that marks its shortcut letter ("&&" is a "&" itself).
std::string WindowItem(std::string_view item) {
  const QString shown = i18n::WithoutMnemonic(i18n::Translate(texts::kWindowContext, item));
  return "\"" + shown.toStdString() + "\"";
}

void Describe(CLI::App& app, Options& o) {
  // As with most tools, an option given twice takes its last value.
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  const std::vector<CLI::Option*> single = {
      app.add_option("--voltage", o.voltage, "rated rectified voltage, V"),
      app.add_option("--current", o.current, "rated rectified current, A"),
      app.add_option("--ripple", o.ripple, "ripple factor of the rectified voltage, %"),
      app.add_option("--limbs", o.limbs, "transformer limbs that carry windings")
          ->check(CLI::IsMember({1, 2})),
      app.add_option("--flux", o.flux, "peak flux density in the core, T"),
      app.add_option("--diode-drop", o.diodeDrop, "forward voltage drop of one diode, V"),
      app.add_option("--decimal-separator", o.separator,
                     "decimal separator of inputs and results (default: the locale's)")
          ->check(CLI::IsMember({",", "."})),
      app.add_flag("--json", o.json, "print one JSON object"),
      app.add_option("--design", o.designFile,
                     "read the inputs from a design file (.tavro) saved by the window; an input "
                     "option given as well takes its place")
          ->check(NamesAFile()),
      app.add_option("--report", o.reportFile,
                     "append the 74-line report (Windows-1251, CR LF) to FILE, as the window's " +
                         WindowItem(texts::kSaveItem) +
                         " does; dated SOURCE_DATE_EPOCH (UTC) when set")
          ->check(NamesAFile()),
      app.add_option("--pdf", o.pdfFile,
                     "write the printable A4 report (PDF) to FILE, replacing it, as the window's " +
                         WindowItem(texts::kPdfItem) + " does; no display needed")
          ->check(NamesAFile())};
  CLI::Option* batch = app.add_flag(
      "--batch", o.batch,
      "read designs from standard input, one per line: U0,I0,Kp,Limbs,Bm,Ud with \".\" before "
      "the fraction (a first line starting with U0 is a header; blank and # lines are skipped); "
      "write one CSV row per design in input order: the inputs, Phi, A, Psi, Beta, B, D, F, H, "
      "U2, I2, I1, Pframe, Urev, Idrms, Idpk, Cf and the load characteristic's own voltage at "
      "the rated current, exactly, or the message for a design that is rejected or fails, and "
      "last the stage where a calculation stopped");
  for (CLI::Option* option : single) batch->excludes(option);
  app.add_option("--mains-voltage", o.parts.MainsVoltage, "nominal mains voltage, V (default 220)");
  app.add_option("--mains-frequency", o.parts.MainsFrequency, "mains frequency, Hz (default 50)");
  app.add_option("--mains-tolerance", o.parts.MainsTolerance,
                 "mains voltage tolerance, ± % (default 10)");
  app.add_option("--capacitor-tolerance", o.parts.CapacitorTolerance,
                 "how far below its value the filter capacitor may be, % (default 20)");
  app.add_flag("--e12", o.parts.E12, "pick the capacitance from the E12 series (default E6)");
  app.add_option("--diode-margin", o.parts.DiodeMargin,
                 "diode reverse-voltage class over the peak at high mains (default 1.5)");
  app.add_option("--capacitor-margin", o.parts.CapacitorMargin,
                 "capacitor voltage class over the larger of the no-load crest at high mains "
                 "and the switch-on peak (default 1.2)");
  app.add_option("--capacitor-esr", o.parts.CapacitorEsr,
                 "the filter capacitor's ESR for its loss, ohm (default: estimated from a "
                 "typical dissipation factor)");
  app.add_option("--capacitor-life", o.parts.CapacitorLife,
                 "the capacitor's rated life, h (default 2000)");
  app.add_option("--capacitor-temperature", o.parts.CapacitorTemperature,
                 "the temperature of the capacitor's rated life, °C (default 105)");
  app.add_option("--ambient", o.parts.Ambient,
                 "air temperature around the parts, °C, for the diodes' junction and the "
                 "capacitor's life (default 40)");
  app.add_option("--core-loss-share", o.parts.CoreLossShare,
                 "the transformer's core loss over its copper loss (default 1)");
  app.add_option("--fuse-factor", o.parts.FuseFactor,
                 "primary fuse rating over the primary rms current at rated load and high mains "
                 "(default 2)");
  app.add_option("--surge-limit", o.parts.SurgeLimit,
                 "the switch-on surge the diodes allow (IFSM), A: above it an NTC limiter is "
                 "sized (default: none)");
  app.add_flag("--ratings", o.ratings,
               "add the \"" +
                   i18n::TranslateUtf8(design::ratings::texts::kContext,
                                       design::ratings::texts::kSelectionTitle) +
                   "\" table and warnings to the text output; with --batch, the main ratings "
                   "as extra columns at the end (--json always has them)");
  app.add_flag("--suggest-transformers", o.suggestTransformers,
               "add the standard mains transformers (laminated and toroidal) nearest the design, "
               "each evaluated at the rated load at nominal and low mains with the capacitor "
               "the parts list picks, the one with the least V·A that gives U0 marked; JSON: "
               "transformer_candidates; with --pdf, a section of the report; with --batch, the "
               "marked one's columns (tr_...) at the end of each row");
  CLI::Option* wind = app.add_flag(
      "--wind", o.wind,
      "add the winding of one's own transformer: the smallest core of the family whose window "
      "takes both windings with their insulation, turns, standard enamelled wires, fill, "
      "resistances at 20 °C and working temperature, losses and temperature rise, and the "
      "rectifier with the wound transformer's resistance and leakage beside the method's "
      "estimates; JSON: winding; with --pdf, a section of the report; with --batch, its "
      "columns (wind_...) at the end of each row");
  app.add_option("--core", o.winding.Core,
                 "core family for --wind: ei (laminated E-I), toroidal or c (tape-wound C "
                 "cores); default c for two limbs, else ei")
      ->needs(wind);
  app.add_option("--wind-flux", o.winding.Flux,
                 "peak flux density for --wind, T (default: the design's --flux)")
      ->needs(wind);
  app.add_option("--jobs", o.jobs, "threads for --batch (default: the number of cores)")
      ->check(CLI::Range(1, 1024))
      ->needs(batch);
  app.add_option("--lang", o.language,
                 "language of the messages and labels: ru (default) or en; JSON keys, CSV "
                 "columns and exit statuses are the same in both")
      ->check(CLI::IsMember({"ru", "en"}));
  app.set_version_flag("--version", "tavro-cli " + std::string(release::kVersion));
  DescribeSimulation(app, o.simulation);
  DescribeAnalysis(app, o.analysis);
  DescribeWorstCase(app, o.worstCase);
  batch->excludes("--spice");
  app.footer(
      "Texts are read exactly as the window's fields read them; an option left out is an empty "
      "field. Write a negative value as --voltage=-1.\n"
      "Exit status: 0 designed, 1 usage error, 2 input rejected, 3 calculation refused or failed, "
      "4 report or PDF not written, 5 simulation or netlist failed, 6 design file not read; with "
      "--batch 0 when every design was calculated, 2 when some row holds a message, 5 when a "
      "simulation failed (before 2), 7 when standard input could not be read (before all); 7 "
      "too when standard output could not be written.\n"
      "With --json, a design file not read, a rejected input or a failed calculation prints "
      "{\"error\": ...}; a failed simulation is \"simulation\": {\"error\": ...} and a report, "
      "PDF or netlist not written adds \"error\" to the design's object.");
}

// A design file's mains, part and simulation settings for every option not
// given on the command line; the entry out of its range, if one is.
std::optional<std::string> TakeFileSettings(const CLI::App& app, design::DesignSettings s,
                                            RatingsRequest& parts, SimulateOptions& simulation) {
  const auto given = [&app](const char* option) { return app.count(option) > 0; };
  if (given("--mains-voltage")) s.MainsVoltage.reset();
  if (given("--mains-frequency")) s.MainsFrequency.reset();
  if (given("--mains-tolerance")) s.MainsTolerancePercent.reset();
  if (given("--capacitor-tolerance")) s.CapacitorTolerancePercent.reset();
  if (given("--e12")) s.CapacitorSeries.reset();
  if (given("--diode-margin")) s.DiodeMargin.reset();
  if (given("--capacitor-margin")) s.CapacitorMargin.reset();
  if (given("--capacitor-esr")) s.CapacitorEsr.reset();
  if (given("--capacitor-life")) s.CapacitorLife.reset();
  if (given("--capacitor-temperature")) s.CapacitorTemperature.reset();
  if (given("--ambient")) s.Ambient.reset();
  if (given("--core-loss-share")) s.CoreLossShare.reset();
  if (given("--fuse-factor")) s.FuseFactor.reset();
  if (given("--surge-limit")) s.SurgeLimit.reset();
  if (given("--diode")) s.Diode.reset();
  if (auto entry = design::ratings::TakeSettings(s, parts.Mains, parts.Choices)) return entry;
  if (s.SimulationLoad && *s.SimulationLoad != "resistive" && *s.SimulationLoad != "current") {
    return "simulation.load";
  }
  if (s.SimulationEsr && !(*s.SimulationEsr >= 0.0L && *s.SimulationEsr <= 1.0e6L)) {
    return "simulation.esr";
  }
  // The simulation's settings are the file's unless one of them is given.
  const bool typed = given("--diode") || given("--diode-model");
  if (!typed && s.SimulationDiode) simulation.Diode = *s.SimulationDiode;
  if (!typed && s.SimulationModel) simulation.DiodeModel = *s.SimulationModel;
  if (!given("--esr") && s.SimulationEsr) simulation.Esr = static_cast<double>(*s.SimulationEsr);
  if (!given("--load") && s.SimulationLoad) simulation.Load = *s.SimulationLoad;
  return std::nullopt;
}

// The inputs of a design file, in the separator in use, for every input
// option not given on the command line, and its settings likewise; the
// message when the file is refused.
std::optional<std::string> TakeDesignFile(const CLI::App& app, char separator, Options& o,
                                          RatingsRequest& parts,
                                          std::optional<design::AnalysisTexts>& analysis) {
  const design::DesignFileReading reading = design::ReadDesignFile(o.designFile, separator);
  if (const auto* error = std::get_if<design::DesignFileError>(&reading)) {
    return design::DescribeDesignFileError(o.designFile, *error, i18n::TranslateUtf8);
  }
  const design::DesignFile& file = std::get<design::DesignFile>(reading);
  if (const auto entry = TakeFileSettings(app, file.Settings, parts, o.simulation)) {
    return design::DescribeDesignFileError(
        o.designFile, {design::DesignFileProblem::BadEntry, *entry}, i18n::TranslateUtf8);
  }
  const design::InputTexts& in = file.Inputs;
  const auto take = [&](const char* option, std::string& text, const std::string& fromFile) {
    if (app.count(option) == 0) text = fromFile;
  };
  take("--voltage", o.voltage, in.U0);
  take("--current", o.current, in.I0);
  take("--ripple", o.ripple, in.Kp);
  take("--flux", o.flux, in.Bm);
  take("--diode-drop", o.diodeDrop, in.Ud);
  if (app.count("--limbs") == 0) o.limbs = in.Limbs == "2" ? 2 : 1;
  // A file saved while the window checked a transformer is that check.
  if (file.Analysis && file.Analysis->Active) analysis = file.Analysis;
  return std::nullopt;
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err) {
  CLI::App app{
      "Tavro: single-phase bridge rectifier with a capacitor filter, "
      "taking the transformer's leakage inductance into account"};
  const i18n::Language language = LanguageOfArgs(args);
  if (i18n::CurrentLanguage() != language) i18n::UseLanguage(language);
  Options o;
  Describe(app, o);
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
    CheckSimulationOptions(app, o.simulation);
    // --diode also chooses the bridge's diode for the parts; a name outside
    // the library is left for the simulation to refuse when it runs.
    if (app.count("--diode") > 0 && ((!o.simulation.Simulate && o.simulation.SpiceFile.empty()) ||
                                     design::ratings::FindDiode(o.simulation.Diode) != nullptr)) {
      o.parts.Diode = o.simulation.Diode;
    }
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e, out, err);
    return code == 0 ? kExitDesigned : kExitUsage;
  }

  // The mains and part options read like the batch's numbers with --batch,
  // else with the inputs' decimal separator.
  const char separator =
      o.batch ? '.' : (o.separator.empty() ? DefaultSeparator(language) : o.separator[0]);
  const auto request = ReadRatingsRequest(o.parts, separator);
  if (const auto* message = std::get_if<std::string>(&request)) {
    err << *message << '\n';
    return kExitUsage;
  }
  RatingsRequest parts = std::get<RatingsRequest>(request);
  const auto windReading = ReadWindOptions(o.winding, separator);
  if (const auto* message = std::get_if<std::string>(&windReading)) {
    err << *message << '\n';
    return kExitUsage;
  }
  const WindChoice windChoice = std::get<WindChoice>(windReading);
  if (AnalysisRequested(app)) {
    return RunAnalysis(app, o.analysis,
                       {o.diodeDrop, o.flux, o.limbs, separator, o.json, parts, o.ratings,
                        SimulationOfAnalysis(o.simulation)},
                       out, err);
  }
  if (WorstCaseRequested(app)) {
    return RunWorstCase(app, o.worstCase,
                        {{"", o.current, o.ripple, std::to_string(o.limbs), o.flux, o.diodeDrop},
                         separator,
                         o.json,
                         parts.Mains},
                        out, err);
  }

  if (o.batch) {
    const BatchExtension simulation =
        o.simulation.Simulate ? SimulationColumns(o.simulation, o.jobs) : BatchExtension{};
    std::vector<BatchColumns> transformer;
    if (o.suggestTransformers) transformer.push_back(CandidateColumns(parts));
    if (o.wind) transformer.push_back(WindingColumns(windChoice, parts));
    const BatchSummary summary =
        RunBatch(in, out, o.jobs, o.simulation.Simulate ? &simulation : nullptr,
                 o.ratings ? &parts : nullptr, &parts.Mains, transformer);
    if (!summary.ReadError.empty()) {
      err << summary.ReadError << '\n';
      return kExitStreamFailed;
    }
    if (summary.ExtensionFailed > 0) return kExitSimulationFailed;
    return summary.WithMessage == 0 ? kExitDesigned : kExitInputRejected;
  }

  if (!o.designFile.empty()) {
    std::optional<design::AnalysisTexts> analysis;
    if (auto message = TakeDesignFile(app, separator, o, parts, analysis)) {
      if (o.json) {
        out << RenderJsonError(*message);
      } else {
        err << *message << '\n';
      }
      return kExitDesignFile;
    }
    if (analysis) {
      return RunFileAnalysis(
          app, *analysis,
          {"", "", 1, separator, o.json, parts, o.ratings, SimulationOfAnalysis(o.simulation)}, out,
          err);
    }
  }
  const design::InputTexts typed{o.voltage, o.current,  o.ripple, std::to_string(o.limbs),
                                 o.flux,    o.diodeDrop};
  const design::InputReading reading = design::ReadInputs(typed, separator);
  if (const auto* rejection = std::get_if<design::InputRejection>(&reading)) {
    const std::string message = i18n::TranslateUtf8(design::texts::kContext, rejection->Message);
    if (o.json) {
      out << RenderJsonError(message);
    } else {
      err << message << '\n';
    }
    return kExitInputRejected;
  }
  design::CalculationOptions options;
  options.Supply = parts.Mains.Supply;
  const design::Calculation calculation =
      design::Calculate(std::get<design::DesignInputs>(reading), options);
  if (const auto* failure = std::get_if<design::Failure>(&calculation)) {
    const std::string message =
        i18n::TranslateUtf8(design::texts::kContext, design::texts::FailureMessage(failure->Stage));
    if (o.json) {
      out << RenderJsonFailure(message, *failure);
    } else {
      err << message << '\n';
    }
    return kExitCalculationFailed;
  }
  const design::Design& d = std::get<design::Design>(calculation);
  std::string shown;
  if (o.json) {
    shown = RenderJson(d, typed, separator, [&](json::Writer& json) {
      WriteRatingsJson(json, d, parts);
      if (o.suggestTransformers) WriteCandidatesJson(json, d, parts);
      if (o.wind) WriteWindingJson(json, d, parts, windChoice);
    });
  } else {
    shown = RenderText(d, typed, separator, parts.Mains.Supply);
    if (o.ratings && !o.simulation.Simulate) shown += '\n' + RenderSelection(d, parts, separator);
    if (o.suggestTransformers) shown += '\n' + RenderCandidates(d, parts, separator);
    if (o.wind) shown += '\n' + RenderWinding(d, parts, windChoice, separator);
    err << RenderWarnings(d, &parts);
  }
  // The JSON object waits for the files, as it tells whether they were written;
  // the text is shown whatever follows.
  const auto finish = [&](int status, const std::string& message) {
    if (!message.empty()) err << message << '\n';
    if (o.json) out << (message.empty() ? shown : WithMember(shown, "error", JsonString(message)));
    return status;
  };
  if (!o.json) out << shown;
  // The report's date and every file this run writes are checked before
  // any of them is written, so a run that fails writes nothing.
  std::optional<report::ReportTime> time;
  if (!o.reportFile.empty() || !o.pdfFile.empty()) {
    time = report::ReportTimeNow();
    if (!time) return finish(kExitUsage, std::string(report::kBadSourceDateEpoch));
  }
  if (const auto refused = CheckOutputTargets({o.reportFile, o.pdfFile, o.simulation.SpiceFile})) {
    return finish(refused->ExitStatus, refused->Message);
  }
  std::optional<simulation::SimulationReport> checked;
  const std::size_t printed = shown.size();
  const std::string before = shown;
  const bool simulated = RunSimulationOptions(o.simulation, d, parts.Mains, o.json, separator,
                                              shown, err, &checked, !o.pdfFile.empty());
  if (!o.json) out << std::string_view(shown).substr(printed);  // the simulation's section
  // With a simulation the parts are rated on the larger of the method's and
  // the simulated currents: the JSON's groups again, the text's table after
  // the simulation's section.
  const auto figures = checked ? simulation::RatingFigures(*checked) : std::nullopt;
  if (figures && o.json) {
    shown = WithBodyOf(shown, before, RenderJson(d, typed, separator, [&](json::Writer& json) {
                         WriteRatingsJson(json, d, parts, figures);
                         if (o.suggestTransformers) WriteCandidatesJson(json, d, parts);
                         if (o.wind) WriteWindingJson(json, d, parts, windChoice);
                       }));
  } else if (!o.json && o.ratings && o.simulation.Simulate) {
    out << '\n' << RenderSelection(d, parts, separator, figures);
  }
  if (!simulated) return finish(kExitSimulationFailed, {});
  if (o.reportFile.empty() && o.pdfFile.empty()) return finish(kExitDesigned, {});

  const report::ReportContent content{typed, d, separator};
  try {
    if (!o.reportFile.empty()) {
      report::AppendReport(o.reportFile, [&] {
        return report::EncodeReport(
            report::ReportLines(content, *time, report::UserTimeSeparator()));
      });
    }
    if (!o.pdfFile.empty()) {
      // The parts to buy, then the simulation check when it has run.
      std::vector<pdf::PdfTable> extra{
          pdf::PartsTable(d, parts.Mains, parts.Choices, separator, figures)};
      // The transformer one can buy or wind, when asked for.
      if (o.suggestTransformers) {
        extra.push_back(pdf::CandidatesTable(
            design::transformer::SuggestTransformers(d, parts.Mains, parts.Choices), separator));
      }
      if (o.wind) {
        const auto asked = WindingRequestFor(windChoice, d, parts);
        extra.push_back(
            pdf::WindingTable(d, asked, design::transformer::Wind(d, d.Supply, asked), separator));
      }
      std::vector<plot::PlotDescription> plots;
      if (checked) {
        extra.push_back(pdf::SimulationTable(*checked, separator));
        plots = pdf::SimulationPlots(*checked, separator);
      }
      WritePdf(o.pdfFile, {content, design::DiodeCurrent(d), *time, report::UserTimeSeparator(),
                           std::move(extra), std::move(plots)});
    }
  } catch (const report::ReportWriteError& e) {
    return finish(kExitReportNotWritten, ReportNotWritten(o.reportFile, e.Error()));
  } catch (const std::exception& e) {
    return finish(kExitReportNotWritten, e.what());
  }
  return finish(kExitDesigned, {});
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  const int status = Run(args, in, out, err);
  // Output that never arrived is a failure, whatever the run's own status.
  if (out.flush()) return status;
  err << texts::kOutputNotWritten << '\n';
  return kExitStreamFailed;
}

}  // namespace tavro::cli
