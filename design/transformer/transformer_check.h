// The check of a transformer one has, as every front end shows it: its
// nameplate turned into the analysis' transformer (transformer_data.h), the
// analysis at the given capacitor and load current at nominal mains, the
// analysis at low mains, the no-load peak at high mains, and the loading
// against the nameplate.
#pragma once

#include <optional>
#include <variant>

#include "design/analysis.h"
#include "design/ratings/supply_conditions.h"
#include "design/transformer/transformer_data.h"

namespace tavro::design {

struct TransformerCheck {
  TransformerModel Model;
  Analysis Nominal;
  std::optional<Analysis> Low;   // none when the low mains cannot carry the load
  long double LowMainsVoltage;   // V
  long double HighMainsVoltage;  // V
  long double NoLoadHigh;        // √2·U2 at high mains, V
  long double CurrentOfRating;   // I2 against the rated current, %
  long double PowerOfRating;     // V·A used against the rating, %
};

using TransformerChecking = std::variant<TransformerCheck, TransformerDataError, Failure>;

// `cf` in µF, `i0` in A, both positive (the caller checks them); the
// transformer data's diode drop is the bridge's.
TransformerChecking CheckTransformer(const TransformerData& data, long double cf, long double i0,
                                     const ratings::SupplyConditions& mains);

// The analysis at the mains a factor m off nominal: the EMF and the
// primary's voltage scaled, the transformer's resistance and inductance as
// they are.
std::optional<Analysis> AnalyseAtMains(const AnalysisInputs& nominal, long double m);

}  // namespace tavro::design
