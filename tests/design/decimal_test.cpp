#include "design/decimal.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavro::design {
namespace {

struct Accepted {
  const char* text;
  char separator;
  long double value;
};

TEST(ParseDecimal, AcceptsTheFieldSyntax) {
  const Accepted cases[] = {
      {"12", ',', 12},          {"  12  ", ',', 12},     {"2E2", ',', 200},
      {"2e2", '.', 200},        {"2E", ',', 2},          {"2E+", ',', 2},
      {"2e-", '.', 2},          {"-1,5", ',', -1.5L},    {"+,5", ',', 0.5L},
      {",", ',', 0},            {"5,", ',', 5},          {",E5", ',', 0},
      {"1,5e-3", ',', 1.5e-3L}, {"0.1", '.', 0.1L},      {"-0", ',', 0},
      {"007", ',', 7},          {"1E+0004", ',', 1e4L},  {"1e4000", '.', 1e4000L},
      {"1e-4000", '.', 1e-4000L},
      // too small for the type: reads as the nearest value it holds
      {"1e-5000", '.', 0},
  };
  for (const Accepted& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<long double> value = ParseDecimal(c.text, c.separator);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.value);
  }
}

TEST(ParseDecimal, RejectsEverythingElse) {
  const char* const withComma[] = {
      "",      "   ",     "1.5",   "1,5,5", "1 2",   "--1",  "+-1",   "E5",   "e",
      "-",     "+",       "inf",   "nan",   "INF",   "0x10", "1\t",   "\t1",  "1e5000",
      "-1e5000", "1e2,5", "1e+-2", "1,2e3,", "١",    "12 В", "1_000", "1'000", ("\xc2\xa0" "1")};
  for (const char* text : withComma) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParseDecimal(text, ',').has_value());
  }
  EXPECT_FALSE(ParseDecimal("1,5", '.').has_value());
  EXPECT_FALSE(ParseDecimal(std::string_view("1\0", 2), '.').has_value());
}

struct Shown {
  long double value;
  const char* text;
};

TEST(FormatResult, SixSignificantDigitsInExponentForm) {
  const Shown cases[] = {
      {220, "2,20000E+02"},
      {0.05L, "5,00000E-02"},
      {0, "0,00000E+00"},
      {-0.0L, "0,00000E+00"},
      {-1.5L, "-1,50000E+00"},
      {9.999995L, "1,00000E+01"},
      // exactly half-way: away from zero
      {123456.5L, "1,23457E+05"},
      {-123456.5L, "-1,23457E+05"},
      {999999.5L, "1,00000E+06"},
      {9.999994L, "9,99999E+00"},
      {1e100L, "1,00000E+100"},
      {1e-4000L, "1,00000E-4000"},
      {std::numeric_limits<long double>::max(), "1,18973E+4932"},
      {std::numeric_limits<long double>::denorm_min(), "3,64520E-4951"},
  };
  for (const Shown& c : cases) EXPECT_EQ(FormatResult(c.value, ','), c.text);
  EXPECT_EQ(FormatResult(220, '.'), "2.20000E+02");
}

}  // namespace
}  // namespace tavro::design
