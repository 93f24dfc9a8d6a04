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
#include "design/ratings/part_ratings.h"
#include "mathem/series_rlc.h"

namespace tavro::design::ratings {

inline constexpr long double kFuseRatings[] = {
    0.05L, 0.063L, 0.08L, 0.1L, 0.125L, 0.16L, 0.2L,  0.25L, 0.315L, 0.4L, 0.5L, 0.63L,
    0.8L,  1.0L,   1.25L, 1.6L, 2.0L,   2.5L, 3.15L, 4.0L,  5.0L,   6.3L, 8.0L, 10.0L};  // A

// Typical melting I²t (A²·s, pulses under 10 ms) of a 5×20 mm time-lag fuse
// of this rating: Bel Fuse 5ST (63–800 mA) and 5HT (1–10 A) data sheets;
// none for 50 mA.
std::optional<long double> TypicalMeltingIntegral(long double rating);

struct Limiter {
  bool Needed = false;              // the surge exceeds the allowed one
  long double AllowedSurge = 0.0L;  // A
  long double Resistance = 0.0L;    // ohm cold, in the primary, the least that does
  std::optional<long double> StandardResistance;  // ohm, E6
  long double SteadyCurrent = 0.0L;               // A rms
  long double Energy = 0.0L;                      // J at switch-on
  std::optional<mathem::SwitchOnSurge> SurgeWith;  // with the standard resistance
  std::string Failure;                             // why the limiter could not be sized
};

struct Fuse {
  long double PrimaryCurrent = 0.0L;  // A rms at rated load and high mains
  long double Needed = 0.0L;          // A: times the factor
  std::optional<long double> Rating;  // A; none above 10 A
  std::optional<long double> MeltingIntegral;  // A²·s of that rating
  std::optional<long double> SurgeIntegral;    // A²·s of the switch-on surge in the primary
  bool Holds() const {
    return !MeltingIntegral || !SurgeIntegral || *SurgeIntegral < *MeltingIntegral;
  }
  std::string Failure;  // why a figure is missing
};

struct Protection {
  Limiter NtcLimiter;
  Fuse PrimaryFuse;
};

// The charging loop with `primaryResistance` ohm in series with the primary.
mathem::SeriesRlc CircuitWithLimiter(const Design& design, const SupplyConditions& mains,
                                     long double primaryResistance);

Protection ProtectionOf(const Design& design, const PartRatings& ratings);

}  // namespace tavro::design::ratings
