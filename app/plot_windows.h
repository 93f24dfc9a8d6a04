// The two plot windows of the "Графики" menu: the load characteristic and the
// current of one diode over a mains period. Non-modal; each shows the last
// complete calculation and can be saved as PNG or SVG.
#pragma once

#include <QLocale>
#include <QWidget>

#include "app/plot_widget.h"
#include "design/calculate.h"
#include "design/diode_current.h"
#include "design/load_table.h"

namespace tavro::app {

// A window holding one plot and its save buttons.
class PlotWindow : public QWidget {
  Q_OBJECT

 public:
  PlotWindow(const QString& title, QWidget* parent);
  PlotWidget& Plot() { return *plot_; }

 private:
  void SaveAs(const QString& filter, const QString& suffix);

  PlotWidget* plot_;
};

class LoadCharacteristicWindow : public PlotWindow {
  Q_OBJECT

 public:
  explicit LoadCharacteristicWindow(QWidget* parent);
  // Voltage against current for the 25 rows of the design's load
  // characteristic; the rated row and the slider's row marked.
  void Show(const design::Design& design, int sliderRow, char decimalSeparator);
  void ShowRow(int sliderRow);

 private:
  void Mark();

  design::LoadTable table_;
  int row_ = design::kRatedRow;
  char separator_ = ',';
};

class DiodeCurrentWindow : public PlotWindow {
  Q_OBJECT

 public:
  explicit DiodeCurrentWindow(QWidget* parent);
  void Show(const design::DiodeCurrentWaveform& waveform, char decimalSeparator);
};

// The number format of the plots' ticks for the program's decimal separator:
// the system locale when it agrees, else a locale that writes that separator.
QLocale PlotLocale(char decimalSeparator);

}  // namespace tavro::app
