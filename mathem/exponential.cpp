// The exponential from basic IEEE operations.
// See docs/method.md, section "Elementary functions".
#include "mathem/exponential.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "mathem/perturb.h"

namespace tavro::mathem {
namespace {

// ln 2 = L1 + L2 + L3 to about 170 bits. L1 and L2 have 48 significant bits,
// so n·L1 and n·L2 are exact for |n| < 2^16; every n here is below 2^15.
constexpr long double kLn2Part1 = 0xb.17217f7d1cfp-4L;
constexpr long double kLn2Part2 = 0xf.35793c7673p-53L;
constexpr long double kLn2Part3 = 0xf.ccp-106L;
constexpr long double kInvLn2 = 0xb.8aa3b295c17f0bcp-3L;

// Adding and taking away 1.5·2^63 rounds a value below 2^62 to an integer.
constexpr long double kRoundToInteger = 0x1.8p63L;

// ln of the largest extended value: beyond it e^x overflows.
constexpr long double kOverflowAbove = 0xb.17217f7d1cf79acp+10L;

// 1/k! for k = 2 … 17, each the nearest extended value. On |r| ≤ ln 2/2 the
// first term left out, r^18/18!, is below 2^-80 of e^r.
constexpr long double kInvFactorial[] = {
    0x8p-4L,  // 1/2!
    0xa.aaaaaaaaaaaaaabp-6L,  0xa.aaaaaaaaaaaaaabp-8L,  0x8.888888888888889p-10L,
    0xb.60b60b60b60b60bp-13L, 0xd.00d00d00d00d00dp-16L, 0xd.00d00d00d00d00dp-19L,
    0xb.8ef1d2ab6399c7dp-22L, 0x9.3f27dbbc4fae397p-25L, 0xd.7322b3faa271c7fp-29L,
    0x8.f76c77fc6c4bdaap-32L, 0xb.092309d43684be5p-36L, 0xc.9cba54603e4e906p-40L,
    0xd.73f9f399dc0f88fp-44L, 0xd.73f9f399dc0f88fp-48L, 0xc.a963b81856a5359p-52L};

// e^(hi + lo) − 1 for |hi| ≤ ln 2/2 (plus rounding) and lo below an ulp of
// hi: the series' terms from r² on, the small ones summed in pairs (Estrin's
// scheme), and lo to first order.
long double ExpMinusOne(long double hi, long double lo) {
  const long double z = hi * hi;
  const long double z2 = z * z;
  const long double z4 = z2 * z2;
  const long double* c = kInvFactorial;  // c[k − 2] = 1/k!
  const long double tail = ((c[4] + c[5] * hi) + (c[6] + c[7] * hi) * z) +
                           ((c[8] + c[9] * hi) + (c[10] + c[11] * hi) * z) * z2 +
                           ((c[12] + c[13] * hi) + (c[14] + c[15] * hi) * z) * z4;
  const long double series = hi + z * ((c[0] + c[1] * hi) + z * ((c[2] + c[3] * hi) + z * tail));
  return series + lo * (1.0L + series);
}

}  // namespace

long double ExpOf(long double x) {
  if (std::isnan(x)) return x + x;
  if (x < kExpIsZeroBelow) return 0.0L;
  if (x > kOverflowAbove) {
    if (std::isinf(x)) return x;
    // Raise the overflow flag as the library would.
    volatile long double huge = std::numeric_limits<long double>::max();
    return huge * huge;
  }
  const long double shifted = x * kInvLn2 + kRoundToInteger;
  const long double n = shifted - kRoundToInteger;
  // x and n·L1 lie within a factor of two of each other (or n is 0), so their
  // difference is exact (Sterbenz); n·L2 is exact too.
  const long double r1 = x - n * kLn2Part1;
  const long double w = n * kLn2Part2;
  const long double hi = r1 - w;
  const long double lo = ((r1 - hi) - w) - n * kLn2Part3;
  // n from the low bits of n + 1.5·2^63 (converting to an integer would switch
  // the x87 rounding mode twice).
  std::int64_t bits = 0;
  std::memcpy(&bits, &shifted, sizeof bits);
  const int exponent = static_cast<int>(bits - (std::int64_t{3} << 62));
  // 1 + (e^r − 1) rounds once; scaling by 2^n is exact unless the result is
  // denormal.
  return Perturbed(std::ldexp(1.0L + ExpMinusOne(hi, lo), exponent));
}

}  // namespace tavro::mathem
