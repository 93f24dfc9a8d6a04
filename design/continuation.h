// Continuation in the load parameter: the one way the calculation follows a
// solution of the angle equations from light load to its target.
//
// The parameter t (A for the rated point, γ for the load characteristic)
// rises from target/N to the target in N equal steps, x advancing by repeated
// addition; every Newton solve starts from the solution of the step before,
// the first from ψ = 1 and β = 3 (β = 4 for a target above 15). See
// docs/method.md, section "Continuation".
#pragma once

#include <functional>

#include "mathem/angle_equations.h"
#include "mathem/faults.h"

namespace tavro::design {

// The operating point does not solve its equations (Newton did not converge
// or the continuation did not reach its target).
class NotConverged : public mathem::NumericalFailure {
 public:
  using mathem::NumericalFailure::NumericalFailure;
};

// A continuation relies on every solve starting near its root; a solve that
// runs its 1000 steps without meeting the tolerance has lost the branch, so
// the continuation stops there (rather than spend seconds on a point that
// could not be shown) and throws NotConverged.
void RequireConverged(const mathem::NewtonTrace& trace, const char* continuation);

// When a continuation ends.
enum class ContinuationEnd {
  // At the first solve after the second whose x lies within 1e-10 of the
  // target (for a tiny target before step N); NotConverged if N solves do
  // not get there.
  NearTarget,
  // After all N solves, which must end within 1e-10 of the target.
  AllSteps,
};

// What one continuation solves, how far and how it ends.
struct ContinuationPlan {
  const char* Name;  // "rated continuation", for the messages
  mathem::AngleSolver Solve;
  long double Target;
  int Steps;  // N
  ContinuationEnd End;
};

// Called after each converged solve with the solve's number (1 to N), the
// parameter it was solved at and the solution; it may throw to stop the
// continuation.
using ContinuationObserver =
    std::function<void(int solve, long double t, long double psi, long double beta)>;

struct ContinuationResult {
  long double Psi;  // the last solution
  long double Beta;
  long double X;  // the parameter it was solved at
  int Solves;
};

ContinuationResult Continue(const ContinuationPlan& plan, long double Phi,
                            const ContinuationObserver& observe = {});

}  // namespace tavro::design
