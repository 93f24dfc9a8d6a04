// Design to the worst corner of the mains: the load needs at least U0min at
// its rated current when the mains are at their lowest. The nominal rectified
// voltage of the six-input design is chosen so that its transformer (U2, Rtr,
// Ls), at low mains, gives exactly U0min (the analysis at that corner), and
// the filter capacitance so that the ripple there is the Kp asked for; the
// nominal and high-mains figures follow. See docs/method.md, section
// "Design to the worst case".
#pragma once

#include <optional>
#include <variant>

#include "design/analysis.h"
#include "design/calculate.h"

namespace tavro::design {

struct WorstCaseRequest {
  // The six inputs, U0 read as U0min (V at rated current and low mains) and
  // Kp as the ripple wanted at that corner.
  DesignInputs Inputs{};
  Mains Supply{};
  long double Tolerance = 0.10L;  // ± fraction of the nominal mains voltage
  // At most this no-load voltage at high mains, V; unset: no limit.
  std::optional<long double> MaxNoLoadHighMains;
};

struct WorstCaseDesign {
  Design Nominal;          // the six-input design at the chosen nominal U0
  long double Cf;          // µF: Kp at low mains and rated current
  Analysis Low;            // low mains, rated current, Cf
  Analysis AtNominal;      // nominal mains, rated current, Cf
  Analysis High;           // high mains, rated current, Cf
  long double NoLoadHigh;  // √2·U2·(1 + tolerance), V
  bool HighLimitMet;       // true without a limit
  int Steps;               // designs tried by the search
};

// Failure: the design or the analysis failed at a stage (the last one
// tried), or no nominal U0 up to 2^30 times U0min reaches U0min at low mains.
using WorstCaseResult = std::variant<WorstCaseDesign, Failure>;

WorstCaseResult DesignForWorstCase(const WorstCaseRequest& request);

}  // namespace tavro::design
