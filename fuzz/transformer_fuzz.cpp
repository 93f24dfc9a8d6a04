// Fuzzes tavro-cli's analysis of a transformer one has and its design to the
// worst case, from the option texts on: the nameplate read and turned into
// the EMF, resistance and leakage inductance, the analysis at nominal and low
// mains, or the search for the nominal voltage that meets U0min at low mains,
// and the text and JSON output. Every input must end, within libFuzzer's
// -timeout, in a usage error, a refusal, a failed calculation or a result
// whose JSON is well formed and holds its groups.
//
// Input: first byte: bit 0 two limbs, bit 1 comma separator, bit 2 JSON,
// bit 3 toroidal, bit 4 the worst case instead, bit 5 the parts table; the rest is
// newline-separated texts: the voltage at the rated current, the no-load voltage, the rated
// current, the V·A, R1, R2, the regulation, the leakage, the short-circuit
// voltage and current, the capacitance, the load current, the diode drop, the
// flux density, and the mains voltage, frequency and tolerance (empty: not
// given). The worst case reads U0min from the first, I0 from the third, Kp
// from the seventh and the high-mains limit from the eighth.
#include <rapidjson/document.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/analysis_option.h"
#include "cli/command_line.h"
#include "cli/ratings_output.h"
#include "cli/worst_case_option.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", what, text.c_str());
  std::abort();
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavro;
  if (size == 0) return 0;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string t[17];
  for (std::string& text : t) {
    const std::size_t end = rest.find('\n');
    text = std::string(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  cli::AnalysisContext context;
  context.Limbs = (data[0] & 1) != 0 ? 2 : 1;
  context.Separator = (data[0] & 2) != 0 ? ',' : '.';
  context.Json = (data[0] & 4) != 0;
  cli::AnalysisOptions o;
  o.Kind = (data[0] & 8) != 0 ? "toroidal" : "laminated";
  o.Voltage = t[0];
  o.NoLoad = o.Voltage.empty() ? t[1] : std::string();
  o.Current = t[2];
  o.Power = o.Current.empty() ? t[3] : std::string();
  o.PrimaryResistance = t[4];
  o.SecondaryResistance = t[5];
  o.Regulation = t[4].empty() && t[5].empty() ? t[6] : std::string();
  o.Leakage = t[7];
  if (o.Leakage.empty() && !t[8].empty()) o.ShortCircuit = {t[8], t[9]};
  o.Capacitance = t[10];
  o.LoadCurrent = t[11];
  context.DiodeDrop = t[12];
  context.Flux = t[13];
  cli::RatingsOptions mains;
  mains.MainsVoltage = t[14];
  mains.MainsFrequency = t[15];
  mains.MainsTolerance = t[16];
  const auto request = cli::ReadRatingsRequest(mains, context.Separator);
  const auto* parts = std::get_if<cli::RatingsRequest>(&request);
  if (parts == nullptr) return 0;
  context.Parts = *parts;
  context.Ratings = (data[0] & 32) != 0;

  const bool worst = (data[0] & 16) != 0;
  std::ostringstream out, err;
  int status = 0;
  if (worst) {
    cli::WorstCaseContext wc{{"", t[2], t[6], context.Limbs == 2 ? "2" : "1", t[13], t[12]},
                             context.Separator,
                             context.Json,
                             context.Parts.Mains};
    status = cli::WorstCaseTexts({t[0], t[7]}, wc, out, err);
  } else {
    status = cli::AnalyseTexts(o, context, out, err);
  }
  const std::string shown = out.str();
  if (status != cli::kExitDesigned) {
    if (err.str().empty() && shown.empty()) Broken("a refusal says nothing", shown);
    if (status != cli::kExitCalculationFailed || !worst || !context.Json) return 0;
  }
  if (!context.Json) {
    if (shown.find('\n') == std::string::npos) Broken("no analysis shown", shown);
    return 0;
  }
  // Numbers beyond a double's range are still JSON numbers: their exponents
  // are read as 0 (see engine_fuzz.cpp).
  std::string checked = shown;
  for (std::size_t i = 1; i + 1 < checked.size(); ++i) {
    if (checked[i] != 'e' || !IsDigit(checked[i - 1])) continue;
    std::size_t j = i + 1;
    if (checked[j] == '+' || checked[j] == '-') ++j;
    while (j < checked.size() && IsDigit(checked[j])) checked[j++] = '0';
  }
  rapidjson::Document document;
  document.Parse(checked.c_str(), checked.size());
  if (document.HasParseError()) Broken("the JSON does not parse", shown);
  if (worst) {
    if (document.HasMember("error")) return 0;  // a failed calculation
    if (!document.HasMember("worst_case") || !document["worst_case"].HasMember("corners")) {
      Broken("the worst case lacks a group", shown);
    }
    return 0;
  }
  if (!document.HasMember("analysis")) Broken("the JSON lacks the analysis", shown);
  for (const char* group :
       {"transformer", "results", "loading", "corners", "load_table", "ratings", "losses"}) {
    if (!document["analysis"].HasMember(group)) Broken("the analysis lacks a group", shown);
  }
  return 0;
}
