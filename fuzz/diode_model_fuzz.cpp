// Fuzzes the check of a typed diode .model line: any text either is refused
// with RejectedValue or becomes one canonical line that holds no line end,
// no control character and none of the characters ngspice reads as more
// than a value, and that the check gives back unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "simulation/diode_models.h"
#include "simulation/spice_values.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavro::simulation;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  DiodeModel model;
  try {
    model = ValidateModelLine(text);
  } catch (const RejectedValue&) {
    return 0;
  }
  const std::string& line = model.Line;
  if (line.rfind(".model " + model.Name + " D(", 0) != 0 || line.back() != ')') {
    Fail("not a canonical .model line", line);
  }
  for (char c : line) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u >= 0x80 || c == ';' || c == '$' || c == '{' || c == '}' || c == '\'' ||
        c == '*') {
      Fail("a character that must not reach the simulator", line);
    }
  }
  try {
    const DiodeModel again = ValidateModelLine(line);
    if (again.Line != line || again.Name != model.Name) Fail("not stable when checked again", line);
  } catch (const RejectedValue&) {
    Fail("its own canonical line refused", line);
  }
  return 0;
}
