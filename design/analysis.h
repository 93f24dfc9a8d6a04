// Analysis: the rectifier with a transformer and a filter capacitor that
// exist, at a given load current. The method's own load equations with the
// transformer (EMF U2, resistance Rtr referred to the secondary, leakage
// inductance Ls) and the capacitor fixed give the rectified voltage, the
// ripple and the currents; the diodes are the method's resistance Rd for the
// given drop at the given current. With the transformer the method designs
// fed back in, analysis gives back the design's own figures.
// See docs/method.md, section "Analysis of a given transformer".
#pragma once

#include <variant>

#include "design/calculate.h"
#include "design/load_table.h"
#include "design/mains.h"

namespace tavro::design {

struct AnalysisInputs {
  long double U2;   // secondary EMF (no-load rms voltage), V
  long double Rtr;  // winding resistance referred to the secondary, ohm
  long double Ls;   // leakage inductance referred to the secondary, H
  long double Ud;   // forward drop of one diode, V
  long double Cf;   // filter capacitance fitted, µF
  long double I0;   // load current, A
  Mains Supply{};

  bool operator==(const AnalysisInputs&) const = default;
};

struct Analysis {
  AnalysisInputs Inputs{};
  long double Rd;     // one diode, ohm
  long double Rsum;   // the conduction path, ohm
  long double Phi;    // rad
  long double Gamma;  // Rsum·I0/(2·U2)
  long double Psi;    // rad
  long double Beta;   // rad
  long double A;      // I0·Rsum/(2·U0)
  NomogramCoefficients Coefficients{};
  long double U0;     // rectified voltage, V
  long double Kp;     // ripple factor, %
  long double I2;     // secondary rms current, A
  long double I1;     // primary rms current, A
  long double Idrms;  // A
  long double Idpk;   // A
  long double Urev;   // peak reverse voltage of a diode, V
  long double Pframe;  // V·A used: U2·I2
  LoadTable Load;      // 0 … 120 % of I0; row 20 is I0 and U0
};

using AnalysisResult = std::variant<Analysis, Failure>;

// How much to compute: everything, or the operating point without the load
// table (whose continuation costs as much again), for a caller that compares
// many transformers; Load is then empty.
enum class AnalysisDepth { WithLoadTable, OperatingPointOnly };

// Every input must be positive and finite (Ls may be zero only where the
// path's angle stays defined: it must be positive too). A failure names its
// stage as the design calculation's do.
AnalysisResult Analyse(const AnalysisInputs& in,
                       AnalysisDepth depth = AnalysisDepth::WithLoadTable);

// The design whose rated point the analysis is: U0 and Kp as analysed, the
// transformer, diodes, angles, coefficients, currents and load table as the
// analysis has them, the limbs and flux density as given. What the part
// ratings and the mains corners read from a design.
Design AsDesign(const Analysis& a, int limbs, long double bm);

}  // namespace tavro::design
