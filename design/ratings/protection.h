// Switch-on protection in the primary (docs/method.md, "Switch-on: limiter
// and fuse"):
//  - an NTC thermistor whose cold resistance brings the worst switch-on surge
//    at high mains under the parts' allowed surge, found with the surge model
//    and the thermistor reflected to the secondary (R·n², n = U2/U1); its
//    steady current the primary rms current at rated load and high mains; the
//    energy it must take at switch-on at least ½·C·U² of the filter;
//  - a time-delay fuse: that primary current times a factor, rounded up to
//    the standard series 50 mA … 10 A, and the surge's I²t in the primary
//    checked against the fuse's typical melting I²t. The transformer's own
//    magnetising inrush is not included.
#pragma once

#include <optional>
#include <string>

#include "design/calculate.h"
#include "design/ratings/heat_and_switch_on.h"
#include "design/ratings/part_ratings.h"
#include "mathem/series_rlc.h"

namespace tavro::design::ratings {

// Typical melting I²t (A²·s, pulses under 10 ms) of a 5×20 mm time-lag fuse
// of this rating: Bel Fuse 5ST (63–800 mA) and 5HT (1–10 A) data sheets;
// none for 50 mA.
std::optional<long double> TypicalMeltingIntegral(long double rating);

// The charging loop with `primaryResistance` ohm in series with the primary.
mathem::SeriesRlc CircuitWithLimiter(const Design& design, const SupplyConditions& mains,
                                     long double primaryResistance);

// The surge the parts allow: the one given (PartChoices::SurgeLimit), else
// the chosen diode's IFSM; none when neither is there.
std::optional<long double> AllowedSurge(const PartRatings& ratings);
// The surge the parts are rated against: with the chosen diode's resistance
// where a diode is chosen, else the conservative one.
const std::optional<mathem::SwitchOnSurge>& RatedSurge(const PartRatings& ratings);

Protection ProtectionOf(const Design& design, const PartRatings& ratings);

}  // namespace tavro::design::ratings
