// After the mains are switched on with no load and the capacitor empty
// (docs/method.md, "Capacitor voltage at switch-on", "Primary fuse"): the
// highest voltage the filter capacitor reaches and the surge's ∫i²dt. The charging loop of the
// switch-on surge (Rtr, Ls, the two diodes' drop, Cf) rings when it is underdamped, and the
// capacitor then charges above the source's crest less the drop; with no load nothing discharges
// it, so the voltage after the last pulse is the highest.
#pragma once

#include "mathem/series_rlc.h"

namespace tavro::design::ratings {

struct SwitchOnVoltage {
  long double Voltage;  // V, the highest capacitor voltage
  long double Phase;    // rad in [0, π): the switch-on phase that gives it
  // False when no switch-on phase charges the capacitor above the source's
  // crest less the drop, Em − Drop, which every pulse after the first tops it
  // up to in time: Voltage is then Em − Drop.
  bool Overshoot;
};

// The capacitor voltage once the pulses after switching on at mains phase θ
// have ended (followed over kSwitchOnHalfPeriods half periods, or until the
// capacitor is charged beyond the source's reach).
long double CapacitorAfterSwitchOn(const mathem::SeriesRlc& circuit, long double theta);

// The worst switch-on phase for the capacitor's voltage: a 5° grid over the
// phases where the bridge can conduct, refined by golden-section search; the
// voltage not below Em − Drop.
// Throws mathem::NumericalFailure when the pulses cannot be followed.
SwitchOnVoltage WorstSwitchOnVoltage(const mathem::SeriesRlc& circuit);

// ∫ i² dt (A²·s) of the charging current over the pulses after switching on
// at mains phase θ, each pulse by Simpson's rule on 512 intervals.
long double SwitchOnIntegralOfSquare(const mathem::SeriesRlc& circuit, long double theta);

}  // namespace tavro::design::ratings
