// The supply mains the transformer's primary is connected to. They enter the
// method in three places: the leakage-inductance estimate, the angular
// frequency ω of the impedance angle and of the filter capacitance, and the
// primary current.
#pragma once

namespace tavro::design {

struct Mains {
  long double Voltage = 220.0L;   // rms, V
  long double Frequency = 50.0L;  // Hz
};

}  // namespace tavro::design
