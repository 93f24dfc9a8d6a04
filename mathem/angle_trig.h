// Sine, cosine and tangent of the angles a Newton step works with: ψ, ψ + φ
// and β − φ, all within a few quadrants of zero.
//
// The C library's extended-precision sine reduces any argument beyond π/4
// with its general multi-word reduction, which costs several times the sine
// itself. These angles never need it: a reduction by a three-part π/2 (Cody
// and Waite) is exact here to far below the last bit, the library then works
// on |r| ≤ π/4, and the part of r below the last bit is carried by a
// first-order correction. Arguments within π/4 of zero, huge ones and
// non-finite ones go to the library unchanged, so its faults (the sine of an
// infinity is an invalid operation) are the library's.
//
// Inline: long double arguments travel through memory in calls, and a step
// makes a dozen of these.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

#include "mathem/extended.h"

namespace tavro::mathem {

struct SinCos {
  long double Sin;
  long double Cos;
};

namespace angle_trig {

// π/2 = P1 + P2 + P3 to about 170 bits. P1 and P2 have 53 significant bits,
// so n·P1 and n·P2 are exact for |n| < 2^11; P3 carries the next 64 bits.
inline constexpr long double kHalfPiPart1 = 0x1.921fb54442d18p+0L;
inline constexpr long double kHalfPiPart2 = 0x1.1a62633145c07p-54L;
inline constexpr long double kHalfPiPart3 = -0x1.f1976b7ed8fbbaccp-110L;
inline constexpr long double kTwoOverPi = 2.0L * kInvPi;

// Adding and taking away 1.5·2^63 rounds a value below 2^62 to an integer.
inline constexpr long double kRoundToInteger = 0x1.8p63L;

// Within this, n stays below 2^10 and every product below is exact.
inline constexpr long double kReductionLimit = 1024.0L;

// x = Hi + Lo + n·π/2 with |Hi| ≤ π/4 (up to the rounding of n) and Lo below
// an ulp of Hi.
struct Reduced {
  long double Hi;
  long double Lo;
  unsigned Quadrant;  // n mod 4
};

inline bool NeedsReduction(long double x) {
  const long double size = std::fabs(x);
  return size > kQuarterPi && size < kReductionLimit;
}

inline Reduced Reduce(long double x) {
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
  // then the third part of π/2. Hi is not renormalised: the corrections
  // below take Lo to first order, and Lo stays below an ulp of Hi.
  r.Lo = ((r1 - r.Hi) - w) - n * kHalfPiPart3;
  // n mod 4 from the low bits of the significand of n + 1.5·2^63 (the first
  // eight bytes of the x87 format): converting to an integer would switch
  // the x87 rounding mode twice.
  std::uint64_t significand = 0;
  std::memcpy(&significand, &shifted, sizeof significand);
  r.Quadrant = static_cast<unsigned>(significand & 3U);
  return r;
}

}  // namespace angle_trig

// Both from one reduction and one library evaluation.
inline SinCos SinCosOf(long double x) {
  using namespace angle_trig;
  SinCos out;
  if (!NeedsReduction(x)) {
    sincosl(x, &out.Sin, &out.Cos);
    return out;
  }
  const Reduced r = Reduce(x);
  long double s = 0.0L;
  long double c = 0.0L;
  sincosl(r.Hi, &s, &c);
  // sin(Hi + Lo) and cos(Hi + Lo) to first order in Lo, which is all of it.
  const long double sinR = s + r.Lo * c;
  const long double cosR = c - r.Lo * s;
  switch (r.Quadrant) {
    case 0:
      return {sinR, cosR};
    case 1:
      return {cosR, -sinR};
    case 2:
      return {-sinR, -cosR};
    default:
      return {-cosR, sinR};
  }
}

// The cosine alone, from one library evaluation: cos(Hi + Lo) needs sin Hi
// (or in the odd quadrants cos Hi) only in the correction Lo·sin Hi, where
// the first terms of its series, Hi − Hi³/6 (1 − Hi²/2), are exact to far
// below the last bit since |Lo| is below 2^-64·|Hi|.
inline long double CosOf(long double x) {
  using namespace angle_trig;
  if (!NeedsReduction(x)) return std::cos(x);
  const Reduced r = Reduce(x);
  const long double square = r.Hi * r.Hi;
  switch (r.Quadrant) {
    case 0: return std::cos(r.Hi) - r.Lo * (r.Hi * (1.0L - square / 6.0L));
    case 1: return -(std::sin(r.Hi) + r.Lo * (1.0L - 0.5L * square));
    case 2: return -(std::cos(r.Hi) - r.Lo * (r.Hi * (1.0L - square / 6.0L)));
    default: return std::sin(r.Hi) + r.Lo * (1.0L - 0.5L * square);
  }
}

// The tangent function of the reduced argument (−1/tan r in the odd
// quadrants), never a quotient of sine and cosine.
inline long double TanOf(long double x) {
  using namespace angle_trig;
  if (!NeedsReduction(x)) return std::tan(x);
  const Reduced r = Reduce(x);
  const long double t = std::tan(r.Hi);
  const long double tanR = t + r.Lo * (1.0L + t * t);
  return (r.Quadrant & 1U) == 0 ? tanR : -1.0L / tanR;
}

}  // namespace tavro::mathem
