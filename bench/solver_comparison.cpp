// The calculation's solvers against the straightforward evaluation of the
// same angle equations, over a spread of designs: whether any outcome or any
// shown text differs, and the largest relative change of each full-precision
// quantity, with the design where it occurs.
#include <cstdio>

#include "common/solver_comparison.h"

int main() {
  using namespace tavro::test;
  // Every realistic design (5 V to 1 kV, 20 mA to 50 A, 0.8 to 1.8 T, 0.3 to
  // 1.5 V, one or two limbs) and low-voltage ones up to A ≈ 19.
  const SolverComparison c = CompareWithStraightforward(DesignGrid(
      {"0.025", "0.05", "0.2", "1", "5", "12", "24", "48", "110", "220", "500", "1000"},
      {"0.02", "0.1", "0.5", "1", "5", "20", "50"}, {"0.8", "1.2", "1.8"}, {"0.3", "0.7", "1.5"}));
  for (const std::string& difference : c.Differences) {
    std::printf("differs: %s\n", difference.c_str());
  }
  std::printf("%d designs, %d complete; an outcome or a shown text differs in %zu\n", c.Designs,
              c.Complete, c.Differences.size());
  std::printf("largest relative change against the straightforward evaluation:\n");
  for (const QuantityChange& q : c.Changes) {
    std::printf("  %-24s %9.2Le  %s\n", q.Name.c_str(), q.Largest, q.Where.c_str());
  }
  return c.Differences.empty() ? 0 : 1;
}
