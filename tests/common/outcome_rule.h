// The rule every press of "Расчёт" must keep, whatever was typed: either a
// complete design (every result written, each a finite number in display form,
// the operating point solving its equations) or exactly one of the program's
// messages; never a NaN or an infinity in any field. Returns what broke the
// rule, or an empty string. Header-only: the fuzz targets use it too.
#pragma once

#include <cmath>
#include <regex>
#include <string>
#include <string_view>

#include "common/memory_window.h"
#include "design/procedure.h"
#include "design/texts.h"
#include "mathem/angle_equations.h"
#include "mathem/extended.h"

namespace tavro::test {

inline bool IsInputField(design::Field f) {
  using design::Field;
  return f == Field::Edit1 || f == Field::Edit2 || f == Field::Edit3 || f == Field::Edit5 ||
         f == Field::Edit6;
}

inline bool IsDisplayNumber(const std::string& text) {
  static const std::regex shape("-?[0-9][,.][0-9]{5}E[+-][0-9]{2,4}");
  return std::regex_match(text, shape);
}

inline bool IsProgramMessage(std::string_view m) {
  namespace t = design::texts;
  for (std::string_view known :
       {t::kVoltageNotPositive, t::kCurrentNotPositive, t::kCurrentBelow20mA, t::kRippleNotPositive,
        t::kRippleAbove15, t::kFluxNotPositive, t::kDiodeDropNotPositive, t::kFormatError,
        t::kCoefficientAbove20, t::kCalculationError}) {
    if (m == known) return true;
  }
  return false;
}

inline std::string CheckOutcome(design::ClickOutcome outcome, const design::MemoryWindow& w,
                                const design::DesignProcedure& p) {
  using design::Field;
  // Every field the program writes holds a display number, or nothing yet.
  for (int i = 0; i < design::kFieldCount; ++i) {
    const Field f = design::FieldAt(i);
    if (IsInputField(f) || f == Field::Label37) continue;
    const std::string text = w.Text(f);
    if (!text.empty() && !IsDisplayNumber(text)) {
      return design::FieldName(f) + " shows \"" + text + "\"";
    }
  }
  if (outcome != design::ClickOutcome::Complete) {
    if (w.Messages().size() != 1) return std::to_string(w.Messages().size()) + " messages";
    if (!IsProgramMessage(w.Messages()[0])) return "unknown message " + w.Messages()[0];
    return {};
  }

  if (!w.Messages().empty()) return "a complete design with a message: " + w.Messages()[0];
  if (!p.State().Calculated) return "complete but not Calculated";
  for (int i = 0; i < design::kFieldCount; ++i) {
    const Field f = design::FieldAt(i);
    if (!IsInputField(f) && f != Field::Label37 && w.Text(f).empty()) {
      return design::FieldName(f) + " left empty";
    }
  }
  const design::Design& d = *p.LastDesign();
  const long double values[] = {d.Parameters.Rsum, d.Parameters.Phi, d.A,
                                d.Point.Psi,       d.Point.Beta,     d.Coefficients.B,
                                d.Coefficients.D,  d.Coefficients.F, d.Coefficients.H,
                                d.Results.U2,      d.Results.I2,     d.Results.I1,
                                d.Results.Pframe,  d.Results.Urev,   d.Results.Idrms,
                                d.Results.Idpk,    d.Results.Cf};
  for (long double v : values) {
    if (!std::isfinite(v)) return "a result is not finite";
  }
  for (int k = 0; k < design::kLoadRows; ++k) {
    const design::LoadTable& t = p.Table();
    for (long double v : {t.Current[k], t.Gamma[k], t.Psi[k], t.Voltage[k], t.Sqrt2CosPsi[k]}) {
      if (!std::isfinite(v)) return "load row " + std::to_string(k) + " is not finite";
    }
  }
  const mathem::AngleResiduals r =
      mathem::RatedResiduals(d.Point.Psi, d.Point.Beta, d.A, d.Parameters.Phi);
  if (!(std::fabs(r.F1) <= 1e-9L && std::fabs(r.F2) <= 1e-9L)) {
    return "the rated point does not solve its equations";
  }
  if (!(d.Point.Psi > 0 && d.Point.Psi < mathem::kHalfPi)) return "psi out of range";
  return {};
}

}  // namespace tavro::test
