// The texts of the design's two plots (plot/design_plots.h) and of the
// simulation's (plot/simulation_plots.h): curve and marker names, notes,
// axis titles and the read-out's units. They are the
// window's texts first (context "app", the interface catalogue); the PDF
// report shows the same plots in the language in use.
#pragma once

#include <string_view>

#include "design/translatable.h"

namespace tavro::plot::texts {

inline constexpr char kContext[] = "app";

inline constexpr std::string_view kLoadPlotLegend =
    TAVRO_TRANSLATABLE("app", "U(I), 0 … 120 % номинального тока");
inline constexpr std::string_view kRatedPoint = TAVRO_TRANSLATABLE("app", "Номинальный режим");
inline constexpr std::string_view kSliderPoint = TAVRO_TRANSLATABLE("app", "Положение ползунка");
inline constexpr std::string_view kPulsePlotX =
    TAVRO_TRANSLATABLE("app", "Фаза напряжения сети, °");
inline constexpr std::string_view kPulsePlotY = TAVRO_TRANSLATABLE("app", "Ток вентиля, А");
inline constexpr std::string_view kPulsePlotLegend =
    TAVRO_TRANSLATABLE("app", "Ток вентиля за период сети");
inline constexpr std::string_view kConductionStart =
    TAVRO_TRANSLATABLE("app", "Начало проводимости:");
inline constexpr std::string_view kConductionEnd = TAVRO_TRANSLATABLE("app", "Конец проводимости:");
inline constexpr std::string_view kPulsePeak = TAVRO_TRANSLATABLE("app", "Максимум:");
inline constexpr std::string_view kRmsNote = TAVRO_TRANSLATABLE("app", "Действующее значение:");
inline constexpr std::string_view kPeakNote = TAVRO_TRANSLATABLE("app", "Амплитудное значение:");
inline constexpr std::string_view kTablePoints =
    TAVRO_TRANSLATABLE("app", "Строки таблицы (шаг 5 %)");
// The read-out's quantities: symbol, then unit with its leading space.
inline constexpr std::string_view kLoadX = "I", kLoadXUnit = TAVRO_TRANSLATABLE("app", " А");
inline constexpr std::string_view kLoadY = "U", kLoadYUnit = TAVRO_TRANSLATABLE("app", " В");
inline constexpr std::string_view kPulseX = "ωt", kPulseXUnit = "°";
inline constexpr std::string_view kPulseY = "i", kPulseYUnit = TAVRO_TRANSLATABLE("app", " А");
// The simulation's waveforms, time in milliseconds, in the simulation window
// and the PDF alike.
inline constexpr std::string_view kTimeAxis = TAVRO_TRANSLATABLE("app", "Время, мс");
inline constexpr std::string_view kVoltageAxis = TAVRO_TRANSLATABLE("app", "Напряжение, В");
inline constexpr std::string_view kCurrentAxis = TAVRO_TRANSLATABLE("app", "Ток, А");
inline constexpr std::string_view kTime = "t", kTimeUnit = TAVRO_TRANSLATABLE("app", " мс");
inline constexpr std::string_view kVoltage = "U", kCurrent = "i";
// %1 the mains voltage.
inline constexpr std::string_view kSurgeNominalLegend =
    TAVRO_TRANSLATABLE("app", "Номинальное напряжение сети, %1 В");
inline constexpr std::string_view kSurgeHighLegend =
    TAVRO_TRANSLATABLE("app", "Повышенное напряжение сети, %1 В");

}  // namespace tavro::plot::texts
