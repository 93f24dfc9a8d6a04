// Every text of the part ratings: the plausibility warnings, the rows of the
// "Выбор элементов" table and the mains settings' messages (shared by the
// window, the PDF report and the command-line tool). The texts are Russian,
// marked for translation under kContext.
#pragma once

#include <string_view>

#include "design/translatable.h"

namespace tavro::design::ratings::texts {

// The translation context of every text here.
inline constexpr char kContext[] = "ratings";

// Plausibility warnings: what is unusual, then what it means.
inline constexpr std::string_view kWarnFluxDensity = TAVRO_TRANSLATABLE(
    "ratings",
    "Индукция в сердечнике вне обычного для электротехнической стали диапазона 0,3–2 Тл: "
    "оценки сопротивления и индуктивности рассеяния обмоток, а с ними весь расчёт, "
    "здесь ненадёжны.");
inline constexpr std::string_view kWarnDiodeDrop = TAVRO_TRANSLATABLE(
    "ratings",
    "Падение напряжения на вентиле вне обычного диапазона 0,2–3 В: проверьте, что введено "
    "прямое падение на одном вентиле при постоянном токе; сопротивление вентилей в расчёте "
    "определяется им.");
inline constexpr std::string_view kWarnDiodeDropAgainstU0 = TAVRO_TRANSLATABLE(
    "ratings",
    "Падение напряжения на вентиле больше четверти выпрямленного напряжения: большая часть "
    "мощности теряется в вентилях, и результат определяется их сопротивлением, а не "
    "трансформатором.");
inline constexpr std::string_view kWarnLoadVoltage = TAVRO_TRANSLATABLE(
    "ratings",
    "Нагрузочная характеристика доходит до нулевого или отрицательного напряжения: при таких "
    "токах выпрямитель не может работать, эти строки не имеют физического смысла.");
inline constexpr std::string_view kWarnPulsesOverlap = TAVRO_TRANSLATABLE(
    "ratings",
    "Угол β больше 270° − ψ: импульсы тока соседних полупериодов перекрываются, и метод "
    "расчёта, предполагающий их раздельными, здесь неприменим.");
inline constexpr std::string_view kWarnCoefficientA = TAVRO_TRANSLATABLE(
    "ratings",
    "Коэффициент A больше 15: сопротивление цепи велико по сравнению с нагрузкой, большая "
    "часть мощности теряется в обмотках и вентилях; результаты приближённые.");
inline constexpr std::string_view kWarningsPrefix = TAVRO_TRANSLATABLE("ratings", "Внимание: ");

// The "Выбор элементов" table.
inline constexpr std::string_view kSelectionTitle =
    TAVRO_TRANSLATABLE("ratings", "Выбор элементов");
inline constexpr std::string_view kColumnPart = TAVRO_TRANSLATABLE("ratings", "Элемент");
inline constexpr std::string_view kColumnRequirement =
    TAVRO_TRANSLATABLE("ratings", "Что должен выдерживать");
inline constexpr std::string_view kColumnChoice =
    TAVRO_TRANSLATABLE("ratings", "Стандартное значение");

inline constexpr std::string_view kCapacitorHeading =
    TAVRO_TRANSLATABLE("ratings", "Конденсатор фильтра");
inline constexpr std::string_view kCapacitance = TAVRO_TRANSLATABLE("ratings", "Ёмкость");
inline constexpr std::string_view kCapacitorVoltage =
    TAVRO_TRANSLATABLE("ratings", "Номинальное напряжение");
inline constexpr std::string_view kRippleCurrent = TAVRO_TRANSLATABLE("ratings", "Ток пульсаций");
inline constexpr std::string_view kDiodesHeading =
    TAVRO_TRANSLATABLE("ratings", "Вентили моста (4 шт.)");
inline constexpr std::string_view kReverseVoltage =
    TAVRO_TRANSLATABLE("ratings", "Обратное напряжение");
inline constexpr std::string_view kMeanCurrent = TAVRO_TRANSLATABLE("ratings", "Средний ток");
inline constexpr std::string_view kRmsCurrent = TAVRO_TRANSLATABLE("ratings", "Действующий ток");
inline constexpr std::string_view kRepetitivePeak =
    TAVRO_TRANSLATABLE("ratings", "Повторяющийся импульсный ток");
inline constexpr std::string_view kSurge =
    TAVRO_TRANSLATABLE("ratings", "Ударный ток при включении");
inline constexpr std::string_view kTransformerHeading =
    TAVRO_TRANSLATABLE("ratings", "Трансформатор");
inline constexpr std::string_view kFramePower =
    TAVRO_TRANSLATABLE("ratings", "Габаритная мощность");
inline constexpr std::string_view kSecondary = TAVRO_TRANSLATABLE("ratings", "Вторичная обмотка");
inline constexpr std::string_view kPrimary = TAVRO_TRANSLATABLE("ratings", "Первичная обмотка");
inline constexpr std::string_view kCornersHeading =
    TAVRO_TRANSLATABLE("ratings", "Выход при отклонениях сети");
inline constexpr std::string_view kLowMainsOutput =
    TAVRO_TRANSLATABLE("ratings", "Выпрямленное напряжение при пониженной сети");
inline constexpr std::string_view kHighMainsNoLoad =
    TAVRO_TRANSLATABLE("ratings", "Напряжение холостого хода при повышенной сети");

// The requirement and choice columns: templates whose %1, %2, … are numbers
// in the user's decimal separator (selection_table.cpp fills them).
inline constexpr std::string_view kVolts = TAVRO_TRANSLATABLE("ratings", "%1 В");
inline constexpr std::string_view kAmperes = TAVRO_TRANSLATABLE("ratings", "%1 А");
inline constexpr std::string_view kMicrofarads = TAVRO_TRANSLATABLE("ratings", "%1 мкФ");
inline constexpr std::string_view kVoltAmperes = TAVRO_TRANSLATABLE("ratings", "%1 В·А");
// %1 a value with its unit.
inline constexpr std::string_view kAtLeast = TAVRO_TRANSLATABLE("ratings", "не менее %1");
inline constexpr std::string_view kNoClassAbove =
    TAVRO_TRANSLATABLE("ratings", "нет стандартного класса выше %1");
// %1 why (the solver's reason, in English).
inline constexpr std::string_view kNotComputedBecause =
    TAVRO_TRANSLATABLE("ratings", "не рассчитано: %1");
// The same words as a prefix, for callers that append the reason themselves.
inline constexpr std::string_view kNotComputed = TAVRO_TRANSLATABLE("ratings", "не рассчитано: ");
// %1 the capacitance needed, %2 the part's tolerance in per cent.
inline constexpr std::string_view kCapacitanceNeeded =
    TAVRO_TRANSLATABLE("ratings", "не менее %1 мкФ с учётом допуска −%2 %");
// %1 the standard capacitance, %2 the series' name (E6, E12).
inline constexpr std::string_view kCapacitanceInSeries =
    TAVRO_TRANSLATABLE("ratings", "%1 мкФ (ряд %2)");
// %1 the working voltage, %2 the mains tolerance in per cent.
inline constexpr std::string_view kCapacitorVoltageNeeded =
    TAVRO_TRANSLATABLE("ratings", "%1 В без нагрузки, сеть +%2 %");
inline constexpr std::string_view kRippleCurrentNeeded =
    TAVRO_TRANSLATABLE("ratings", "%1 А действующий");
// %1 the peak reverse voltage at high mains, %2 the tolerance in per cent,
// %3 the margin, %4 the voltage with the margin.
inline constexpr std::string_view kReverseVoltageNeeded =
    TAVRO_TRANSLATABLE("ratings", "%1 В амплитуда при сети +%2 %, с запасом ×%3: %4 В");
// %1 the surge's peak, %2 the worst switch-on phase in degrees, %3 the
// tolerance in per cent.
inline constexpr std::string_view kSurgeNeeded = TAVRO_TRANSLATABLE(
    "ratings", "%1 А при включении на фазе %2°, сеть +%3 %, конденсатор разряжен");
inline constexpr std::string_view kIfsmAtLeast =
    TAVRO_TRANSLATABLE("ratings", "IFSM не менее %1 А");
// %1 the no-load voltage, %2 the voltage at rated load, %3 the current.
inline constexpr std::string_view kSecondaryRating =
    TAVRO_TRANSLATABLE("ratings", "%1 В без нагрузки; %2 В при %3 А");
// %1 the mains voltage, %2 its frequency, %3 the primary current.
inline constexpr std::string_view kPrimaryRating =
    TAVRO_TRANSLATABLE("ratings", "%1 В, %2 Гц при %3 А");
// %1 the tolerance in per cent, %2 the output (kLowMainsOutputValues) or why
// it is missing.
inline constexpr std::string_view kLowMainsConditions =
    TAVRO_TRANSLATABLE("ratings", "сеть −%1 %, номинальный ток: %2");
// %1 the mean rectified voltage, %2 the lowest instantaneous one.
inline constexpr std::string_view kLowMainsOutputValues =
    TAVRO_TRANSLATABLE("ratings", "среднее %1 В; наименьшее мгновенное %2 В");
// %1 the tolerance in per cent, %2 the no-load voltage.
inline constexpr std::string_view kHighMainsNoLoadValue =
    TAVRO_TRANSLATABLE("ratings", "сеть +%1 %: %2 В");

// The capacitor's voltage need, losses and life, the basis of the currents,
// the transformer's losses, the efficiency and the switch-on protection.
inline constexpr std::string_view kSwitchOnVoltage =
    TAVRO_TRANSLATABLE("ratings", "Напряжение после включения");
// %1 the highest capacitor voltage, %2 the switch-on phase in degrees, %3 the
// mains tolerance in per cent.
inline constexpr std::string_view kSwitchOnVoltageValue = TAVRO_TRANSLATABLE(
    "ratings", "%1 В при включении на фазе %2°, сеть +%3 %, без нагрузки, конденсатор разряжен");
// %1 the crest less the two diodes' drop, %2 the mains tolerance in per cent.
inline constexpr std::string_view kSwitchOnNoOvershoot = TAVRO_TRANSLATABLE(
    "ratings", "%1 В (амплитуда при сети +%2 % за вычетом падения на вентилях): выброса нет");
inline constexpr std::string_view kVoltageMargin =
    TAVRO_TRANSLATABLE("ratings", "Запас по напряжению");
// %1 the margin, %2 the voltage need (the larger of the two above), %3 the
// need with the margin.
inline constexpr std::string_view kVoltageMarginValue =
    TAVRO_TRANSLATABLE("ratings", "×%1 к большему из двух, %2 В: %3 В");
// %1 the class's headroom over the need in per cent.
inline constexpr std::string_view kHeadroom = TAVRO_TRANSLATABLE("ratings", "запас %1 %");
inline constexpr std::string_view kCurrentsBasis = TAVRO_TRANSLATABLE("ratings", "Токи для выбора");
// %1 the typical rise of the capacitor's rms current in per cent, %2 of the
// diodes' peak current.
inline constexpr std::string_view kCurrentsOfMethod = TAVRO_TRANSLATABLE(
    "ratings",
    "по методу; реальные вентили при таком напряжении обычно повышают ток конденсатора "
    "на %1 %, пиковый ток вентилей на %2 %");
// %1, %2, %3: which figure rules the capacitor's rms current, the diodes' rms
// and peak current (kByMethod or kBySimulation).
inline constexpr std::string_view kCurrentsOfBoth = TAVRO_TRANSLATABLE(
    "ratings",
    "большее из метода и моделирования: ток конденсатора — %1, действующий ток вентиля — %2, "
    "пиковый — %3");
inline constexpr std::string_view kByMethod = TAVRO_TRANSLATABLE("ratings", "метод");
inline constexpr std::string_view kBySimulation = TAVRO_TRANSLATABLE("ratings", "моделирование");
inline constexpr std::string_view kEsr = TAVRO_TRANSLATABLE("ratings", "ESR");
// %1 the ESR in ohms, %2 the dissipation factor it is estimated from.
inline constexpr std::string_view kEsrEstimated =
    TAVRO_TRANSLATABLE("ratings", "%1 Ом — оценка по типичному tg δ = %2 на 120 Гц (Nichicon UPW)");
inline constexpr std::string_view kEsrEntered = TAVRO_TRANSLATABLE("ratings", "%1 Ом — задано");
inline constexpr std::string_view kCapacitorHeat = TAVRO_TRANSLATABLE("ratings", "Потери и нагрев");
// %1 the loss in watts, %2 the self-heating in kelvin, %3 the capacitor's
// temperature, %4 the ambient.
inline constexpr std::string_view kCapacitorHeatValue = TAVRO_TRANSLATABLE(
    "ratings", "ESR·I² = %1 Вт; перегрев %2 К (оценка по размеру корпуса): %3 °C при %4 °C вокруг");
inline constexpr std::string_view kCapacitorLife = TAVRO_TRANSLATABLE("ratings", "Срок службы");
// %1 the life in hours, %2 the temperature, %3 the rated life, %4 the rated
// temperature.
inline constexpr std::string_view kCapacitorLifeValue =
    TAVRO_TRANSLATABLE("ratings", "%1 ч при %2 °C (правило 10 °C от %3 ч при %4 °C)");
inline constexpr std::string_view kCopperLoss =
    TAVRO_TRANSLATABLE("ratings", "Потери в обмотках и стали");
// %1 the copper loss, %2 the core loss, %3 the core loss's share of the
// copper loss.
inline constexpr std::string_view kCopperLossValue = TAVRO_TRANSLATABLE(
    "ratings", "Rtr·I2² = %1 Вт; в стали %2 Вт (принято ×%3 от потерь в обмотках)");
inline constexpr std::string_view kEfficiencyHeading =
    TAVRO_TRANSLATABLE("ratings", "КПД при номинальной нагрузке");
inline constexpr std::string_view kEfficiency = TAVRO_TRANSLATABLE("ratings", "КПД источника");
// %1 the efficiency in per cent, %2 the output power, %3 the bridge's loss,
// %4 the capacitor's, %5 the transformer's.
inline constexpr std::string_view kEfficiencyValue = TAVRO_TRANSLATABLE(
    "ratings",
    "%1 %: выход %2 Вт; потери: вентили %3 Вт (модель метода), конденсатор %4 Вт, "
    "трансформатор %5 Вт");
// The same with a chosen diode: %6 whose loss it is (kBridgeLossOfModel or
// kBridgeLossSimulated).
inline constexpr std::string_view kEfficiencyValueChosen = TAVRO_TRANSLATABLE(
    "ratings",
    "%1 %: выход %2 Вт; потери: вентили %3 Вт (%6), конденсатор %4 Вт, трансформатор %5 Вт");
// %1 the chosen diode's name.
inline constexpr std::string_view kBridgeLossOfModel = TAVRO_TRANSLATABLE("ratings", "модель %1");
inline constexpr std::string_view kBridgeLossSimulated =
    TAVRO_TRANSLATABLE("ratings", "%1, по моделированию");
inline constexpr std::string_view kSwitchOnHeading =
    TAVRO_TRANSLATABLE("ratings", "Включение: ограничитель и предохранитель");
inline constexpr std::string_view kLimiter =
    TAVRO_TRANSLATABLE("ratings", "Термистор NTC в первичной цепи");
inline constexpr std::string_view kLimiterNoLimit =
    TAVRO_TRANSLATABLE("ratings", "не рассчитан: допустимый ударный ток не задан");
// %1 the surge, %2 the allowed surge.
inline constexpr std::string_view kLimiterNotNeeded =
    TAVRO_TRANSLATABLE("ratings", "не нужен: ударный ток %1 А не больше допустимого %2 А");
// %1 the least cold resistance, %2 the allowed surge, %3 the steady current,
// %4 the energy, %5 the surge with the standard resistance.
inline constexpr std::string_view kLimiterValue = TAVRO_TRANSLATABLE(
    "ratings",
    "холодное сопротивление не менее %1 Ом (ударный ток не более %2 А); ток %3 А; энергия "
    "включения не менее %4 Дж; ударный ток с ним %5 А");
inline constexpr std::string_view kOhms = TAVRO_TRANSLATABLE("ratings", "%1 Ом");
inline constexpr std::string_view kFuse =
    TAVRO_TRANSLATABLE("ratings", "Предохранитель инерционный (T) в первичной цепи");
// %1 the primary current, %2 the tolerance, %3 the factor, %4 the needed rating.
inline constexpr std::string_view kFuseValue =
    TAVRO_TRANSLATABLE("ratings", "%1 А при номинальной нагрузке и сети +%2 %, ×%3: %4 А");
inline constexpr std::string_view kFuseRating = TAVRO_TRANSLATABLE("ratings", "T %1 А");
inline constexpr std::string_view kFuseIntegral =
    TAVRO_TRANSLATABLE("ratings", "I²t при включении");
// %1 the surge's I²t in the primary, %2 the fuse's melting I²t.
inline constexpr std::string_view kFuseIntegralValue =
    TAVRO_TRANSLATABLE("ratings",
                       "%1 А²·с против %2 А²·с плавления (типично, Bel Fuse 5ST/5HT); бросок тока "
                       "намагничивания не учтён");
inline constexpr std::string_view kFuseIntegralUnknown =
    TAVRO_TRANSLATABLE("ratings", "%1 А²·с; для этого номинала нет типичного I²t плавления");
inline constexpr std::string_view kPasses = TAVRO_TRANSLATABLE("ratings", "✓ выдерживает");
inline constexpr std::string_view kFails =
    TAVRO_TRANSLATABLE("ratings", "✗ перегорит: нужен ограничитель или больший номинал");
inline constexpr std::string_view kNominalLowest =
    TAVRO_TRANSLATABLE("ratings", "Наименьшее мгновенное напряжение при номинальной сети");
// %1 the method's trough, %2 the simulated one.
inline constexpr std::string_view kNominalLowestValue =
    TAVRO_TRANSLATABLE("ratings", "%1 В по методу; %2 В по моделированию");

// Mains settings.
inline constexpr std::string_view kMainsVoltageOutOfRange =
    TAVRO_TRANSLATABLE("ratings", "Напряжение сети должно быть от 1 до 1000 В");
inline constexpr std::string_view kMainsFrequencyOutOfRange =
    TAVRO_TRANSLATABLE("ratings", "Частота сети должна быть от 1 до 1000 Гц");
inline constexpr std::string_view kMainsToleranceOutOfRange =
    TAVRO_TRANSLATABLE("ratings", "Допуск напряжения сети должен быть от 0 до 50 %");

// The output group's caption for mains other than 220 V / 50 Hz: %1 the
// voltage, %2 the frequency.
inline constexpr std::string_view kOutputsGroupForMains =
    TAVRO_TRANSLATABLE("ratings", "Выходные данные (питающая сеть %1 В / %2 Гц)");

// The chosen diode's rows (selection_table.cpp, "The chosen diode" in
// docs/method.md).
inline constexpr std::string_view kChosenDiode = TAVRO_TRANSLATABLE("ratings", "Вентиль");
inline constexpr std::string_view kDiodeVrrm =
    TAVRO_TRANSLATABLE("ratings", "Повторяющееся обратное напряжение VRRM");
inline constexpr std::string_view kDiodeIfav =
    TAVRO_TRANSLATABLE("ratings", "Средний прямой ток IF(AV)");
inline constexpr std::string_view kDiodeIfsm =
    TAVRO_TRANSLATABLE("ratings", "Ударный ток с сопротивлением вентилей");
inline constexpr std::string_view kDiodeLoss =
    TAVRO_TRANSLATABLE("ratings", "Потери проводимости в вентиле");
inline constexpr std::string_view kJunctionTemperature =
    TAVRO_TRANSLATABLE("ratings", "Температура перехода");
inline constexpr std::string_view kHeatsink = TAVRO_TRANSLATABLE("ratings", "Радиатор");
inline constexpr std::string_view kEqualising =
    TAVRO_TRANSLATABLE("ratings", "Выравнивающие резисторы");
inline constexpr std::string_view kSuggestedDiode =
    TAVRO_TRANSLATABLE("ratings", "Наименьший подходящий вентиль библиотеки");
// %1 the model's name.
inline constexpr std::string_view kDiodeFits = TAVRO_TRANSLATABLE("ratings", "%1: годится");
inline constexpr std::string_view kDiodeFails = TAVRO_TRANSLATABLE("ratings", "%1: не годится");
// %1 the need, %2 the rating (values with units), %3 the margin in per cent.
inline constexpr std::string_view kRatingPasses =
    TAVRO_TRANSLATABLE("ratings", "%2 против %1: годится, запас %3 %");
inline constexpr std::string_view kRatingFails =
    TAVRO_TRANSLATABLE("ratings", "%2 против %1: не годится, не хватает %3 %");
// %1 the surge with two diodes' RS, %2 their resistance 2·RS, %3 the
// conservative surge without it.
inline constexpr std::string_view kSurgeWithDiodes = TAVRO_TRANSLATABLE(
    "ratings", "%1 А с сопротивлением двух вентилей %2 Ом (без него %3 А); IFSM проверен по нему");
// %1 the loss of one arm, %2 of the bridge, %3 Vf0, %4 rd.
inline constexpr std::string_view kDiodeLossValue =
    TAVRO_TRANSLATABLE("ratings", "%1 Вт, мост %2 Вт (Vf0·Iср + rd·Iд², Vf0 = %3 В, rd = %4 Ом)");
// The loss from a simulation with the chosen diode: %1 one arm's, %2 the
// bridge's, %3 the formula's estimate of one arm, %4 Vf0, %5 rd.
inline constexpr std::string_view kDiodeLossSimulatedValue = TAVRO_TRANSLATABLE(
    "ratings",
    "%1 Вт по моделированию, мост %2 Вт; по формуле %3 Вт (Vf0·Iср + rd·Iд², Vf0 = %4 В, "
    "rd = %5 Ом)");
// %1 the junction temperature, %2 the ambient, %3 the diode's Tj max.
inline constexpr std::string_view kJunctionValue =
    TAVRO_TRANSLATABLE("ratings", "%1 °C без радиатора при %2 °C вокруг (не более %3 °C)");
// %2 the ambient, %3 Tj max: no free-standing thermal resistance published.
inline constexpr std::string_view kJunctionNoFigure = TAVRO_TRANSLATABLE(
    "ratings", "RθJA без радиатора не опубликовано (%2 °C вокруг, не более %3 °C)");
inline constexpr std::string_view kHeatsinkNotNeeded = TAVRO_TRANSLATABLE("ratings", "не нужен");
// %1 the largest heatsink-to-ambient thermal resistance.
inline constexpr std::string_view kHeatsinkNeeded =
    TAVRO_TRANSLATABLE("ratings", "нужен: не более %1 К/Вт на весь мост");
inline constexpr std::string_view kHeatsinkNone =
    TAVRO_TRANSLATABLE("ratings", "нужен: никакой радиатор не удержит переход ниже предела");
inline constexpr std::string_view kHeatsinkUnknown =
    TAVRO_TRANSLATABLE("ratings", "нужен: тепловое сопротивление переход–вывод не опубликовано");
// %1 how many (one per diode), %2 the largest resistance, %3 its power.
inline constexpr std::string_view kEqualisingValue =
    TAVRO_TRANSLATABLE("ratings", "%1 шт. на плечо, не более %2 Ом, %3 Вт каждый");
inline constexpr std::string_view kEqualisingImpossible =
    TAVRO_TRANSLATABLE("ratings", "цепочка коротка: её VRRM ниже нужного");
// Warnings about the chosen diode (JSON "warnings").
inline constexpr std::string_view kWarnDiodeReverse = TAVRO_TRANSLATABLE(
    "ratings", "Повторяющееся обратное напряжение выбранного вентиля ниже нужного с запасом.");
inline constexpr std::string_view kWarnDiodeCurrent = TAVRO_TRANSLATABLE(
    "ratings", "Средний прямой ток выбранного вентиля ниже среднего тока через него.");
inline constexpr std::string_view kWarnDiodeSurge = TAVRO_TRANSLATABLE(
    "ratings",
    "Ударный ток при включении больше IFSM выбранного вентиля: нужен ограничитель тока "
    "включения или вентиль мощнее.");
inline constexpr std::string_view kWarnDiodeHeatsink = TAVRO_TRANSLATABLE(
    "ratings", "Выбранный вентиль без радиатора перегреется: нужен радиатор.");
inline constexpr std::string_view kNoDiodeFits = TAVRO_TRANSLATABLE("ratings", "в библиотеке нет");

}  // namespace tavro::design::ratings::texts
