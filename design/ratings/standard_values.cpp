#include "design/ratings/standard_values.h"

#include <cmath>

namespace tavro::design::ratings {
namespace {

constexpr long double kRounding = 1e-12L;

// Mantissas ×10, so that every value is an integer times a power of ten.
constexpr int kE6[] = {10, 15, 22, 33, 47, 68, 100};
constexpr int kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82, 100};

bool NotBelow(long double value, long double need) {
  return need <= value * (1.0L + kRounding);
}

// mantissa × 10^(exponent − 1), rounded once.
long double Scaled(int mantissa, int exponent) {
  long double power = 1.0L;
  for (int e = exponent - 1; e > 0; --e) power *= 10.0L;
  for (int e = exponent - 1; e < 0; ++e) power *= 10.0L;
  return exponent - 1 >= 0 ? mantissa * power : mantissa / power;
}

}  // namespace

std::optional<long double> PickSeriesValue(long double need, CapacitanceSeries series) {
  if (!(need >= 1e-30L && need <= 1e30L)) return std::nullopt;
  // The decade: 10^exponent ≤ need < 10^(exponent + 1), found by powers of ten
  // formed exactly (up to their own rounding) rather than by a logarithm.
  int exponent = 0;
  while (need >= Scaled(100, exponent)) ++exponent;
  while (need < Scaled(10, exponent)) --exponent;
  const std::span<const int> mantissas =
      series == CapacitanceSeries::E6 ? std::span<const int>(kE6) : std::span<const int>(kE12);
  // The decade below may hold the value when `need` only just passed its top.
  for (int e = exponent - 1; e <= exponent; ++e) {
    for (int m : mantissas) {
      const long double value = Scaled(m, e);
      if (NotBelow(value, need)) return value;
    }
  }
  return Scaled(100, exponent);
}

std::optional<long double> PickClass(long double need, std::span<const long double> classes) {
  if (!(need > 0.0L) || !std::isfinite(need)) return std::nullopt;
  for (long double c : classes) {
    if (NotBelow(c, need)) return c;
  }
  return std::nullopt;
}

}  // namespace tavro::design::ratings
