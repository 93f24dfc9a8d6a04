// The supply mains the transformer's primary is connected to. They enter the
// method in three places: the leakage-inductance and winding-resistance
// estimate (the frequency), the angular frequency ω of the impedance angle
// and the frequency of the filter capacitance, and the primary current (the
// voltage). See docs/method.md, section "Circuit and assumptions".
#pragma once

#include "mathem/extended.h"

namespace tavro::design {

struct Mains {
  long double Voltage = 220.0L;   // rms, V
  long double Frequency = 50.0L;  // Hz

  // ω = 2π·f, rad/s; for 50 Hz exactly the nearest extended value of 100π.
  long double AngularFrequency() const { return 2.0L * mathem::kPi * Frequency; }
  // 1/U1, 1/V; for 220 V exactly the nearest extended value of 1/220.
  long double InverseVoltage() const { return 1.0L / Voltage; }

  bool operator==(const Mains&) const = default;
};

}  // namespace tavro::design
