// The window's own texts: caption, menus and the About message.
#pragma once

#include <string>
#include <string_view>

#include "design/translatable.h"
#include "design/window.h"

namespace tavro::app::texts {

// The context the texts below are marked with in the translation catalogues.
inline constexpr char kContext[] = "app";

inline constexpr std::string_view kCaption = TAVRO_TRANSLATABLE(
    "app",
    "Расчёт однофазного мостового выпрямителя, работающего на ёмкость, с учётом индуктивности "
    "рассеяния трансформатора");

inline constexpr std::string_view kFileMenu = TAVRO_TRANSLATABLE("app", "Файл");
inline constexpr std::string_view kSaveItem = TAVRO_TRANSLATABLE("app", "Сохранить данные...");
inline constexpr std::string_view kExitItem = TAVRO_TRANSLATABLE("app", "Выход");
inline constexpr std::string_view kHelpMenu = TAVRO_TRANSLATABLE("app", "Справка");
inline constexpr std::string_view kAboutItem = TAVRO_TRANSLATABLE("app", "О программе...");

// The plots (beyond the original window).
inline constexpr std::string_view kPlotsMenu = TAVRO_TRANSLATABLE("app", "Графики");
inline constexpr std::string_view kLoadPlotItem =
    TAVRO_TRANSLATABLE("app", "Нагрузочная характеристика...");
inline constexpr std::string_view kPulsePlotItem =
    TAVRO_TRANSLATABLE("app", "Форма тока вентиля...");
inline constexpr std::string_view kPulsePlotTitle = TAVRO_TRANSLATABLE("app", "Форма тока вентиля");
// The plots' curves, markers, notes and read-out units: plot/plot_texts.h.
// The plots' second title line: the six inputs as typed.
inline constexpr std::string_view kDesignLine = TAVRO_TRANSLATABLE(
    "app",
    "U₀ = %1 В,  I₀ = %2 А,  Kп = %3 %,  стержней с обмотками: %4,  Bm = %5 Тл,  Uпр = %6 В");
// A transformer one has where a window names what it checks: its EMF,
// winding resistance and leakage inductance, the capacitor, the load and
// the diode drop.
inline constexpr std::string_view kCheckedTransformerLine = TAVRO_TRANSLATABLE(
    "app", "Трансформатор: U₂ = %1,  Rтр = %2,  Ls = %3;  Cф = %4,  I₀ = %5,  Uпр = %6");
// The mains after the six inputs where a window names its design.
inline constexpr std::string_view kDesignMains =
    TAVRO_TRANSLATABLE("app", ",  сеть %1 В ±%2 %, %3 Гц");
inline constexpr std::string_view kResetView = TAVRO_TRANSLATABLE("app", "Исходный масштаб");
inline constexpr std::string_view kSavePng = TAVRO_TRANSLATABLE("app", "Сохранить PNG...");
inline constexpr std::string_view kSaveSvg = TAVRO_TRANSLATABLE("app", "Сохранить SVG...");
inline constexpr std::string_view kSavePdf = TAVRO_TRANSLATABLE("app", "Сохранить PDF...");
inline constexpr std::string_view kPngSizeTitle = TAVRO_TRANSLATABLE("app", "Размер изображения");
inline constexpr std::string_view kPngWidth = TAVRO_TRANSLATABLE("app", "Ширина, точек:");
inline constexpr std::string_view kPngHeight = TAVRO_TRANSLATABLE("app", "Высота, точек:");
inline constexpr std::string_view kPngScale = TAVRO_TRANSLATABLE("app", "Масштаб:");
inline constexpr std::string_view kScaleScreen = TAVRO_TRANSLATABLE("app", "×1 — как на экране");
inline constexpr std::string_view kScalePrint = TAVRO_TRANSLATABLE("app", "×2 — для печати");
inline constexpr std::string_view kPngResult = TAVRO_TRANSLATABLE("app", "Файл: %1 × %2 пикселей");
inline constexpr std::string_view kSavePlotTitle = TAVRO_TRANSLATABLE("app", "Сохранить график");
inline constexpr std::string_view kPlotNotSaved =
    TAVRO_TRANSLATABLE("app", "Не удалось сохранить график в файл");

// Mains and parts (beyond the original window).
inline constexpr std::string_view kSettingsMenu = TAVRO_TRANSLATABLE("app", "Параметры");
inline constexpr std::string_view kMainsItem = TAVRO_TRANSLATABLE("app", "Сеть...");
inline constexpr std::string_view kPartsMenu = TAVRO_TRANSLATABLE("app", "Элементы");
inline constexpr std::string_view kSelectionItem = TAVRO_TRANSLATABLE("app", "Выбор элементов...");
// The transformer one can buy or wind (app/transformer_windows.h).
inline constexpr std::string_view kTransformerMenu = TAVRO_TRANSLATABLE("app", "Трансформатор");
inline constexpr std::string_view kCandidatesItem =
    TAVRO_TRANSLATABLE("app", "Подобрать стандартный...");
inline constexpr std::string_view kWindItem = TAVRO_TRANSLATABLE("app", "Намотать...");

// The two modes (Параметры menu) and the check of a transformer one has.
inline constexpr std::string_view kDesignMode = TAVRO_TRANSLATABLE("app", "Рассчитать выпрямитель");
inline constexpr std::string_view kAnalysisMode =
    TAVRO_TRANSLATABLE("app", "Проверить имеющийся трансформатор");
inline constexpr std::string_view kAnalysisInputs =
    TAVRO_TRANSLATABLE("app", "Имеющийся трансформатор и нагрузка");
inline constexpr std::string_view kAnalysisResults =
    TAVRO_TRANSLATABLE("app", "Результаты проверки");
inline constexpr std::string_view kAnalysisVoltage =
    TAVRO_TRANSLATABLE("app", "Напряжение вторичной обмотки (паспортное), В");
inline constexpr std::string_view kAnalysisNoLoad =
    TAVRO_TRANSLATABLE("app", "измерено на холостом ходу");
inline constexpr std::string_view kAnalysisCurrent =
    TAVRO_TRANSLATABLE("app", "Номинальный ток вторичной обмотки, А");
inline constexpr std::string_view kAnalysisPower = TAVRO_TRANSLATABLE("app", "или мощность, В·А");
inline constexpr std::string_view kAnalysisR1 =
    TAVRO_TRANSLATABLE("app", "Сопротивление первичной обмотки, Ом");
inline constexpr std::string_view kAnalysisR2 =
    TAVRO_TRANSLATABLE("app", "Сопротивление вторичной обмотки, Ом");
inline constexpr std::string_view kAnalysisRegulation =
    TAVRO_TRANSLATABLE("app", "или изменение напряжения, %");
inline constexpr std::string_view kAnalysisKind = TAVRO_TRANSLATABLE("app", "Тип трансформатора");
inline constexpr std::string_view kAnalysisLaminated =
    TAVRO_TRANSLATABLE("app", "броневой (Ш-образный)");
inline constexpr std::string_view kAnalysisToroidal = TAVRO_TRANSLATABLE("app", "тороидальный");
inline constexpr std::string_view kAnalysisLeakage =
    TAVRO_TRANSLATABLE("app", "Индуктивность рассеяния, Гн");
inline constexpr std::string_view kAnalysisShortVoltage =
    TAVRO_TRANSLATABLE("app", "или опыт КЗ: напряжение первичной обмотки, В");
inline constexpr std::string_view kAnalysisShortCurrent =
    TAVRO_TRANSLATABLE("app", "опыт КЗ: ток первичной обмотки, А");
inline constexpr std::string_view kAnalysisCapacitance =
    TAVRO_TRANSLATABLE("app", "Ёмкость фильтра, мкФ");
inline constexpr std::string_view kAnalysisLoadCurrent =
    TAVRO_TRANSLATABLE("app", "Ток нагрузки, А");
inline constexpr std::string_view kAnalysisDiodeDrop =
    TAVRO_TRANSLATABLE("app", "Падение напряжения на вентиле, В");
inline constexpr std::string_view kAnalysisFlux =
    TAVRO_TRANSLATABLE("app", "Индукция для оценки, Тл");
inline constexpr std::string_view kAnalysisLimbs =
    TAVRO_TRANSLATABLE("app", "Стержней с обмотками для оценки");
inline constexpr std::string_view kAnalysisCheck = TAVRO_TRANSLATABLE("app", "Проверить");
inline constexpr std::string_view kAnalysisMainsEntry = TAVRO_TRANSLATABLE("app", "Сеть");
// %1 the entry's caption.
inline constexpr std::string_view kAnalysisBadEntry =
    TAVRO_TRANSLATABLE("app", "Недопустимое значение: «%1»");
inline constexpr std::string_view kAnalysisEmf =
    TAVRO_TRANSLATABLE("app", "ЭДС вторичной обмотки (холостой ход)");
inline constexpr std::string_view kAnalysisRatedVoltage =
    TAVRO_TRANSLATABLE("app", "Напряжение при номинальном токе");
inline constexpr std::string_view kAnalysisRtr =
    TAVRO_TRANSLATABLE("app", "Сопротивление обмоток, приведённое ко вторичной");
inline constexpr std::string_view kAnalysisLs =
    TAVRO_TRANSLATABLE("app", "Индуктивность рассеяния");
inline constexpr std::string_view kAnalysisU0 =
    TAVRO_TRANSLATABLE("app", "Выпрямленное напряжение U0");
inline constexpr std::string_view kAnalysisKp = TAVRO_TRANSLATABLE("app", "Пульсации Kп");
inline constexpr std::string_view kAnalysisI2 =
    TAVRO_TRANSLATABLE("app", "Ток вторичной обмотки I2");
inline constexpr std::string_view kAnalysisVa =
    TAVRO_TRANSLATABLE("app", "Используемая мощность трансформатора");
inline constexpr std::string_view kAnalysisI1 =
    TAVRO_TRANSLATABLE("app", "Ток первичной обмотки I1");
inline constexpr std::string_view kAnalysisIdrms =
    TAVRO_TRANSLATABLE("app", "Действующий ток вентиля");
inline constexpr std::string_view kAnalysisIdpk =
    TAVRO_TRANSLATABLE("app", "Амплитуда тока вентиля");
inline constexpr std::string_view kAnalysisUrev =
    TAVRO_TRANSLATABLE("app", "Обратное напряжение вентиля");
// %1 the low mains voltage.
inline constexpr std::string_view kAnalysisLow =
    TAVRO_TRANSLATABLE("app", "U0 и Kп при пониженной сети %1 В");
// %1 the high mains voltage.
inline constexpr std::string_view kAnalysisHigh =
    TAVRO_TRANSLATABLE("app", "Напряжение холостого хода при повышенной сети %1 В");
// %1 a percentage.
inline constexpr std::string_view kAnalysisOfRating = TAVRO_TRANSLATABLE("app", "%1 от номинала");
inline constexpr std::string_view kAnalysisByOhmmeter =
    TAVRO_TRANSLATABLE("app", "измерено омметром");
inline constexpr std::string_view kAnalysisByRegulation =
    TAVRO_TRANSLATABLE("app", "по изменению напряжения");
inline constexpr std::string_view kAnalysisTypical =
    TAVRO_TRANSLATABLE("app", "оценка: типичное изменение напряжения");
inline constexpr std::string_view kAnalysisGiven = TAVRO_TRANSLATABLE("app", "задано");
inline constexpr std::string_view kAnalysisShortCircuit = TAVRO_TRANSLATABLE("app", "по опыту КЗ");
inline constexpr std::string_view kAnalysisEstimated =
    TAVRO_TRANSLATABLE("app", "оценка по размеру трансформатора");
inline constexpr std::string_view kAnalysisLoadCurrentColumn = TAVRO_TRANSLATABLE("app", "I0, А");
inline constexpr std::string_view kAnalysisLoadVoltageColumn = TAVRO_TRANSLATABLE("app", "U0, В");
inline constexpr std::string_view kMainsTitle = TAVRO_TRANSLATABLE("app", "Сеть");
inline constexpr std::string_view kMainsVoltage =
    TAVRO_TRANSLATABLE("app", "Номинальное напряжение сети, В");
inline constexpr std::string_view kMainsFrequency = TAVRO_TRANSLATABLE("app", "Частота сети, Гц");
inline constexpr std::string_view kMainsTolerance =
    TAVRO_TRANSLATABLE("app", "Допустимое отклонение напряжения сети, ± %");
inline constexpr std::string_view kMainsNote = TAVRO_TRANSLATABLE(
    "app",
    "Выполненный расчёт сразу повторяется с новыми значениями; по ним же считаются и "
    "все следующие расчёты.");
inline constexpr std::string_view kMainsPreset = TAVRO_TRANSLATABLE("app", "Типовая сеть");
inline constexpr std::string_view kMainsPresetOther = TAVRO_TRANSLATABLE("app", "другая");
// A preset: %1 the voltage, %2 the frequency.
inline constexpr std::string_view kMainsPresetItem = TAVRO_TRANSLATABLE("app", "%1 В / %2 Гц");
inline constexpr std::string_view kCapacitorTolerance =
    TAVRO_TRANSLATABLE("app", "Допуск ёмкости конденсатора, − %");
inline constexpr std::string_view kCapacitorSeries = TAVRO_TRANSLATABLE("app", "Ряд ёмкостей");
inline constexpr std::string_view kDiodeMargin =
    TAVRO_TRANSLATABLE("app", "Запас по обратному напряжению вентилей, раз");
inline constexpr std::string_view kCapacitorMargin =
    TAVRO_TRANSLATABLE("app", "Запас по напряжению конденсатора, раз");
inline constexpr std::string_view kCapacitorEsr =
    TAVRO_TRANSLATABLE("app", "ESR конденсатора, Ом (0 — оценка)");
inline constexpr std::string_view kCapacitorLife =
    TAVRO_TRANSLATABLE("app", "Срок службы конденсатора, ч");
inline constexpr std::string_view kCapacitorTemperature = TAVRO_TRANSLATABLE("app", "при, °C");
inline constexpr std::string_view kAmbient = TAVRO_TRANSLATABLE("app", "Температура вокруг, °C");
inline constexpr std::string_view kCoreLossShare =
    TAVRO_TRANSLATABLE("app", "Потери в стали / в обмотках");
inline constexpr std::string_view kFuseFactor =
    TAVRO_TRANSLATABLE("app", "Предохранитель / ток первичной обмотки");
inline constexpr std::string_view kSurgeLimit =
    TAVRO_TRANSLATABLE("app", "Допустимый ударный ток, А (0 — не задан)");
// What each of those choices does, as its tooltip.
inline constexpr std::string_view kCapacitorMarginTip = TAVRO_TRANSLATABLE(
    "app",
    "Номинальное напряжение конденсатора выбирается не ниже большего из двух напряжений "
    "(холостой ход при повышенной сети и пик после включения), умноженного на этот запас; "
    "в таблице — запас выбранного класса в процентах. Обычно 1,2.");
inline constexpr std::string_view kCapacitorEsrTip = TAVRO_TRANSLATABLE(
    "app",
    "Эквивалентное последовательное сопротивление конденсатора на 100–120 Гц из его "
    "документации. 0 — оценка по типичному tg δ для ёмкости и класса напряжения.");
inline constexpr std::string_view kCapacitorLifeTip = TAVRO_TRANSLATABLE(
    "app",
    "Срок службы конденсатора по документации и температура, при которой он указан "
    "(обычно 2000 ч при 105 °C); срок при рабочей температуре — по правилу 10 °C.");
inline constexpr std::string_view kAmbientTip = TAVRO_TRANSLATABLE(
    "app", "Температура воздуха вокруг деталей внутри корпуса; к ней добавляется самонагрев.");
inline constexpr std::string_view kCoreLossShareTip = TAVRO_TRANSLATABLE(
    "app",
    "Потери в стали трансформатора как доля потерь в обмотках при номинальной нагрузке "
    "(1 — равны, условие наибольшего КПД); входят в КПД источника.");
inline constexpr std::string_view kFuseFactorTip = TAVRO_TRANSLATABLE(
    "app",
    "Номинал инерционного предохранителя в первичной цепи — ток первичной обмотки при "
    "номинальной нагрузке и повышенной сети, умноженный на этот множитель (обычно 1,5–2).");
inline constexpr std::string_view kSurgeLimitTip = TAVRO_TRANSLATABLE(
    "app",
    "Ударный ток, который выдерживают вентили (IFSM). Если ударный ток при включении больше, "
    "рассчитывается термистор NTC в первичной цепи. 0 — не задан.");
inline constexpr std::string_view kChosenDiode = TAVRO_TRANSLATABLE("app", "Вентиль");
inline constexpr std::string_view kNoDiode = TAVRO_TRANSLATABLE("app", "не выбран");
inline constexpr std::string_view kE6 = "E6";
inline constexpr std::string_view kE12 = "E12";

inline constexpr std::string_view kCalculateButton = TAVRO_TRANSLATABLE("app", "Расчёт");
inline constexpr std::string_view kLimbsOne = "1";
inline constexpr std::string_view kLimbsTwo = "2";

// The About message's three lines, shown separated by CR LF; %1 is the
// release of this build (release::kVersion), the program's one version.
inline constexpr std::string_view kAboutVersion = TAVRO_TRANSLATABLE("app", "Версия: %1");
inline constexpr std::string_view kAboutAuthor =
    TAVRO_TRANSLATABLE("app", "Автор программы: mq270");
inline constexpr std::string_view kAboutMail = "e-mail: mq270@tavro.example";

// The language menu reads the same in either language, and each language is
// named in its own: anyone finds their way back.
inline constexpr std::string_view kLanguageMenu = "Язык / &Language";
inline constexpr std::string_view kRussian = "Русский";
inline constexpr std::string_view kEnglish = "English";

// The report's save dialog and refusal as the window shows them (the report
// file itself stays Russian).
inline constexpr std::string_view kCalculateFirst =
    TAVRO_TRANSLATABLE("app", "Сначала необходимо произвести расчёт");
inline constexpr std::string_view kReportDialogTitle =
    TAVRO_TRANSLATABLE("app", "Сохранить как...");
inline constexpr std::string_view kReportDialogFilter =
    TAVRO_TRANSLATABLE("app", "Текстовые документы (*.txt)|*.txt");
inline constexpr std::string_view kReportNotWritten =
    TAVRO_TRANSLATABLE("app", "Не удалось записать отчёт в файл");

inline constexpr std::string_view kNoDisplay =
    "tavro: no graphical display is available (DISPLAY is unset or unreachable); "
    "tavro-cli designs the rectifier on the command line, see tavro-cli --help";

// Everyday use: design files, the edit menu, the help, the PDF report.
inline constexpr std::string_view kOpenDesignItem = TAVRO_TRANSLATABLE("app", "Открыть проект...");
inline constexpr std::string_view kSaveDesignItem = TAVRO_TRANSLATABLE("app", "Сохранить проект");
inline constexpr std::string_view kSaveDesignAsItem =
    TAVRO_TRANSLATABLE("app", "Сохранить проект как...");
inline constexpr std::string_view kRecentMenu = TAVRO_TRANSLATABLE("app", "Недавние проекты");
inline constexpr std::string_view kNoRecent = TAVRO_TRANSLATABLE("app", "(нет)");
inline constexpr std::string_view kPdfItem = TAVRO_TRANSLATABLE("app", "Экспорт в PDF...");
inline constexpr std::string_view kEditMenu = TAVRO_TRANSLATABLE("app", "Правка");
inline constexpr std::string_view kCopyResultsItem =
    TAVRO_TRANSLATABLE("app", "Копировать результаты");
inline constexpr std::string_view kHelpItem = TAVRO_TRANSLATABLE("app", "Справка по программе");
inline constexpr std::string_view kDesignFilter =
    TAVRO_TRANSLATABLE("app", "Проекты Tavro (*.tavro)|*.tavro");
inline constexpr std::string_view kOpenDesignTitle = TAVRO_TRANSLATABLE("app", "Открыть проект");
inline constexpr std::string_view kSaveDesignTitle =
    TAVRO_TRANSLATABLE("app", "Сохранить проект как...");
inline constexpr std::string_view kPdfFilter =
    TAVRO_TRANSLATABLE("app", "Документы PDF (*.pdf)|*.pdf");
inline constexpr std::string_view kPdfTitle = TAVRO_TRANSLATABLE("app", "Экспорт в PDF");
inline constexpr std::string_view kStaleNote = TAVRO_TRANSLATABLE(
    "app", "Входные данные изменены: результаты относятся к прежнему расчёту. Нажмите «Расчёт».");
inline constexpr std::string_view kCurrentDesign = TAVRO_TRANSLATABLE("app", "Проект: %1");
// Before another design file is opened over edits not saved.
inline constexpr std::string_view kUnsavedDesign =
    TAVRO_TRANSLATABLE("app", "Введённые данные не сохранены в проекте. Сохранить их?");
inline constexpr std::string_view kUnsavedFile =
    TAVRO_TRANSLATABLE("app", "Изменения в проекте «%1» не сохранены. Сохранить их?");
inline constexpr std::string_view kHelpMissing =
    TAVRO_TRANSLATABLE("app", "Справка не входит в эту сборку.");

// Tooltips: what a field holds, its unit and the usual range.
struct FieldTip {
  design::Field Field;
  std::string_view Text;
};
inline constexpr FieldTip kFieldTips[] = {
    {design::Field::Edit1, TAVRO_TRANSLATABLE("app",
                                              "Номинальное выпрямленное напряжение U0 на нагрузке, "
                                              "В.\nБольше нуля; обычно от 5 до 500 В.")},
    {design::Field::Edit2,
     TAVRO_TRANSLATABLE(
         "app",
         "Номинальный выпрямленный ток нагрузки I0, А.\nНе менее 0,02 А; обычно от 0,1 до 20 А.")},
    {design::Field::Edit3,
     TAVRO_TRANSLATABLE(
         "app",
         "Коэффициент пульсации Kp: амплитуда составляющей 100 Гц выпрямленного напряжения "
         "в процентах от U0, %.\nБольше 0 и не более 15 %; обычно от 0,5 до 5 %.")},
    {design::Field::Edit5,
     TAVRO_TRANSLATABLE(
         "app",
         "Максимальная (амплитудная) магнитная индукция в сердечнике трансформатора Bm, Тл.\n"
         "Обычно от 1,0 до 1,6 Тл для электротехнической стали.")},
    {design::Field::Edit6,
     TAVRO_TRANSLATABLE(
         "app",
         "Прямое падение напряжения на одном диоде при постоянном токе Ud, В.\nОбычно от 0,6 до "
         "1,1 В для кремниевых диодов, от 0,3 до 0,5 В для диодов Шоттки.")},
    {design::Field::Edit7,
     TAVRO_TRANSLATABLE(
         "app",
         "Действующее напряжение вторичной обмотки U2 = B·U0, В.\nОбычно от 0,85 до 1,5 U0.")},
    {design::Field::Edit13,
     TAVRO_TRANSLATABLE(
         "app", "Действующий ток вторичной обмотки I2 = D·I0/√2, А.\nОбычно от 1,3 до 1,7 I0.")},
    {design::Field::Edit14,
     TAVRO_TRANSLATABLE(
         "app", "Действующий ток первичной обмотки при сети 220 В, А: I2, умноженный на U2/220.")},
    {design::Field::Edit15,
     TAVRO_TRANSLATABLE(
         "app",
         "Габаритная мощность трансформатора B·D·U0·I0/√2, В·А: по ней выбирают сердечник.\n"
         "Обычно от 1,2 до 2 мощности нагрузки U0·I0.")},
    {design::Field::Edit16,
     TAVRO_TRANSLATABLE(
         "app",
         "Амплитуда обратного напряжения на закрытом диоде √2·U2, В.\nДиод выбирают с запасом "
         "по этому напряжению.")},
    {design::Field::Edit17,
     TAVRO_TRANSLATABLE(
         "app", "Действующее значение тока через один диод D·I0/2, А.\nОбычно от 0,9 до 1,2 I0.")},
    {design::Field::Edit18,
     TAVRO_TRANSLATABLE("app",
                        "Амплитуда тока через один диод F·I0/2, А.\nОбычно от 2,2 до 3,5 I0.")},
    {design::Field::Edit19,
     TAVRO_TRANSLATABLE(
         "app",
         "Ёмкость конденсатора фильтра, мкФ, при которой пульсация не превышает Kp.\nОт десятков "
         "до десятков тысяч мкФ; растёт с током и с уменьшением Kp.")},
    {design::Field::Edit27,
     TAVRO_TRANSLATABLE(
         "app",
         "Рабочее напряжение конденсатора фильтра, В: амплитуда напряжения вторичной обмотки "
         "при номинальной сети.\nКонденсатор выбирайте по окну «Выбор элементов»: там "
         "напряжение без нагрузки при повышенной сети или после включения, если оно больше, "
         "с запасом.")},
    {design::Field::Edit4,
     TAVRO_TRANSLATABLE(
         "app",
         "Угол φ = arctg(ω·Ls/Rsum) цепи проводимости (индуктивность рассеяния и сопротивления "
         "обмоток и диодов), градусы.\nОбычно от 1 до 75°: мал у мощных низковольтных "
         "выпрямителей, велик у маломощных высоковольтных.")},
    {design::Field::Edit20,
     TAVRO_TRANSLATABLE("app", "Угол φ в радианах.\nОбычно от 0,02 до 1,3 рад.")},
    {design::Field::Edit21,
     TAVRO_TRANSLATABLE(
         "app",
         "Угол ψ: на столько раньше амплитуды напряжения сети открываются диоды (начало "
         "проводимости при 90° − ψ), градусы; U0 = √2·U2·cos ψ.\nОбычно от 35 до 62°.")},
    {design::Field::Edit23,
     TAVRO_TRANSLATABLE("app", "Угол ψ в радианах.\nОбычно от 0,6 до 1,1 рад.")},
    {design::Field::Edit22,
     TAVRO_TRANSLATABLE(
         "app",
         "Угол β: фаза напряжения сети, при которой ток диода спадает до нуля, градусы.\n"
         "Обычно от 135 до 170°.")},
    {design::Field::Edit24,
     TAVRO_TRANSLATABLE("app", "Угол β в радианах.\nОбычно от 2,35 до 2,95 рад.")},
    {design::Field::Edit8,
     TAVRO_TRANSLATABLE(
         "app",
         "Коэффициент нагрузки A = Rsum·I0/(2·U0): половина отношения падения напряжения на "
         "сопротивлении цепи проводимости при номинальном токе к выпрямленному напряжению "
         "(безразмерный).\n"
         "Не более 20; обычно от 0,01 до 0,3.")},
    {design::Field::Edit9,
     TAVRO_TRANSLATABLE(
         "app", "Коэффициент B = 1/(√2·cos ψ) = U2/U0 (безразмерный).\nОбычно от 0,85 до 1,5.")},
    {design::Field::Edit10,
     TAVRO_TRANSLATABLE(
         "app",
         "Коэффициент D: действующий ток двух диодов плеча, отнесённый к I0 (безразмерный); "
         "I2 = D·I0/√2.\nОбычно от 1,9 до 2,35.")},
    {design::Field::Edit11,
     TAVRO_TRANSLATABLE(
         "app",
         "Коэффициент F: удвоенная амплитуда тока диода, отнесённая к I0 (безразмерный).\n"
         "Обычно от 4,4 до 7.")},
    {design::Field::Edit12,
     TAVRO_TRANSLATABLE("app",
                        "Коэффициент H для расчёта ёмкости фильтра по составляющей тока 100 Гц "
                        "(безразмерный).\nОбычно от 2·10³ до 5·10⁴.")},
    {design::Field::Edit28,
     TAVRO_TRANSLATABLE(
         "app",
         "Коэффициент нагрузки γ = Rsum·I/(2·U2) в выбранной точке нагрузочной характеристики "
         "(безразмерный).\nОт 0 при холостом ходе; растёт с током.")},
    {design::Field::Edit29,
     TAVRO_TRANSLATABLE(
         "app",
         "Отношение выпрямленного напряжения к действующему напряжению вторичной обмотки "
         "√2·cos ψ в выбранной точке (безразмерный).\nОт √2 ≈ 1,414 при холостом ходе; "
         "убывает с током.")},
    {design::Field::Edit25,
     TAVRO_TRANSLATABLE(
         "app",
         "Выпрямленный ток в выбранной ползунком точке нагрузочной характеристики, А: от 0 до "
         "120 % номинального.")},
    {design::Field::Edit26, TAVRO_TRANSLATABLE("app", "Выпрямленное напряжение при этом токе, В.")},
};

inline constexpr std::string_view kLimbsTip = TAVRO_TRANSLATABLE(
    "app",
    "Число стержней магнитопровода, на которых расположены обмотки: 1 — обмотки на одном "
    "стержне (броневой сердечник), 2 — на двух стержнях (стержневой сердечник).");
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

inline constexpr std::string_view kSimulationMenu = TAVRO_TRANSLATABLE("app", "Моделирование");
inline constexpr std::string_view kSimulationItem =
    TAVRO_TRANSLATABLE("app", "Проверка моделированием...");
inline constexpr std::string_view kSimulationTitle =
    TAVRO_TRANSLATABLE("app", "Проверка моделированием");
inline constexpr std::string_view kExportSpiceItem =
    TAVRO_TRANSLATABLE("app", "Экспорт схемы SPICE...");
inline constexpr std::string_view kExportSpiceTitle =
    TAVRO_TRANSLATABLE("app", "Экспорт схемы SPICE");
inline constexpr std::string_view kExportSpiceFilter =
    TAVRO_TRANSLATABLE("app", "Схемы SPICE (*.cir)");
inline constexpr std::string_view kExportSpiceExtension = "cir";
inline constexpr std::string_view kSpiceNotWritten =
    TAVRO_TRANSLATABLE("app", "Не удалось записать схему в файл");
inline constexpr std::string_view kSimulationSettings = TAVRO_TRANSLATABLE("app", "Схема");
inline constexpr std::string_view kDiodeLabel = TAVRO_TRANSLATABLE("app", "Вентили:");
inline constexpr std::string_view kOwnModel = TAVRO_TRANSLATABLE("app", "Своя модель (.model)");
inline constexpr std::string_view kModelLabel = TAVRO_TRANSLATABLE("app", "Строка .model:");
inline constexpr std::string_view kEsrLabel = TAVRO_TRANSLATABLE("app", "ESR конденсатора, Ом:");
inline constexpr std::string_view kLoadLabel = TAVRO_TRANSLATABLE("app", "Нагрузка:");
inline constexpr std::string_view kRunButton = TAVRO_TRANSLATABLE("app", "Запустить");
inline constexpr std::string_view kCancelButton = TAVRO_TRANSLATABLE("app", "Отмена");
// The comparison table's columns, in a context of their own: "Расчёт" is the
// button's word too, and reads differently in English as a column.
inline constexpr char kColumnsContext[] = "app columns";
inline constexpr std::string_view kQuantityColumn = TAVRO_TRANSLATABLE("app columns", "Величина");
inline constexpr std::string_view kMethodColumn = TAVRO_TRANSLATABLE("app columns", "Расчёт");
inline constexpr std::string_view kSimulatedColumn =
    TAVRO_TRANSLATABLE("app columns", "Моделирование");
inline constexpr std::string_view kDifferenceColumn =
    TAVRO_TRANSLATABLE("app columns", "Расхождение, %");
inline constexpr std::string_view kStepMethod = TAVRO_TRANSLATABLE("app", "Допущения метода...");
inline constexpr std::string_view kStepCircuit = TAVRO_TRANSLATABLE("app", "Реальная схема...");
inline constexpr std::string_view kStepSurge = TAVRO_TRANSLATABLE("app", "Включение...");
inline constexpr std::string_view kSimulationDone = TAVRO_TRANSLATABLE("app", "Готово");
inline constexpr std::string_view kSimulationCancelled =
    TAVRO_TRANSLATABLE("app", "Моделирование отменено");
inline constexpr std::string_view kSimulationFailed =
    TAVRO_TRANSLATABLE("app", "Моделирование не удалось: ");
inline constexpr std::string_view kHelperCrashed =
    TAVRO_TRANSLATABLE("app", "программа моделирования завершилась аварийно");
inline constexpr std::string_view kHelperExited =
    TAVRO_TRANSLATABLE("app", "программа моделирования завершилась без ответа (код %1)");
inline constexpr std::string_view kHelperSilent =
    TAVRO_TRANSLATABLE("app", "программа моделирования не ответила за %1 с и остановлена");
inline constexpr std::string_view kHelperNotStarted =
    TAVRO_TRANSLATABLE("app", "не удалось запустить программу моделирования ");
inline constexpr std::string_view kBadEsr =
    TAVRO_TRANSLATABLE("app", "ESR конденсатора должно быть неотрицательным числом");
inline constexpr std::string_view kVoutPlot = TAVRO_TRANSLATABLE("app", "Выходное напряжение");
inline constexpr std::string_view kDiodePlot = TAVRO_TRANSLATABLE("app", "Ток вентиля VD1");
inline constexpr std::string_view kCapacitorPlot = TAVRO_TRANSLATABLE("app", "Ток конденсатора");
inline constexpr std::string_view kSurgePlot = TAVRO_TRANSLATABLE("app", "Включение");
inline constexpr std::string_view kPeriodsNote =
    TAVRO_TRANSLATABLE("app", "Установившийся режим: %1 периодов");

}  // namespace tavro::app::texts
