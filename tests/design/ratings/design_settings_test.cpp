#include "design/ratings/design_settings.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tavro::design::ratings {
namespace {

bool SameBits(long double a, long double b) {
  return std::memcmp(&a, &b, 10) == 0;  // the 80 bits, not the padding
}

// Choices written to a file and read back are the very same numbers, so a
// design file gives the same results on every machine; a file that leaves
// an entry out keeps what the caller passed, and one out of range changes
// nothing.
TEST(DesignSettings, ChoicesComeBackBitForBitAndARefusalChangesNothing) {
  SupplyConditions mains;
  mains.Supply = {117.5L, 60.0L};
  mains.Tolerance = 0.15L;
  PartChoices parts;
  parts.CapacitorEsr = 0.031L;
  parts.Series = CapacitanceSeries::E12;
  parts.Diode = "1N5408";
  DesignFile file;
  file.Settings = SettingsOf(mains, parts);
  const DesignFileReading reading = ParseDesignFile(DesignFileText(file), ',');
  ASSERT_TRUE(std::holds_alternative<DesignFile>(reading));
  SupplyConditions m;
  PartChoices p;
  ASSERT_FALSE(TakeSettings(std::get<DesignFile>(reading).Settings, m, p));
  EXPECT_TRUE(SameBits(m.Supply.Voltage, mains.Supply.Voltage));
  EXPECT_TRUE(SameBits(m.Tolerance, mains.Tolerance));
  EXPECT_TRUE(SameBits(p.CapacitanceTolerance, parts.CapacitanceTolerance));
  EXPECT_TRUE(SameBits(p.CapacitorVoltageMargin, 1.2L));  // no double in between
  EXPECT_TRUE(SameBits(*p.CapacitorEsr, 0.031L));
  EXPECT_EQ(p.Series, CapacitanceSeries::E12);
  EXPECT_FALSE(p.SurgeLimit.has_value());
  EXPECT_EQ(p.Diode, "1N5408");

  DesignSettings bad;
  bad.Ambient = 20.0L;
  bad.Diode = "1N4148";  // not in the library
  EXPECT_EQ(TakeSettings(bad, m, p), "parts.diode");
  bad.Diode.reset();
  bad.FuseFactor = 0.5L;
  const PartChoices before = p;
  EXPECT_EQ(TakeSettings(bad, m, p), "parts.fuse_factor");
  EXPECT_TRUE(SameBits(p.Ambient, before.Ambient));
}

}  // namespace
}  // namespace tavro::design::ratings
