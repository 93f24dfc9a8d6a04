// The printable report of one design: an A4 PDF document with the date, a
// drawing of the circuit with the computed values, the inputs, every result,
// the nomogram parameters, the load characteristic as a table, and the load
// characteristic and the diode current as vector plots (plot/plot_painter.h),
// each page with a footer naming the design, the date and the page of all. Written with Qt's
// PDF writer and painter (Qt GUI, no widgets), so the command-line tool makes
// the same document without a display.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "design/diode_current.h"
#include "plot/plot_description.h"
#include "report/report_text.h"
#include "report/results_table.h"

namespace tavro::pdf {

// A further table: a title, a header row, then rows; a row with only its
// first cell filled is a sub-heading.
struct PdfTable {
  std::string Title;
  std::vector<std::vector<std::string>> Rows;
};

struct PdfReport {
  report::ReportContent Content;              // the texts as the window shows them
  design::DiodeCurrentWaveform DiodeCurrent;  // the second plot
  report::ReportTime Time;
  std::string TimeSeparator = ":";
  // Further tables (the simulation check, component ratings) printed after
  // the load characteristic, where the program has them.
  std::vector<PdfTable> Extra;
  // Further plots (the simulation's waveforms), each under its title, after
  // the design's two.
  std::vector<plot::PlotDescription> Plots;
};

class PdfWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The decimal separator of the document's numbers: a point in English, else
// the window's.
char DocumentSeparator(char separator);

// The document is in the language in use (i18n/catalogue.h). Writes it, replacing the file; throws
// PdfWriteError when it cannot. Needs a Qt GUI application object (the offscreen platform will do).
void WritePdfReport(const std::string& path, const PdfReport& report);

}  // namespace tavro::pdf
