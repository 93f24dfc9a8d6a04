#include "design/ratings/part_ratings.h"

#include <cmath>

#include "design/ratings/losses.h"
#include "design/ratings/output_trough.h"
#include "design/ratings/protection.h"
#include "design/ratings/surge.h"
#include "design/ratings/switch_on.h"
#include "mathem/angle_trig.h"
#include "mathem/extended.h"
#include "mathem/faults.h"

namespace tavro::design::ratings {

long double SecondaryTerminalVoltage(const Design& d) {
  mathem::FaultScope faults;
  const long double U0 = d.Inputs.U0;
  const long double A = d.A;
  const long double h = mathem::kHalfPi - d.Point.Psi;  // start of conduction
  const long double end = std::fmin(d.Point.Beta, h + mathem::kPi);
  // While a pair conducts the terminals carry U0 + 2·Rd·i; i in units of
  // U0/Rsum integrates over one pulse to 2π·A and its square to 2π·(D·A)².
  const long double g = 2.0L * d.Parameters.Rd / d.Parameters.Rsum;
  const long double DA = d.Coefficients.D * A;
  const long double conducting =
      U0 * U0 *
      ((end - h) + 2.0L * g * 2.0L * mathem::kPi * A + g * g * 2.0L * mathem::kPi * DA * DA);
  // Elsewhere in the half period the EMF Em·sin x with Em = √2·U2.
  const long double Em2 = 2.0L * d.Results.U2 * d.Results.U2;
  const auto primitive = [](long double x) {
    return x / 2.0L - mathem::RoundedSin(2.0L * x) / 4.0L;
  };
  const long double blocking = Em2 * (primitive(h + mathem::kPi) - primitive(end));
  const long double rms = std::sqrt((conducting + blocking) * mathem::kInvPi);
  faults.Check(rms);
  return rms;
}

namespace {

// Rises of the capacitor's rms and the diodes' peak current in the program's
// simulation of the real circuit (1N5408 or 1N4007, resistive load, 1 %
// ripple) over the method's; docs/method.md, "Currents of real diodes".
struct RisePoint {
  long double U0;         // V
  long double Capacitor;  // fraction
  long double Peak;       // fraction
};
constexpr RisePoint kTypicalRises[] = {
    {5.0L, 0.30L, 0.35L}, {12.0L, 0.13L, 0.16L}, {24.0L, 0.07L, 0.09L}, {220.0L, 0.02L, 0.02L}};

long double Interpolated(long double U0, long double RisePoint::*field) {
  const auto& t = kTypicalRises;
  if (!(U0 > t[0].U0)) return t[0].*field;
  for (std::size_t k = 1; k < std::size(t); ++k) {
    if (U0 <= t[k].U0) {
      const long double w = (U0 - t[k - 1].U0) / (t[k].U0 - t[k - 1].U0);
      return t[k - 1].*field + w * (t[k].*field - t[k - 1].*field);
    }
  }
  return std::end(t)[-1].*field;
}

}  // namespace

CurrentBasis TypicalRise(long double U0) {
  CurrentBasis b;
  b.TypicalCapacitorRise = Interpolated(U0, &RisePoint::Capacitor);
  b.TypicalPeakRise = Interpolated(U0, &RisePoint::Peak);
  return b;
}

namespace {

CapacitorRating CapacitorOf(const Design& d, const SupplyConditions& mains,
                            const PartChoices& choices, const OperatingCorners& corners) {
  mathem::FaultScope faults;
  const DesignResults& res = d.Results;
  const long double I0 = d.Inputs.I0;
  CapacitorRating cap;
  // (I2 − I0)·(I2 + I0): no overflow for large currents; I2 ≥ I0 (an rms is
  // never below the mean) up to rounding.
  cap.RippleCurrent = std::sqrt(std::fmax(0.0L, (res.I2 - I0) * (res.I2 + I0)));
  cap.WorkingVoltage = corners.NoLoadHighMains;
  try {
    const SwitchOnVoltage v = WorstSwitchOnVoltage(ChargingCircuit(d, mains));
    cap.SwitchOnPeak = v.Voltage;
    cap.SwitchOnPhase = v.Phase;
    cap.SwitchOnOvershoot = v.Overshoot;
  } catch (const mathem::NumericalFailure& e) {
    cap.SwitchOnFailure = e.what();
  }
  cap.VoltageNeed = std::fmax(cap.WorkingVoltage, cap.SwitchOnPeak.value_or(0.0L));
  cap.NeededVoltage = choices.CapacitorVoltageMargin * cap.VoltageNeed;
  cap.VoltageClass = PickClass(cap.NeededVoltage, kCapacitorVoltageClasses);
  if (cap.VoltageClass) cap.Headroom = *cap.VoltageClass / cap.VoltageNeed - 1.0L;
  cap.NeededCapacitance = res.Cf / (1.0L - choices.CapacitanceTolerance);
  cap.Capacitance = PickSeriesValue(cap.NeededCapacitance, choices.Series);
  faults.Check(cap.RippleCurrent, cap.NeededCapacitance, cap.NeededVoltage);
  return cap;
}

}  // namespace

CapacitorRating RateCapacitor(const Design& d, const SupplyConditions& mains,
                              const PartChoices& choices) {
  return CapacitorOf(d, mains, choices, CornersOf(d, mains.Tolerance));
}

PartRatings RateParts(const Design& d, const SupplyConditions& mains, const PartChoices& choices,
                      const std::optional<SimulatedFigures>& simulated) {
  PartRatings r;
  r.Mains = mains;
  r.Choices = choices;
  r.Corners = CornersOf(d, mains.Tolerance);

  mathem::FaultScope faults;
  const DesignResults& res = d.Results;
  const long double I0 = d.Inputs.I0;

  r.Capacitor = CapacitorOf(d, mains, choices, r.Corners);
  CapacitorRating& cap = r.Capacitor;

  DiodeRating& diode = r.Diodes;
  diode.ReverseVoltage = r.Corners.ReverseHighMains;
  diode.NeededReverseVoltage = choices.DiodeVoltageMargin * diode.ReverseVoltage;
  diode.ReverseClass = PickClass(diode.NeededReverseVoltage, kDiodeVoltageClasses);
  diode.MeanCurrent = I0 / 2.0L;
  diode.RmsCurrent = res.Idrms;
  diode.PeakCurrent = res.Idpk;

  TransformerRating& tr = r.Transformer;
  tr.FramePower = res.Pframe;
  tr.SecondaryNoLoad = res.U2;
  tr.SecondaryRatedLoad = SecondaryTerminalVoltage(d);
  tr.SecondaryCurrent = res.I2;
  tr.PrimaryVoltage = mains.Supply.Voltage;
  tr.PrimaryCurrent = res.I1;
  faults.Check(cap.RippleCurrent, cap.NeededCapacitance, diode.NeededReverseVoltage,
               cap.NeededVoltage);

  // The currents: the method's, or the larger of theirs and a simulation's.
  r.MethodRippleCurrent = cap.RippleCurrent;
  r.MethodDiodeRms = diode.RmsCurrent;
  r.MethodDiodePeak = diode.PeakCurrent;
  if (simulated) {
    r.Basis.Simulated = true;
    r.Basis.CapacitorFromSimulation = simulated->CapacitorRms > cap.RippleCurrent;
    r.Basis.DiodeRmsFromSimulation = simulated->DiodeRms > diode.RmsCurrent;
    r.Basis.DiodePeakFromSimulation = simulated->DiodePeak > diode.PeakCurrent;
    cap.RippleCurrent = std::fmax(cap.RippleCurrent, simulated->CapacitorRms);
    diode.RmsCurrent = std::fmax(diode.RmsCurrent, simulated->DiodeRms);
    diode.PeakCurrent = std::fmax(diode.PeakCurrent, simulated->DiodePeak);
    r.SimulatedLowest = simulated->LowestVoltage;
  } else {
    r.Basis = TypicalRise(d.Inputs.U0);
  }
  try {
    r.NominalLowest = SwingOfPulse(d, d.Point.Psi, d.Point.Beta, d.Inputs.U0, I0).Lowest;
  } catch (const mathem::NumericalFailure&) {
    r.NominalLowest.reset();
  }
  try {
    diode.Surge = SwitchOnSurgeOf(d, mains);
  } catch (const mathem::NumericalFailure& e) {
    diode.SurgeFailure = e.what();
  }
  if (!choices.Diode.empty()) {
    const DiodeDatasheet* chosen = FindDiode(choices.Diode);
    if (chosen == nullptr) throw UnknownDiode("no diode " + choices.Diode + " in the library");
    const DiodeNeeds needs{diode.NeededReverseVoltage, diode.MeanCurrent, diode.RmsCurrent};
    std::optional<SimulatedDiodeLoss> simulatedLoss;
    if (simulated && simulated->DiodeLoss && FindDiode(simulated->DiodeName) == chosen) {
      simulatedLoss = simulated->DiodeLoss;
    }
    r.ChosenDiode = SelectDiode(d, mains, needs, *chosen, choices.Ambient, simulatedLoss);
    r.SuggestedDiode = SuggestDiode(d, mains, needs, choices.Ambient);
  }
  try {
    r.Heat = LossesOf(d, r,
                      r.ChosenDiode ? std::optional(r.ChosenDiode->Heat.BridgeLoss) : std::nullopt);
  } catch (const mathem::NumericalFailure& e) {
    r.HeatFailure = e.what();
  }
  r.SwitchOn = ProtectionOf(d, r);
  return r;
}

}  // namespace tavro::design::ratings
