// Floating-point faults of the numerical routines.
// See docs/method.md, section "Numbers and floating-point faults".
#include "mathem/faults.h"

#include <exception>

namespace tavro::mathem {
namespace {

std::string Describe(int flags) {
  std::string text = "floating-point fault:";
  if (flags & FE_INVALID) text += " invalid operation";
  if (flags & FE_DIVBYZERO) text += " division by zero";
  if (flags & FE_OVERFLOW) text += " overflow";
  return text;
}

}  // namespace

FloatingPointFault::FloatingPointFault(int raisedFlags)
    : NumericalFailure(Describe(raisedFlags)), flags_(raisedFlags) {}

FaultScope::FaultScope() : inFlight_(std::uncaught_exceptions()) {
  if (std::fetestexcept(kTrappedFlags) == 0) return;
  restore_ = true;
  std::fegetexceptflag(&saved_, FE_ALL_EXCEPT);
  std::feclearexcept(FE_ALL_EXCEPT);
}

FaultScope::~FaultScope() {
  if (std::uncaught_exceptions() > inFlight_) {
    // Left by an exception: the caller's flags as they were on entry.
    if (restore_) {
      std::fesetexceptflag(&saved_, FE_ALL_EXCEPT);
    } else {
      std::feclearexcept(kTrappedFlags);
    }
    return;
  }
  if (!restore_) return;
  const int raisedHere = std::fetestexcept(FE_ALL_EXCEPT);
  std::fesetexceptflag(&saved_, FE_ALL_EXCEPT & ~raisedHere);
}

void FaultScope::ThrowIfRaised(bool nan) {
  const int raised = std::fetestexcept(kTrappedFlags) | (nan ? FE_INVALID : 0);
  if (raised != 0) throw FloatingPointFault(raised);
}

}  // namespace tavro::mathem
