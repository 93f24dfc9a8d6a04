#include "mathem/givens.h"

#include <gtest/gtest.h>

#include <cfenv>

#include "common/extended_assertions.h"
#include "mathem/faults.h"

namespace tavro::mathem {
namespace {

constexpr long double kUntouched = 12345.0L;

struct Solvable {
  const char* name;
  Matrix2 M;
  Vector2 b;
  Vector2 x;
};

TEST(SolveLinearGivens, SolvesTheCheckSystems) {
  const Solvable cases[] = {
      {"general", {{{1, 2}, {3, 4}}}, {5, 6}, {-4, 4.5L}},
      {"identity", {{{1, 0}, {0, 1}}}, {5, 6}, {5, 6}},
      // zero pivot with a nonzero entry below it: the rotation swaps the rows
      {"zero pivot", {{{0, 2}, {3, 4}}}, {5, 6}, {-4.0L / 3.0L, 2.5L}},
  };
  for (const Solvable& c : cases) {
    SCOPED_TRACE(c.name);
    Vector2 x{};
    SolveLinearGivens(c.M, c.b, x);
    EXPECT_NEAR_X(x[0], c.x[0], 1e-17L);
    EXPECT_NEAR_X(x[1], c.x[1], 1e-17L);
  }
}

TEST(SolveLinearGivens, IdentityIsExact) {
  Vector2 x{};
  SolveLinearGivens({{{1, 0}, {0, 1}}}, {0.1L, -7e300L}, x);
  EXPECT_EQ(x[0], 0.1L);
  EXPECT_EQ(x[1], -7e300L);
}

struct Singular {
  const char* name;
  Matrix2 M;
  Vector2 b;
  int flag;
  bool secondWritten;  // x[1] is solved before the fault at x[0]
  long double second;
};

TEST(SolveLinearGivens, ZeroPivotsFaultAtTheFailingUnknown) {
  const Singular cases[] = {
      {"zero first column", {{{0, 1}, {0, 1}}}, {5, 6}, FE_DIVBYZERO, true, 6},
      {"zero first column, 0/0", {{{0, 1}, {0, 1}}}, {5, 5}, FE_INVALID, true, 5},
      {"singular", {{{1, 2}, {2, 4}}}, {5, 6}, FE_DIVBYZERO, false, kUntouched},
      {"singular, 0/0", {{{1, 2}, {2, 4}}}, {1, 2}, FE_INVALID, false, kUntouched},
      // squares that underflow give r = 0, and s = -g/r divides by zero
      {"underflowing squares", {{{1e-2500L, 1}, {1e-2500L, 2}}}, {1, 1}, FE_DIVBYZERO, false,
       kUntouched},
  };
  for (const Singular& c : cases) {
    SCOPED_TRACE(c.name);
    Vector2 x{kUntouched, kUntouched};
    try {
      SolveLinearGivens(c.M, c.b, x);
      ADD_FAILURE() << "no fault";
    } catch (const FloatingPointFault& fault) {
      EXPECT_NE(fault.Flags() & c.flag, 0) << fault.what();
    }
    EXPECT_EQ(x[0], kUntouched);
    EXPECT_EQ(x[1], c.second);
  }
}

TEST(SolveLinearGivens, LeavesTheCallersFlagsAsTheyWere) {
  std::feclearexcept(FE_ALL_EXCEPT);
  std::feraiseexcept(FE_OVERFLOW);
  Vector2 x{};
  // A fault raised before the call is not this routine's: it solves normally.
  EXPECT_NO_THROW(SolveLinearGivens({{{2, 0}, {0, 2}}}, {1, 1}, x));
  EXPECT_NE(std::fetestexcept(FE_OVERFLOW), 0);
  std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace tavro::mathem
