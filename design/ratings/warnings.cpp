#include "design/ratings/warnings.h"

#include "design/ratings/ratings_texts.h"
#include "mathem/extended.h"

namespace tavro::design::ratings {

std::vector<WarningKind> PlausibilityWarnings(const Design& d) {
  std::vector<WarningKind> w;
  const DesignInputs& in = d.Inputs;
  if (in.Bm < kFluxDensityLow || in.Bm > kFluxDensityHigh) w.push_back(WarningKind::FluxDensity);
  if (in.Ud < kDiodeDropLow || in.Ud > kDiodeDropHigh) w.push_back(WarningKind::DiodeDrop);
  if (in.Ud > in.U0 / 4.0L) w.push_back(WarningKind::DiodeDropAgainstU0);
  for (long double v : d.Load.Voltage) {
    if (!(v > 0.0L)) {
      w.push_back(WarningKind::LoadVoltageNotPositive);
      break;
    }
  }
  // The next half period's pulse starts at 3π/2 − ψ.
  if (d.Point.Beta > 3.0L * mathem::kHalfPi - d.Point.Psi) w.push_back(WarningKind::PulsesOverlap);
  if (d.A > kCoefficientAHigh) w.push_back(WarningKind::CoefficientAAbove15);
  return w;
}

std::string_view WarningName(WarningKind kind) {
  switch (kind) {
    case WarningKind::FluxDensity:
      return "flux-density";
    case WarningKind::DiodeDrop:
      return "diode-drop";
    case WarningKind::DiodeDropAgainstU0:
      return "diode-drop-against-voltage";
    case WarningKind::LoadVoltageNotPositive:
      return "load-voltage-not-positive";
    case WarningKind::PulsesOverlap:
      return "pulses-overlap";
    case WarningKind::CoefficientAAbove15:
      return "coefficient-a-above-15";
  }
  return "unknown";
}

std::string_view WarningText(WarningKind kind) {
  switch (kind) {
    case WarningKind::FluxDensity:
      return texts::kWarnFluxDensity;
    case WarningKind::DiodeDrop:
      return texts::kWarnDiodeDrop;
    case WarningKind::DiodeDropAgainstU0:
      return texts::kWarnDiodeDropAgainstU0;
    case WarningKind::LoadVoltageNotPositive:
      return texts::kWarnLoadVoltage;
    case WarningKind::PulsesOverlap:
      return texts::kWarnPulsesOverlap;
    case WarningKind::CoefficientAAbove15:
      return texts::kWarnCoefficientA;
  }
  return {};
}

std::vector<DiodeWarning> DiodeWarnings(const DiodeSelection& s) {
  std::vector<DiodeWarning> w;
  if (!s.Voltage.Passes) w.push_back({"diode-reverse-voltage", texts::kWarnDiodeReverse});
  if (!s.Current.Passes) w.push_back({"diode-mean-current", texts::kWarnDiodeCurrent});
  if (s.SurgeCheck && !s.SurgeCheck->Passes) w.push_back({"diode-surge", texts::kWarnDiodeSurge});
  if (s.Heat.NeedsHeatsink) w.push_back({"diode-heatsink", texts::kWarnDiodeHeatsink});
  return w;
}

}  // namespace tavro::design::ratings
