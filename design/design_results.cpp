#include "design/design_results.h"

#include <cmath>

#include "design/operating_point.h"
#include "mathem/faults.h"

namespace tavro::design {

DesignResults ComputeDesignResults(const DesignInputs& in, long double Rsum,
                                   const NomogramCoefficients& c, const Mains& mains) {
  mathem::FaultScope faults;
  const long double sqrt2 = std::sqrt(2.0L);
  DesignResults r;
  r.U2 = c.B * in.U0;
  r.Urev = sqrt2 * r.U2;
  r.I2 = c.D * in.I0 / sqrt2;
  r.Idrms = c.D * in.I0 * 0.5L;
  r.Idpk = c.F * in.I0 * 0.5L;
  r.Cf = (c.H * 100.0L) / (Rsum * mains.Frequency * in.Kp);
  r.TurnsRatio = r.U2 * mains.InverseVoltage();
  r.I1 = r.I2 * r.TurnsRatio;
  r.Pframe = (c.B * c.D * in.U0 * in.I0) / sqrt2;
  faults.Check(r);
  return r;
}

}  // namespace tavro::design
