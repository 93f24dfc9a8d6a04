// What the window, the command line and design files accept for the part
// choices (PartChoices).
#pragma once

namespace tavro::design::ratings {

struct ChoiceRange {
  long double Low, High;
  bool Holds(long double v) const { return v >= Low && v <= High; }
};

inline constexpr ChoiceRange kCapacitanceToleranceRange{0.0L, 90.0L};  // −%
inline constexpr ChoiceRange kDiodeMarginRange{1.0L, 10.0L};
inline constexpr ChoiceRange kCapacitorMarginRange{1.0L, 10.0L};
inline constexpr ChoiceRange kCapacitorEsrRange{1e-6L, 1000.0L};         // ohm
inline constexpr ChoiceRange kCapacitorLifeRange{1.0L, 1e6L};            // h
inline constexpr ChoiceRange kCapacitorTemperatureRange{40.0L, 150.0L};  // °C
inline constexpr ChoiceRange kAmbientRange{-60.0L, 150.0L};              // °C
inline constexpr ChoiceRange kCoreLossShareRange{0.0L, 10.0L};
inline constexpr ChoiceRange kFuseFactorRange{1.0L, 10.0L};
inline constexpr ChoiceRange kSurgeLimitRange{1e-3L, 1e6L};  // A

}  // namespace tavro::design::ratings
