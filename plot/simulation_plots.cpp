#include "plot/simulation_plots.h"

#include "design/readable_number.h"
#include "i18n/catalogue.h"
#include "plot/plot_texts.h"

namespace tavro::plot {
namespace {

QString T(std::string_view text) {
  return i18n::Translate(texts::kContext, text);
}
QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr double kMs = 1000.0;  // seconds to milliseconds

Axis TimeAxis() {
  return {T(texts::kTimeAxis), Utf8(texts::kTime), T(texts::kTimeUnit), {}};
}
Axis CurrentAxis() {
  return {T(texts::kCurrentAxis), Utf8(texts::kCurrent), T(texts::kPulseYUnit), {}};
}

}  // namespace

PlotDescription SteadyStatePlot(const simulation::SimulationReport& r, SteadyWave wave) {
  const Axis y = wave == SteadyWave::OutputVoltage
                     ? Axis{T(texts::kVoltageAxis), Utf8(texts::kVoltage), T(texts::kLoadYUnit), {}}
                     : CurrentAxis();
  QVector<Curve> curves;
  if (r.Circuit && !r.Circuit->State.LastTwoPeriods.Time.empty()) {
    const simulation::Waveforms& w = r.Circuit->State.LastTwoPeriods;
    const std::vector<double>& values = wave == SteadyWave::OutputVoltage  ? w.Vout
                                        : wave == SteadyWave::DiodeCurrent ? w.Idiode
                                                                           : w.Icap;
    curves << SampledCurve({}, w.Time, values, kMs);
  }
  return SampledPlot({}, TimeAxis(), y, curves);
}

PlotDescription SwitchOnPlot(const simulation::SimulationReport& r, char separator) {
  const auto legend = [&](std::string_view text, double volts) {
    return T(text).arg(QString::fromStdString(
        design::FormatReadable(static_cast<long double>(volts), design::Unit::None, separator)));
  };
  QVector<Curve> curves;
  if (r.SurgeResult && !r.SurgeResult->WorstTransient.Time.empty()) {
    const simulation::Waveforms& w = r.SurgeResult->WorstTransient;
    const bool high = r.SurgeHighMains && !r.SurgeHighMains->WorstTransient.Time.empty();
    // One curve needs no legend: the plot's title names it.
    curves << SampledCurve(
        high ? legend(texts::kSurgeNominalLegend, r.SurgeResult->MainsVoltage) : QString(), w.Time,
        w.Idiode, kMs);
    if (high) {
      const simulation::Waveforms& h = r.SurgeHighMains->WorstTransient;
      curves << SampledCurve(legend(texts::kSurgeHighLegend, r.SurgeHighMains->MainsVoltage),
                             h.Time, h.Idiode, kMs, QColor(190, 40, 30));
    }
  }
  return SampledPlot({}, TimeAxis(), CurrentAxis(), curves);
}

}  // namespace tavro::plot
