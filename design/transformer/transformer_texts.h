// Every text of the transformer one can buy or wind: the table of standard
// candidates and the winding data (shared by the command-line tool and, in
// time, the window and the PDF report). Russian, marked for translation under
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

}  // namespace tavro::design::transformer::texts
