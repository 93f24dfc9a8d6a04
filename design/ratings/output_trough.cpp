#include "design/ratings/output_trough.h"

#include "design/ripple_shape.h"

namespace tavro::design::ratings {

OutputSwing SwingOfPulse(const Design& d, long double Psi, long double Beta,
                         long double meanVoltage, long double current) {
  const auto range = CapacitorVoltage(PulseCircuit{Psi, d.Parameters.Phi, Beta, meanVoltage,
                                                   current, d.Parameters.Rsum, d.Results.Cf,
                                                   d.Supply.AngularFrequency()});
  if (!range) return {meanVoltage, meanVoltage};
  return {range->Min, range->Max};
}

}  // namespace tavro::design::ratings
