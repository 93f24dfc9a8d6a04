// The helper process and tavro-cli's simulation options, as a caller sees
// them: a crash or a hang becomes a message, the user's .spiceinit changes
// nothing, the exported netlist runs in ngspice -b.
#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_run.h"
#include "cli/command_line.h"
#include "common/csv.h"
#include "common/files.h"
#include "common/pdf_text.h"
#include "simulation/child_process.h"
#include "simulation/protocol.h"
#include "simulation/spice_values.h"
#include "simulation_fixture.h"

namespace tavro::simulation {
namespace {

namespace fs = std::filesystem;

SimulationRequest WorkedExampleRequest() {
  SimulationRequest r;
  r.Inputs = {12, 1, 1, 1, 1.2L, 0.7L};
  r.Surge = false;
  return r;
}

// A stand-in helper program, removed with the scope.
class Script {
 public:
  Script(const std::string& name, const std::string& body)
      : path_(fs::temp_directory_path() / ("tavro_" + name + "_" + std::to_string(::getpid()))) {
    std::ofstream(path_) << "#!/bin/sh\n" << body << '\n';
    fs::permissions(path_, fs::perms::owner_all);
  }
  ~Script() { fs::remove(path_); }
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;
  std::string Path() const { return path_.string(); }

 private:
  fs::path path_;
};

TEST(Helper, AnswersAndSurvivesABadRequest) {
  HelperProcess helper(TAVRO_SIMULATE_HELPER);
  SimulationRequest bad = WorkedExampleRequest();
  bad.DiodeModel = ".model x D(IS=1.0.4abc)";
  const SimulationReport refused = DecodeReport(helper.Exchange(EncodeRequest(bad), 60));
  EXPECT_FALSE(refused.Ok);
  EXPECT_EQ(refused.ErrorKind, "rejected");
  const SimulationReport report =
      DecodeReport(helper.Exchange(EncodeRequest(WorkedExampleRequest()), 60));
  ASSERT_TRUE(report.Ok) << report.Error;
  EXPECT_TRUE(report.Method->Passed);
  EXPECT_EQ(report.DiodeName, "1N4007");
  // The lowest output voltages come through: the method's 11.871 V from its
  // pulses, the 1N4007 circuit's lower (11.82 V measured).
  const design::Design d = test::WorkedExample();
  EXPECT_DOUBLE_EQ(report.Circuit->MethodLowestVoltage, FiguresOf(d).LowestVoltage);
  EXPECT_NEAR(report.Circuit->LowestVoltage, 11.82, 0.01);
}

TEST(Helper, ACrashOrAHangBecomesAMessage) {
  const Script crash("crash", "kill -SEGV $$");
  HelperProcess crashing(crash.Path());
  try {
    crashing.Exchange("{}", 10);
    FAIL();
  } catch (const HelperFailure& e) {
    EXPECT_NE(std::string(e.what()).find("crashed (signal 11"), std::string::npos) << e.what();
  }
  const Script hang("hang", "exec sleep 30");
  HelperProcess hanging(hang.Path());
  try {
    hanging.Exchange("{}", 0.5);
    FAIL();
  } catch (const HelperFailure& e) {
    EXPECT_NE(std::string(e.what()).find("did not answer"), std::string::npos) << e.what();
  }
}

// A helper stopped in the middle of its work (SIGSTOP) is silent: it counts
// as stuck once it has not reported progress for the silence limit, however
// long its simulation may take.
TEST(Helper, AStoppedHelperIsFoundStalled) {
  SimulationRequest request = WorkedExampleRequest();
  request.Surge = true;
  request.Progress = true;
  const Script stopping(
      "stopped", std::string("( sleep 0.3; kill -STOP $$ ) & exec ") + TAVRO_SIMULATE_HELPER);
  HelperProcess stopped(stopping.Path());
  try {
    stopped.Exchange(EncodeRequest(request));
    FAIL() << "a stopped helper answered";
  } catch (const HelperFailure& e) {
    EXPECT_NE(std::string(e.what()).find("did not answer or report progress within 9 s"),
              std::string::npos)
        << e.what();
  }
}

// Answers that lack what a report holds are protocol failures, never a
// report with figures nobody set.
TEST(Protocol, AnAnswerWithoutItsFieldsIsAProtocolError) {
  SimulationRequest request = WorkedExampleRequest();
  request.Surge = true;
  HelperProcess helper(TAVRO_SIMULATE_HELPER);
  const std::string answer = helper.Exchange(EncodeRequest(request));
  ASSERT_TRUE(DecodeAnswer(answer, request).Ok) << answer;
  const auto without = [&](const std::string& part) {
    std::string text = answer;
    const std::size_t at = text.find(part);
    EXPECT_NE(at, std::string::npos) << part;
    return at == std::string::npos ? text : text.erase(at, part.size());
  };
  const auto replaced = [&](const std::string& part, const std::string& by) {
    std::string text = answer;
    const std::size_t at = text.find(part);
    EXPECT_NE(at, std::string::npos) << part;
    return at == std::string::npos ? text : text.replace(at, part.size(), by);
  };
  const std::string broken[] = {
      "{\"ok\":true}",
      "{\"ok\":false}",
      "{\"ok\":false,\"error\":{\"kind\":\"\",\"message\":\"x\"}}",
      "{\"ok\":\"yes\",\"circuit\":{}}",
      "[1,2]",
      without("\"circuit\":"),
      replaced("\"quantity\":\"I2\"", "\"quantity\":\"I3\""),
      replaced("\"settled\":true", "\"settled\":1"),
      replaced("\"periods\":", "\"period\":"),
      replaced("\"worst_peak\":", "\"worst\":"),
      replaced("\"peak_reverse_voltage\":", "\"peak_reverse\":"),
  };
  for (const std::string& line : broken) {
    const SimulationReport r = DecodeAnswer(line, request);
    EXPECT_FALSE(r.Ok) << line;
    EXPECT_EQ(r.ErrorKind, "protocol") << line;
  }
  // A report that is whole, but without the surge the request asked for.
  const std::string noSurge = helper.Exchange(EncodeRequest(WorkedExampleRequest()));
  ASSERT_TRUE(DecodeReport(noSurge).Ok);
  EXPECT_EQ(DecodeAnswer(noSurge, request).ErrorKind, "protocol");
}

TEST(Protocol, ARequestWithAFieldOfTheWrongKindIsRefused) {
  const std::string good = EncodeRequest(WorkedExampleRequest());
  EXPECT_NO_THROW(DecodeRequest(good));
  const std::pair<const char*, const char*> changes[] = {
      {"\"mains\":{", "\"mains\":5,\"x\":{"},
      {"\"voltage\":", "\"volts\":"},
      {"\"diode\":\"1N4007\"", "\"diode\":7"},
      {"\"load\":\"resistive\"", "\"load\":null"},
      {"\"surge\":false", "\"surge\":\"no\""},
      {"\"progress\":false", "\"progress\":0"},
      {"\"stall_seconds\":5.0", "\"stall_seconds\":-1"},
  };
  for (const auto& [from, to] : changes) {
    std::string line = good;
    const std::size_t at = line.find(from);
    ASSERT_NE(at, std::string::npos) << from << " in " << good;
    line.replace(at, std::string_view(from).size(), to);
    EXPECT_THROW(DecodeRequest(line), RejectedValue) << line;
  }
}

// A transformer one has travels in place of the six inputs, each figure
// exact to the last bit of the extended value; a request without one is
// the design's line as ever; a malformed analysis is refused.
TEST(Protocol, AnAnalysisTravelsExactlyAndAMalformedOneIsRefused) {
  EXPECT_EQ(EncodeRequest(WorkedExampleRequest()),
            R"({"inputs":{"U0":"12","I0":"1","Kp":"1","Bm":"1.2","Ud":"0.7","Limbs":1},)"
            R"("mains":{"voltage":"220","frequency":"50","tolerance":"0.1"},"diode":"1N4007",)"
            R"("diode_model":"","esr":0.0,"load":"resistive","method_check":true,)"
            R"("circuit":true,"surge":false,"waveforms":false,"progress":false,)"
            R"("stall_seconds":5.0})");
  SimulationRequest request;
  request.Analysis =
      design::AnalysisInputs{12.0L / 0.9L, 1.0L / 3.0L, 0.1L / 7.0L, 0.7L, 4700, 2.0L / 3.0L, {}};
  request.Mains = {230, 60};
  const std::string line = EncodeRequest(request);
  EXPECT_EQ(line.find("\"inputs\""), std::string::npos) << line;
  const SimulationRequest back = DecodeRequest(line);
  ASSERT_TRUE(back.Analysis.has_value());
  const design::AnalysisInputs& a = *request.Analysis;
  const design::AnalysisInputs& b = *back.Analysis;
  EXPECT_TRUE(a.U2 == b.U2 && a.Rtr == b.Rtr && a.Ls == b.Ls && a.Ud == b.Ud && a.Cf == b.Cf &&
              a.I0 == b.I0)
      << line;
  EXPECT_TRUE(b.Supply.Voltage == 230 && b.Supply.Frequency == 60) << line;

  const std::pair<const char*, const char*> changes[] = {
      {"\"analysis\":{", "\"analysis\":5,\"x\":{"},
      {"\"Ls\":", "\"L\":"},
      {"\"Cf\":\"4700\"", "\"Cf\":4700"},
      {"\"Cf\":\"4700\"", "\"Cf\":\"1e99999\""},
      {"\"I0\":\"", "\"I0\":\"x"},
      {"\"mains\":",
       "\"inputs\":{\"U0\":\"12\",\"I0\":\"1\",\"Kp\":\"1\",\"Bm\":\"1.2\","
       "\"Ud\":\"0.7\",\"Limbs\":1},\"mains\":"},
  };
  for (const auto& [from, to] : changes) {
    std::string changed = line;
    const std::size_t at = changed.find(from);
    ASSERT_NE(at, std::string::npos) << from << " in " << line;
    changed.replace(at, std::string_view(from).size(), to);
    EXPECT_THROW(DecodeRequest(changed), RejectedValue) << changed;
  }
}

TEST(Helper, UsersSpiceinitChangesNothing) {
  const std::string request = EncodeRequest(WorkedExampleRequest());
  std::string plain;
  {
    HelperProcess helper(TAVRO_SIMULATE_HELPER);
    plain = helper.Exchange(request, 60);
  }
  const fs::path home = fs::temp_directory_path() / ("tavro_home_" + std::to_string(::getpid()));
  fs::create_directories(home);
  std::ofstream(home / ".spiceinit") << "option reltol=0.2 abstol=1e-2\nset ngbehavior=ltps\n";
  test::ScopedEnv env("HOME", home.c_str());
  HelperProcess helper(TAVRO_SIMULATE_HELPER);
  const std::string withInit = helper.Exchange(request, 60);
  fs::remove_all(home);
  const auto withoutMemory = [](std::string s) { return s.substr(0, s.find("\"memory_kb\"")); };
  EXPECT_EQ(withoutMemory(withInit), withoutMemory(plain));
}

using cli::Cli;
using cli::CliRun;
const std::vector<std::string>& kWorkedExample = cli::kWorkedExampleArgs;

TEST(Cli, SimulateAddsTheChecksToTheJsonAndTheNetlistRunsInNgspice) {
  test::ScopedEnv helper("TAVRO_SIMULATE", TAVRO_SIMULATE_HELPER);
  const std::string file = (fs::temp_directory_path() / "tavro_worked_example.cir").string();
  std::vector<std::string> args = kWorkedExample;
  for (const char* a : {"--json", "--simulate", "--spice"}) args.push_back(a);
  args.push_back(file);
  const CliRun r = Cli(args);
  ASSERT_EQ(r.status, cli::kExitDesigned) << r.err;
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError()) << r.out;
  ASSERT_TRUE(doc.HasMember("results"));
  const auto& s = doc["simulation"];
  for (const char* key : {"method_check", "circuit", "surge", "periods", "settled"}) {
    EXPECT_TRUE(s.HasMember(key)) << key;
  }
  EXPECT_TRUE(s["method_check"]["passed"].GetBool());
  const double vmean = s["circuit"]["rows"][0]["simulated"].GetDouble();
  // The surge at nominal mains keeps its keys; at high mains (+10 %) beside it.
  for (const char* key : {"worst_phase_degrees", "worst_peak", "points"}) {
    EXPECT_TRUE(s["surge"].HasMember(key)) << key;
  }
  const auto& high = s["surge_high_mains"];
  EXPECT_NEAR(high["mains_voltage"].GetDouble(), 242.0, 1e-9);
  EXPECT_GT(high["worst_peak"].GetDouble(), s["surge"]["worst_peak"].GetDouble() * 1.05);
  EXPECT_NEAR(high["method_worst_peak"].GetDouble(), 15.77, 0.01);  // as the ratings give it
  EXPECT_NE(test::ReadFile(file).find("high mains 242 V (+10 %)"), std::string::npos);

  // ngspice -b on the netlist, unchanged, gives the same mean voltage.
  const std::string log = file + ".log";
  ASSERT_EQ(std::system(("ngspice -b " + file + " > " + log + " 2>&1").c_str()), 0);
  std::istringstream lines(test::ReadFile(log));
  double measured = 0.0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("vmean", 0) == 0) measured = std::atof(line.substr(line.find('=') + 1).c_str());
  }
  EXPECT_NEAR(measured, vmean, 1e-4 * vmean);
  std::remove(file.c_str());
  std::remove(log.c_str());
}

TEST(Cli, PdfWithSimulateCarriesTheCheckAndBothSurges) {
  test::ScopedEnv helper("TAVRO_SIMULATE", TAVRO_SIMULATE_HELPER);
  const std::string file = (fs::temp_directory_path() / "tavro_simulated.pdf").string();
  std::vector<std::string> args = kWorkedExample;
  for (const char* a : {"--simulate", "--mains-voltage", "230", "--pdf"}) args.push_back(a);
  args.push_back(file);
  const CliRun r = Cli(args);
  ASSERT_EQ(r.status, cli::kExitDesigned) << r.err;
  const std::string text = test::PdfText(file);
  for (const char* part : {"Проверка моделированием", "Реальная схема: 1N4007", "сеть 230 В",
                           "сеть 253 В (+10 %)", "Модель вентиля 1N4007"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part;
  }
  // And in English.
  args.insert(args.begin(), {"--lang", "en"});
  ASSERT_EQ(Cli(args).status, cli::kExitDesigned);
  const std::string english = test::PdfText(file);
  for (const char* part : {"Simulation check", "Real circuit: 1N4007, Resistor U0/I0",
                           "mains 253 V (+10 %)", "Diode model 1N4007"}) {
    EXPECT_NE(english.find(part), std::string::npos) << part << "\n" << english;
  }
  std::remove(file.c_str());
}

TEST(Cli, RejectedModelNeverReachesTheSimulator) {
  const Script never("never", "exit 9");
  test::ScopedEnv helper("TAVRO_SIMULATE", never.Path().c_str());
  std::vector<std::string> args = kWorkedExample;
  for (const char* a : {"--simulate", "--diode-model", ".model x D(IS=1n)\n.control"})
    args.push_back(a);
  const CliRun r = Cli(args);
  EXPECT_EQ(r.status, cli::kExitSimulationFailed);
  EXPECT_NE(r.err.find("one .model line"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("9"), std::string::npos) << r.err;  // the stand-in never ran
}

TEST(Cli, BatchSimulateAppendsTheCircuitsFigures) {
  test::ScopedEnv helper("TAVRO_SIMULATE", TAVRO_SIMULATE_HELPER);
  const CliRun r = Cli({"--batch", "--simulate", "--jobs", "2"},
                       "12,1,1,1,1.2,0.7\n24,2,1,2,1.2,0.7\n1,1,1,1,1,1e9\n");
  // Every simulation ran; only the last line's design holds a message.
  EXPECT_EQ(r.status, cli::kExitInputRejected) << r.err;
  std::istringstream lines(r.out);
  std::string header, first;
  std::getline(lines, header);
  std::getline(lines, first);
  EXPECT_NE(header.find(",Vmean_sim,"), std::string::npos);
  EXPECT_NE(header.rfind(",simulation_message,surge_peak_sim,surge_phase_sim,"
                         "surge_peak_high_sim,surge_phase_high_sim"),
            std::string::npos);
  EXPECT_EQ(std::count(header.begin(), header.end(), ','),
            std::count(first.begin(), first.end(), ','));
  EXPECT_NE(first.find(",11.96"), std::string::npos) << first;
  std::vector<double> last;
  std::stringstream fields(first);
  for (std::string f; std::getline(fields, f, ',');) last.push_back(std::atof(f.c_str()));
  const double nominal = last[last.size() - 4], high = last[last.size() - 2];
  EXPECT_NEAR(nominal, 13.0, 0.5);
  EXPECT_GT(high, 1.05 * nominal);
}

// With --ratings the batch rates each row's parts on the larger of the
// method's and the simulated currents, as a single design's output does, and
// names in a last column the currents the simulation ruled.
TEST(Cli, BatchSimulateRatesThePartsOnTheLargerCurrents) {
  test::ScopedEnv helper("TAVRO_SIMULATE", TAVRO_SIMULATE_HELPER);
  const std::string input = "12,1,1,1,1.2,0.7\n1,1,1,1,1,1e9\n";
  const CliRun method = Cli({"--batch", "--ratings"}, input);
  const CliRun simulated = Cli({"--batch", "--ratings", "--simulate"}, input);
  ASSERT_EQ(simulated.status, cli::kExitInputRejected) << simulated.err;
  const auto rows = [](const std::string& out) {
    std::vector<std::vector<std::string>> all;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) all.push_back(test::CsvFields(line));
    return all;
  };
  const auto m = rows(method.out), s = rows(simulated.out);
  ASSERT_EQ(m.size(), 3u);
  ASSERT_EQ(s.size(), 3u);
  // The method's columns keep their places; one column more at the end.
  ASSERT_EQ(s[0].size(), m[0].size() + 17);
  EXPECT_TRUE(std::equal(m[0].begin(), m[0].end(), s[0].begin()));
  EXPECT_EQ(s[0].back(), "ratings_from_sim");
  for (const auto& row : s) EXPECT_EQ(row.size(), s[0].size());
  const auto at = [&](const std::vector<std::string>& row, const char* name) {
    return row[static_cast<std::size_t>(std::find(s[0].begin(), s[0].end(), name) - s[0].begin())];
  };
  // 1N4007 in the worked example: every current above the method's.
  EXPECT_NEAR(std::stod(at(s[1], "Icap_rms")), std::stod(at(s[1], "Icrms_sim")), 1e-9);
  EXPECT_LT(std::stod(at(m[1], "Icap_rms")), std::stod(at(s[1], "Icap_rms")));
  EXPECT_EQ(at(s[1], "ratings_from_sim"), "Icap_rms;Idrms;Idpk");
  EXPECT_EQ(at(s[2], "ratings_from_sim"), "");
}

// Results no circuit can have fail the simulation; a diode driven beyond
// its rating is flagged beside results that stand.
TEST(Cli, ImpossibleResultsFailAndABrokenDownDiodeIsFlagged) {
  test::ScopedEnv helper("TAVRO_SIMULATE", TAVRO_SIMULATE_HELPER);
  const struct {
    std::vector<std::string> args;
    int status;
    const char* err;                    // in the error output
    std::vector<std::string> warnings;  // kinds in the JSON
    const char* limit;                  // the reverse voltage's limit passed
  } cases[] = {
      {{"--voltage", "12", "--diode-model", ".model D1 D(RS=1e300)"},
       cli::kExitSimulationFailed,
       "impossible result",
       {},
       ""},
      {{"--voltage", "100000"}, cli::kExitDesigned, "", {"reverse_voltage"}, "BV"},
      // 631 V across an MUR460: below its model's 800 V breakdown, above
      // its 600 V rating.
      {{"--voltage", "620", "--diode", "MUR460"},
       cli::kExitDesigned,
       "",
       {"reverse_voltage"},
       "VRRM"},
      {{"--voltage", "12"}, cli::kExitDesigned, "", {}, ""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {
        "--lang", "en",  "--current",    "1",   "--ripple",   "1",     "--limbs", "1",
        "--flux", "1.2", "--diode-drop", "0.7", "--simulate", "--json"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, c.status) << c.args[1] << "\n" << r.err;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    if (c.status != cli::kExitDesigned) continue;
    rapidjson::Document doc;
    doc.Parse(r.out.c_str());
    ASSERT_TRUE(doc.IsObject() && doc.HasMember("simulation")) << r.out;
    std::vector<std::string> kinds;
    std::string limit;
    for (const auto& w : doc["simulation"]["warnings"].GetArray()) {
      kinds.push_back(w["kind"].GetString());
      if (w.HasMember("limit")) limit = w["limit"].GetString();
    }
    EXPECT_EQ(kinds, c.warnings) << c.args[1];
    EXPECT_EQ(limit, c.limit) << c.args[1];
    EXPECT_TRUE(doc["simulation"]["method_check"]["passed"].GetBool()) << c.args[1];
    // The text output says it too.
    args.erase(std::find(args.begin(), args.end(), "--json"));
    const std::string text = Cli(args).out;
    EXPECT_EQ(text.find("Warning: the reverse voltage across diode ") != std::string::npos,
              !c.warnings.empty())
        << text;
    if (*c.limit != '\0') {
      EXPECT_NE(text.find(std::string(c.limit) + " = "), std::string::npos) << text;
    }
  }
}

// Under --lang ru the simulation's own reasons are Russian, said once.
TEST(Cli, FailuresInRussian) {
  const std::vector<std::string> design = {
      "--lang",  "ru", "--voltage", "12",  "--current",    "1",   "--ripple",  "1",
      "--limbs", "1",  "--flux",    "1.2", "--diode-drop", "0.7", "--simulate"};
  const struct {
    const char* helper;
    std::vector<std::string> args;
    const char* err;
  } cases[] = {
      {TAVRO_SIMULATE_HELPER,
       {"--diode-model", ".model D1 D(RS=1e300)"},
       "моделирование: невозможный результат (β = "},
      {"/bin/false", {}, "программа моделирования завершилась с кодом 1, не дав ответа\n"},
  };
  for (const auto& c : cases) {
    test::ScopedEnv helper("TAVRO_SIMULATE", c.helper);
    std::vector<std::string> args = design;
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, cli::kExitSimulationFailed);
    EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
  }
}

// The same designs give the same rows however many run side by side: no
// run is judged by how long it takes on a loaded machine.
TEST(Cli, BatchSimulationRowsDoNotDependOnTheJobs) {
  test::ScopedEnv helper("TAVRO_SIMULATE", TAVRO_SIMULATE_HELPER);
  const std::string designs =
      "12,1,1,1,1.2,0.7\n24,2,1,2,1.2,0.7\n5,0.1,1,1,1.2,0.7\n48,10,2,2,1.5,1\n"
      "300,0.5,1,1,1.2,0.7\n100000,1,1,1,1.2,0.7\n";
  const CliRun one = Cli({"--batch", "--simulate", "--jobs", "1"}, designs);
  const CliRun six = Cli({"--batch", "--simulate", "--jobs", "6"}, designs);
  EXPECT_EQ(one.out, six.out);
  EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 7) << one.out;
  EXPECT_EQ(one.out.find("stalled"), std::string::npos) << one.out;
}

}  // namespace
}  // namespace tavro::simulation
