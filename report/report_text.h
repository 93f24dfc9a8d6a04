// The text of one report: 74 lines with the inputs, the design results, the
// nomogram parameters and the load characteristic of the last calculation.
#pragma once

#include <string>
#include <vector>

#include "design/calculate.h"
#include "design/inputs.h"
#include "design/procedure.h"
#include "design/quantities.h"

namespace tavro::report {

inline constexpr int kReportLines = 74;

// The local date and time of the save.
struct ReportTime {
  int Day;
  int Month;
  int Year;
  int Hour;
  int Minute;
};

// Everything a report prints: the inputs of the calculation as they were
// typed and the complete design, whose numbers are written here in the same
// display form as everywhere else.
struct ReportContent {
  design::InputTexts Inputs;
  design::Design Design;
  char DecimalSeparator = ',';
};

// A quantity of the content's design in its display form.
std::string Shown(const ReportContent& content, design::Quantity quantity,
                  design::Form form = design::Form::Value);

// The mains the design was calculated for, as the mains settings show them
// ("50", "220"; "59,5" with a decimal part).
std::string MainsFrequency(const ReportContent& content);
std::string MainsVoltage(const ReportContent& content);

// The content of the design the window shows: its inputs as they were read
// and the design itself. Only while the procedure has a complete design.
ReportContent ContentOf(const design::DesignProcedure& procedure);

// The 74 lines, UTF-8, without line ends.
std::vector<std::string> ReportLines(const ReportContent& content, const ReportTime& time,
                                     std::string_view timeSeparator);

// The lines in Windows-1251, each ended by CR LF, as they go into the file.
std::string EncodeReport(const std::vector<std::string>& lines);

}  // namespace tavro::report
