#include "design/operating_point.h"

#include <cmath>
#include <string>

#include "mathem/angle_equations.h"
#include "mathem/arctangent.h"
#include "mathem/extended.h"

namespace tavro::design {

using mathem::FaultScope;

ModelParameters DeriveModelParameters(const DesignInputs& in, const Mains& mains) {
  FaultScope faults;
  ModelParameters p;
  // The quotient (f·Limbs·Bm)/(U0·I0) enters Rtr as a factor and Ls as a
  // divisor, raised to the power 1/4 both times: the square root of the
  // square root, two correctly rounded operations. (f·Limbs is exact.)
  const long double f = mains.Frequency;
  const long double limbsFrequency = f * in.Limbs;
  const long double fourthRoot = std::sqrt(std::sqrt(limbsFrequency * in.Bm / (in.U0 * in.I0)));
  p.Rtr = 3.5L * in.U0 / (f * in.I0 * in.Bm) * fourthRoot;
  p.MeanDiodeCurrent = 0.5L * in.I0;
  p.Rd = in.Ud / (3.0L * p.MeanDiodeCurrent);
  p.Rsum = p.Rtr + 2.0L * p.Rd;
  p.Klimb = in.Limbs == 1 ? 1.0L : 0.5L;
  p.Ls = (0.005L * p.Klimb * in.Limbs * in.U0 / (f * in.I0 * in.Bm)) / fourthRoot;
  p.Phi = mathem::ArcTanOf(mains.AngularFrequency() * p.Ls / p.Rsum);
  faults.Check(p);
  return p;
}

long double LoadCoefficient(const DesignInputs& in, long double Rsum) {
  FaultScope faults;
  const long double A = in.I0 * Rsum / (2.0L * in.U0);
  faults.Check(A);
  return A;
}

long double Degrees(long double radians) {
  FaultScope faults;
  const long double degrees = radians * 180.0L * mathem::kInvPi;
  faults.Check(degrees);
  return degrees;
}

RatedPoint TrackRatedPoint(long double A, long double Phi, mathem::AngleSolver solve) {
  // Within 1000 steps x lands within 1e-10 of any A up to 20; a continuation
  // that does not is stopped, not left to run.
  const ContinuationResult r =
      Continue({"rated continuation", solve, A, kRatedSteps, ContinuationEnd::NearTarget}, Phi);
  return {r.Psi, r.Beta, r.Solves};
}

void VerifyRatedPoint(const RatedPoint& point, long double A, long double Phi) {
  const mathem::AngleResiduals r = mathem::RatedResiduals(point.Psi, point.Beta, A, Phi);
  const bool solved =
      std::fabs(r.F1) <= kResidualTolerance && std::fabs(r.F2) <= kResidualTolerance;
  const bool physical =
      point.Psi > 0.0L && point.Psi < mathem::kHalfPi && point.Beta > mathem::kHalfPi - point.Psi;
  if (!solved || !physical)
    throw NotConverged("the rated operating point does not solve its equations");
}

}  // namespace tavro::design
