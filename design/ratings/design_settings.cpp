#include "design/ratings/design_settings.h"

#include "design/ratings/choice_limits.h"
#include "design/ratings/diode_catalogue.h"

namespace tavro::design::ratings {
namespace {

// A number of the part choices: its entry, its field, the range it must lie in.
struct NumberChoice {
  const char* Entry;
  std::optional<long double> DesignSettings::*Setting;
  long double PartChoices::*Choice;
  ChoiceRange Range;
};

constexpr NumberChoice kNumbers[] = {
    {"parts.diode_margin", &DesignSettings::DiodeMargin, &PartChoices::DiodeVoltageMargin,
     kDiodeMarginRange},
    {"parts.capacitor_margin", &DesignSettings::CapacitorMargin,
     &PartChoices::CapacitorVoltageMargin, kCapacitorMarginRange},
    {"parts.capacitor_life_hours", &DesignSettings::CapacitorLife,
     &PartChoices::CapacitorRatedLife, kCapacitorLifeRange},
    {"parts.capacitor_temperature", &DesignSettings::CapacitorTemperature,
     &PartChoices::CapacitorRatedTemperature, kCapacitorTemperatureRange},
    {"parts.ambient", &DesignSettings::Ambient, &PartChoices::Ambient, kAmbientRange},
    {"parts.core_loss_share", &DesignSettings::CoreLossShare, &PartChoices::CoreLossShare,
     kCoreLossShareRange},
    {"parts.fuse_factor", &DesignSettings::FuseFactor, &PartChoices::FuseFactor,
     kFuseFactorRange},
};

// The choices that may be left to the program (none: estimated, not sized).
struct OptionalChoice {
  const char* Entry;
  std::optional<long double> DesignSettings::*Setting;
  std::optional<long double> PartChoices::*Choice;
  ChoiceRange Range;
};

constexpr OptionalChoice kOptionals[] = {
    {"parts.capacitor_esr", &DesignSettings::CapacitorEsr, &PartChoices::CapacitorEsr,
     kCapacitorEsrRange},
    {"parts.surge_limit", &DesignSettings::SurgeLimit, &PartChoices::SurgeLimit,
     kSurgeLimitRange},
};

// A per-cent entry into a fraction, exactly the fraction it was written from
// when it is unchanged.
long double Fraction(long double percent, long double current) {
  return percent == current * 100.0L ? current : percent / 100.0L;
}

}  // namespace

DesignSettings SettingsOf(const SupplyConditions& mains, const PartChoices& parts) {
  DesignSettings s;
  s.MainsVoltage = mains.Supply.Voltage;
  s.MainsFrequency = mains.Supply.Frequency;
  s.MainsTolerancePercent = mains.Tolerance * 100.0L;
  s.CapacitorTolerancePercent = parts.CapacitanceTolerance * 100.0L;
  s.CapacitorSeries = parts.Series == CapacitanceSeries::E12 ? "E12" : "E6";
  for (const NumberChoice& n : kNumbers) s.*n.Setting = parts.*n.Choice;
  for (const OptionalChoice& o : kOptionals) s.*o.Setting = parts.*o.Choice;
  s.Diode = parts.Diode;
  return s;
}

std::optional<std::string> TakeSettings(const DesignSettings& s, SupplyConditions& mains,
                                        PartChoices& parts) {
  const auto within = [](const std::optional<long double>& v, ChoiceRange range) {
    return !v || range.Holds(*v);
  };
  if (!within(s.MainsVoltage, {kMinMainsVoltage, kMaxMainsVoltage})) return "mains.voltage";
  if (!within(s.MainsFrequency, {kMinMainsFrequency, kMaxMainsFrequency})) {
    return "mains.frequency";
  }
  if (!within(s.MainsTolerancePercent, {0.0L, kMaxMainsTolerance})) {
    return "mains.tolerance_percent";
  }
  if (!within(s.CapacitorTolerancePercent, kCapacitanceToleranceRange)) {
    return "parts.capacitor_tolerance_percent";
  }
  if (s.CapacitorSeries && *s.CapacitorSeries != "E6" && *s.CapacitorSeries != "E12") {
    return "parts.capacitor_series";
  }
  for (const NumberChoice& n : kNumbers) {
    if (!within(s.*n.Setting, n.Range)) return n.Entry;
  }
  for (const OptionalChoice& o : kOptionals) {
    if (!within(s.*o.Setting, o.Range)) return o.Entry;
  }
  const DiodeDatasheet* diode = nullptr;
  if (s.Diode && !s.Diode->empty()) {
    diode = FindDiode(*s.Diode);
    if (diode == nullptr) return "parts.diode";
  }
  SupplyConditions m = mains;
  PartChoices p = parts;
  if (s.MainsVoltage) m.Supply.Voltage = *s.MainsVoltage;
  if (s.MainsFrequency) m.Supply.Frequency = *s.MainsFrequency;
  if (s.MainsTolerancePercent) m.Tolerance = Fraction(*s.MainsTolerancePercent, m.Tolerance);
  if (s.CapacitorTolerancePercent) {
    p.CapacitanceTolerance = Fraction(*s.CapacitorTolerancePercent, p.CapacitanceTolerance);
  }
  if (s.CapacitorSeries) {
    p.Series = *s.CapacitorSeries == "E12" ? CapacitanceSeries::E12 : CapacitanceSeries::E6;
  }
  for (const NumberChoice& n : kNumbers) {
    if (s.*n.Setting) p.*n.Choice = *(s.*n.Setting);
  }
  for (const OptionalChoice& o : kOptionals) {
    if (s.*o.Setting) p.*o.Choice = s.*o.Setting;
  }
  if (s.Diode) p.Diode = diode != nullptr ? diode->Name : std::string();
  mains = m;
  parts = p;
  return std::nullopt;
}

}  // namespace tavro::design::ratings
