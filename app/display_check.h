// Whether a graphical display is there to open the window on, checked before
// the toolkit starts (which would otherwise abort with a long dump).
#pragma once

namespace tavro::app {

bool DisplayAvailable();

}  // namespace tavro::app
