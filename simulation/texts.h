// The simulation's texts: the names of the compared quantities as the
// window and the command line's text output show them, and the names of
// the checks.
#pragma once

#include <string_view>

namespace tavro::simulation::texts {

inline constexpr std::string_view kMethodCheck =
    "Проверка допущений метода (идеальные вентили, "
    "сопротивления метода, нагрузка — источник U0)";
inline constexpr std::string_view kCircuitCheck = "Реальная схема";
inline constexpr std::string_view kSurge = "Бросок тока при включении (конденсатор разряжен)";
inline constexpr std::string_view kWorstPhase = "Наихудшая фаза включения, °";
inline constexpr std::string_view kWorstPeak = "Наибольший ток вентиля, А";
inline constexpr std::string_view kPassed = "расчёт подтверждён (расхождение не более 0,05 %)";
inline constexpr std::string_view kFailed = "расхождение превышает 0,05 %";
inline constexpr std::string_view kNotSettled = "установившийся режим не достигнут за 100 периодов";

// The name of a quantity of a comparison row ("I0", "Idpk", ...).
inline std::string_view QuantityName(std::string_view key) {
  if (key == "U0") return "Среднее выпрямленное напряжение, В";
  if (key == "I0") return "Средний ток нагрузки, А";
  if (key == "RipplePP") return "Размах пульсаций, В";
  if (key == "Ripple100") return "Амплитуда пульсаций 100 Гц, В";
  if (key == "I2") return "Действующий ток вторичной обмотки, А";
  if (key == "Idavg") return "Средний ток вентиля, А";
  if (key == "Idrms") return "Действующее значение тока через вентиль, А";
  if (key == "Idpk") return "Амплитудное значение тока через вентиль, А";
  if (key == "Beta") return "Конец проводимости β, °";
  if (key == "Icrms") return "Действующий ток конденсатора, А";
  return key;
}

}  // namespace tavro::simulation::texts
