// The conduction-angle equations of the bridge and their Newton solution.
//
// While a pair of diodes conducts, the transformer's leakage inductance and
// the path resistance shape a current pulse that starts at the mains phase
// π/2 − ψ (where the secondary voltage first exceeds the capacitor voltage)
// and ends at β (where the current returns to zero). φ is the impedance angle
// of the conduction path. Two equations fix ψ and β:
//  - F1: the charge of one pulse matches the load (coefficient t = A for the
//    rated design; t = Gamma, scaled by cos ψ/(π·√2), for the load table);
//  - F2: the pulse current is zero again at β.
// Both are solved by full Newton steps from the caller's start values, at most
// 1000 steps, until both angles move by less than 1e-10. Non-convergence is
// not reported (the last iterate is returned); a floating-point fault throws
// FloatingPointFault with the outputs holding the last stored iterate.
//
// A design makes 2200 solves of about three steps each, so a step evaluates
// every sine, cosine and tangent it needs once: sin and cos of ψ, ψ + φ and
// β − φ, tan ψ and one exponential. What depends on φ alone is evaluated once
// per continuation (ImpedanceAngle).
// See docs/method.md, section "The rated and load equations".
#pragma once

namespace tavro::mathem {

struct AngleResiduals {
  long double F1;
  long double F2;
};

// Residuals of the rated-load equations at (Psi, Beta) for A = t.
AngleResiduals RatedResiduals(long double Psi, long double Beta, long double t, long double Phi);

// Residuals of the load-characteristic equations at (Psi, Beta) for Gamma = t.
AngleResiduals LoadResiduals(long double Psi, long double Beta, long double t, long double Phi);

// How a solve went, for callers that want to know (the solvers themselves
// report nothing): the Newton steps made, and whether the last one met the
// tolerance.
struct NewtonTrace {
  int Steps = 0;
  bool Converged = false;
};

// What the equations need of the impedance angle φ; the same for every solve
// of a continuation.
struct ImpedanceAngle {
  long double Phi;
  long double Tan;  // tan φ
  long double Cot;  // k = 1/tan φ
  long double Sin;
  long double Cos;
};

// Throws FloatingPointFault for φ = 0 (k divides by zero).
ImpedanceAngle ImpedanceAngleOf(long double Phi);

// Psi and Beta receive Psi0 and Beta0 before the first step and every iterate
// after it.
void SolveAnglesRated(long double& Psi, long double& Beta, long double t, long double Phi,
                      long double Psi0, long double Beta0, NewtonTrace* trace = nullptr);

void SolveAnglesLoad(long double& Psi, long double& Beta, long double t, long double Phi,
                     long double Psi0, long double Beta0, NewtonTrace* trace = nullptr);

// The same solves with the φ terms computed once by the caller.
void SolveAnglesRated(long double& Psi, long double& Beta, long double t, const ImpedanceAngle& phi,
                      long double Psi0, long double Beta0, NewtonTrace* trace = nullptr);

void SolveAnglesLoad(long double& Psi, long double& Beta, long double t, const ImpedanceAngle& phi,
                     long double Psi0, long double Beta0, NewtonTrace* trace = nullptr);

// Either solver, as the continuations call it.
using AngleSolver = void (*)(long double& Psi, long double& Beta, long double t,
                             const ImpedanceAngle& phi, long double Psi0, long double Beta0,
                             NewtonTrace* trace);

}  // namespace tavro::mathem
