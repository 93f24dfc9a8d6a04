// The filter capacitor's voltage over a mains period as the method's own
// circuit gives it: the pulses of both diode pairs (half a period apart)
// charge the calculated capacitance and the rated current discharges it, so
//   u(x) = U0 + (1/(ω·Cf))·∫(i_rectified − I0) dx,
// with the constant chosen so that u's mean over the period is the rated
// voltage U0. Its highest and lowest values and their difference are the
// method's own peak-to-peak ripple (6 % to 11 % above 2·Kp·U0 for realistic
// designs, since the capacitor charges in a short pulse and discharges
// linearly) and the lowest instantaneous voltage of the output.
// See docs/method.md, section "Limits of the method".
#pragma once

#include <optional>

#include "design/calculate.h"

namespace tavro::design {

struct CapacitorVoltageRange {
  long double Max;         // V
  long double Min;         // V
  long double PeakToPeak;  // Max − Min, V
};

// The operating point of the method's circuit the shape follows from; a
// design's own is its rated point (PulseCircuitOf).
struct PulseCircuit {
  long double Psi, Phi, Beta;  // rad, the pulse's angles
  long double U0;              // mean rectified voltage, V
  long double I0;              // load current, A
  long double Rsum;            // path resistance, ohm
  long double Cf;              // filter capacitance, µF
  long double Omega;           // mains angular frequency, rad/s
};

PulseCircuit PulseCircuitOf(const Design& design);

// Throws FloatingPointFault (mathem/faults.h) for values that raise one;
// a capacitance or frequency not above zero gives no range (std::nullopt).
std::optional<CapacitorVoltageRange> CapacitorVoltage(const PulseCircuit& circuit);
std::optional<CapacitorVoltageRange> CapacitorVoltage(const Design& design);

}  // namespace tavro::design
