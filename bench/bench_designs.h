// The designs the bench measures: the worked example (A ≈ 0.08) and a
// low-voltage design whose coefficient A ≈ 18.9 is near the limit of 20, where
// the rated continuation starts β at 4.
#pragma once

#include <array>

#include <variant>

#include "design/inputs.h"

namespace tavro::bench {

struct BenchDesign {
  const char* Name;
  const char* U0;
  const char* I0;
  const char* Kp;
  int Limbs;
  const char* Bm;
  const char* Ud;
};

inline constexpr std::array<BenchDesign, 2> kBenchDesigns{{
    {"worked example 12 V 1 A", "12", "1", "1", 1, "1.2", "0.7"},
    {"high A 0.025 V 1 A", "0.025", "1", "1", 1, "1.2", "0.7"},
}};

// Read as the window reads them, with "." as the decimal separator.
inline design::DesignInputs Inputs(const BenchDesign& d) {
  const design::InputTexts texts{d.U0, d.I0, d.Kp, d.Limbs == 2 ? "2" : "1", d.Bm, d.Ud};
  return std::get<design::DesignInputs>(design::ReadInputs(texts, '.'));
}

}  // namespace tavro::bench
