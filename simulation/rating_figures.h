// The figures of a simulation report the part ratings rest on (the larger of
// the method's and the simulated currents; the simulated trough beside the
// method's): the real circuit's capacitor rms, diode rms and peak currents at
// nominal mains and rated load.
#pragma once

#include <optional>

#include "design/ratings/part_ratings.h"
#include "simulation/protocol.h"

namespace tavro::simulation {

// Nothing when the report has no real-circuit check. The lowest output is the
// least output voltage over the last period of the samples kept for the plots,
// when the report kept them.
std::optional<design::ratings::SimulatedFigures> RatingFigures(const SimulationReport& report);

}  // namespace tavro::simulation
