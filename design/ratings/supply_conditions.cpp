#include "design/ratings/supply_conditions.h"

#include <cmath>

#include "design/ratings/quantity_format.h"
#include "design/ratings/ratings_texts.h"
#include "design/text_template.h"
#include "design/texts.h"

namespace tavro::design::ratings {

std::optional<std::string_view> CheckSupply(long double voltage, long double frequency,
                                            long double tolerancePercent) {
  if (!(voltage >= kMinMainsVoltage && voltage <= kMaxMainsVoltage)) {
    return texts::kMainsVoltageOutOfRange;
  }
  if (!(frequency >= kMinMainsFrequency && frequency <= kMaxMainsFrequency)) {
    return texts::kMainsFrequencyOutOfRange;
  }
  if (!(tolerancePercent >= 0.0L && tolerancePercent <= kMaxMainsTolerance)) {
    return texts::kMainsToleranceOutOfRange;
  }
  return std::nullopt;
}

std::string OutputsGroupCaption(const Mains& mains, char separator, const TextLookup& lookup) {
  if (IsNominalSupply(mains)) return lookup(design::texts::kContext, design::texts::kOutputsGroup);
  return Compose(
      lookup, texts::kContext, texts::kOutputsGroupForMains,
      {FormatStandard(mains.Voltage, separator), FormatStandard(mains.Frequency, separator)});
}

}  // namespace tavro::design::ratings
