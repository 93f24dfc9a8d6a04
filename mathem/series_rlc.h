// The switch-on surge of a capacitor charged through a bridge from a sine
// source with series resistance and inductance (docs/method.md, "Switch-on
// surge").
//
// While one pair of diodes conducts, the circuit is linear:
//   L·di/dt + R·i + v + Drop = Em·|sin x|,  C·dv/dt = i,  x = ω·t,
// with Drop the forward drop of the two conducting diodes. From i = 0 and a
// capacitor voltage V0 at the phase x0 where conduction starts, the current is
// the steady sinusoidal response plus the free response of the R–L–C loop
// (two decaying exponentials, a critically damped or a damped oscillation,
// whichever the loop has):
//   i = (Em/Z²)·(R·sin x − X·cos x) + e^(−α·τ)·(c1·C(τ) + c2·S(τ)),
//   X = ωL − 1/(ωC), Z² = R² + X², α = R/(2L), κ² = α² − 1/(LC),
//   C = cosh κτ, S = sinh(κτ)/κ (cos and sin/ω_d when κ² < 0; 1 and τ at 0),
// τ = (x − x0)/ω, c1 and c2 from i = 0 and L·di/dt = Em·sin x0 − Drop − V0.
// The pulse ends where the current returns to zero; the bridge then blocks
// until |e| exceeds the capacitor voltage plus the drop again.
//
// Pure functions of values; a floating-point fault throws FloatingPointFault.
#pragma once

namespace tavro::mathem {

struct SeriesRlc {
  long double R;      // ohm
  long double L;      // H
  long double C;      // F
  long double Em;     // amplitude of the source EMF, V
  long double Omega;  // angular frequency of the source, rad/s
  long double Drop;   // forward drop of the conducting path, V
};

// Current, its time derivative and the capacitor voltage at phase x of a
// pulse that starts at x0 with i = 0 and the capacitor at V0 (valid while the
// current stays positive).
struct RlcState {
  long double Current;    // A
  long double Slope;      // A/s
  long double Capacitor;  // V
};

class ChargingPulse {
 public:
  ChargingPulse(const SeriesRlc& circuit, long double x0, long double V0);
  RlcState At(long double x) const;
  long double Start() const { return x0_; }
  long double Omega() const { return c_.Omega; }
  // Half a period of the loop's free ringing as a mains phase, π·ω/ω_d;
  // infinite for a loop that does not ring.
  long double RingingHalfPhase() const;

 private:
  SeriesRlc c_;
  long double x0_;
  long double alpha_, kappa2_, kappa_;
  long double forcedScale_;  // Em/Z²
  long double X_;            // ωL − 1/(ωC)
  long double c1_, c2_;
};

// Where a pulse peaks and ends.
struct PulseExtent {
  long double PeakPhase;
  long double PeakCurrent;  // A
  long double EndPhase;
  long double EndVoltage;  // capacitor voltage when the current stops, V
};

// Follows a pulse from its start to the return of the current to zero,
// sampling 128 points per half period of the mains (16 per half period of
// the ringing where the loop rings faster; at most 65536 samples); the end is refined by Newton's
// steps kept inside the sampled bracket (bisection where a step would leave it) and the peak by
// bisection of the slope, unless only the end is asked for (the peak is then the largest sample). A
// pulse whose current never rises gives a peak of 0 at its start.
enum class PulseDetail { PeakAndEnd, EndOnly };
PulseExtent FollowPulse(const ChargingPulse& pulse, PulseDetail detail = PulseDetail::PeakAndEnd);

// Switching on at mains phase θ (rad) with the capacitor empty: the largest
// current of the pulses that follow, over the first kSwitchOnHalfPeriods half
// periods of the mains (the first pulse is the largest in every circuit met
// in practice; the later ones are followed to be sure).
inline constexpr int kSwitchOnHalfPeriods = 12;

struct SwitchOnPeak {
  long double Current;  // A
  int Pulse;            // 1 for the first pulse after switch-on
};

SwitchOnPeak PeakAfterSwitchOn(const SeriesRlc& circuit, long double theta);

// The worst switch-on phase in [0, π) (a phase θ + π gives the same pulses
// through the other pair of diodes) and the surge it gives.
struct SwitchOnSurge {
  long double Current;  // A
  long double Phase;    // rad
  int Pulse;
};

SwitchOnSurge WorstSwitchOn(const SeriesRlc& circuit);

// The phase in [0, π/2] whose sine is s (0 ≤ s ≤ 1): arcsin s, within an
// ulp or two.
long double PhaseOfSine(long double s);

}  // namespace tavro::mathem
