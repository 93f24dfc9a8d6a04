// What the program takes from the user's environment: the locale's decimal
// and time separators, and the time a report is dated with. The window and
// the command-line tool both ask here. The window reads its locale through
// the toolkit, whose locale data needs no locale installed on the system;
// the rules that turn a locale's texts into separators are the same.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "report/report_text.h"

namespace tavro::report {

// A locale's decimal point as the program uses it: a single ASCII character,
// else ".".
char DecimalSeparatorOf(std::string_view radix);

// The separator after the hour in a time format, written in the C library's
// ("%H:%M:%S") or the toolkit's ("HH:mm") notation; ":" when it cannot be told.
std::string TimeSeparatorOf(std::string_view format);

// The same for the user's locale as the C library knows it ("." and ":" when
// the environment names a locale that is not installed).
char UserDecimalSeparator();
std::string UserTimeSeparator();

// SOURCE_DATE_EPOCH (seconds since 1970, as UTC so the bytes do not depend on
// the time zone) when it is set, else the local time now. Nothing when
// SOURCE_DATE_EPOCH is not such a number.
std::optional<ReportTime> ReportTimeNow();

inline constexpr const char* kBadSourceDateEpoch =
    "SOURCE_DATE_EPOCH must be a number of seconds since 1970";

}  // namespace tavro::report
