// The text of simulation/diodes.lib, built into the program so that the
// shipped models are always there.
#pragma once

namespace tavro::simulation {

extern const char* const kDiodeLibraryText;

}  // namespace tavro::simulation
