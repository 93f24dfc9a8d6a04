// The designed rectifier at the edges of the mains tolerance, from the same
// model (docs/method.md, "Corners of the mains").
//
// The transformer is fixed once designed: its EMF U2 and the path resistance
// Rsum. With the mains a factor m off nominal the EMF is m·U2, and at a load
// current I the load equations are solved for Gamma = Rsum·I/(2·m·U2) by the
// load characteristic's own continuation. The mean rectified voltage is then
// √2·m·U2·cos ψ. The ripple is taken as its component at twice the mains
// frequency, the one the filter capacitor is sized by: with the capacitance
// fixed, the ripple factor scales with the capacitance coefficient H of the
// new operating point, Kp' = Kp·H'/H. The lowest instantaneous output is the
// trough of the capacitor voltage the pulse of the new point gives
// (output_trough.h), which the higher harmonics make deeper than the mean less
// Kp'·U'/100.
#pragma once

#include <optional>
#include <string>

#include "design/calculate.h"

namespace tavro::design::ratings {

// One load point at scaled mains.
struct LoadCorner {
  long double MainsFactor;    // m
  long double Current;        // A
  long double Gamma;          // Rsum·I/(2·m·U2)
  long double Psi;            // rad
  long double Beta;           // rad
  long double MeanVoltage;    // V
  long double RippleFactor;   // %, at twice the mains frequency
  long double LowestVoltage;  // V, the trough of the capacitor voltage
};

// Solves the load equations of the design at mains factor m and current I.
// Throws mathem::NumericalFailure when the continuation fails.
LoadCorner LoadAt(const Design& design, long double mainsFactor, long double current);

struct OperatingCorners {
  // Low mains, rated load: the headroom a regulator after the filter gets.
  // Empty when the model has no solution there (LowFailure says why).
  std::optional<LoadCorner> LowMains;
  std::string LowFailure;
  long double NoLoadHighMains;  // √2·U2·(1 + tolerance): the capacitor's and the load's worst case
  long double ReverseHighMains;  // peak reverse voltage of a diode at high mains
};

OperatingCorners CornersOf(const Design& design, long double tolerance);

}  // namespace tavro::design::ratings
