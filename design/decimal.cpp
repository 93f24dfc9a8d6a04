#include "design/decimal.h"

#include <charconv>

#include "mathem/decimal_reading.h"

namespace tavro::design {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TakeDigits(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return text.substr(start, i - start);
}

}  // namespace

std::optional<long double> ParseDecimal(std::string_view text, char separator) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;

  // Rebuilt as "[-]D.DeSX", a form the exact reader takes in full.
  std::string canonical;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') canonical += '-';
    ++i;
  }
  const std::string_view whole = TakeDigits(text, i);
  bool hasSeparator = false;
  std::string_view fraction;
  if (i < text.size() && text[i] == separator) {
    hasSeparator = true;
    ++i;
    fraction = TakeDigits(text, i);
  }
  if (whole.empty() && fraction.empty() && !hasSeparator) return std::nullopt;
  canonical += whole.empty() ? std::string_view("0") : whole;
  canonical += '.';
  canonical += fraction.empty() ? std::string_view("0") : fraction;

  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    char exponentSign = '+';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) exponentSign = text[i++];
    const std::string_view exponent = TakeDigits(text, i);
    if (!exponent.empty()) {
      canonical += 'e';
      canonical += exponentSign;
      canonical += exponent;
    }
  }
  while (i < text.size() && text[i] == ' ') ++i;
  if (i != text.size()) return std::nullopt;

  const auto value = mathem::ReadDecimal(canonical);
  if (!value || value->Range == mathem::DecimalRange::Overflow) return std::nullopt;
  return value->Value;
}

std::string FormatResult(long double value, char separator) {
  if (value == 0.0L) return std::string("0") + separator + "00000E+00";

  // 41 significant digits hold any extended value far closer than the
  // rounding below can notice, so the 7th digit onwards decides alone: a
  // value exactly half-way is rounded away from zero, as a calculator would.
  char exact[80];
  const auto written =
      std::to_chars(exact, exact + sizeof exact, value, std::chars_format::scientific, 40);
  std::string_view text(exact, static_cast<std::size_t>(written.ptr - exact));
  const bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t e = text.find('e');
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);

  std::string digits;  // the six significant digits
  digits += text[0];
  digits += text.substr(2, 5);
  if (text[7] >= '5') {
    int i = 5;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    }
  }

  std::string shown;
  if (negative) shown += '-';
  shown += digits[0];
  shown += separator;
  shown += digits.substr(1);
  shown += 'E';
  shown += exponent < 0 ? '-' : '+';
  const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
  if (magnitude.size() < 2) shown += '0';
  shown += magnitude;
  return shown;
}

}  // namespace tavro::design
