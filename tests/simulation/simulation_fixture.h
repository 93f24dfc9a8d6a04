// Designs and circuits the simulation tests share.
#pragma once

#include <variant>

#include "design/calculate.h"
#include "simulation/circuit.h"

namespace tavro::test {

inline design::Design DesignOf(long double U0, long double I0, long double Kp, int limbs,
                               long double Bm, long double Ud) {
  return std::get<design::Design>(design::Calculate({U0, I0, Kp, limbs, Bm, Ud}));
}

// 12 V, 1 A, 1 %, one limb, 1.2 T, 0.7 V.
inline design::Design WorkedExample() {
  return DesignOf(12, 1, 1, 1, 1.2L, 0.7L);
}

}  // namespace tavro::test
