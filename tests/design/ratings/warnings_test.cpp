// Plausibility warnings: which designs raise which, and that each has its text.
#include "design/ratings/warnings.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavro::design::ratings {
namespace {

using enum WarningKind;

struct Case {
  const char* what;
  DesignInputs in;
  std::vector<WarningKind> expected;
};

TEST(PlausibilityWarnings, EachUnusualDesignIsNamed) {
  const Case cases[] = {
      {"worked example", {12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L}, {}},
      {"100 T", {12.0L, 1.0L, 1.0L, 1, 100.0L, 0.7L}, {FluxDensity}},
      {"0.1 T", {12.0L, 1.0L, 1.0L, 1, 0.1L, 0.7L}, {FluxDensity}},
      {"edges of the ranges", {12.0L, 1.0L, 1.0L, 1, 2.0L, 3.0L}, {}},
      {"0.1 V drop", {12.0L, 1.0L, 1.0L, 1, 1.2L, 0.1L}, {DiodeDrop}},
      {"drop a third of U0", {3.0L, 1.0L, 1.0L, 1, 1.2L, 1.0L}, {DiodeDropAgainstU0}},
      {"A above 15",
       {0.03L, 1.0L, 1.0L, 1, 1.2L, 0.7L},
       {DiodeDropAgainstU0, LoadVoltageNotPositive, CoefficientAAbove15}},
      {"pulses overlap", {12.0L, 1.0L, 1.0L, 1, 0.01L, 0.7L}, {FluxDensity, PulsesOverlap}},
  };
  for (const Case& c : cases) {
    const Calculation calc = Calculate(c.in);
    ASSERT_TRUE(std::holds_alternative<Design>(calc)) << c.what;
    EXPECT_EQ(PlausibilityWarnings(std::get<Design>(calc)), c.expected) << c.what;
  }
}

TEST(PlausibilityWarnings, EveryKindHasANameAndAText) {
  for (WarningKind k : {FluxDensity, DiodeDrop, DiodeDropAgainstU0, LoadVoltageNotPositive,
                        PulsesOverlap, CoefficientAAbove15}) {
    EXPECT_NE(WarningName(k), "unknown");
    EXPECT_FALSE(WarningText(k).empty());
  }
}

}  // namespace
}  // namespace tavro::design::ratings
