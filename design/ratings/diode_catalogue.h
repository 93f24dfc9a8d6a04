// The diodes a designer may pick for the bridge: each one's datasheet ratings
// beside the forward parameters of its model in simulation/diodes.lib (a test
// keeps the two equal), and what follows from them for one design: the
// ratings checked against the design's needs, the switch-on surge with the
// diodes' own resistance, the conduction loss, the junction temperature and
// the heatsink (docs/method.md, "The chosen diode").
//
// Pure functions of values; no Qt, nothing from simulation/.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/calculate.h"
#include "design/ratings/supply_conditions.h"
#include "mathem/series_rlc.h"

namespace tavro::design::ratings {

struct DiodeDatasheet {
  std::string Name;                  // as in diodes.lib: "1N4007", "1N4007x3"
  long double Vrrm;                  // V, repetitive peak reverse voltage (the string's: N×)
  long double IfAv;                  // A, average forward current
  long double Ifsm;                  // A, non-repetitive surge, one half sine (8.3 or 10 ms)
  long double Vf;                    // V, maximum forward voltage at VfCurrent (the string's)
  long double VfCurrent;             // A
  std::optional<long double> RthJA;  // K/W, junction to ambient, free-standing, one diode
  std::optional<long double> RthJL;  // K/W, junction to lead or case, one diode
  long double TjMax;                 // °C
  // The model's forward parameters (diodes.lib), at 27 °C.
  long double Is;  // A
  long double N;
  long double Rs;        // ohm
  int StringLength = 1;  // identical diodes in series in one bridge arm
  // A, one diode's reverse current at its VRRM and a hot junction: sizes the
  // string's equalising resistors. Empty for a single diode.
  std::optional<long double> LeakageHot;
  std::string Source;  // the datasheet the ratings come from
};

// The library, smallest first (by average current, then reverse voltage).
const std::vector<DiodeDatasheet>& DiodeCatalogue();

// The entry of that name (case-insensitive); nullptr when there is none.
const DiodeDatasheet* FindDiode(std::string_view name);

// ln x for x > 0 from mathem::ExpOf (Newton's iteration, a fixed count).
long double NaturalLog(long double x);

// The model's forward voltage at current I > 0: N·Vt·ln(I/IS + 1) + RS·I at
// 27 °C (the simulator's nominal temperature).
long double ModelForwardVoltage(const DiodeDatasheet& d, long double I);

// The straight line V = Vf0 + rd·I through the model's forward curve at
// IF(AV) and 3·IF(AV), the span of a capacitor-input bridge's pulses.
struct ForwardLine {
  long double Vf0;  // V
  long double Rd;   // ohm
};
ForwardLine FitForwardLine(const DiodeDatasheet& d);

// The straight line fitted to the model's forward curve over the design's
// own diode current pulse i(x) (the method's, from 0 to Idpk): least squares
// weighted by the current, min ∫ i·(v(i) − Vf0 − rd·i)² dx. Its first normal
// equation, Vf0·∫i + rd·∫i² = ∫v(i)·i, makes Vf0·Iavg + rd·Irms² the model's
// own loss for that pulse. The datasheet span's line (above) where the pulse
// gives no line (a design without a pulse). Throws mathem::NumericalFailure
// on a fault.
ForwardLine FitForwardLine(const DiodeDatasheet& d, const Design& design);

// Conduction loss and heat of the bridge's diodes.
struct DiodeHeat {
  long double Loss;                                // W, one arm (one diode, or one string)
  long double Estimate;                            // W, one arm, Vf0·Iavg + rd·Irms²
  bool FromSimulation;                             // Loss is a simulation's; else the Estimate
  long double BridgeLoss;                          // W, the four arms
  long double PerDiodeLoss;                        // W, one diode of an arm
  std::optional<long double> JunctionTemperature;  // °C free-standing; none without RthJA
  bool NeedsHeatsink;  // free-standing Tj above TjMax, or RthJA not published
  // K/W, the largest thermal resistance heatsink–ambient of one heatsink
  // carrying the whole bridge; none without RthJL. Zero or below: no
  // heatsink keeps the junction under TjMax.
  std::optional<long double> HeatsinkMaxRth;
};
DiodeHeat HeatOf(const DiodeDatasheet& d, long double meanCurrent, long double rmsCurrent,
                 long double ambient);
// One arm's loss in a simulation of the circuit with the diode: the mean of
// v·i over a period, and the arm's mean and rms currents in that run.
struct SimulatedDiodeLoss {
  long double Loss;  // W
  long double Mean;  // A
  long double Rms;   // A
};

// With `line` for the estimate. With a simulation's loss, that loss rules and
// the estimate beside it takes the run's own currents, so that the two
// compare like with like (a resistive load draws less than the rated current
// through a diode that drops more than the method's Ud).
DiodeHeat HeatOf(const DiodeDatasheet& d, const ForwardLine& line, long double meanCurrent,
                 long double rmsCurrent, long double ambient,
                 const std::optional<SimulatedDiodeLoss>& simulated);

// The switch-on surge of the design with `seriesResistance` (two conducting
// diodes' resistance) added to the charging loop. Throws
// mathem::NumericalFailure when the pulses cannot be followed.
mathem::SwitchOnSurge SurgeWithDiodes(const Design& design, const SupplyConditions& mains,
                                      long double seriesResistance);

struct RatingCheck {
  long double Rating;         // the datasheet's
  long double Need;           // the design's
  bool Passes;                // Rating ≥ Need
  long double MarginPercent;  // (Rating/Need − 1)·100
};
RatingCheck CheckRating(long double rating, long double need);

// A string's equalising resistors: the largest resistance across each diode,
// R ≤ (N·VRRM − Vr)/((N − 1)·IR), one diode leaking nothing and the others
// their hot IR; and the power one dissipates at the peak share Vr/N.
struct EqualisingResistors {
  int Count;               // resistors in one arm (one per diode)
  long double Resistance;  // ohm, largest; zero or below: the string is too short
  long double Power;       // W, (Vr/N)²/R
};

struct DiodeSelection {
  const DiodeDatasheet* Diode;                 // the chosen one
  std::optional<mathem::SwitchOnSurge> Surge;  // with two diodes' RS; empty on failure
  std::string SurgeFailure;
  RatingCheck Voltage;                    // VRRM vs reverse voltage × margin
  RatingCheck Current;                    // IF(AV) vs I0/2
  std::optional<RatingCheck> SurgeCheck;  // IFSM vs Surge
  bool Passes;                            // every check passes
  ForwardLine Line;
  DiodeHeat Heat;
  std::optional<EqualisingResistors> Equalising;  // strings only
};

// What the bridge's diodes must withstand (part_ratings.h's DiodeRating).
struct DiodeNeeds {
  long double ReverseVoltage;  // V, the peak at high mains times the margin
  long double MeanCurrent;     // A
  long double RmsCurrent;      // A
};

// The chosen diode against the design's needs at `mains`; its loss from a
// simulation with it where one is given.
DiodeSelection SelectDiode(const Design& design, const SupplyConditions& mains,
                           const DiodeNeeds& needs, const DiodeDatasheet& diode,
                           long double ambient,
                           const std::optional<SimulatedDiodeLoss>& simulated = std::nullopt);

// The surge with two of the method's diode resistances Rd, when no diode is
// chosen.
mathem::SwitchOnSurge SurgeWithMethodDiodes(const Design& design, const SupplyConditions& mains);

// The first catalogue diode (smallest first) that passes every rating check;
// nullptr when none does.
const DiodeDatasheet* SuggestDiode(const Design& design, const SupplyConditions& mains,
                                   const DiodeNeeds& needs, long double ambient);

}  // namespace tavro::design::ratings
