// The diode current pulse evaluated point by point, shared by the peak
// search and the plotted samples.
//
// i(x) = R·sin(x − φ) − 1 + S·exp((h − x)·k) with R = cos φ/cos ψ,
// S = 1 − R·cos(ψ + φ), k = cot φ and h = π/2 − ψ, the phase where
// conduction starts (S makes i(h) = 0).
#pragma once

#include <cmath>

#include "mathem/angle_trig.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/angle_trig.h"
#include "mathem/exponential.h"

namespace tavro::mathem {

struct PulseShape {
  long double R;
  long double S;
  long double k;  // cot φ
  long double h;  // π/2 − ψ
};

// R, S, k and h, computed in that order.
inline PulseShape ShapeOf(long double Psi, long double Phi) {
  PulseShape p;
  p.R = LibraryCos(Phi) / LibraryCos(Psi);
  p.S = 1.0L - p.R * LibraryCos(Psi + Phi);
  p.k = 1.0L / LibraryTan(Phi);
  p.h = kHalfPi - Psi;
  return p;
}

inline long double CurrentAt(const PulseShape& p, long double Phi, long double x) {
  return (p.R * LibrarySin(x - Phi) - 1.0L) + ExpOf((p.h - x) * p.k) * p.S;
}

inline long double SlopeAt(const PulseShape& p, long double Phi, long double x) {
  return p.R * LibraryCos(x - Phi) - ExpOf((p.h - x) * p.k) * (p.k * p.S);
}

}  // namespace tavro::mathem
