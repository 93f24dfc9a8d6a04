// Fuzzes the design-file reader: any bytes give a design or an error, never a
// crash; a design that reads writes back to a file that reads the same,
// inputs, settings and the check of a transformer alike.
//
// Input: first byte picks the reader's separator (odd: ',', even: '.') and,
// with its high bit set, wraps the text in kDepth nested arrays, far deeper
// than a recursive parser's stack would take; the rest is the file's text.
// Every message must be free of control characters, whatever the file holds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "design/design_file.h"

namespace {

constexpr std::size_t kDepth = 50000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  using namespace tavro::design;
  const char separator = (data[0] & 1) != 0 ? ',' : '.';
  std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string wrapped;
  if ((data[0] & 0x80) != 0) {
    wrapped = std::string(kDepth, '[') + std::string(text) + std::string(kDepth, ']');
    text = wrapped;
  }
  const DesignFileReading reading = ParseDesignFile(text, separator);
  const auto* file = std::get_if<DesignFile>(&reading);
  if (file == nullptr) {
    // Every refusal can be told to the user, as text, never as terminal
    // controls.
    const std::string message = DescribeDesignFileError("f", std::get<DesignFileError>(reading));
    if (message.empty()) std::abort();
    for (const char c : message) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) std::abort();
    }
    return 0;
  }
  const DesignFileReading again = ParseDesignFile(DesignFileText(*file), separator);
  const auto* same = std::get_if<DesignFile>(&again);
  if (same == nullptr) std::abort();
  const InputTexts& a = file->Inputs;
  const InputTexts& b = same->Inputs;
  if (a.U0 != b.U0 || a.I0 != b.I0 || a.Kp != b.Kp || a.Limbs != b.Limbs || a.Bm != b.Bm ||
      a.Ud != b.Ud || !(file->Settings == same->Settings) || file->Analysis != same->Analysis) {
    std::abort();
  }
  return 0;
}
