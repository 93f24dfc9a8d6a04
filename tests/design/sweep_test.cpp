// A deterministic sweep over the input space, extremes included: every press
// ends in a complete design or exactly one message, and never shows a value
// that is not a number.
#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "common/outcome_rule.h"
#include "design/operating_point.h"
#include "design/worked_example.h"

namespace tavro::design {
namespace {

// Smallest and largest accepted magnitudes, the ends of a realistic design,
// and values far beyond them.
constexpr const char* kTiniest = "3,6452E-4951";  // the smallest denormal
constexpr const char* kLargest = "1,18973E+4932";

const char* const kVoltages[] = {kTiniest, "1e-4000", "0,01",   "1",     "12",
                                 "1000",   "1e9",     "1e4000", kLargest};
const char* const kCurrents[] = {"0,02", "1", "10", "1000", "1e4000", kLargest};
const char* const kRipples[] = {kTiniest, "1", "15"};
const char* const kFluxes[] = {kTiniest, "1e-4000", "0,01", "1,2", "1e4000"};
const char* const kDrops[] = {kTiniest, "0,7", "1,5", "1e4000"};

class Sweep : public ::testing::TestWithParam<const char*> {};

TEST_P(Sweep, EveryPressKeepsTheOutcomeRule) {
  int index = 0;
  int complete = 0;
  for (const char* current : kCurrents) {
    for (const char* flux : kFluxes) {
      for (const char* drop : kDrops) {
        for (int limbs : {1, 2}) {
          const char* ripple = kRipples[index++ % 3];
          MemoryWindow window;
          DesignProcedure procedure(',');
          procedure.FormCreate(window);
          test::TypeInputs(window, GetParam(), current, ripple, limbs, flux, drop);
          const ClickOutcome outcome = procedure.Button1Click(window);
          complete += outcome == ClickOutcome::Complete;
          const std::string broken = test::CheckOutcome(outcome, window, procedure);
          EXPECT_TRUE(broken.empty())
              << broken << " for U0 " << GetParam() << ", I0 " << current << ", Kp " << ripple
              << ", limbs " << limbs << ", Bm " << flux << ", Ud " << drop;
        }
      }
    }
  }
  // The sweep must reach complete designs, not only failures.
  const std::string voltage = GetParam();
  if (voltage == "1" || voltage == "12" || voltage == "1000") {
    EXPECT_GT(complete, 10);
  }
}

INSTANTIATE_TEST_SUITE_P(Voltages, Sweep, ::testing::ValuesIn(kVoltages));

// Every realistic design (5 to 1000 V, 0.02 to 50 A, 0.8 to 1.8 T, 0.3 to
// 1.5 V, one or two limbs) is solved: the checks that refuse an unsolved
// operating point must never refuse one of these. (Calculate verifies the
// rated point and every load row itself.)
class RealisticDesigns : public ::testing::TestWithParam<const char*> {};

TEST_P(RealisticDesigns, AreAllCompleted) {
  for (const char* current : {"0.02", "0.05", "0.2", "1", "3", "10", "50"}) {
    for (const char* flux : {"0.8", "1.2", "1.8"}) {
      for (const char* drop : {"0.3", "0.7", "1.5"}) {
        for (int limbs : {1, 2}) {
          const InputTexts typed{GetParam(), current, "1", std::to_string(limbs), flux, drop};
          const Calculation c = Calculate(std::get<DesignInputs>(ReadInputs(typed, '.')));
          const auto* failure = std::get_if<Failure>(&c);
          EXPECT_EQ(failure, nullptr)
              << "U0 " << GetParam() << ", I0 " << current << ", limbs " << limbs << ", Bm " << flux
              << ", Ud " << drop << ": " << (failure ? failure->Reason : "");
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Voltages, RealisticDesigns,
                         ::testing::Values("5", "7", "12", "24", "48", "110", "300", "1000"));

std::string Exact(long double value) {
  char buffer[64];
  const auto r =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 21);
  return std::string(buffer, r.ptr);
}

TEST(SweepAroundTheLimitOfA, JustOverIsRefusedJustUnderIsCalculated) {
  // With 1 A, one limb, 1.2 T and 0.7 V, A falls as U0 rises; find U0 for A = 20.
  const auto coefficient = [](long double u0) {
    const DesignInputs in{u0, 1, 1, 1, 1.2L, 0.7L};
    return LoadCoefficient(in, DeriveModelParameters(in).Rsum);
  };
  long double low = 0.01L, high = 1.0L;
  for (int i = 0; i < 200; ++i) {
    const long double mid = (low + high) / 2;
    (coefficient(mid) > 20 ? low : high) = mid;
  }
  ASSERT_GT(coefficient(low), 20.0L);
  ASSERT_LE(coefficient(high), 20.0L);

  for (const long double u0 : {low, high, high * (1 + 1e-12L), high * 1.01L}) {
    MemoryWindow window;
    DesignProcedure procedure('.');
    procedure.FormCreate(window);
    const std::string text = Exact(u0);
    test::TypeInputs(window, text.c_str(), "1", "1", 1, "1.2", "0.7");
    const ClickOutcome outcome = procedure.Button1Click(window);
    const std::string broken = test::CheckOutcome(outcome, window, procedure);
    EXPECT_TRUE(broken.empty()) << broken << " for U0 " << text;
    if (u0 == low) {
      EXPECT_EQ(outcome, ClickOutcome::CoefficientRefused) << text;
    } else {
      EXPECT_NE(outcome, ClickOutcome::CoefficientRefused) << text;
    }
  }
}

}  // namespace
}  // namespace tavro::design
