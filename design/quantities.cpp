#include "design/quantities.h"

#include "design/decimal.h"

namespace tavro::design {

long double ValueOf(const Design& d, Quantity q) {
  const DesignResults& r = d.Results;
  switch (q) {
    case Quantity::Phi:
      return d.Parameters.Phi;
    case Quantity::Psi:
      return d.Point.Psi;
    case Quantity::Beta:
      return d.Point.Beta;
    case Quantity::A:
      return d.A;
    case Quantity::B:
      return d.Coefficients.B;
    case Quantity::D:
      return d.Coefficients.D;
    case Quantity::F:
      return d.Coefficients.F;
    case Quantity::H:
      return d.Coefficients.H;
    case Quantity::U2:
      return r.U2;
    case Quantity::I2:
      return r.I2;
    case Quantity::I1:
      return r.I1;
    case Quantity::Pframe:
      return r.Pframe;
    // The capacitor must stand the diode's reverse voltage.
    case Quantity::Urev:
    case Quantity::CapacitorVoltage:
      return r.Urev;
    case Quantity::Idrms:
      return r.Idrms;
    case Quantity::Idpk:
      return r.Idpk;
    case Quantity::Cf:
      return r.Cf;
    case Quantity::RatedCurrent:
      return d.Inputs.I0;
    case Quantity::RatedVoltage:
      return d.Inputs.U0;
    case Quantity::RatedGamma:
      return d.Load.Gamma[kRatedRow];
    case Quantity::RatedSqrt2CosPsi:
      return d.Load.Sqrt2CosPsi[kRatedRow];
  }
  return 0.0L;
}

std::string ShownText(const Design& design, Quantity quantity, Form form, char separator) {
  const long double value = ValueOf(design, quantity);
  return FormatResult(form == Form::Degrees ? Degrees(value) : value, separator);
}

}  // namespace tavro::design
