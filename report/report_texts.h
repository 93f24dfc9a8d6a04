// Texts of the report export: the refusal, the save dialog and the errors.
// The report's own lines are laid out in report_text.cpp.
#pragma once

#include <string_view>

namespace tavro::report::texts {

inline constexpr std::string_view kCalculateFirst = "Сначала необходимо произвести расчёт";

inline constexpr std::string_view kDialogTitle = "Сохранить как...";
inline constexpr std::string_view kDialogFilter = "Текстовые документы (*.txt)|*.txt";
inline constexpr std::string_view kDefaultExtension = "txt";
inline constexpr std::string_view kInitialFolder = ".";

// "<kWriteFailed> <file>: <reason>"
inline constexpr std::string_view kWriteFailed = "Не удалось записать отчёт в файл";

}  // namespace tavro::report::texts
