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

}  // namespace
}  // namespace tavro::cli
