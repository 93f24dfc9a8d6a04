// The decimal reader against the compiler's own conversion of literals (exact,
// on any system) and, where the C library is glibc, against its strtold,
// which rounds correctly: random texts, and the exact half-way points between
// neighbouring values with the texts just above and below them.
#include "mathem/decimal_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#ifdef TAVRO_HAVE_QUADMATH
// GCC's libquadmath (declared here: clang has no quadmath.h of its own).
extern "C" int quadmath_snprintf(char* s, std::size_t size, const char* format, ...);
#endif

namespace tavro::mathem {
namespace {

constexpr DecimalRange kWithin = DecimalRange::Within;
constexpr DecimalRange kOver = DecimalRange::Overflow;
constexpr DecimalRange kUnder = DecimalRange::Underflow;
constexpr long double kInf = std::numeric_limits<long double>::infinity();

bool SameBits(long double a, long double b) {
  return std::memcmp(&a, &b, 10) == 0;
}

struct Known {
  std::string Text;
  long double Value;
  std::size_t Used;  // 0: the whole text
  DecimalRange Range;
};

TEST(DecimalReading, KnownValuesAndStops) {
  const std::string tieAboveOne =
      "1.0000000000000000000542101086242752217003726400434970855712890625";
  const Known cases[] = {
      {"0", 0.0L, 1, kWithin},
      {"-0.000e9", -0.0L, 0, kWithin},
      {"1.1", 1.1L, 0, kWithin},
      {"-.5e", -0.5L, 3, kWithin},
      {"5.", 5.0L, 2, kWithin},
      {"1e+", 1.0L, 1, kWithin},
      {"2E-3x", 2E-3L, 4, kWithin},
      {"0x1p3", 0.0L, 1, kWithin},
      {"3.14159265358979323846264338327950288", 3.14159265358979323846264338327950288L, 0, kWithin},
      {"1e0000000000000000000000010", 1e10L, 0, kWithin},
      // 1 + 2^-64 lies half-way between 1 and its successor: the even one.
      {tieAboveOne, 1.0L, 0, kWithin},
      {tieAboveOne + "1", 1.0L + 0x1p-63L, 0, kWithin},
      {tieAboveOne + std::string(15000, '0') + "1", 1.0L + 0x1p-63L, 0, kWithin},
      {"1" + std::string(20000, '0') + "e-20000", 1.0L, 0, kWithin},
      {"0." + std::string(20000, '0') + "25e20001", 2.5L, 0, kWithin},
      {"1.18973149535723176502e+4932", 1.18973149535723176502e+4932L, 0, kWithin},
      {"1.19e4932", kInf, 0, kOver},
      {"-1e99999999999999999999", -kInf, 0, kOver},
      {"0e99999999999999999999", 0.0L, 0, kWithin},
      {"3.36210314311209350626e-4932", 3.36210314311209350626e-4932L, 0, kWithin},
      // The smallest subnormal is held exactly; half of it is a tie with zero.
      {"3.6451995318824746025284059336194198163990508156935633437209804870283716463e-4951",
       0x1p-16445L, 0, kUnder},
      {"1.822599765941237301264202966809709908199525407846781671860490243514185844316e-4951", 0.0L,
       0, kUnder},
      {"1.822599765941237301264202966809709908199525407846781671860490243514185844317e-4951",
       0x1p-16445L, 0, kUnder},
      {"-1e-99999999999999999999", -0.0L, 0, kUnder},
  };
  for (const Known& c : cases) {
    SCOPED_TRACE(c.Text.substr(0, 80));
    const auto r = ReadDecimal(c.Text);
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(SameBits(r->Value, c.Value)) << static_cast<double>(r->Value);
    EXPECT_EQ(r->Used, c.Used == 0 ? c.Text.size() : c.Used);
    EXPECT_EQ(r->Range, c.Range);
  }

  for (const char* text : {"", "-", ".", "-.e1", "+1", " 1", "e5", "inf", "-nan", "x1"}) {
    EXPECT_FALSE(ReadDecimal(text).has_value()) << text;
  }
}

#ifdef __GLIBC__
void ExpectAsStrtold(const std::string& text) {
  errno = 0;
  char* end = nullptr;
  const long double expected = std::strtold(text.c_str(), &end);
  const bool outOfRange = errno == ERANGE;
  const auto r = ReadDecimal(text);
  ASSERT_TRUE(r.has_value()) << text;
  ASSERT_TRUE(SameBits(r->Value, expected) &&
              r->Used == static_cast<std::size_t>(end - text.c_str()) &&
              (r->Range != kWithin) == outOfRange)
      << text.substr(0, 200);
}

TEST(DecimalReading, AgreesWithGlibcOnRandomTexts) {
  // An exact subnormal is within range; 2^-16445 has 11 498 significant
  // digits, and 2^-16445 * (2^63 - 1) about 11 516.
  for (const long double exact : {0x1p-16445L, 0x1p-16445L * 0x7fffffffffffffffp0L}) {
    static char digits[12100];
    std::snprintf(digits, sizeof digits, "%.11600Le", exact);
    ExpectAsStrtold(digits);
    EXPECT_EQ(ReadDecimal(digits)->Range, kWithin);
  }

  std::mt19937_64 random(25);
  const auto below = [&](std::uint64_t n) { return static_cast<int>(random() % n); };
  for (int i = 0; i < 150000; ++i) {
    std::string text = below(2) ? "-" : "";
    const int digits = 1 + below(below(10) == 0 ? 80 : 25);
    for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + below(10));
    if (below(2)) text.insert(text.size() - static_cast<std::size_t>(below(digits + 1)), ".");
    int exponent = below(60) - 30;
    switch (below(10)) {
      case 0:  // anywhere in the range
        exponent = below(9950) - 4980;
        break;
      case 1:  // at the subnormals and below
        exponent = -4970 + below(60);
        break;
      case 2:  // at the largest values
        exponent = 4900 + below(60);
        break;
      default:
        break;
    }
    text += (below(2) ? "e" : "E") + std::to_string(exponent);
    ExpectAsStrtold(text);
  }
}

#ifdef TAVRO_HAVE_QUADMATH
// The exact decimal of a binary128 value x = m * 2^e, m < 2^66 (every
// half-way point of long double is one), without trailing zeros: it has no
// more significant digits than |e| + 25, nor than 11 800.
std::string ExactDecimal(__float128 x, int e) {
  static char buffer[12100];
  quadmath_snprintf(buffer, sizeof buffer, "%.*Qe", std::min(std::abs(e) + 25, 11800), x);
  std::string text(buffer);
  const std::size_t end = text.find('e');
  std::size_t last = end;
  while (last > 0 && text[last - 1] == '0') --last;
  if (text[last - 1] == '.') --last;
  return text.substr(0, last) + text.substr(end);
}

TEST(DecimalReading, AgreesWithGlibcAtHalfWayPoints) {
  std::mt19937_64 random(2025);
  for (int i = 0; i < 1000; ++i) {
    // A random value: its significand's bits, and an exponent mostly near 1,
    // else anywhere, among the subnormals or at the smallest normal values.
    std::uint64_t significand = random() | (std::uint64_t{1} << 63);
    int exponent = static_cast<int>(random() % 400) - 200;
    const int kind = static_cast<int>(random() % 40);
    if (kind == 0) exponent = static_cast<int>(random() % 32760) - 16380;
    if (kind == 1) {
      exponent = -16382;
      significand >>= random() % 64;
    }
    if (kind == 2) {
      exponent = -16382;
      significand = ~std::uint64_t{0} >> (random() % 2);
    }
    const long double value = std::ldexp(static_cast<long double>(significand), exponent - 63);
    const long double next = std::nextafter(value, kInf);
    if (!std::isfinite(next)) continue;
    const __float128 half = (static_cast<__float128>(value) + static_cast<__float128>(next)) / 2;
    const std::string tie = ExactDecimal(half, std::max(exponent, -16382) - 64);
    const std::size_t e = tie.find('e');
    ExpectAsStrtold(tie);
    ExpectAsStrtold(tie.substr(0, e) + "000000001" + tie.substr(e));  // just above
    std::string under = tie;                                          // just below
    std::size_t d = e - 1;
    while (under[d] == '0' || under[d] == '.') --d;
    --under[d];
    ExpectAsStrtold(under.substr(0, e) + "999" + under.substr(e));
  }
}
#endif
#endif

}  // namespace
}  // namespace tavro::mathem
