#include "design/ratings/protection.h"

#include <cmath>
#include <iterator>

#include "design/ratings/corners.h"
#include "design/ratings/standard_values.h"
#include "design/ratings/surge.h"
#include "design/ratings/switch_on.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"

namespace tavro::design::ratings {
namespace {

constexpr int kBisections = 40;

struct MeltingPoint {
  long double Rating;    // A
  long double Integral;  // A²·s
};
// Melting I²t under 10 ms: Bel Fuse type 5ST (IEC 60127-2 sheet 3, glass,
// 63–800 mA) and type 5HT (sheet 5, ceramic, 1–10 A) data sheets.
constexpr MeltingPoint kMelting[] = {
    {0.063L, 0.008L}, {0.08L, 0.015L}, {0.1L, 0.03L},   {0.125L, 0.05L}, {0.16L, 0.08L},
    {0.2L, 0.15L},    {0.25L, 0.26L},  {0.315L, 0.46L}, {0.4L, 0.81L},   {0.5L, 1.4L},
    {0.63L, 0.9L},    {0.8L, 1.6L},    {1.0L, 1.7L},    {1.25L, 3.0L},   {1.6L, 5.4L},
    {2.0L, 9.7L},     {2.5L, 17.4L},   {3.15L, 31.0L},  {4.0L, 56.0L},   {5.0L, 101.0L},
    {6.3L, 181.0L},   {8.0L, 330.0L},  {10.0L, 601.0L}};

}  // namespace

std::optional<long double> TypicalMeltingIntegral(long double rating) {
  for (const MeltingPoint& p : kMelting) {
    if (p.Rating == rating) return p.Integral;
  }
  return std::nullopt;
}

mathem::SeriesRlc CircuitWithLimiter(const Design& d, const SupplyConditions& mains,
                                     long double primaryResistance) {
  mathem::SeriesRlc c = ChargingCircuit(d, mains);
  const long double n = d.Results.TurnsRatio;
  c.R += primaryResistance * n * n;
  return c;
}

std::optional<long double> AllowedSurge(const PartRatings& r) {
  if (r.Choices.SurgeLimit) return r.Choices.SurgeLimit;
  if (r.ChosenDiode) return r.ChosenDiode->Diode->Ifsm;
  return std::nullopt;
}

const std::optional<mathem::SwitchOnSurge>& RatedSurge(const PartRatings& r) {
  return r.ChosenDiode && r.ChosenDiode->Surge ? r.ChosenDiode->Surge : r.Diodes.Surge;
}

Protection ProtectionOf(const Design& d, const PartRatings& r) {
  Protection p;
  const SupplyConditions& mains = r.Mains;
  const long double n = d.Results.TurnsRatio;

  // The primary rms current at rated load and high mains: the secondary's
  // D'·I0/√2 at the high-mains load point, through the turns ratio.
  Fuse& f = p.PrimaryFuse;
  try {
    const LoadCorner high = LoadAt(d, mains.HighFactor(), d.Inputs.I0);
    const long double A = d.Parameters.Rsum * d.Inputs.I0 / (2.0L * high.MeanVoltage);
    const long double D = mathem::RmsCurrentFactor(high.Psi, d.Parameters.Phi, high.Beta, A);
    f.PrimaryCurrent = D * d.Inputs.I0 / std::sqrt(2.0L) * n;
  } catch (const mathem::NumericalFailure& e) {
    // The nominal point's current stands in; the rise at high mains is small.
    f.PrimaryCurrent = r.Transformer.PrimaryCurrent;
    f.Failure = e.what();
  }
  f.Needed = r.Choices.FuseFactor * f.PrimaryCurrent;
  f.Rating = PickClass(f.Needed, kFuseRatings);
  if (f.Rating) f.MeltingIntegral = TypicalMeltingIntegral(*f.Rating);

  Limiter& l = p.NtcLimiter;
  l.SteadyCurrent = f.PrimaryCurrent;
  const long double C = r.Capacitor.Capacitance.value_or(r.Capacitor.NeededCapacitance) * 1e-6L;
  l.Energy = C * r.Capacitor.VoltageNeed * r.Capacitor.VoltageNeed / 2.0L;
  long double limiter = 0.0L;
  const std::optional<long double> allowed = AllowedSurge(r);
  const std::optional<mathem::SwitchOnSurge>& surge = RatedSurge(r);
  if (allowed && surge && surge->Current > *allowed) {
    l.Needed = true;
    l.AllowedSurge = *allowed;
    try {
      // The surge cannot pass (Em − drop)/R: that much resistance is enough.
      const mathem::SeriesRlc base = ChargingCircuit(d, mains);
      long double lo = 0.0L;
      long double hi = (base.Em - base.Drop) / l.AllowedSurge / (n * n);
      for (int k = 0; k < kBisections; ++k) {
        const long double mid = (lo + hi) / 2.0L;
        const mathem::SwitchOnSurge s = mathem::WorstSwitchOn(CircuitWithLimiter(d, mains, mid));
        (s.Current > l.AllowedSurge ? lo : hi) = mid;
      }
      l.Resistance = hi;
      l.StandardResistance = PickSeriesValue(hi, CapacitanceSeries::E6);
      if (l.StandardResistance) {
        limiter = *l.StandardResistance;
        l.SurgeWith = mathem::WorstSwitchOn(CircuitWithLimiter(d, mains, limiter));
      }
    } catch (const mathem::NumericalFailure& e) {
      l.Failure = e.what();
    }
  }

  // The surge's I²t in the primary: the secondary's through n², at the worst
  // phase of the surge (with the limiter where there is one).
  try {
    const mathem::SeriesRlc c = CircuitWithLimiter(d, mains, limiter);
    const long double phase =
        l.SurgeWith ? l.SurgeWith->Phase
                    : (r.Diodes.Surge ? r.Diodes.Surge->Phase : mathem::WorstSwitchOn(c).Phase);
    f.SurgeIntegral = n * n * SwitchOnIntegralOfSquare(c, phase);
  } catch (const mathem::NumericalFailure& e) {
    f.Failure = e.what();
  }
  return p;
}

}  // namespace tavro::design::ratings
