// The filter capacitor's voltage over a half period of the mains as the
// method's own pulse gives it (docs/method.md, "Lowest instantaneous
// voltage"): the capacitor takes the rectified current pulse and gives the
// constant load current, so between two pulses it follows
//   v(x) = v(h) + (1/(ω·C))·[(U/Rsum)·∫ i dx − I·(x − h)],
// i the pulse in units of U/Rsum from its start h = π/2 − ψ. Its mean over the
// half period is the mean rectified voltage U; it is lowest where the rising
// pulse passes the load current and highest where the falling one does.
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
