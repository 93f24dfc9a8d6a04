// Losses and heat of the capacitor and the transformer, and the supply's
// efficiency at rated load (docs/method.md, "Losses and heat"):
//  - capacitor: ESR·Icap², the ESR entered or estimated from a typical
//    dissipation factor of general-purpose aluminium electrolytics for the
//    voltage class and capacitance; its self-heating from an estimate of the
//    can's size; its life by the 10 °C rule from a rated life and temperature;
//  - transformer: copper loss Rtr·I2², core loss a stated share of it;
//  - efficiency: output power over output power plus every loss, the bridge's
//    loss entered or the method's own (its diodes are resistances Rd).
#pragma once

#include <optional>

#include "design/calculate.h"
#include "design/ratings/heat_and_switch_on.h"
#include "design/ratings/part_ratings.h"

namespace tavro::design::ratings {

// Typical tan δ at 120 Hz and 20 °C of a general-purpose 105 °C aluminium
// electrolytic of this voltage class (V) and capacitance (µF).
long double TypicalDissipationFactor(long double voltageClass, long double capacitance);

// Life (h) by the 10 °C rule: rated life × 2^((rated temperature − T)/10).
long double LifeAt(long double ratedLife, long double ratedTemperature, long double temperature);

// `bridgeLoss`: the four diodes' loss (W) from a diode model, where one is
// chosen; without it the method's. Throws mathem::NumericalFailure on a fault.
Losses LossesOf(const Design& design, const PartRatings& ratings,
                std::optional<long double> bridgeLoss = std::nullopt);

}  // namespace tavro::design::ratings
