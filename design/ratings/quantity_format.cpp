#include "design/ratings/quantity_format.h"

#include <charconv>
#include <cmath>

namespace tavro::design::ratings {
namespace {

std::string WithSeparator(std::string text, char separator) {
  for (char& c : text) {
    if (c == '.') c = separator;
  }
  return text;
}

std::string Fixed(long double value, int decimals) {
  char buffer[128];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, written.ptr);
}

}  // namespace

std::string FormatQuantity(long double value, char separator) {
  if (!std::isfinite(value)) return "—";
  const long double magnitude = std::fabs(value);
  int decimals = 0;
  if (magnitude < 10.0L) decimals = 2;
  if (magnitude < 1.0L) {
    // Three significant digits: one more decimal per decade below 1.
    decimals = 2;
    for (long double edge = 1.0L;
         magnitude > 0.0L && magnitude < edge * (1.0L - 5e-4L) && decimals < 30; edge /= 10.0L) {
      ++decimals;
    }
  } else if (magnitude < 100.0L && magnitude >= 10.0L) {
    decimals = 1;
  }
  return WithSeparator(Fixed(value, decimals), separator);
}

std::string FormatStandard(long double value, char separator) {
  // Standard values have at most two significant digits; rounding to a few
  // digits first drops the binary representation's tail.
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                     std::chars_format::general, 6);
  return WithSeparator(std::string(buffer, written.ptr), separator);
}

}  // namespace tavro::design::ratings
