// The simulation's texts: the names of the compared quantities as the
// window and the command line's text output show them, and the names of
// the checks. The texts are Russian, marked for translation under kContext.
#pragma once

#include <string_view>

#include "design/translatable.h"

namespace tavro::simulation::texts {

// The translation context of every text here.
inline constexpr char kContext[] = "simulation";

inline constexpr std::string_view kMethodCheck =
    TAVRO_TRANSLATABLE("simulation",
                       "Проверка допущений метода (идеальные вентили, "
                       "сопротивления метода, нагрузка — источник U0)");
inline constexpr std::string_view kCircuitCheck =
    TAVRO_TRANSLATABLE("simulation", "Реальная схема");
inline constexpr std::string_view kSurge =
    TAVRO_TRANSLATABLE("simulation", "Бросок тока при включении (конденсатор разряжен)");
// After kSurge: %1 the mains voltage, V.
inline constexpr std::string_view kSurgeNominalMains =
    TAVRO_TRANSLATABLE("simulation", ", сеть %1 В");
// After kSurge: %1 the high mains voltage, V, %2 the tolerance, %.
inline constexpr std::string_view kSurgeHighMains =
    TAVRO_TRANSLATABLE("simulation", ", сеть %1 В (+%2 %)");
inline constexpr std::string_view kResistiveLoad =
    TAVRO_TRANSLATABLE("simulation", "Резистор U0/I0");
inline constexpr std::string_view kCurrentLoad =
    TAVRO_TRANSLATABLE("simulation", "Источник тока I0");
inline constexpr std::string_view kWorstPhase =
    TAVRO_TRANSLATABLE("simulation", "Наихудшая фаза включения, °");
inline constexpr std::string_view kWorstPeak =
    TAVRO_TRANSLATABLE("simulation", "Наибольший ток вентиля, А");
inline constexpr std::string_view kPassed =
    TAVRO_TRANSLATABLE("simulation", "расчёт подтверждён (расхождение не более 0,05 %)");
inline constexpr std::string_view kFailed =
    TAVRO_TRANSLATABLE("simulation", "расхождение превышает 0,05 %");
inline constexpr std::string_view kNotSettled =
    TAVRO_TRANSLATABLE("simulation", "установившийся режим не достигнут за 100 периодов");
inline constexpr std::string_view kMethodNotSettled = TAVRO_TRANSLATABLE(
    "simulation", "проверка допущений метода: установившийся режим не достигнут за 100 периодов");
// %1 the diode model, %2 the largest reverse voltage in the run, V, %3 the
// model's breakdown voltage BV, V: the model avalanches.
inline constexpr std::string_view kReverseVoltageExceeded = TAVRO_TRANSLATABLE(
    "simulation",
    "обратное напряжение вентиля %1 достигает %2 В — напряжения пробоя модели BV = %3 В: "
    "вентиль пробит, результаты реальной схемы недостоверны");
// %1 the diode model, %2 the largest reverse voltage in the run, V, %3 the
// datasheet's VRRM, V, below the model's breakdown: the figures stand.
inline constexpr std::string_view kReverseVoltageAboveVrrm = TAVRO_TRANSLATABLE(
    "simulation",
    "обратное напряжение вентиля %1 достигает %2 В при допустимом по справочнику VRRM = %3 В: "
    "модель ещё не пробита и результаты верны, но вентиль работает за пределом своих "
    "характеристик");

// Why a simulation failed, where the reason is this system's own (the
// simulator's and the model check's details stay as they are given).
inline constexpr std::string_view kStalled =
    TAVRO_TRANSLATABLE("simulation", "расчёт не продвигался и был остановлен");
inline constexpr std::string_view kCancelled =
    TAVRO_TRANSLATABLE("simulation", "моделирование отменено");
// %1 the figure and its value.
inline constexpr std::string_view kImpossible =
    TAVRO_TRANSLATABLE("simulation", "невозможный результат (%1)");
// %1 what is missing or wrong.
inline constexpr std::string_view kNotAReport = TAVRO_TRANSLATABLE(
    "simulation", "программа моделирования дала ответ, не являющийся отчётом (%1)");
// %1 the signal's number, %2 its name.
inline constexpr std::string_view kHelperCrashed = TAVRO_TRANSLATABLE(
    "simulation", "программа моделирования аварийно завершилась (сигнал %1, %2)");
// %1 the exit status.
inline constexpr std::string_view kHelperExited = TAVRO_TRANSLATABLE(
    "simulation", "программа моделирования завершилась с кодом %1, не дав ответа");
// %1 seconds.
inline constexpr std::string_view kHelperSilent = TAVRO_TRANSLATABLE(
    "simulation",
    "программа моделирования не ответила и не сообщила о ходе работы за %1 с и остановлена");
// %1 the program, %2 the reason.
inline constexpr std::string_view kHelperNotStarted =
    TAVRO_TRANSLATABLE("simulation", "не удалось запустить программу моделирования %1: %2");

// The name of a quantity of a comparison row ("I0", "Idpk", ...): a marked
// text; an unknown key is returned as it is.
inline std::string_view QuantityName(std::string_view key) {
  if (key == "U0") return TAVRO_TRANSLATABLE("simulation", "Среднее выпрямленное напряжение, В");
  if (key == "I0") return TAVRO_TRANSLATABLE("simulation", "Средний ток нагрузки, А");
  if (key == "RipplePP") return TAVRO_TRANSLATABLE("simulation", "Размах пульсаций, В");
  if (key == "Ripple100") return TAVRO_TRANSLATABLE("simulation", "Амплитуда основной гармоники пульсаций, В");
  if (key == "I2") return TAVRO_TRANSLATABLE("simulation", "Действующий ток вторичной обмотки, А");
  if (key == "Idavg") return TAVRO_TRANSLATABLE("simulation", "Средний ток вентиля, А");
  if (key == "Idrms")
    return TAVRO_TRANSLATABLE("simulation", "Действующее значение тока через вентиль, А");
  if (key == "Idpk")
    return TAVRO_TRANSLATABLE("simulation", "Амплитудное значение тока через вентиль, А");
  if (key == "Beta") return TAVRO_TRANSLATABLE("simulation", "Конец проводимости β, °");
  if (key == "Icrms") return TAVRO_TRANSLATABLE("simulation", "Действующий ток конденсатора, А");
  return key;
}

}  // namespace tavro::simulation::texts
