// The two simulation checks of a design and its switch-on surge.
//
// (a) The method's own assumptions: ideal diodes with the method's forward
//     resistance Rd, a constant-voltage load at U0. The simulated I0, I2,
//     Idrms, Idpk and β must agree with the calculation within 0.05 %; this
//     checks the calculation itself.
// (b) The real circuit: a diode model, optionally the capacitor's ESR, a
//     resistive (U0/I0) or constant-current (I0) load. Every figure the
//     method gives beside the simulated one, and the difference in %.
// The surge: the peak diode current when the mains are switched on with the
// capacitor empty, over switch-on phases 0…180° every 10° and refined around
// the worst; at high mains (the EMF raised by the mains tolerance) searched
// from the nominal worst phase.
//
// Each steady-state run starts with the capacitor at U0 and stops once the
// mean output voltage of a period differs from the previous period's by less
// than 1e-5 (relative) and the period's charge balances (the capacitor's
// charge over the period, C·Δv, over T and the secondary's mean current
// within 1e-4 of I0), after at most 100
// periods (then it is reported as not settled); the figures are taken over
// the last whole period. Figures no real circuit can have (not a number,
// β outside 0…360°, U0 not above zero) fail the run.
#pragma once

#include <atomic>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "simulation/circuit.h"

namespace tavro::simulation {

struct SimulationLimits {
  double StallSeconds = 5.0;  // RunRequest::StallSeconds
  int MaxPeriods = 100;
  double SettleTolerance = 1e-5;
  // The charge balance of a settled period: the capacitor's C·Δv over the
  // period divided by it, and the secondary's mean current (a current the
  // bridge draws in both directions alike), each at most this part of I0.
  double ChargeTolerance = 1e-4;
  const std::atomic<bool>* Cancel = nullptr;
  // Overall progress 0…1 of the current step and its name.
  std::function<void(const std::string& step, double fraction)> Progress;
};

// Over the last whole period of the steady state.
struct SteadyFigures {
  double Vmean = 0;        // mean output voltage, V
  double I0 = 0;           // mean load current, A
  double RipplePP = 0;     // peak-to-peak ripple, V
  double Vmin = 0;         // lowest output voltage, V (with the capacitor)
  double Ripple100 = 0;    // amplitude of the ripple's fundamental (twice the mains frequency), V
  double I2 = 0;           // secondary rms current, A
  double Idavg = 0;        // diode mean current, A
  double Idrms = 0;        // diode rms current, A
  double Idpk = 0;         // diode peak current, A
  double Icrms = 0;        // capacitor rms current, A
  double BetaDegrees = 0;  // end of conduction, mains phase, °
  double PeakReverse = 0;  // the largest reverse voltage across a diode, V
  double DiodeLoss = 0;    // D1's conduction loss, the mean of v·i, W
};

// Samples for the plots: time from the start of the shown interval, s.
// Idiode: in the steady state one diode's current (VD1), as the method's
// plot shows it; after switch-on the larger of the two pairs', so every
// pulse of the surge is there.
struct Waveforms {
  std::vector<double> Time, Vout, Idiode, Icap;
};

struct SteadyState {
  SteadyFigures Figures;
  int Periods = 0;       // periods simulated
  bool Settled = false;  // false: 100 periods were not enough
  Waveforms LastTwoPeriods;
};

SteadyState SimulateSteadyState(const CircuitValues& values, const CircuitSetup& setup,
                                const SimulationLimits& limits);

struct SurgePoint {
  double PhaseDegrees;
  double Peak;  // largest diode current after switching on, A
};

struct Surge {
  std::vector<SurgePoint> Points;  // by phase
  double WorstPhaseDegrees = 0;
  double WorstPeak = 0;
  Waveforms WorstTransient;
  double MainsVoltage = 0;  // rms of the mains switched on, V
  // The calculation's own worst case (ideal switches, 2·Ud, no load) beside
  // it; NaN where it has none.
  double MethodPhaseDegrees = std::numeric_limits<double>::quiet_NaN();
  double MethodPeak = std::numeric_limits<double>::quiet_NaN();
};

Surge SimulateSurge(const CircuitValues& values, const CircuitSetup& setup,
                    const SimulationLimits& limits);

// The surge searched from one phase only: the worst phase a search of the
// same circuit found at another EMF moves little, so a walk from it in steps
// of 5°, 2.5° and 1.25° needs some seven runs where the whole scan needs 25.
Surge SimulateSurgeNear(const CircuitValues& values, const CircuitSetup& setup, double startDegrees,
                        const SimulationLimits& limits);

// The largest diode current in the first 1.25 periods after switching on at
// one mains phase, the capacitor empty.
double SwitchOnPeak(const CircuitValues& values, const CircuitSetup& setup, double phaseDegrees,
                    const SimulationLimits& limits);

// One line of a comparison: the method's figure (NaN where the method gives
// none), the simulated one and their difference in % of the method's.
struct ComparisonRow {
  std::string Quantity;  // "I0", "I2", "Idrms", ...
  double Method;
  double Simulated;
  double DifferencePercent;
};

inline constexpr double kMethodCheckTolerancePercent = 0.05;

struct MethodCheck {
  std::vector<ComparisonRow> Rows;  // I0, I2, Idrms, Idpk, Beta
  bool Passed = false;              // every row within the tolerance
  SteadyState State;
};

MethodCheck CheckMethod(const CircuitValues& values, const MethodFigures& method,
                        const SimulationLimits& limits);

struct CircuitCheck {
  // U0, I0, RipplePP, Ripple100, I2, Idavg, Idrms, Idpk, Beta, Icrms
  std::vector<ComparisonRow> Rows;
  SteadyState State;
  // The largest reverse voltage across a diode in the steady state, V, the
  // part's rating (RatedReverseVoltage in diode_models.h: the lower of the
  // model's BV and the datasheet's VRRM; NaN without either) and the model's
  // breakdown voltage BV (NaN for a model without one).
  double PeakReverseVoltage = 0.0;
  double RatedReverseVoltage = std::numeric_limits<double>::quiet_NaN();
  double BreakdownVoltage = std::numeric_limits<double>::quiet_NaN();
  bool ReverseVoltageExceeded() const { return PeakReverseVoltage >= RatedReverseVoltage; }
  // The limit the peak passes: "BV" where it reaches the model's breakdown
  // (the diode avalanches, the run's figures are the breakdown's), "VRRM"
  // where it passes only the datasheet's rating (the model conducts no
  // reverse current yet, the part is overstressed); nullptr below both.
  const char* ReverseVoltageLimit() const {
    if (PeakReverseVoltage >= BreakdownVoltage) return "BV";
    return ReverseVoltageExceeded() ? "VRRM" : nullptr;
  }
  // The value of that limit, V.
  double ReverseVoltageLimitValue() const {
    return PeakReverseVoltage >= BreakdownVoltage ? BreakdownVoltage : RatedReverseVoltage;
  }
  // The lowest instantaneous output voltage in the steady state, V, and the
  // method's own from its pulses (NaN where it has none).
  double LowestVoltage = std::numeric_limits<double>::quiet_NaN();
  double MethodLowestVoltage = std::numeric_limits<double>::quiet_NaN();
  // One diode's (D1's) loss in the steady state, W: the mean of its voltage
  // times its current (NaN where a report does not carry it).
  double DiodeLoss = std::numeric_limits<double>::quiet_NaN();
};

CircuitCheck CheckCircuit(const CircuitValues& values, const MethodFigures& method,
                          const CircuitSetup& setup, const SimulationLimits& limits);

}  // namespace tavro::simulation
