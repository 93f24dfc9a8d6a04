#include "mathem/faults.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace tavro::mathem {
namespace {

// What a scope sees and what the caller finds afterwards, for the flags a
// caller may already have raised.
struct FlagCase {
  const char* name;
  int raisedBefore;  // by the caller, before the scope opens
  int raisedInside;  // inside the scope, before Check
  bool throws;
};

const FlagCase kFlagCases[] = {
    {"clean, nothing inside", 0, 0, false},
    {"clean, fault inside", 0, FE_DIVBYZERO, true},
    {"inexact before, fault inside", FE_INEXACT, FE_OVERFLOW, true},
    {"inexact before, underflow inside", FE_INEXACT, FE_UNDERFLOW, false},
    {"caller's fault, nothing inside", FE_OVERFLOW, 0, false},
    {"caller's fault, the same fault inside", FE_OVERFLOW, FE_OVERFLOW, true},
    {"caller's fault, another inside", FE_INVALID, FE_DIVBYZERO, true},
};

TEST(FaultScope, SeesOnlyItsOwnFaultsAndLeavesTheCallersFlagsPlusItsOwn) {
  for (const FlagCase& c : kFlagCases) {
    SCOPED_TRACE(c.name);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (c.raisedBefore != 0) std::feraiseexcept(c.raisedBefore);
    bool threw = false;
    {
      FaultScope scope;
      if (c.raisedInside != 0) std::feraiseexcept(c.raisedInside);
      try {
        scope.Check(1.0L);
      } catch (const FloatingPointFault& fault) {
        threw = true;
        EXPECT_NE(fault.Flags() & c.raisedInside, 0);
      }
    }
    EXPECT_EQ(threw, c.throws);
    const int expected = c.raisedBefore | c.raisedInside;
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT) & (expected | kTrappedFlags), expected);
  }
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(FaultScope, NestedScopesPassAFaultOutward) {
  std::feclearexcept(FE_ALL_EXCEPT);
  FaultScope outer;
  {
    FaultScope inner;
    std::feraiseexcept(FE_INVALID);
    EXPECT_THROW(inner.Check(0.0L), FloatingPointFault);
  }
  EXPECT_THROW(outer.Check(0.0L), FloatingPointFault);
  std::feclearexcept(FE_ALL_EXCEPT);
}

// A routine that fails with a fault, caught by a caller that goes on without
// its value: the caller's own figures are not failed by the flags left, and a
// fault the caller raised itself is still its own.
TEST(FaultScope, AFailureCaughtByTheCallerLeavesNoFlags) {
  const auto failing = [] {
    FaultScope scope;
    std::feraiseexcept(FE_OVERFLOW);
    {
      FaultScope deeper;  // left by the same exception
      std::feraiseexcept(FE_INVALID);
      deeper.Check(0.0L);
    }
  };
  for (const int callersOwn : {0, FE_DIVBYZERO}) {
    SCOPED_TRACE(callersOwn);
    std::feclearexcept(FE_ALL_EXCEPT);
    FaultScope caller;
    if (callersOwn != 0) std::feraiseexcept(callersOwn);
    EXPECT_THROW(failing(), FloatingPointFault);
    EXPECT_EQ(std::fetestexcept(kTrappedFlags), callersOwn);
    if (callersOwn == 0) {
      EXPECT_NO_THROW(caller.Check(1.0L));
    } else {
      EXPECT_THROW(caller.Check(1.0L), FloatingPointFault);
    }
  }
  std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace tavro::mathem
