// The current of one diode over a mains period at the rated point, in
// amperes against the mains phase in degrees: the pulse of the model scaled
// by the rectified voltage over the path resistance, so that its mean over the
// period is half the rated current.
#pragma once

#include <vector>

#include "design/calculate.h"

namespace tavro::design {

struct WaveformPoint {
  long double Degrees;
  long double Amperes;
};

struct DiodeCurrentWaveform {
  std::vector<WaveformPoint> Points;  // 0° to 360°
  WaveformPoint Start;                // conduction begins
  WaveformPoint End;                  // conduction ends
  WaveformPoint Peak;
  long double Rms;  // Idrms of the design
  long double Max;  // Idpk of the design
};

DiodeCurrentWaveform DiodeCurrent(const Design& design, int intervals = 720);

}  // namespace tavro::design
