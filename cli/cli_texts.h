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
