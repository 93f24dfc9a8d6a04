// tavro-cli's transformer options: the standard candidates and the winding,
// as text and JSON, and what they leave alone.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "common/csv.h"

namespace tavro::cli {
namespace {

std::vector<std::string> WorkedExample(std::vector<std::string> more) {
  std::vector<std::string> args = kWorkedExampleArgs;
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The candidates are evaluated with the capacitor the parts list picks, and
// the 12 V, 25 V·A laminated one is the least V·A that gives 12 V.
TEST(TransformerCli, CandidatesUseThePartsListsCapacitor) {
  const CliRun r = Cli(WorkedExample({"--json", "--suggest-transformers"}));
  ASSERT_EQ(r.status, kExitDesigned);
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError());
  const auto& t = doc["transformer_candidates"];
  EXPECT_EQ(t["capacitance_uF"].GetDouble(),
            doc["ratings"]["capacitor"]["capacitance"].GetDouble());
  EXPECT_EQ(t["capacitor_voltage_class"].GetDouble(), 25.0);
  EXPECT_EQ(t["needed_emf"].GetDouble(), doc["results"]["U2"].GetDouble());
  ASSERT_EQ(t["candidates"].Size(), 6u);
  ASSERT_TRUE(t["chosen"].IsUint());
  const auto& chosen = t["candidates"][t["chosen"].GetUint()];
  EXPECT_STREQ(chosen["kind"].GetString(), "laminated");
  EXPECT_EQ(chosen["rated_voltage"].GetDouble(), 12.0);
  EXPECT_EQ(chosen["rated_power"].GetDouble(), 25.0);
  EXPECT_TRUE(chosen["chosen"].GetBool());
  EXPECT_GE(chosen["U0"].GetDouble(), 12.0);
}

TEST(TransformerCli, TextMarksTheChosenAndFollowsTheLanguage) {
  const CliRun en = Cli(WorkedExample({"--suggest-transformers", "--lang", "en"}));
  ASSERT_EQ(en.status, kExitDesigned);
  EXPECT_NE(en.out.find("\nStandard transformers\n"), std::string::npos);
  EXPECT_NE(
      en.out.find("  → Laminated E-I 12 V, 25 VA (regulation 14 %) — the smallest that gives U0"),
      std::string::npos);
  const CliRun ru = Cli(WorkedExample({"--suggest-transformers"}));
  EXPECT_NE(ru.out.find("  → Броневой (Ш-образный) 12 В, 25 В·А"), std::string::npos);
  // Without the option nothing of it shows.
  const CliRun plain = Cli(WorkedExample({"--json"}));
  EXPECT_EQ(plain.out.find("transformer_candidates"), std::string::npos);
}

TEST(TransformerCli, WindingAsJsonAndText) {
  const CliRun r = Cli(WorkedExample({"--json", "--wind"}));
  ASSERT_EQ(r.status, kExitDesigned);
  rapidjson::Document doc;
  doc.Parse(r.out.c_str());
  ASSERT_FALSE(doc.HasParseError());
  const auto& w = doc["winding"];
  EXPECT_STREQ(w["family"].GetString(), "ei");
  EXPECT_STREQ(w["core"]["name"].GetString(), "EI 60/30");
  EXPECT_EQ(w["primary"]["turns"].GetInt(), 1449);
  EXPECT_EQ(w["secondary"]["turns"].GetInt(), 83);
  EXPECT_EQ(w["method_Rtr"].GetDouble(), doc["parameters"]["Rtr"].GetDouble());
  EXPECT_GT(w["rectifier"]["U0"].GetDouble(), 12.0);
  // The family and the flux density follow the options; the text its language.
  const CliRun toroid =
      Cli(WorkedExample({"--wind", "--core", "toroidal", "--wind-flux", "1.5", "--lang", "en"}));
  ASSERT_EQ(toroid.status, kExitDesigned);
  EXPECT_NE(toroid.out.find("\nWinding the transformer\n  Core T "), std::string::npos);
  EXPECT_NE(toroid.out.find("at a flux density of 1.50 T"), std::string::npos);
  // Two limbs take C cores, a coil on each leg: even turns.
  const CliRun twoLimbs =
      Cli({"--voltage", "24", "--current", "3", "--ripple", "1", "--limbs", "2", "--flux", "1.2",
           "--diode-drop", "0.7", "--decimal-separator", ".", "--wind", "--json"});
  ASSERT_EQ(twoLimbs.status, kExitDesigned);
  doc.Parse(twoLimbs.out.c_str());
  EXPECT_STREQ(doc["winding"]["family"].GetString(), "c");
  EXPECT_EQ(doc["winding"]["primary"]["turns"].GetInt() % 2, 0);
  EXPECT_EQ(doc["winding"]["secondary"]["turns"].GetInt() % 2, 0);
}

TEST(TransformerCli, WindingOptionsAreChecked) {
  const std::vector<std::vector<std::string>> refused = {
      {"--wind", "--core", "pot"},
      {"--wind", "--wind-flux", "3"},
      {"--wind", "--wind-flux", "x"},
      {"--core", "ei"},  // needs --wind
  };
  for (const auto& args : refused) {
    SCOPED_TRACE(args[1]);
    EXPECT_EQ(Cli(WorkedExample(args)).status, kExitUsage);
  }
}

// The batch's transformer columns are those of the single design's JSON, each
// row with its own mains; a row with a message has every column, empty; a
// design no core takes says why.
TEST(TransformerCli, BatchColumnsAreThoseOfTheSingleDesign) {
  const CliRun r = Cli({"--batch", "--suggest-transformers", "--wind", "--core", "toroidal"},
                       "12,1,1,1,1.2,0.7\n12,1,1,1,1.2,0.7,230,60,5\nx,1,1,1,1.2,0.7\n"
                       "400,50,1,1,1.2,0.7\n");
  std::istringstream lines(r.out);
  std::string line;
  std::getline(lines, line);
  const std::vector<std::string> header = test::CsvFields(line);
  std::vector<std::vector<std::string>> rows;
  while (std::getline(lines, line)) rows.push_back(test::CsvFields(line));
  ASSERT_EQ(rows.size(), 4u);
  for (const auto& row : rows) EXPECT_EQ(row.size(), header.size());
  EXPECT_EQ(header.back(), "wind_error");
  const auto at = [&](std::size_t row, const std::string& name) {
    return rows[row][static_cast<std::size_t>(std::find(header.begin(), header.end(), name) -
                                              header.begin())];
  };
  // JSON carries the extended value to 21 digits, read back as a double.
  const auto number = [&](std::size_t row, const std::string& name) {
    return static_cast<double>(std::stold(at(row, name)));
  };
  const struct {
    std::size_t Row;
    std::vector<std::string> Mains;
  } singles[] = {
      {0, {}},
      {1, {"--mains-voltage", "230", "--mains-frequency", "60", "--mains-tolerance", "5"}}};
  for (const auto& single : singles) {
    SCOPED_TRACE(single.Row);
    std::vector<std::string> args =
        WorkedExample({"--json", "--suggest-transformers", "--wind", "--core", "toroidal"});
    args.insert(args.end(), single.Mains.begin(), single.Mains.end());
    rapidjson::Document doc;
    doc.Parse(Cli(args).out.c_str());
    ASSERT_FALSE(doc.HasParseError());
    const auto& t = doc["transformer_candidates"];
    const auto& chosen = t["candidates"][t["chosen"].GetUint()];
    EXPECT_EQ(at(single.Row, "tr_kind"), chosen["kind"].GetString());
    EXPECT_DOUBLE_EQ(number(single.Row, "tr_rated_power"), chosen["rated_power"].GetDouble());
    EXPECT_DOUBLE_EQ(number(single.Row, "tr_U0_low_mains"), chosen["U0_low_mains"].GetDouble());
    EXPECT_DOUBLE_EQ(number(single.Row, "tr_loading"), chosen["loading"].GetDouble());
    const auto& w = doc["winding"];
    EXPECT_EQ(at(single.Row, "wind_core"), w["core"]["name"].GetString());
    EXPECT_EQ(std::stoi(at(single.Row, "wind_N1")), w["primary"]["turns"].GetInt());
    EXPECT_DOUBLE_EQ(number(single.Row, "wind_d2_mm"),
                     w["secondary"]["wire_diameter_mm"].GetDouble());
    EXPECT_DOUBLE_EQ(number(single.Row, "wind_Rtr"), w["Rtr"].GetDouble());
    EXPECT_DOUBLE_EQ(number(single.Row, "wind_U0"), w["rectifier"]["U0"].GetDouble());
    EXPECT_EQ(at(single.Row, "wind_error"), "");
  }
  EXPECT_NE(at(0, "tr_U0_low_mains"), at(1, "tr_U0_low_mains"));
  EXPECT_EQ(at(2, "tr_kind"), "");
  EXPECT_EQ(at(2, "wind_error"), "");
  EXPECT_EQ(at(3, "tr_kind"), "none");
  EXPECT_EQ(at(3, "wind_core"), "");
  EXPECT_NE(at(3, "wind_error"), "");
}

}  // namespace
}  // namespace tavro::cli
