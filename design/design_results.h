// Transformer, diode and filter results from the nomogram coefficients.
//
// B scales the rectified voltage to the secondary rms voltage; D and F give
// the rms and peak of the diode current pulse (twice the diode value over the
// rated current); H sizes the filter capacitor from the 100 Hz current
// component. The primary is fed from the mains (220 V, 50 Hz by default).
// See docs/method.md, section "Design results".
#pragma once

#include "design/inputs.h"
#include "design/mains.h"

namespace tavro::design {

struct NomogramCoefficients {
  long double B;
  long double D;
  long double F;
  long double H;
};

struct DesignResults {
  long double U2;          // secondary rms voltage, V
  long double Urev;        // peak reverse voltage of a diode, V
  long double I2;          // secondary rms current, A
  long double Idrms;       // rms current through a diode, A
  long double Idpk;        // peak current through a diode, A
  long double Cf;          // filter capacitance, µF
  long double TurnsRatio;  // secondary over primary voltage
  long double I1;          // primary rms current, A
  long double Pframe;      // frame power of the transformer, V·A
};

// Computed in the order U2, Urev, I2, Idrms, Idpk, Cf, turns ratio, I1, Pframe.
DesignResults ComputeDesignResults(const DesignInputs& in, long double Rsum,
                                   const NomogramCoefficients& c, const Mains& mains = {});

}  // namespace tavro::design
