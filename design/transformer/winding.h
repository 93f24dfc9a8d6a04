// Winding one's own transformer for a design: the smallest core of a family
// whose window takes both windings with their insulation, the turns from the
// flux density, the wires from the core's current density rounded to the
// standard enamelled diameters, the resistances, losses and temperature rise,
// and the leakage inductance from the winding geometry. The wound
// transformer's EMF, resistance and leakage then go back through the
// analysis, beside the method's empirical Rtr and Ls. See docs/method.md,
// "Winding one's own".
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "design/analysis.h"
#include "design/calculate.h"
#include "design/transformer/cores.h"

namespace tavro::design::transformer {

// A core is refused when its window does not take the windings, when not one
// turn fits a layer, or when its surface cannot shed the copper's loss as it
// rises with the temperature.
//
// Insulation and winding practice (typical of small mains transformers).
inline constexpr long double kBobbinWall = 1.0e-3L;    // m, E-I and C bobbins
inline constexpr long double kToroidWrap = 0.5e-3L;    // m, the core's insulation
inline constexpr long double kInterlayer = 0.05e-3L;   // m, film between layers
inline constexpr long double kFilmFromWire = 0.5e-3L;  // m, bare: thinner wires go without
inline constexpr long double kInterwinding = 0.3e-3L;  // m, tape between the windings
inline constexpr long double kOuterWrap = 0.2e-3L;     // m, over the secondary
inline constexpr long double kLayerFill = 0.9L;        // share of a layer's length used
inline constexpr long double kToroidHoleLeft = 0.4L;   // share of the hole's diameter kept free
inline constexpr long double kCopperResistivity = 1.7241e-8L;  // ohm·m at 20 °C (IEC 60028)
inline constexpr long double kCopperAlpha = 0.00393L;          // 1/K
inline constexpr long double kHeatTransfer =
    12.0L;  // W/(m²·K), still air, convection and radiation

struct WindingRequest {
  CoreFamily Family = CoreFamily::LaminatedEI;
  long double Bm = 1.2L;        // T, peak flux density
  long double Ambient = 40.0L;  // °C
};

struct Coil {
  long double Current;  // A rms
  int Turns;            // of the whole winding (on a C core, half on each leg)
  Wire Conductor;
  long double Density;  // A/m², in the chosen wire
  int TurnsPerLayer;
  int Layers;               // of one coil
  long double LayerLength;  // m
  long double Build;        // m, of one coil
  long double MeanTurn;     // m
  long double R20;          // ohm
  long double RWorking;     // ohm, at the working temperature
};

struct Winding {
  Core Chosen;
  std::vector<std::string> Refused;  // smaller cores whose window was too small
  long double RequestedFluxDensity;  // T, Bm asked for
  long double TurnsPerVolt;          // 1/(4.44·f·Bm·Ae)
  long double FluxDensity;           // T, with the primary's turns as rounded
  Coil Primary, Secondary;
  long double Room;                  // m: the window's width one coil may fill
  long double Stack;                 // m: bobbin, both coils, insulation and wrap
  long double Fill;                  // Stack/Room
  long double CopperFill;            // copper section of both windings over the window area
  long double Emf;                   // V: U1·N2/N1, the secondary with no load
  long double Rtr20, Rtr;            // ohm, referred to the secondary, 20 °C and working
  long double Ls;                    // H, from the winding geometry, referred to the secondary
  long double SpecificLoss;          // W/kg
  long double CoreLoss, CopperLoss;  // W
  long double Surface;               // m², cooling surface
  long double TemperatureRise;       // K
  long double WorkingTemperature;    // °C
  // The rectifier with this transformer (the design's capacitor and load);
  // empty when the analysis fails, with where it stopped.
  std::optional<Analysis> Result;
  std::optional<FailureStage> ResultFailure;
};

enum class WindingError {
  FluxDensity,  // not positive and finite
  NoCoreFits,   // no core of the family takes the windings
  Numerical,    // a figure faulted
};

using WindingResult = std::variant<Winding, WindingError>;

WindingResult Wind(const Design& design, const Mains& mains, const WindingRequest& request);

// The family a design's limbs suggest: C cores for two, E-I for one.
CoreFamily DefaultFamily(const Design& design);

// "flux-density", "no-core-fits", ...: stable names for the command line.
const char* WindingErrorName(WindingError error);

}  // namespace tavro::design::transformer
