// Plausibility warnings: inputs and results that the method accepts but that
// no real rectifier has, each said once with what it means for the result.
// They inform and never refuse.
#pragma once

#include <string_view>
#include <vector>

#include "design/calculate.h"
#include "design/ratings/diode_catalogue.h"

namespace tavro::design::ratings {

enum class WarningKind {
  FluxDensity,             // Bm outside about 0.3 … 2 T
  DiodeDrop,               // Ud outside about 0.2 … 3 V
  DiodeDropAgainstU0,      // Ud above U0/4
  LoadVoltageNotPositive,  // a load-characteristic row at zero or below
  PulsesOverlap,           // β above 270° − ψ
  CoefficientAAbove15,     // A above 15
};

inline constexpr long double kFluxDensityLow = 0.3L;   // T
inline constexpr long double kFluxDensityHigh = 2.0L;  // T
inline constexpr long double kDiodeDropLow = 0.2L;     // V
inline constexpr long double kDiodeDropHigh = 3.0L;    // V
inline constexpr long double kCoefficientAHigh = 15.0L;

// In the order above.
std::vector<WarningKind> PlausibilityWarnings(const Design& design);

// "flux-density", "diode-drop", ...: stable names for JSON.
std::string_view WarningName(WarningKind kind);

// The text the user reads: a marked text of ratings_texts.h (context
// "ratings"), which the front ends show through their catalogue.
std::string_view WarningText(WarningKind kind);

// The chosen diode's failed rating checks and its heatsink, each with its
// stable name for JSON ("diode-reverse-voltage", "diode-mean-current",
// "diode-surge", "diode-heatsink") and its marked text (context "ratings").
struct DiodeWarning {
  std::string_view Name;
  std::string_view Text;
};
std::vector<DiodeWarning> DiodeWarnings(const DiodeSelection& selection);

}  // namespace tavro::design::ratings
