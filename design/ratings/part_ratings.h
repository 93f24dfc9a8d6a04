// What to buy: the ratings of the capacitor, the diodes and the transformer
// of a complete design, for the mains as chosen and their tolerance.
//
// The ratings are derived from the design's own numbers (docs/method.md,
// "Ratings of the parts"):
//  - capacitor: rms ripple current √(I2² − I0²) (the rectified current's rms
//    is the secondary rms current I2, its mean I0); working voltage the
//    no-load output at high mains; capacitance Cf/(1 − its tolerance);
//  - diodes: reverse voltage at high mains times a margin; mean I0/2, rms and
//    peak current of the method; the switch-on surge;
//  - transformer: frame power, secondary EMF (the no-load rms voltage) and
//    the rms terminal voltage at rated load, secondary and primary currents.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "design/calculate.h"
#include "design/ratings/corners.h"
#include "design/ratings/diode_catalogue.h"
#include "design/ratings/standard_values.h"
#include "design/ratings/supply_conditions.h"
#include "mathem/series_rlc.h"

namespace tavro::design::ratings {

// The buyer's choices.
struct PartChoices {
  long double CapacitanceTolerance = 0.20L;  // the part may be this fraction below its value
  CapacitanceSeries Series = CapacitanceSeries::E6;
  long double DiodeVoltageMargin = 1.5L;   // reverse-voltage class over the peak at high mains
  std::string Diode;                       // a DiodeCatalogue() name; empty: none chosen
  long double AmbientTemperature = 40.0L;  // °C, around the parts
};

// A diode name the catalogue does not hold.
class UnknownDiode : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CapacitorRating {
  long double RippleCurrent;                // A rms, at rated load
  long double WorkingVoltage;               // V: no-load output at high mains
  std::optional<long double> VoltageClass;  // V; none when above 450 V
  long double NeededCapacitance;            // µF: Cf/(1 − tolerance)
  std::optional<long double> Capacitance;   // µF, from the series
};

struct DiodeRating {
  long double ReverseVoltage;               // V, peak at high mains
  long double NeededReverseVoltage;         // V, with the margin
  std::optional<long double> ReverseClass;  // V; none when above 1600 V
  long double MeanCurrent;                  // A, I0/2
  long double RmsCurrent;                   // A
  long double PeakCurrent;                  // A, repetitive, at rated load
  // The switch-on surge at high mains; a diode's single-cycle surge rating
  // (IFSM) must not be below it. Empty when it could not be computed.
  std::optional<mathem::SwitchOnSurge> Surge;
  std::string SurgeFailure;
};

struct TransformerRating {
  long double FramePower;          // V·A
  long double SecondaryNoLoad;     // V rms: the EMF U2
  long double SecondaryRatedLoad;  // V rms at the terminals at rated load
  long double SecondaryCurrent;    // A rms
  long double PrimaryVoltage;      // V rms: the nominal mains
  long double PrimaryCurrent;      // A rms at the nominal mains
};

struct PartRatings {
  SupplyConditions Mains;
  PartChoices Choices;
  OperatingCorners Corners;
  CapacitorRating Capacitor;
  DiodeRating Diodes;
  TransformerRating Transformer;
  // With a diode chosen: it against the needs, and the smallest catalogue
  // diode that passes every check (nullptr when none does).
  std::optional<DiodeSelection> ChosenDiode;
  const DiodeDatasheet* SuggestedDiode = nullptr;
};

// `mains` must be the supply the design was calculated for. Throws
// mathem::NumericalFailure only for a design whose own numbers fault; the
// corner at low mains and the surge report their own failures instead.
// Throws UnknownDiode for a chosen diode the catalogue does not hold.
PartRatings RateParts(const Design& design, const SupplyConditions& mains,
                      const PartChoices& choices = {});

// The rms voltage at the secondary's terminals at rated load: the EMF while
// no diode conducts, the rectified voltage plus the two diodes' drop while a
// pair conducts.
long double SecondaryTerminalVoltage(const Design& design);

}  // namespace tavro::design::ratings
