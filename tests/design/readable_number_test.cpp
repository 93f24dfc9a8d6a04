#include "design/readable_number.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavro::design {
namespace {

// "\u00a0" is the no-break space between a number and its unit.
TEST(ReadableNumber, EdgesOfRoundingPrefixesAndSigns) {
  const struct {
    long double value;
    Unit unit;
    const char* shown;
  } cases[] = {
      {2.8581430488L, Unit::Ampere, "2,86\u00a0А"},
      {0.0L, Unit::Volt, "0,00\u00a0В"},
      {-0.0L, Unit::Volt, "0,00\u00a0В"},
      {-2.8581430488L, Unit::Ampere, "-2,86\u00a0А"},
      {143.21L, Unit::Degree, "143,2°"},
      {17.758L, Unit::Volt, "17,8\u00a0В"},
      {999.96L, Unit::Volt, "1,00\u00a0кВ"},  // rounds up to the next prefix
      {999.94L, Unit::Volt, "999,9\u00a0В"},
      {9.996L, Unit::Volt, "10,0\u00a0В"},
      {0.0858L, Unit::Ampere, "85,8\u00a0мА"},
      {0.00099996L, Unit::Ampere, "1,00\u00a0мА"},
      {1e-12L, Unit::Henry, "1,00\u00a0пГн"},
      {4e-15L, Unit::Henry, "4,00E-15\u00a0Гн"},  // below pico
      {1e9L, Unit::Watt, "1,00\u00a0ГВт"},
      {2.5e12L, Unit::Watt, "2500\u00a0ГВт"},  // above giga: plain digits
      {19844.3e-6L, Unit::Farad, "19\u00a0844\u00a0мкФ"},  // capacitors in µF
      {1.5e-6L, Unit::Farad, "1,50\u00a0мкФ"},
      {4.7e-9L, Unit::Farad, "4,70\u00a0нФ"},
      {2.2L, Unit::Farad, "2,20\u00a0Ф"},
      {1.25L, Unit::Percent, "1,25\u00a0%"},
      {12345.6L, Unit::Percent, "12\u00a0346\u00a0%"},
      {40.0L, Unit::Celsius, "40,0\u00a0°C"},
      {1234.0L, Unit::None, "1234"},
      {0.085849L, Unit::None, "0,0858"},  // plain below 1: still three digits
      {-0.5L, Unit::Percent, "-0,500\u00a0%"},
      {0.0099996L, Unit::None, "0,01000"},  // rounds into the next decade
      {std::numeric_limits<long double>::infinity(), Unit::Volt, "—"},
      {std::numeric_limits<long double>::quiet_NaN(), Unit::Volt, "—"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatReadable(c.value, c.unit, ','), c.shown) << static_cast<double>(c.value);
  }
  EXPECT_EQ(FormatReadable(0.0858L, Unit::Ampere, '.'), "85.8\u00a0мА");
  const auto english = [](const char*, std::string_view s) {
    return s == "мА" ? std::string("mA") : s == "м" ? std::string("m") : s == "А" ? "A" : "?";
  };
  EXPECT_EQ(FormatReadable(0.0858L, Unit::Ampere, '.', english), "85.8\u00a0mA");
}

}  // namespace
}  // namespace tavro::design
