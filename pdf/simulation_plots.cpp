#include "pdf/simulation_plots.h"

#include "i18n/catalogue.h"
#include "pdf/pdf_report.h"
#include "pdf/pdf_texts.h"
#include "plot/simulation_plots.h"

namespace tavro::pdf {

std::vector<plot::PlotDescription> SimulationPlots(const simulation::SimulationReport& r,
                                                   char separator) {
  const auto titled = [](plot::PlotDescription plot, std::string_view title) {
    plot.Title = i18n::Translate(texts::kContext, title);
    return plot;
  };
  std::vector<plot::PlotDescription> plots;
  for (const plot::PlotDescription& plot :
       {titled(plot::SteadyStatePlot(r, plot::SteadyWave::OutputVoltage), texts::kSimulatedVout),
        titled(plot::SteadyStatePlot(r, plot::SteadyWave::DiodeCurrent), texts::kSimulatedDiode),
        titled(plot::SwitchOnPlot(r, DocumentSeparator(separator)), texts::kSimulatedSurge)}) {
    if (!plot.Curves.isEmpty()) plots.push_back(plot);
  }
  return plots;
}

}  // namespace tavro::pdf
