#include "mathem/decimal_reading.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace tavro::mathem {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384 &&
                  std::numeric_limits<long double>::min_exponent == -16381,
              "long double must be the 80-bit extended format");

__extension__ typedef unsigned __int128 U128;
using Big = std::vector<std::uint32_t>;  // little-endian limbs, no zero top limb

// Significant digits kept. A value half-way between two neighbouring long
// doubles, or one of them, has at most about 11 520 significant digits, so a
// text cut to this many digits followed by one non-zero digit (when anything
// non-zero was cut) lies between the same such values as the full text.
constexpr std::size_t kMaxDigits = 12000;

// Decimal exponents are counted up to this size; beyond it every value is
// infinite or zero, whatever the digits.
constexpr long long kFar = 1'000'000'000;

// Past the extended range: 10^4933 is above the largest value, and
// 10^-4951 below half the smallest subnormal 2^-16445.
constexpr long long kOverflowLead = 4934;
constexpr long long kZeroLead = -4951;

constexpr int kMinNormalExp = -16382;  // exponent of the smallest normal value
constexpr int kSubnormalUnitExp = -16445;
constexpr int kMaxExp = 16383;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

long long Clamped(long long v) {
  return v > kFar ? kFar : v < -kFar ? -kFar : v;
}

void MulAdd(Big& v, std::uint32_t factor, std::uint32_t add) {
  std::uint64_t carry = add;
  for (std::uint32_t& limb : v) {
    const std::uint64_t p = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(p);
    carry = p >> 32;
  }
  if (carry != 0) v.push_back(static_cast<std::uint32_t>(carry));
}

Big MulU64(const Big& v, std::uint64_t factor) {
  Big out;
  out.reserve(v.size() + 2);
  U128 carry = 0;
  for (std::uint32_t limb : v) {
    const U128 p = U128{limb} * factor + carry;
    out.push_back(static_cast<std::uint32_t>(p));
    carry = p >> 32;
  }
  for (; carry != 0; carry >>= 32) out.push_back(static_cast<std::uint32_t>(carry));
  while (!out.empty() && out.back() == 0) out.pop_back();
  return out;
}

Big Multiply(const Big& a, const Big& b) {
  if (a.empty() || b.empty()) return {};
  Big out(a.size() + b.size(), 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < b.size(); ++j) {
      const std::uint64_t p = std::uint64_t{a[i]} * b[j] + out[i + j] + carry;
      out[i + j] = static_cast<std::uint32_t>(p);
      carry = p >> 32;
    }
    out[i + b.size()] = static_cast<std::uint32_t>(carry);
  }
  while (!out.empty() && out.back() == 0) out.pop_back();
  return out;
}

constexpr std::uint64_t kPow27 = 7450580596923828125u;  // 5^27
constexpr int kPowStep = 128;
// 5^k is needed up to k = the digits kept plus the smallest exponent's size.
constexpr int kMaxPow = static_cast<int>(kMaxDigits) + 1 - static_cast<int>(kZeroLead);

Big TimesPow5(Big v, int k) {  // k < 128
  for (; k >= 27; k -= 27) v = MulU64(v, kPow27);
  std::uint64_t rest = 1;
  for (; k > 0; --k) rest *= 5;
  return MulU64(v, rest);
}

// 5^k: 5^(128 a) from a table made once when first needed, times 5^b.
Big Pow5(long long k) {
  if (k < kPowStep) return TimesPow5(Big{1}, static_cast<int>(k));
  static const std::vector<Big> table = [] {
    std::vector<Big> t{Big{1}};
    for (int a = 1; a * kPowStep <= kMaxPow; ++a) t.push_back(TimesPow5(t.back(), kPowStep));
    return t;
  }();
  return TimesPow5(table[static_cast<std::size_t>(k / kPowStep)], static_cast<int>(k % kPowStep));
}

int BitLength(const Big& v) {
  if (v.empty()) return 0;
  std::uint32_t top = v.back();
  int bits = 0;
  for (; top != 0 && bits < 32; top >>= 1) ++bits;
  return static_cast<int>(v.size() - 1) * 32 + bits;
}

Big ShiftedLeft(const Big& v, int s) {
  Big out(static_cast<std::size_t>(s / 32), 0);
  const int bits = s % 32;
  std::uint32_t carry = 0;
  for (std::uint32_t limb : v) {
    out.push_back(bits == 0 ? limb : (limb << bits) | carry);
    carry = bits == 0 ? 0 : limb >> (32 - bits);
  }
  if (carry != 0) out.push_back(carry);
  return out;
}

// v >> s; `lost` tells whether a one bit was shifted out.
Big ShiftedRight(const Big& v, int s, bool& lost) {
  const std::size_t limbs = static_cast<std::size_t>(s / 32);
  const int bits = s % 32;
  lost = false;
  for (std::size_t i = 0; i < limbs && i < v.size(); ++i) lost = lost || v[i] != 0;
  Big out;
  for (std::size_t i = limbs; i < v.size(); ++i) {
    const std::uint64_t pair =
        v[i] | (i + 1 < v.size() ? std::uint64_t{v[i + 1]} << 32 : std::uint64_t{0});
    out.push_back(static_cast<std::uint32_t>(pair >> bits));
  }
  if (bits != 0 && limbs < v.size()) lost = lost || (v[limbs] & ((1u << bits) - 1)) != 0;
  while (!out.empty() && out.back() == 0) out.pop_back();
  return out;
}

int Compare(const Big& a, const Big& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

void Subtract(Big& a, const Big& b) {  // a >= b
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::int64_t d = std::int64_t{a[i]} - borrow - (i < b.size() ? std::int64_t{b[i]} : 0);
    borrow = d < 0 ? 1 : 0;
    if (d < 0) d += std::int64_t{1} << 32;
    a[i] = static_cast<std::uint32_t>(d);
  }
  while (!a.empty() && a.back() == 0) a.pop_back();
}

U128 ToU128(const Big& v) {  // v < 2^128
  U128 out = 0;
  for (std::size_t i = v.size(); i-- > 0;) out = (out << 32) | v[i];
  return out;
}

int BitLength(U128 v) {
  int bits = 0;
  for (; v != 0 && bits < 128; v >>= 1) ++bits;
  return bits;
}

long double Encode(bool negative, std::uint64_t significand, int biasedExponent) {
  unsigned char bytes[sizeof(long double)] = {};
  const std::uint16_t signExponent =
      static_cast<std::uint16_t>(biasedExponent | (negative ? 0x8000 : 0));
  std::memcpy(bytes, &significand, sizeof significand);
  std::memcpy(bytes + sizeof significand, &signExponent, sizeof signExponent);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

struct Rounded {
  long double Value;
  DecimalRange Range;
};

Rounded Infinite(bool negative) {
  return {Encode(negative, std::uint64_t{1} << 63, 0x7fff), DecimalRange::Overflow};
}

// The long double nearest (q + d) * 2^b for some 0 <= d < 1, d > 0 exactly
// when `sticky`; q > 0 and below 2^68.
Rounded Round(U128 q, long long b, bool sticky, bool negative) {
  const int length = BitLength(q);
  const long long lead = length - 1 + b;
  if (lead > kMaxExp) return Infinite(negative);
  const bool subnormal = lead < kMinNormalExp;
  long long unitExp = subnormal ? kSubnormalUnitExp : lead - 63;
  const long long drop = unitExp - b;

  // Tiny after rounding: rounded to 64 bits with no lower limit on the
  // exponent, still below the smallest normal value.
  bool tiny = lead < kMinNormalExp;
  if (lead == kMinNormalExp - 1 && length > 64) {
    const int drop64 = length - 64;
    const U128 top = q >> drop64;
    const U128 rest = q & ((U128{1} << drop64) - 1);
    const U128 half = U128{1} << (drop64 - 1);
    const bool up = rest > half || (rest == half && (sticky || (top & 1) != 0));
    if (up && top + 1 == (U128{1} << 64)) tiny = false;
  }

  U128 m = 0;
  bool inexact = sticky;
  if (drop <= 0) {
    m = q << -drop;
  } else if (drop > length) {
    inexact = true;
  } else {
    const U128 rest = q & ((U128{1} << drop) - 1);
    const U128 half = U128{1} << (drop - 1);
    m = q >> drop;
    if (rest > half || (rest == half && (sticky || (m & 1) != 0))) ++m;
    inexact = inexact || rest != 0;
  }
  const DecimalRange range = tiny && inexact ? DecimalRange::Underflow : DecimalRange::Within;
  if (m == 0) return {Encode(negative, 0, 0), range};
  if (m == (U128{1} << 64)) {
    m >>= 1;
    ++unitExp;
  }
  const auto significand = static_cast<std::uint64_t>(m);
  if (subnormal) {
    return {Encode(negative, significand, (significand >> 63) != 0 ? 1 : 0), range};
  }
  const long long biased = unitExp + 63 + kMaxExp;
  if (biased >= 0x7fff) return Infinite(negative);
  return {Encode(negative, significand, static_cast<int>(biased)), range};
}

// digits (no leading zero) * 10^e10.
Rounded Convert(const std::string& digits, long long e10, bool negative) {
  Big d;
  for (std::size_t i = 0; i < digits.size(); i += 9) {
    std::uint32_t chunk = 0;
    std::uint32_t scale = 1;
    for (std::size_t j = i; j < digits.size() && j < i + 9; ++j) {
      chunk = chunk * 10 + static_cast<std::uint32_t>(digits[j] - '0');
      scale *= 10;
    }
    MulAdd(d, scale, chunk);
  }
  while (!d.empty() && d.back() == 0) d.pop_back();

  if (e10 >= 0) {
    // An integer: d * 5^e10 * 2^e10, of which the top 67 bits are kept.
    const Big m = Multiply(d, Pow5(e10));
    const int length = BitLength(m);
    bool lost = false;
    const int shift = length > 67 ? length - 67 : 0;
    const Big top = ShiftedRight(m, shift, lost);
    return Round(ToU128(top), e10 + shift, lost, negative);
  }

  // d / 5^k * 2^-k = (r / divisor) * 2^(-k-shift), the quotient of 66 or 67
  // bits found from the divisor's top 60 bits: the first estimate is short
  // by less than 260, the second by at most 1 (exact when the divisor has
  // no more than 60 bits).
  const long long k = -e10;
  const Big p = Pow5(k);
  const int shift = BitLength(p) + 66 - BitLength(d);
  Big r = shift >= 0 ? ShiftedLeft(d, shift) : d;
  const Big divisor = shift >= 0 ? p : ShiftedLeft(p, -shift);
  const int t = BitLength(divisor) > 60 ? BitLength(divisor) - 60 : 0;
  bool lost = false;
  const U128 top = ToU128(ShiftedRight(divisor, t, lost)) + (t > 0 ? 1 : 0);
  U128 q = 0;
  for (int pass = 0; pass < 2; ++pass) {
    const U128 step = ToU128(ShiftedRight(r, t, lost)) / top;
    Big stepBig;
    for (U128 rest = step; rest != 0; rest >>= 32)
      stepBig.push_back(static_cast<std::uint32_t>(rest));
    Subtract(r, Multiply(divisor, stepBig));
    q += step;
  }
  for (int pass = 0; pass < 3 && Compare(r, divisor) >= 0; ++pass) {
    Subtract(r, divisor);
    ++q;
  }
  return Round(q, -k - shift, !r.empty(), negative);
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace

std::optional<DecimalReading> ReadDecimal(std::string_view text) {
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (negative) ++i;
  const std::size_t wholeStart = i;
  const std::size_t wholeEnd = SkipDigits(text, wholeStart);
  std::size_t fractionStart = wholeEnd;
  std::size_t fractionEnd = wholeEnd;
  if (wholeEnd < text.size() && text[wholeEnd] == '.') {
    fractionStart = wholeEnd + 1;
    fractionEnd = SkipDigits(text, fractionStart);
  }
  if (wholeEnd == wholeStart && fractionEnd == fractionStart) return std::nullopt;
  i = fractionEnd;

  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    const bool negativeExponent = j < text.size() && text[j] == '-';
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        exponent = Clamped(exponent * 10 + (text[j] - '0'));
      }
      if (negativeExponent) exponent = -exponent;
      i = j;
    }
  }

  // The significant digits, and the power of ten of the place before the
  // first of them: the value is 0.digits * 10^lead.
  std::string digits;
  bool cut = false;
  long long lead = 0;
  const auto take = [&](char c) {
    if (digits.size() < kMaxDigits) {
      digits += c;
    } else if (c != '0') {
      cut = true;
    }
  };
  for (std::size_t j = wholeStart; j < wholeEnd; ++j) {
    if (digits.empty() && text[j] == '0') continue;
    take(text[j]);
    lead = Clamped(lead + 1);
  }
  for (std::size_t j = fractionStart; j < fractionEnd; ++j) {
    if (digits.empty() && text[j] == '0') {
      lead = Clamped(lead - 1);
      continue;
    }
    take(text[j]);
  }
  if (cut) {
    digits += '1';
  } else {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
  }

  if (digits.empty()) return DecimalReading{Encode(negative, 0, 0), i, DecimalRange::Within};
  lead += exponent;
  if (lead >= kOverflowLead) {
    const Rounded inf = Infinite(negative);
    return DecimalReading{inf.Value, i, inf.Range};
  }
  if (lead <= kZeroLead) return DecimalReading{Encode(negative, 0, 0), i, DecimalRange::Underflow};
  const Rounded r = Convert(digits, lead - static_cast<long long>(digits.size()), negative);
  return DecimalReading{r.Value, i, r.Range};
}

}  // namespace tavro::mathem
