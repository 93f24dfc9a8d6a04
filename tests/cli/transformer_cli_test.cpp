// tavro-cli's transformer options: the standard candidates and the winding,
// as text and JSON, and what they leave alone.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <string>
#include <vector>

#include "cli/cli_run.h"

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
  EXPECT_EQ(Cli({"--batch", "--suggest-transformers"}).status, kExitUsage);
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
      {"--wind", "--core", "pot"},    {"--wind", "--wind-flux", "3"},
      {"--wind", "--wind-flux", "x"}, {"--core", "ei"},  // needs --wind
      {"--batch", "--wind"},
  };
  for (const auto& args : refused) {
    SCOPED_TRACE(args[1]);
    EXPECT_EQ(Cli(args[0] == "--batch" ? args : WorkedExample(args)).status, kExitUsage);
  }
}

}  // namespace
}  // namespace tavro::cli
