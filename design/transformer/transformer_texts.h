// Every text of the transformer one can buy or wind: the table of standard
// candidates and the winding data (shared by the command-line tool, the
// window and the PDF report). Russian, marked for translation under
// kContext.
#pragma once

#include <string_view>

#include "design/translatable.h"

namespace tavro::design::transformer::texts {

inline constexpr char kContext[] = "transformer";

// The standard candidates.
inline constexpr std::string_view kCandidatesTitle =
    TAVRO_TRANSLATABLE("transformer", "Стандартные трансформаторы");
// %1 the EMF, %2 the secondary current the design needs.
inline constexpr std::string_view kCandidatesNeed =
    TAVRO_TRANSLATABLE("transformer", "Нужно: ЭДС вторичной обмотки %1 В при токе %2 А");
inline constexpr std::string_view kLaminated =
    TAVRO_TRANSLATABLE("transformer", "Броневой (Ш-образный)");
inline constexpr std::string_view kToroidal = TAVRO_TRANSLATABLE("transformer", "Тороидальный");
// %1 the kind, %2 the rated secondary voltage, %3 the V·A, %4 the regulation.
inline constexpr std::string_view kCandidatePlate =
    TAVRO_TRANSLATABLE("transformer", "%1 %2 В, %3 В·А (изменение напряжения %4 %)");
// %1 U0 at nominal mains, %2 at low mains.
inline constexpr std::string_view kCandidateVoltage =
    TAVRO_TRANSLATABLE("transformer", "U0 %1 В, при пониженном напряжении сети %2 В");
inline constexpr std::string_view kCandidateRipple =
    TAVRO_TRANSLATABLE("transformer", "пульсации %1 %");
// %1 the no-load crest at high mains.
inline constexpr std::string_view kCandidateNoLoad =
    TAVRO_TRANSLATABLE("transformer", "без нагрузки при повышенном напряжении сети %1 В");
// %1 the capacitor's voltage class.
inline constexpr std::string_view kAboveCapacitorClass =
    TAVRO_TRANSLATABLE("transformer", "выше класса конденсатора %1 В");
// %1 the secondary current, %2 the rated one, %3 their ratio in %.
inline constexpr std::string_view kCandidateLoading =
    TAVRO_TRANSLATABLE("transformer", "I2 %1 А при номинальном %2 А (%3 %)");
inline constexpr std::string_view kCandidateChosen =
    TAVRO_TRANSLATABLE("transformer", "наименьший, дающий U0");
inline constexpr std::string_view kCandidateFailed =
    TAVRO_TRANSLATABLE("transformer", "расчёт с этим трансформатором не выполнен");
inline constexpr std::string_view kNoCandidate = TAVRO_TRANSLATABLE(
    "transformer", "Ни один трансформатор стандартных рядов не даёт U0 в пределах своей мощности.");

// The columns of the candidates' table.
inline constexpr std::string_view kColumnTransformer =
    TAVRO_TRANSLATABLE("transformer", "Трансформатор");
inline constexpr std::string_view kColumnWithIt =
    TAVRO_TRANSLATABLE("transformer", "Выпрямитель с ним");

// The winding of one's own.
inline constexpr std::string_view kWindingTitle =
    TAVRO_TRANSLATABLE("transformer", "Намотка трансформатора");
// The core families.
inline constexpr std::string_view kFamilyEI =
    TAVRO_TRANSLATABLE("transformer", "Ш-образные пластины (E-I)");
inline constexpr std::string_view kFamilyToroidal =
    TAVRO_TRANSLATABLE("transformer", "Тороидальный ленточный");
inline constexpr std::string_view kFamilyC =
    TAVRO_TRANSLATABLE("transformer", "Ленточный разрезной (C)");
inline constexpr std::string_view kFamilyLabel = TAVRO_TRANSLATABLE("transformer", "Сердечник:");
inline constexpr std::string_view kFluxLabel = TAVRO_TRANSLATABLE("transformer", "Индукция, Тл:");
// %1 the core family, %2 the flux density asked for.
inline constexpr std::string_view kWindRequest =
    TAVRO_TRANSLATABLE("transformer", "%1, индукция %2 Тл");
// %1 the core's name, %2 the iron's cross-section, %3 the window, %4 the
// magnetic path, %5 the core's mass.
inline constexpr std::string_view kWindCore = TAVRO_TRANSLATABLE(
    "transformer",
    "Сердечник %1: сечение стали %2 см², окно %3 см², средняя длина магнитной линии %4 см, "
    "масса %5 кг");
// %1 the smaller cores' names.
inline constexpr std::string_view kWindRefused =
    TAVRO_TRANSLATABLE("transformer", "меньшие сердечники не вмещают обмотки: %1");
// %1 turns per volt, %2 the flux density asked for, %3 the one with the turns rounded.
inline constexpr std::string_view kWindTurnsPerVolt = TAVRO_TRANSLATABLE(
    "transformer", "%1 витка на вольт при индукции %2 Тл (с округлёнными витками %3 Тл)");
inline constexpr std::string_view kWindPrimary =
    TAVRO_TRANSLATABLE("transformer", "Первичная обмотка");
inline constexpr std::string_view kWindSecondary =
    TAVRO_TRANSLATABLE("transformer", "Вторичная обмотка");
// %1 the winding, %2 turns, %3 the bare wire, %4 with its enamel, %5 the
// current density, %6 layers, %7 turns a layer, %8 the coil's build, %9 the
// mean turn.
inline constexpr std::string_view kWindCoil = TAVRO_TRANSLATABLE(
    "transformer",
    "%1: число витков %2, провод %3 мм (%4 мм с эмалью), %5 А/мм²; слоёв %6, витков в слое %7, "
    "толщина %8 мм, средний виток %9 см");
// %1 at 20 °C, %2 at %3 °C.
inline constexpr std::string_view kWindResistance =
    TAVRO_TRANSLATABLE("transformer", "сопротивление %1 Ом при 20 °C, %2 Ом при %3 °C");
// %1 the fill in %, %2 the coil's stack, %3 the room, %4 the copper's share
// of the window in %.
inline constexpr std::string_view kWindFill = TAVRO_TRANSLATABLE(
    "transformer",
    "Заполнение окна %1 % (катушка с изоляцией %2 мм из %3 мм); медь занимает %4 % площади "
    "окна");
// %1 copper loss, %2 core loss, %3 W/kg, %4 the surface, %5 the rise, %6 the
// working temperature.
inline constexpr std::string_view kWindLosses = TAVRO_TRANSLATABLE(
    "transformer",
    "Потери в меди %1 Вт, в стали %2 Вт (%3 Вт/кг); поверхность охлаждения %4 см², перегрев "
    "%5 °C, рабочая температура %6 °C");
// %1 the wound EMF, %2 the design's.
inline constexpr std::string_view kWindEmf = TAVRO_TRANSLATABLE(
    "transformer", "ЭДС вторичной обмотки без нагрузки %1 В (по расчёту выпрямителя %2 В)");
// %1 the wound, %2 the method's estimate, %3 how far apart in %.
inline constexpr std::string_view kWindRtr = TAVRO_TRANSLATABLE(
    "transformer",
    "Сопротивление обмоток, приведённое ко вторичной, %1 Ом (эмпирическая оценка метода %2 Ом, "
    "%3 %)");
inline constexpr std::string_view kWindLs = TAVRO_TRANSLATABLE(
    "transformer", "Индуктивность рассеяния %1 мГн (эмпирическая оценка метода %2 мГн, %3 %)");
// %1 U0, %2 the design's U0, %3 the ripple, %4 the secondary current.
inline constexpr std::string_view kWindResult = TAVRO_TRANSLATABLE(
    "transformer", "С этим трансформатором: U0 %1 В (по расчёту %2 В), пульсации %3 %, I2 %4 А");
inline constexpr std::string_view kWindResultFailed =
    TAVRO_TRANSLATABLE("transformer", "Расчёт выпрямителя с этим трансформатором не выполнен.");
inline constexpr std::string_view kWindNoCore =
    TAVRO_TRANSLATABLE("transformer", "Ни один сердечник этого семейства не вмещает обмотки.");
inline constexpr std::string_view kWindNumerical =
    TAVRO_TRANSLATABLE("transformer", "Намотку рассчитать не удалось.");
inline constexpr std::string_view kWindFlux =
    TAVRO_TRANSLATABLE("transformer", "Индукция в сердечнике должна быть положительной.");

}  // namespace tavro::design::transformer::texts
