// The stored constants against the digits the calculation has always printed
// for them: a mistyped digit in a long literal shows here.
#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "design/mains.h"
#include "mathem/extended.h"

namespace tavro::mathem {
namespace {

std::string Digits(long double value, int significant) {
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                               significant);
  return std::string(buffer, r.ptr);
}

TEST(Constants, AreTheNearestExtendedValues) {
  EXPECT_EQ(Digits(kPi, 20), "3.1415926535897932385");
  EXPECT_EQ(Digits(kHalfPi, 20), "1.5707963267948966193");
  EXPECT_EQ(Digits(kQuarterPi, 20), "0.78539816339744830963");
  EXPECT_EQ(Digits(kInvPi, 20), "0.31830988618379067154");
  EXPECT_EQ(Digits(kInvTwoPi, 20), "0.15915494309189533577");
  EXPECT_EQ(Digits(kOneThird, 20), "0.33333333333333333334");
  EXPECT_EQ(kOneThird, 1.0L / 3.0L);
  EXPECT_EQ(kHalfPi, kPi / 2);
  EXPECT_EQ(kQuarterPi, kPi / 4);
  EXPECT_EQ(kInvTwoPi, kInvPi / 2);
  // The default mains: ω and 1/U1 are the nearest extended values of 100π and 1/220.
  EXPECT_EQ(design::Mains{}.AngularFrequency(), 314.159265358979323846264338327950288L);
  EXPECT_EQ(design::Mains{}.InverseVoltage(), 0.00454545454545454545454545454545454545L);
}

}  // namespace
}  // namespace tavro::mathem
