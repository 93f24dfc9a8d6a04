// A small line plot drawn with Qt's own painter: axes with titles, ticks and
// a grid, one curve, marked points with labels and a legend. Both plot
// windows use it; it renders the same onto the screen, a PNG or an SVG.
#pragma once

#include <QColor>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <optional>

namespace tavro::app {

class PlotWidget : public QWidget {
  Q_OBJECT

 public:
  struct Marker {
    QPointF At;
    QString Label;
    QColor Colour;
    bool Filled = false;  // a dot; otherwise a wider ring, so both show where they meet
  };

  explicit PlotWidget(QWidget* parent = nullptr);

  void SetAxisTitles(const QString& x, const QString& y);
  // A fixed x range and tick step; otherwise the range follows the data.
  void SetXRange(double min, double max, double step);
  void SetCurve(const QVector<QPointF>& points, const QString& legend);
  void SetMarkers(const QVector<Marker>& markers);
  void SetLegendNotes(const QStringList& notes);
  void SetNumberLocale(const QLocale& locale);

  const QVector<QPointF>& Curve() const { return curve_; }
  const QVector<Marker>& Markers() const { return markers_; }
  const QStringList& LegendNotes() const { return notes_; }
  // The tick labels of each axis, as drawn.
  QStringList XTickLabels() const;
  QStringList YTickLabels() const;

  void Render(QPainter& painter, const QRectF& area) const;
  bool SavePng(const QString& path) const;
  bool SaveSvg(const QString& path) const;

  QSize sizeHint() const override { return {720, 460}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Axis {
    double min = 0;
    double max = 1;
    double step = 0.2;
  };
  Axis XAxis() const;
  Axis YAxis() const;
  QStringList TickLabels(const Axis& axis) const;

  QString xTitle_, yTitle_, legend_;
  std::optional<Axis> fixedX_;
  QVector<QPointF> curve_;
  QVector<Marker> markers_;
  QStringList notes_;
  QLocale locale_;
};

}  // namespace tavro::app
