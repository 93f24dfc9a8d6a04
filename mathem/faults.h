// Failures of the numerical routines.
//
// A floating-point fault (invalid operation, division by zero, overflow) must
// end a routine as if the hardware had trapped at the faulting operation. The
// routines run with the status flags of <cfenv>: a FaultScope starts with no
// fault raised, and every value a routine hands out (an output argument, a
// result) is first passed through FaultScope::Check, which throws
// FloatingPointFault if a fault has been raised since. So nothing is stored
// after a fault. Underflow, denormal operands and inexact results stay silent.
// See docs/method.md, section "Numbers and floating-point faults".
#pragma once

#include <cfenv>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace tavro::mathem {

// Any failure of a numerical routine; the design calculation catches this.
class NumericalFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FloatingPointFault : public NumericalFailure {
 public:
  explicit FloatingPointFault(int raisedFlags);
  int Flags() const { return flags_; }

 private:
  int flags_;
};

inline constexpr int kTrappedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// On exit the flags are the caller's plus those raised inside, so an enclosing
// scope still sees them. A fault the caller had already raised is not this
// scope's: the flags are then saved and cleared on entry and merged back on
// exit. Otherwise nothing needs saving (a scope's cost is one read of the
// flags and of the count of exceptions in flight; the Newton steps open many).
// A scope left by an exception hands back the caller's flags alone: nothing
// computed inside is stored, and the exception says what failed. A caller
// that catches a numerical failure and goes on without that value (a figure
// shown as not computed) is then not failed by the flags the failure left.
class FaultScope {
 public:
  FaultScope();
  ~FaultScope();
  FaultScope(const FaultScope&) = delete;
  FaultScope& operator=(const FaultScope&) = delete;

  // Throws FloatingPointFault when a trapped fault was raised in this scope.
  // The values about to be stored are pinned first, so the compiler cannot
  // move their computation past the test.
  // A NaN among them counts as an invalid operation even where no flag was
  // raised: MinGW-w64's sqrtl, for one, returns NaN for a negative argument
  // without raising it.
  template <typename... Values>
  void Check(const Values&... values) const {
    (Pin(values), ...);
    ThrowIfRaised((IsNan(values) || ...));
  }

 private:
  template <typename Value>
  static void Pin(const Value& value) {
    __asm__ volatile("" : : "m"(value) : "memory");
  }
  template <typename Value>
  static bool IsNan(const Value& value) {
    if constexpr (std::is_floating_point_v<Value>) {
      return value != value;
    } else {
      return false;
    }
  }
  static void ThrowIfRaised(bool nan);

  std::fexcept_t saved_{};
  bool restore_ = false;
  int inFlight_;
};

}  // namespace tavro::mathem
