#include "app/plot_windows.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "app/messages.h"
#include "app/qt_text.h"
#include "design/decimal.h"

namespace tavro::app {

QLocale PlotLocale(char decimalSeparator) {
  const QLocale system = QLocale::system();
  if (system.decimalPoint() == QString(QChar(decimalSeparator))) return system;
  return decimalSeparator == ',' ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
}

namespace {

QString Shown(long double value, char separator) {
  return QString::fromStdString(design::FormatResult(value, separator));
}

// Degrees to one decimal in the plot's locale.
QString Angle(const QLocale& locale, long double degrees) {
  return locale.toString(static_cast<double>(degrees), 'f', 1) + QStringLiteral("°");
}

}  // namespace

PlotWindow::PlotWindow(const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window), plot_(new PlotWidget(this)) {
  setWindowTitle(title);
  auto* png = new QPushButton(Q(texts::kSavePng), this);
  png->setObjectName("SavePng");
  auto* svg = new QPushButton(Q(texts::kSaveSvg), this);
  svg->setObjectName("SaveSvg");
  connect(png, &QPushButton::clicked, this, [this] { SaveAs("PNG (*.png)", "png"); });
  connect(svg, &QPushButton::clicked, this, [this] { SaveAs("SVG (*.svg)", "svg"); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(png);
  buttons->addWidget(svg);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(plot_, 1);
  layout->addLayout(buttons);
}

void PlotWindow::SaveAs(const QString& filter, const QString& suffix) {
  QFileDialog dialog(this, Q(texts::kSavePlotTitle), ".", filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().front();
  const bool saved = suffix == "svg" ? plot_->SaveSvg(path) : plot_->SavePng(path);
  if (!saved) RunCentred(*BuildErrorBox(this, Q(texts::kPlotNotSaved) + " " + path));
}

LoadCharacteristicWindow::LoadCharacteristicWindow(QWidget* parent)
    : PlotWindow(Q(texts::kLoadPlotTitle), parent) {
  setObjectName("LoadCharacteristicWindow");
  Plot().SetAxisTitles(Q(texts::kLoadPlotX), Q(texts::kLoadPlotY));
}

void LoadCharacteristicWindow::Show(const design::Design& design, int sliderRow,
                                    char decimalSeparator) {
  const design::LoadTable& table = table_ = design.Load;
  separator_ = decimalSeparator;
  QVector<QPointF> points;
  for (int k = 0; k < design::kLoadRows; ++k) {
    points << QPointF(static_cast<double>(table.Current[k]), static_cast<double>(table.Voltage[k]));
  }
  Plot().SetNumberLocale(PlotLocale(decimalSeparator));
  Plot().SetCurve(points, Q(texts::kLoadPlotLegend));
  row_ = sliderRow;
  Mark();
}

void LoadCharacteristicWindow::ShowRow(int sliderRow) {
  if (sliderRow < 0 || sliderRow >= design::kLoadRows) return;
  row_ = sliderRow;
  Mark();
}

void LoadCharacteristicWindow::Mark() {
  const auto at = [&](int k) {
    return QPointF(static_cast<double>(table_.Current[k]), static_cast<double>(table_.Voltage[k]));
  };
  const auto describe = [&](std::string_view what, int k) {
    return Q(what) + " " + QString::fromStdString(design::PercentText(k)) + ": " +
           Shown(table_.Current[k], separator_) + " А, " + Shown(table_.Voltage[k], separator_) +
           " В";
  };
  Plot().SetMarkers({{at(design::kRatedRow), describe(texts::kRatedPoint, design::kRatedRow),
                      QColor(200, 40, 40), true},
                     {at(row_), describe(texts::kSliderPoint, row_), QColor(30, 150, 60)}});
}

DiodeCurrentWindow::DiodeCurrentWindow(QWidget* parent)
    : PlotWindow(Q(texts::kPulsePlotTitle), parent) {
  setObjectName("DiodeCurrentWindow");
  Plot().SetAxisTitles(Q(texts::kPulsePlotX), Q(texts::kPulsePlotY));
  Plot().SetXRange(0, 360, 45);
}

void DiodeCurrentWindow::Show(const design::DiodeCurrentWaveform& w, char decimalSeparator) {
  const QLocale locale = PlotLocale(decimalSeparator);
  QVector<QPointF> points;
  for (const design::WaveformPoint& p : w.Points) {
    points << QPointF(static_cast<double>(p.Degrees), static_cast<double>(p.Amperes));
  }
  const auto at = [](const design::WaveformPoint& p) {
    return QPointF(static_cast<double>(p.Degrees), static_cast<double>(p.Amperes));
  };
  Plot().SetNumberLocale(locale);
  Plot().SetCurve(points, Q(texts::kPulsePlotLegend));
  Plot().SetMarkers(
      {{at(w.Start), Q(texts::kConductionStart) + " " + Angle(locale, w.Start.Degrees),
        QColor(30, 150, 60)},
       {at(w.Peak),
        Q(texts::kPulsePeak) + " " + Shown(w.Peak.Amperes, decimalSeparator) + " А, " +
            Angle(locale, w.Peak.Degrees),
        QColor(200, 40, 40)},
       {at(w.End), Q(texts::kConductionEnd) + " " + Angle(locale, w.End.Degrees),
        QColor(120, 60, 160)}});
  Plot().SetLegendNotes({Q(texts::kRmsNote) + " " + Shown(w.Rms, decimalSeparator) + " А",
                         Q(texts::kPeakNote) + " " + Shown(w.Max, decimalSeparator) + " А"});
}

}  // namespace tavro::app
