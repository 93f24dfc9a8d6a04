#include "plot/plot_description.h"

#include <algorithm>

namespace tavro::plot {

Curve SampledCurve(const QString& name, const std::vector<double>& x, const std::vector<double>& y,
                   double xScale, QColor colour) {
  Curve c{name, {}, CurveStyle::Line, colour};
  const std::size_t n = std::min(x.size(), y.size());
  c.Points.reserve(static_cast<qsizetype>(n));
  for (std::size_t i = 0; i < n; ++i) c.Points << QPointF(x[i] * xScale, y[i]);
  return c;
}

PlotDescription SampledPlot(const QString& title, const Axis& x, const Axis& y,
                            QVector<Curve> curves) {
  PlotDescription d;
  d.Title = title;
  d.X = x;
  d.Y = y;
  d.Curves = std::move(curves);
  return d;
}

}  // namespace tavro::plot
