// Design files (.tavro): the inputs of one design kept on disk, so a design
// can be opened again, passed on, or given to the command-line tool.
//
// A file is UTF-8 JSON:
//   {"format": "tavro-design", "version": 2, "decimal_separator": ",",
//    "inputs": {"voltage": "12", "current": "1", "ripple": "1", "limbs": 1,
//               "flux": "1,2", "diode_drop": "0,7"},
//    "mains": {"voltage": 220, "frequency": 50, "tolerance_percent": 10},
//    "parts": {"capacitor_tolerance_percent": 20, "capacitor_series": "E6",
//              "diode_margin": 1.5, "capacitor_margin": 1.2, ...},
//    "simulation": {"diode": "1N4007", "diode_model": "", "esr": 0,
//                   "load": "resistive"},
//    "analysis": {"active": true, "voltage": "12", "no_load": false,
//                 "current": "1,5", "va": "", "r1": "", "r2": "",
//                 "regulation": "", "kind": "laminated", "leakage": "",
//                 "short_circuit_voltage": "", "short_circuit_current": "",
//                 "capacitance": "2200", "load_current": "1",
//                 "diode_drop": "0,7", "flux": "1,2", "limbs": 1}}
// The input texts are kept exactly as typed, with the separator they were
// typed with; opened where another separator is in use, a text that reads as
// a number is given the reader's separator, so it means the same number.
// The settings (version 2) are JSON numbers and names, the same in every
// language; an entry left out keeps the program's default, so version-1 files
// (inputs only) still open. "analysis" keeps the check of a transformer one
// has (its texts as typed, like the inputs) and whether the window shows it;
// a file without it opens in the design mode. A file of a newer version, or with entries this
// version does not know, is refused with a message saying so rather than
// half read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "design/inputs.h"
#include "design/translatable.h"
#include "files/whole_file.h"

namespace tavro::design {

inline constexpr int kDesignFileVersion = 2;
inline constexpr const char* kDesignFileFormat = "tavro-design";
inline constexpr const char* kDesignFileExtension = "tavro";

// Everything beyond the inputs that changes a result; each entry is empty
// when the file does not give it (the program's default then holds). The
// values are only checked to be numbers and names here; the front ends check
// their ranges as they take them (design/ratings/design_settings.h).
struct DesignSettings {
  std::optional<long double> MainsVoltage;               // V
  std::optional<long double> MainsFrequency;             // Hz
  std::optional<long double> MainsTolerancePercent;      // ±%
  std::optional<long double> CapacitorTolerancePercent;  // −%
  std::optional<std::string> CapacitorSeries;            // "E6", "E12"
  std::optional<long double> DiodeMargin;                // reverse-voltage class over the peak
  std::optional<long double> CapacitorMargin;            // voltage class over the need
  std::optional<long double> CapacitorEsr;               // ohm; none: estimated
  std::optional<long double> CapacitorLife;              // h at the rated temperature
  std::optional<long double> CapacitorTemperature;       // °C, rated
  std::optional<long double> Ambient;                    // °C
  std::optional<long double> CoreLossShare;              // core loss over copper loss
  std::optional<long double> FuseFactor;                 // fuse rating over the primary current
  std::optional<long double> SurgeLimit;                 // A; none: no limiter sized
  std::optional<std::string> Diode;                      // the bridge's diode, "" for none
  std::optional<std::string> SimulationDiode;            // a shipped model's name
  std::optional<std::string> SimulationModel;            // the user's .model line, or ""
  std::optional<long double> SimulationEsr;              // Ω
  std::optional<std::string> SimulationLoad;             // "resistive", "current"

  bool operator==(const DesignSettings&) const = default;
};

// The check of a transformer one has, as typed; an empty text is an entry
// left blank.
struct AnalysisTexts {
  bool Active = false;  // the window shows the check rather than the design
  std::string Voltage = {};
  bool NoLoad = false;  // Voltage was measured with no load
  std::string Current = {};
  std::string Power = {};  // V·A
  std::string PrimaryResistance = {};
  std::string SecondaryResistance = {};
  std::string Regulation = {};
  std::string Kind = "laminated";  // or "toroidal"
  std::string Leakage = {};
  std::string ShortCircuitVoltage = {};
  std::string ShortCircuitCurrent = {};
  std::string Capacitance = {};
  std::string LoadCurrent = {};
  std::string DiodeDrop = {};
  std::string Flux = {};
  int Limbs = 1;

  bool operator==(const AnalysisTexts&) const = default;
};

// What a design file holds.
struct DesignFile {
  InputTexts Inputs;  // U0, I0, Kp, Bm, Ud as typed; Limbs "1" or "2"
  char DecimalSeparator = ',';
  DesignSettings Settings;
  std::optional<AnalysisTexts> Analysis = std::nullopt;  // version 2, optional
};

enum class DesignFileProblem {
  CannotRead,      // no such file, no access, no regular file, too large
  CannotWrite,     // the folder or disk refused the file
  NotJson,         // damaged: not JSON at all, or cut short
  NotADesign,      // some other JSON file
  NewerVersion,    // written by a later version of the program
  UnknownEntry,    // an entry this version does not know
  BadEntry,        // an entry missing or of the wrong kind
  DuplicateEntry,  // an entry given twice
};

// The largest design file read: a design is a few hundred bytes.
inline constexpr std::size_t kMaxDesignFileBytes = std::size_t{1} << 20;

struct DesignFileError {
  DesignFileProblem Problem;
  std::string Detail;                              // the entry, the parser's or the system's reason
  std::optional<std::size_t> Byte = std::nullopt;  // where a damaged file goes wrong
  // Why the file could not be read or written, when that is the problem;
  // worded in the message's language in place of Detail.
  std::optional<files::FileError> File = std::nullopt;
};

using DesignFileReading = std::variant<DesignFile, DesignFileError>;

// The file's text; the inputs in the separator they were typed with.
std::string DesignFileText(const DesignFile& file);

// Reads a file's text and gives the inputs in `separator`.
DesignFileReading ParseDesignFile(std::string_view text, char separator);

// Opens only a regular file of at most kMaxDesignFileBytes: a folder, a FIFO
// or a device is refused without waiting on it or reading it.
DesignFileReading ReadDesignFile(const std::string& path, char separator);

// Writes the whole file or nothing (files::ReplaceFile). Returns an error
// when the file was not written.
std::optional<DesignFileError> WriteDesignFile(const std::string& path, const DesignFile& file);

// A message for the user, naming the file and what is wrong with it; the
// templates (context "design") in the language `lookup` gives.
std::string DescribeDesignFileError(const std::string& path, const DesignFileError& error,
                                    const TextLookup& lookup = Untranslated);

// Why a file could not be read or written, in the language `lookup` gives:
// the system's reason, or the program's own where the system has none.
std::string DescribeFileFault(const files::FileError& error,
                              const TextLookup& lookup = Untranslated);

// `text` with control characters, C1 controls and bytes that are not UTF-8
// shown as \xNN escapes, so a message quoting a file never sends a terminal
// its escape sequences.
std::string Printable(std::string_view text);

// A number's text in the other decimal separator; a text that does not read
// as a number is kept as it is.
std::string WithSeparator(const std::string& text, char from, char to);

}  // namespace tavro::design
