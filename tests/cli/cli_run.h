// Runs tavro-cli in-process with the given arguments and standard input.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace tavro::cli {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun Cli(std::vector<std::string> args, const std::string& input = {}) {
  args.insert(args.begin(), "tavro-cli");
  std::ostringstream out, err;
  std::istringstream in(input);
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

// The worked example, 12 V, 1 A, 1 %, one limb, 1.2 T, 0.7 V, with "." as the
// decimal separator.
inline const std::vector<std::string> kWorkedExampleArgs = {"--voltage",
                                                            "12",
                                                            "--current",
                                                            "1",
                                                            "--ripple",
                                                            "1",
                                                            "--limbs",
                                                            "1",
                                                            "--flux",
                                                            "1.2",
                                                            "--diode-drop",
                                                            "0.7",
                                                            "--decimal-separator",
                                                            "."};

// The first Cyrillic letter (UTF-8 lead byte 0xD0..0xD3) and what follows
// it; empty when the text has none.
inline std::string Cyrillic(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0xD0 && c <= 0xD3 && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      return text.substr(i, 80);
    }
  }
  return {};
}

}  // namespace tavro::cli
