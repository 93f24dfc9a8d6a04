#include "design/transformer/transformer_check.h"

namespace tavro::design {

std::optional<Analysis> AnalyseAtMains(const AnalysisInputs& nominal, long double m) {
  AnalysisInputs in = nominal;
  in.U2 *= m;
  in.Supply.Voltage *= m;
  const AnalysisResult r = Analyse(in);
  if (const auto* a = std::get_if<Analysis>(&r)) return *a;
  return std::nullopt;
}

TransformerChecking CheckTransformer(const TransformerData& data, long double cf, long double i0,
                                     const ratings::SupplyConditions& mains) {
  const TransformerModelling modelling = ModelTransformer(data, mains.Supply);
  if (const auto* error = std::get_if<TransformerDataError>(&modelling)) return *error;
  const TransformerModel& m = std::get<TransformerModel>(modelling);
  const AnalysisInputs in{m.Emf, m.Rtr, m.Ls, data.DiodeDrop, cf, i0, mains.Supply};
  const AnalysisResult result = Analyse(in);
  if (const auto* failure = std::get_if<Failure>(&result)) return *failure;
  const Analysis& a = std::get<Analysis>(result);
  return TransformerCheck{m,
                          a,
                          AnalyseAtMains(in, mains.LowFactor()),
                          mains.Supply.Voltage * mains.LowFactor(),
                          mains.Supply.Voltage * mains.HighFactor(),
                          a.Urev * mains.HighFactor(),
                          a.I2 / m.RatedCurrent * 100.0L,
                          a.Pframe / m.RatedPower * 100.0L};
}

}  // namespace tavro::design
