#include "mathem/rounded_trig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "common/extended_assertions.h"

namespace tavro::mathem {
namespace {

// x, sin x, cos x, tan x, each rounded to the nearest extended value from a
// 20000-bit evaluation (mpmath): every kind of reduction, from none through
// the nearest extended values to π/2 and π to the largest finite argument.
struct Row {
  long double X, Sin, Cos, Tan;
};
constexpr Row kRounded[] = {
    {0xa.aaaaaaaaaaaaaabp-5L, 0xa.786103454063563p-5L, 0xf.1e8b2cc8cc1656bp-4L,
     0xb.148252e8b2e6bd0p-5L},
    {0xb.333333333333333p-4L, 0xa.4eb734a30cdc2a7p-4L, 0xc.3ccb294fcec930cp-4L,
     0xd.7a03617e3c572a6p-4L},
    {0xc.90fdaa22168c235p-4L, 0xb.504f333f9de6485p-4L, 0xb.504f333f9de6484p-4L,
     0x8.000000000000000p-3L},
    {0x8.000000000000000p-3L, 0xd.76aa47848677021p-4L, 0x8.a51407da8345c92p-4L,
     0xc.75922e5f71d2dc5p-3L},
    {0xc.90fdaa22168c235p-3L, 0x8.000000000000000p-3L, -0xe.ce675d1fc8f8cbbp-69L,
     -0x8.a51e04daabda35fp+62L},
    {0x8.000000000000000p-2L, 0xe.8c7b7568da22efdp-4L, -0xd.51132ba9b902522p-5L,
     -0x8.bd7b1704a87c1dbp-2L},
    {0xc.000000000000000p-2L, 0x9.081c36db6aada79p-6L, -0xf.d7025f42f2e9308p-4L,
     -0x9.1f7b892a5c37866p-6L},
    {0xc.90fdaa22168c235p-2L, -0xe.ce675d1fc8f8cbbp-68L, -0x8.000000000000000p-3L,
     0xe.ce675d1fc8f8cbbp-68L},
    {0xa.000000000000000p-1L, -0xf.57c0faf04c99913p-4L, 0x9.13c2b835a56ca9fp-5L,
     -0xd.85a5b9cddd83421p-2L},
    {0x9.6cbe3f9990e91a8p-1L, -0x8.000000000000000p-3L, 0xd.8d66c2ebeb5d4c6p-66L,
     -0x9.71e224f6c0521c6p+59L},
    {0xa.000000000000000p+0L, -0x8.b44f7af9a7a92cep-4L, -0xd.6cd64486358f905p-4L,
     0xa.5faf9a5f1bc12f0p-4L},
    {0xc.800000000000000p+3L, -0x8.1a12dbc626dc038p-4L, 0xd.cc0edfb32fefb20p-4L,
     -0x9.653a6b15ae9bd7dp-4L},
    {0x8.000000000000000p-23L, 0xf.fffffffffd55555p-24L, 0xf.fffffffff800000p-4L,
     0x8.0000000002aaaabp-23L},
    {0xf.424000000000000p+16L, -0xb.332592b46c33a4dp-5L, 0xe.fcefcc836996357p-4L,
     -0xb.f4bb455b9a60084p-5L},
    {0x8.78678326eac9000p+70L, -0xd.a29d5bb5f9cb87dp-4L, 0x8.5f167780e479c9ap-4L,
     -0xd.07bce0db592bba5p-3L},
    {0xb.f21e44003acdd2dp+993L, 0xb.5412e861ddef8ecp-4L, -0xb.4c8a3d095a93267p-4L,
     -0x8.05558d665b191bcp-3L},
    {0x8.000000000000000p+15997L, 0xb.301c733f168e24ep-4L, 0xb.7027515188f5e06p-4L,
     0xf.a66a4e6f8b8a723p-4L},
    {0xf.fffffffffffffffp+16380L, 0xf.dfd9d4b6d0e5f7cp-4L, -0x8.00bbd0061d4f543p-6L,
     -0xf.de654994ce86fdbp-1L},
};

TEST(RoundedTrig, GivesTheNearestExtendedValue) {
  for (const Row& row : kRounded) {
    for (const long double x : {row.X, -row.X}) {
      const long double sign = x < 0 ? -1.0L : 1.0L;
      EXPECT_EQ(NearestSin(x), sign * row.Sin) << test::Digits(x);
      EXPECT_EQ(NearestCos(x), row.Cos) << test::Digits(x);
      EXPECT_EQ(NearestTan(x), sign * row.Tan) << test::Digits(x);
    }
  }
}

// m·2^e for a random 64-bit significand m.
long double WithExponent(std::uint64_t m, int e) {
  m |= std::uint64_t{1} << 63;
  const auto biased = static_cast<std::uint16_t>(e + 16383);
  long double v = 0;
  std::memcpy(&v, &m, sizeof m);
  std::memcpy(reinterpret_cast<unsigned char*>(&v) + sizeof m, &biased, sizeof biased);
  return v;
}

long double Ulp(long double value) {
  const long double size = std::fabs(value);
  return std::nextafter(size, std::numeric_limits<long double>::infinity()) - size;
}

#ifdef TAVRO_HAVE_QUADMATH
extern "C" __float128 sinq(__float128);
extern "C" __float128 cosq(__float128);
extern "C" __float128 tanq(__float128);

long double UlpsFromTrue(long double value, __float128 truth) {
  const __float128 error = static_cast<__float128>(value) - truth;
  return static_cast<long double>(error < 0 ? -error : error) /
         Ulp(static_cast<long double>(truth));
}

TEST(RoundedTrig, IsCorrectlyRoundedAgainst113BitValues) {
  // Angles of the calculation and far beyond them, up to the largest exponent.
  std::mt19937_64 random(25);
  long double worst = 0;
  for (int i = 0; i < 60000; ++i) {
    const int e = i % 3 == 0   ? -3 + static_cast<int>(random() % 6)
                  : i % 3 == 1 ? -40 + static_cast<int>(random() % 100)
                               : -16000 + static_cast<int>(random() % 32000);
    const long double x = WithExponent(random(), e);
    worst = std::max({worst, UlpsFromTrue(NearestSin(x), sinq(x)),
                      UlpsFromTrue(NearestCos(x), cosq(x)), UlpsFromTrue(NearestTan(x), tanq(x))});
  }
  // Half an ulp, and the 113-bit values' own error (about 2^-49 of it).
  EXPECT_LE(worst, 0.5L + 1e-12L);
}
#endif

TEST(RoundedTrig, StaysCloseToTheCLibrary) {
#ifdef _WIN32
  // MinGW-w64's sinl is thousands of ulps off near multiples of π: no
  // reference there.
  GTEST_SKIP() << "glibc is the reference";
#endif
  // glibc's sine, cosine and tangent, an independent implementation, over
  // the angles the calculation meets. Its sine and cosine are within an ulp
  // of the true values; its tangent errs by up to about 1.5 ulps.
  std::mt19937_64 random(1225);
  std::uniform_real_distribution<double> angle(-10.0, 10.0);
  long double sinCos = 0;
  long double tan = 0;
  for (int i = 0; i < 100000; ++i) {
    const long double x =
        static_cast<long double>(angle(random)) + static_cast<long double>(angle(random)) * 1e-17L;
    sinCos = std::max({sinCos, std::fabs(NearestSin(x) - std::sin(x)) / Ulp(std::sin(x)),
                       std::fabs(NearestCos(x) - std::cos(x)) / Ulp(std::cos(x))});
    tan = std::max(tan, std::fabs(NearestTan(x) - std::tan(x)) / Ulp(std::tan(x)));
  }
  EXPECT_LE(sinCos, 1.0L);
  EXPECT_LE(tan, 2.0L);
}

TEST(RoundedTrig, NonFiniteArgumentsAreInvalidAndFiniteOnesRaiseNoFault) {
  const long double inf = std::numeric_limits<long double>::infinity();
  for (const long double x : {inf, -inf}) {
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_TRUE(std::isnan(NearestSin(x)) && std::isnan(NearestCos(x)) &&
                std::isnan(NearestTan(x)));
    EXPECT_NE(std::fetestexcept(FE_INVALID), 0) << "the sine of an infinity must fault";
  }
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_TRUE(std::isnan(NearestSin(std::numeric_limits<long double>::quiet_NaN())));
  for (const long double x :
       {0.0L, 1e-4940L, 0.5L, 1e4L, 1e4000L, std::numeric_limits<long double>::max()}) {
    EXPECT_TRUE(std::isfinite(NearestSin(x) + NearestCos(x) + NearestTan(x)));
  }
  EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
  EXPECT_TRUE(std::signbit(NearestSin(-0.0L)) && std::signbit(NearestTan(-0.0L)));
  EXPECT_EQ(NearestCos(-0.0L), 1.0L);
}

}  // namespace
}  // namespace tavro::mathem
