#include "design/analysis.h"

#include <cmath>
#include <limits>

#include "design/continuation.h"
#include "design/operating_point.h"
#include "mathem/arctangent.h"
#include "mathem/extended.h"
#include "design/run_stage.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"

namespace tavro::design {
namespace {

constexpr long double kNotComputed = std::numeric_limits<long double>::quiet_NaN();
// The load characteristic's own step count: the same walk from light load.
constexpr int kAnalysisSteps = 1200;

bool Positive(long double v) {
  return std::isfinite(v) && v > 0.0L;
}

}  // namespace

AnalysisResult Analyse(const AnalysisInputs& in, AnalysisDepth depth) {
  Failure failure{FailureStage::ModelParameters, {}, 0, kNotComputed, kNotComputed};
  if (!Positive(in.U2) || !Positive(in.Rtr) || !Positive(in.Ls) || !Positive(in.Ud) ||
      !Positive(in.Cf) || !Positive(in.I0) || !Positive(in.Supply.Voltage) ||
      !Positive(in.Supply.Frequency)) {
    failure.Reason = "every figure of the transformer, the diodes, the capacitor and the load "
                     "must be positive";
    return failure;
  }
  Analysis a;
  a.Inputs = in;
  if (!RunStage(FailureStage::ModelParameters, failure, [&] {
        mathem::FaultScope faults;
        // The method's diode: the resistance that drops Ud at three times the
        // mean diode current I0/2.
        a.Rd = in.Ud / (3.0L * (0.5L * in.I0));
        a.Rsum = in.Rtr + 2.0L * a.Rd;
        a.Phi = mathem::ArcTanOf(in.Supply.AngularFrequency() * in.Ls / a.Rsum);
        a.Gamma = a.Rsum * in.I0 / (2.0L * in.U2);
        faults.Check(a.Rd, a.Rsum, a.Phi, a.Gamma);
        failure.Phi = a.Phi;
      }))
    return failure;

  if (!RunStage(FailureStage::LoadContinuation, failure, [&] {
        const ContinuationResult r =
            Continue({"analysis continuation", mathem::SolveAnglesLoad, a.Gamma, kAnalysisSteps,
                      ContinuationEnd::AllSteps},
                     a.Phi);
        const mathem::AngleResiduals f = mathem::LoadResiduals(r.Psi, r.Beta, a.Gamma, a.Phi);
        if (!(std::fabs(f.F1) <= kResidualTolerance && std::fabs(f.F2) <= kResidualTolerance &&
              r.Psi > 0.0L && r.Psi < mathem::kPi / 2.0L && r.Beta > mathem::kPi / 2.0L - r.Psi)) {
          throw NotConverged("the analysis continuation ended off the load equations");
        }
        a.Psi = r.Psi;
        a.Beta = r.Beta;
      }))
    return failure;

  if (!RunStage(FailureStage::Coefficients, failure, [&] {
        mathem::FaultScope faults;
        const long double b = mathem::InvSqrt2Cos(a.Psi);  // U2/U0
        a.U0 = in.U2 / b;
        a.A = in.I0 * a.Rsum / (2.0L * a.U0);
        failure.A = a.A;
        NomogramCoefficients c;
        c.B = b;
        c.D = mathem::RmsCurrentFactor(a.Psi, a.Phi, a.Beta, a.A);
        c.F = mathem::PeakCurrentFactor(a.Psi, a.Phi, a.Beta, a.A);
        c.H = mathem::RippleCapacitance(a.Psi, a.Phi, a.Beta);
        faults.Check(a.U0, a.A, c.D, c.F, c.H);
        a.Coefficients = c;
      }))
    return failure;

  if (!RunStage(FailureStage::Results, failure, [&] {
        mathem::FaultScope faults;
        const NomogramCoefficients& c = a.Coefficients;
        const long double f = in.Supply.Frequency;
        // Cf = 100·H/(Rsum·f·Kp) µF, solved for Kp.
        const long double sqrt2 = std::sqrt(2.0L);
        a.Kp = (c.H * 100.0L) / (a.Rsum * f * in.Cf);
        a.I2 = c.D * in.I0 / sqrt2;
        a.Idrms = c.D * in.I0 * 0.5L;
        a.Idpk = c.F * in.I0 * 0.5L;
        a.Urev = sqrt2 * in.U2;
        a.I1 = a.I2 * (in.U2 * in.Supply.InverseVoltage());
        a.Pframe = in.U2 * a.I2;
        faults.Check(a.Kp, a.I2, a.Idrms, a.Idpk, a.Urev, a.I1, a.Pframe);
      }))
    return failure;

  if (depth == AnalysisDepth::OperatingPointOnly) return a;
  if (!RunStage(FailureStage::LoadContinuation, failure, [&] {
        a.Load = FillLoadTable(in.I0, a.U0, in.U2, a.Rsum, a.Phi);
      }))
    return failure;
  return a;
}

Design AsDesign(const Analysis& a, int limbs, long double bm) {
  const AnalysisInputs& in = a.Inputs;
  Design d;
  d.Inputs = {a.U0, in.I0, a.Kp, limbs, bm, in.Ud};
  d.Supply = in.Supply;
  d.Parameters = {in.Rtr, 0.5L * in.I0, a.Rd, a.Rsum, limbs == 2 ? 0.5L : 1.0L, in.Ls, a.Phi};
  d.A = a.A;
  d.Point = {a.Psi, a.Beta, kAnalysisSteps};
  d.Coefficients = a.Coefficients;
  d.Results = {in.U2, a.Urev, a.I2, a.Idrms, a.Idpk, in.Cf, in.U2 * in.Supply.InverseVoltage(),
               a.I1, a.Pframe};
  d.Load = a.Load;
  return d;
}

}  // namespace tavro::design
