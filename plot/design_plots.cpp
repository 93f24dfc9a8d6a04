#include "plot/design_plots.h"

#include "design/decimal.h"
#include "design/load_curve.h"
#include "design/load_table.h"
#include "design/readable_number.h"
#include "design/texts.h"
#include "i18n/catalogue.h"
#include "plot/plot_texts.h"

namespace tavro::plot {
namespace {

QString T(std::string_view text) {
  return i18n::Translate(texts::kContext, text);
}

// A figure of a marker or note, readable, with its unit.
QString Shown(long double value, design::Unit unit, char separator) {
  return QString::fromStdString(
      design::FormatReadable(value, unit, separator, i18n::TranslateUtf8));
}

QString Angle(long double degrees, char separator) {
  return Shown(degrees, design::Unit::Degree, separator);
}

QPointF At(long double x, long double y) {
  return {static_cast<double>(x), static_cast<double>(y)};
}

const QColor kRed(200, 40, 40), kGreen(30, 150, 60), kViolet(120, 60, 160);

}  // namespace

QVector<Marker> LoadMarkers(const design::LoadTable& table, int sliderRow, char separator,
                            bool markSlider) {
  const auto describe = [&](std::string_view what, int k) {
    return T(what) + " " + QString::fromStdString(design::PercentText(k)) + ": " +
           Shown(table.Current[k], design::Unit::Ampere, separator) + ", " +
           Shown(table.Voltage[k], design::Unit::Volt, separator);
  };
  const auto at = [&](int k) { return At(table.Current[k], table.Voltage[k]); };
  QVector<Marker> markers{
      {at(design::kRatedRow), describe(texts::kRatedPoint, design::kRatedRow), kRed, true}};
  if (markSlider && sliderRow >= 0 && sliderRow < design::kLoadRows) {
    markers.push_back({at(sliderRow), describe(texts::kSliderPoint, sliderRow), kGreen});
  }
  return markers;
}

PlotDescription LoadCharacteristicPlot(const design::Design& design, int sliderRow, char separator,
                                       bool markSlider) {
  const design::LoadCurve curve = design::BuildLoadCurve(design);
  PlotDescription d;
  d.X = {i18n::Translate(design::texts::kContext, design::texts::kLoadCurrentCaption),
         QString::fromUtf8(texts::kLoadX.data(), static_cast<qsizetype>(texts::kLoadX.size())),
         T(texts::kLoadXUnit),
         {}};
  d.Y = {i18n::Translate(design::texts::kContext, design::texts::kLoadVoltageCaption),
         QString::fromUtf8(texts::kLoadY.data(), static_cast<qsizetype>(texts::kLoadY.size())),
         T(texts::kLoadYUnit),
         {}};
  Curve line{T(texts::kLoadPlotLegend), {}, CurveStyle::Line};
  for (const design::LoadCurvePoint& p : curve.Points) line.Points << At(p.Current, p.Voltage);
  Curve rows{T(texts::kTablePoints), {}, CurveStyle::Dots};
  for (int k = 0; k < design::kLoadRows; ++k) {
    rows.Points << At(curve.Table.Current[k], curve.Table.Voltage[k]);
  }
  d.Curves = {line, rows};
  d.Markers = LoadMarkers(curve.Table, sliderRow, separator, markSlider);
  return d;
}

PlotDescription DiodeCurrentPlot(const design::DiodeCurrentWaveform& w, char separator) {
  const auto utf8 = [](std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  };
  PlotDescription d;
  d.X = {T(texts::kPulsePlotX), utf8(texts::kPulseX), utf8(texts::kPulseXUnit),
         AxisRange{0, 360, 45}};
  d.Y = {T(texts::kPulsePlotY), utf8(texts::kPulseY), T(texts::kPulseYUnit), {}};
  Curve line{T(texts::kPulsePlotLegend), {}, CurveStyle::Line};
  for (const design::WaveformPoint& p : w.Points) line.Points << At(p.Degrees, p.Amperes);
  d.Curves = {line};
  d.Markers = {
      {At(w.Start.Degrees, w.Start.Amperes),
       T(texts::kConductionStart) + " " + Angle(w.Start.Degrees, separator), kGreen},
      {At(w.Peak.Degrees, w.Peak.Amperes),
       T(texts::kPulsePeak) + " " + Shown(w.Peak.Amperes, design::Unit::Ampere, separator) + ", " +
           Angle(w.Peak.Degrees, separator),
       kRed},
      {At(w.End.Degrees, w.End.Amperes),
       T(texts::kConductionEnd) + " " + Angle(w.End.Degrees, separator), kViolet}};
  d.Notes = {T(texts::kRmsNote) + " " + Shown(w.Rms, design::Unit::Ampere, separator),
             T(texts::kPeakNote) + " " + Shown(w.Max, design::Unit::Ampere, separator)};
  return d;
}

}  // namespace tavro::plot
