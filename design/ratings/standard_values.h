// Standard values parts are bought in: capacitances of the E6 and E12 series,
// the voltage classes of electrolytic capacitors and the reverse-voltage
// classes of rectifier diodes. Each pick is the smallest standard value not
// below the need; a need that equals a standard value to within the rounding
// of its calculation (a relative 1e-12) takes that value. A need above the
// largest class, or no positive finite need, has no pick.
#pragma once

#include <optional>
#include <span>

namespace tavro::design::ratings {

enum class CapacitanceSeries { E6, E12 };

inline constexpr long double kCapacitorVoltageClasses[] = {
    6.3L,   10.0L,  16.0L,  25.0L,  35.0L,  50.0L,  63.0L, 80.0L,
    100.0L, 160.0L, 200.0L, 250.0L, 350.0L, 400.0L, 450.0L};  // V
inline constexpr long double kDiodeVoltageClasses[] = {50.0L,  100.0L,  200.0L,  400.0L, 600.0L,
                                                       800.0L, 1000.0L, 1200.0L, 1600.0L};  // V

// The smallest value of the series (in any decade) not below `need`; needs
// outside 1e-30 … 1e30 have none.
std::optional<long double> PickSeriesValue(long double need, CapacitanceSeries series);

// The smallest class not below `need`; nothing above the largest.
std::optional<long double> PickClass(long double need, std::span<const long double> classes);

}  // namespace tavro::design::ratings
