// Every text of the part ratings: the plausibility warnings, the rows of the
// "Выбор элементов" table and the mains settings' messages (shared by the
// window and the command-line tool).
#pragma once

#include <string_view>

namespace tavro::design::ratings::texts {

// Plausibility warnings: what is unusual, then what it means.
inline constexpr std::string_view kWarnFluxDensity =
    "Индукция в сердечнике вне обычного для электротехнической стали диапазона 0,3–2 Тл: "
    "оценки сопротивления и индуктивности рассеяния обмоток, а с ними весь расчёт, "
    "здесь ненадёжны.";
inline constexpr std::string_view kWarnDiodeDrop =
    "Падение напряжения на вентиле вне обычного диапазона 0,2–3 В: проверьте, что введено "
    "прямое падение на одном вентиле при постоянном токе; сопротивление вентилей в расчёте "
    "определяется им.";
inline constexpr std::string_view kWarnDiodeDropAgainstU0 =
    "Падение напряжения на вентиле больше четверти выпрямленного напряжения: большая часть "
    "мощности теряется в вентилях, и результат определяется их сопротивлением, а не "
    "трансформатором.";
inline constexpr std::string_view kWarnLoadVoltage =
    "Нагрузочная характеристика доходит до нулевого или отрицательного напряжения: при таких "
    "токах выпрямитель не может работать, эти строки не имеют физического смысла.";
inline constexpr std::string_view kWarnPulsesOverlap =
    "Угол β больше 270° − ψ: импульсы тока соседних полупериодов перекрываются, и метод "
    "расчёта, предполагающий их раздельными, здесь неприменим.";
inline constexpr std::string_view kWarnCoefficientA =
    "Коэффициент A больше 15: сопротивление цепи велико по сравнению с нагрузкой, большая "
    "часть мощности теряется в обмотках и вентилях; результаты приближённые.";
inline constexpr std::string_view kWarningsPrefix = "Внимание: ";

// The "Выбор элементов" table.
inline constexpr std::string_view kSelectionTitle = "Выбор элементов";
inline constexpr std::string_view kColumnPart = "Элемент";
inline constexpr std::string_view kColumnRequirement = "Что должен выдерживать";
inline constexpr std::string_view kColumnChoice = "Стандартное значение";

inline constexpr std::string_view kCapacitorHeading = "Конденсатор фильтра";
inline constexpr std::string_view kCapacitance = "Ёмкость";
inline constexpr std::string_view kCapacitorVoltage = "Номинальное напряжение";
inline constexpr std::string_view kRippleCurrent = "Ток пульсаций";
inline constexpr std::string_view kDiodesHeading = "Вентили моста (4 шт.)";
inline constexpr std::string_view kReverseVoltage = "Обратное напряжение";
inline constexpr std::string_view kMeanCurrent = "Средний ток";
inline constexpr std::string_view kRmsCurrent = "Действующий ток";
inline constexpr std::string_view kRepetitivePeak = "Повторяющийся импульсный ток";
inline constexpr std::string_view kSurge = "Ударный ток при включении";
inline constexpr std::string_view kTransformerHeading = "Трансформатор";
inline constexpr std::string_view kFramePower = "Габаритная мощность";
inline constexpr std::string_view kSecondary = "Вторичная обмотка";
inline constexpr std::string_view kPrimary = "Первичная обмотка";
inline constexpr std::string_view kCornersHeading = "Выход при отклонениях сети";
inline constexpr std::string_view kLowMainsOutput = "Выпрямленное напряжение при пониженной сети";
inline constexpr std::string_view kHighMainsNoLoad =
    "Напряжение холостого хода при повышенной сети";

// Units and fragments of the requirement column.
inline constexpr std::string_view kVolt = " В";
inline constexpr std::string_view kAmpere = " А";
inline constexpr std::string_view kMicrofarad = " мкФ";
inline constexpr std::string_view kVoltAmpere = " В·А";
inline constexpr std::string_view kHertz = " Гц";
inline constexpr std::string_view kDegree = "°";
inline constexpr std::string_view kAtLeast = "не менее ";
inline constexpr std::string_view kNoClass = "нет стандартного класса выше ";
inline constexpr std::string_view kNotComputed = "не рассчитано: ";
inline constexpr std::string_view kSeriesE6 = " (ряд E6)";
inline constexpr std::string_view kSeriesE12 = " (ряд E12)";
inline constexpr std::string_view kRms = " действующий";
inline constexpr std::string_view kWithTolerance = " с учётом допуска −";
inline constexpr std::string_view kPercent = " %";
inline constexpr std::string_view kPeakAtHighMains = " амплитуда при сети +";
inline constexpr std::string_view kWithMargin = ", с запасом ×";
inline constexpr std::string_view kSurgeAt = " при включении на фазе ";
inline constexpr std::string_view kSurgeConditions = ", сеть +";
inline constexpr std::string_view kSurgeEmpty = ", конденсатор разряжен";
inline constexpr std::string_view kIfsm = "IFSM не менее ";
inline constexpr std::string_view kNoLoad = " без нагрузки; ";
inline constexpr std::string_view kAtNoLoad = " без нагрузки, ";
inline constexpr std::string_view kAtCurrent = " при ";
inline constexpr std::string_view kMeanPrefix = "среднее ";
inline constexpr std::string_view kLowestPrefix = "; наименьшее мгновенное ";
inline constexpr std::string_view kMainsMinus = "сеть −";
inline constexpr std::string_view kMainsPlus = "сеть +";
inline constexpr std::string_view kRatedCurrentSuffix = ", номинальный ток: ";
inline constexpr std::string_view kColonSpace = ": ";

// Mains settings.
inline constexpr std::string_view kMainsVoltageOutOfRange =
    "Напряжение сети должно быть от 1 до 1000 В";
inline constexpr std::string_view kMainsFrequencyOutOfRange =
    "Частота сети должна быть от 1 до 1000 Гц";
inline constexpr std::string_view kMainsToleranceOutOfRange =
    "Допуск напряжения сети должен быть от 0 до 50 %";

// The output group's caption for mains other than 220 V / 50 Hz: prefix,
// voltage, " В / ", frequency, " Гц)".
inline constexpr std::string_view kOutputsGroupPrefix = "Выходные данные (питающая сеть ";
inline constexpr std::string_view kOutputsGroupMiddle = " В / ";
inline constexpr std::string_view kOutputsGroupSuffix = " Гц)";

}  // namespace tavro::design::ratings::texts
