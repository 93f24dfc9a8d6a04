// The conduction model of the design and its rated operating point.
//
// From the inputs the transformer's winding resistance and leakage inductance
// and the diodes' forward resistance are estimated; they give the impedance
// angle Phi of the conduction path and the load coefficient A. The rated
// angles Psi and Beta are then found by continuation: A is raised from A/1000
// to A in 1000 equal steps, each Newton solve starting from the last answer.
// See docs/method.md, section "Model parameters".
#pragma once

#include "design/continuation.h"
#include "design/inputs.h"
#include "design/mains.h"
#include "mathem/angle_equations.h"

namespace tavro::design {

struct ModelParameters {
  long double Rtr;               // winding resistance, ohm
  long double MeanDiodeCurrent;  // A
  long double Rd;                // forward resistance of one diode, ohm
  long double Rsum;              // conduction path: windings and two diodes, ohm
  long double Klimb;             // limb factor
  long double Ls;                // leakage inductance, H
  long double Phi;               // impedance angle of the conduction path, rad
};

inline constexpr long double kMaxCoefficientA = 20.0L;

// Rtr, the mean diode current, Rd, Rsum, Klimb, Ls, Phi, in that order.
ModelParameters DeriveModelParameters(const DesignInputs& in, const Mains& mains = {});

// A = I0·Rsum/(2·U0).
long double LoadCoefficient(const DesignInputs& in, long double Rsum);

// Radians to degrees: radians·180·(1/π), multiplied in that order.
long double Degrees(long double radians);

struct RatedPoint {
  long double Psi;
  long double Beta;
  int Solves;  // Newton solves of the continuation
};

inline constexpr int kRatedSteps = 1000;

// The Newton solvers the two continuations call: the calculation's own; the
// tests and the bench put others in their place (a straightforward evaluation
// to compare with, a counting one).
struct AngleSolvers {
  mathem::AngleSolver Rated = mathem::SolveAnglesRated;
  mathem::AngleSolver Load = mathem::SolveAnglesLoad;
};

// Continuation from A/1000 to A; stops once the stepped value is within 1e-10
// of A (for A below about 1e-7 before the 1000th solve). Throws NotConverged
// if a solve does not converge or 1000 solves do not reach A.
RatedPoint TrackRatedPoint(long double A, long double Phi,
                           mathem::AngleSolver solve = mathem::SolveAnglesRated);

// The reported point must solve the rated equations at A (|F1|, |F2| at most
// 1e-9) with 0 < Psi < π/2 and Beta past the start of conduction; otherwise
// throws NotConverged.
void VerifyRatedPoint(const RatedPoint& point, long double A, long double Phi);

inline constexpr long double kResidualTolerance = 1e-9L;

}  // namespace tavro::design
