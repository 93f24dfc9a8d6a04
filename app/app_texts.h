// The window's own texts: caption, menus and the About message.
#pragma once

#include <string>
#include <string_view>

#include "design/window.h"
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
inline constexpr std::string_view kTablePoints = "Строки таблицы (шаг 5 %)";
// The read-out's quantities: symbol, then unit with its leading space.
inline constexpr std::string_view kLoadX = "I", kLoadXUnit = " А";
inline constexpr std::string_view kLoadY = "U", kLoadYUnit = " В";
inline constexpr std::string_view kPulseX = "ωt", kPulseXUnit = "°";
inline constexpr std::string_view kPulseY = "i", kPulseYUnit = " А";
// The plots' second title line: the six inputs as typed.
inline constexpr std::string_view kDesignLine =
    "U₀ = %1 В,  I₀ = %2 А,  Kп = %3 %,  стержней с обмотками: %4,  Bm = %5 Тл,  Uпр = %6 В";
inline constexpr std::string_view kResetView = "Исходный масштаб";
inline constexpr std::string_view kSavePng = "Сохранить PNG...";
inline constexpr std::string_view kSaveSvg = "Сохранить SVG...";
inline constexpr std::string_view kSavePdf = "Сохранить PDF...";
inline constexpr std::string_view kPngSizeTitle = "Размер изображения";
inline constexpr std::string_view kPngWidth = "Ширина, точек:";
inline constexpr std::string_view kPngHeight = "Высота, точек:";
inline constexpr std::string_view kPngScale = "Масштаб:";
inline constexpr std::string_view kScaleScreen = "×1 — как на экране";
inline constexpr std::string_view kScalePrint = "×2 — для печати";
inline constexpr std::string_view kPngResult = "Файл: %1 × %2 пикселей";
inline constexpr std::string_view kSavePlotTitle = "Сохранить график";
inline constexpr std::string_view kPlotNotSaved = "Не удалось сохранить график в файл";

// Mains and parts (beyond the original window).
inline constexpr std::string_view kSettingsMenu = "Параметры";
inline constexpr std::string_view kMainsItem = "Сеть...";
inline constexpr std::string_view kPartsMenu = "Элементы";
inline constexpr std::string_view kSelectionItem = "Выбор элементов...";
inline constexpr std::string_view kMainsTitle = "Сеть";
inline constexpr std::string_view kMainsVoltage = "Номинальное напряжение сети, В";
inline constexpr std::string_view kMainsFrequency = "Частота сети, Гц";
inline constexpr std::string_view kMainsTolerance = "Допустимое отклонение напряжения сети, ± %";
inline constexpr std::string_view kMainsNote =
    "Новые значения вступают в силу при следующем расчёте; показанный расчёт повторяется сразу.";
inline constexpr std::string_view kCapacitorTolerance = "Допуск ёмкости конденсатора, − %";
inline constexpr std::string_view kCapacitorSeries = "Ряд ёмкостей";
inline constexpr std::string_view kDiodeMargin = "Запас по обратному напряжению вентилей, раз";
inline constexpr std::string_view kE6 = "E6";
inline constexpr std::string_view kE12 = "E12";

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

// Everyday use: design files, the edit menu, the method, the PDF report.
inline constexpr std::string_view kOpenDesignItem = "Открыть проект...";
inline constexpr std::string_view kSaveDesignItem = "Сохранить проект";
inline constexpr std::string_view kSaveDesignAsItem = "Сохранить проект как...";
inline constexpr std::string_view kRecentMenu = "Недавние проекты";
inline constexpr std::string_view kNoRecent = "(нет)";
inline constexpr std::string_view kPdfItem = "Экспорт в PDF...";
inline constexpr std::string_view kEditMenu = "Правка";
inline constexpr std::string_view kCopyResultsItem = "Копировать результаты";
inline constexpr std::string_view kMethodItem = "Методика расчёта";
inline constexpr std::string_view kDesignFilter = "Проекты Tavro (*.tavro)|*.tavro";
inline constexpr std::string_view kOpenDesignTitle = "Открыть проект";
inline constexpr std::string_view kSaveDesignTitle = "Сохранить проект как...";
inline constexpr std::string_view kPdfFilter = "Документы PDF (*.pdf)|*.pdf";
inline constexpr std::string_view kPdfTitle = "Экспорт в PDF";
inline constexpr std::string_view kStaleNote =
    "Входные данные изменены: результаты относятся к прежнему расчёту. Нажмите «Расчёт».";
inline constexpr std::string_view kCurrentDesign = "Проект: %1";
inline constexpr std::string_view kMethodMissing = "Описание методики не входит в эту сборку.";

// Tooltips: what a field holds, its unit and the usual range.
struct FieldTip {
  design::Field Field;
  std::string_view Text;
};
inline constexpr FieldTip kFieldTips[] = {
    {design::Field::Edit1,
     "Номинальное выпрямленное напряжение U0 на нагрузке, В.\nБольше нуля; обычно от 5 до 500 В."},
    {design::Field::Edit2,
     "Номинальный выпрямленный ток нагрузки I0, А.\nНе менее 0,02 А; обычно от 0,1 до 20 А."},
    {design::Field::Edit3,
     "Коэффициент пульсации Kp: амплитуда составляющей 100 Гц выпрямленного напряжения "
     "в процентах от U0, %.\nБольше 0 и не более 15 %; обычно от 0,5 до 5 %."},
    {design::Field::Edit5,
     "Максимальная (амплитудная) магнитная индукция в сердечнике трансформатора Bm, Тл.\n"
     "Обычно от 1,0 до 1,6 Тл для электротехнической стали."},
    {design::Field::Edit6,
     "Прямое падение напряжения на одном диоде при постоянном токе Ud, В.\nОбычно от 0,6 до "
     "1,1 В для кремниевых диодов, от 0,3 до 0,5 В для диодов Шоттки."},
    {design::Field::Edit7,
     "Действующее напряжение вторичной обмотки U2 = B·U0, В.\nОбычно от 0,85 до 1,5 U0."},
    {design::Field::Edit13,
     "Действующий ток вторичной обмотки I2 = D·I0/√2, А.\nОбычно от 1,3 до 1,7 I0."},
    {design::Field::Edit14,
     "Действующий ток первичной обмотки при сети 220 В, А: I2, умноженный на U2/220."},
    {design::Field::Edit15,
     "Габаритная мощность трансформатора B·D·U0·I0/√2, В·А: по ней выбирают сердечник.\n"
     "Обычно от 1,2 до 2 мощности нагрузки U0·I0."},
    {design::Field::Edit16,
     "Амплитуда обратного напряжения на закрытом диоде √2·U2, В.\nДиод выбирают с запасом "
     "по этому напряжению."},
    {design::Field::Edit17,
     "Действующее значение тока через один диод D·I0/2, А.\nОбычно от 0,9 до 1,2 I0."},
    {design::Field::Edit18, "Амплитуда тока через один диод F·I0/2, А.\nОбычно от 2,2 до 3,5 I0."},
    {design::Field::Edit19,
     "Ёмкость конденсатора фильтра, мкФ, при которой пульсация не превышает Kp.\nОт десятков "
     "до десятков тысяч мкФ; растёт с током и с уменьшением Kp."},
    {design::Field::Edit27,
     "Рабочее напряжение конденсатора фильтра, В: амплитуда напряжения вторичной обмотки."},
    {design::Field::Edit4,
     "Угол φ = arctg(ω·Ls/Rsum) цепи проводимости (индуктивность рассеяния и сопротивления "
     "обмоток и диодов), градусы.\nОбычно от 1 до 75°: мал у мощных низковольтных выпрямителей, велик у маломощных высоковольтных."},
    {design::Field::Edit20, "Угол φ в радианах.\nОбычно от 0,02 до 1,3 рад."},
    {design::Field::Edit21,
     "Угол ψ: на столько раньше амплитуды напряжения сети открываются диоды (начало "
     "проводимости при 90° − ψ), градусы; U0 = √2·U2·cos ψ.\nОбычно от 35 до 62°."},
    {design::Field::Edit23, "Угол ψ в радианах.\nОбычно от 0,6 до 1,1 рад."},
    {design::Field::Edit22,
     "Угол β: фаза напряжения сети, при которой ток диода спадает до нуля, градусы.\n"
     "Обычно от 135 до 170°."},
    {design::Field::Edit24, "Угол β в радианах.\nОбычно от 2,35 до 2,95 рад."},
    {design::Field::Edit8,
     "Коэффициент нагрузки A = Rsum·I0/(2·U0): половина отношения падения напряжения на "
     "сопротивлении цепи проводимости при номинальном токе к выпрямленному напряжению "
     "(безразмерный).\n"
     "Не более 20; обычно от 0,01 до 0,3."},
    {design::Field::Edit9,
     "Коэффициент B = 1/(√2·cos ψ) = U2/U0 (безразмерный).\nОбычно от 0,85 до 1,5."},
    {design::Field::Edit10,
     "Коэффициент D: действующий ток двух диодов плеча, отнесённый к I0 (безразмерный); "
     "I2 = D·I0/√2.\nОбычно от 1,9 до 2,35."},
    {design::Field::Edit11,
     "Коэффициент F: удвоенная амплитуда тока диода, отнесённая к I0 (безразмерный).\n"
     "Обычно от 4,4 до 7."},
    {design::Field::Edit12,
     "Коэффициент H для расчёта ёмкости фильтра по составляющей тока 100 Гц "
     "(безразмерный).\nОбычно от 2·10³ до 5·10⁴."},
    {design::Field::Edit28,
     "Коэффициент нагрузки γ = Rsum·I/(2·U2) в выбранной точке нагрузочной характеристики "
     "(безразмерный).\nОт 0 при холостом ходе; растёт с током."},
    {design::Field::Edit29,
     "Отношение выпрямленного напряжения к действующему напряжению вторичной обмотки "
     "√2·cos ψ в выбранной точке (безразмерный).\nОт √2 ≈ 1,414 при холостом ходе; "
     "убывает с током."},
    {design::Field::Edit25,
     "Выпрямленный ток в выбранной ползунком точке нагрузочной характеристики, А: от 0 до "
     "120 % номинального."},
    {design::Field::Edit26, "Выпрямленное напряжение при этом токе, В."},
};

inline constexpr std::string_view kLimbsTip =
    "Число стержней магнитопровода, на которых расположены обмотки: 1 — обмотки на одном "
    "стержне (броневой сердечник), 2 — на двух стержнях (стержневой сердечник).";
inline constexpr std::string_view kUsage =
    "Usage: tavro [Qt options] [FILE.tavro]\n"
    "       tavro --version | --help\n"
    "Opens the window that designs a single-phase bridge rectifier with a capacitor filter;\n"
    "a design file given is opened at start.\n"
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
