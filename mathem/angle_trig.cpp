// Sine, cosine and tangent of the Newton steps' angles.
// See docs/method.md, section "Elementary functions".
#include "mathem/angle_trig.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "mathem/extended.h"

namespace tavro::mathem {
namespace {

// π/2 = P1 + P2 + P3 to about 170 bits. P1 and P2 have 53 significant bits,
// so n·P1 and n·P2 are exact for |n| < 2^11; P3 carries the next 64 bits.
constexpr long double kHalfPiPart1 = 0x1.921fb54442d18p+0L;
constexpr long double kHalfPiPart2 = 0x1.1a62633145c07p-54L;
constexpr long double kHalfPiPart3 = -0x1.f1976b7ed8fbbaccp-110L;
constexpr long double kTwoOverPi = 2.0L * kInvPi;

// Adding and taking away 1.5·2^63 rounds a value below 2^62 to an integer.
constexpr long double kRoundToInteger = 0x1.8p63L;

// Within this, n stays below 2^10 and every product above is exact.
constexpr long double kReductionLimit = 1024.0L;

// Below this sin x is x and cos x is 1 in extended precision (x³/6 and x²/2
// are under half an ulp); the sine then keeps the sign of a zero.
constexpr long double kTiny = 0x1p-32L;

// (−1)^k/(2k+1)! for k = 1 … 10 and (−1)^k/(2k)! for k = 2 … 10, each the
// nearest extended value. On |r| ≤ π/4 the first term left out is below
// 2^-72 of the result.
constexpr long double kSin[] = {-0x1.5555555555555556p-3L,  0x1.1111111111111112p-7L,
                                -0x1.a01a01a01a01a01ap-13L, 0x1.71de3a556c7338fap-19L,
                                -0x1.ae64567f544e38fep-26L, 0x1.6124613a86d097cap-33L,
                                -0x1.ae7f3e733b81f11ep-41L, 0x1.952c77030ad4a6b2p-49L,
                                -0x1.2f49b4681415724cp-57L, 0x1.71b8ef6dcf5718bep-66L};
constexpr long double kCos[] = {
    0x1.5555555555555556p-5L,   -0x1.6c16c16c16c16c16p-10L, 0x1.a01a01a01a01a01ap-16L,
    -0x1.27e4fb7789f5c72ep-22L, 0x1.1eed8eff8d897b54p-29L,  -0x1.93974a8c07c9d20cp-37L,
    0x1.ae7f3e733b81f11ep-45L,  -0x1.6827863b97d977bcp-53L, 0x1.e542ba402022507ap-62L};

// x = Hi + Lo + n·π/2 with |Hi| ≤ π/4 (up to the rounding of n) and Lo below
// an ulp of Hi.
struct Reduced {
  long double Hi;
  long double Lo;
  unsigned Quadrant;  // n mod 4
};

Reduced Reduce(long double x) {
  const long double shifted = x * kTwoOverPi + kRoundToInteger;
  const long double n = shifted - kRoundToInteger;
  // x and n·P1 lie within a factor of two of each other, so their difference
  // is exact (Sterbenz), and so is n·P2.
  const long double r1 = x - n * kHalfPiPart1;
  const long double w = n * kHalfPiPart2;
  Reduced r;
  r.Hi = r1 - w;
  // The rounding error of that difference (Dekker's fast two-sum: w, below
  // 1e-13, is far smaller than r1 unless x lies that close to a multiple of
  // π/2, where the error term is still right but for its own last bits),
  // then the third part of π/2. Hi is not renormalised: the corrections take
  // Lo to first order, and Lo stays below an ulp of Hi.
  r.Lo = ((r1 - r.Hi) - w) - n * kHalfPiPart3;
  // n mod 4 from the low bits of the significand of n + 1.5·2^63 (the first
  // eight bytes of the x87 format): converting to an integer would switch
  // the x87 rounding mode twice.
  std::uint64_t significand = 0;
  std::memcpy(&significand, &shifted, sizeof significand);
  r.Quadrant = static_cast<unsigned>(significand & 3U);
  return r;
}

// sin and cos of Hi + Lo for |Hi| ≤ π/4, z = Hi². The two leading terms of
// each series are added last, in order; the small tail behind them is summed
// in pairs (Estrin's scheme), which halves the chain of dependent operations
// of a step and leaves its rounding far below the last bit. The cosine is
// formed as w + ((1 − w) − z/2) + … with w = 1 − z/2, so that the rounding of
// 1 − z/2 is not lost.
SinCos SeriesAt(long double hi, long double lo) {
  const long double z = hi * hi;
  const long double z2 = z * z;
  const long double z4 = z2 * z2;
  const long double sinTail = (kSin[2] + kSin[3] * z) + (kSin[4] + kSin[5] * z) * z2 +
                              ((kSin[6] + kSin[7] * z) + (kSin[8] + kSin[9] * z) * z2) * z4;
  const long double cosTail = (kCos[2] + kCos[3] * z) + (kCos[4] + kCos[5] * z) * z2 +
                              ((kCos[6] + kCos[7] * z) + kCos[8] * z2) * z4;
  const long double s = hi + hi * z * (kSin[0] + z * (kSin[1] + z * sinTail));
  const long double halfZ = 0.5L * z;
  const long double w = 1.0L - halfZ;
  const long double c = w + (((1.0L - w) - halfZ) + z2 * (kCos[0] + z * (kCos[1] + z * cosTail)));
  return {s + lo * c, c - lo * s};
}

}  // namespace

namespace {

SinCos SinCosComputed(long double x) {
  const long double size = std::fabs(x);
  if (size < kTiny) return {x, 1.0L};
  if (size <= kQuarterPi) return SeriesAt(x, 0.0L);
  if (!(size < kReductionLimit)) return {NearestSin(x), NearestCos(x)};
  const Reduced r = Reduce(x);
  const SinCos v = SeriesAt(r.Hi, r.Lo);
  switch (r.Quadrant) {
    case 0:
      return {v.Sin, v.Cos};
    case 1:
      return {v.Cos, -v.Sin};
    case 2:
      return {-v.Sin, -v.Cos};
    default:
      return {-v.Cos, v.Sin};
  }
}

// The quotient of the sine and cosine above (each within an ulp): the
// correctly rounded tangent costs both series in pairs and a division of
// pairs, and a Newton step needs one on every evaluation.
long double TanComputed(long double x) {
  if (!(std::fabs(x) < kReductionLimit)) return NearestTan(x);
  const SinCos v = SinCosComputed(x);
  return v.Sin / v.Cos;
}

}  // namespace

SinCos SinCosOf(long double x) {
  const SinCos v = SinCosComputed(x);
  return {Perturbed(v.Sin), Perturbed(v.Cos)};
}

long double TanOf(long double x) { return Perturbed(TanComputed(x)); }

}  // namespace tavro::mathem
