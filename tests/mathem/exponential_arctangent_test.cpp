// The calculation's own exponential and arctangent: within an ulp of the true
// value, and the C library's behaviour at the edges (faults, zeros, NaN).
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <random>

#include "mathem/arctangent.h"
#include "mathem/exponential.h"
#include "mathem/extended.h"
#include "mathem/perturb.h"

namespace tavro::mathem {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
// A perturbed test build moves every value one ulp on purpose.
constexpr long double kSlack = kPerturbUlps != 0 ? 1.0L : 0.0L;

#ifdef TAVRO_HAVE_QUADMATH
extern "C" __float128 expq(__float128);
extern "C" __float128 atanq(__float128);

long double UlpsFromTrue(long double value, __float128 truth) {
  const long double nearest = static_cast<long double>(truth);
  const long double magnitude = std::fabs(nearest);
  const long double ulp = std::nextafter(magnitude, kInf) - magnitude;
  const __float128 error = static_cast<__float128>(value) - truth;
  return static_cast<long double>(error < 0 ? -error : error) / ulp;
}

TEST(Elementary, ExponentialAndArctangentAreWithinAnUlpOfTheTrueValue) {
  std::mt19937_64 random(11);
  long double exp = 0, atan = 0;
  // The exponents the calculation meets (the pulse decays from 0 down to
  // where it vanishes) and the whole range where e^x is normal.
  std::uniform_real_distribution<double> small(-40.0, 1.0);
  std::uniform_real_distribution<double> wide(-11350.0, 11356.0);
  for (int i = 0; i < 60000; ++i) {
    const long double x = i % 3 == 0 ? static_cast<long double>(wide(random))
                                     : static_cast<long double>(small(random)) * (1.0L + 1e-17L * i);
    exp = std::max(exp, UlpsFromTrue(ExpOf(x), expq(x)));
  }
  // ωLs/Rsum from 1e-9 to 1e9, spread evenly over the decades, both signs.
  std::uniform_real_distribution<double> decade(-9.0, 9.0);
  for (int i = 0; i < 60000; ++i) {
    const long double y = (i % 2 ? -1 : 1) * static_cast<long double>(std::pow(10.0, decade(random)));
    atan = std::max(atan, UlpsFromTrue(ArcTanOf(y), atanq(y)));
  }
  for (int i = 0; i <= 16 * 64; ++i) {  // the table's seams
    const long double y = i / 1024.0L + 1e-19L;
    atan = std::max(atan, UlpsFromTrue(ArcTanOf(y), atanq(y)));
    atan = std::max(atan, UlpsFromTrue(ArcTanOf(1.0L / y), atanq(1.0L / y)));
  }
  // Half an ulp is the rounding of the true value itself.
  EXPECT_LE(exp, 1.0L + kSlack);
  EXPECT_LE(atan, 1.0L + kSlack);
}
#endif

TEST(Elementary, EdgesBehaveAsTheLibrarysDo) {
  std::feclearexcept(FE_ALL_EXCEPT);
  if (kPerturbUlps == 0) {
    EXPECT_EQ(ExpOf(0.0L), 1.0L);
    EXPECT_EQ(ArcTanOf(1.0L), kQuarterPi);
  }
  EXPECT_EQ(ExpOf(-kInf), 0.0L);
  EXPECT_EQ(ExpOf(-20000.0L), 0.0L);
  EXPECT_EQ(ExpOf(kInf), kInf);
  EXPECT_EQ(ArcTanOf(0.0L), 0.0L);
  EXPECT_TRUE(std::signbit(ArcTanOf(-0.0L)));
  EXPECT_EQ(ArcTanOf(1e-30L), 1e-30L);
  EXPECT_EQ(ArcTanOf(-kInf), Perturbed(-kHalfPi));
  EXPECT_TRUE(std::isnan(ExpOf(std::numeric_limits<long double>::quiet_NaN())));
  EXPECT_TRUE(std::isnan(ArcTanOf(std::numeric_limits<long double>::quiet_NaN())));
  // Denormal results are silent; none of these is a fault.
  EXPECT_GT(ExpOf(-11390.0L), 0.0L);
  EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);

  EXPECT_EQ(ExpOf(11357.0L), kInf);
  EXPECT_NE(std::fetestexcept(FE_OVERFLOW), 0) << "an exponential that overflows must fault";
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_LT(ExpOf(11356.5L), kInf);
  EXPECT_EQ(std::fetestexcept(FE_OVERFLOW), 0);
}

}  // namespace
}  // namespace tavro::mathem
