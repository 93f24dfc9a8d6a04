// A test build's deliberate one-ulp change of every transcendental value the
// calculation computes (exponential, sine, cosine, tangent, arctangent).
//
// The tests must hold whatever the last bit of an elementary function is: a
// build configured with TAVRO_PERTURB_ULPS=+1 or -1 moves each such value one
// unit in the last place up or down, and runs the whole suite so (`make
// check-perturbed`). An ordinary build leaves every value as computed.
// See docs/method.md, section "Elementary functions".
#pragma once

#include <cmath>
#include <limits>

namespace tavro::mathem {

#ifndef TAVRO_PERTURB_ULPS
#define TAVRO_PERTURB_ULPS 0
#endif

inline constexpr int kPerturbUlps = TAVRO_PERTURB_ULPS;
static_assert(kPerturbUlps >= -1 && kPerturbUlps <= 1, "TAVRO_PERTURB_ULPS is -1, 0 or +1");

inline long double Perturbed(long double value) {
  if constexpr (kPerturbUlps == 0) {
    return value;
  } else {
    // Zero and the infinities stay: a perturbation must not invent a fault or
    // turn an exact zero (a vanished exponential) into a denormal.
    if (value == 0.0L || !std::isfinite(value)) return value;
    constexpr long double toward =
        kPerturbUlps > 0 ? std::numeric_limits<long double>::infinity()
                       : -std::numeric_limits<long double>::infinity();
    return std::nextafter(value, toward);
  }
}

}  // namespace tavro::mathem
