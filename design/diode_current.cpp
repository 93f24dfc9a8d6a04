#include "design/diode_current.h"

#include <algorithm>

#include "design/operating_point.h"
#include "mathem/extended.h"
#include "mathem/faults.h"
#include "mathem/pulse_samples.h"

namespace tavro::design {

DiodeCurrentWaveform DiodeCurrent(const Design& d, int intervals) {
  mathem::FaultScope faults;
  const long double Psi = d.Point.Psi;
  const long double Beta = d.Point.Beta;
  const long double Phi = d.Parameters.Phi;
  const long double amperes = d.Inputs.U0 / d.Parameters.Rsum;

  DiodeCurrentWaveform w;
  for (const mathem::PulseSample& s : mathem::PulseSamples(Psi, Phi, Beta, intervals)) {
    w.Points.push_back({Degrees(s.X), s.I * amperes});
  }
  w.Start = {Degrees(mathem::kHalfPi - Psi), 0.0L};
  w.End = {Degrees(mathem::WrapToPeriod(Beta)), 0.0L};
  // The samples include the peak itself.
  w.Peak = *std::max_element(
      w.Points.begin(), w.Points.end(),
      [](const WaveformPoint& a, const WaveformPoint& b) { return a.Amperes < b.Amperes; });
  w.Rms = d.Results.Idrms;
  w.Max = d.Results.Idpk;
  faults.Check(w.Start, w.End, w.Peak);
  return w;
}

}  // namespace tavro::design
