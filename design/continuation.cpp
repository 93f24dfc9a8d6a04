#include "design/continuation.h"

#include <cmath>
#include <string>

#include "mathem/extended.h"

namespace tavro::design {

void RequireConverged(const mathem::NewtonTrace& trace, const char* continuation) {
  if (!trace.Converged) {
    throw NotConverged(std::string("a Newton solve of the ") + continuation + " did not converge");
  }
}

ContinuationResult Continue(const ContinuationPlan& plan, long double Phi,
                            const ContinuationObserver& observe) {
  if (plan.Steps < 1) throw NotConverged(std::string("the ") + plan.Name + " has no steps");
  mathem::FaultScope faults;
  const mathem::ImpedanceAngle phi = mathem::ImpedanceAngleOf(Phi);
  const long double h = plan.Target / plan.Steps;
  const auto nearTarget = [&](long double x) {
    return std::fabs(x - plan.Target) <= mathem::kStepTolerance;
  };
  ContinuationResult r{1.0L, plan.Target > 15.0L ? 4.0L : 3.0L, h, 0};
  mathem::NewtonTrace trace;
  for (;;) {
    const long double psi0 = r.Psi;
    const long double beta0 = r.Beta;
    plan.Solve(r.Psi, r.Beta, r.X, phi, psi0, beta0, &trace);
    RequireConverged(trace, plan.Name);
    ++r.Solves;
    if (observe) observe(r.Solves, r.X, r.Psi, r.Beta);
    if (plan.End == ContinuationEnd::NearTarget && r.Solves >= 2 && nearTarget(r.X)) break;
    if (r.Solves >= plan.Steps) {
      if (nearTarget(r.X)) break;
      throw NotConverged(std::string("the ") + plan.Name + " missed its target");
    }
    // x advances by repeated addition, not as k·h.
    r.X = r.X + h;
  }
  faults.Check(r);
  return r;
}

}  // namespace tavro::design
