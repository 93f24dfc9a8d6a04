// The design engine: six validated inputs in, a complete design or a failure
// that says why out. No window, no texts on screen: the window's presenter,
// the command-line tool, the report, the plots and the bench all call this.
//
// One calculation derives the model of the transformer and diodes, refuses a
// load coefficient A above 20, finds the rated operating point by
// continuation, computes the nomogram coefficients and the design results,
// and builds the 25-row load characteristic. Every number is the same, bit for
// bit, as the window shows and the report prints.
#pragma once

#include <string>
#include <variant>

#include "design/design_results.h"
#include "design/inputs.h"
#include "design/load_table.h"
#include "design/mains.h"
#include "design/operating_point.h"

namespace tavro::design {

// Everything a complete calculation produces.
struct Design {
  DesignInputs Inputs{};
  Mains Supply{};  // the mains it was calculated for
  ModelParameters Parameters{};
  long double A = 0.0L;
  RatedPoint Point{};
  NomogramCoefficients Coefficients{};
  DesignResults Results{};
  LoadTable Load;
};

// Where a calculation stopped.
enum class FailureStage {
  ModelParameters,     // Rtr, Rd, Rsum, Ls, Phi or A
  CoefficientAbove20,  // A above 20: refused, not attempted
  RatedContinuation,   // the rated operating point
  Coefficients,        // B, D, F, H
  Results,             // U2 ... Pframe
  LoadContinuation,    // the load characteristic
};

// Why, in a sentence for a log or the command line ("a Newton solve of the
// rated continuation did not converge", "floating-point fault: overflow").
struct Failure {
  FailureStage Stage;
  std::string Reason;
  int FaultFlags = 0;  // <cfenv> flags of a floating-point fault, else 0
  // Phi and A where they were computed before the stop (the window shows
  // both before it refuses A above 20); NaN otherwise.
  long double Phi;
  long double A;
};

using Calculation = std::variant<Design, Failure>;

struct CalculationOptions {
  Mains Supply;  // the defaults give the method as published: 220 V, 50 Hz
  AngleSolvers Solvers;
};

Calculation Calculate(const DesignInputs& inputs, const CalculationOptions& options = {});

// "model-parameters", "coefficient-above-20", "rated-continuation", ...:
// stable names for the command line's JSON and CSV.
const char* StageName(FailureStage stage);

}  // namespace tavro::design
