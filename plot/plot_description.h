// One plot as data, independent of what draws it: a title, two axes with
// their titles, read-out symbols and units (and a fixed range where the
// plot has one), curves as point lists with names, marked points with their
// labels, and notes. The windows render it with QCustomPlot (app/plot_view.h),
// the PDF report with QPainter (plot/plot_painter.h).
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>
#include <vector>

namespace tavro::plot {

struct AxisRange {
  double Min = 0, Max = 1, Step = 1;  // ticks at multiples of Step
};

struct Axis {
  QString Title;                   // "Выпрямленный ток, А"
  QString Symbol;                  // the read-out's name: "I"
  QString Unit;                    // the read-out's unit with its leading space: " А"
  std::optional<AxisRange> Fixed;  // otherwise the range follows the data
};

enum class CurveStyle { Line, Dots };

struct Curve {
  QString Name;
  QVector<QPointF> Points;  // in rising x for a line
  CurveStyle Style = CurveStyle::Line;
  QColor Colour = QColor(31, 96, 180);
};

struct Marker {
  QPointF At;
  QString Label;
  QColor Colour;
  bool Filled = false;  // a dot; otherwise a wider ring, so both show where they meet
};

struct PlotDescription {
  QString Title;
  Axis X, Y;
  QVector<Curve> Curves;  // the first line is the one the read-out follows
  QVector<Marker> Markers;
  QStringList Notes;  // legend lines without a symbol
};

// A curve from sampled values: x[i]·xScale against y[i], as many points as
// the shorter list has.
Curve SampledCurve(const QString& name, const std::vector<double>& x, const std::vector<double>& y,
                   double xScale = 1.0, QColor colour = QColor(31, 96, 180));

// A plot of sampled waveforms (e.g. a simulation's, time in seconds shown in
// milliseconds with xScale 1000): the axes as given, one curve per series.
PlotDescription SampledPlot(const QString& title, const Axis& x, const Axis& y,
                            QVector<Curve> curves);

}  // namespace tavro::plot
