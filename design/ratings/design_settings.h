// The mains and part choices as a design file keeps them (version 2), and
// back: a file's settings are checked against the ranges the dialog and the
// command line accept before any of them is taken.
#pragma once

#include <optional>
#include <string>

#include "design/design_file.h"
#include "design/ratings/part_ratings.h"
#include "design/ratings/supply_conditions.h"

namespace tavro::design::ratings {

// Every mains and part entry given.
DesignSettings SettingsOf(const SupplyConditions& mains, const PartChoices& parts);

// Takes what `settings` gives over `mains` and `parts`; an entry it does not
// give keeps what they hold (the caller passes the defaults, or the choices
// made elsewhere). An entry out of its range is named as the file names it
// ("mains.voltage") and nothing is changed.
std::optional<std::string> TakeSettings(const DesignSettings& settings, SupplyConditions& mains,
                                        PartChoices& parts);

}  // namespace tavro::design::ratings
