// The window's own texts: caption, menus and the About message.
#pragma once

#include <string>
#include <string_view>

#include "tavro/version.h"

namespace tavro::app::texts {

inline constexpr std::string_view kCaption =
    "Расчёт однофазного мостового выпрямителя, работающего на ёмкость, с учётом индуктивности "
    "рассеяния трансформатора";

inline constexpr std::string_view kFileMenu = "Файл";
inline constexpr std::string_view kSaveItem = "Сохранить данные...";
inline constexpr std::string_view kExitItem = "Выход";
inline constexpr std::string_view kHelpMenu = "Справка";
inline constexpr std::string_view kAboutItem = "О программе...";

// The plots (beyond the original window).
inline constexpr std::string_view kPlotsMenu = "Графики";
inline constexpr std::string_view kLoadPlotItem = "Нагрузочная характеристика...";
inline constexpr std::string_view kPulsePlotItem = "Форма тока вентиля...";
inline constexpr std::string_view kLoadPlotTitle = "Нагрузочная характеристика выпрямителя";
inline constexpr std::string_view kLoadPlotX = "Выпрямленный ток, А";
inline constexpr std::string_view kLoadPlotY = "Выпрямленное напряжение, В";
inline constexpr std::string_view kLoadPlotLegend = "U(I), 0 … 120 % номинального тока";
inline constexpr std::string_view kRatedPoint = "Номинальный режим";
inline constexpr std::string_view kSliderPoint = "Положение ползунка";
inline constexpr std::string_view kPulsePlotTitle = "Форма тока вентиля";
inline constexpr std::string_view kPulsePlotX = "Фаза напряжения сети, °";
inline constexpr std::string_view kPulsePlotY = "Ток вентиля, А";
inline constexpr std::string_view kPulsePlotLegend = "Ток вентиля за период сети";
inline constexpr std::string_view kConductionStart = "Начало проводимости:";
inline constexpr std::string_view kConductionEnd = "Конец проводимости:";
inline constexpr std::string_view kPulsePeak = "Максимум:";
inline constexpr std::string_view kRmsNote = "Действующее значение:";
inline constexpr std::string_view kPeakNote = "Амплитудное значение:";
inline constexpr std::string_view kSavePng = "Сохранить PNG...";
inline constexpr std::string_view kSaveSvg = "Сохранить SVG...";
inline constexpr std::string_view kSavePlotTitle = "Сохранить график";
inline constexpr std::string_view kPlotNotSaved = "Не удалось сохранить график в файл";

inline constexpr std::string_view kCalculateButton = "Расчёт";
inline constexpr std::string_view kLimbsOne = "1";
inline constexpr std::string_view kLimbsTwo = "2";

// Three lines separated by CR LF.
inline constexpr std::string_view kAbout =
    "Версия: 2.0\r\nАвтор программы: mq270\r\ne-mail: mq270@tavro.example";

// The About message as shown: the three lines and the release of this build.
inline std::string AboutMessage() {
  return std::string(kAbout) + "\r\nTavro " + std::string(release::kVersion);
}

inline constexpr std::string_view kNoDisplay =
    "tavro: no graphical display is available (DISPLAY is unset or unreachable); "
    "tavro-cli designs the rectifier on the command line, see tavro-cli --help";

inline constexpr std::string_view kUsage =
    "Usage: tavro [Qt options]\n"
    "       tavro --version | --help\n"
    "Opens the window that designs a single-phase bridge rectifier with a capacitor filter.\n"
    "  --version  print the version and exit\n"
    "  --help     print this help and exit\n"
    "tavro-cli designs the rectifier on the command line; see tavro(1) and tavro-cli(1).\n";

}  // namespace tavro::app::texts

// The simulation check (beyond the original window).
namespace tavro::app::texts {

inline constexpr std::string_view kSimulationMenu = "Моделирование";
inline constexpr std::string_view kSimulationItem = "Проверка моделированием...";
inline constexpr std::string_view kSimulationTitle = "Проверка моделированием";
inline constexpr std::string_view kExportSpiceItem = "Экспорт схемы SPICE...";
inline constexpr std::string_view kExportSpiceTitle = "Экспорт схемы SPICE";
inline constexpr std::string_view kExportSpiceFilter = "Схемы SPICE (*.cir)";
inline constexpr std::string_view kExportSpiceExtension = "cir";
inline constexpr std::string_view kSpiceNotWritten = "Не удалось записать схему в файл";
inline constexpr std::string_view kSimulationSettings = "Схема";
inline constexpr std::string_view kDiodeLabel = "Вентили:";
inline constexpr std::string_view kOwnModel = "Своя модель (.model)";
inline constexpr std::string_view kModelLabel = "Строка .model:";
inline constexpr std::string_view kEsrLabel = "ESR конденсатора, Ом:";
inline constexpr std::string_view kLoadLabel = "Нагрузка:";
inline constexpr std::string_view kResistiveLoad = "Резистор U0/I0";
inline constexpr std::string_view kCurrentLoad = "Источник тока I0";
inline constexpr std::string_view kRunButton = "Запустить";
inline constexpr std::string_view kCancelButton = "Отмена";
inline constexpr std::string_view kQuantityColumn = "Величина";
inline constexpr std::string_view kMethodColumn = "Расчёт";
inline constexpr std::string_view kSimulatedColumn = "Моделирование";
inline constexpr std::string_view kDifferenceColumn = "Расхождение, %";
inline constexpr std::string_view kStepMethod = "Допущения метода...";
inline constexpr std::string_view kStepCircuit = "Реальная схема...";
inline constexpr std::string_view kStepSurge = "Включение...";
inline constexpr std::string_view kSimulationDone = "Готово";
inline constexpr std::string_view kSimulationCancelled = "Моделирование отменено";
inline constexpr std::string_view kSimulationFailed = "Моделирование не удалось: ";
inline constexpr std::string_view kHelperCrashed = "программа моделирования завершилась аварийно";
inline constexpr std::string_view kHelperExited =
    "программа моделирования завершилась без ответа (код %1)";
inline constexpr std::string_view kHelperSilent =
    "программа моделирования не ответила за %1 с и остановлена";
inline constexpr std::string_view kHelperNotStarted = "не удалось запустить программу моделирования ";
inline constexpr std::string_view kBadEsr = "ESR конденсатора должно быть неотрицательным числом";
inline constexpr std::string_view kVoutPlot = "Выходное напряжение";
inline constexpr std::string_view kDiodePlot = "Ток вентиля";
inline constexpr std::string_view kCapacitorPlot = "Ток конденсатора";
inline constexpr std::string_view kSurgePlot = "Включение";
inline constexpr std::string_view kTimeAxis = "Время, мс";
inline constexpr std::string_view kVoltageAxis = "Напряжение, В";
inline constexpr std::string_view kCurrentAxis = "Ток, А";
inline constexpr std::string_view kPeriodsNote = "Установившийся режим: %1 периодов";

}  // namespace tavro::app::texts
