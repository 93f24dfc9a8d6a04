// Nomogram coefficients from the solved conduction pulse.
//
// At the operating point (ψ, β for the impedance angle φ and coefficient A)
// the diode current pulse, in units of the rectified voltage over the path
// resistance, is i(x) = R·sin(x − φ) − 1 + S·exp((π/2 − ψ − x)·cot φ) for
// π/2 − ψ ≤ x ≤ β, with R = cos φ/cos ψ and S = 1 − R·cos(ψ + φ).
// The closed forms below turn it into:
//  - B, the secondary rms voltage over the rectified voltage;
//  - D, the rms of the pulse over one mains period, relative to A;
//  - F, the peak of the pulse relative to A;
//  - H, the scaled amplitude of the rectified current's component at twice
//    the mains frequency, which sizes the filter capacitor.
// None checks its arguments; a floating-point fault throws FloatingPointFault.
// See docs/method.md, section "Coefficients B, D, F and H".
#pragma once

namespace tavro::mathem {

// B = 1/(√2·cos x).
long double InvSqrt2Cos(long double x);

// D: √((1/2π)·∫ i² dx)/A over the interval [π/2 − ψ, β], for any three angles.
long double RmsCurrentFactor(long double Psi, long double Phi, long double Beta, long double A);

// The slope of the pulse at x: di/dx = R·cos(x − φ) − exp((π/2 − ψ − x)·k)·(k·S).
long double PulseSlope(long double x, long double Psi, long double Phi);

// Where the pulse peaks, found by bisection on its slope in [π/2, π].
struct PulsePeak {
  long double X;  // phase of the maximum, radians
  int Passes;     // bisection passes made
};
PulsePeak LocatePulsePeak(long double Psi, long double Phi);

// F = i(x*)/A at the maximum x*; Beta does not enter the result.
long double PeakCurrentFactor(long double Psi, long double Phi, long double Beta, long double A);

// H = √(X² + Y²)·250000/π², X and Y the cos 2x and sin 2x integrals of the pulse.
long double RippleCapacitance(long double Psi, long double Phi, long double Beta);

}  // namespace tavro::mathem
