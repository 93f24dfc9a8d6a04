// One plot of the windows, drawn by QCustomPlot from its description
// (plot/plot_description.h) or piece by piece: a title, a curve,
// optional marked points, markers with their labels in a legend under the
// axes, and notes in that legend. The wheel zooms and a drag pans both axes;
// a double click or ResetView() shows everything again. A cross-hair follows
// the mouse and reads the curve's value there, in the plot's number locale.
// The plot exports itself as PNG at any size and scale, and as SVG and PDF.
#pragma once

#include <qcustomplot.h>
#include <QColor>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

#include "plot/plot_description.h"

namespace tavro::app {

class PlotView : public QCustomPlot {
  Q_OBJECT

 public:
  using Marker = plot::Marker;
  // A quantity on one axis, as the read-out names it: "U" and " В", "φ" and "°".
  struct Quantity {
    QString Symbol;
    QString Unit;
  };

  explicit PlotView(QWidget* parent = nullptr);

  // Two lines above the axes: what the plot shows and the design it shows.
  void SetTitle(const QString& name, const QString& design);
  QString Title() const;
  void SetAxes(const QString& xTitle, const Quantity& x, const QString& yTitle, const Quantity& y);
  // A fixed x range with ticks at multiples of `step`; otherwise the range
  // follows the data.
  void SetXRange(double min, double max, double step);
  void SetCurve(const QVector<QPointF>& points, const QString& name);
  // Points marked along the curve, one legend entry for them all.
  void SetPoints(const QVector<QPointF>& points, const QString& name);
  void SetMarkers(const QVector<Marker>& markers);
  void SetLegendNotes(const QStringList& notes);
  void SetNumberLocale(const QLocale& locale);
  // A whole plot as described (plot/plot_description.h): its axes (and fixed
  // x range), its first line as the curve the read-out follows, further
  // lines beside it, its first dotted series as the points, its markers and
  // notes. The title stays as SetTitle made it; the view stays until
  // ResetView().
  void Show(const plot::PlotDescription& plot);

  const QVector<QPointF>& Curve() const { return curve_; }
  const QVector<QPointF>& Points() const { return points_; }
  const QVector<Marker>& Markers() const { return markers_; }
  const QStringList& LegendNotes() const { return notes_; }

  // The whole curve, every point and every marker, with room around them so
  // that no marker is cut at the edge. New data keeps the view until this.
  void ResetView();

  // The cross-hair at the curve's point under pixel column `x`, with its
  // read-out ("U = 13,215 В at I = 0,730 А"); hidden off the curve.
  void ReadOutAt(double x);
  void HideReadOut();
  // The read-out shown, empty when none.
  QString ReadOut() const;

  // Pixel size width·scale by height·scale. Each replaces the file only once
  // the picture is complete, and never what is not a regular file.
  bool ExportPng(const QString& path, QSize size, double scale);
  bool ExportSvg(const QString& path, QSize size);
  bool ExportPdf(const QString& path, QSize size);

  QSize sizeHint() const override { return {720, 520}; }
  // The title and the legend wrap to the width (FitTo), so the least size
  // is the one set, not that of the unwrapped lines.
  QSize minimumSizeHint() const override { return minimumSize(); }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool ExportSvgTo(const QString& path, QSize size);
  QString Number(double value, double span) const;
  std::optional<double> CurveAt(double x) const;
  double Slope(double x) const;
  QCPGraph* AddGraph(const QString& name);
  void SetSeries(QCPGraph* graph, QVector<QPointF>& kept, const QVector<QPointF>& points,
                 const QString& name);
  void FitTo(int width);

  QString name_, design_;
  QCPTextElement* title_;
  QCPGraph* curveGraph_;
  QCPGraph* pointsGraph_;
  QVector<QCPGraph*> markerGraphs_;
  QVector<QCPGraph*> noteGraphs_;
  QVector<QCPGraph*> lineGraphs_;    // lines beyond the curve
  QVector<QVector<QPointF>> lines_;  // their points
  QCPItemTracer* tracer_;
  QCPItemText* readOut_;
  Quantity x_, y_;
  std::optional<QCPRange> fixedX_;
  double fixedStep_ = 0;
  QVector<QPointF> curve_;
  QVector<QPointF> points_;
  QVector<Marker> markers_;
  QStringList notes_;
  QLocale locale_;
};

}  // namespace tavro::app
