// The netlist of the designed circuit, as plain text: the EMF √2·U2·sin(ωt+θ)
// between nodes e and acb, Rtr and Ls in series to node sec, an RC snubber
// across the bridge's AC input (sec, acb), the four diodes with zero-volt
// sources that sense the currents of D1 and D2, the filter capacitor between
// out and 0 (through a sense source and its ESR) and the load.
//
// Without `.options rshunt` and the snubber ngspice aborts the ideal-diode
// circuit ("Timestep too small") and lets a real diode ring for a minute;
// with them the results move by less than 1e-4. The shunts are 1e12 ohm:
// at 1e9 ohm the charge they take moved a 5000 V, 0.02 A design's currents
// by 0.04 %. The integration is Gear's (backward differentiation): the
// trapezoidal rule, ngspice's default, lets the diode currents ring from
// step to step (a 0.2 A peak at 1000 V moved by 5 % from one period to the
// next); with Gear's at the same step every figure repeats from period to
// period within 0.03 %.
#pragma once

#include <string>
#include <vector>

#include "simulation/circuit.h"

namespace tavro::simulation {

// The snubber: a capacitor whose mains-frequency current is a hundred-
// thousandth of the rated current, and the resistance that damps it with the
// leakage inductance (√(Ls/C)).
inline constexpr double kSnubberCurrentShare = 1e-5;
struct Snubber {
  double R;  // ohm
  double C;  // F
};
Snubber SnubberOf(const CircuitValues& values);
inline constexpr double kShuntResistance = 1e12;           // ohm, from every node to ground
inline constexpr double kMaxStepPerPeriod = 1.0 / 1000.0;  // 20 µs at 50 Hz
inline constexpr const char* kIdealDiodeModel = ".model TAVRO_IDEAL D(IS=1e-06 N=0.0001)";

// A diode conducts while its current exceeds this part of the rated current.
inline constexpr double kConductionLevel = 1e-4;
// A diode's current pulse ends where, after its peak, the current falls
// through this part of the peak.
inline constexpr double kPulseEndShare = 1e-3;
inline constexpr const char* kIntegrationMethod = "gear";

// Names of the sensed quantities as ngspice calls its vectors.
inline constexpr const char* kOutputVoltage = "v(out)";
inline constexpr const char* kDiode1Current = "i(vd1)";
inline constexpr const char* kDiode2Current = "i(vd2)";
inline constexpr const char* kCapacitorCurrent = "i(vc)";
inline constexpr const char* kLoadVoltageSourceCurrent = "i(vload)";

// One transient run of the circuit.
struct RunPlan {
  double Periods = 100.0;       // stop time in mains periods
  double PhaseDegrees = 0.0;    // mains phase at t = 0
  double CapacitorStart = 0.0;  // V on the filter capacitor at t = 0
  // `.meas` lines over the last whole period (the standalone netlist; the
  // embedded runner measures the vectors itself).
  bool Measurements = false;
  // The peak of a diode's current the measurements expect (the method's
  // Idpk), A: the end of conduction is measured at kPulseEndShare of it.
  // Zero: the level is kConductionLevel of the rated current.
  double ExpectedPeak = 0.0;
  std::vector<std::string> Comments;  // written first, one "* " line each
};

// Checks every value (positive, finite; ESR and the start voltage may be 0)
// and throws RejectedValue before any text is made.
std::string Netlist(const CircuitValues& values, const CircuitSetup& setup, const RunPlan& plan);

// The netlist as lines, without line ends, as ngSpice_Circ takes them.
std::vector<std::string> Lines(const std::string& netlist);

}  // namespace tavro::simulation
