// The data a winding is worked out from: the standard core families
// (laminated E-I, toroidal tape-wound, tape-wound C cores), the standard
// enamelled-wire diameters, the current density by core size and the loss of
// the cores' steel. Each table names its source; every derived figure of a
// core follows from its drawing dimensions by the formulas below (see
// docs/method.md, "Winding one's own").
//
//   E-I (scrapless shape, DIN 41302 / IEC 60740-1): tongue a, stack b;
//     outer legs and yokes a/2, window a/2 × 1.5·a, outline 3·a × 2.5·a.
//     Ae = kFe·a·b, Aw = 0.75·a², limb perimeter 2·(a + b), lFe = 6·a,
//     mass = ρFe·kFe·6·a²·b (the outline less both windows).
//   toroid: outer diameter D, inner d, height H; w = (D − d)/2.
//     Ae = kFe·w·H, Aw = π·d²/4, limb perimeter 2·(w + H), lFe = π·(D + d)/2,
//     mass = ρFe·kFe·π·(D² − d²)/4·H.
//   C core (a pair of C halves, one coil on each leg): strip build a, strip
//     width b, window c × h.
//     Ae = kFe·a·b, Aw = c·h, limb perimeter 2·(a + b), lFe = 2·(c + h) + π·a,
//     mass = ρFe·kFe·((c + 2a)·(h + 2a) − c·h)·b.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavro::design::transformer {

enum class CoreFamily { LaminatedEI, Toroidal, CutC };

struct Core {
  std::string Name;  // "EI 48/16", "T 60×35×25", "C 16×25×16×40" (mm)
  CoreFamily Family;
  // Drawing dimensions, m: E-I a, b; toroid D, d, H; C core a, b, c, h.
  long double Dim[4];
  long double Ae;         // m², iron cross-section (stacking factor applied)
  long double Aw;         // m², window
  long double Perimeter;  // m, of the limb section a coil is wound on
  long double Lfe;        // m, mean magnetic path
  long double Mass;       // kg, the core
  int Coils;              // legs that carry windings: 2 on a C core, else 1
};

inline constexpr long double kStackingFactor = 0.95L;  // 0.35–0.5 mm laminations or tape
inline constexpr long double kSteelDensity = 7650.0L;  // kg/m³, silicon steel

// Ascending size within the family.
std::span<const Core> CoresOf(CoreFamily family);

// "ei", "toroidal", "c": stable names for the command line.
const char* FamilyName(CoreFamily family);
std::optional<CoreFamily> FamilyNamed(std::string_view name);

// Standard enamelled round copper wire (IEC 60317 series, IEC 60182 R20
// diameters): the bare diameter and the largest overall diameter of grade 1.
struct Wire {
  long double Bare;     // m
  long double Overall;  // m
};
std::span<const Wire> StandardWires();

// The current density a core of this area product (Ae·Aw, m⁴) takes, A/m².
long double CurrentDensity(long double areaProduct);

// The steel's specific loss at peak flux density bm (T) and frequency f
// (Hz), W/kg: the E-I cores' non-oriented steel or the tape cores'
// grain-oriented steel.
long double SpecificCoreLoss(CoreFamily family, long double bm, long double f);

}  // namespace tavro::design::transformer
