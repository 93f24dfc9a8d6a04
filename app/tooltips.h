// Tooltips of the main window: every input, result and coefficient field
// says what it is, its unit and its usual range.
#pragma once

#include "app/form_layout.h"

namespace tavro::app {

void InstallTooltips(QWidget& window, const FormControls& controls);

}  // namespace tavro::app
