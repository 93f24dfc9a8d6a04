#include "design/ratings/surge.h"

#include <cmath>

#include "mathem/extended.h"

namespace tavro::design::ratings {

mathem::SeriesRlc ChargingCircuit(const Design& d, const SupplyConditions& mains) {
  return {d.Parameters.Rtr,
          d.Parameters.Ls,
          d.Results.Cf * 1e-6L,
          std::sqrt(2.0L) * d.Results.U2 * mains.HighFactor(),
          2.0L * mathem::kPi * mains.Supply.Frequency,
          2.0L * d.Inputs.Ud};
}

mathem::SwitchOnSurge SwitchOnSurgeOf(const Design& d, const SupplyConditions& mains) {
  return mathem::WorstSwitchOn(ChargingCircuit(d, mains));
}

}  // namespace tavro::design::ratings
