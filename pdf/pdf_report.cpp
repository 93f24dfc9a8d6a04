#include "pdf/pdf_report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <functional>

#include "design/decimal.h"
#include "design/design_file.h"
#include "design/texts.h"
#include "files/whole_file.h"
#include "i18n/catalogue.h"
#include "pdf/pdf_texts.h"

namespace tavro::pdf {
namespace {

constexpr int kDpi = 600;
constexpr double kMargin = 18.0;  // mm, all round
constexpr double kPageWidth = 210.0;
constexpr double kPageHeight = 297.0;
constexpr double kTextWidth = kPageWidth - 2 * kMargin;

double Mm(double mm) {
  return mm * kDpi / 25.4;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

bool InEnglish() {
  return i18n::CurrentLanguage() == i18n::Language::English;
}

// The document's own texts, and the calculation's, in the language in use.
QString T(std::string_view text) {
  return i18n::Translate(texts::kContext, text);
}
QString Design(std::string_view text) {
  return i18n::Translate(design::texts::kContext, text);
}

// The content with its numbers in the document's decimal separator: the
// inputs as typed differ from the window's only in it.
report::ReportContent InDocumentSeparator(const report::ReportContent& c) {
  const char separator = DocumentSeparator(c.DecimalSeparator);
  if (separator == c.DecimalSeparator) return c;
  report::ReportContent shown = c;
  shown.DecimalSeparator = separator;
  for (std::string* text :
       {&shown.Inputs.U0, &shown.Inputs.I0, &shown.Inputs.Kp, &shown.Inputs.Bm, &shown.Inputs.Ud}) {
    std::replace(text->begin(), text->end(), c.DecimalSeparator, separator);
  }
  return shown;
}

// A page in millimetres, with a cursor that runs down it and a new page when
// a block does not fit.
class Document {
 public:
  Document(QPdfWriter& writer, QPainter& painter) : writer_(writer), p_(painter) {}

  QPainter& Painter() { return p_; }
  double Y() const { return y_; }
  void Advance(double mm) { y_ += mm; }

  // Room for `height` mm below the cursor, on a new page if need be.
  void Need(double height) {
    if (y_ + height <= kPageHeight - kMargin) return;
    writer_.newPage();
    y_ = kMargin;
  }

  void SetFont(double points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    p_.setFont(font);
  }

  // Text with its top-left corner at (x, y) mm; returns its height in mm.
  double Text(double x, double y, const QString& text, double width = kTextWidth,
              int flags = Qt::AlignLeft | Qt::TextWordWrap) {
    const QRectF box(Mm(x), Mm(y), Mm(width), Mm(kPageHeight));
    const QRectF used = p_.boundingRect(box, flags, text);
    p_.drawText(box, flags, text);
    return used.height() * 25.4 / kDpi;
  }

  void Heading(const QString& text) {
    Need(14);
    Advance(3);
    SetFont(11.5, true);
    Advance(Text(kMargin, y_, text) + 1.5);
  }

  // Columns of text, each with its width in mm and alignment.
  // Rows grow to fit a cell whose text wraps.
  void Row(const std::vector<QString>& cells, const std::vector<double>& widths,
           const std::vector<Qt::Alignment>& aligns, bool bold, double height = 5.2) {
    SetFont(9, bold);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const QRectF box(0, 0, Mm(widths[i] - 2), Mm(kPageHeight));
      const QRectF used = p_.boundingRect(box, int(aligns[i]) | Qt::TextWordWrap, cells[i]);
      height = std::max(height, used.height() * 25.4 / kDpi + 1.2);
    }
    Need(height);
    double x = kMargin;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      Text(x + 1, y_ + 0.6, cells[i], widths[i] - 2, int(aligns[i]) | Qt::TextWordWrap);
      x += widths[i];
    }
    p_.setPen(QPen(QColor(190, 190, 190), Mm(0.15)));
    p_.drawLine(QPointF(Mm(kMargin), Mm(y_ + height)), QPointF(Mm(x), Mm(y_ + height)));
    p_.setPen(QPen(Qt::black, Mm(0.25)));
    y_ += height;
  }

 private:
  QPdfWriter& writer_;
  QPainter& p_;
  double y_ = kMargin;
};

void Section(Document& doc, const report::ResultSection& section) {
  // A section stays on one page.
  doc.Need(14 + 5.2 * static_cast<double>(section.Rows.size()));
  doc.Heading(Q(section.Title));
  const std::vector<double> widths = {112, 40, 22};
  const std::vector<Qt::Alignment> aligns = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignLeft};
  for (const report::ResultRow& row : section.Rows) {
    doc.Row({Q(row.Name), Q(row.Value), Q(row.Unit)}, widths, aligns, false);
  }
}

// A table whose first row is its header, columns of the given widths (mm);
// a row with only its first cell is a sub-heading across the table.
void Table(Document& doc, const QString& title, const std::vector<std::vector<std::string>>& rows,
           const std::vector<double>& widths, const std::vector<Qt::Alignment>& aligns) {
  doc.Heading(title);
  doc.Need(9 + 5.0 * 3);
  bool header = true;
  for (const std::vector<std::string>& row : rows) {
    std::vector<QString> cells;
    for (const std::string& cell : row) cells.push_back(Q(cell));
    cells.resize(widths.size());
    const bool heading = !header && std::all_of(cells.begin() + 1, cells.end(),
                                                [](const QString& c) { return c.isEmpty(); });
    if (heading) {
      doc.Row({cells[0]}, {kTextWidth}, {Qt::AlignLeft}, true, 5.5);
    } else {
      doc.Row(cells, widths, aligns, header, header ? 9 : 5);
    }
    header = false;
  }
}

void LoadTable(Document& doc, const report::ReportContent& content) {
  const std::vector<std::vector<std::string>> rows =
      report::LoadTableRows(content, i18n::TranslateUtf8);
  Table(doc, Design(design::texts::kLoadGroup), rows, {30, 36, 40, 34, 34},
        std::vector<Qt::Alignment>(5, Qt::AlignRight));
}

// A table from elsewhere in the program: the first column names, the rest
// numbers.
void ExtraTable(Document& doc, const PdfTable& table) {
  const std::size_t columns = table.Rows.empty() ? 1 : table.Rows.front().size();
  std::vector<double> widths(columns, columns > 1 ? (kTextWidth - 70) / double(columns - 1) : 0);
  widths[0] = columns > 1 ? 70 : kTextWidth;
  std::vector<Qt::Alignment> aligns(columns, Qt::AlignRight);
  aligns[0] = Qt::AlignLeft;
  Table(doc, Q(table.Title), table.Rows, widths, aligns);
}

// --- plots ----------------------------------------------------------------

// A tick step of 1, 2 or 5 times a power of ten giving about `count` ticks.
double NiceStep(double span, int count) {
  const double raw = span / count;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    if (raw <= m * power) return m * power;
  }
  return 10 * power;
}

QString TickText(double value, double step, char separator) {
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  QString text = QString::number(value, 'f', decimals);
  if (separator != '.') text.replace('.', QChar(separator));
  return text;
}

struct Series {
  std::vector<QPointF> Points;  // in data units
  std::vector<QPointF> Marks;   // points marked with a dot
};

struct Axes {
  QString Title, X, Y;
  double XMin, XMax, XStep, YMin, YMax, YStep;
};

void Plot(Document& doc, const Axes& a, const Series& s, char separator, const QString& note) {
  constexpr double kHeight = 98;
  doc.Need(kHeight + 12);
  doc.Heading(a.Title);
  QPainter& p = doc.Painter();
  const double top = doc.Y() + 2;
  const QRectF area(Mm(kMargin + 16), Mm(top), Mm(kTextWidth - 20), Mm(kHeight - 22));
  const auto at = [&](double x, double y) {
    return QPointF(area.left() + (x - a.XMin) / (a.XMax - a.XMin) * area.width(),
                   area.bottom() - (y - a.YMin) / (a.YMax - a.YMin) * area.height());
  };
  doc.SetFont(8);
  const QPen grid(QColor(215, 215, 215), Mm(0.12));
  const QPen axis(Qt::black, Mm(0.25));
  for (double x = a.XMin; x <= a.XMax + a.XStep * 1e-6; x += a.XStep) {
    p.setPen(grid);
    p.drawLine(at(x, a.YMin), at(x, a.YMax));
    p.setPen(axis);
    const QPointF foot = at(x, a.YMin);
    p.drawText(QRectF(foot.x() - Mm(10), foot.y() + Mm(1), Mm(20), Mm(4)), Qt::AlignHCenter,
               TickText(x, a.XStep, separator));
  }
  for (double y = a.YMin; y <= a.YMax + a.YStep * 1e-6; y += a.YStep) {
    p.setPen(grid);
    p.drawLine(at(a.XMin, y), at(a.XMax, y));
    p.setPen(axis);
    const QPointF foot = at(a.XMin, y);
    p.drawText(QRectF(foot.x() - Mm(15), foot.y() - Mm(2), Mm(14), Mm(4)),
               Qt::AlignRight | Qt::AlignVCenter, TickText(y, a.YStep, separator));
  }
  p.setPen(axis);
  p.setBrush(Qt::NoBrush);
  p.drawRect(area);
  doc.SetFont(8.5);
  p.drawText(QRectF(area.left(), area.bottom() + Mm(5), area.width(), Mm(5)), Qt::AlignHCenter,
             a.X);
  p.save();
  p.translate(area.left() - Mm(14), area.center().y());
  p.rotate(-90);
  p.drawText(QRectF(-area.height() / 2, -Mm(5), area.height(), Mm(5)), Qt::AlignHCenter, a.Y);
  p.restore();

  QPainterPath path;
  for (std::size_t i = 0; i < s.Points.size(); ++i) {
    const QPointF q = at(s.Points[i].x(), s.Points[i].y());
    if (i == 0) {
      path.moveTo(q);
    } else {
      path.lineTo(q);
    }
  }
  p.setPen(QPen(QColor(0, 70, 160), Mm(0.45)));
  p.drawPath(path);
  p.setBrush(QColor(200, 30, 30));
  p.setPen(Qt::NoPen);
  for (const QPointF& m : s.Marks) p.drawEllipse(at(m.x(), m.y()), Mm(0.9), Mm(0.9));
  p.setBrush(Qt::NoBrush);
  p.setPen(axis);
  doc.Advance(kHeight - 10);
  doc.SetFont(8.5);
  doc.Advance(doc.Text(kMargin, doc.Y(), note) + 2);
}

void LoadPlot(Document& doc, const report::ReportContent& c) {
  Series s;
  double maxI = 0, maxU = 0;
  for (int k = 0; k < design::kLoadRows; ++k) {
    const double i = static_cast<double>(c.Design.Load.Current[k]);
    const double u = static_cast<double>(c.Design.Load.Voltage[k]);
    s.Points.emplace_back(i, u);
    maxI = std::max(maxI, i);
    maxU = std::max(maxU, u);
  }
  s.Marks.push_back(s.Points[design::kRatedRow]);
  const double xStep = NiceStep(maxI, 6);
  const double yStep = NiceStep(maxU, 6);
  Plot(doc,
       {T(texts::kLoadPlot), Design(design::texts::kLoadCurrentCaption),
        Design(design::texts::kLoadVoltageCaption), 0, std::ceil(maxI / xStep) * xStep, xStep, 0,
        std::ceil(maxU * 1.05 / yStep) * yStep, yStep},
       s, c.DecimalSeparator, T(texts::kLoadPlotNote));
}

void PulsePlot(Document& doc, const design::DiodeCurrentWaveform& w, char separator) {
  Series s;
  double maxA = 0;
  for (const design::WaveformPoint& q : w.Points) {
    s.Points.emplace_back(static_cast<double>(q.Degrees), static_cast<double>(q.Amperes));
    maxA = std::max(maxA, static_cast<double>(q.Amperes));
  }
  s.Marks = {{static_cast<double>(w.Start.Degrees), 0.0},
             {static_cast<double>(w.End.Degrees), 0.0},
             {static_cast<double>(w.Peak.Degrees), static_cast<double>(w.Peak.Amperes)}};
  const double yStep = NiceStep(std::max(maxA, 1e-9), 6);
  const auto shown = [&](long double v) { return Q(design::FormatResult(v, separator)); };
  const QString note =
      T(texts::kPulseNote)
          .arg(shown(w.Start.Degrees), shown(w.End.Degrees), shown(w.Peak.Amperes), shown(w.Rms));
  Plot(doc,
       {T(texts::kPulsePlot), T(texts::kPulsePlotX), T(texts::kPulsePlotY), 0, 360, 30, 0,
        std::ceil(maxA * 1.05 / yStep) * yStep, yStep},
       s, separator, note);
}

// --- the circuit ----------------------------------------------------------

class Circuit {
 public:
  Circuit(QPainter& p, double left, double top) : p_(p), left_(left), top_(top) {}

  QPointF At(double x, double y) const { return {Mm(left_ + x), Mm(top_ + y)}; }
  void Line(double x1, double y1, double x2, double y2) { p_.drawLine(At(x1, y1), At(x2, y2)); }
  void Dot(double x, double y) {
    p_.setBrush(Qt::black);
    p_.drawEllipse(At(x, y), Mm(0.6), Mm(0.6));
    p_.setBrush(Qt::NoBrush);
  }
  void Label(double x, double y, const QString& text, int flags = Qt::AlignLeft) {
    const double w = 60;
    double x0 = x;
    if (flags & Qt::AlignRight) x0 = x - w;
    if (flags & Qt::AlignHCenter) x0 = x - w / 2;
    p_.drawText(QRectF(At(x0, y), At(x0 + w, y + 12)), flags | Qt::TextWordWrap, text);
  }
  // A winding along x from y1 to y2: four half-turns bulging to `side`
  // (+1 right, -1 left).
  void Coil(double x, double y1, double y2, int side) {
    const double r = (y2 - y1) / 8;
    QPainterPath path(At(x, y1));
    for (int i = 0; i < 4; ++i) {
      const double yc = y1 + (2 * i + 1) * r;
      path.arcTo(QRectF(At(x - r, yc - r), At(x + r, yc + r)), 90, side > 0 ? -180 : 180);
    }
    p_.drawPath(path);
  }
  // A diode from anode a to cathode k (mm), its triangle in the middle.
  void Diode(QPointF a, QPointF k) {
    constexpr double s = 2.2;
    const QPointF d = k - a;
    const QPointF u = d / std::hypot(d.x(), d.y());
    const QPointF n(-u.y(), u.x());
    const QPointF mid = (a + k) / 2;
    const QPointF base = mid - u * s;
    const QPointF tip = mid + u * s;
    Line(a.x(), a.y(), base.x(), base.y());
    Line(tip.x(), tip.y(), k.x(), k.y());
    const QPointF tri[3] = {At((base + n * s).x(), (base + n * s).y()),
                            At((base - n * s).x(), (base - n * s).y()), At(tip.x(), tip.y())};
    p_.setBrush(Qt::white);
    p_.drawPolygon(tri, 3);
    p_.setBrush(Qt::NoBrush);
    Line((tip + n * s).x(), (tip + n * s).y(), (tip - n * s).x(), (tip - n * s).y());
  }
  void Capacitor(double x, double y1, double y2) {
    const double mid = (y1 + y2) / 2;
    Line(x, y1, x, mid - 1);
    Line(x - 4, mid - 1, x + 4, mid - 1);
    Line(x - 4, mid + 1, x + 4, mid + 1);
    Line(x, mid + 1, x, y2);
  }
  void Resistor(double x, double y1, double y2) {
    const double mid = (y1 + y2) / 2;
    Line(x, y1, x, mid - 6);
    p_.drawRect(QRectF(At(x - 2, mid - 6), At(x + 2, mid + 6)));
    Line(x, mid + 6, x, y2);
  }
  void Source(double x, double y) {
    p_.drawEllipse(At(x, y), Mm(5), Mm(5));
    QPainterPath wave(At(x - 3, y));
    wave.cubicTo(At(x - 1.5, y - 3), At(x - 1.5, y - 3), At(x, y));
    wave.cubicTo(At(x + 1.5, y + 3), At(x + 1.5, y + 3), At(x + 3, y));
    p_.drawPath(wave);
  }

 private:
  QPainter& p_;
  double left_, top_;
};

void CircuitDrawing(Document& doc, const report::ReportContent& c) {
  constexpr double kHeight = 78;
  doc.Need(kHeight + 12);
  doc.Heading(T(texts::kCircuit));
  QPainter& p = doc.Painter();
  p.setPen(QPen(Qt::black, Mm(0.3)));
  Circuit k(p, kMargin, doc.Y() + 4);
  doc.SetFont(7.5);

  const double top = 10, bottom = 50, plus = 2, minusRail = 58;
  // Mains and the primary.
  k.Source(8, 30);
  k.Line(8, 25, 8, top);
  k.Line(8, 35, 8, bottom);
  k.Line(8, top, 24, top);
  k.Line(8, bottom, 24, bottom);
  k.Line(24, top, 24, 18);
  k.Line(24, 42, 24, bottom);
  k.Coil(24, 18, 42, +1);
  const double labels = minusRail + 3;
  k.Label(8, labels, T(texts::kMains).arg(Q(report::MainsVoltage(c)), Q(report::MainsFrequency(c))),
          Qt::AlignHCenter);
  // The core and the secondary.
  k.Line(31, 16, 31, 44);
  k.Line(32.5, 16, 32.5, 44);
  k.Coil(40, 18, 42, -1);
  k.Line(40, 18, 40, top);
  k.Line(40, 42, 40, bottom);
  k.Label(
      30, labels,
      T(texts::kSecondary)
          .arg(Q(report::Shown(c, design::Quantity::U2)), Q(report::Shown(c, design::Quantity::I2)),
               Q(report::Shown(c, design::Quantity::I1)),
               Q(report::Shown(c, design::Quantity::Pframe))),
      Qt::AlignLeft);
  // The bridge: AC at the top and bottom corners, + on the right, − on the left.
  const QPointF n(70, top), s(70, bottom), w(55, 30), e(85, 30);
  k.Line(40, top, 70, top);
  k.Line(40, bottom, 70, bottom);
  k.Diode(w, n);
  k.Diode(w, s);
  k.Diode(n, e);
  k.Diode(s, e);
  for (QPointF q : {n, s, w, e}) k.Dot(q.x(), q.y());
  k.Label(70, 24, QStringLiteral("VD1–VD4"), Qt::AlignHCenter);
  k.Label(90, labels,
          T(texts::kDiodes)
              .arg(Q(report::Shown(c, design::Quantity::Urev)),
                   Q(report::Shown(c, design::Quantity::Idrms)),
                   Q(report::Shown(c, design::Quantity::Idpk))),
          Qt::AlignLeft);
  // Rails to the filter and the load.
  const double minus = minusRail;
  k.Line(e.x(), e.y(), 95, 30);
  k.Line(95, 30, 95, plus);
  k.Line(95, plus, 160, plus);
  k.Line(w.x(), w.y(), 50, 30);
  k.Line(50, 30, 50, minus);
  k.Line(50, minus, 160, minus);
  k.Capacitor(120, plus, minus);
  k.Dot(120, plus);
  k.Dot(120, minus);
  k.Label(123, 22,
          T(texts::kCapacitor)
              .arg(Q(report::Shown(c, design::Quantity::Cf)),
                   Q(report::Shown(c, design::Quantity::CapacitorVoltage))));
  k.Resistor(160, plus, minus);
  k.Label(163, 18, T(texts::kLoad).arg(Q(c.Inputs.U0), Q(c.Inputs.I0), Q(c.Inputs.Kp)));
  k.Label(97, plus - 5, QStringLiteral("+"));
  doc.Advance(kHeight + 6);
}

}  // namespace

char DocumentSeparator(char separator) {
  return InEnglish() ? '.' : separator;
}

void WritePdfReport(const std::string& path, const PdfReport& report) {
  PdfReport r = report;
  r.Content = InDocumentSeparator(report.Content);
  const auto cannotWrite = [&](const files::FileError& error) {
    return PdfWriteError(T(texts::kCannotWrite).toStdString() + " " + path + ": " +
                         design::DescribeFileFault(error, i18n::TranslateUtf8));
  };
  // A target that cannot take the document is refused before it is drawn.
  if (const auto error = files::CheckTarget(path, files::TargetUse::Replace)) {
    throw cannotWrite(*error);
  }
  // The document is made in memory and replaces the file only once it is
  // complete (files::ReplaceFile).
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  QPdfWriter writer(&file);
  writer.setResolution(kDpi);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(T(texts::kTitle));
  writer.setCreator(QStringLiteral("Tavro"));
  QPainter painter;
  if (!painter.begin(&writer)) {
    throw PdfWriteError(T(texts::kCannotWrite).toStdString() + " " + path);
  }
  painter.setRenderHint(QPainter::Antialiasing);
  Document doc(writer, painter);

  doc.SetFont(14, true);
  doc.Advance(doc.Text(kMargin, doc.Y(), T(texts::kTitle)) + 2);
  doc.SetFont(9.5);
  char date[64];
  if (InEnglish()) {  // ISO 8601, read the same everywhere
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d%s%02d", r.Time.Year, r.Time.Month,
                  r.Time.Day, r.Time.Hour, r.TimeSeparator.c_str(), r.Time.Minute);
  } else {
    std::snprintf(date, sizeof date, "%02d.%02d.%04d %02d%s%02d", r.Time.Day, r.Time.Month,
                  r.Time.Year, r.Time.Hour, r.TimeSeparator.c_str(), r.Time.Minute);
  }
  doc.Advance(doc.Text(kMargin, doc.Y(), T(texts::kDate) + " " + Q(date)) + 1);

  CircuitDrawing(doc, r.Content);
  for (const report::ResultSection& section :
       report::ResultSections(r.Content, i18n::TranslateUtf8)) {
    Section(doc, section);
  }
  LoadTable(doc, r.Content);
  for (const PdfTable& table : r.Extra) ExtraTable(doc, table);
  LoadPlot(doc, r.Content);
  PulsePlot(doc, r.DiodeCurrent, r.Content.DecimalSeparator);
  if (!painter.end()) throw PdfWriteError(T(texts::kCannotWrite).toStdString() + " " + path);
  const QByteArray& bytes = file.data();
  if (const auto error = files::ReplaceFile(
          path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    throw cannotWrite(*error);
  }
}

}  // namespace tavro::pdf
