#include "design/transformer/winding.h"

#include <algorithm>
#include <cmath>

#include "mathem/extended.h"
#include "mathem/faults.h"

namespace tavro::design::transformer {
namespace {

using mathem::kPi;

constexpr long double kMu0 = 4.0e-7L * kPi;  // H/m
constexpr int kMaxTurns = 1000000;

long double Area(const Wire& w) {
  return kPi * w.Bare * w.Bare / 4.0L;
}

// The smallest standard wire whose section carries `current` at `density`.
std::optional<Wire> WireFor(long double current, long double density) {
  const long double section = current / density;
  for (const Wire& w : StandardWires()) {
    if (Area(w) >= section) return w;
  }
  return std::nullopt;
}

// The bobbin's (or the toroid's wrap) thickness and the width one coil may
// fill from the limb.
long double Base(const Core& core) {
  return core.Family == CoreFamily::Toroidal ? kToroidWrap : kBobbinWall;
}

long double RoomOf(const Core& core) {
  switch (core.Family) {
    case CoreFamily::LaminatedEI:
      return core.Dim[0] / 2.0L;  // the window's width a/2
    case CoreFamily::CutC:
      return core.Dim[2] / 2.0L;  // two coils share the window's width c
    case CoreFamily::Toroidal:
      break;
  }
  return (1.0L - kToroidHoleLeft) * core.Dim[1] / 2.0L;
}

// The length of a layer starting `offset` from the limb.
long double LayerLengthOf(const Core& core, long double offset) {
  switch (core.Family) {
    case CoreFamily::LaminatedEI:
      return 1.5L * core.Dim[0] - 2.0L * kBobbinWall;
    case CoreFamily::CutC:
      return core.Dim[3] - 2.0L * kBobbinWall;
    case CoreFamily::Toroidal:
      break;
  }
  return kPi * (core.Dim[1] - 2.0L * offset);  // the inner circumference there
}

// Lays `turns` (of the whole winding) on one coil starting `offset` from the
// limb; false when not one turn fits a layer.
bool Lay(const Core& core, long double offset, int turns, Coil& c) {
  c.Turns = turns;
  c.LayerLength = LayerLengthOf(core, offset);
  const long double perLayer = std::floor(kLayerFill * c.LayerLength / c.Conductor.Overall);
  if (!(perLayer >= 1.0L)) return false;
  c.TurnsPerLayer = static_cast<int>(std::min(perLayer, static_cast<long double>(kMaxTurns)));
  const int coilTurns = (turns + core.Coils - 1) / core.Coils;
  c.Layers = (coilTurns + c.TurnsPerLayer - 1) / c.TurnsPerLayer;
  const long double film = c.Conductor.Bare >= kFilmFromWire ? kInterlayer : 0.0L;
  c.Build = c.Layers * c.Conductor.Overall + (c.Layers - 1) * film;
  c.MeanTurn = core.Perimeter + 2.0L * kPi * (offset + c.Build / 2.0L);
  c.R20 = kCopperResistivity * turns * c.MeanTurn / Area(c.Conductor);
  return true;
}

// At least `turns`, a whole number on each coil; none beyond a million (the
// core is then far too small for the voltage).
std::optional<int> TurnsFor(long double turns, int coils) {
  if (!(turns <= kMaxTurns)) return std::nullopt;
  const int whole = std::max(1, static_cast<int>(std::ceil(turns)));
  return (whole + coils - 1) / coils * coils;
}

long double SurfaceOf(const Core& core, long double stack) {
  const long double* d = core.Dim;
  long double w = 0.0L, h = 0.0L, depth = 0.0L;
  switch (core.Family) {
    case CoreFamily::LaminatedEI:
      w = 3.0L * d[0];
      h = 2.5L * d[0];
      depth = d[1] + 2.0L * stack;
      break;
    case CoreFamily::CutC:
      w = d[2] + 2.0L * d[0] + 2.0L * stack;
      h = d[3] + 2.0L * d[0];
      depth = d[1] + 2.0L * stack;
      break;
    case CoreFamily::Toroidal: {
      const long double outer = d[0] + 2.0L * stack, inner = d[1] - 2.0L * stack;
      const long double height = d[2] + 2.0L * stack;
      return 2.0L * kPi * (outer * outer - inner * inner) / 4.0L + kPi * (outer + inner) * height;
    }
  }
  return 2.0L * (w * h + w * depth + h * depth);
}

// The windings on `core`; nothing when its window is too small.
std::optional<Winding> TryCore(const Design& design, const Mains& mains,
                               const WindingRequest& request, const Core& core) {
  mathem::FaultScope faults;
  Winding w{};
  w.Chosen = core;
  w.RequestedFluxDensity = request.Bm;
  const long double f = mains.Frequency;
  w.TurnsPerVolt = 1.0L / (4.44L * f * request.Bm * core.Ae);
  const long double density = CurrentDensity(core.Ae * core.Aw);
  w.Primary.Current = design.Results.I1;
  w.Secondary.Current = design.Results.I2;
  const auto primaryWire = WireFor(w.Primary.Current, density);
  const auto secondaryWire = WireFor(w.Secondary.Current, density);
  if (!primaryWire || !secondaryWire) return std::nullopt;
  w.Primary.Conductor = *primaryWire;
  w.Secondary.Conductor = *secondaryWire;
  w.Primary.Density = w.Primary.Current / Area(*primaryWire);
  w.Secondary.Density = w.Secondary.Current / Area(*secondaryWire);

  const std::optional<int> primaryTurns = TurnsFor(mains.Voltage * w.TurnsPerVolt, core.Coils);
  if (!primaryTurns) return std::nullopt;
  const int n1 = *primaryTurns;
  const long double base = Base(core);
  if (!Lay(core, base, n1, w.Primary)) return std::nullopt;
  w.FluxDensity = mains.Voltage / (4.44L * f * core.Ae * n1);
  // The secondary from the design's U2, which is the EMF with no load: the
  // drop at load is in Rtr, which the rectifier's equations already carry.
  const long double offset2 = base + w.Primary.Build + kInterwinding;
  const std::optional<int> secondaryTurns =
      TurnsFor(design.Results.U2 * w.TurnsPerVolt, core.Coils);
  if (!secondaryTurns) return std::nullopt;
  const int n2 = *secondaryTurns;
  if (!Lay(core, offset2, n2, w.Secondary)) return std::nullopt;
  w.Room = RoomOf(core);
  w.Stack = base + w.Primary.Build + kInterwinding + w.Secondary.Build + kOuterWrap;
  w.Fill = w.Stack / w.Room;
  w.CopperFill = (n1 * Area(w.Primary.Conductor) + n2 * Area(w.Secondary.Conductor)) / core.Aw;
  faults.Check(w.TurnsPerVolt, w.FluxDensity, w.Stack, w.Fill, w.CopperFill);
  if (w.Fill > 1.0L) return std::nullopt;

  const long double ratio = static_cast<long double>(n2) / n1;
  w.Emf = mains.Voltage * ratio;
  w.Rtr20 = w.Secondary.R20 + w.Primary.R20 * ratio * ratio;
  // Two concentric windings: μ0·N²·lm·(δ + (t1 + t2)/3)/h per coil; a C
  // core's two coils (half the turns each) in series halve it.
  const long double meanTurn = (w.Primary.MeanTurn + w.Secondary.MeanTurn) / 2.0L;
  const long double height = (w.Primary.LayerLength + w.Secondary.LayerLength) / 2.0L;
  w.Ls = kMu0 * n2 * n2 * meanTurn *
         (kInterwinding + (w.Primary.Build + w.Secondary.Build) / 3.0L) / (core.Coils * height);
  w.SpecificLoss = SpecificCoreLoss(core.Family, w.FluxDensity, f);
  w.CoreLoss = w.SpecificLoss * core.Mass;
  w.Surface = SurfaceOf(core, w.Stack);
  faults.Check(w.Emf, w.Rtr20, w.Ls, w.SpecificLoss, w.CoreLoss, w.Surface);

  // The working temperature: the copper's loss at it and the core's loss
  // leave through the surface, k·S·(T − Ta) = Pcu20·(1 + α·(T − 20)) + PFe,
  // linear in T. Where the copper's loss rises with T as fast as the
  // surface sheds it there is no balance: the core is too small.
  const long double i1 = w.Primary.Current, i2 = w.Secondary.Current;
  const long double cold = i1 * i1 * w.Primary.R20 + i2 * i2 * w.Secondary.R20;
  const long double shed = kHeatTransfer * w.Surface;
  const long double slope = shed - cold * kCopperAlpha;
  if (!(slope > 0.0L)) return std::nullopt;
  const long double t =
      (shed * request.Ambient + cold * (1.0L - 20.0L * kCopperAlpha) + w.CoreLoss) / slope;
  const long double warm = 1.0L + kCopperAlpha * (t - 20.0L);
  w.WorkingTemperature = t;
  w.TemperatureRise = t - request.Ambient;
  w.Primary.RWorking = w.Primary.R20 * warm;
  w.Secondary.RWorking = w.Secondary.R20 * warm;
  w.Rtr = w.Rtr20 * warm;
  w.CopperLoss = cold * warm;
  faults.Check(w.WorkingTemperature, w.Rtr, w.CopperLoss);
  return w;
}

}  // namespace

CoreFamily DefaultFamily(const Design& design) {
  return design.Inputs.Limbs == 2 ? CoreFamily::CutC : CoreFamily::LaminatedEI;
}

WindingResult Wind(const Design& design, const Mains& mains, const WindingRequest& request) {
  if (!(std::isfinite(request.Bm) && request.Bm > 0.0L)) return WindingError::FluxDensity;
  if (!(std::isfinite(request.Ambient) && std::isfinite(mains.Voltage) && mains.Voltage > 0.0L &&
        std::isfinite(mains.Frequency) && mains.Frequency > 0.0L)) {
    return WindingError::Numerical;
  }
  std::vector<std::string> refused;
  try {
    for (const Core& core : CoresOf(request.Family)) {
      std::optional<Winding> w = TryCore(design, mains, request, core);
      if (!w) {
        refused.push_back(core.Name);
        continue;
      }
      w->Refused = std::move(refused);
      AnalysisInputs in{w->Emf,           w->Rtr, w->Ls, design.Inputs.Ud, design.Results.Cf,
                        design.Inputs.I0, mains};
      AnalysisResult a = Analyse(in);
      if (auto* done = std::get_if<Analysis>(&a)) {
        w->Result = std::move(*done);
      } else {
        w->ResultFailure = std::get<Failure>(a).Stage;
      }
      return *std::move(w);
    }
  } catch (const mathem::NumericalFailure&) {
    return WindingError::Numerical;
  }
  return WindingError::NoCoreFits;
}

const char* WindingErrorName(WindingError error) {
  switch (error) {
    case WindingError::FluxDensity:
      return "flux-density";
    case WindingError::NoCoreFits:
      return "no-core-fits";
    case WindingError::Numerical:
      return "numerical";
  }
  return "unknown";
}

}  // namespace tavro::design::transformer
