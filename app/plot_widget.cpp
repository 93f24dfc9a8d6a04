#include "app/plot_widget.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace tavro::app {
namespace {

constexpr double kLeft = 78, kRight = 24, kTop = 24, kBottom = 58;

// 1, 2, 2.5 or 5 times a power of ten, giving about `target` intervals.
double NiceStep(double span, int target = 6) {
  if (!(span > 0)) return 1;
  const double raw = span / target;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
    if (m * magnitude >= raw) return m * magnitude;
  }
  return 10 * magnitude;
}

int DecimalsFor(double step) {
  int decimals = 0;
  while (decimals < 10 && std::fabs(step * std::pow(10.0, decimals) -
                                    std::round(step * std::pow(10.0, decimals))) > 1e-9) {
    ++decimals;
  }
  return decimals;
}

void DrawMarker(QPainter& painter, const PlotWidget::Marker& m, QPointF at) {
  painter.setPen(QPen(m.Colour, 2));
  painter.setBrush(m.Filled ? QBrush(m.Colour) : QBrush(Qt::NoBrush));
  const double radius = m.Filled ? 4 : 7;
  painter.drawEllipse(at, radius, radius);
}

}  // namespace

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent) {
  setMinimumSize(480, 320);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void PlotWidget::SetAxisTitles(const QString& x, const QString& y) {
  xTitle_ = x;
  yTitle_ = y;
  update();
}

void PlotWidget::SetXRange(double min, double max, double step) {
  fixedX_ = Axis{min, max, step};
  update();
}

void PlotWidget::SetCurve(const QVector<QPointF>& points, const QString& legend) {
  curve_ = points;
  legend_ = legend;
  update();
}

void PlotWidget::SetMarkers(const QVector<Marker>& markers) {
  markers_ = markers;
  update();
}

void PlotWidget::SetLegendNotes(const QStringList& notes) {
  notes_ = notes;
  update();
}

void PlotWidget::SetNumberLocale(const QLocale& locale) {
  locale_ = locale;
  update();
}

// Both axes start at zero (or below, for negative data) and take in the curve
// and every marker.
PlotWidget::Axis PlotWidget::XAxis() const {
  if (fixedX_) return *fixedX_;
  double lo = 0, hi = 0;
  for (const QPointF& p : curve_) {
    lo = std::min(lo, p.x());
    hi = std::max(hi, p.x());
  }
  if (!(hi > lo)) hi = lo + 1;
  const double step = NiceStep(hi - lo);
  return {std::floor(lo / step) * step, std::ceil(hi / step) * step, step};
}

PlotWidget::Axis PlotWidget::YAxis() const {
  double lo = 0, hi = 0;
  for (const QPointF& p : curve_) {
    lo = std::min(lo, p.y());
    hi = std::max(hi, p.y());
  }
  for (const Marker& m : markers_) {
    lo = std::min(lo, m.At.y());
    hi = std::max(hi, m.At.y());
  }
  if (!(hi > lo)) hi = lo + 1;
  // Headroom above the curve for the legend.
  const double step = NiceStep((hi - lo) * 1.15);
  return {std::floor(lo / step) * step, std::ceil(hi * 1.15 / step) * step, step};
}

QStringList PlotWidget::TickLabels(const Axis& axis) const {
  QStringList labels;
  const int decimals = DecimalsFor(axis.step);
  const int count = static_cast<int>(std::round((axis.max - axis.min) / axis.step));
  for (int n = 0; n <= count; ++n) {
    labels << locale_.toString(axis.min + n * axis.step, 'f', decimals);
  }
  return labels;
}

QStringList PlotWidget::XTickLabels() const { return TickLabels(XAxis()); }
QStringList PlotWidget::YTickLabels() const { return TickLabels(YAxis()); }

void PlotWidget::Render(QPainter& painter, const QRectF& area) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(area, Qt::white);
  QFont font = this->font();
  font.setPixelSize(12);
  painter.setFont(font);
  const QFontMetricsF metrics(font);

  const QRectF plot(area.left() + kLeft, area.top() + kTop, area.width() - kLeft - kRight,
                    area.height() - kTop - kBottom);
  const Axis x = XAxis();
  const Axis y = YAxis();
  const auto toScreen = [&](QPointF p) {
    return QPointF(plot.left() + (p.x() - x.min) / (x.max - x.min) * plot.width(),
                   plot.bottom() - (p.y() - y.min) / (y.max - y.min) * plot.height());
  };

  // Grid and tick labels.
  const QStringList xLabels = TickLabels(x);
  const QStringList yLabels = TickLabels(y);
  painter.setPen(QPen(QColor(225, 225, 225), 1));
  for (int n = 0; n < xLabels.size(); ++n) {
    const double sx = toScreen({x.min + n * x.step, y.min}).x();
    painter.drawLine(QPointF(sx, plot.top()), QPointF(sx, plot.bottom()));
  }
  for (int n = 0; n < yLabels.size(); ++n) {
    const double sy = toScreen({x.min, y.min + n * y.step}).y();
    painter.drawLine(QPointF(plot.left(), sy), QPointF(plot.right(), sy));
  }
  painter.setPen(Qt::black);
  for (int n = 0; n < xLabels.size(); ++n) {
    const double sx = toScreen({x.min + n * x.step, y.min}).x();
    painter.drawLine(QPointF(sx, plot.bottom()), QPointF(sx, plot.bottom() + 5));
    const double w = metrics.horizontalAdvance(xLabels[n]);
    painter.drawText(QPointF(sx - w / 2, plot.bottom() + 8 + metrics.ascent()), xLabels[n]);
  }
  for (int n = 0; n < yLabels.size(); ++n) {
    const double sy = toScreen({x.min, y.min + n * y.step}).y();
    painter.drawLine(QPointF(plot.left() - 5, sy), QPointF(plot.left(), sy));
    const double w = metrics.horizontalAdvance(yLabels[n]);
    painter.drawText(QPointF(plot.left() - 8 - w, sy + metrics.ascent() / 2 - 1), yLabels[n]);
  }
  painter.drawRect(plot);

  // Axis titles.
  painter.drawText(QRectF(plot.left(), plot.bottom() + 28, plot.width(), metrics.height()),
                   Qt::AlignHCenter, xTitle_);
  painter.save();
  painter.translate(area.left() + 14, plot.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-plot.height() / 2, -metrics.ascent(), plot.height(), metrics.height()),
                   Qt::AlignHCenter, yTitle_);
  painter.restore();

  // The curve, clipped to the plot.
  painter.save();
  painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
  if (!curve_.isEmpty()) {
    QPainterPath path(toScreen(curve_.front()));
    for (const QPointF& p : curve_) path.lineTo(toScreen(p));
    painter.setPen(QPen(QColor(31, 96, 180), 2));
    painter.drawPath(path);
  }
  for (const Marker& m : markers_) DrawMarker(painter, m, toScreen(m.At));
  painter.restore();

  // Legend: the curve, each marker, then the notes.
  QStringList lines;
  lines << legend_;
  for (const Marker& m : markers_) lines << m.Label;
  lines << notes_;
  double width = 0;
  for (const QString& l : lines) width = std::max(width, metrics.horizontalAdvance(l));
  const double lineHeight = metrics.height() + 2;
  const QRectF box(plot.right() - width - 44, plot.top() + 8, width + 36,
                   lineHeight * lines.size() + 8);
  painter.setPen(QColor(160, 160, 160));
  painter.setBrush(QColor(255, 255, 255, 235));
  painter.drawRect(box);
  for (int n = 0; n < lines.size(); ++n) {
    const double baseline = box.top() + 4 + n * lineHeight + metrics.ascent();
    const QPointF symbol(box.left() + 14, baseline - metrics.ascent() / 2 + 1);
    if (n == 0) {
      painter.setPen(QPen(QColor(31, 96, 180), 2));
      painter.drawLine(symbol - QPointF(8, 0), symbol + QPointF(8, 0));
    } else if (n <= markers_.size()) {
      DrawMarker(painter, markers_[n - 1], symbol);
    }
    painter.setPen(Qt::black);
    painter.drawText(QPointF(box.left() + 28, baseline), lines[n]);
  }
  painter.restore();
}

void PlotWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  Render(painter, rect());
}

bool PlotWidget::SavePng(const QString& path) const {
  QImage image(size().expandedTo(sizeHint()), QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  Render(painter, image.rect());
  painter.end();
  return image.save(path, "PNG");
}

bool PlotWidget::SaveSvg(const QString& path) const {
  const QSize size = this->size().expandedTo(sizeHint());
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(legend_);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  Render(painter, QRectF(QPointF(0, 0), size));
  return painter.end();
}

}  // namespace tavro::app
