// tavro-cli's output files (--report, --pdf, --spice) checked together
// before any of them is written, so a run that fails writes nothing, and the
// messages for a file that cannot be written.
#pragma once

#include <optional>
#include <string>

#include "files/whole_file.h"

namespace tavro::cli {

struct OutputTargets {
  std::string Report;  // appended to
  std::string Pdf;     // replaced
  std::string Spice;   // replaced
};

struct TargetRefusal {
  std::string Message;
  int ExitStatus;  // kExitReportNotWritten or kExitSimulationFailed
};

// The first target (report, PDF, netlist) that cannot be written, or
// nothing; empty names are not asked for.
std::optional<TargetRefusal> CheckOutputTargets(const OutputTargets& targets);

// "cannot write ... FILE: reason" in the language in use.
std::string ReportNotWritten(const std::string& path, const files::FileError& error);
std::string PdfNotWritten(const std::string& path, const files::FileError& error);
std::string NetlistNotWritten(const std::string& path, const files::FileError& error);

}  // namespace tavro::cli
