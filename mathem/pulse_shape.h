// The diode current pulse: its constants R, S and k, formed in one place for
// the angle equations, the coefficients D, F and H and the plotted samples,
// and the pulse evaluated point by point.
// See docs/method.md, section "The current pulse".
//
// i(x) = R·sin(x − φ) − 1 + S·exp((h − x)·k) with R = cos φ/cos ψ,
// S = 1 − R·cos(ψ + φ), k = cot φ and h = π/2 − ψ, the phase where
// conduction starts (S makes i(h) = 0).
#pragma once

#include "mathem/angle_trig.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"

namespace tavro::mathem {

struct PulseShape {
  long double R;    // cos φ / cos ψ
  long double S;    // 1 − R·cos(ψ + φ)
  long double k;    // cot φ
  long double Psi;  // ψ
  long double h;    // π/2 − ψ
};

// The constants from cos φ, cot φ, ψ, cos ψ and cos(ψ + φ), however the
// caller evaluated them (the Newton steps share their own sines and cosines).
inline PulseShape ShapeFrom(long double cosPhi, long double cotPhi, long double Psi,
                            long double cosPsi, long double cosPsiPhi) {
  PulseShape p;
  p.R = cosPhi / cosPsi;
  p.S = 1.0L - p.R * cosPsiPhi;
  p.k = cotPhi;
  p.Psi = Psi;
  p.h = kHalfPi - Psi;
  return p;
}

// The constants with the library's cosine and tangent.
inline PulseShape ShapeOf(long double Psi, long double Phi) {
  return ShapeFrom(RoundedCos(Phi), 1.0L / RoundedTan(Phi), Psi, RoundedCos(Psi),
                   RoundedCos(Psi + Phi));
}

// exp((π/2 − β − ψ)·k): the exponential factor of the pulse at its end β.
inline long double ExpAtEnd(const PulseShape& p, long double Beta) {
  return ExpOf((kHalfPi - Beta - p.Psi) * p.k);
}

inline long double CurrentAt(const PulseShape& p, long double Phi, long double x) {
  return (p.R * RoundedSin(x - Phi) - 1.0L) + ExpOf((p.h - x) * p.k) * p.S;
}

inline long double SlopeAt(const PulseShape& p, long double Phi, long double x) {
  return p.R * RoundedCos(x - Phi) - ExpOf((p.h - x) * p.k) * (p.k * p.S);
}

}  // namespace tavro::mathem
