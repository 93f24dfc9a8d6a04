// What the losses and the switch-on protection of the parts come to, as
// plain figures (losses.h and protection.h compute them; docs/method.md,
// "Losses and heat", "Switch-on: limiter and fuse").
#pragma once

#include <optional>
#include <string>

#include "mathem/series_rlc.h"

namespace tavro::design::ratings {

struct CapacitorLoss {
  long double Esr;                // ohm
  bool EsrEstimated;              // from the typical dissipation factor below
  long double DissipationFactor;  // tan δ at 120 Hz of the estimate (0 when entered)
  long double Power;              // W
  long double ThermalResistance;  // K/W of the can, estimated from its size
  long double SelfHeating;        // K
  long double Temperature;        // °C: ambient plus self-heating
  long double Life;               // h at that temperature
};

struct TransformerLoss {
  long double Copper;  // W: Rtr·I2²
  long double Core;    // W: the stated share of the copper loss
};

struct SupplyEfficiency {
  long double Output;      // W: U0·I0
  long double Diodes;      // W, the whole bridge
  bool DiodesFromMethod;   // 4·Rd·Idrms², no diode loss given
  long double Efficiency;  // fraction
};

struct Losses {
  CapacitorLoss Capacitor;
  TransformerLoss Transformer;
  SupplyEfficiency Supply;
};

inline constexpr long double kFuseRatings[] = {
    0.05L, 0.063L, 0.08L, 0.1L, 0.125L, 0.16L, 0.2L,  0.25L, 0.315L, 0.4L, 0.5L, 0.63L,
    0.8L,  1.0L,   1.25L, 1.6L, 2.0L,   2.5L,  3.15L, 4.0L,  5.0L,   6.3L, 8.0L, 10.0L};  // A

struct Limiter {
  bool Needed = false;                             // the surge exceeds the allowed one
  long double AllowedSurge = 0.0L;                 // A
  long double Resistance = 0.0L;                   // ohm cold, in the primary, the least that does
  std::optional<long double> StandardResistance;   // ohm, E6
  long double SteadyCurrent = 0.0L;                // A rms
  long double Energy = 0.0L;                       // J at switch-on
  std::optional<mathem::SwitchOnSurge> SurgeWith;  // with the standard resistance
  std::string Failure;                             // why the limiter could not be sized
};

struct Fuse {
  long double PrimaryCurrent = 0.0L;           // A rms at rated load and high mains
  long double Needed = 0.0L;                   // A: times the factor
  std::optional<long double> Rating;           // A; none above 10 A
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

}  // namespace tavro::design::ratings
