#include "design/ratings/design_settings.h"

namespace tavro::design::ratings {

DesignSettings SettingsOf(const SupplyConditions& mains, const PartChoices& parts) {
  DesignSettings s;
  s.MainsVoltage = mains.Supply.Voltage;
  s.MainsFrequency = mains.Supply.Frequency;
  s.MainsTolerancePercent = mains.Tolerance * 100.0L;
  s.CapacitorTolerancePercent = parts.CapacitanceTolerance * 100.0L;
  s.CapacitorSeries = parts.Series == CapacitanceSeries::E12 ? "E12" : "E6";
  s.DiodeMargin = parts.DiodeVoltageMargin;
  return s;
}

std::optional<std::string> TakeSettings(const DesignSettings& s, SupplyConditions& mains,
                                        PartChoices& parts) {
  SupplyConditions m = mains;
  PartChoices p = parts;
  const auto within = [](const std::optional<long double>& v, long double low, long double high) {
    return !v || (*v >= low && *v <= high);
  };
  if (!within(s.MainsVoltage, kMinMainsVoltage, kMaxMainsVoltage)) return "mains.voltage";
  if (!within(s.MainsFrequency, kMinMainsFrequency, kMaxMainsFrequency)) return "mains.frequency";
  if (!within(s.MainsTolerancePercent, 0.0L, kMaxMainsTolerance)) {
    return "mains.tolerance_percent";
  }
  if (!within(s.CapacitorTolerancePercent, 0.0L, kMaxCapacitanceTolerance)) {
    return "parts.capacitor_tolerance_percent";
  }
  if (s.CapacitorSeries && *s.CapacitorSeries != "E6" && *s.CapacitorSeries != "E12") {
    return "parts.capacitor_series";
  }
  if (!within(s.DiodeMargin, kMinDiodeMargin, kMaxDiodeMargin)) return "parts.diode_margin";
  if (s.MainsVoltage) m.Supply.Voltage = *s.MainsVoltage;
  if (s.MainsFrequency) m.Supply.Frequency = *s.MainsFrequency;
  // A value the program wrote from its own fraction comes back exactly.
  if (s.MainsTolerancePercent && *s.MainsTolerancePercent != m.Tolerance * 100.0L) {
    m.Tolerance = *s.MainsTolerancePercent / 100.0L;
  }
  if (s.CapacitorTolerancePercent &&
      *s.CapacitorTolerancePercent != p.CapacitanceTolerance * 100.0L) {
    p.CapacitanceTolerance = *s.CapacitorTolerancePercent / 100.0L;
  }
  if (s.CapacitorSeries) {
    p.Series = *s.CapacitorSeries == "E12" ? CapacitanceSeries::E12 : CapacitanceSeries::E6;
  }
  if (s.DiodeMargin) p.DiodeVoltageMargin = *s.DiodeMargin;
  mains = m;
  parts = p;
  return std::nullopt;
}

}  // namespace tavro::design::ratings
