#include "pdf/pdf_report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <functional>

#include "design/decimal.h"
#include "design/design_file.h"
#include "design/texts.h"
#include "files/whole_file.h"
#include "i18n/catalogue.h"
#include "pdf/pdf_texts.h"
#include "plot/design_plots.h"
#include "plot/plot_painter.h"

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
// a block does not fit. Each page ends with a footer: the design and the
// date on the left, "page N of M" on the right (M from a first pass).
class Document {
 public:
  Document(QPdfWriter& writer, QPainter& painter, QString footer, int pages)
      : writer_(writer), p_(painter), footer_(std::move(footer)), pages_(pages) {}

  QPainter& Painter() { return p_; }
  double Y() const { return y_; }
  void Advance(double mm) { y_ += mm; }
  int Page() const { return page_; }

  bool Fits(double height) const { return y_ + height <= kPageHeight - kMargin; }
  void NewPage() {
    Footer();
    writer_.newPage();
    ++page_;
    y_ = kMargin;
  }
  // Room for `height` mm below the cursor, on a new page if need be.
  void Need(double height) {
    if (!Fits(height) && y_ > kMargin) NewPage();
  }
  void Finish() { Footer(); }

  void SetFont(double points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    p_.setFont(font);
  }

  // The height in mm `text` takes in `width` mm, in the current font.
  double Measure(const QString& text, double width, int flags = Qt::AlignLeft | Qt::TextWordWrap) {
    const QRectF box(0, 0, Mm(width), Mm(kPageHeight));
    return p_.boundingRect(box, flags, text).height() * 25.4 / kDpi;
  }

  // Text with its top-left corner at (x, y) mm; returns its height in mm.
  double Text(double x, double y, const QString& text, double width = kTextWidth,
              int flags = Qt::AlignLeft | Qt::TextWordWrap) {
    const QRectF box(Mm(x), Mm(y), Mm(width), Mm(kPageHeight));
    const QRectF used = p_.boundingRect(box, flags, text);
    p_.drawText(box, flags, text);
    return used.height() * 25.4 / kDpi;
  }

  double HeadingHeight(const QString& text) {
    SetFont(11.5, true);
    return 3 + Measure(text, kTextWidth) + 1.5;
  }
  // A heading; the caller has made room for it and what must follow it.
  void Heading(const QString& text) {
    Advance(3);
    SetFont(11.5, true);
    Advance(Text(kMargin, y_, text) + 1.5);
  }

  // The height of a row of cells in columns of the given widths (mm); a cell
  // whose text wraps makes the row taller.
  double RowHeight(const std::vector<QString>& cells, const std::vector<double>& widths,
                   const std::vector<Qt::Alignment>& aligns, bool bold, double height) {
    SetFont(9, bold);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      height = std::max(height,
                        Measure(cells[i], widths[i] - 2, int(aligns[i]) | Qt::TextWordWrap) + 1.2);
    }
    return height;
  }

  void Row(const std::vector<QString>& cells, const std::vector<double>& widths,
           const std::vector<Qt::Alignment>& aligns, bool bold, double height) {
    SetFont(9, bold);
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
  void Footer() {
    SetFont(7.5);
    p_.setPen(QPen(QColor(90, 90, 90)));
    const double y = kPageHeight - kMargin + 5;
    const QString page = T(texts::kPageOf).arg(page_).arg(pages_);
    Text(kMargin, y, footer_, kTextWidth - 30, Qt::AlignLeft);
    Text(kMargin, y, page, kTextWidth, Qt::AlignRight);
    p_.setPen(QPen(Qt::black, Mm(0.25)));
  }

  QPdfWriter& writer_;
  QPainter& p_;
  QString footer_;
  int pages_;
  int page_ = 1;
  double y_ = kMargin;
};

// A number keeps its unit on its line, and a trailing "%" its comma: the
// space before them becomes a no-break space.
QString KeepUnits(QString text) {
  static const QRegularExpression unit(
      QStringLiteral("(?<=[\\d,]) (?=[\\p{L}%°µΩ][\\p{L}·/%°µΩ²]{0,5}(?:[\\s,.;:)]|$))"));
  return text.replace(unit, QString(QChar(0x00A0)));
}

struct TableRow {
  std::vector<QString> Cells;
  bool Bold = false;
  bool SubHeading = false;  // one cell across the table
  double Height = 0;
};

// A table under its heading. Its first row is a header when `header`; a row
// with only its first cell is a sub-heading across the table. The heading
// never ends a page: it moves to the next with the header and the first two
// rows; a sub-heading moves with the row after it; a table that runs onto a
// new page repeats its header there.
void Table(Document& doc, const QString& title, const std::vector<std::vector<std::string>>& rows,
           const std::vector<double>& widths, const std::vector<Qt::Alignment>& aligns,
           bool header) {
  std::vector<TableRow> laid;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    TableRow row;
    for (const std::string& cell : rows[r]) row.Cells.push_back(KeepUnits(Q(cell)));
    row.Cells.resize(widths.size());
    const bool isHeader = header && r == 0;
    row.SubHeading = !isHeader && widths.size() > 1 &&
                     std::all_of(row.Cells.begin() + 1, row.Cells.end(),
                                 [](const QString& c) { return c.isEmpty(); });
    row.Bold = isHeader || (row.SubHeading && header);
    if (row.SubHeading) {
      row.Cells.resize(1);
      row.Height = doc.RowHeight(row.Cells, {kTextWidth}, {Qt::AlignLeft}, row.Bold, 5.5);
    } else {
      row.Height = doc.RowHeight(row.Cells, widths, aligns, row.Bold, isHeader ? 9 : 5.2);
    }
    laid.push_back(std::move(row));
  }
  const auto draw = [&](const TableRow& row) {
    if (row.SubHeading) {
      doc.Row(row.Cells, {kTextWidth}, {Qt::AlignLeft}, row.Bold, row.Height);
    } else {
      doc.Row(row.Cells, widths, aligns, row.Bold, row.Height);
    }
  };
  const std::size_t first = header ? 1 : 0;
  double opening = doc.HeadingHeight(title);
  for (std::size_t r = 0; r < laid.size() && r < first + 2; ++r) opening += laid[r].Height;
  doc.Need(opening);
  doc.Heading(title);
  if (header && !laid.empty()) draw(laid[0]);
  for (std::size_t r = first; r < laid.size(); ++r) {
    double need = laid[r].Height;
    if (laid[r].SubHeading && r + 1 < laid.size()) need += laid[r + 1].Height;
    if (!doc.Fits(need)) {
      doc.NewPage();
      if (header) draw(laid[0]);
    }
    draw(laid[r]);
  }
}

void Section(Document& doc, const report::ResultSection& section) {
  std::vector<std::vector<std::string>> rows;
  for (const report::ResultRow& row : section.Rows) rows.push_back({row.Name, row.Value, row.Unit});
  Table(doc, Q(section.Title), rows, {112, 40, 22}, {Qt::AlignLeft, Qt::AlignRight, Qt::AlignLeft},
        false);
}

void LoadTable(Document& doc, const report::ReportContent& content) {
  const std::vector<std::vector<std::string>> rows =
      report::LoadTableRows(content, i18n::TranslateUtf8);
  Table(doc, Design(design::texts::kLoadGroup), rows, {30, 36, 40, 34, 34},
        std::vector<Qt::Alignment>(5, Qt::AlignRight), true);
}

// Whether a cell reads as a number (with or without its unit): such columns
// are right-aligned, the others left-aligned.
bool Numeric(const std::string& cell) {
  if (cell.empty()) return true;
  const unsigned char c = static_cast<unsigned char>(cell[0]);
  return std::isdigit(c) || c == '+' || c == '-' || cell.rfind("−", 0) == 0 ||
         cell.rfind("—", 0) == 0;
}

// A table from elsewhere in the program: a header row, then rows; the first
// column names, the rest numbers or text.
void ExtraTable(Document& doc, const PdfTable& table) {
  const std::size_t columns = table.Rows.empty() ? 1 : table.Rows.front().size();
  std::vector<double> widths(columns, columns > 1 ? (kTextWidth - 70) / double(columns - 1) : 0);
  widths[0] = columns > 1 ? 70 : kTextWidth;
  std::vector<Qt::Alignment> aligns(columns, Qt::AlignRight);
  aligns[0] = Qt::AlignLeft;
  for (std::size_t c = 1; c < columns; ++c) {
    for (std::size_t r = 1; r < table.Rows.size(); ++r) {
      if (table.Rows[r].size() == columns && !Numeric(table.Rows[r][c])) aligns[c] = Qt::AlignLeft;
    }
  }
  Table(doc, Q(table.Title), table.Rows, widths, aligns, true);
}

// --- plots ----------------------------------------------------------------

// A plot under its heading, the whole width of the text, and a note under it.
void Plot(Document& doc, const QString& title, const plot::PlotDescription& plot, char separator,
          const QString& note) {
  const double height = 86 + plot::LegendHeight(doc.Painter(), plot, Mm(kTextWidth), Mm(1));
  doc.SetFont(8.5);
  const double noteHeight = note.isEmpty() ? 0 : doc.Measure(note, kTextWidth) + 2;
  doc.Need(doc.HeadingHeight(title) + 2 + height + noteHeight);
  doc.Heading(title);
  plot::PaintPlot(doc.Painter(), QRectF(Mm(kMargin), Mm(doc.Y() + 2), Mm(kTextWidth), Mm(height)),
                  Mm(1), plot, separator);
  doc.Advance(height + 3);
  if (note.isEmpty()) return;
  doc.SetFont(8.5);
  doc.Advance(doc.Text(kMargin, doc.Y(), note) + 2);
}

void LoadPlot(Document& doc, const report::ReportContent& c) {
  Plot(doc, T(texts::kLoadPlot),
       plot::LoadCharacteristicPlot(c.Design, design::kRatedRow, c.DecimalSeparator, false),
       c.DecimalSeparator, T(texts::kLoadPlotNote));
}

void PulsePlot(Document& doc, const design::DiodeCurrentWaveform& w, char separator) {
  const auto shown = [&](long double v) { return Q(design::FormatResult(v, separator)); };
  const QString note =
      T(texts::kPulseNote)
          .arg(shown(w.Start.Degrees), shown(w.End.Degrees), shown(w.Peak.Amperes), shown(w.Rms));
  Plot(doc, T(texts::kPulsePlot), plot::DiodeCurrentPlot(w, separator), separator, note);
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

namespace {

QString DateText(const PdfReport& r) {
  char date[64];
  if (InEnglish()) {  // ISO 8601, read the same everywhere
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d%s%02d", r.Time.Year, r.Time.Month,
                  r.Time.Day, r.Time.Hour, r.TimeSeparator.c_str(), r.Time.Minute);
  } else {
    std::snprintf(date, sizeof date, "%02d.%02d.%04d %02d%s%02d", r.Time.Day, r.Time.Month,
                  r.Time.Year, r.Time.Hour, r.TimeSeparator.c_str(), r.Time.Minute);
  }
  return Q(date);
}

// The document into `file`, its footers counting `pages` pages; returns the
// pages it took, 0 when the painter would not start or finish.
int Render(QIODevice& file, const PdfReport& r, int pages) {
  QPdfWriter writer(&file);
  writer.setResolution(kDpi);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(T(texts::kTitle));
  writer.setCreator(QStringLiteral("Tavro"));
  QPainter painter;
  if (!painter.begin(&writer)) return 0;
  painter.setRenderHint(QPainter::Antialiasing);
  const design::InputTexts& in = r.Content.Inputs;
  const auto typed = [](const std::string& text) { return Q(text).trimmed(); };
  const QString date = DateText(r);
  const QString footer = T(texts::kFooter)
                             .arg(T(texts::kFooterDesign)
                                      .arg(typed(in.U0), typed(in.I0), typed(in.Kp),
                                           typed(in.Limbs), typed(in.Bm), typed(in.Ud)),
                                  date);
  Document doc(writer, painter, footer, pages);

  doc.SetFont(14, true);
  doc.Advance(doc.Text(kMargin, doc.Y(), T(texts::kTitle)) + 2);
  doc.SetFont(9.5);
  doc.Advance(doc.Text(kMargin, doc.Y(), T(texts::kDate) + " " + date) + 1);

  CircuitDrawing(doc, r.Content);
  for (const report::ResultSection& section :
       report::ResultSections(r.Content, i18n::TranslateUtf8)) {
    Section(doc, section);
  }
  LoadTable(doc, r.Content);
  for (const PdfTable& table : r.Extra) ExtraTable(doc, table);
  LoadPlot(doc, r.Content);
  PulsePlot(doc, r.DiodeCurrent, r.Content.DecimalSeparator);
  for (const plot::PlotDescription& plot : r.Plots) {
    Plot(doc, plot.Title, plot, r.Content.DecimalSeparator, {});
  }
  doc.Finish();
  const int taken = doc.Page();
  return painter.end() ? taken : 0;
}

}  // namespace

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
  // The document is made in memory, once to count its pages and once with
  // the count in its footers, and replaces the file only once it is complete
  // (files::ReplaceFile).
  QBuffer counted;
  counted.open(QIODevice::WriteOnly);
  const int pages = Render(counted, r, 0);
  QBuffer file;
  file.open(QIODevice::WriteOnly);
  if (pages == 0 || Render(file, r, pages) != pages) {
    throw PdfWriteError(T(texts::kCannotWrite).toStdString() + " " + path);
  }
  const QByteArray& bytes = file.data();
  if (const auto error = files::ReplaceFile(
          path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    throw cannotWrite(*error);
  }
}

}  // namespace tavro::pdf
