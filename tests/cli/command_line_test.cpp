#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <rapidjson/document.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "common/files.h"
#include "design/design_file.h"
#include "design/texts.h"
#include "tavro/version.h"

namespace tavro::cli {
namespace {

const std::vector<std::string> kWorkedExample = {"--voltage",
                                                 "12",
                                                 "--current",
                                                 "1",
                                                 "--ripple",
                                                 "1",
                                                 "--limbs",
                                                 "1",
                                                 "--flux",
                                                 "1,2",
                                                 "--diode-drop",
                                                 "0,7",
                                                 "--decimal-separator",
                                                 ","};

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(Cli, PrintsTheWindowsResultsAndTheLoadCharacteristic) {
  const CliRun r = Cli(kWorkedExample);
  EXPECT_EQ(r.status, kExitDesigned);
  EXPECT_TRUE(r.err.empty());
  EXPECT_NE(r.out.find("Действующее напряжение вторичной обмотки, В"), std::string::npos);
  EXPECT_NE(r.out.find("1,25570E+01"), std::string::npos);  // U2
  EXPECT_NE(r.out.find("1,98443E+04"), std::string::npos);  // Cf
  EXPECT_NE(r.out.find("120%  1,20000E+00"), std::string::npos);
  EXPECT_NE(r.out.find("  0%  0,00000E+00"), std::string::npos);
}

TEST(Cli, JsonCarriesEveryNumberWith21Digits) {
  const CliRun r = Cli(With(kWorkedExample, {"--json"}));
  ASSERT_EQ(r.status, kExitDesigned);
  rapidjson::Document doc;
  doc.Parse<rapidjson::kParseFullPrecisionFlag>(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError()) << r.out;

  EXPECT_EQ(doc["inputs"]["Limbs"].GetInt(), 1);
  EXPECT_NEAR(doc["parameters"]["Phi"].GetDouble(), 0.106, 0.0005);
  EXPECT_NEAR(doc["parameters"]["A"].GetDouble(), 0.0825, 0.00005);
  EXPECT_NEAR(doc["angles"]["Psi"].GetDouble(), 0.829, 0.0005);
  EXPECT_NEAR(doc["angles"]["Beta"].GetDouble(), 2.50, 0.005);
  EXPECT_NEAR(doc["results"]["U2"].GetDouble(), 12.6, 0.05);
  EXPECT_NEAR(doc["results"]["Cf"].GetDouble(), 19800, 50);
  for (const char* group : {"parameters", "coefficients", "results"}) {
    EXPECT_TRUE(doc[group].IsObject()) << group;
  }
  const auto& table = doc["load_table"];
  ASSERT_EQ(table.Size(), 25u);
  EXPECT_NEAR(table[24]["Voltage"].GetDouble(), 11.3, 0.05);
  EXPECT_EQ(table[20]["Current"].GetDouble(), 1.0);
  EXPECT_EQ(std::string(doc["fields"]["Edit7"].GetString()), "1,25570E+01");
  EXPECT_EQ(std::string(doc["fields"]["Label37"].GetString()), "100%");
  EXPECT_EQ(std::string(doc["fields"]["Edit1"].GetString()), "12");
  // 21 significant digits of the extended value, not a double's 17.
  EXPECT_NE(r.out.find("\"Rsum\": 1.98007748018818771261"), std::string::npos) << r.out;
}

TEST(Cli, RejectedInputsExitWith2AndTheirMessage) {
  CliRun r = Cli(With(kWorkedExample, {"--voltage=-1"}));
  EXPECT_EQ(r.status, kExitInputRejected);
  EXPECT_EQ(r.err, std::string(design::texts::kVoltageNotPositive) + "\n");
  EXPECT_TRUE(r.out.empty());

  // An option left out is an empty field.
  r = Cli({"--current", "1"});
  EXPECT_EQ(r.status, kExitInputRejected);
  EXPECT_EQ(r.err, std::string(design::texts::kFormatError) + "\n");

  r = Cli(With(kWorkedExample, {"--decimal-separator", ".", "--json"}));
  EXPECT_EQ(r.status, kExitInputRejected);
  EXPECT_EQ(r.out, "{\"error\":\"" + std::string(design::texts::kFormatError) + "\"}\n");
}

TEST(Cli, RefusedAndFailedCalculationsExitWith3) {
  CliRun r = Cli(With(kWorkedExample, {"--voltage", "0,01"}));
  EXPECT_EQ(r.status, kExitCalculationFailed);
  EXPECT_EQ(r.err, std::string(design::texts::kCoefficientAbove20) + "\n");

  // JSON: the window's message and, beside it, where and why the design failed.
  r = Cli(With(kWorkedExample, {"--voltage", "1e4000", "--current", "1e4000", "--json"}));
  EXPECT_EQ(r.status, kExitCalculationFailed);
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError()) << r.out;
  EXPECT_EQ(std::string(doc["error"].GetString()), design::texts::kCalculationError);
  EXPECT_EQ(std::string(doc["failure"]["stage"].GetString()), "model-parameters");
  EXPECT_NE(std::string(doc["failure"]["reason"].GetString()).find("overflow"), std::string::npos)
      << r.out;
}

TEST(Cli, UsageErrorsExitWith1) {
  EXPECT_EQ(Cli(With(kWorkedExample, {"--limbs", "3"})).status, kExitUsage);
  EXPECT_EQ(Cli(With(kWorkedExample, {"--decimal-separator", ";"})).status, kExitUsage);
  EXPECT_EQ(Cli({"--frequency", "60"}).status, kExitUsage);
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--diode-drop"), std::string::npos);
  const CliRun version = Cli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "tavro-cli " + std::string(release::kVersion) + "\n");
}

using test::ScopedEnv;

TEST(Cli, ReportIsTheWindowsReportByteForByte) {
  // 2026-12-08 14:10 UTC, the time of the golden report.
  const ScopedEnv epoch("SOURCE_DATE_EPOCH", "1796739000");
  const ScopedEnv locale("LC_ALL", "C");
  const std::string file =
      (std::filesystem::temp_directory_path() / ("tavro-cli-" + std::to_string(::getpid())))
          .string();
  std::filesystem::remove(file);
  EXPECT_EQ(Cli(With(kWorkedExample, {"--report", file})).status, kExitDesigned);
  EXPECT_EQ(Cli(With(kWorkedExample, {"--report", file, "--json"})).status, kExitDesigned);
  const std::string golden = test::GoldenReport();
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(test::ReadFile(file), golden + golden);
  std::filesystem::remove(file);
}

TEST(Cli, AReportThatCannotBeWrittenExitsWith4) {
  const CliRun r = Cli(With(kWorkedExample, {"--report", "/dev/full"}));
  EXPECT_EQ(r.status, kExitReportNotWritten);
  EXPECT_NE(r.err.find("/dev/full"), std::string::npos);
  // No report for a design that did not complete.
  const CliRun rejected = Cli(With(kWorkedExample, {"--voltage", "0", "--report", "/dev/full"}));
  EXPECT_EQ(rejected.status, kExitInputRejected);
}

TEST(Cli, SourceDateEpochMustBeANumber) {
  const ScopedEnv epoch("SOURCE_DATE_EPOCH", "yesterday");
  const std::string file =
      (std::filesystem::temp_directory_path() / ("tavro-cli-e-" + std::to_string(::getpid())))
          .string();
  EXPECT_EQ(Cli(With(kWorkedExample, {"--report", file})).status, kExitUsage);
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace tavro::cli

namespace tavro::cli {
namespace {

TEST(Cli, DesignFileGivesTheInputsAndAnOptionOverridesOne) {
  const auto path = (std::filesystem::temp_directory_path() / "tavro_cli_design.tavro").string();
  // Written where the separator is a point, read with a comma.
  ASSERT_FALSE(design::WriteDesignFile(path, {{"12", "1", "1", "1", "1.2", "0.7"}, '.', {}}));
  const CliRun fromFile = Cli({"--design", path, "--decimal-separator", ","});
  EXPECT_EQ(fromFile.status, kExitDesigned) << fromFile.err;
  EXPECT_EQ(fromFile.out, Cli(kWorkedExample).out);
  const CliRun overridden = Cli({"--design", path, "--decimal-separator", ",", "--voltage", "0"});
  EXPECT_EQ(overridden.status, kExitInputRejected);

  { std::ofstream(path) << "{\"format\": \"tavro-design\", \"version\": 7}"; }
  const CliRun newer = Cli({"--design", path});
  EXPECT_EQ(newer.status, kExitDesignFile);
  EXPECT_NE(newer.err.find(path), std::string::npos);
  EXPECT_NE(newer.err.find("версия формата 7"), std::string::npos) << newer.err;
}

// The file's mains, parts and simulation settings hold unless an option is
// given; one out of range refuses the file, naming the entry.
TEST(Cli, DesignFileSettingsHoldUnlessAnOptionIsGiven) {
  const auto path = (std::filesystem::temp_directory_path() / "tavro_cli_settings.tavro").string();
  design::DesignFile file{{"12", "1", "1", "1", "1.2", "0.7"}, '.', {}};
  file.Settings.MainsVoltage = 120.0L;
  file.Settings.MainsFrequency = 60.0L;
  file.Settings.CapacitorSeries = "E12";
  ASSERT_FALSE(design::WriteDesignFile(path, file));
  const auto ratings = [&](std::vector<std::string> more) {
    std::vector<std::string> args = {"--design", path, "--decimal-separator", ".", "--json",
                                     "--lang", "en"};
    args.insert(args.end(), more.begin(), more.end());
    return Cli(args);
  };
  const CliRun fromFile = ratings({});
  EXPECT_EQ(fromFile.status, kExitDesigned) << fromFile.err;
  EXPECT_EQ(fromFile.out, Cli({"--voltage", "12", "--current", "1", "--ripple", "1", "--limbs",
                               "1", "--flux", "1.2", "--diode-drop", "0.7",
                               "--decimal-separator", ".", "--json", "--lang", "en",
                               "--mains-voltage", "120", "--mains-frequency", "60", "--e12"})
                              .out);
  const CliRun overridden = ratings({"--mains-voltage", "220", "--mains-frequency", "50"});
  EXPECT_NE(overridden.out, fromFile.out);
  EXPECT_EQ(overridden.out.find("\"voltage\": 120"), std::string::npos);

  file.Settings.MainsVoltage = 5000.0L;
  ASSERT_FALSE(design::WriteDesignFile(path, file));
  const CliRun refused = ratings({});
  EXPECT_EQ(refused.status, kExitDesignFile);
  EXPECT_NE(refused.out.find("mains.voltage"), std::string::npos) << refused.out;
  // Given on the command line, the file's value is not taken at all.
  EXPECT_EQ(ratings({"--mains-voltage", "230"}).status, kExitDesigned);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace tavro::cli

namespace tavro::cli {
namespace {

TEST(Cli, EmptyFileNamesAndCircuitOptionsWithoutASimulationAreUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {{"--design", ""},
                                                       {"--pdf", ""},
                                                       {"--spice", ""},
                                                       {"--report", ""},
                                                       {"--diode-model", ".model x D(IS=1n)"},
                                                       {"--esr", "0.1"},
                                                       {"--load", "current"},
                                                       {"--batch", "--spice", "x.cir"}};
  for (const std::vector<std::string>& extra : cases) {
    SCOPED_TRACE(extra[0] + " " + extra.back());
    const bool batch = extra[0] == "--batch";
    const CliRun r = Cli(batch ? extra : With(kWorkedExample, extra), "12,1,1,1,1.2,0.7\n");
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_NE(r.err.find(extra[batch ? 1 : 0]), std::string::npos) << r.err;
  }
}

std::string HelperThatExits() {
  const auto path =
      std::filesystem::temp_directory_path() / ("tavro_exits_" + std::to_string(::getpid()));
  std::ofstream(path) << "#!/bin/sh\nexit 9\n";
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  return path.string();
}

TEST(Cli, JsonIsAlwaysOneDocumentThatNamesTheFailure) {
  const std::string helper = HelperThatExits();
  const test::ScopedEnv simulate("TAVRO_SIMULATE", helper.c_str());
  const std::string missing = "/nonexistent/tavro\xFF.tavro";
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* error;  // the member holding the message: "error" or "simulation"
    const char* part;   // of the message
  };
  const Case cases[] = {
      {{"--design", missing}, kExitDesignFile, "error", "/nonexistent/tavro\\xff.tavro"},
      {With(kWorkedExample, {"--simulate", "--diode", "NOPE"}), kExitSimulationFailed, "simulation",
       "no shipped diode model NOPE"},
      {With(kWorkedExample, {"--spice", "/nonexistent/x.cir"}), kExitSimulationFailed, "error",
       "/nonexistent/x.cir"},
#ifndef _WIN32  // a shell script as the helper; a device file
      {With(kWorkedExample, {"--simulate"}), kExitSimulationFailed, "simulation", "кодом 9"},
      {With(kWorkedExample, {"--report", "/dev/full"}), kExitReportNotWritten, "error",
       "/dev/full"},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.part);
    const CliRun r = Cli(With(c.args, {"--json"}));
    EXPECT_EQ(r.status, c.status);
    rapidjson::Document doc;
    doc.Parse<rapidjson::kParseValidateEncodingFlag>(r.out.c_str());
    ASSERT_FALSE(doc.HasParseError()) << r.out;
    ASSERT_TRUE(doc.HasMember(c.error)) << r.out;
    const rapidjson::Value& error = doc[c.error].IsObject() ? doc[c.error]["error"] : doc[c.error];
    EXPECT_NE(std::string(error.GetString()).find(c.part), std::string::npos) << r.out;
    // A design that completed is there beside the failure.
    EXPECT_EQ(doc.HasMember("results"), c.status != kExitDesignFile);
  }
  std::filesystem::remove(helper);
}

}  // namespace
}  // namespace tavro::cli

namespace tavro::cli {
namespace {

// Standard output on a full disk.
class FullOutput : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(Cli, OutputThatCannotBeWrittenExitsWith7) {
  const std::vector<std::vector<std::string>> cases = {
      {"tavro-cli", "--batch"}, With({"tavro-cli"}, With(kWorkedExample, {"--json"}))};
  for (const std::vector<std::string>& args : cases) {
    SCOPED_TRACE(args[1]);
    FullOutput full;
    std::ostream out(&full);
    std::istringstream in("12,1,1,1,1.2,0.7\n");
    std::ostringstream err;
    EXPECT_EQ(RunCli(args, in, out, err), kExitStreamFailed);
    EXPECT_EQ(err.str(), "standard output could not be written\n");
  }
}

}  // namespace
}  // namespace tavro::cli
