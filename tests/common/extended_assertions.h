// GoogleTest's EXPECT_NEAR works in double; these compare extended values
// without rounding them first, and print them with all their digits.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

namespace tavro::test {

inline std::string Digits(long double value) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 21);
  return std::string(buffer, r.ptr);
}

inline ::testing::AssertionResult NearExtended(const char* actualText, const char* expectedText,
                                               const char* toleranceText, long double actual,
                                               long double expected, long double tolerance) {
  if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << actualText << " = " << Digits(actual) << " differs from " << expectedText << " = "
         << Digits(expected) << " by " << Digits(std::fabs(actual - expected)) << ", more than "
         << toleranceText;
}

}  // namespace tavro::test

#define EXPECT_NEAR_X(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::tavro::test::NearExtended, actual, expected, tolerance)
