// tavro-cli: the design calculation from the command line, over the same
// procedure and in-memory window the tests use.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tavro::cli {

// Exit statuses.
inline constexpr int kExitDesigned = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitInputRejected = 2;
inline constexpr int kExitCalculationFailed = 3;
inline constexpr int kExitReportNotWritten = 4;
inline constexpr int kExitSimulationFailed = 5;  // --simulate or --spice
inline constexpr int kExitDesignFile = 6;        // missing, damaged or foreign design file
inline constexpr int kExitStreamFailed = 7;      // standard input (--batch) or output failed

// args[0] is the program name; in is read only by --batch.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace tavro::cli
