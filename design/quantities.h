// The quantities of a complete design that are shown to the user, by meaning,
// and their one display text. The window's presenter, the command-line tool
// and the report all take their texts from here, so a number reads the same
// wherever it appears.
#pragma once

#include <string>

#include "design/calculate.h"

namespace tavro::design {

enum class Quantity {
  Phi,
  Psi,
  Beta,  // angles, rad
  A,
  B,
  D,
  F,
  H,  // nomogram coefficients
  U2,
  I2,
  I1,
  Pframe,
  Urev,
  Idrms,
  Idpk,
  Cf,                // design results
  CapacitorVoltage,  // working voltage of the filter capacitor
  RatedCurrent,
  RatedVoltage,  // rated row of the load characteristic:
  RatedGamma,
  RatedSqrt2CosPsi,  //   I0 and U0 themselves, γ and √2·cos ψ
};

// How a quantity is written: as it is, or (for an angle) in degrees.
enum class Form { Value, Degrees };

long double ValueOf(const Design& design, Quantity quantity);

// FormatResult of the value (degrees: radians·180·(1/π) first).
std::string ShownText(const Design& design, Quantity quantity, Form form, char separator);

}  // namespace tavro::design
