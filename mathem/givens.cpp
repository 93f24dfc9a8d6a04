#include "mathem/givens.h"

#include <cmath>

#include "mathem/faults.h"

namespace tavro::mathem {

void SolveLinearGivens(Matrix2 M, Vector2 b, Vector2& x) {
  FaultScope faults;
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
  for (int i = n - 1; i >= 0; --i) {
    long double sum = 0.0L;
    for (int j = n - 1; j >= i + 1; --j) sum = M[i][j] * x[j] + sum;
    const long double xi = (b[i] - sum) / M[i][i];
    faults.Check(xi);
    x[i] = xi;
  }
}

}  // namespace tavro::mathem
