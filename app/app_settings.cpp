#include "app/app_settings.h"

#include "app/qt_text.h"
#include "design/ratings/choice_limits.h"

namespace tavro::app {
namespace {

// A stored number, or `fallback` when it is missing, not a number or outside
// [low, high]. Numbers are stored as text to keep every digit.
long double Stored(QSettings& store, const char* key, long double fallback, long double low,
                   long double high) {
  bool ok = false;
  const long double value = store.value(key).toString().toDouble(&ok);
  return ok && value >= low && value <= high ? value : fallback;
}

QString Text(long double value) {
  return QString::number(static_cast<double>(value), 'g', 17);
}

}  // namespace

AppSettings LoadSettings(QSettings& store, i18n::Language firstStart) {
  namespace r = design::ratings;
  AppSettings s;
  s.Mains.Supply.Voltage = Stored(store, "mains/voltage", s.Mains.Supply.Voltage,
                                  r::kMinMainsVoltage, r::kMaxMainsVoltage);
  s.Mains.Supply.Frequency = Stored(store, "mains/frequency", s.Mains.Supply.Frequency,
                                    r::kMinMainsFrequency, r::kMaxMainsFrequency);
  // Per cent in the store, as the user gives it.
  const long double tolerance =
      Stored(store, "mains/tolerance", -1.0L, 0.0L, r::kMaxMainsTolerance);
  if (tolerance >= 0.0L) s.Mains.Tolerance = tolerance / 100.0L;
  const long double capacitor =
      Stored(store, "parts/capacitor_tolerance", -1.0L, r::kCapacitanceToleranceRange.Low,
             r::kCapacitanceToleranceRange.High);
  if (capacitor >= 0.0L) s.Parts.CapacitanceTolerance = capacitor / 100.0L;
  s.Parts.DiodeVoltageMargin =
      Stored(store, "parts/diode_margin", s.Parts.DiodeVoltageMargin, r::kDiodeMarginRange.Low,
             r::kDiodeMarginRange.High);
  // The capacitor's, the losses' and the protection's choices; an optional
  // one stored as 0 is none.
  s.Parts.CapacitorVoltageMargin =
      Stored(store, "parts/capacitor_margin", s.Parts.CapacitorVoltageMargin,
             r::kCapacitorMarginRange.Low, r::kCapacitorMarginRange.High);
  s.Parts.CapacitorRatedLife = Stored(store, "parts/capacitor_life", s.Parts.CapacitorRatedLife,
                                      r::kCapacitorLifeRange.Low, r::kCapacitorLifeRange.High);
  s.Parts.CapacitorRatedTemperature =
      Stored(store, "parts/capacitor_temperature", s.Parts.CapacitorRatedTemperature,
             r::kCapacitorTemperatureRange.Low, r::kCapacitorTemperatureRange.High);
  s.Parts.Ambient =
      Stored(store, "parts/ambient", s.Parts.Ambient, r::kAmbientRange.Low, r::kAmbientRange.High);
  s.Parts.CoreLossShare = Stored(store, "parts/core_loss_share", s.Parts.CoreLossShare,
                                 r::kCoreLossShareRange.Low, r::kCoreLossShareRange.High);
  s.Parts.FuseFactor = Stored(store, "parts/fuse_factor", s.Parts.FuseFactor,
                              r::kFuseFactorRange.Low, r::kFuseFactorRange.High);
  const long double esr =
      Stored(store, "parts/capacitor_esr", 0.0L, 0.0L, r::kCapacitorEsrRange.High);
  if (esr >= r::kCapacitorEsrRange.Low) s.Parts.CapacitorEsr = esr;
  const long double limit =
      Stored(store, "parts/surge_limit", 0.0L, 0.0L, r::kSurgeLimitRange.High);
  if (limit >= r::kSurgeLimitRange.Low) s.Parts.SurgeLimit = limit;
  if (store.value("parts/series").toString() == "E12") {
    s.Parts.Series = r::CapacitanceSeries::E12;
  }
  // Only a name the library holds is taken back.
  if (const r::DiodeDatasheet* d =
          r::FindDiode(store.value("parts/diode").toString().toStdString())) {
    s.Parts.Diode = d->Name;
  }
  s.Parts.Ambient =
      Stored(store, "parts/ambient", s.Parts.Ambient, -60.0L, 150.0L);
  const std::string language = store.value("interface/language").toString().toStdString();
  s.Language = i18n::LanguageFromCode(language).value_or(firstStart);
  return s;
}

void SaveSettings(QSettings& store, const AppSettings& s) {
  store.setValue("mains/voltage", Text(s.Mains.Supply.Voltage));
  store.setValue("mains/frequency", Text(s.Mains.Supply.Frequency));
  store.setValue("mains/tolerance", Text(s.Mains.Tolerance * 100.0L));
  store.setValue("parts/capacitor_tolerance", Text(s.Parts.CapacitanceTolerance * 100.0L));
  store.setValue("parts/diode_margin", Text(s.Parts.DiodeVoltageMargin));
  store.setValue("parts/capacitor_margin", Text(s.Parts.CapacitorVoltageMargin));
  store.setValue("parts/capacitor_esr", Text(s.Parts.CapacitorEsr.value_or(0.0L)));
  store.setValue("parts/capacitor_life", Text(s.Parts.CapacitorRatedLife));
  store.setValue("parts/capacitor_temperature", Text(s.Parts.CapacitorRatedTemperature));
  store.setValue("parts/ambient", Text(s.Parts.Ambient));
  store.setValue("parts/core_loss_share", Text(s.Parts.CoreLossShare));
  store.setValue("parts/fuse_factor", Text(s.Parts.FuseFactor));
  store.setValue("parts/surge_limit", Text(s.Parts.SurgeLimit.value_or(0.0L)));
  store.setValue("parts/series",
                 s.Parts.Series == design::ratings::CapacitanceSeries::E12 ? "E12" : "E6");
  store.setValue("parts/diode", QString::fromStdString(s.Parts.Diode));
  store.setValue("parts/ambient", Text(s.Parts.Ambient));
  store.setValue("interface/language", Q(i18n::CodeOf(s.Language)));
  store.sync();
}

}  // namespace tavro::app
