// The largest value of a function of the switch-on phase over an interval:
// a grid first, then golden-section search between the best grid point's
// neighbours (the function is taken to be unimodal there). Used for the
// worst switch-on surge and the capacitor's highest voltage after switch-on;
// see docs/method.md, "Switch-on surge".
#pragma once

#include <cmath>
#include <utility>

namespace tavro::mathem {

// `f(x)` gives a result, `value(result)` the number compared; a grid of
// `grid` steps over [lo, hi], then `steps` shrinkings of the bracket. The
// first of equal values is kept. Returns the best phase and its result.
template <typename F, typename Value>
auto MaximumOverPhase(long double lo, long double hi, int grid, int steps, F f, Value value)
    -> std::pair<long double, decltype(f(lo))> {
  using Result = decltype(f(lo));
  const long double h = (hi - lo) / grid;
  long double bestX = lo;
  Result best = f(lo);
  int at = 0;
  for (int j = 1; j <= grid; ++j) {
    const long double x = j == grid ? hi : lo + j * h;
    Result r = f(x);
    if (value(r) > value(best)) {
      best = std::move(r);
      bestX = x;
      at = j;
    }
  }
  long double a = at == 0 ? lo : lo + (at - 1) * h;
  long double b = at == grid ? hi : lo + (at + 1) * h;
  const long double g = (std::sqrt(5.0L) - 1.0L) / 2.0L;
  long double x1 = b - g * (b - a);
  long double x2 = a + g * (b - a);
  Result f1 = f(x1);
  Result f2 = f(x2);
  for (int n = 0; n < steps; ++n) {
    if (value(f1) >= value(f2)) {
      b = x2;
      x2 = x1;
      f2 = f1;
      x1 = b - g * (b - a);
      f1 = f(x1);
    } else {
      a = x1;
      x1 = x2;
      f1 = f2;
      x2 = a + g * (b - a);
      f2 = f(x2);
    }
  }
  if (value(f1) > value(best)) {
    best = f1;
    bestX = x1;
  }
  if (value(f2) > value(best)) {
    best = f2;
    bestX = x2;
  }
  return {bestX, best};
}

}  // namespace tavro::mathem
