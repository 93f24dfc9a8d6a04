// Fuzzes the whole engine path of `tavro-cli --json` and `--ratings`: typed
// inputs read, the design calculated for the mains, the part ratings rated
// and everything rendered (the JSON with its ratings, the "Выбор элементов"
// text, the batch's ratings columns). Every input must end, within
// libFuzzer's -timeout, in a rejection, a failure or a design whose JSON
// is well formed and whose ratings columns are all there.
//
// With bit 3 the transformer's outputs join (the standard candidates and the
// winding, from the winding's flux density and core family texts): the
// JSON must hold both objects and the texts must not be empty.
//
// Input: first byte: bit 0 two limbs, bit 1 comma separator, bit 2 the E12
// series, bit 3 the transformer; the rest is newline-separated texts: U0, I0, Kp, Bm, Ud, then the
// mains voltage, frequency and tolerance (%), the capacitor's tolerance (%),
// the diodes' voltage margin, the capacitor's voltage margin, ESR, rated life
// and temperature, the ambient, the core loss share, the fuse factor and the
// allowed surge, the chosen diode's name, the winding's flux density and
// core family (missing or empty ones: the defaults).
#include <rapidjson/document.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "cli/output.h"
#include "cli/ratings_output.h"
#include "cli/transformer_output.h"
#include "design/calculate.h"
#include "design/inputs.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", what, text.c_str());
  std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavro;
  if (size == 0) return 0;
  const char separator = (data[0] & 2) != 0 ? ',' : '.';
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string texts[21];
  for (std::string& text : texts) {
    const std::size_t end = rest.find('\n');
    text = std::string(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }

  design::InputTexts typed;
  typed.U0 = texts[0];
  typed.I0 = texts[1];
  typed.Kp = texts[2];
  typed.Limbs = (data[0] & 1) != 0 ? "2" : "1";
  typed.Bm = texts[3];
  typed.Ud = texts[4];
  cli::RatingsOptions options;
  options.MainsVoltage = texts[5];
  options.MainsFrequency = texts[6];
  options.MainsTolerance = texts[7];
  options.CapacitorTolerance = texts[8];
  options.DiodeMargin = texts[9];
  options.E12 = (data[0] & 4) != 0;
  // The capacitor's, the losses' and the protection's choices.
  options.CapacitorMargin = texts[10];
  options.CapacitorEsr = texts[11];
  options.CapacitorLife = texts[12];
  options.CapacitorTemperature = texts[13];
  options.Ambient = texts[14];
  options.CoreLossShare = texts[15];
  options.FuseFactor = texts[16];
  options.SurgeLimit = texts[17];
  options.Diode = texts[18];
  const auto request = cli::ReadRatingsRequest(options, separator);
  const auto* parts = std::get_if<cli::RatingsRequest>(&request);
  if (parts == nullptr) return 0;

  const bool transformer = (data[0] & 8) != 0;
  const auto windReading = cli::ReadWindOptions({texts[20], texts[19]}, separator);
  const auto* wind = std::get_if<cli::WindChoice>(&windReading);
  if (transformer && wind == nullptr) return 0;

  const design::InputReading reading = design::ReadInputs(typed, separator);
  const auto* inputs = std::get_if<design::DesignInputs>(&reading);
  if (inputs == nullptr) return 0;
  const design::Calculation calculation =
      design::Calculate(*inputs, design::CalculationOptions{parts->Mains.Supply, {}});
  const auto* d = std::get_if<design::Design>(&calculation);
  if (d == nullptr) return 0;

  const std::string json = cli::RenderJson(*d, typed, separator, [&](cli::json::Writer& w) {
    cli::WriteRatingsJson(w, *d, *parts);
    if (transformer) {
      cli::WriteCandidatesJson(w, *d, *parts);
      cli::WriteWindingJson(w, *d, *parts, *wind);
    }
  });
  // An extended value beyond a double's range is still a JSON number, but
  // not one the parser can hold: every exponent is read as 0 (inside a string
  // the change is harmless).
  std::string checked = json;
  for (std::size_t i = 1; i + 1 < checked.size(); ++i) {
    if (checked[i] != 'e' || !IsDigit(checked[i - 1])) continue;
    std::size_t j = i + 1;
    if (checked[j] == '+' || checked[j] == '-') ++j;
    while (j < checked.size() && IsDigit(checked[j])) checked[j++] = '0';
  }
  rapidjson::Document document;
  document.Parse(checked.c_str(), checked.size());
  if (document.HasParseError()) Broken("the JSON does not parse", json);
  for (const char* group : {"ratings", "losses", "protection"}) {
    if (!document.HasMember(group)) Broken("the JSON lacks a group of the ratings", json);
  }

  if (transformer) {
    if (!document.HasMember("transformer_candidates") || !document.HasMember("winding")) {
      Broken("the JSON lacks the transformer's objects", json);
    }
    if (cli::RenderCandidates(*d, *parts, separator).empty() ||
        cli::RenderWinding(*d, *parts, *wind, separator).empty()) {
      Broken("no transformer text", json);
    }
  }

  const std::string columns = cli::RatingsColumns(*d, *parts);
  if (std::count(columns.begin(), columns.end(), ',') !=
      static_cast<long>(cli::EmptyRatingsColumns(*parts).size())) {
    Broken("the ratings columns are not all there", columns);
  }
  if (cli::RenderSelection(*d, *parts, separator).empty()) Broken("no parts table", json);
  return 0;
}
