#include "app/plot_view.h"

#include <QFile>
#ifdef TAVRO_SVG_EXPORT
#include <QSvgGenerator>
#endif
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>

#include "app/native_path.h"
#include "files/whole_file.h"

namespace tavro::app {
namespace {

const QColor kCurveColour(31, 96, 180);
// Room left around the data, as a share of its span: more than a marker's
// radius at the smallest plot.
constexpr double kXPad = 0.05, kYPad = 0.07;

struct Extent {
  double lo = INFINITY, hi = -INFINITY;
  void Take(double v) {
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  QCPRange Padded(double share) const {
    if (!(hi >= lo)) return {0, 1};
    const double span = hi > lo ? hi - lo : std::max(1.0, std::fabs(hi));
    return {lo - share * span, hi + share * span};
  }
};

QVector<double> Column(const QVector<QPointF>& points, double (QPointF::*get)() const) {
  QVector<double> v;
  v.reserve(points.size());
  for (const QPointF& p : points) v << (p.*get)();
  return v;
}

void SetData(QCPGraph* graph, const QVector<QPointF>& points) {
  graph->setData(Column(points, &QPointF::x), Column(points, &QPointF::y), true);
}

}  // namespace

PlotView::PlotView(QWidget* parent) : QCustomPlot(parent) {
  setMinimumSize(400, 280);  // two fit beside the main window on a 1366×768 screen
  setMouseTracking(true);
  setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
  axisRect()->setRangeDrag(Qt::Horizontal | Qt::Vertical);
  axisRect()->setRangeZoom(Qt::Horizontal | Qt::Vertical);
  axisRect()->setupFullAxesBox(true);
  xAxis->grid()->setPen(QPen(QColor(225, 225, 225)));
  yAxis->grid()->setPen(QPen(QColor(225, 225, 225)));

  QFont bold = font();
  bold.setBold(true);
  title_ = new QCPTextElement(this, QString(), bold);
  plotLayout()->insertRow(0);
  plotLayout()->addElement(0, 0, title_);

  // The legend goes under the axes, where it can cover neither.
  legend->setVisible(true);
  axisRect()->insetLayout()->take(legend);
  plotLayout()->addElement(2, 0, legend);
  plotLayout()->setRowStretchFactors({0.001, 1, 0.001});
  legend->setBorderPen(Qt::NoPen);
  legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);

  curveGraph_ = AddGraph(QString());
  curveGraph_->setPen(QPen(kCurveColour, 2));
  pointsGraph_ = AddGraph(QString());
  pointsGraph_->setLineStyle(QCPGraph::lsNone);
  pointsGraph_->setScatterStyle(
      QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(kCurveColour, 1.5), Qt::white, 6));

  tracer_ = new QCPItemTracer(this);
  tracer_->setStyle(QCPItemTracer::tsCrosshair);
  tracer_->setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
  tracer_->setVisible(false);
  readOut_ = new QCPItemText(this);
  readOut_->position->setParentAnchor(tracer_->position);
  readOut_->setPadding(QMargins(4, 2, 4, 2));
  readOut_->setPen(QPen(QColor(160, 160, 160)));
  readOut_->setBrush(QColor(255, 255, 255, 235));
  readOut_->setVisible(false);

  connect(xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
          [this](const QCPRange& r) {
            if (!fixedX_) return;
            // Whole multiples of the fixed step, unless zoomed in past three of them.
            const auto* fixed = dynamic_cast<QCPAxisTickerFixed*>(xAxis->ticker().data());
            const bool wide = r.size() > 3 * fixedStep_;
            if (wide && !fixed) {
              QSharedPointer<QCPAxisTickerFixed> ticker(new QCPAxisTickerFixed);
              ticker->setTickStep(fixedStep_);
              ticker->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
              xAxis->setTicker(ticker);
            } else if (!wide && fixed) {
              xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
            }
          });
}

QCPGraph* PlotView::AddGraph(const QString& name) {
  QCPGraph* graph = addGraph();
  graph->setName(name);
  return graph;
}

void PlotView::SetTitle(const QString& name, const QString& design) {
  name_ = name;
  design_ = design;
  FitTo(width());
  replot(rpQueuedReplot);
}

QString PlotView::Title() const {
  return name_ + "\n" + design_;
}

void PlotView::SetAxes(const QString& xTitle, const Quantity& x, const QString& yTitle,
                       const Quantity& y) {
  xAxis->setLabel(xTitle);
  yAxis->setLabel(yTitle);
  x_ = x;
  y_ = y;
}

void PlotView::SetXRange(double min, double max, double step) {
  fixedX_ = QCPRange(min, max);
  fixedStep_ = step;
  ResetView();
}

void PlotView::SetSeries(QCPGraph* graph, QVector<QPointF>& kept, const QVector<QPointF>& points,
                         const QString& name) {
  kept = points;
  SetData(graph, points);
  graph->setName(name);
  FitTo(width());
  replot(rpQueuedReplot);
}

void PlotView::SetCurve(const QVector<QPointF>& points, const QString& name) {
  SetSeries(curveGraph_, curve_, points, name);
}

void PlotView::SetPoints(const QVector<QPointF>& points, const QString& name) {
  SetSeries(pointsGraph_, points_, points, name);
}

void PlotView::SetMarkers(const QVector<Marker>& markers) {
  for (QCPGraph* g : markerGraphs_) removeGraph(g);
  markerGraphs_.clear();
  markers_ = markers;
  for (const Marker& m : markers) {
    QCPGraph* g = AddGraph(m.Label);
    g->setLineStyle(QCPGraph::lsNone);
    g->setScatterStyle(
        m.Filled ? QCPScatterStyle(QCPScatterStyle::ssDisc, m.Colour, 9)
                 : QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(m.Colour, 2), Qt::NoBrush, 15));
    SetData(g, {m.At});
    markerGraphs_ << g;
  }
  FitTo(width());
  replot(rpQueuedReplot);
}

void PlotView::SetLegendNotes(const QStringList& notes) {
  for (QCPGraph* g : noteGraphs_) removeGraph(g);
  noteGraphs_.clear();
  notes_ = notes;
  for (const QString& note : notes) {
    QCPGraph* g = AddGraph(note);
    g->setPen(Qt::NoPen);
    noteGraphs_ << g;
  }
  FitTo(width());
  replot(rpQueuedReplot);
}

void PlotView::Show(const plot::PlotDescription& plot) {
  SetAxes(plot.X.Title, {plot.X.Symbol, plot.X.Unit}, plot.Y.Title, {plot.Y.Symbol, plot.Y.Unit});
  if (plot.X.Fixed) {
    fixedX_ = QCPRange(plot.X.Fixed->Min, plot.X.Fixed->Max);
    fixedStep_ = plot.X.Fixed->Step;
  } else {
    fixedX_.reset();
  }
  for (QCPGraph* g : lineGraphs_) removeGraph(g);
  lineGraphs_.clear();
  lines_.clear();
  const plot::Curve* line = nullptr;
  const plot::Curve* dots = nullptr;
  for (const plot::Curve& c : plot.Curves) {
    if (c.Style == plot::CurveStyle::Dots) {
      if (dots == nullptr) dots = &c;
    } else if (line == nullptr) {
      line = &c;
    } else {
      QCPGraph* g = AddGraph(c.Name);
      g->setPen(QPen(c.Colour, 2));
      SetData(g, c.Points);
      lineGraphs_ << g;
      lines_ << c.Points;
    }
  }
  if (line != nullptr) curveGraph_->setPen(QPen(line->Colour, 2));
  SetCurve(line != nullptr ? line->Points : QVector<QPointF>{},
           line != nullptr ? line->Name : QString());
  SetPoints(dots != nullptr ? dots->Points : QVector<QPointF>{},
            dots != nullptr ? dots->Name : QString());
  SetMarkers(plot.Markers);
  SetLegendNotes(plot.Notes);
}

void PlotView::SetNumberLocale(const QLocale& locale) {
  locale_ = locale;
  locale_.setNumberOptions(QLocale::OmitGroupSeparator);
  setLocale(locale_);  // the axes write their tick labels in the widget's locale
  replot(rpQueuedReplot);
}

// The legend lists the curve, the points, each marker, then the notes, in two
// columns when they fit side by side; a curve without a name (the plot's
// title names it) stays out. The design's line of the title breaks
// in two at the comma nearest its middle when it is wider than the plot.
void PlotView::FitTo(int width) {
  legend->clearItems();
  QVector<QCPGraph*> shown{curveGraph_};
  if (!points_.isEmpty()) shown << pointsGraph_;
  shown << lineGraphs_ << markerGraphs_ << noteGraphs_;
  for (QCPGraph* g : shown) {
    if (!g->name().isEmpty()) g->addToLegend();
  }
  int widest = 0;
  for (int n = 0; n < legend->itemCount(); ++n) {
    widest = std::max(widest, legend->item(n)->minimumOuterSizeHint().width());
  }
  legend->setWrap(2 * widest + 40 < width ? 2 : 1);
  legend->setFillOrder(QCPLayoutGrid::foColumnsFirst, true);
  // An empty legend leaves the layout: it would hold the plot to its width.
  const bool listed = legend->itemCount() > 0;
  if (listed != (legend->layout() == plotLayout())) {
    if (listed) {
      plotLayout()->addElement(2, 0, legend);
      plotLayout()->setRowStretchFactors({0.001, 1, 0.001});
    } else {
      plotLayout()->take(legend);
      plotLayout()->simplify();
    }
  }
  legend->setVisible(listed);

  QString design = design_;
  if (QFontMetrics(title_->font()).horizontalAdvance(design) + 20 > width) {
    int best = -1;
    for (int at = design.indexOf(','); at >= 0; at = design.indexOf(',', at + 1)) {
      if (best < 0 || std::abs(at - design.size() / 2) < std::abs(best - design.size() / 2)) {
        best = at;
      }
    }
    if (best >= 0) design = design.left(best + 1) + "\n" + design.mid(best + 1).trimmed();
  }
  title_->setText(design.isEmpty() ? name_ : name_ + "\n" + design);
}

void PlotView::resizeEvent(QResizeEvent* event) {
  FitTo(event->size().width());
  QCustomPlot::resizeEvent(event);
}

void PlotView::ResetView() {
  Extent x, y;
  QVector<const QVector<QPointF>*> sets{&curve_, &points_};
  for (const QVector<QPointF>& line : lines_) sets << &line;
  for (const auto* set : sets) {
    for (const QPointF& p : *set) {
      x.Take(p.x());
      y.Take(p.y());
    }
  }
  for (const Marker& m : markers_) {
    x.Take(m.At.x());
    y.Take(m.At.y());
  }
  if (fixedX_) x = {fixedX_->lower, fixedX_->upper};
  xAxis->setRange(x.Padded(kXPad));
  yAxis->setRange(y.Padded(kYPad));
  replot();
}

std::optional<double> PlotView::CurveAt(double x) const {
  if (curve_.isEmpty() || x < curve_.front().x() || x > curve_.back().x()) return std::nullopt;
  const auto after = std::lower_bound(curve_.begin(), curve_.end(), x,
                                      [](const QPointF& p, double v) { return p.x() < v; });
  if (after == curve_.begin() || after->x() == x) return after->y();
  const QPointF a = *(after - 1), b = *after;
  return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
}

// The sign of the curve's slope at x (in data coordinates): -1, 0 or 1.
double PlotView::Slope(double x) const {
  const auto after = std::upper_bound(curve_.begin(), curve_.end(), x,
                                      [](double v, const QPointF& p) { return v < p.x(); });
  if (after == curve_.begin() || after == curve_.end()) return 0;
  const double rise = after->y() - (after - 1)->y();
  return rise > 0 ? 1 : rise < 0 ? -1 : 0;
}

// Three digits past the first one that changes across the visible span.
QString PlotView::Number(double value, double span) const {
  const int decimals = std::clamp(3 - static_cast<int>(std::floor(std::log10(span))), 0, 9);
  return locale_.toString(value, 'f', decimals);
}

void PlotView::ReadOutAt(double pixelX) {
  const double x = xAxis->pixelToCoord(pixelX);
  const std::optional<double> y = CurveAt(x);
  if (!y) {
    HideReadOut();
    return;
  }
  tracer_->position->setCoords(x, *y);
  readOut_->setText(x_.Symbol + " = " + Number(x, xAxis->range().size()) + x_.Unit + "   " +
                    y_.Symbol + " = " + Number(*y, yAxis->range().size()) + y_.Unit);
  // Beside the point on the side the curve leaves free: above it in the
  // lower half, below it in the upper; to the right where the curve falls
  // and the text goes above it, or rises and the text goes below; to the
  // left otherwise, or where the text would run past the axes.
  const QRect area = axisRect()->rect();
  const QPointF at(pixelX, yAxis->coordToPixel(*y));
  const double slope = Slope(x);
  const bool above = at.y() > area.center().y();
  bool right = slope == 0 ? at.x() < area.center().x() : (slope < 0) == above;
  const double room = right ? area.right() - at.x() : at.x() - area.left();
  const double wide = QFontMetricsF(readOut_->font()).horizontalAdvance(readOut_->text()) + 20;
  if (room < wide) right = !right;
  readOut_->setPositionAlignment((right ? Qt::AlignLeft : Qt::AlignRight) |
                                 (above ? Qt::AlignBottom : Qt::AlignTop));
  readOut_->position->setCoords(right ? 10 : -10, above ? -10 : 10);
  tracer_->setVisible(true);
  readOut_->setVisible(true);
  replot(QCustomPlot::rpQueuedReplot);
}

void PlotView::HideReadOut() {
  if (!readOut_->visible()) return;
  tracer_->setVisible(false);
  readOut_->setVisible(false);
  replot(QCustomPlot::rpQueuedReplot);
}

QString PlotView::ReadOut() const {
  return readOut_->visible() ? readOut_->text() : QString();
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  QCustomPlot::mouseMoveEvent(event);
  if (axisRect()->rect().contains(event->pos())) {
    ReadOutAt(event->position().x());
  } else {
    HideReadOut();
  }
}

void PlotView::mouseDoubleClickEvent(QMouseEvent* event) {
  QCustomPlot::mouseDoubleClickEvent(event);
  ResetView();
}

void PlotView::leaveEvent(QEvent* event) {
  QCustomPlot::leaveEvent(event);
  HideReadOut();
}

namespace {

// Makes the picture in a private folder, then puts it in place with
// files::ReplaceFile: the old file stays whole until the new one is
// complete, and a target that is no regular file is refused.
bool ReplaceWith(const QString& path, const std::function<bool(const QString&)>& make) {
  const QTemporaryDir folder;
  if (!folder.isValid()) return false;
  const QString made = folder.filePath(QStringLiteral("picture"));
  if (!make(made)) return false;
  QFile file(made);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  return !files::ReplaceFile(
      NativePath(path),
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

bool PlotView::ExportPng(const QString& path, QSize size, double scale) {
  HideReadOut();
  FitTo(size.width());
  const bool saved = ReplaceWith(
      path, [&](const QString& made) { return savePng(made, size.width(), size.height(), scale); });
  FitTo(width());
  return saved;
}

bool PlotView::ExportSvg(const QString& path, QSize size) {
  return ReplaceWith(path, [&](const QString& made) { return ExportSvgTo(made, size); });
}

bool PlotView::ExportSvgTo(const QString& path, QSize size) {
#ifndef TAVRO_SVG_EXPORT
  static_cast<void>(path);
  static_cast<void>(size);
  return false;
#else
  HideReadOut();
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(name_);
  svg.setDescription(design_);
  QCPPainter painter;
  if (!painter.begin(&svg)) return false;
  FitTo(size.width());
  toPainter(&painter, size.width(), size.height());
  FitTo(width());
  return painter.end();
#endif
}

bool PlotView::ExportPdf(const QString& path, QSize size) {
  HideReadOut();
  FitTo(size.width());
  const bool saved = ReplaceWith(path, [&](const QString& made) {
    return savePdf(made, size.width(), size.height(), QCP::epNoCosmetic, QStringLiteral("Tavro"),
                   name_);
  });
  FitTo(width());
  return saved;
}

}  // namespace tavro::app
