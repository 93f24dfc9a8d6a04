#include "design/ratings/losses.h"

#include <cmath>
#include <iterator>

#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/faults.h"

namespace tavro::design::ratings {
namespace {

// tan δ at 120 Hz, 20 °C by rated voltage, and 0.02 more for every 1000 µF
// above 1000 µF: Nichicon UPW series (general purpose, 105 °C) data sheet.
struct DissipationPoint {
  long double Voltage;  // V, up to this class
  long double TanDelta;
};
constexpr DissipationPoint kDissipation[] = {{6.3L, 0.22L},   {10.0L, 0.19L},  {16.0L, 0.16L},
                                             {25.0L, 0.14L},  {35.0L, 0.12L},  {50.0L, 0.10L},
                                             {63.0L, 0.09L},  {100.0L, 0.08L}, {250.0L, 0.15L},
                                             {350.0L, 0.20L}, {450.0L, 0.25L}};
constexpr long double kLargestCan = 47000.0L;  // µF
constexpr long double kEsrFrequency = 120.0L;  // Hz, where tan δ is specified

// The can: a cylinder twice as long as wide whose volume holds C·U at a
// typical charge density of general-purpose radial electrolytics; heat leaves
// its surface at a typical 15 W/(m²·K) (convection and radiation in still air).
constexpr long double kChargeDensityLowVoltage = 20000.0L;  // µF·V per cm³, up to 100 V
constexpr long double kChargeDensityHighVoltage = 7000.0L;  // µF·V per cm³, above
constexpr long double kHeatTransfer = 15.0e-4L;             // W/(cm²·K)
constexpr long double kLn2 = 0.693147180559945309417232121458176568L;

long double CubeRoot(long double v) {
  // Newton's method from a power of two above the root converges
  // monotonically from above in a few steps; 100 are far more than any
  // volume needs.
  int e = 0;
  std::frexp(v, &e);  // v < 2^e
  long double x = std::ldexp(1.0L, e >= 0 ? (e + 2) / 3 : -(-e / 3));
  for (int n = 0; n < 100; ++n) {
    const long double next = x - (x * x * x - v) / (3.0L * x * x);
    if (!(next < x)) break;
    x = next;
  }
  return x;
}

long double CanThermalResistance(long double capacitance, long double voltage) {
  const long double density =
      voltage <= 100.0L ? kChargeDensityLowVoltage : kChargeDensityHighVoltage;
  const long double volume = capacitance * voltage / density;  // cm³ = π/2·D³
  const long double D = CubeRoot(2.0L * volume * mathem::kInvPi);
  const long double area = 2.5L * mathem::kPi * D * D;  // side π·D·2D and two ends
  return 1.0L / (kHeatTransfer * area);
}

}  // namespace

long double TypicalDissipationFactor(long double voltageClass, long double capacitance) {
  long double tanDelta = std::end(kDissipation)[-1].TanDelta;
  for (const DissipationPoint& p : kDissipation) {
    if (voltageClass <= p.Voltage) {
      tanDelta = p.TanDelta;
      break;
    }
  }
  // The series ends near 47 000 µF; a larger bank is cans in parallel, each
  // with its own tan δ, so the rise stops there.
  const long double counted = std::fmin(capacitance, kLargestCan);
  if (counted > 1000.0L) tanDelta += 0.02L * std::ceil((counted - 1000.0L) / 1000.0L);
  return tanDelta;
}

long double LifeAt(long double ratedLife, long double ratedTemperature, long double temperature) {
  return ratedLife * mathem::ExpOf((ratedTemperature - temperature) / 10.0L * kLn2);
}

Losses LossesOf(const Design& d, const PartRatings& r, std::optional<long double> bridgeLoss) {
  mathem::FaultScope faults;
  Losses l{};
  const PartChoices& ch = r.Choices;
  const long double C = r.Capacitor.Capacitance.value_or(r.Capacitor.NeededCapacitance);     // µF
  const long double voltage = r.Capacitor.VoltageClass.value_or(r.Capacitor.NeededVoltage);  // V
  CapacitorLoss& cap = l.Capacitor;
  if (ch.CapacitorEsr) {
    cap.Esr = *ch.CapacitorEsr;
    cap.EsrEstimated = false;
  } else {
    cap.DissipationFactor = TypicalDissipationFactor(voltage, C);
    cap.Esr = cap.DissipationFactor / (2.0L * mathem::kPi * kEsrFrequency * C * 1e-6L);
    cap.EsrEstimated = true;
  }
  const long double I = r.Capacitor.RippleCurrent;
  cap.Power = cap.Esr * I * I;
  cap.ThermalResistance = CanThermalResistance(C, voltage);
  cap.SelfHeating = cap.Power * cap.ThermalResistance;
  cap.Temperature = ch.Ambient + cap.SelfHeating;
  cap.Life = LifeAt(ch.CapacitorRatedLife, ch.CapacitorRatedTemperature, cap.Temperature);

  const long double I2 = d.Results.I2;
  l.Transformer.Copper = d.Parameters.Rtr * I2 * I2;
  l.Transformer.Core = ch.CoreLossShare * l.Transformer.Copper;

  SupplyEfficiency& s = l.Supply;
  s.Output = d.Inputs.U0 * d.Inputs.I0;
  s.DiodesFromMethod = !bridgeLoss;
  const long double Idrms = r.MethodDiodeRms;
  s.Diodes = bridgeLoss ? *bridgeLoss : 4.0L * d.Parameters.Rd * Idrms * Idrms;
  s.Efficiency =
      s.Output / (s.Output + s.Diodes + cap.Power + l.Transformer.Copper + l.Transformer.Core);
  faults.Check(cap.Esr, cap.Power, cap.Life, s.Efficiency);
  return l;
}

}  // namespace tavro::design::ratings
