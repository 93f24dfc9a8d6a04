#include "design/load_curve.h"

#include <cmath>
#include <utility>

#include "mathem/angle_trig.h"
#include "mathem/faults.h"

namespace tavro::design {

LoadCurve BuildLoadCurve(const Design& d, mathem::AngleSolver solve) {
  std::vector<std::pair<int, long double>> solved;  // step, Psi
  LoadCurve curve;
  curve.Table = FillLoadTable(d.Inputs.I0, d.Inputs.U0, d.Results.U2, d.Parameters.Rsum,
                              d.Parameters.Phi, solve,
                              [&](int step, long double, long double Psi, long double) {
                                if (step <= kStepsPerRow || step % kCurveStride == 0) {
                                  solved.emplace_back(step, Psi);
                                }
                              });

  mathem::FaultScope faults;
  const LoadTable& t = curve.Table;
  const long double amplitude = std::sqrt(2.0L) * d.Results.U2;
  curve.Points.push_back({t.Current[0], t.Voltage[0]});
  for (const auto& [step, Psi] : solved) {
    // A table row's own current, else the share of the 5 % step.
    const long double current = step % kStepsPerRow == 0 ? t.Current[step / kStepsPerRow]
                                                          : step * (t.CurrentStep / kStepsPerRow);
    curve.Points.push_back({current, mathem::RoundedCos(Psi) * amplitude});
  }
  faults.Check(curve.Points);
  return curve;
}

}  // namespace tavro::design
