// The model's whole load characteristic, for the plot: the rectified voltage
// at every 1 % of the rated current from no load to 120 %, and at every 0.1 %
// below 5 %, where the voltage falls steeply. The points come from the very
// solves of the continuation that fills the load table (one solve every
// 0.1 %), so at the table's 25 currents the curve passes through the table's
// own voltages; each voltage is √2·U2·cos Psi, as in the table.
// See docs/method.md, section "Load characteristic".
#pragma once

#include <vector>

#include "design/calculate.h"
#include "design/load_table.h"
#include "mathem/angle_equations.h"

namespace tavro::design {

inline constexpr int kCurveStride = 10;  // solves per point above 5 %: 1 % steps

struct LoadCurvePoint {
  long double Current;  // A
  long double Voltage;  // V
};

struct LoadCurve {
  std::vector<LoadCurvePoint> Points;  // in rising current, from 0 A
  // The table that the same continuation fills, identical to the design's;
  // at the rated current it shows U0 where the curve has the model's voltage.
  LoadTable Table;
};

LoadCurve BuildLoadCurve(const Design& design, mathem::AngleSolver solve = mathem::SolveAnglesLoad);

}  // namespace tavro::design
