// Measurements over a window of sampled waveforms, as a circuit simulator
// samples them (uneven steps): mean, rms, extremes, the amplitude of one
// Fourier component, the time a current falls through a level. Integrals
// are trapezoidal, with the waveform interpolated linearly at the window's
// ends; the maximum of a waveform known to be smooth at its top (the ideal
// diodes' circuit) is refined by a parabola through its neighbours where
// they lie on a smooth cap (not at a kink); otherwise it is the largest
// sample, as ngspice's .meas MAX takes it (a real diode's current may peak
// at a kink where another diode breaks down).
#pragma once

#include <vector>

namespace tavro::simulation {

struct Window {
  double From;
  double To;
};

double MeanOver(const std::vector<double>& t, const std::vector<double>& v, Window w);
double RmsOver(const std::vector<double>& t, const std::vector<double>& v, Window w);
// Mean of u·i, both linear between the samples: exact for those pieces.
double MeanProductOver(const std::vector<double>& t, const std::vector<double>& u,
                       const std::vector<double>& i, Window w);
double MaxOver(const std::vector<double>& t, const std::vector<double>& v, Window w, bool smooth);
double MinOver(const std::vector<double>& t, const std::vector<double>& v, Window w);
// Amplitude of the component at `frequency` (Hz): (2/T)·|∫v·e^(-jωt)dt|.
double FourierAmplitude(const std::vector<double>& t, const std::vector<double>& v, Window w,
                        double frequency);
// The end of the pulse that peaks in the window: where the current, falling
// after its peak, first passes `level` (interpolated), as ngspice's .meas
// WHEN finds it. An ideal diode's current drops to nothing within one step:
// with `abrupt`, where the line through the two samples before that step
// meets zero. NaN when the current does not
// fall to the level in the window.
double PulseEnd(const std::vector<double>& t, const std::vector<double>& v, Window w, double level,
                bool abrupt);

// Watches a signal as it is computed and tells when its mean over whole
// periods has settled: the mean of a period differs from the previous
// period's by at most `tolerance` relative.
class PeriodMeans {
 public:
  PeriodMeans(double period, double tolerance) : period_(period), tolerance_(tolerance) {}
  // Feeds the next point; returns true once a period has settled.
  bool Add(double time, double value);
  bool Settled() const { return settledAt_ > 0; }
  int SettledAt() const { return settledAt_; }  // whole periods up to the settled one
  const std::vector<double>& Means() const { return means_; }

 private:
  double period_;
  double tolerance_;
  bool started_ = false;
  double lastT_ = 0.0, lastV_ = 0.0, sum_ = 0.0;
  int current_ = 0;
  int settledAt_ = 0;
  std::vector<double> means_;
};

// Watches a signal as it is computed and keeps its change over each whole
// period, v(n·T) − v((n − 1)·T), the value at a boundary interpolated
// between the points around it: a capacitor's charge gained in a period is
// C times its voltage's change, exactly, where the mean of its sampled
// current carries the integration's noise.
class PeriodChanges {
 public:
  explicit PeriodChanges(double period) : period_(period) {}
  void Add(double time, double value);
  const std::vector<double>& Changes() const { return changes_; }

 private:
  double period_;
  bool started_ = false;
  double lastT_ = 0.0, lastV_ = 0.0, atBoundary_ = 0.0;
  int current_ = 0;
  std::vector<double> changes_;
};

}  // namespace tavro::simulation
