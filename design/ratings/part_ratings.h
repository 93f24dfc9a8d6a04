// What to buy: the ratings of the capacitor, the diodes and the transformer
// of a complete design, for the mains as chosen and their tolerance.
//
// The ratings are derived from the design's own numbers (docs/method.md,
// "Ratings of the parts"):
//  - capacitor: rms ripple current √(I2² − I0²) (the rectified current's rms
//    is the secondary rms current I2, its mean I0); working voltage the
//    no-load output at high mains; its voltage need the larger of that and
//    the switch-on peak, times a margin; capacitance Cf/(1 − its tolerance);
//  - diodes: reverse voltage at high mains times a margin; mean I0/2, rms and
//    peak current of the method; the switch-on surge;
//  - transformer: frame power, secondary EMF (the no-load rms voltage) and
//    the rms terminal voltage at rated load, secondary and primary currents.
// With a simulation of the real circuit the currents are rated on the larger
// of the method's and the simulated figures; the losses and the switch-on
// protection follow (losses.h, protection.h).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "design/calculate.h"
#include "design/ratings/corners.h"
#include "design/ratings/heat_and_switch_on.h"
#include "design/ratings/diode_catalogue.h"
#include "design/ratings/standard_values.h"
#include "design/ratings/supply_conditions.h"
#include "mathem/series_rlc.h"

namespace tavro::design::ratings {

// The buyer's choices.
struct PartChoices {
  long double CapacitanceTolerance = 0.20L;  // the part may be this fraction below its value
  CapacitanceSeries Series = CapacitanceSeries::E6;
  long double DiodeVoltageMargin = 1.5L;      // reverse-voltage class over the peak at high mains
  std::string Diode = {};                     // a DiodeCatalogue() name; empty: none chosen
  long double CapacitorVoltageMargin = 1.2L;  // voltage class over the capacitor's voltage need
  // The capacitor's series resistance at twice the mains frequency, ohm; none:
  // estimated from a typical dissipation factor (losses.h).
  std::optional<long double> CapacitorEsr = std::nullopt;
  long double CapacitorRatedLife = 2000.0L;        // h, at the rated temperature
  long double CapacitorRatedTemperature = 105.0L;  // °C
  long double Ambient = 40.0L;                     // °C, around the parts
  long double CoreLossShare = 1.0L;                // transformer core loss over its copper loss
  long double FuseFactor = 2.0L;                   // fuse rating over the primary rms current
  // The switch-on surge the parts allow (a diode's IFSM), A; none: no limiter
  // is sized.
  std::optional<long double> SurgeLimit = std::nullopt;
};

// Figures of a simulation of the real circuit at nominal mains and rated
// load, where one has run for the design (the front ends fill them from the
// simulation report).
struct SimulatedFigures {
  long double CapacitorRms;  // A
  long double DiodeRms;      // A
  long double DiodePeak;     // A
  // The simulated lowest instantaneous output, V, where the report gives it.
  std::optional<long double> LowestVoltage;
  // The diode model the run used, and one of its diodes' conduction loss
  // (the mean of v·i over the last period) with that diode's mean and rms
  // currents, where the report gives it: the chosen diode's loss when the
  // names agree.
  std::string DiodeName = {};
  std::optional<SimulatedDiodeLoss> DiodeLoss = std::nullopt;
};

// A diode name the catalogue does not hold.
class UnknownDiode : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CapacitorRating {
  long double RippleCurrent;   // A rms, at rated load
  long double WorkingVoltage;  // V: no-load output at high mains
  // The highest voltage after switching on at high mains with no load, and
  // the switch-on phase (rad) that gives it; empty when it could not be
  // followed (SwitchOnFailure says why).
  std::optional<long double> SwitchOnPeak;
  long double SwitchOnPhase = 0.0L;
  bool SwitchOnOvershoot = false;  // false: the peak is the crest less the drop
  std::string SwitchOnFailure;
  long double VoltageNeed;                  // V: the larger of the two
  long double NeededVoltage;                // V: the need times the margin
  std::optional<long double> VoltageClass;  // V, for NeededVoltage; none when above 450 V
  // How far the class is above the need, as a fraction (class/need − 1).
  std::optional<long double> Headroom;
  long double NeededCapacitance;           // µF: Cf/(1 − tolerance)
  std::optional<long double> Capacitance;  // µF, from the series
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

// Which figures rule the current ratings.
struct CurrentBasis {
  bool Simulated = false;  // a simulation has run
  bool CapacitorFromSimulation = false;
  bool DiodeRmsFromSimulation = false;
  bool DiodePeakFromSimulation = false;
  // Without a simulation: the typical rise of the capacitor's rms and the
  // diodes' peak current in a real circuit over the method's, as fractions,
  // for the design's voltage (docs/method.md, "Currents of real diodes").
  long double TypicalCapacitorRise = 0.0L;
  long double TypicalPeakRise = 0.0L;
};

// Typical rises of the capacitor's rms and the diodes' peak current over the
// method's at the rectified voltage U0 (interpolated in a table of
// simulations with real diodes; docs/method.md).
CurrentBasis TypicalRise(long double U0);

struct PartRatings {
  SupplyConditions Mains;
  PartChoices Choices;
  CurrentBasis Basis;
  // The method's currents, when a simulation's rule the ratings.
  long double MethodRippleCurrent = 0.0L;
  long double MethodDiodeRms = 0.0L;
  long double MethodDiodePeak = 0.0L;
  // Lowest instantaneous output at nominal mains and rated load from the
  // method's pulse, and the simulated one where a simulation gives it.
  std::optional<long double> NominalLowest;
  std::optional<long double> SimulatedLowest;
  OperatingCorners Corners;
  CapacitorRating Capacitor;
  DiodeRating Diodes;
  TransformerRating Transformer;
  // Losses with the method's diode loss (losses.h), empty when they fault
  // (HeatFailure says why); the limiter and the fuse (protection.h).
  std::optional<Losses> Heat;
  std::string HeatFailure;
  Protection SwitchOn;
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
                      const PartChoices& choices = {},
                      const std::optional<SimulatedFigures>& simulated = std::nullopt);

// The capacitor's line of the parts list alone (as RateParts gives it):
// what the transformer suggestion needs, without the diodes' surge search.
CapacitorRating RateCapacitor(const Design& design, const SupplyConditions& mains,
                              const PartChoices& choices = {});

// The rms voltage at the secondary's terminals at rated load: the EMF while
// no diode conducts, the rectified voltage plus the two diodes' drop while a
// pair conducts.
long double SecondaryTerminalVoltage(const Design& design);

}  // namespace tavro::design::ratings
