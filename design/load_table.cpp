#include "design/load_table.h"

#include <cmath>

#include "design/decimal.h"
#include "design/operating_point.h"
#include "mathem/angle_equations.h"
#include "mathem/angle_trig.h"
#include "mathem/extended.h"
#include "mathem/faults.h"

namespace tavro::design {

using mathem::FaultScope;

namespace {

void VerifyLoadRow(long double psi, long double beta, long double t, long double Phi) {
  const mathem::AngleResiduals r = mathem::LoadResiduals(psi, beta, t, Phi);
  if (!(std::fabs(r.F1) <= kResidualTolerance && std::fabs(r.F2) <= kResidualTolerance)) {
    throw NotConverged("a load-characteristic angle does not solve its equations");
  }
}

}  // namespace

LoadAngles BuildLoadCharacteristic(long double Phi, long double target, mathem::AngleSolver solve,
                                   const ContinuationObserver& observe) {
  LoadAngles angles;
  angles.Psi[0] = 0.0L;
  int row = 0;
  // The first solve, at t = h, is never stored; every 50th after it is.
  const auto store = [&](int solves, long double t, long double psi, long double beta) {
    if (solves % kStepsPerRow != 0) return;
    VerifyLoadRow(psi, beta, t, Phi);
    // More load current starts conduction earlier: ψ grows from row to
    // row, and conduction cannot start half a period early (ψ below π).
    // A row outside that has a solution of another branch, which Newton
    // can land on once ψ has run past π/2 (below the row before, or ψ
    // a whole number of periods on).
    if (!(psi >= angles.Psi[row] && psi < mathem::kPi))
      throw NotConverged("the load continuation left its branch");
    angles.Psi[++row] = psi;
    angles.Beta[row] = beta;
  };
  const auto step = [&](int solves, long double t, long double psi, long double beta) {
    store(solves, t, psi, beta);
    if (observe) observe(solves, t, psi, beta);
  };
  angles.Solves =
      Continue({"load continuation", solve, target, kLoadSteps, ContinuationEnd::AllSteps}, Phi,
               step)
          .Solves;
  return angles;
}

LoadTable FillLoadTable(long double I0, long double U0, long double U2, long double Rsum,
                        long double Phi, mathem::AngleSolver solve,
                        const ContinuationObserver& observe) {
  FaultScope faults;
  LoadTable t;
  const long double factor = Rsum / (2.0L * U2);

  t.Current[0] = 0.0L;
  t.CurrentStep = 0.05L * I0;
  for (int k = 1; k < kLoadRows; ++k) t.Current[k] = k * t.CurrentStep;
  t.Current[kRatedRow] = I0;

  for (int k = 1; k < kLoadRows; ++k) t.Gamma[k] = factor * t.Current[k];
  t.Gamma[0] = 0.0L;

  t.Psi = BuildLoadCharacteristic(Phi, t.Gamma[kLoadRows - 1], solve, observe).Psi;

  const long double sqrt2 = std::sqrt(2.0L);
  for (int k = 1; k < kLoadRows; ++k) t.Voltage[k] = mathem::RoundedCos(t.Psi[k]) * (sqrt2 * U2);
  t.Voltage[0] = sqrt2 * U2;
  t.RatedRowModelVoltage = t.Voltage[kRatedRow];
  t.Voltage[kRatedRow] = U0;

  for (int k = 1; k < kLoadRows; ++k) t.Sqrt2CosPsi[k] = mathem::RoundedCos(t.Psi[k]) * sqrt2;
  t.Sqrt2CosPsi[0] = sqrt2;

  faults.Check(t);
  return t;
}

std::string PercentText(int row) {
  return std::to_string(5 * row) + "%";
}

LoadRowTexts FormatLoadRow(const LoadTable& table, int row, char separator) {
  return {FormatResult(table.Current[row], separator), FormatResult(table.Voltage[row], separator),
          FormatResult(table.Gamma[row], separator),
          FormatResult(table.Sqrt2CosPsi[row], separator), PercentText(row)};
}

}  // namespace tavro::design
