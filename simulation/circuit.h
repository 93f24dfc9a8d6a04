// The designed circuit as a simulator sees it: a sine EMF of amplitude
// √2·U2 behind the transformer's winding resistance Rtr and leakage
// inductance Ls, a bridge of four diodes, the filter capacitor Cf and the
// load. The values come from a complete design; nothing here computes a
// design quantity anew (the method is in docs/method.md).
#pragma once

#include <limits>
#include <string>

#include "design/analysis.h"
#include "design/calculate.h"
#include "design/mains.h"

namespace tavro::simulation {

// The element values of the designed circuit, in SI units (F, not µF).
struct CircuitValues {
  double EmfPeak;    // √2·U2, V
  double Frequency;  // Hz
  double Rtr;        // ohm
  double Ls;         // H
  double Rd;         // the method's forward resistance of one diode, ohm
  double Cf;         // F
  double U0;         // rated rectified voltage, V
  double I0;         // rated rectified current, A
  double Kp;         // ripple factor, %
};

CircuitValues ValuesOf(const design::Design& design, const design::Mains& mains = {});

// The method's own figures the simulation is compared with.
struct MethodFigures {
  double U0, I0, I2, Idavg, Idrms, Idpk, BetaDegrees, RippleAmplitude;  // V, A, °
  // The capacitor voltage's peak-to-peak and lowest value from the method's
  // own pulses (design/ripple_shape.h), V; NaN without a capacitance.
  double RipplePP = std::numeric_limits<double>::quiet_NaN();
  double LowestVoltage = std::numeric_limits<double>::quiet_NaN();
};

MethodFigures FiguresOf(const design::Design& design);

// The same for an analysed transformer and capacitor at its load current:
// its EMF, Rtr, Ls and Cf, and the analysis' U0, ripple and currents, the
// ripple's shape from the pulses at the analysed operating point.
CircuitValues ValuesOf(const design::Analysis& analysis);
MethodFigures FiguresOf(const design::Analysis& analysis);

enum class LoadKind {
  Resistive,        // U0/I0
  ConstantCurrent,  // I0
  ConstantVoltage,  // U0, the method's own assumption; no capacitor then
};

// How the diodes are modelled: the method's ideal switch in series with
// its forward resistance Rd, or a SPICE diode model (a validated .model line).
struct DiodeSetup {
  bool Ideal = true;
  std::string ModelName;  // the model's name as the netlist uses it
  std::string ModelLine;  // the whole validated .model line
};

struct CircuitSetup {
  DiodeSetup Diode;
  LoadKind Load = LoadKind::Resistive;
  double Esr = 0.0;  // series resistance of the filter capacitor, ohm
};

}  // namespace tavro::simulation
