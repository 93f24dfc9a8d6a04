#include "simulation/spice_values.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace tavro::simulation {

std::string SpiceNumber(double value) {
  if (!std::isfinite(value)) throw RejectedValue("a value that is not a finite number");
  std::array<char, 64> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), written.ptr);
}

double RequirePositive(double value, std::string_view what) {
  if (!std::isfinite(value) || value <= 0.0) {
    throw RejectedValue(std::string(what) + " must be a positive finite number");
  }
  return value;
}

double RequireNonNegative(double value, std::string_view what) {
  if (!std::isfinite(value) || value < 0.0) {
    throw RejectedValue(std::string(what) + " must be zero or a positive finite number");
  }
  return value;
}

namespace {

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The scale a SPICE suffix stands for, or 0 when the rest is not a suffix.
double Scale(std::string_view rest) {
  std::string s;
  for (char c : rest) s += Lower(c);
  if (s.empty()) return 1.0;
  if (s == "t") return 1e12;
  if (s == "g") return 1e9;
  if (s == "meg") return 1e6;
  if (s == "k") return 1e3;
  if (s == "m") return 1e-3;
  if (s == "u") return 1e-6;
  if (s == "n") return 1e-9;
  if (s == "p") return 1e-12;
  if (s == "f") return 1e-15;
  return 0.0;
}

}  // namespace

double ParseSpiceNumber(std::string_view text) {
  const auto bad = [&] { return RejectedValue("\"" + std::string(text) + "\" is not a number"); };
  if (text.empty() || text.front() == '+') throw bad();
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto read = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (read.ec != std::errc{}) throw bad();
  const double scale = Scale(std::string_view(read.ptr, static_cast<std::size_t>(end - read.ptr)));
  if (scale == 0.0) throw bad();
  value *= scale;
  if (!std::isfinite(value)) throw bad();
  return value;
}

}  // namespace tavro::simulation
