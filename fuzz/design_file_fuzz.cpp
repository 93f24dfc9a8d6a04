// Fuzzes the design-file reader: any bytes give a design or an error, never a
// crash; a design that reads writes back to a file that reads the same.
//
// Input: first byte picks the reader's separator (odd: ',', even: '.'); the
// rest is the file's text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "design/design_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  using namespace tavro::design;
  const char separator = (data[0] & 1) != 0 ? ',' : '.';
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const DesignFileReading reading = ParseDesignFile(text, separator);
  const auto* file = std::get_if<DesignFile>(&reading);
  if (file == nullptr) {
    // Every refusal can be told to the user.
    if (DescribeDesignFileError("f", std::get<DesignFileError>(reading)).empty()) std::abort();
    return 0;
  }
  const DesignFileReading again = ParseDesignFile(DesignFileText(*file), separator);
  const auto* same = std::get_if<DesignFile>(&again);
  if (same == nullptr) std::abort();
  const InputTexts& a = file->Inputs;
  const InputTexts& b = same->Inputs;
  if (a.U0 != b.U0 || a.I0 != b.I0 || a.Kp != b.Kp || a.Limbs != b.Limbs || a.Bm != b.Bm ||
      a.Ud != b.Ud) {
    std::abort();
  }
  return 0;
}
