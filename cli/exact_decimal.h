// Numbers in the command line's CSV: the shortest decimal that reads back to
// exactly the computed extended value.
#pragma once

#include <charconv>
#include <string>

namespace tavro::cli {

inline std::string Exact(long double value) {
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

}  // namespace tavro::cli
