#include "simulation/rating_figures.h"

#include <algorithm>

namespace tavro::simulation {

std::optional<design::ratings::SimulatedFigures> RatingFigures(const SimulationReport& report) {
  if (!report.Ok || !report.Circuit) return std::nullopt;
  // The comparison rows carry the figures in every report, decoded or not.
  const auto simulated = [&](const char* quantity) -> std::optional<double> {
    for (const ComparisonRow& row : report.Circuit->Rows) {
      if (row.Quantity == quantity) return row.Simulated;
    }
    return std::nullopt;
  };
  const auto icap = simulated("Icrms"), idrms = simulated("Idrms"), idpk = simulated("Idpk");
  if (!icap || !idrms || !idpk) return std::nullopt;
  design::ratings::SimulatedFigures s{*icap, *idrms, *idpk, std::nullopt};
  // The samples span the last two periods; the trough of the later one.
  const Waveforms& w = report.Circuit->State.LastTwoPeriods;
  if (!w.Time.empty() && w.Time.size() == w.Vout.size()) {
    const double half = (w.Time.front() + w.Time.back()) / 2.0;
    const auto from = std::lower_bound(w.Time.begin(), w.Time.end(), half) - w.Time.begin();
    if (from < static_cast<long>(w.Vout.size())) {
      s.LowestVoltage = *std::min_element(w.Vout.begin() + from, w.Vout.end());
    }
  }
  return s;
}

}  // namespace tavro::simulation
