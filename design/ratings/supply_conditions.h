// The mains as the user chose them: the nominal supply the design is
// calculated for and the tolerance the parts must survive (the mains may sit
// that far below or above nominal for as long as the supply runs).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design/mains.h"
#include "design/translatable.h"

namespace tavro::design::ratings {

struct SupplyConditions {
  Mains Supply;                   // nominal voltage and frequency
  long double Tolerance = 0.10L;  // ±, as a fraction of the nominal voltage

  long double LowFactor() const { return 1.0L - Tolerance; }
  long double HighFactor() const { return 1.0L + Tolerance; }
};

// What the dialog and the command line accept.
inline constexpr long double kMinMainsVoltage = 1.0L;       // V
inline constexpr long double kMaxMainsVoltage = 1000.0L;    // V
inline constexpr long double kMinMainsFrequency = 1.0L;     // Hz
inline constexpr long double kMaxMainsFrequency = 1000.0L;  // Hz
inline constexpr long double kMaxMainsTolerance = 50.0L;    // %

// The first value out of its range, as a message (a marked text of
// ratings_texts.h); nothing when all are fine. The tolerance is in per cent
// here, as the user gives it.
std::optional<std::string_view> CheckSupply(long double voltage, long double frequency,
                                            long double tolerancePercent);

// The defaults reproduce the method as published (220 V, 50 Hz).
inline bool IsNominalSupply(const Mains& m) {
  return m.Voltage == Mains{}.Voltage && m.Frequency == Mains{}.Frequency;
}

// The output group's caption naming the mains: the window's own caption for
// 220 V / 50 Hz, else the same words with the actual voltage and frequency;
// in the language `lookup` gives.
std::string OutputsGroupCaption(const Mains& mains, char separator,
                                const TextLookup& lookup = Untranslated);

}  // namespace tavro::design::ratings
