// Texts of the report export.
#pragma once

#include <string_view>

namespace tavro::report::texts {

inline constexpr std::string_view kCalculateFirst = "Сначала необходимо произвести расчёт";

}  // namespace tavro::report::texts
