// The 2x2 Givens solver of the Newton steps.
// See docs/method.md, section "Newton steps and the linear solve".
#include "mathem/givens.h"

#include "mathem/faults.h"

namespace tavro::mathem {

void SolveLinearGivens(Matrix2 M, Vector2 b, Vector2& x) {
  FaultScope faults;
  RotateAndSubstitute(M, b, [&](int i, long double value) {
    faults.Check(value);
    x[i] = value;
  });
}

}  // namespace tavro::mathem
