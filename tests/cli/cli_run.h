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

}  // namespace tavro::cli
