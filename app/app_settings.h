// What the window remembers between runs: the mains, the part choices and
// the interface language, kept with QSettings. The window itself never opens
// the settings store; the program passes one in, so tests run with the
// defaults and leave nothing.
#pragma once

#include <QSettings>

#include "design/ratings/part_ratings.h"
#include "design/ratings/supply_conditions.h"
#include "i18n/language.h"

namespace tavro::app {

struct AppSettings {
  design::ratings::SupplyConditions Mains;
  design::ratings::PartChoices Parts;
  // The system locale's at the first start, then what the user picks.
  i18n::Language Language = i18n::Language::Russian;
};

// Values missing or out of range keep their defaults; a language never
// stored (the first start) is `firstStart`.
AppSettings LoadSettings(QSettings& store,
                         i18n::Language firstStart = i18n::Language::Russian);
void SaveSettings(QSettings& store, const AppSettings& settings);

}  // namespace tavro::app
