#include "design/transformer/suggest.h"

#include <algorithm>
#include <cmath>

#include "design/analysis.h"
#include "design/operating_point.h"
#include "mathem/faults.h"

namespace tavro::design::transformer {
namespace {

// A rating carries a current when its V·A reaches the need to within the
// rounding of the need's own calculation.
constexpr long double kRoundingSlack = 1e-12L;

struct Option {
  Nameplate Plate;
  long double Emf;
};

}  // namespace

Equivalent EquivalentOf(const Nameplate& plate, const Design& design) {
  mathem::FaultScope faults;
  Equivalent e;
  e.Emf = plate.RatedVoltage * (1.0L + plate.Regulation / 100.0L);
  e.RatedCurrent = plate.Power / plate.RatedVoltage;
  e.Rtr = (e.Emf - plate.RatedVoltage) / e.RatedCurrent;
  DesignInputs served = design.Inputs;
  served.U0 = design.Inputs.U0 * (e.Emf / design.Results.U2);
  served.I0 = design.Inputs.I0 * (e.RatedCurrent / design.Results.I2);
  faults.Check(e.Emf, e.RatedCurrent, e.Rtr, served.U0, served.I0);
  e.Ls = DeriveModelParameters(served, design.Supply).Ls;
  faults.Check(e.Ls);
  return e;
}

std::vector<Nameplate> NearestNameplates(Kind kind, long double emf, long double current) {
  const Series& series = SeriesOf(kind);
  std::vector<Option> options;
  for (const long double v : series.Voltages) {
    const long double need = v * current;
    const auto rating = std::find_if(
        series.Ratings.begin(), series.Ratings.end(),
        [need](const SeriesRating& r) { return r.Power * (1.0L + kRoundingSlack) >= need; });
    if (rating == series.Ratings.end()) continue;
    options.push_back(
        {{kind, v, rating->Power, rating->Regulation}, v * (1.0L + rating->Regulation / 100.0L)});
  }
  std::stable_sort(options.begin(), options.end(),
                   [](const Option& a, const Option& b) { return a.Emf < b.Emf; });
  const auto first =
      std::find_if(options.begin(), options.end(), [emf](const Option& o) { return o.Emf >= emf; });
  std::vector<Nameplate> nearest;
  if (first != options.begin()) nearest.push_back(std::prev(first)->Plate);
  for (auto o = first; o != options.end() && o - first < 2; ++o) nearest.push_back(o->Plate);
  return nearest;
}

SuggestionSettings SettingsFrom(const Design& design, const ratings::SupplyConditions& mains,
                                const ratings::CapacitorRating& capacitor) {
  SuggestionSettings s;
  s.Tolerance = mains.Tolerance;
  s.Capacitance = capacitor.Capacitance.value_or(design.Results.Cf);
  s.CapacitorVoltageClass = capacitor.VoltageClass;
  return s;
}

Suggestion SuggestTransformers(const Design& design, const SuggestionSettings& settings) {
  Suggestion s{settings, design.Results.U2, design.Results.I2, {}, std::nullopt};
  for (const Series& series : StandardSeries()) {
    for (const Nameplate& plate : NearestNameplates(series.Of, s.NeededEmf, s.NeededCurrent)) {
      CandidateCheck c{};
      c.Plate = plate;
      try {
        c.Model = EquivalentOf(plate, design);
      } catch (const mathem::NumericalFailure&) {
        c.NominalFailure = c.LowFailure = FailureStage::ModelParameters;
        s.Candidates.push_back(c);
        continue;
      }
      AnalysisInputs in{c.Model.Emf,          c.Model.Rtr,      c.Model.Ls,   design.Inputs.Ud,
                        settings.Capacitance, design.Inputs.I0, design.Supply};
      const AnalysisResult nominal = Analyse(in, AnalysisDepth::OperatingPointOnly);
      if (const auto* a = std::get_if<Analysis>(&nominal)) {
        c.U0Nominal = a->U0;
        c.Ripple = a->Kp;
        c.SecondaryCurrent = a->I2;
        c.Loading = a->I2 / c.Model.RatedCurrent;
        c.MeetsVoltage = a->U0 >= design.Inputs.U0;
        c.WithinRating = c.Loading <= 1.0L;
      } else {
        c.NominalFailure = std::get<Failure>(nominal).Stage;
      }
      const long double low = 1.0L - settings.Tolerance;
      in.U2 = c.Model.Emf * low;
      in.Supply.Voltage = design.Supply.Voltage * low;
      const AnalysisResult lowMains = Analyse(in, AnalysisDepth::OperatingPointOnly);
      if (const auto* a = std::get_if<Analysis>(&lowMains)) {
        c.U0Low = a->U0;
      } else {
        c.LowFailure = std::get<Failure>(lowMains).Stage;
      }
      c.NoLoadHigh = std::sqrt(2.0L) * c.Model.Emf * (1.0L + settings.Tolerance);
      if (settings.CapacitorVoltageClass) {
        c.WithinCapacitorClass = c.NoLoadHigh <= *settings.CapacitorVoltageClass;
      }
      s.Candidates.push_back(c);
    }
  }
  for (std::size_t k = 0; k < s.Candidates.size(); ++k) {
    const CandidateCheck& c = s.Candidates[k];
    if (c.NominalFailure || !c.MeetsVoltage || !c.WithinRating) continue;
    if (!s.Chosen) {
      s.Chosen = k;
      continue;
    }
    const CandidateCheck& best = s.Candidates[*s.Chosen];
    if (c.Plate.Power < best.Plate.Power ||
        (c.Plate.Power == best.Plate.Power && c.Model.Emf < best.Model.Emf)) {
      s.Chosen = k;
    }
  }
  return s;
}

Suggestion SuggestTransformers(const Design& design, const ratings::SupplyConditions& mains,
                               const ratings::PartChoices& choices) {
  return SuggestTransformers(
      design, SettingsFrom(design, mains, ratings::RateCapacitor(design, mains, choices)));
}

}  // namespace tavro::design::transformer
