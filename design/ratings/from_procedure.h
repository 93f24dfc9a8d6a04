// The window procedure's last complete calculation as the engine's Design,
// for the ratings (the procedure keeps the load table beside the numbers).
#pragma once

#include "design/calculate.h"
#include "design/procedure.h"

namespace tavro::design::ratings {

inline Design DesignOf(const CompletedDesign& d, const LoadTable& table) {
  return {d.Inputs, d.Parameters, d.A, d.Point, d.Coefficients, d.Results, table};
}

}  // namespace tavro::design::ratings
