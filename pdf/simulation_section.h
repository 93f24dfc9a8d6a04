// The simulation check ("Проверка моделированием") as a table of the
// printable report: both checks and the switch-on surges, the same table the
// simulation window shows, and a closing row with the diode model's source.
#pragma once

#include "pdf/pdf_report.h"
#include "simulation/protocol.h"

namespace tavro::pdf {

PdfTable SimulationTable(const simulation::SimulationReport& report, char separator);

}  // namespace tavro::pdf
