// The 2x2 linear solver of the Newton steps: Givens plane rotations to upper
// triangular form, then back substitution. No pivoting, no scaling and no
// singularity test: a zero pivot is a division by zero, reported as a
// FloatingPointFault like any other fault of the calculation.
// See docs/method.md, section "Newton steps and the linear solve".
#pragma once

#include <array>
#include <cmath>

namespace tavro::mathem {

inline constexpr int kSystemOrder = 2;

// Rows are equations, columns unknowns; indices start at 0 (M[0][0] is the
// first equation's coefficient of the first unknown).
using Matrix2 = std::array<std::array<long double, kSystemOrder>, kSystemOrder>;
using Vector2 = std::array<long double, kSystemOrder>;

// Solves M·x = b. M and b are taken by value (the caller's stay unchanged).
// x[1] is stored before x[0]; a fault at x[0] leaves x[1] already written.
void SolveLinearGivens(Matrix2 M, Vector2 b, Vector2& x);

// The rotation and the back substitution themselves. store(i, value) receives
// each unknown as it is found, x[1] first; it decides how faults are checked.
// SolveLinearGivens checks before every store; a Newton step, which stores
// nothing until its new iterate is checked, inlines this and checks once.
template <typename Store>
inline void RotateAndSubstitute(Matrix2 M, Vector2 b, Store&& store) {
  constexpr int n = kSystemOrder;

  // Triangularisation: for n = 2 one rotation of rows 0 and 1 built from the
  // first column. Every column is rotated, also those left of p.
  for (int p = 0; p < n - 1; ++p) {
    for (int q = p + 1; q < n; ++q) {
      const long double a = M[p][p];
      const long double g = M[q][p];
      long double c = 1.0L;
      long double s = 0.0L;
      if (!(a == 0.0L && g == 0.0L)) {
        // The squares are not rescaled: entries whose squares underflow give
        // r = 0 and a division by zero, as in the original solver.
        const long double r = std::sqrt(a * a + g * g);
        s = -g / r;
        c = a / r;
      }
      for (int j = 0; j < n; ++j) {
        const long double top = M[p][j];
        const long double bottom = M[q][j];
        M[p][j] = c * top - s * bottom;
        M[q][j] = s * top + c * bottom;
      }
      const long double top = b[p];
      const long double bottom = b[q];
      b[p] = c * top - s * bottom;
      b[q] = s * top + c * bottom;
    }
  }

  // Back substitution from the last unknown; the sum runs from the last
  // column towards the diagonal.
  Vector2 x{};
  for (int i = n - 1; i >= 0; --i) {
    long double sum = 0.0L;
    for (int j = n - 1; j >= i + 1; --j) sum = M[i][j] * x[j] + sum;
    x[i] = (b[i] - sum) / M[i][i];
    store(i, x[i]);
  }
}

}  // namespace tavro::mathem
