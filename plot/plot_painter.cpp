#include "plot/plot_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tavro::plot {
namespace {

constexpr double kLegendLine = 4.2;  // mm
constexpr double kLegendPoints = 7.5;

// A tick step of 1, 2 or 5 times a power of ten giving about `count` ticks.
double NiceStep(double span, int count) {
  const double raw = span / count;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0}) {
    if (raw <= m * power) return m * power;
  }
  return 10 * power;
}

QString TickText(double value, double step, char separator) {
  const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 9);
  QString text = QString::number(std::fabs(value) < step * 1e-9 ? 0.0 : value, 'f', decimals);
  if (separator != '.') text.replace(QLatin1Char('.'), QChar(separator));
  return text;
}

// The shown range and its ticks: the fixed one, or the data's with a little
// room, rounded out to whole steps.
AxisRange RangeOf(const Axis& axis, double lo, double hi, double pad) {
  if (axis.Fixed) return *axis.Fixed;
  if (!(hi >= lo)) return {0, 1, 0.2};
  double span = hi - lo;
  if (span <= 0) span = std::max(1.0, std::fabs(hi));
  // Room on both sides, but none below zero for data that never goes below.
  // (a numerical trace a hair below zero counts as none).
  lo = lo >= -1e-3 * span ? std::max(0.0, lo - pad * span) : lo - pad * span;
  hi += pad * span;
  const double step = NiceStep(hi - lo, 6);
  return {std::floor(lo / step) * step, std::ceil(hi / step) * step, step};
}

// A curve without a name (the only one of a plot whose title names it) has
// no legend entry.
int LegendEntries(const PlotDescription& plot) {
  const auto named = std::count_if(plot.Curves.begin(), plot.Curves.end(),
                                   [](const Curve& c) { return !c.Name.isEmpty(); });
  return static_cast<int>(named + plot.Markers.size() + plot.Notes.size());
}

void SetPoints(QPainter& p, double points) {
  QFont font = p.font();
  font.setPointSizeF(points);
  font.setBold(false);
  p.setFont(font);
}

void DrawMarker(QPainter& p, QPointF at, const Marker& m, double perMm) {
  if (m.Filled) {
    p.setPen(Qt::NoPen);
    p.setBrush(m.Colour);
    p.drawEllipse(at, 0.9 * perMm, 0.9 * perMm);
  } else {
    p.setPen(QPen(m.Colour, 0.35 * perMm));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, 1.5 * perMm, 1.5 * perMm);
  }
}

void DrawDot(QPainter& p, QPointF at, const QColor& colour, double perMm) {
  p.setPen(QPen(colour, 0.25 * perMm));
  p.setBrush(Qt::white);
  p.drawEllipse(at, 0.6 * perMm, 0.6 * perMm);
}

// Two columns where every entry fits in half the width, else one.
int LegendColumns(const QPainter& painter, const PlotDescription& plot, double width,
                  double perMm) {
  QFont font = painter.font();
  font.setPointSizeF(kLegendPoints);
  const QFontMetricsF metrics(font, painter.device());
  QStringList entries = plot.Notes;
  for (const Curve& c : plot.Curves) entries << c.Name;
  for (const Marker& m : plot.Markers) entries << m.Label;
  for (const QString& entry : entries) {
    if (metrics.horizontalAdvance(entry) + 10 * perMm > width / 2) return 1;
  }
  return 2;
}

}  // namespace

double LegendHeight(const QPainter& painter, const PlotDescription& plot, double width,
                    double perMm) {
  const int entries = LegendEntries(plot);
  const int columns = LegendColumns(painter, plot, width, perMm);
  return entries == 0 ? 0 : kLegendLine * ((entries + columns - 1) / columns) + 1;
}

void PaintPlot(QPainter& p, const QRectF& frame, double perMm, const PlotDescription& plot,
               char separator) {
  p.save();
  const double legend = LegendHeight(p, plot, frame.width(), perMm) * perMm;
  const int columns = LegendColumns(p, plot, frame.width(), perMm);
  const QRectF area(frame.left() + 17 * perMm, frame.top() + 2 * perMm, frame.width() - 21 * perMm,
                    frame.height() - legend - 14 * perMm);
  double xLo = INFINITY, xHi = -INFINITY, yLo = INFINITY, yHi = -INFINITY;
  const auto take = [&](QPointF q) {
    xLo = std::min(xLo, q.x());
    xHi = std::max(xHi, q.x());
    yLo = std::min(yLo, q.y());
    yHi = std::max(yHi, q.y());
  };
  for (const Curve& c : plot.Curves) std::for_each(c.Points.begin(), c.Points.end(), take);
  for (const Marker& m : plot.Markers) take(m.At);
  const AxisRange x = RangeOf(plot.X, xLo, xHi, 0.0);
  const AxisRange y = RangeOf(plot.Y, yLo, yHi, 0.05);
  const auto at = [&](QPointF q) {
    return QPointF(area.left() + (q.x() - x.Min) / (x.Max - x.Min) * area.width(),
                   area.bottom() - (q.y() - y.Min) / (y.Max - y.Min) * area.height());
  };

  SetPoints(p, 8);
  const QPen grid(QColor(215, 215, 215), 0.12 * perMm);
  const QPen axis(Qt::black, 0.25 * perMm);
  // Ticks by count, so that rounding never adds or loses one.
  const int xTicks = static_cast<int>(std::lround((x.Max - x.Min) / x.Step));
  for (int i = 0; i <= xTicks && i <= 100; ++i) {
    const double v = x.Min + i * x.Step;
    p.setPen(grid);
    p.drawLine(at({v, y.Min}), at({v, y.Max}));
    p.setPen(axis);
    const QPointF foot = at({v, y.Min});
    p.drawText(QRectF(foot.x() - 10 * perMm, foot.y() + perMm, 20 * perMm, 4 * perMm),
               Qt::AlignHCenter, TickText(v, x.Step, separator));
  }
  const int yTicks = static_cast<int>(std::lround((y.Max - y.Min) / y.Step));
  for (int i = 0; i <= yTicks && i <= 100; ++i) {
    const double v = y.Min + i * y.Step;
    p.setPen(grid);
    p.drawLine(at({x.Min, v}), at({x.Max, v}));
    p.setPen(axis);
    const QPointF foot = at({x.Min, v});
    p.drawText(QRectF(foot.x() - 15 * perMm, foot.y() - 2 * perMm, 14 * perMm, 4 * perMm),
               Qt::AlignRight | Qt::AlignVCenter, TickText(v, y.Step, separator));
  }
  p.setPen(axis);
  p.setBrush(Qt::NoBrush);
  p.drawRect(area);
  SetPoints(p, 8.5);
  p.drawText(QRectF(area.left(), area.bottom() + 5 * perMm, area.width(), 5 * perMm),
             Qt::AlignHCenter, plot.X.Title);
  p.save();
  p.translate(area.left() - 14 * perMm, area.center().y());
  p.rotate(-90);
  p.drawText(QRectF(-area.height() / 2, -5 * perMm, area.height(), 5 * perMm), Qt::AlignHCenter,
             plot.Y.Title);
  p.restore();

  p.setClipRect(area.adjusted(-2 * perMm, -2 * perMm, 2 * perMm, 2 * perMm));
  for (const Curve& c : plot.Curves) {
    if (c.Style == CurveStyle::Line) {
      QPainterPath path;
      for (qsizetype i = 0; i < c.Points.size(); ++i) {
        if (i == 0) {
          path.moveTo(at(c.Points[i]));
        } else {
          path.lineTo(at(c.Points[i]));
        }
      }
      p.setPen(QPen(c.Colour, 0.4 * perMm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPath(path);
    } else {
      for (const QPointF& q : c.Points) DrawDot(p, at(q), c.Colour, perMm);
    }
  }
  for (const Marker& m : plot.Markers) DrawMarker(p, at(m.At), m, perMm);
  p.setClipping(false);

  // The legend: two columns, curves and markers with their symbols, then notes.
  SetPoints(p, kLegendPoints);
  const double column = frame.width() / columns;
  const double top = frame.bottom() - legend + perMm;
  int n = 0;
  const auto entry = [&](const QString& text) {
    const QPointF origin(frame.left() + (n % columns) * column,
                         top + (n / columns) * kLegendLine * perMm);
    p.setPen(Qt::black);
    p.drawText(QRectF(origin.x() + 8 * perMm, origin.y(), column - 9 * perMm, kLegendLine * perMm),
               Qt::AlignLeft | Qt::AlignVCenter, text);
    ++n;
    return QPointF(origin.x() + 4 * perMm, origin.y() + kLegendLine * perMm / 2);
  };
  for (const Curve& c : plot.Curves) {
    if (c.Name.isEmpty()) continue;
    const QPointF mid = entry(c.Name);
    if (c.Style == CurveStyle::Line) {
      p.setPen(QPen(c.Colour, 0.4 * perMm));
      p.drawLine(mid - QPointF(3 * perMm, 0), mid + QPointF(3 * perMm, 0));
    } else {
      DrawDot(p, mid, c.Colour, perMm);
    }
  }
  for (const Marker& m : plot.Markers) DrawMarker(p, entry(m.Label), m, perMm);
  for (const QString& note : plot.Notes) entry(note);
  p.restore();
}

}  // namespace tavro::plot
