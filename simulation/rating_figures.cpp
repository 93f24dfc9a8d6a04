#include "simulation/rating_figures.h"

#include <cmath>

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
  // The trough the run measured over its last period (NaN when the answer
  // did not carry it).
  if (const double lowest = report.Circuit->LowestVoltage; std::isfinite(lowest)) {
    s.LowestVoltage = lowest;
  }
  s.DiodeName = report.DiodeName;
  const auto idavg = simulated("Idavg");
  if (const double loss = report.Circuit->DiodeLoss; std::isfinite(loss) && idavg) {
    s.DiodeLoss = design::ratings::SimulatedDiodeLoss{loss, *idavg, *idrms};
  }
  return s;
}

}  // namespace tavro::simulation
