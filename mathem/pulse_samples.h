// The diode current pulse sampled over one mains period, for plotting.
//
// One diode conducts once per period, from π/2 − ψ to β; elsewhere its
// current is zero. The samples are in units of the rectified voltage over the
// path resistance, like every pulse quantity of the model, so their mean over
// the period is A, their rms D·A and their maximum F·A.
// See docs/method.md, section "The current pulse".
#pragma once

#include <vector>

namespace tavro::mathem {

struct PulseSample {
  long double X;  // mains phase, rad, in [0, 2π]
  long double I;  // normalised current
};

// A phase in (2π, 4π) brought back into the period.
long double WrapToPeriod(long double x);

// The pulse value at phase x (zero outside conduction; a pulse that runs past
// 2π shows its tail at the start of the period).
long double PulseAt(long double x, long double Psi, long double Phi, long double Beta);

// `intervals` equal steps over [0, 2π], plus the start and end of conduction
// and the peak, all in phase order.
std::vector<PulseSample> PulseSamples(long double Psi, long double Phi, long double Beta,
                                      int intervals);

}  // namespace tavro::mathem
