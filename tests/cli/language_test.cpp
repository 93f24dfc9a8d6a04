// tavro-cli --lang: English messages and labels over the same numbers, keys
// and exit statuses as in Russian.
#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "common/files.h"

namespace tavro::cli {
namespace {

std::vector<std::string> With(std::vector<std::string> args, std::vector<std::string> more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// Same members in the same order, the same numbers and stable codes; only
// message texts may differ.
void ExpectSameShape(const rapidjson::Value& en, const rapidjson::Value& ru,
                     const std::string& at) {
  ASSERT_EQ(en.GetType(), ru.GetType()) << at;
  if (en.IsObject()) {
    ASSERT_EQ(en.MemberCount(), ru.MemberCount()) << at;
    for (auto e = en.MemberBegin(), r = ru.MemberBegin(); e != en.MemberEnd(); ++e, ++r) {
      const std::string key = e->name.GetString();
      ASSERT_EQ(key, r->name.GetString()) << at;
      ExpectSameShape(e->value, r->value, at + "/" + key);
    }
  } else if (en.IsArray()) {
    ASSERT_EQ(en.Size(), ru.Size()) << at;
    for (rapidjson::SizeType i = 0; i < en.Size(); ++i) {
      ExpectSameShape(en[i], ru[i], at + "/" + std::to_string(i));
    }
  } else if (en.IsNumber()) {
    EXPECT_EQ(en.GetDouble(), ru.GetDouble()) << at;
  } else if (en.IsString() && at.find("stage") != std::string::npos) {
    EXPECT_STREQ(en.GetString(), ru.GetString()) << at;
  }
}

struct LanguageCase {
  const char* Name;
  std::vector<std::string> Args;
  std::string Input;
  int Status;
};

TEST(CliLanguage, EnglishHasNoRussianLeftAndKeepsKeysNumbersAndStatuses) {
  const std::vector<LanguageCase> cases = {
      {"worked example", kWorkedExampleArgs, "", kExitDesigned},
      {"with the parts", With(kWorkedExampleArgs, {"--ratings"}), "", kExitDesigned},
      {"rejected input", With(kWorkedExampleArgs, {"--current", "0.01"}), "", kExitInputRejected},
      {"refused calculation", With(kWorkedExampleArgs, {"--voltage", "0.01"}), "",
       kExitCalculationFailed},
      {"unusual inputs warn", With(kWorkedExampleArgs, {"--flux", "3"}), "", kExitDesigned},
      {"bad mains", With(kWorkedExampleArgs, {"--mains-frequency", "5000"}), "", kExitUsage},
      {"missing design file", {"--design", "/nonexistent/x.tavro"}, "", kExitDesignFile},
      {"batch over threads",
       {"--batch", "--jobs", "2"},
       "12,1,1,1,1.2,0.7\n12,0.01,1,1,1.2,0.7\n0.01,1,1,1,1.2,0.7\n12,1,1,1,3,0.7\n",
       kExitInputRejected},
      {"analysis of a transformer",
       {"--transformer-voltage", "12", "--transformer-current", "1.6", "--capacitance", "10000",
        "--load-current", "1", "--diode-drop", "0.7"},
       "",
       kExitDesigned},
      {"worst case",
       {"--min-voltage-at-low-mains", "12", "--current", "1", "--ripple", "1", "--flux", "1.2",
        "--diode-drop", "0.7", "--max-voltage-no-load-at-high-mains", "30"},
       "",
       kExitDesigned},
      {"help", {"--help"}, "", kExitDesigned},
  };
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const CliRun en = Cli(With(c.Args, {"--lang", "en"}), c.Input);
    const CliRun ru = Cli(With(c.Args, {"--lang=ru"}), c.Input);
    EXPECT_EQ(en.status, c.Status) << en.err;
    EXPECT_EQ(ru.status, c.Status) << ru.err;
    std::string english = en.out + en.err;
    if (c.Args.front() == "--help") {
      // The window's menu items it quotes are the window catalogue's.
      for (std::size_t open; (open = english.find('"')) != std::string::npos;) {
        english.erase(open, english.find('"', open + 1) + 1 - open);
      }
    }
    EXPECT_TRUE(Cyrillic(english).empty()) << Cyrillic(english);
    if (c.Args.front() == "--batch") {
      // Same columns and numbers; the message column differs.
      EXPECT_EQ(en.out.substr(0, en.out.find('\n')), ru.out.substr(0, ru.out.find('\n')));
    }
    const bool json = c.Status == kExitDesigned || c.Status == kExitInputRejected ||
                      c.Status == kExitCalculationFailed;
    if (!json || c.Args.front() == "--batch" || c.Args.front() == "--help") continue;
    const CliRun enJson = Cli(With(c.Args, {"--lang", "en", "--json"}));
    const CliRun ruJson = Cli(With(c.Args, {"--json"}));
    EXPECT_EQ(enJson.status, ruJson.status);
    EXPECT_TRUE(Cyrillic(enJson.out).empty()) << Cyrillic(enJson.out);
    rapidjson::Document enDoc, ruDoc;
    enDoc.Parse(enJson.out.c_str());
    ruDoc.Parse(ruJson.out.c_str());
    ASSERT_FALSE(enDoc.HasParseError() || ruDoc.HasParseError());
    ExpectSameShape(enDoc, ruDoc, "");
  }
}

TEST(CliLanguage, RussianIsTheDefaultAndAnUnknownLanguageIsAUsageError) {
  EXPECT_EQ(Cli(kWorkedExampleArgs).out, Cli(With(kWorkedExampleArgs, {"--lang", "ru"})).out);
  EXPECT_NE(Cyrillic(Cli(With(kWorkedExampleArgs, {"--lang", "en", "--lang", "ru"})).out), "");
  const CliRun r = Cli(With(kWorkedExampleArgs, {"--lang", "de"}));
  EXPECT_EQ(r.status, kExitUsage);
  EXPECT_NE(r.err.find("--lang"), std::string::npos) << r.err;
}

// The English text of the worked example, byte for byte, with the decimal
// point English takes by default. After an intended change:
// TAVRO_REGENERATE_GOLDEN=1 ./cli_tests --gtest_filter='CliLanguage.English*Golden*'
TEST(CliLanguage, EnglishTextOfTheWorkedExampleMatchesItsGoldenFile) {
  const CliRun r = Cli({"--lang", "en", "--voltage", "12", "--current", "1", "--ripple", "1",
                        "--limbs", "1", "--flux", "1.2", "--diode-drop", "0.7"});
  ASSERT_EQ(r.status, kExitDesigned) << r.err;
  const std::string path = std::string(TAVRO_CLI_GOLDEN) + "/worked_example_en.txt";
  if (std::getenv("TAVRO_REGENERATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << r.out;
  }
  EXPECT_EQ(r.out, test::ReadFile(path));
}

}  // namespace
}  // namespace tavro::cli
