// The two plot windows of the "Графики" menu: the load characteristic and the
// current of one diode over a mains period. Non-modal; each shows the last
// complete calculation, titled with its six inputs, and saves itself as PNG
// (at a chosen size and scale), SVG or PDF.
#pragma once

#include <QGridLayout>
#include <QLocale>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/design_banner.h"
#include "app/plot_view.h"
#include "design/calculate.h"
#include "design/diode_current.h"
#include "design/inputs.h"
#include "design/load_table.h"

namespace tavro::app {

struct PngExport {
  QSize Size;  // before scaling
  double Scale = 1.0;
};

// The questions a save asks, replaceable so that tests never block.
struct PlotDialogs {
  // A file name to save to; empty when cancelled.
  std::function<QString(QWidget* parent, const QString& filter, const QString& suffix)> ChooseFile;
  // The PNG's size and scale, starting from `proposal`; none when cancelled.
  std::function<std::optional<PngExport>(QWidget* parent, const PngExport& proposal)> ChoosePng;
};

PlotDialogs StandardPlotDialogs();

// The buttons under a plot: "Исходный масштаб" on the left, the saves as
// PNG, SVG and PDF on the right, for the plot `current` gives. In one row
// when wide enough, else the saves in a row of their own.
class PlotButtons : public QWidget {
  Q_OBJECT

 public:
  PlotButtons(std::function<PlotView*()> current, QWidget* parent);
  void SetDialogs(PlotDialogs dialogs) { dialogs_ = std::move(dialogs); }
  // As narrow as the two rows allow.
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  enum class Format { Png, Svg, Pdf };
  void Save(Format format);
  void Arrange(bool oneRow);

  std::function<PlotView*()> current_;
  PlotDialogs dialogs_ = StandardPlotDialogs();
  QGridLayout* grid_;
  QPushButton* reset_;
  QWidget* saves_;
  bool oneRow_ = true;
};

// A window holding one plot, its reset button and its save buttons.
class PlotWindow : public QWidget {
  Q_OBJECT

 public:
  // `title` is a text marked in `context` (the window's own, app/app_texts.h,
  // or the calculation's), shown in the language in use.
  PlotWindow(const char* context, std::string_view title, QWidget* parent);
  PlotView& Plot() { return *plot_; }
  // The stale note over the plot; the plot's title names the design.
  DesignBanner& Banner() { return *banner_; }
  void SetDialogs(PlotDialogs dialogs) { buttons_->SetDialogs(std::move(dialogs)); }

 protected:
  // The title: the plot's name over the design's line (DesignLine).
  void SetDesign(const DesignName& name);

 private:
  void ShowTitle();

  const char* context_;
  std::string_view title_;
  std::optional<DesignName> name_;
  PlotView* plot_;
  DesignBanner* banner_;
  PlotButtons* buttons_;
};

class LoadCharacteristicWindow : public PlotWindow {
  Q_OBJECT

 public:
  explicit LoadCharacteristicWindow(QWidget* parent);
  // The model's whole load curve, from the design's own continuation, its 25
  // table rows marked as points, and the rated row and the slider's row as
  // markers.
  void Show(const design::Design& design, int sliderRow, const DesignName& name);
  void ShowRow(int sliderRow);

 private:
  // The curve, the rows and the markers with their names in the language in
  // use (plot/design_plots.h); the view stays as it is.
  void Draw();

  std::optional<design::Design> design_;
  int row_ = design::kRatedRow;
  char separator_ = ',';
};

class DiodeCurrentWindow : public PlotWindow {
  Q_OBJECT

 public:
  explicit DiodeCurrentWindow(QWidget* parent);
  void Show(const design::DiodeCurrentWaveform& waveform, const DesignName& name);

 private:
  void Draw();

  std::optional<design::DiodeCurrentWaveform> waveform_;
  char separator_ = ',';
};

// The number format of the plots for the program's decimal separator: the
// system locale when it agrees, else a locale that writes that separator.
QLocale PlotLocale(char decimalSeparator);

}  // namespace tavro::app
