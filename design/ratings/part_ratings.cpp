#include "design/ratings/part_ratings.h"

#include <cmath>

#include "design/ratings/surge.h"
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
    return x / 2.0L - mathem::LibrarySin(2.0L * x) / 4.0L;
  };
  const long double blocking = Em2 * (primitive(h + mathem::kPi) - primitive(end));
  const long double rms = std::sqrt((conducting + blocking) * mathem::kInvPi);
  faults.Check(rms);
  return rms;
}

PartRatings RateParts(const Design& d, const SupplyConditions& mains, const PartChoices& choices) {
  PartRatings r;
  r.Mains = mains;
  r.Choices = choices;
  r.Corners = CornersOf(d, mains.Tolerance);

  mathem::FaultScope faults;
  const DesignResults& res = d.Results;
  const long double I0 = d.Inputs.I0;

  CapacitorRating& cap = r.Capacitor;
  // (I2 − I0)·(I2 + I0): no overflow for large currents; I2 ≥ I0 (an rms is
  // never below the mean) up to rounding.
  cap.RippleCurrent = std::sqrt(std::fmax(0.0L, (res.I2 - I0) * (res.I2 + I0)));
  cap.WorkingVoltage = r.Corners.NoLoadHighMains;
  cap.VoltageClass = PickClass(cap.WorkingVoltage, kCapacitorVoltageClasses);
  cap.NeededCapacitance = res.Cf / (1.0L - choices.CapacitanceTolerance);
  cap.Capacitance = PickSeriesValue(cap.NeededCapacitance, choices.Series);

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
  faults.Check(cap.RippleCurrent, cap.NeededCapacitance, diode.NeededReverseVoltage);

  try {
    diode.Surge = SwitchOnSurgeOf(d, mains);
  } catch (const mathem::NumericalFailure& e) {
    diode.SurgeFailure = e.what();
  }
  if (!choices.Diode.empty()) {
    const DiodeDatasheet* chosen = FindDiode(choices.Diode);
    if (chosen == nullptr) throw UnknownDiode("no diode " + choices.Diode + " in the library");
    const DiodeNeeds needs{diode.NeededReverseVoltage, diode.MeanCurrent, diode.RmsCurrent};
    r.ChosenDiode = SelectDiode(d, mains, needs, *chosen, choices.AmbientTemperature);
    r.SuggestedDiode = SuggestDiode(d, mains, needs, choices.AmbientTemperature);
  }
  return r;
}

}  // namespace tavro::design::ratings
