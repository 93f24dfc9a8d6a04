// tavro-cli's analysis of a transformer one has: the nameplate turned into
// the EMF and resistance by hand, the analysis' figures and mains corners
// those of the engine for that transformer, and every refusal its status.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <charconv>
#include <cmath>
#include <filesystem>

#include "cli/cli_run.h"
#include "common/files.h"
#include "design/analysis.h"
#include "design/design_file.h"
#include "design/ripple_shape.h"

namespace tavro::cli {
namespace {

const std::vector<std::string> kTransformer = {"--transformer-voltage",
                                               "12",
                                               "--transformer-current",
                                               "1.6",
                                               "--transformer-regulation",
                                               "10",
                                               "--transformer-leakage",
                                               "0.002",
                                               "--capacitance",
                                               "10000",
                                               "--load-current",
                                               "1",
                                               "--diode-drop",
                                               "0.7",
                                               "--decimal-separator",
                                               "."};

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

void ExpectNear(const rapidjson::Value& got, long double want, const char* what) {
  const double w = static_cast<double>(want);
  EXPECT_NEAR(got.GetDouble(), w, 1e-14 * std::fabs(w)) << what;
}

// 12 V at 1.6 A with a 10 % rise: U2 = 13.2 V, Rtr = 1.2 V / 1.6 A; at 230 V
// mains ±15 % the low corner is the same transformer with 0.85·U2.
TEST(AnalysisCli, NameplateGivesTheTransformerAndTheEngineItsRectifier) {
  const CliRun r =
      Cli(With(kTransformer, {"--json", "--mains-voltage", "230", "--mains-tolerance", "15"}));
  ASSERT_EQ(r.status, kExitDesigned) << r.err;
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError()) << r.out;
  const rapidjson::Value& a = doc["analysis"];
  ExpectNear(a["transformer"]["U2"], 13.2L, "U2");
  ExpectNear(a["transformer"]["Rtr"], 0.75L, "Rtr");
  EXPECT_STREQ(a["transformer"]["resistance_from"].GetString(), "regulation");
  EXPECT_STREQ(a["transformer"]["leakage_from"].GetString(), "given");
  const design::Mains mains{230, 50};
  const design::Analysis nominal =
      std::get<design::Analysis>(design::Analyse({13.2L, 0.75L, 0.002L, 0.7L, 10000, 1, mains}));
  const design::Analysis low = std::get<design::Analysis>(
      design::Analyse({13.2L * 0.85L, 0.75L, 0.002L, 0.7L, 10000, 1, {230 * 0.85L, 50}}));
  ExpectNear(a["results"]["U0"], nominal.U0, "U0");
  ExpectNear(a["results"]["Kp"], nominal.Kp, "Kp");
  ExpectNear(a["results"]["I2"], nominal.I2, "I2");
  ExpectNear(a["loading"]["CurrentOfRating"], nominal.I2 / 1.6L * 100, "I2 of its rating");
  ExpectNear(a["loading"]["PowerOfRating"], 13.2L * nominal.I2 / 19.2L * 100, "V·A of the rating");
  // The corners and parts as for a design: the low corner by the design's own
  // route (its load equations at the scaled EMF) meets the analysis there.
  const rapidjson::Value& corners = a["corners"];
  ExpectNear(corners["low_mains_rated_load"]["mean_voltage"], low.U0, "U0 at low mains");
  ExpectNear(corners["no_load_voltage_high_mains"], std::sqrt(2.0L) * 13.2L * 1.15L,
             "no load at high mains");
  EXPECT_TRUE(a.HasMember("ratings"));
  ASSERT_EQ(a["load_table"].Size(), 25u);
  ExpectNear(a["load_table"][20]["Voltage"], nominal.U0, "row 20");

  // The text shows the same rectified voltage, and says where Rtr came from.
  const CliRun text = Cli(With(kTransformer, {"--lang", "en"}));
  EXPECT_EQ(text.status, kExitDesigned);
  EXPECT_NE(text.out.find("from the given voltage rise"), std::string::npos) << text.out;
  EXPECT_EQ(text.out.find("Part selection"), std::string::npos);
  EXPECT_NE(Cli(With(kTransformer, {"--lang", "en", "--ratings"})).out.find("Part selection"),
            std::string::npos);
  const std::size_t u0 = text.out.find("Rectified voltage U0");
  ASSERT_NE(u0, std::string::npos) << text.out;
  EXPECT_NE(text.out.substr(u0, text.out.find('\n', u0) - u0).find("13.0"), std::string::npos)
      << text.out;
}

TEST(AnalysisCli, RefusalsAndTheirStatuses) {
  const struct {
    std::vector<std::string> Args;
    int Status;
    const char* Message;
  } cases[] = {
      {{"--transformer-voltage", "12", "--capacitance", "1000", "--load-current", "1",
        "--diode-drop", "1"},
       kExitUsage,
       "needs"},
      {With(kTransformer, {"--voltage", "12"}), kExitUsage, "--voltage cannot"},
      {With(kTransformer, {"--pdf", "analysis.pdf"}), kExitUsage, "--pdf cannot"},
      {With(kTransformer, {"--wind"}), kExitUsage, "--wind cannot"},
      {{"--transformer-voltage", "12", "--transformer-current", "1", "--capacitance", "1000",
        "--load-current", "1", "--diode-drop", "1", "--transformer-short-circuit", "20"},
       kExitUsage,
       "two values"},
      {{"--transformer-voltage", "12", "--transformer-current", "1", "--capacitance", "1000",
        "--load-current", "1", "--diode-drop", "1", "--transformer-short-circuit", "20", ""},
       kExitInputRejected,
       "--transformer-short-circuit is not a number"},
      {With(kTransformer, {"--transformer-voltage", "12,5"}), kExitInputRejected, "not a number"},
      {With(kTransformer, {"--capacitance", "0"}), kExitInputRejected, "above 0"},
      {With(kTransformer, {"--transformer-regulation", "0"}), kExitInputRejected, "regulation"},
      {With(kTransformer, {"--transformer-leakage", "-1"}), kExitInputRejected, "leakage"},
      {{"--transformer-no-load", "12", "--transformer-va", "10", "--transformer-r1", "1",
        "--capacitance", "1000", "--load-current", "1", "--diode-drop", "1"},
       kExitInputRejected,
       "--transformer-r1 and --transformer-r2"},
      {With(kTransformer, {"--load-current", "1000"}), kExitCalculationFailed, ""},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.Args);
    EXPECT_EQ(r.status, c.Status) << c.Message << ": " << r.err;
    EXPECT_NE(r.err.find(c.Message), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
  // With --json a refusal of a figure is an error object.
  const CliRun json = Cli(With(kTransformer, {"--json", "--capacitance", "0"}));
  EXPECT_EQ(json.status, kExitInputRejected);
  EXPECT_EQ(json.out.rfind("{\"error\":", 0), 0u) << json.out;
}

// Figures at the edges of what reads as a number: each ends in a result, a
// refusal or a failed calculation on every output, never in an abort. A
// capacitance of 1e-3995 µF once overflowed in the switch-on search, which
// gave up as it should, but its fault then failed the capacitor's rating and
// the program ended without output.
TEST(AnalysisCli, ExtremeFiguresEndInAResultOrARefusal) {
  const std::vector<std::string> extremes[] = {
      {"--transformer-voltage", "121000", "--transformer-leakage", "0.2", "--capacitance",
       "1e-3995", "--diode-drop", "2e-90", "--flux", "40"},
      {"--capacitance", "1e4000"},
      {"--transformer-voltage", "1e4000", "--load-current", "1e-4000"},
      {"--transformer-leakage", "1e-4000", "--transformer-regulation", "1e-4000"},
      {"--transformer-regulation", "1e4000", "--diode-drop", "11"},
  };
  for (const auto& extreme : extremes) {
    for (const std::vector<std::string>& output :
         {std::vector<std::string>{"--json"}, {"--ratings"}}) {
      const CliRun r = Cli(With(With(kTransformer, extreme), output));
      SCOPED_TRACE(extreme[1] + " " + output[0]);
      EXPECT_TRUE(r.status == kExitDesigned || r.status == kExitInputRejected ||
                  r.status == kExitCalculationFailed)
          << r.status << r.err;
      EXPECT_FALSE(r.out.empty() && r.err.empty());
      // (Numbers beyond a double's range do not parse here: the fuzzer
      // checks the JSON's form.)
      if (output[0] == "--json") {
        EXPECT_EQ(r.out.rfind('{', 0), 0u) << r.out;
      }
    }
  }
  // The first keeps its figures, with the switch-on peak not computed.
  const CliRun tiny = Cli(With(With(kTransformer, extremes[0]), {"--json"}));
  ASSERT_EQ(tiny.status, kExitDesigned) << tiny.err;
  EXPECT_NE(tiny.out.find("\"switch_on_error\""), std::string::npos) << tiny.out;
}

// A design file saved while the window checked a transformer is that check
// for tavro-cli --design, whatever the file's design inputs; the options of
// a design are refused with it, and a file that only keeps the check opens
// as the design it holds.
TEST(AnalysisCli, ADesignFileInAnalysisModeIsTheCheck) {
  const auto path = std::filesystem::temp_directory_path() / "tavro_analysis_cli.tavro";
  design::DesignFile file{{"24", "2", "1", "1", "1.2", "1"}, '.', {}};
  file.Analysis = design::AnalysisTexts{.Active = true,
                                        .Voltage = "12",
                                        .Current = "1.6",
                                        .Regulation = "10",
                                        .Leakage = "0.002",
                                        .Capacitance = "10000",
                                        .LoadCurrent = "1",
                                        .DiodeDrop = "0.7"};
  ASSERT_FALSE(design::WriteDesignFile(path.string(), file));
  const CliRun options = Cli(With(kTransformer, {"--json"}));
  const CliRun fromFile = Cli({"--design", path.string(), "--json", "--decimal-separator", "."});
  EXPECT_EQ(fromFile.status, kExitDesigned) << fromFile.err;
  EXPECT_EQ(fromFile.out, options.out);
  const CliRun report = Cli({"--design", path.string(), "--report", "x.txt"});
  EXPECT_EQ(report.status, kExitUsage);
  EXPECT_NE(report.err.find("--report cannot"), std::string::npos) << report.err;
  file.Analysis->Active = false;
  ASSERT_FALSE(design::WriteDesignFile(path.string(), file));
  const CliRun design = Cli({"--design", path.string(), "--json", "--decimal-separator", "."});
  EXPECT_EQ(design.status, kExitDesigned) << design.err;
  EXPECT_EQ(design.out.find("\"analysis\""), std::string::npos);
  std::filesystem::remove(path);
}

// The worked example's own transformer and capacitor fed back in with
// --simulate: the simulated circuit meets the analysis within the method
// check's tolerance, the circuit check's ripple is the design's own (its
// pulses at the design's operating point), and --spice writes the analysed
// circuit.
TEST(AnalysisCli, SimulateChecksTheAnalysedCircuitAsADesignIsChecked) {
  const test::ScopedEnv helper("TAVRO_SIMULATE", TAVRO_SIMULATE_HELPER);
  const CliRun designed = Cli(With(kWorkedExampleArgs, {"--json"}));
  rapidjson::Document d;
  d.Parse(designed.out.c_str());
  ASSERT_FALSE(d.HasParseError()) << designed.out;
  const auto text = [](const rapidjson::Value& v) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, v.GetDouble());
    return std::string(buffer, written.ptr);
  };
  const std::string netlist =
      (std::filesystem::temp_directory_path() / "tavro_analysis_cli.cir").string();
  const CliRun r = Cli({"--transformer-no-load",
                        text(d["results"]["U2"]),
                        "--transformer-current",
                        "1",
                        "--transformer-r1",
                        "0",
                        "--transformer-r2",
                        text(d["parameters"]["Rtr"]),
                        "--transformer-leakage",
                        text(d["parameters"]["Ls"]),
                        "--capacitance",
                        text(d["results"]["Cf"]),
                        "--load-current",
                        "1",
                        "--diode-drop",
                        "0.7",
                        "--decimal-separator",
                        ".",
                        "--json",
                        "--simulate",
                        "--spice",
                        netlist});
  ASSERT_EQ(r.status, kExitDesigned) << r.err;
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError()) << r.out;
  ASSERT_TRUE(doc.HasMember("analysis") && doc.HasMember("simulation")) << r.out;
  const rapidjson::Value& method = doc["simulation"]["method_check"];
  EXPECT_TRUE(method["passed"].GetBool());
  EXPECT_EQ(method["tolerance_percent"].GetDouble(), 0.05);
  for (const rapidjson::Value& row : method["rows"].GetArray()) {
    EXPECT_LE(std::fabs(row["difference_percent"].GetDouble()), 0.05)
        << row["quantity"].GetString();
  }
  const design::Design worked =
      std::get<design::Design>(design::Calculate({12, 1, 1, 1, 1.2L, 0.7L}));
  const long double ripple = design::CapacitorVoltage(worked)->PeakToPeak;
  const rapidjson::Value& circuit = doc["simulation"]["circuit"]["rows"];
  ASSERT_STREQ(circuit[2]["quantity"].GetString(), "RipplePP");
  EXPECT_NEAR(circuit[2]["method"].GetDouble(), static_cast<double>(ripple),
              1e-9 * static_cast<double>(ripple));
  EXPECT_NE(test::ReadFile(netlist).find("* Transformer: U2 = "), std::string::npos);
  std::filesystem::remove(netlist);
}

}  // namespace
}  // namespace tavro::cli

namespace tavro::cli {
namespace {

// The worked example's inputs with U0min at low mains in place of U0.
const std::vector<std::string> kWorstCase = [] {
  std::vector<std::string> args = kWorkedExampleArgs;
  args[0] = "--min-voltage-at-low-mains";
  return args;
}();

// The chosen transformer analysed by hand at its low corner gives U0min and
// Kp; a high-mains limit below its no-load voltage prints the design and
// exits 3; the options it cannot go with are usage errors.
TEST(WorstCaseCli, LowCornerMeetsU0minAndTheLimitIsChecked) {
  const CliRun r = Cli(With(kWorstCase, {"--json", "--mains-tolerance", "15"}));
  ASSERT_EQ(r.status, kExitDesigned) << r.err;
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError()) << r.out;
  const rapidjson::Value& w = doc["worst_case"];
  const rapidjson::Value& chosen = w["chosen"];
  const long double u2 = chosen["U2"].GetDouble();
  const design::Analysis low =
      std::get<design::Analysis>(design::Analyse({u2 * 0.85L,
                                                  chosen["Rtr"].GetDouble(),
                                                  chosen["Ls"].GetDouble(),
                                                  0.7L,
                                                  chosen["Cf"].GetDouble(),
                                                  1,
                                                  {220 * 0.85L, 50}}));
  EXPECT_NEAR(static_cast<double>(low.U0), 12.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(low.Kp), 1.0, 1e-9);
  EXPECT_STREQ(w["corners"][0]["mains"].GetString(), "low");
  EXPECT_NEAR(w["corners"][0]["U0"].GetDouble(), 12.0, 1e-9);
  ExpectNear(w["NoLoadHighMains"], std::sqrt(2.0L) * u2 * 1.15L, "no load at high mains");
  EXPECT_TRUE(w["HighLimitMet"].GetBool());

  const struct {
    std::vector<std::string> Args;
    int Status;
    const char* Message;
  } cases[] = {
      {With(kWorstCase, {"--max-voltage-no-load-at-high-mains", "20"}), kExitCalculationFailed,
       "is above"},
      {With(kWorstCase, {"--voltage", "12"}), kExitUsage, "--voltage cannot"},
      {With(kWorstCase, {"--suggest-transformers"}), kExitUsage, "--suggest-transformers cannot"},
      {With(kWorstCase, {"--transformer-voltage", "12"}), kExitUsage, "cannot be used"},
      {With(kWorstCase, {"--max-voltage-no-load-at-high-mains", "x"}), kExitInputRejected,
       "must be a voltage"},
      {With(kWorstCase, {"--ripple", "20"}), kExitInputRejected, ""},
      {With(kWorstCase, {"--min-voltage-at-low-mains", "0.001"}), kExitCalculationFailed, ""},
  };
  for (const auto& c : cases) {
    const CliRun run = Cli(c.Args);
    EXPECT_EQ(run.status, c.Status) << c.Message << ": " << run.err;
    EXPECT_NE(run.err.find(c.Message), std::string::npos) << run.err;
  }
  // Above the limit the design is shown all the same, the limit marked.
  const CliRun over =
      Cli(With(kWorstCase, {"--lang", "en", "--max-voltage-no-load-at-high-mains", "20"}));
  EXPECT_NE(over.out.find("(exceeded)"), std::string::npos) << over.out;
}

}  // namespace
}  // namespace tavro::cli
