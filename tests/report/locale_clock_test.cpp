#include "report/locale_clock.h"

#include <gtest/gtest.h>

namespace tavro::report {
namespace {

TEST(LocaleRules, SeparatorsFromTheLocalesTexts) {
  EXPECT_EQ(DecimalSeparatorOf(","), ',');
  EXPECT_EQ(DecimalSeparatorOf("."), '.');
  EXPECT_EQ(DecimalSeparatorOf("\xD9\xAB"), '.');  // Arabic decimal separator: two bytes
  EXPECT_EQ(DecimalSeparatorOf(""), '.');
  // The C library's and the toolkit's notations, 12- and 24-hour clocks.
  const std::pair<const char*, const char*> formats[] = {
      {"%H:%M:%S", ":"}, {"%H.%M", "."},    {"%l:%M %p", ":"}, {"%T", ":"}, {"HH:mm", ":"},
      {"h.mm AP", "."},  {"H 'h' mm", " "}, {"HH'h'mm", ":"},  {"", ":"},
  };
  for (const auto& [format, separator] : formats) {
    EXPECT_EQ(TimeSeparatorOf(format), separator) << format;
  }
}

}  // namespace
}  // namespace tavro::report
