// The output's swing at a load point other than the rated one (a corner of
// the mains): the capacitor voltage of the method's own pulse
// (design/ripple_shape.h; docs/method.md, "Lowest instantaneous voltage")
// with the angles, mean voltage and current of that point.
#pragma once

#include "design/calculate.h"

namespace tavro::design::ratings {

struct OutputSwing {
  long double Lowest;   // V, the trough
  long double Highest;  // V
  long double PeakToPeak() const { return Highest - Lowest; }
};

// The swing at the load point (ψ, β) of the design's transformer and filter,
// with mean rectified voltage `meanVoltage` and load current `current`.
// Throws mathem::NumericalFailure on a floating-point fault.
OutputSwing SwingOfPulse(const Design& design, long double Psi, long double Beta,
                         long double meanVoltage, long double current);

}  // namespace tavro::design::ratings
