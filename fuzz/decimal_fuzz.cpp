// Fuzzes the decimal conversion of the input fields against a second,
// slower reading of the same grammar written here as a state machine, and
// the value against the C++ library's own conversion.
//
// Input: first byte picks the separator (odd: ',', even: '.'); the rest is
// the field's text.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "design/decimal.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

// States of the grammar:
//   ' '* [+-]? ( D+ (S D*)? | S D* ) ( [eE] [+-]? D* )? ' '*
enum State { kLead, kSign, kWhole, kPoint, kFraction, kE, kExpSign, kExp, kTrail, kReject };

bool Accepting(State s) {
  return s == kWhole || s == kPoint || s == kFraction || s == kE || s == kExpSign ||
         s == kExp || s == kTrail;
}

State Next(State s, char c, char sep) {
  const bool digit = c >= '0' && c <= '9';
  const bool space = c == ' ';
  const bool sign = c == '+' || c == '-';
  const bool e = c == 'e' || c == 'E';
  switch (s) {
    case kLead:
      return space ? kLead : sign ? kSign : digit ? kWhole : c == sep ? kPoint : kReject;
    case kSign:
      return digit ? kWhole : c == sep ? kPoint : kReject;
    case kWhole:
      return digit ? kWhole : c == sep ? kPoint : e ? kE : space ? kTrail : kReject;
    case kPoint:
    case kFraction:
      return digit ? kFraction : e ? kE : space ? kTrail : kReject;
    case kE:
      return sign ? kExpSign : digit ? kExp : space ? kTrail : kReject;
    case kExpSign:
    case kExp:
      return digit ? kExp : space ? kTrail : kReject;
    case kTrail:
      return space ? kTrail : kReject;
    default:
      return kReject;
  }
}

bool InGrammar(std::string_view text, char sep) {
  State s = kLead;
  for (char c : text) s = Next(s, c, sep);
  return Accepting(s);
}

// The same number through std::from_chars: spaces and '+' dropped, the
// separator made a point, a dangling exponent removed.
std::from_chars_result LibraryValue(std::string_view text, char sep, long double& value) {
  std::string plain;
  for (char c : text) {
    if (c == ' ' || c == '+') continue;
    plain += c == sep ? '.' : c;
  }
  while (!plain.empty() && (plain.back() == 'e' || plain.back() == 'E' || plain.back() == '-')) {
    const char last = plain.back();
    plain.pop_back();
    if (last == 'e' || last == 'E') break;
  }
  const std::size_t point = plain.find('.');
  const std::size_t mantissaEnd = plain.find_first_of("eE");
  const std::size_t end = mantissaEnd == std::string::npos ? plain.size() : mantissaEnd;
  const std::size_t digitsStart = plain[0] == '-' ? 1 : 0;
  if (point != std::string::npos && end - digitsStart == 1) plain.insert(point, "0");  // "." alone
  return std::from_chars(plain.data(), plain.data() + plain.size(), value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char sep = (data[0] & 1) ? ',' : '.';
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::optional<long double> parsed = tavro::design::ParseDecimal(text, sep);
  const bool grammar = InGrammar(text, sep);

  if (parsed && !grammar) Fail("accepted outside the grammar", text);
  if (parsed) {
    if (!std::isfinite(*parsed)) Fail("accepted a value that is not finite", text);
    const char other = sep == ',' ? '.' : ',';
    for (char c : text) {
      if (c == '\t' || c == other || c == 'x' || c == 'X' || c == 'i' || c == 'I' || c == 'n' ||
          c == 'N') {
        Fail("accepted a forbidden character", text);
      }
    }
  }
  if (!grammar) return 0;

  long double library = 0;
  const std::from_chars_result r = LibraryValue(text, sep, library);
  if (r.ec == std::errc::result_out_of_range) {
    // Too large must be refused; too small reads as a tiny value or zero.
    if (parsed && std::fabs(*parsed) >= std::numeric_limits<long double>::min()) {
      Fail("out-of-range text read as a normal number", text);
    }
    return 0;
  }
  if (r.ec != std::errc()) Fail("the library cannot read a text of the grammar", text);
  if (!parsed) Fail("refused a text of the grammar within range", text);
  if (*parsed != library) Fail("a value different from the library's", text);
  return 0;
}
