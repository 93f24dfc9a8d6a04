#include "design/readable_number.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>

#include "design/texts.h"

namespace tavro::design {
namespace {

std::string_view Symbol(Unit unit) {
  switch (unit) {
    case Unit::None:
      return "";
    case Unit::Volt:
      return texts::kUnitVolt;
    case Unit::Ampere:
      return texts::kUnitAmpere;
    case Unit::Ohm:
      return texts::kUnitOhm;
    case Unit::Farad:
      return texts::kUnitFarad;
    case Unit::Henry:
      return texts::kUnitHenry;
    case Unit::Watt:
      return texts::kUnitWatt;
    case Unit::VoltAmpere:
      return texts::kUnitVoltAmpere;
    case Unit::Hertz:
      return texts::kUnitHertz;
    case Unit::Second:
      return texts::kUnitSecond;
    case Unit::Degree:
      return "°";
    case Unit::Percent:
      return "%";
    case Unit::Celsius:
      return "°C";
  }
  return "";
}

constexpr int kUnitIndex = 4;
constexpr int kMicroIndex = 2;
constexpr int kPrefixCount = static_cast<int>(std::size(texts::kPrefixes));

bool TakesPrefix(Unit unit) {
  return unit != Unit::None && unit != Unit::Degree && unit != Unit::Percent &&
         unit != Unit::Celsius;
}

// |value| rounded to `decimals`, in plain digits with a point.
std::string Fixed(long double magnitude, int decimals) {
  char buffer[128];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                     std::chars_format::fixed, decimals);
  return std::string(buffer, written.ptr);
}

// Three significant digits below 1 too ("0,0858"), except what rounds to 1
// at two decimals; what is smaller than the exponent form's bound (0,005)
// takes that form, so a few steps suffice.
int DecimalsFor(long double mantissa) {
  if (mantissa > 0.0L && mantissa < 0.995L) {
    int decimals = 2;
    for (long double m = mantissa; m < 1.0L && decimals < 8; m *= 10.0L) ++decimals;
    return decimals;
  }
  return mantissa < 10.0L ? 2 : mantissa < 1000.0L ? 1 : 0;
}

// The mantissa's digits; one that rounds up into the next decade (9,996 to
// 10,00) loses the decimal the new decade does not keep.
std::string Digits(long double mantissa) {
  const int decimals = DecimalsFor(mantissa);
  std::string digits = Fixed(mantissa, decimals);
  if ((decimals == 2 && digits.starts_with("10.")) ||
      (decimals == 1 && digits.starts_with("1000."))) {
    digits = Fixed(mantissa, decimals - 1);
  }
  return digits;
}

// The digits of a magnitude in [0, ∞): grouped by thousands, the separator.
std::string Shown(const std::string& fixed, char separator) {
  const std::size_t point = fixed.find('.');
  const std::string whole = fixed.substr(0, point);
  std::string grouped;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0 && whole.size() > 4) grouped += "\u00a0";
    grouped += whole[i];
  }
  if (point != std::string::npos) grouped += separator + fixed.substr(point + 1);
  return grouped;
}

}  // namespace

std::string FormatReadable(long double value, Unit unit, char separator,
                           const TextLookup& lookup) {
  if (!std::isfinite(value)) return "—";
  long double magnitude = std::fabs(value);
  int prefix = kUnitIndex;
  if (TakesPrefix(unit) && magnitude > 0.0L) {
    if (unit == Unit::Farad && magnitude >= 1e-6L && magnitude < 1.0L) {
      prefix = kMicroIndex;
      magnitude *= 1e6L;
    } else {
      // At most kPrefixCount steps each way.
      while (magnitude < 1.0L && prefix > 0) {
        magnitude *= 1000.0L;
        --prefix;
      }
      while (magnitude >= 1000.0L && prefix < kPrefixCount - 1) {
        magnitude /= 1000.0L;
        ++prefix;
      }
    }
  }
  std::string digits = Digits(magnitude);
  // Rounding may reach the next thousand: 999,96 → 1,00 with the next prefix.
  const bool microfarads = unit == Unit::Farad && prefix == kMicroIndex;
  if (TakesPrefix(unit) && !microfarads && prefix < kPrefixCount - 1 &&
      std::string_view(digits).starts_with("1000")) {
    magnitude /= 1000.0L;
    ++prefix;
    digits = Digits(magnitude);
  }
  // Below a picounit the digits would all be zero: the exponent says how
  // small it is, without a prefix.
  if (magnitude > 0.0L && magnitude < 0.005L) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, 2);
    std::string exponent(buffer, written.ptr);
    for (char& c : exponent) {
      if (c == '.') c = separator;
      if (c == 'e') c = 'E';
    }
    const std::string sign = value < 0.0L ? "-" : "";
    return unit == Unit::None ? sign + exponent
                              : sign + exponent + "\u00a0" + lookup(texts::kContext, Symbol(unit));
  }
  const bool zero = digits.find_first_not_of("0.") == std::string::npos;
  std::string shown = (value < 0.0L && !zero ? "-" : "") + Shown(digits, separator);
  const std::string_view symbol = Symbol(unit);
  if (unit == Unit::None) return shown;
  if (unit == Unit::Degree) return shown + std::string(symbol);
  const std::string prefixText =
      prefix == kUnitIndex ? std::string() : lookup(texts::kContext, texts::kPrefixes[prefix]);
  const std::string unitText =
      unit == Unit::Percent || unit == Unit::Celsius ? std::string(symbol)
                                                     : lookup(texts::kContext, symbol);
  return shown + "\u00a0" + prefixText + unitText;
}

}  // namespace tavro::design
