// The text of one report: 74 lines with the inputs, the design results, the
// nomogram parameters and the load characteristic of the last calculation.
#pragma once

#include <string>
#include <vector>

#include "design/inputs.h"
#include "design/load_table.h"
#include "design/procedure.h"
#include "design/window.h"

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

// Everything a report prints, as text: the inputs of the calculation, the
// result fields as shown, and the load table (formatted here).
struct ReportContent {
  design::InputTexts Inputs;
  std::string Phi, PhiDegrees, Psi, PsiDegrees, Beta, BetaDegrees;  // radians and degrees
  std::string A, B, D, F, H;
  std::string U2, I2, I1, Pframe, Urev, Idrms, Idpk, Cf, CapacitorVoltage;
  design::LoadTable Table;
  char DecimalSeparator = ',';
};

// The content of the last complete calculation: its inputs as they were read,
// the window's result fields and the procedure's load table.
ReportContent ContentOf(const design::DesignWindow& window,
                        const design::DesignProcedure& procedure);

// The 74 lines, UTF-8, without line ends.
std::vector<std::string> ReportLines(const ReportContent& content, const ReportTime& time,
                                     std::string_view timeSeparator);

// The lines in Windows-1251, each ended by CR LF, as they go into the file.
std::string EncodeReport(const std::vector<std::string>& lines);

}  // namespace tavro::report
