// What the program takes from the user's environment: the locale's decimal
// and time separators, and the time a report is dated with. The window and
// the command-line tool both ask here.
#pragma once

#include <optional>
#include <string>

#include "report/report_text.h"

namespace tavro::report {

// The decimal separator of the user's numeric locale ("." when the locale is
// unknown or its separator is not a single character).
char UserDecimalSeparator();

// The separator between hours and minutes in the user's time format (":"
// when it cannot be told).
std::string UserTimeSeparator();

// SOURCE_DATE_EPOCH (seconds since 1970, as UTC so the bytes do not depend on
// the time zone) when it is set, else the local time now. Nothing when
// SOURCE_DATE_EPOCH is not such a number.
std::optional<ReportTime> ReportTimeNow();

inline constexpr const char* kBadSourceDateEpoch =
    "SOURCE_DATE_EPOCH must be a number of seconds since 1970";

}  // namespace tavro::report
