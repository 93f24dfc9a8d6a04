// The switch-on surge of the designed rectifier (docs/method.md, "Switch-on
// surge"): the mains switched on at high mains with the filter capacitor
// empty. The charging loop is the transformer's winding resistance Rtr and
// leakage inductance Ls, the forward drop of the two conducting diodes (2·Ud)
// and the filter capacitance Cf, driven by the EMF √2·U2·(1 + tolerance). The
// load, small beside the charging current, and the inrush of the
// transformer's own magnetising current are left out.
#pragma once

#include "design/calculate.h"
#include "design/ratings/supply_conditions.h"
#include "mathem/series_rlc.h"

namespace tavro::design::ratings {

mathem::SeriesRlc ChargingCircuit(const Design& design, const SupplyConditions& mains);

// Throws mathem::NumericalFailure when the pulses cannot be followed.
mathem::SwitchOnSurge SwitchOnSurgeOf(const Design& design, const SupplyConditions& mains);

}  // namespace tavro::design::ratings
