#include "design/calculate.h"

#include <limits>

#include "design/run_stage.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"

namespace tavro::design {
namespace {

constexpr long double kNotComputed = std::numeric_limits<long double>::quiet_NaN();

}  // namespace

Calculation Calculate(const DesignInputs& in, const CalculationOptions& options) {
  Design d;
  d.Inputs = in;
  d.Supply = options.Supply;
  Failure failure{FailureStage::ModelParameters, {}, 0, kNotComputed, kNotComputed};

  if (!RunStage(FailureStage::ModelParameters, failure, [&] {
        d.Parameters = DeriveModelParameters(in, options.Supply);
        failure.Phi = d.Parameters.Phi;
        d.A = LoadCoefficient(in, d.Parameters.Rsum);
        failure.A = d.A;
      }))
    return failure;
  if (d.A > kMaxCoefficientA) {
    return Failure{FailureStage::CoefficientAbove20, "the load coefficient A is above 20", 0,
                   d.Parameters.Phi, d.A};
  }

  const long double Phi = d.Parameters.Phi;
  if (!RunStage(FailureStage::RatedContinuation, failure, [&] {
        d.Point = TrackRatedPoint(d.A, Phi, options.Solvers.Rated);
        VerifyRatedPoint(d.Point, d.A, Phi);
      }))
    return failure;

  const long double Psi = d.Point.Psi;
  const long double Beta = d.Point.Beta;
  if (!RunStage(FailureStage::Coefficients, failure, [&] {
        mathem::FaultScope faults;
        NomogramCoefficients c;
        c.B = mathem::InvSqrt2Cos(Psi);
        c.D = mathem::RmsCurrentFactor(Psi, Phi, Beta, d.A);
        c.F = mathem::PeakCurrentFactor(Psi, Phi, Beta, d.A);
        c.H = mathem::RippleCapacitance(Psi, Phi, Beta);
        faults.Check(c);
        d.Coefficients = c;
      }))
    return failure;

  if (!RunStage(FailureStage::Results, failure, [&] {
        mathem::FaultScope faults;
        const DesignResults r =
            ComputeDesignResults(in, d.Parameters.Rsum, d.Coefficients, options.Supply);
        faults.Check(r);
        d.Results = r;
      }))
    return failure;

  if (!RunStage(FailureStage::LoadContinuation, failure, [&] {
        d.Load = FillLoadTable(in.I0, in.U0, d.Results.U2, d.Parameters.Rsum, Phi,
                               options.Solvers.Load);
      }))
    return failure;
  return d;
}

const char* StageName(FailureStage stage) {
  switch (stage) {
    case FailureStage::ModelParameters: return "model-parameters";
    case FailureStage::CoefficientAbove20: return "coefficient-above-20";
    case FailureStage::RatedContinuation: return "rated-continuation";
    case FailureStage::Coefficients: return "coefficients";
    case FailureStage::Results: return "results";
    case FailureStage::LoadContinuation: return "load-continuation";
  }
  return "unknown";
}

}  // namespace tavro::design
