// tavro-cli's own texts. The marked ones follow --lang (looked up under
// kContext); the messages about options and batch lines are English in
// either language, as the option names they speak of are. The captions and
// messages the window shows as well come from design/, the part ratings and
// the simulation's text headers.
#pragma once

#include <string_view>

#include "design/translatable.h"

namespace tavro::cli::texts {

inline constexpr char kContext[] = "cli";

// The simulation check as text: the columns of its comparison, and the
// periods the real circuit took to settle (%1).
inline constexpr std::string_view kComparisonColumns =
    TAVRO_TRANSLATABLE("cli", "(расчёт / моделирование)");
inline constexpr std::string_view kPeriods = TAVRO_TRANSLATABLE("cli", "%1 периодов");
// Before why the simulation failed.
inline constexpr std::string_view kSimulationFailed = TAVRO_TRANSLATABLE("cli", "моделирование: ");

// %1 the file, %2 the reason.
inline constexpr std::string_view kReportNotWritten =
    TAVRO_TRANSLATABLE("cli", "Не удалось записать отчёт в файл %1: %2");

// %1 the file, %2 the reason: the netlist of --spice.
inline constexpr std::string_view kNetlistNotWritten =
    TAVRO_TRANSLATABLE("cli", "Не удалось записать список соединений в файл %1: %2");

// Window menu items the help refers to (the window's own texts).
inline constexpr char kWindowContext[] = "app";
inline constexpr std::string_view kSaveItem = "Сохранить данные...";
inline constexpr std::string_view kPdfItem = "Экспорт в PDF...";

// Messages about the options and the batch's lines.
inline constexpr std::string_view kNotANumber = " is not a number";
inline constexpr std::string_view kMainsVoltage = "mains voltage";
inline constexpr std::string_view kMainsFrequency = "mains frequency";
inline constexpr std::string_view kMainsTolerance = "mains tolerance";
inline constexpr std::string_view kCapacitorTolerance =
    "capacitor tolerance must be a per cent from 0 to below 100";
inline constexpr std::string_view kDiodeMargin = "diode margin must be a number from 1 to 10";
inline constexpr std::string_view kCapacitorMargin =
    "capacitor margin must be a number from 1 to 10";
inline constexpr std::string_view kCapacitorEsr =
    "capacitor ESR must be a resistance from 1e-6 to 1000 ohm";
inline constexpr std::string_view kCapacitorLife =
    "capacitor life must be a number of hours from 1 to 1e6";
inline constexpr std::string_view kCapacitorTemperature =
    "capacitor rated temperature must be from 40 to 150 °C";
inline constexpr std::string_view kAmbient = "ambient temperature must be from -60 to 150 °C";
inline constexpr std::string_view kCoreLossShare = "core loss share must be a number from 0 to 10";
inline constexpr std::string_view kFuseFactor = "fuse factor must be a number from 1 to 10";
inline constexpr std::string_view kSurgeLimit =
    "allowed surge must be a current from 0.001 to 1e6 A";
inline constexpr std::string_view kWindFlux =
    "winding flux density must be a number from 0.1 to 2.5 T";
inline constexpr std::string_view kCoreFamily = "core family must be ei, toroidal or c";
inline constexpr std::string_view kUnknownDiode = "--diode: no diode in the library named ";
inline constexpr std::string_view kFieldCount =
    "expected 6 comma-separated fields U0, I0, Kp, Limbs, Bm, Ud; found ";
inline constexpr std::string_view kLimbs = "Limbs must be 1 or 2";
inline constexpr std::string_view kLineTooLong = "the line is longer than ";  // N bytes
inline constexpr std::string_view kInputNotRead = "standard input could not be read";
inline constexpr std::string_view kOutputNotWritten = "standard output could not be written";
inline constexpr std::string_view kDesignIncomplete = "the design is not complete";
inline constexpr std::string_view kTypedModel = "model typed by the user";

}  // namespace tavro::cli::texts

namespace tavro::cli::texts {

// The analysis of a transformer one has (--transformer-...): its groups and
// captions, and where each of its figures came from. %1 a current, %2 a
// capacitance; %1 in the mains corners the mains voltage.
inline constexpr std::string_view kTransformerGroup = TAVRO_TRANSLATABLE("cli", "Трансформатор");
inline constexpr std::string_view kEmfCaption =
    TAVRO_TRANSLATABLE("cli", "ЭДС вторичной обмотки (напряжение холостого хода) U2");
inline constexpr std::string_view kRatedVoltageCaption =
    TAVRO_TRANSLATABLE("cli", "Напряжение вторичной обмотки при номинальном токе");
inline constexpr std::string_view kRatedCurrentCaption =
    TAVRO_TRANSLATABLE("cli", "Номинальный ток вторичной обмотки");
inline constexpr std::string_view kRatedPowerCaption =
    TAVRO_TRANSLATABLE("cli", "Номинальная мощность");
inline constexpr std::string_view kRegulationCaption =
    TAVRO_TRANSLATABLE("cli", "Рост напряжения от номинальной нагрузки до холостого хода");
inline constexpr std::string_view kRtrCaption =
    TAVRO_TRANSLATABLE("cli", "Сопротивление обмоток, приведённое ко вторичной, Rtr");
inline constexpr std::string_view kLsCaption =
    TAVRO_TRANSLATABLE("cli", "Индуктивность рассеяния Ls");
inline constexpr std::string_view kMeasuredByOhmmeter =
    TAVRO_TRANSLATABLE("cli", "(измерено омметром)");
inline constexpr std::string_view kFromRegulation =
    TAVRO_TRANSLATABLE("cli", "(по заданному росту напряжения)");
inline constexpr std::string_view kTypicalRegulation =
    TAVRO_TRANSLATABLE("cli", "(оценка: типичный рост для типа и мощности)");
inline constexpr std::string_view kLeakageGiven = TAVRO_TRANSLATABLE("cli", "(задано)");
inline constexpr std::string_view kLeakageShortCircuit =
    TAVRO_TRANSLATABLE("cli", "(опыт короткого замыкания)");
inline constexpr std::string_view kLeakageEstimated =
    TAVRO_TRANSLATABLE("cli", "(оценка по методике)");
inline constexpr std::string_view kRectifierGroup =
    TAVRO_TRANSLATABLE("cli", "Выпрямитель при токе нагрузки %1 и ёмкости фильтра %2");
inline constexpr std::string_view kU0Caption =
    TAVRO_TRANSLATABLE("cli", "Выпрямленное напряжение U0");
inline constexpr std::string_view kKpCaption =
    TAVRO_TRANSLATABLE("cli", "Коэффициент пульсаций Kp");
inline constexpr std::string_view kI2Caption =
    TAVRO_TRANSLATABLE("cli", "Действующий ток вторичной обмотки I2");
inline constexpr std::string_view kPframeCaption =
    TAVRO_TRANSLATABLE("cli", "Используемая мощность трансформатора U2·I2");
inline constexpr std::string_view kOfRating = TAVRO_TRANSLATABLE("cli", "%1 от номинала");
inline constexpr std::string_view kI1Caption =
    TAVRO_TRANSLATABLE("cli", "Действующий ток первичной обмотки I1");
inline constexpr std::string_view kIdrmsCaption =
    TAVRO_TRANSLATABLE("cli", "Действующий ток диода Idrms");
inline constexpr std::string_view kIdpkCaption =
    TAVRO_TRANSLATABLE("cli", "Амплитуда тока диода Idpk");
inline constexpr std::string_view kUrevCaption =
    TAVRO_TRANSLATABLE("cli", "Обратное напряжение диода Urev");
inline constexpr std::string_view kLowMainsCaption =
    TAVRO_TRANSLATABLE("cli", "U0 и Kp при пониженном напряжении сети %1");
inline constexpr std::string_view kNoLoadHighCaption =
    TAVRO_TRANSLATABLE("cli", "Напряжение холостого хода при повышенном напряжении сети %1");

// Messages about the analysis' options (English, as the options').
inline constexpr std::string_view kAnalysisNeeds =
    "the analysis of a transformer needs --transformer-voltage or --transformer-no-load, "
    "--transformer-current or --transformer-va, --capacitance, --load-current and --diode-drop";
inline constexpr std::string_view kAnalysisExcludes =
    " cannot be used with the --transformer options";
inline constexpr std::string_view kFileAnalysisExcludes =
    " cannot be used with a design file that checks a transformer";
inline constexpr std::string_view kBadVoltage = "the transformer's voltage must be above 0";
inline constexpr std::string_view kBadRating =
    "the transformer's rated current or V·A must be above 0 and reachable";
inline constexpr std::string_view kBadResistances =
    "--transformer-r1 and --transformer-r2 go together, are not negative, and must leave the "
    "rated voltage";
inline constexpr std::string_view kBadRegulation =
    "--transformer-regulation must be above 0 and below 1000 %";
inline constexpr std::string_view kBadLeakage =
    "--transformer-leakage must be above 0 and not given with --transformer-short-circuit";
inline constexpr std::string_view kBadShortCircuit =
    "--transformer-short-circuit: the voltage and current must be above 0 and their impedance, "
    "referred to the secondary, above the winding resistance";
inline constexpr std::string_view kBadEstimate =
    "the leakage inductance cannot be estimated from --flux, --limbs and --diode-drop for this "
    "size; give --transformer-leakage or --transformer-short-circuit";
inline constexpr std::string_view kShortCircuitValues =
    " takes two values: the primary's voltage and current";
inline constexpr std::string_view kBadMains = "the mains must be above 0";
inline constexpr std::string_view kBadAnalysisFigure =
    "--capacitance, --load-current, --diode-drop and --flux must be numbers above 0";

}  // namespace tavro::cli::texts

namespace tavro::cli::texts {

// The design to the worst case (--min-voltage-at-low-mains): %1 U0min, %2
// the rated current; %1 of a corner its mains voltage.
inline constexpr std::string_view kWorstCaseGroup = TAVRO_TRANSLATABLE(
    "cli", "Расчёт на худший случай: не менее %1 при токе %2 и пониженном напряжении сети");
inline constexpr std::string_view kChosenU0Caption =
    TAVRO_TRANSLATABLE("cli", "Номинальное выпрямленное напряжение (выбрано) U0");
inline constexpr std::string_view kLowCfCaption =
    TAVRO_TRANSLATABLE("cli", "Ёмкость фильтра (Kp при пониженном напряжении сети) Cf");
inline constexpr std::string_view kCornerCaption =
    TAVRO_TRANSLATABLE("cli", "U0, Kp и I2 при напряжении сети %1");
inline constexpr std::string_view kHighLimitCaption = TAVRO_TRANSLATABLE(
    "cli", "Допустимое напряжение холостого хода при повышенном напряжении сети");
inline constexpr std::string_view kLimitMet = TAVRO_TRANSLATABLE("cli", "(соблюдено)");
inline constexpr std::string_view kLimitExceeded = TAVRO_TRANSLATABLE("cli", "(превышено)");

inline constexpr std::string_view kWorstCaseExcludes =
    " cannot be used with --min-voltage-at-low-mains";
inline constexpr std::string_view kBadHighLimit =
    "--max-voltage-no-load-at-high-mains must be a voltage above 0";
inline constexpr std::string_view kHighLimitExceeded =
    "the no-load voltage at high mains is above --max-voltage-no-load-at-high-mains";

}  // namespace tavro::cli::texts
