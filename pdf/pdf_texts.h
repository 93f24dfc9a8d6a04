// The PDF report's own texts: its title, headings, plot captions and the
// labels of the circuit drawing. Tables reuse the names of report/results_table,
// the load characteristic the window's captions (design/texts.h). The
// document is in the language in use (i18n/catalogue.h): these texts under
// kContext, the calculation's under its own.
#pragma once

#include <string_view>

#include "design/translatable.h"

namespace tavro::pdf::texts {

inline constexpr char kContext[] = "pdf";

inline constexpr std::string_view kTitle = TAVRO_TRANSLATABLE(
    "pdf",
    "Расчёт однофазного мостового выпрямителя, работающего на ёмкость, с учётом индуктивности "
    "рассеяния трансформатора");
inline constexpr std::string_view kDate = TAVRO_TRANSLATABLE("pdf", "Дата расчёта:");
inline constexpr std::string_view kCircuit = TAVRO_TRANSLATABLE("pdf", "Схема выпрямителя");
inline constexpr std::string_view kLoadPlot =
    TAVRO_TRANSLATABLE("pdf", "Нагрузочная характеристика");
inline constexpr std::string_view kLoadPlotNote = TAVRO_TRANSLATABLE(
    "pdf",
    "Выпрямленное напряжение от холостого хода до 120 % номинального тока; точкой отмечен "
    "номинальный режим.");
inline constexpr std::string_view kPulsePlot = TAVRO_TRANSLATABLE("pdf", "Форма тока вентиля");
// %1 start and %2 end of conduction (degrees), %3 peak and %4 rms current (A).
inline constexpr std::string_view kPulseNote = TAVRO_TRANSLATABLE(
    "pdf",
    "Ток одного вентиля за период сети в номинальном режиме: проводимость с %1° до %2°, "
    "максимум %3 А, действующее значение %4 А.");
// %1 the mains voltage, %2 its frequency, as the design was calculated.
inline constexpr std::string_view kMains = TAVRO_TRANSLATABLE("pdf", "Сеть %1 В, %2 Гц");
// %1 U2, %2 I2, %3 I1, %4 frame power.
inline constexpr std::string_view kSecondary =
    TAVRO_TRANSLATABLE("pdf", "U2 = %1 В\nI2 = %2 А\nI1 = %3 А\nPгаб = %4 В·А");
// %1 reverse voltage, %2 rms and %3 peak current of a diode.
inline constexpr std::string_view kDiodes =
    TAVRO_TRANSLATABLE("pdf", "Uобр = %1 В\nIд = %2 А\nIд max = %3 А");
// %1 capacitance, %2 working voltage.
inline constexpr std::string_view kCapacitor =
    TAVRO_TRANSLATABLE("pdf", "Cф = %1 мкФ\nUраб = %2 В");
// %1 U0, %2 I0, %3 Kp.
inline constexpr std::string_view kLoad =
    TAVRO_TRANSLATABLE("pdf", "Rн\nU0 = %1 В\nI0 = %2 А\nKп = %3 %");
inline constexpr std::string_view kSimulationTitle =
    TAVRO_TRANSLATABLE("pdf", "Проверка моделированием");
inline constexpr std::string_view kQuantityColumn = TAVRO_TRANSLATABLE("pdf", "Величина");
inline constexpr std::string_view kMethodColumn = TAVRO_TRANSLATABLE("pdf", "Расчёт");
inline constexpr std::string_view kSimulatedColumn = TAVRO_TRANSLATABLE("pdf", "Моделирование");
inline constexpr std::string_view kDifferenceColumn = TAVRO_TRANSLATABLE("pdf", "Расхождение, %");
// %1 the diode model's name, %2 where its parameters come from, as the
// library names it (in English, the library's own words).
inline constexpr std::string_view kDiodeSource = TAVRO_TRANSLATABLE(
    "pdf", "Модель вентиля %1, источник параметров (по-английски, как в библиотеке): %2");
// Every page's footer: %1 the design (kFooterDesign), %2 the date.
inline constexpr std::string_view kFooter = TAVRO_TRANSLATABLE("pdf", "%1 · %2");
// %1…%6 the six inputs as typed.
inline constexpr std::string_view kFooterDesign = TAVRO_TRANSLATABLE(
    "pdf", "U0 = %1 В, I0 = %2 А, Kп = %3 %, стержней с обмотками: %4, Bm = %5 Тл, Uпр = %6 В");
// %1 this page, %2 the pages of the document.
inline constexpr std::string_view kPageOf = TAVRO_TRANSLATABLE("pdf", "стр. %1 из %2");
// The simulation's waveforms (pdf/simulation_plots.h).
inline constexpr std::string_view kSimulatedVout =
    TAVRO_TRANSLATABLE("pdf", "Моделирование: выходное напряжение");
inline constexpr std::string_view kSimulatedDiode =
    TAVRO_TRANSLATABLE("pdf", "Моделирование: ток вентиля");
inline constexpr std::string_view kSimulatedSurge =
    TAVRO_TRANSLATABLE("pdf", "Моделирование: включение");
inline constexpr std::string_view kCannotWrite =
    TAVRO_TRANSLATABLE("pdf", "Не удалось записать PDF-документ");

}  // namespace tavro::pdf::texts
