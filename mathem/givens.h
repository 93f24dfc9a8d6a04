// The 2x2 linear solver of the Newton steps: Givens plane rotations to upper
// triangular form, then back substitution. No pivoting, no scaling and no
// singularity test: a zero pivot is a division by zero, reported as a
// FloatingPointFault like any other fault of the calculation.
#pragma once

#include <array>

namespace tavro::mathem {

inline constexpr int kSystemOrder = 2;

// Rows are equations, columns unknowns; indices start at 0 (M[0][0] is the
// first equation's coefficient of the first unknown).
using Matrix2 = std::array<std::array<long double, kSystemOrder>, kSystemOrder>;
using Vector2 = std::array<long double, kSystemOrder>;

// Solves M·x = b. M and b are taken by value (the caller's stay unchanged).
// x[1] is stored before x[0]; a fault at x[0] leaves x[1] already written.
void SolveLinearGivens(Matrix2 M, Vector2 b, Vector2& x);

}  // namespace tavro::mathem
