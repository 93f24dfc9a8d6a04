#include "design/transformer/cores.h"

#include <cmath>
#include <iterator>
#include <vector>

#include "mathem/extended.h"

namespace tavro::design::transformer {
namespace {

using mathem::kPi;

constexpr long double kMm = 1e-3L;

// Scrapless E-I laminations of DIN 41302 / IEC 60740-1 (tongue width = a
// third of the lamination width), each in its usual square stack and a
// stack of about 1.5 tongue widths, as the lamination makers (e.g. Waasner,
// Tempel) and the bobbin makers list them: tongue a, stack b, mm.
constexpr long double kEi[][2] = {
    {10, 10.5L}, {10, 15.5L}, {12.7L, 13.6L}, {12.7L, 20}, {14, 14}, {14, 21}, {16, 16},
    {16, 24},    {18, 18},    {18, 27},       {20, 20},    {20, 30}, {22, 22}, {22, 34},
    {26, 26},    {26, 39},    {28, 28},       {28, 42},    {32, 32}, {32, 48}, {35, 35},
    {35, 53},    {40, 40},    {40, 60},       {50, 50},    {50, 75}};

// Toroidal cores of grain-oriented tape as toroidal-transformer makers wind
// them for 10–1000 VA (the sizes of e.g. the Talema/Nuvotem and Block ranges,
// typical, as remembered): outer diameter, inner diameter, height, mm.
constexpr long double kToroids[][3] = {{40, 22, 15},  {50, 28, 20}, {60, 35, 25},  {70, 40, 25},
                                       {80, 45, 30},  {90, 50, 35}, {100, 55, 40}, {115, 62, 45},
                                       {130, 70, 50}, {150, 80, 60}};

// Tape-wound C cores (pairs of C halves, as in IEC 60329 and the Soviet ПЛ
// range): strip build a, strip width b, window c × h, mm; typical, as
// remembered.
constexpr long double kCCores[][4] = {{10, 16, 10, 25}, {12.5L, 20, 12.5L, 32}, {16, 25, 16, 40},
                                      {20, 32, 20, 50}, {25, 40, 25, 63},       {32, 50, 32, 80}};

std::string Mm(long double v) {
  char buffer[32];
  const long double rounded = std::round(v * 10.0L) / 10.0L;
  if (rounded == std::floor(rounded)) {
    std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(rounded));
  } else {
    std::snprintf(buffer, sizeof buffer, "%.1f", static_cast<double>(rounded));
  }
  return buffer;
}

std::vector<Core> Build(CoreFamily family) {
  std::vector<Core> cores;
  const long double k = kStackingFactor;
  if (family == CoreFamily::LaminatedEI) {
    for (const auto& row : kEi) {
      const long double a = row[0] * kMm, b = row[1] * kMm;
      cores.push_back({"EI " + Mm(std::round(3 * row[0])) + "/" + Mm(row[1]),
                       family,
                       {a, b, 0, 0},
                       k * a * b,
                       0.75L * a * a,
                       2 * (a + b),
                       6 * a,
                       kSteelDensity * k * 6 * a * a * b,
                       1});
    }
  } else if (family == CoreFamily::Toroidal) {
    for (const auto& row : kToroids) {
      const long double D = row[0] * kMm, d = row[1] * kMm, H = row[2] * kMm;
      const long double w = (D - d) / 2;
      cores.push_back({"T " + Mm(row[0]) + "×" + Mm(row[1]) + "×" + Mm(row[2]),
                       family,
                       {D, d, H, 0},
                       k * w * H,
                       kPi * d * d / 4,
                       2 * (w + H),
                       kPi * (D + d) / 2,
                       kSteelDensity * k * kPi * (D * D - d * d) / 4 * H,
                       1});
    }
  } else {
    for (const auto& row : kCCores) {
      const long double a = row[0] * kMm, b = row[1] * kMm, c = row[2] * kMm, h = row[3] * kMm;
      cores.push_back({"C " + Mm(row[0]) + "×" + Mm(row[1]) + "×" + Mm(row[2]) + "×" + Mm(row[3]),
                       family,
                       {a, b, c, h},
                       k * a * b,
                       c * h,
                       2 * (a + b),
                       2 * (c + h) + kPi * a,
                       kSteelDensity * k * ((c + 2 * a) * (h + 2 * a) - c * h) * b,
                       2});
    }
  }
  return cores;
}

// IEC 60317-0-1 grade 1: bare and largest overall diameters, mm (the R20
// diameters of IEC 60182 from 0.1 to 3.15 mm; typical, as remembered).
constexpr long double kWires[][2] = {
    {0.100L, 0.121L}, {0.112L, 0.134L}, {0.125L, 0.149L}, {0.140L, 0.166L}, {0.160L, 0.187L},
    {0.180L, 0.209L}, {0.200L, 0.230L}, {0.224L, 0.256L}, {0.250L, 0.284L}, {0.280L, 0.315L},
    {0.315L, 0.352L}, {0.355L, 0.395L}, {0.400L, 0.442L}, {0.450L, 0.495L}, {0.500L, 0.548L},
    {0.560L, 0.611L}, {0.630L, 0.684L}, {0.710L, 0.767L}, {0.800L, 0.861L}, {0.900L, 0.965L},
    {1.000L, 1.068L}, {1.120L, 1.192L}, {1.250L, 1.325L}, {1.400L, 1.479L}, {1.600L, 1.683L},
    {1.800L, 1.885L}, {2.000L, 2.089L}, {2.240L, 2.333L}, {2.500L, 2.595L}, {2.800L, 2.897L},
    {3.150L, 3.251L}};

std::vector<Wire> BuildWires() {
  std::vector<Wire> w;
  for (const auto& row : kWires) w.push_back({row[0] * kMm, row[1] * kMm});
  return w;
}

// Current density by the core's area product Ae·Aw (cm⁴): the larger core
// sheds its heat through less surface per watt. McLyman's J = Kj·Ap^−0.12
// (A/cm², Kj = 468 for E-I laminations at a 50 °C rise; "Transformer and
// Inductor Design Handbook") taken at the upper end of each step and rounded
// down; the same for every family (a toroid runs cooler). Typical, as
// remembered.
struct DensityRow {
  long double AreaProduct;  // cm⁴, up to
  long double Density;      // A/mm²
};
constexpr DensityRow kDensity[] = {{1, 4.5L},   {3, 4.0L},   {10, 3.5L},  {30, 3.0L},
                                   {100, 2.6L}, {300, 2.3L}, {1000, 2.0L}};
constexpr long double kLargeCoreDensity = 1.8L;

// Specific loss at 50 Hz, W/kg, by peak flux density, T: non-oriented
// M400-50A (0.5 mm, E-I laminations) and grain-oriented M130-30S (0.3 mm
// tape); from the makers' (e.g. Cogent, thyssenkrupp) typical curves,
// typical, as remembered.
struct LossRow {
  long double Bm, NonOriented, GrainOriented;
};
constexpr LossRow kLoss[] = {{0.5L, 0.45L, 0.20L}, {0.8L, 1.10L, 0.35L}, {1.0L, 1.70L, 0.47L},
                             {1.2L, 2.45L, 0.63L}, {1.4L, 3.35L, 0.85L}, {1.5L, 4.00L, 0.98L},
                             {1.6L, 4.80L, 1.12L}, {1.7L, 5.80L, 1.30L}, {1.8L, 7.00L, 1.60L}};
// Of the loss at 50 Hz this share is hysteresis (∝ f), the rest eddy
// currents (∝ f²).
constexpr long double kHysteresisShare = 0.6L;

}  // namespace

std::span<const Core> CoresOf(CoreFamily family) {
  static const std::vector<Core> ei = Build(CoreFamily::LaminatedEI);
  static const std::vector<Core> toroids = Build(CoreFamily::Toroidal);
  static const std::vector<Core> c = Build(CoreFamily::CutC);
  switch (family) {
    case CoreFamily::Toroidal:
      return toroids;
    case CoreFamily::CutC:
      return c;
    case CoreFamily::LaminatedEI:
      break;
  }
  return ei;
}

const char* FamilyName(CoreFamily family) {
  switch (family) {
    case CoreFamily::Toroidal:
      return "toroidal";
    case CoreFamily::CutC:
      return "c";
    case CoreFamily::LaminatedEI:
      break;
  }
  return "ei";
}

std::optional<CoreFamily> FamilyNamed(std::string_view name) {
  for (const CoreFamily f : {CoreFamily::LaminatedEI, CoreFamily::Toroidal, CoreFamily::CutC}) {
    if (name == FamilyName(f)) return f;
  }
  return std::nullopt;
}

std::span<const Wire> StandardWires() {
  static const std::vector<Wire> wires = BuildWires();
  return wires;
}

long double CurrentDensity(long double areaProduct) {
  const long double cm4 = areaProduct * 1e8L;
  for (const DensityRow& row : kDensity) {
    if (cm4 <= row.AreaProduct) return row.Density * 1e6L;
  }
  return kLargeCoreDensity * 1e6L;
}

long double SpecificCoreLoss(CoreFamily family, long double bm, long double f) {
  const auto of = [family](const LossRow& r) {
    return family == CoreFamily::LaminatedEI ? r.NonOriented : r.GrainOriented;
  };
  long double p50;
  const LossRow& first = kLoss[0];
  if (bm <= first.Bm) {
    p50 = of(first) * (bm / first.Bm) * (bm / first.Bm);  // the loss goes as B² below
  } else {
    std::size_t k = 1;
    while (k + 1 < std::size(kLoss) && bm > kLoss[k].Bm) ++k;  // at most the table's rows
    const LossRow& lo = kLoss[k - 1];
    const LossRow& hi = kLoss[k];
    p50 = of(lo) + (bm - lo.Bm) / (hi.Bm - lo.Bm) * (of(hi) - of(lo));
  }
  const long double r = f / 50.0L;
  return p50 * (kHysteresisShare * r + (1.0L - kHysteresisShare) * r * r);
}

}  // namespace tavro::design::transformer
