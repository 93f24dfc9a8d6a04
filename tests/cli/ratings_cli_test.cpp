// tavro-cli's mains options, the JSON groups of the ratings, the text table
// and the batch's extra columns.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/cli_run.h"
#include "cli/command_line.h"
#include "cli/ratings_output.h"
#include "common/csv.h"
#include "common/files.h"
#include "common/pdf_text.h"

namespace tavro::cli {
namespace {

std::vector<std::string> WorkedExample(std::vector<std::string> more) {
  std::vector<std::string> args = kWorkedExampleArgs;
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(RatingsCli, JsonGainsMainsCornersRatingsAndWarnings) {
  const CliRun r = Cli(WorkedExample({"--json"}));
  ASSERT_EQ(r.status, kExitDesigned);
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError());
  EXPECT_EQ(doc["mains"]["voltage"].GetDouble(), 220.0);
  EXPECT_EQ(doc["mains"]["tolerance"].GetDouble(), 0.1);
  EXPECT_NEAR(doc["corners"]["low_mains_rated_load"]["mean_voltage"].GetDouble(), 10.430, 1e-3);
  const auto& capacitor = doc["ratings"]["capacitor"];
  EXPECT_NEAR(capacitor["ripple_current"].GetDouble(), 1.1224, 1e-4);
  EXPECT_EQ(capacitor["capacitance"].GetDouble(), 33000.0);
  EXPECT_EQ(capacitor["voltage_class"].GetDouble(), 25.0);
  EXPECT_EQ(doc["ratings"]["diodes"]["reverse_voltage_class"].GetDouble(), 50.0);
  EXPECT_NEAR(doc["ratings"]["diodes"]["surge"]["current"].GetDouble(), 15.77, 0.01);
  EXPECT_TRUE(doc["warnings"].IsArray());
  EXPECT_EQ(doc["warnings"].Size(), 0u);
}

TEST(RatingsCli, MainsOptionsAreCheckedAndReachTheRatings) {
  const CliRun r = Cli(WorkedExample({"--json", "--mains-voltage", "230", "--mains-frequency", "60",
                                      "--mains-tolerance", "5", "--e12"}));
  ASSERT_EQ(r.status, kExitDesigned);
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  EXPECT_EQ(doc["mains"]["frequency"].GetDouble(), 60.0);
  EXPECT_EQ(doc["mains"]["tolerance"].GetDouble(), 0.05);
  // The mains reach the calculation: ω in the capacitance, 230 V in the
  // primary current.
  const auto& results = doc["results"];
  EXPECT_NEAR(doc["ratings"]["capacitor"]["needed_capacitance"].GetDouble(),
              results["Cf"].GetDouble() / 0.8, 1e-9 * results["Cf"].GetDouble());
  EXPECT_LT(results["Cf"].GetDouble(), 19000.0);                               // 19844 µF at 50 Hz
  EXPECT_EQ(doc["ratings"]["capacitor"]["capacitance"].GetDouble(), 22000.0);  // E12
  EXPECT_NEAR(results["I1"].GetDouble(),
              results["I2"].GetDouble() * results["U2"].GetDouble() / 230.0, 1e-12);
  // The text names the mains the results are for.
  EXPECT_NE(Cli(WorkedExample({"--mains-voltage", "230", "--mains-frequency", "60"}))
                .out.find("(питающая сеть 230 В / 60 Гц)"),
            std::string::npos);

  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--mains-voltage", "0"},
                                              {"--mains-frequency", "x"},
                                              {"--mains-tolerance", "60"},
                                              {"--capacitor-tolerance", "100"},
                                              {"--diode-margin", "0.5"}}) {
    const CliRun b = Cli(WorkedExample(bad));
    EXPECT_EQ(b.status, kExitUsage) << bad[0];
    EXPECT_FALSE(b.err.empty()) << bad[0];
    EXPECT_TRUE(b.out.empty()) << bad[0];
  }
}

TEST(RatingsCli, TextGainsTheTableOnRequestAndWarningsOnStandardError) {
  EXPECT_EQ(Cli(WorkedExample({})).out.find("Выбор элементов"), std::string::npos);
  const CliRun r = Cli(WorkedExample({"--ratings"}));
  EXPECT_NE(r.out.find("Ёмкость: не менее 24805 мкФ с учётом допуска −20 % → 33000 мкФ (ряд E6)"),
            std::string::npos)
      << r.out;
  EXPECT_TRUE(r.err.empty());
  const CliRun odd = Cli({"--voltage", "12", "--current", "1", "--ripple", "1", "--limbs", "1",
                          "--flux", "100", "--diode-drop", "0.7", "--decimal-separator", "."});
  EXPECT_EQ(odd.status, kExitDesigned);
  EXPECT_NE(odd.err.find("Внимание: Индукция"), std::string::npos) << odd.err;
}

TEST(RatingsCli, BatchRowsEndInTheRatingsWhenAskedAndMayCarryTheirMains) {
  const CliRun r = Cli({"--batch", "--ratings"},
                       "12,1,1,1,1.2,0.7\n12,1,1,1,1.2,0.7,230,50,5\n12,1,1,1,1.2,0.7,0,50,5\n"
                       "12,1,1,1,100,0.7\n");
  EXPECT_EQ(r.status, kExitInputRejected);
  std::istringstream lines(r.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, BatchHeader(true));
  const std::vector<std::string> header = test::CsvFields(line);
  std::vector<std::vector<std::string>> rows;
  while (std::getline(lines, line)) rows.push_back(test::CsvFields(line));
  ASSERT_EQ(rows.size(), 4u);
  for (const auto& row : rows) EXPECT_EQ(row.size(), header.size());
  const auto column = [&](const std::string& name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
  };
  EXPECT_EQ(rows[0][column("C_standard")], "33000");
  EXPECT_EQ(rows[0][column("mains_voltage")], "220");
  EXPECT_EQ(rows[1][column("mains_voltage")], "230");
  EXPECT_EQ(rows[1][column("mains_tolerance")], "0.05");
  EXPECT_EQ(rows[2][column("message")], "Напряжение сети должно быть от 1 до 1000 В");
  EXPECT_EQ(rows[2][column("Icap_rms")], "");
  EXPECT_EQ(rows[3][column("warnings")], "flux-density");
  // Without --ratings the rows are as they always were, and the mains
  // options still reach the calculation (the primary current I1 at 230 V).
  const std::string plain = Cli({"--batch"}, "12,1,1,1,1.2,0.7\n").out;
  EXPECT_EQ(plain.substr(0, BatchHeader().size() + 1), BatchHeader() + "\n");
  const std::string at230 = Cli({"--batch", "--mains-voltage", "230"}, "12,1,1,1,1.2,0.7\n").out;
  const std::size_t i1 = column("I1");
  EXPECT_NEAR(std::stod(test::CsvFields(at230.substr(at230.find('\n') + 1))[i1]) * 230.0,
              std::stod(test::CsvFields(plain.substr(plain.find('\n') + 1))[i1]) * 220.0, 1e-9);
}

TEST(RatingsCli, CapacitorLossAndProtectionChoicesReachTheirGroups) {
  const auto json = [](std::vector<std::string> args) {
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, kExitDesigned) << r.err;
    rapidjson::Document doc;
    doc.Parse(r.out.c_str());
    EXPECT_FALSE(doc.HasParseError());
    return doc;
  };
  const std::vector<std::string> fiveVolts = {"--voltage",
                                              "5",
                                              "--current",
                                              "10",
                                              "--ripple",
                                              "15",
                                              "--limbs",
                                              "2",
                                              "--flux",
                                              "1.5",
                                              "--diode-drop",
                                              "1",
                                              "--decimal-separator",
                                              ".",
                                              "--json"};
  // 9.91 V: the 10 V class without a margin, 16 V with the default 1.2.
  EXPECT_EQ(json(fiveVolts)["ratings"]["capacitor"]["voltage_class"].GetDouble(), 16.0);
  std::vector<std::string> noMargin = fiveVolts;
  noMargin.insert(noMargin.end(), {"--capacitor-margin", "1"});
  EXPECT_NEAR(json(noMargin)["ratings"]["capacitor"]["headroom"].GetDouble(), 0.0092, 1e-4);

  const rapidjson::Document d =
      json(WorkedExample({"--json", "--surge-limit", "5", "--capacitor-esr", "0.1", "--ambient",
                          "65", "--fuse-factor", "1.5"}));
  EXPECT_FALSE(d["losses"]["capacitor"]["esr_estimated"].GetBool());
  EXPECT_EQ(d["losses"]["capacitor"]["esr"].GetDouble(), 0.1);
  EXPECT_EQ(d["losses"]["capacitor"]["ambient"].GetDouble(), 65.0);
  EXPECT_TRUE(d["protection"]["limiter"]["needed"].GetBool());
  EXPECT_LE(d["protection"]["limiter"]["surge_with_limiter"].GetDouble(), 5.0);
  EXPECT_EQ(d["protection"]["fuse"]["factor"].GetDouble(), 1.5);
  EXPECT_FALSE(d["ratings"]["currents"]["simulated"].GetBool());

  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--capacitor-margin", "0.9"},
                                              {"--capacitor-esr", "0"},
                                              {"--ambient", "x"},
                                              {"--surge-limit", "-1"},
                                              {"--fuse-factor", "11"}}) {
    const CliRun b = Cli(WorkedExample(bad));
    EXPECT_EQ(b.status, kExitUsage) << bad[0];
    EXPECT_TRUE(b.out.empty()) << bad[0];
  }
  const std::string header = RatingsColumnsHeader();
  EXPECT_TRUE(
      header.ends_with(",warnings,Ucap_switch_on,Ucap_need,Ucap_headroom,Cap_ESR,Cap_loss,"
                       "Cap_life,Transformer_copper_loss,Efficiency,NTC_cold_resistance,"
                       "Fuse_rating,Fuse_surge_i2t,Fuse_melting_i2t"))
      << header;
}

// --diode chooses the bridge's diode without a simulation too: the JSON gains
// its checks, losses and warnings, the batch its columns at the end; a name
// outside the library is a usage error.
TEST(RatingsCli, DiodeChoiceReachesJsonAndBatch) {
  const CliRun r = Cli(WorkedExample({"--json", "--diode", "1n4001", "--ambient", "25"}));
  EXPECT_EQ(r.status, kExitDesigned) << r.err;
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError());
  const auto& chosen = doc["ratings"]["diodes"]["chosen"];
  EXPECT_STREQ(chosen["model"].GetString(), "1N4001");
  EXPECT_TRUE(chosen["reverse_voltage"]["passes"].GetBool());
  EXPECT_EQ(doc["losses"]["diodes"]["ambient"].GetDouble(), 25.0);
  EXPECT_FALSE(doc["losses"]["diodes"]["needs_heatsink"].GetBool());

  // 10 A is above the 1N4001's 1 A: a warning, and the batch says it fails.
  const CliRun big = Cli({"--batch", "--ratings", "--diode", "1N4001"}, "12,10,1,1,1.2,0.7\n");
  std::istringstream lines(big.out);
  std::string line;
  std::getline(lines, line);
  const std::vector<std::string> header = test::CsvFields(line);
  EXPECT_EQ(header.back(), "diode_suggested");
  EXPECT_EQ(line.substr(0, BatchHeader(true).size()), BatchHeader(true));
  std::getline(lines, line);
  const std::vector<std::string> row = test::CsvFields(line);
  ASSERT_EQ(row.size(), header.size());
  const auto column = [&](const std::string& name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
  };
  EXPECT_EQ(row[column("diode")], "1N4001");
  EXPECT_EQ(row[column("diode_passes")], "0");
  EXPECT_EQ(row[column("IFav_margin_pct")], "-80");

  const CliRun unknown = Cli(WorkedExample({"--diode", "NOPE"}));
  EXPECT_EQ(unknown.status, kExitUsage);
  EXPECT_NE(unknown.err.find("NOPE"), std::string::npos) << unknown.err;
}

// The chosen diode's warnings are in every warnings list: the text output's
// (standard error) and the PDF's parts table, as in the JSON.
TEST(RatingsCli, DiodeWarningsReachTheTextOutputAndThePdf) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "tavro_cli_diode_warnings.pdf").string();
  std::filesystem::remove(path);
  test::ScopedEnv display("DISPLAY", nullptr);
  const struct {
    const char* current;
    bool warned;
  } cases[] = {{"10", true}, {"0.1", false}};
  for (const auto& c : cases) {
    std::vector<std::string> args = kWorkedExampleArgs;
    args[3] = c.current;
    for (const char* more : {"--lang", "en", "--diode", "1N4001", "--pdf", path.c_str()}) {
      args.push_back(more);
    }
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, kExitDesigned) << r.err;
    const char* warning = "Warning: The chosen diode's average forward current rating is below";
    EXPECT_EQ(r.err.find(warning) != std::string::npos, c.warned) << r.err;
    std::string pdf = test::PdfText(path, "-raw");
    std::replace(pdf.begin(), pdf.end(), '\n', ' ');
    EXPECT_EQ(pdf.find("average forward current rating") != std::string::npos, c.warned) << pdf;
    std::filesystem::remove(path);
  }
}

}  // namespace
}  // namespace tavro::cli
