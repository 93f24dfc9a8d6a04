#include "mathem/angle_trig.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <random>

#include "common/extended_assertions.h"
#include "mathem/extended.h"
#include "mathem/perturb.h"
#include "mathem/rounded_trig.h"

namespace tavro::mathem {
namespace {

// A perturbed test build moves every value one ulp on purpose.
constexpr long double kSlack = kPerturbUlps != 0 ? 1.0L : 0.0L;

// Distance in units in the last place of the correctly rounded value.
long double UlpsFrom(long double value, long double library) {
  if (value == library) return 0;
  const long double magnitude = std::fabs(library);
  const long double ulp =
      std::nextafter(magnitude, std::numeric_limits<long double>::infinity()) - magnitude;
  return std::fabs(value - library) / ulp;
}

struct Worst {
  long double sin = 0, cos = 0, tan = 0;
  void Take(long double x) {
    const SinCos sc = SinCosOf(x);
    sin = std::max(sin, UlpsFrom(sc.Sin, NearestSin(x)));
    cos = std::max(cos, UlpsFrom(sc.Cos, NearestCos(x)));
    tan = std::max(tan, UlpsFrom(TanOf(x), NearestTan(x)));
  }
};

TEST(AngleTrig, AgreesWithTheRoundedValuesToTheLastBits) {
  // The angles of the Newton steps and beyond, in every quadrant and sign.
  Worst worst;
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> angle(-9.0, 9.0);
  for (int i = 0; i < 200000; ++i) {
    worst.Take(static_cast<long double>(angle(random)) +
               static_cast<long double>(angle(random)) * 1e-17L);
  }
  // Close to the multiples of π/2, where the reduction cancels most.
  for (int n = -5; n <= 5; ++n) {
    for (int k = -300; k <= 300; ++k) worst.Take(n * kHalfPi + k * 1e-19L);
  }
  EXPECT_LE(worst.sin, 1.0L + kSlack);
  EXPECT_LE(worst.cos, 1.0L + kSlack);
  EXPECT_LE(worst.tan, 3.0L + kSlack);  // a quotient of the two
  EXPECT_GT(worst.sin, 0.0L);  // (the check itself can see a difference)
}

#ifdef TAVRO_HAVE_QUADMATH
// The 113-bit functions of GCC's libquadmath serve as the true values.
extern "C" __float128 sinq(__float128);
extern "C" __float128 cosq(__float128);
extern "C" __float128 tanq(__float128);

long double UlpsFromTrue(long double value, __float128 truth) {
  const long double nearest = static_cast<long double>(truth);
  const long double magnitude = std::fabs(nearest);
  const long double ulp =
      std::nextafter(magnitude, std::numeric_limits<long double>::infinity()) - magnitude;
  const __float128 error = static_cast<__float128>(value) - truth;
  return static_cast<long double>(error < 0 ? -error : error) / ulp;
}

TEST(AngleTrig, SineAndCosineAreWithinAnUlpOfTheTrueValue) {
  long double sin = 0, cos = 0, tan = 0;
  std::mt19937_64 random(8);
  std::uniform_real_distribution<double> angle(-6.5, 6.5);
  for (int i = 0; i < 100000; ++i) {
    const long double x =
        static_cast<long double>(angle(random)) + static_cast<long double>(angle(random)) * 1e-17L;
    const SinCos sc = SinCosOf(x);
    sin = std::max(sin, UlpsFromTrue(sc.Sin, sinq(x)));
    cos = std::max(cos, UlpsFromTrue(sc.Cos, cosq(x)));
    tan = std::max(tan, UlpsFromTrue(TanOf(x), tanq(x)));
  }
  // Half an ulp is the rounding of the true value itself.
  EXPECT_LE(sin, 1.1L + kSlack);
  EXPECT_LE(cos, 1.1L + kSlack);
  EXPECT_LE(tan, 3.0L + kSlack);  // a quotient of the two
}
#endif

TEST(AngleTrig, ZeroIsExactAndHugeAndNonFiniteArgumentsGoToTheRoundedRoutines) {
  for (const long double zero : {0.0L, -0.0L}) {
    const SinCos sc = SinCosOf(zero);
    EXPECT_EQ(sc.Sin, zero);
    EXPECT_EQ(std::signbit(sc.Sin), std::signbit(zero));
    EXPECT_EQ(sc.Cos, Perturbed(1.0L));
  }
  EXPECT_EQ(SinCosOf(1e-30L).Sin, Perturbed(1e-30L));
  for (const long double x : {1024.0L, -1e6L, 1e300L}) {
    const SinCos sc = SinCosOf(x);
    EXPECT_EQ(sc.Sin, Perturbed(NearestSin(x))) << test::Digits(x);
    EXPECT_EQ(sc.Cos, Perturbed(NearestCos(x))) << test::Digits(x);
    EXPECT_EQ(TanOf(x), Perturbed(NearestTan(x))) << test::Digits(x);
  }
  for (const long double x : {std::numeric_limits<long double>::infinity(),
                              -std::numeric_limits<long double>::infinity()}) {
    std::feclearexcept(FE_ALL_EXCEPT);
    const SinCos sc = SinCosOf(x);
    EXPECT_TRUE(std::isnan(sc.Sin) && std::isnan(sc.Cos));
    EXPECT_NE(std::fetestexcept(FE_INVALID), 0) << "the sine of an infinity must fault";
    std::feclearexcept(FE_ALL_EXCEPT);
  }
  EXPECT_TRUE(std::isnan(TanOf(std::numeric_limits<long double>::quiet_NaN())));
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(AngleTrig, ReducedArgumentsRaiseNoFault) {
  std::feclearexcept(FE_ALL_EXCEPT);
  for (long double x = -20.0L; x <= 20.0L; x += 0.001L) {
    const SinCos sc = SinCosOf(x);
    const long double t = TanOf(x);
    ASSERT_TRUE(std::isfinite(sc.Sin) && std::isfinite(sc.Cos) && std::isfinite(t));
  }
  EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
}

}  // namespace
}  // namespace tavro::mathem
