// What the window remembers between runs: the mains and the part choices,
// kept with QSettings. The window itself never opens the settings store; the
// program passes one in, so tests run with the defaults and leave nothing.
#pragma once

#include <QSettings>

#include "design/ratings/part_ratings.h"
#include "design/ratings/supply_conditions.h"

namespace tavro::app {

struct AppSettings {
  design::ratings::SupplyConditions Mains;
  design::ratings::PartChoices Parts;
};

// Values missing or out of range keep their defaults.
AppSettings LoadSettings(QSettings& store);
void SaveSettings(QSettings& store, const AppSettings& settings);

}  // namespace tavro::app
