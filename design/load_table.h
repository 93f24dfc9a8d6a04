// The load characteristic: how the rectified voltage of the finished design
// falls as the load current rises from 0 to 120 % of the rated current.
//
// With the transformer fixed (U2 and Rsum known) each row's current gives the
// load coefficient Gamma = Rsum·I/(2·U2); the load equations are solved for
// Gamma by a 1200-step continuation from no load, and the row's voltage is
// √2·U2·cos Psi.
// See docs/method.md, section "Load characteristic".
#pragma once

#include <array>
#include <string>

#include "design/continuation.h"
#include "mathem/angle_equations.h"

namespace tavro::design {

inline constexpr int kLoadRows = 25;     // 0 %, 5 %, ..., 120 %
inline constexpr int kRatedRow = 20;     // 100 %
inline constexpr int kLoadSteps = 1200;  // Newton solves of the continuation
inline constexpr int kStepsPerRow = 50;  // 1200 steps / 24 stored rows

using LoadColumn = std::array<long double, kLoadRows>;

struct LoadTable {
  long double CurrentStep = 0.0L;  // 5 % of the rated current, A
  LoadColumn Current{};            // A
  LoadColumn Gamma{};              // Rsum·I/(2·U2)
  LoadColumn Psi{};                // rad
  LoadColumn Voltage{};            // V
  LoadColumn Sqrt2CosPsi{};        // nomogram value √2·cos ψ
  // The voltage the load characteristic gives at the rated current, before
  // row 20 shows U0 itself; how close it comes to U0 tells how well the two
  // continuations agree. Not shown in the window.
  long double RatedRowModelVoltage = 0.0L;  // V
};

struct LoadAngles {
  LoadColumn Psi{};
  LoadColumn Beta{};  // the end of conduction of each stored row
  int Solves = 0;
};

// Solves the load equations from t = target/1200 to target in 1200 steps and
// keeps Psi after every 50th step (row k at t = k·target/24). All 1200 steps
// are made even for a target so small that the stop distance of 1e-10 is
// reached early, so every row is solved. Throws NotConverged if a solve does
// not converge, if a stored angle does not solve the load equations at its
// own t or is below the row before, or if 1200 steps do not reach the target.
// `observe`, when given, sees every solve after the table's own checks; it
// changes nothing in the continuation.
LoadAngles BuildLoadCharacteristic(long double Phi, long double target,
                                   mathem::AngleSolver solve = mathem::SolveAnglesLoad,
                                   const ContinuationObserver& observe = {});

// Builds a complete new table; the caller replaces its table only when this
// returns. Row 20 holds exactly I0 and U0.
LoadTable FillLoadTable(long double I0, long double U0, long double U2, long double Rsum,
                        long double Phi, mathem::AngleSolver solve = mathem::SolveAnglesLoad,
                        const ContinuationObserver& observe = {});

// What the slider shows for one row: the four values and the percentage.
struct LoadRowTexts {
  std::string Current;
  std::string Voltage;
  std::string Gamma;
  std::string Sqrt2CosPsi;
  std::string Percent;
};

// "0%" ... "120%".
std::string PercentText(int row);

LoadRowTexts FormatLoadRow(const LoadTable& table, int row, char separator);

}  // namespace tavro::design
