// Correctly rounded sine, cosine and tangent from basic IEEE operations.
// See docs/method.md, section "Elementary functions".
#include "mathem/rounded_trig.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "mathem/extended.h"

namespace tavro::mathem {
namespace {

// An unevaluated sum Hi + Lo with |Lo| at most half an ulp of Hi.
struct Pair {
  long double Hi;
  long double Lo;
};

// Dekker's and Knuth's error-free transformations. The splitter 2^32 + 1
// cuts a 64-bit significand into two halves of at most 32 bits, whose
// products are exact.
constexpr long double kSplitter = 0x1p32L + 1.0L;

Pair FastTwoSum(long double a, long double b) {  // |a| ≥ |b|
  const long double s = a + b;
  return {s, b - (s - a)};
}

Pair TwoSum(long double a, long double b) {
  const long double s = a + b;
  const long double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

Pair Split(long double a) {
  const long double t = kSplitter * a;
  const long double hi = t - (t - a);
  return {hi, a - hi};
}

Pair TwoProduct(long double a, long double b) {
  const long double p = a * b;
  const Pair x = Split(a);
  const Pair y = Split(b);
  return {p, ((x.Hi * y.Hi - p) + x.Hi * y.Lo + x.Lo * y.Hi) + x.Lo * y.Lo};
}

Pair Add(Pair a, Pair b) {
  const Pair s = TwoSum(a.Hi, b.Hi);
  return FastTwoSum(s.Hi, s.Lo + (a.Lo + b.Lo));
}

Pair Mul(Pair a, Pair b) {
  const Pair p = TwoProduct(a.Hi, b.Hi);
  return FastTwoSum(p.Hi, p.Lo + (a.Hi * b.Lo + a.Lo * b.Hi));
}

Pair Div(Pair a, Pair b) {
  const long double q = a.Hi / b.Hi;
  const Pair p = TwoProduct(q, b.Hi);
  // a.Hi and p.Hi agree to within a few ulps, so their difference is exact.
  const long double rest = (((a.Hi - p.Hi) - p.Lo) + a.Lo) - q * b.Lo;
  return FastTwoSum(q, rest / b.Hi);
}

Pair Negated(Pair a) {
  return {-a.Hi, -a.Lo};
}

// π/2 as a pair (about 130 bits).
constexpr Pair kHalfPiPair = {0xc.90fdaa22168c235p-3L, -0xe.ce675d1fc8f8cbbp-69L};

// Taylor coefficients of sin r = r·(1 + Σ s_k·r^2k) and cos r = 1 + Σ c_k·r^2k:
// s_k = (−1)^k/(2k+1)! and c_k = (−1)^k/(2k)!. The first five of each are
// pairs; from the sixth on (at most 2^-29 of the result on |r| ≤ π/4) single
// extended values are enough, up to k = 16, the first term left out being
// below 2^-130 of the result.
constexpr Pair kSinHead[] = {{-0xa.aaaaaaaaaaaaaabp-6L, 0xa.aaaaaaaaaaaaaabp-71L},
                             {0x8.888888888888889p-10L, -0xe.eeeeeeeeeeeeeefp-75L},
                             {-0xd.00d00d00d00d00dp-16L, -0xd.00d00d00d00d00dp-88L},
                             {0xb.8ef1d2ab6399c7dp-22L, 0xa.c1c88e500171de4p-87L},
                             {-0xd.7322b3faa271c7fp-29L, -0xe.8fc9706fb8e3c40p-95L}};
constexpr long double kSinTail[] = {
    0xb.092309d43684be5p-36L,   -0xd.73f9f399dc0f88fp-44L, 0xc.a963b81856a5359p-52L,
    -0x9.7a4da340a0ab926p-60L,  0xb.8dc77b6e7ab8c5fp-69L,  -0xb.b0da098b1c0ceccp-78L,
    0x9.f9e66e8b2fd46a7p-87L,   -0xe.8d58e16e6751905p-97L, 0x9.2cfcc5a1ac56bd6p-106L,
    -0xa.1a6973c1fade217p-116L, 0x9.cc092a6e86a8daap-126L};
constexpr Pair kCosHead[] = {{-0x8.000000000000000p-4L, 0.0L},
                             {0xa.aaaaaaaaaaaaaabp-8L, -0xa.aaaaaaaaaaaaaabp-73L},
                             {-0xb.60b60b60b60b60bp-13L, -0xc.16c16c16c16c16cp-78L},
                             {0xd.00d00d00d00d00dp-19L, 0xd.00d00d00d00d00dp-91L},
                             {-0x9.3f27dbbc4fae397p-25L, -0xf.016d3ea6678e4b6p-90L}};
constexpr long double kCosTail[] = {
    0x8.f76c77fc6c4bdaap-32L,   -0xc.9cba54603e4e906p-40L, 0xd.73f9f399dc0f88fp-48L,
    -0xb.413c31dcbecbbdep-56L,  0xf.2a15d201011283dp-65L,  -0x8.671cb6dbfc294a3p-73L,
    0xf.96780cb97abbe65p-83L,   -0xc.4742fe35272cd1cp-92L, 0x8.50c5131a842e9bap-101L,
    -0x9.c9962823eb07306p-111L, 0xa.1a6973c1fade217p-121L};

// Below this sin x and tan x round to x and cos x to 1 (x²/6, x²/3 and x²/2
// are below a quarter of an ulp), and the pairs' products could underflow.
constexpr long double kTiny = 0x1p-33L;

// Σ tail[i]·z^i, Horner's scheme in single extended values.
template <int N>
long double TailAt(const long double (&tail)[N], long double z) {
  long double t = tail[N - 1];
  for (int i = N - 2; i >= 0; --i) t = tail[i] + z * t;
  return t;
}

// r² for the series, as a pair.
Pair SquareOf(Pair r) {
  const Pair z = TwoProduct(r.Hi, r.Hi);
  return FastTwoSum(z.Hi, z.Lo + 2.0L * r.Hi * r.Lo);
}

// sin r and cos r for |r| ≤ π/4 (plus a rounding), as pairs; z = r².
Pair SinSeries(Pair r, Pair z) {
  Pair s = {TailAt(kSinTail, z.Hi), 0.0L};
  for (int k = 4; k >= 0; --k) s = Add(kSinHead[k], Mul(z, s));
  return Add(r, Mul(r, Mul(z, s)));
}

Pair CosSeries(Pair z) {
  Pair c = {TailAt(kCosTail, z.Hi), 0.0L};
  for (int k = 4; k >= 0; --k) c = Add(kCosHead[k], Mul(z, c));
  return Add({1.0L, 0.0L}, Mul(z, c));
}

// The bits of 2/π, 32 to a word, the first word the most significant: as
// many as the largest finite extended argument needs.
constexpr std::uint32_t kTwoOverPi[] = {
    0xa2f9836e, 0x4e441529, 0xfc2757d1, 0xf534ddc0, 0xdb629599, 0x3c439041, 0xfe5163ab, 0xdebbc561,
    0xb7246e3a, 0x424dd2e0, 0x06492eea, 0x09d1921c, 0xfe1deb1c, 0xb129a73e, 0xe88235f5, 0x2ebb4484,
    0xe99c7026, 0xb45f7e41, 0x3991d639, 0x835339f4, 0x9c845f8b, 0xbdf9283b, 0x1ff897ff, 0xde05980f,
    0xef2f118b, 0x5a0a6d1f, 0x6d367ecf, 0x27cb09b7, 0x4f463f66, 0x9e5fea2d, 0x7527bac7, 0xebe5f17b,
    0x3d0739f7, 0x8a5292ea, 0x6bfb5fb1, 0x1f8d5d08, 0x56033046, 0xfc7b6bab, 0xf0cfbc20, 0x9af4361d,
    0xa9e39161, 0x5ee61b08, 0x6599855f, 0x14a06840, 0x8dffd880, 0x4d732731, 0x06061556, 0xca73a8c9,
    0x60e27bc0, 0x8c6b47c4, 0x19c367cd, 0xdce8092a, 0x8359c476, 0x8b961ca6, 0xddaf44d1, 0x5719053e,
    0xa5ff0705, 0x3f7e33e8, 0x32c2de4f, 0x98327dbb, 0xc33d26ef, 0x6b1e5ef8, 0x9f3a1f35, 0xcaf27f1d,
    0x87f12190, 0x7c7c246a, 0xfa6ed577, 0x2d30433b, 0x15c614b5, 0x9d19c3c2, 0xc4ad414d, 0x2c5d000c,
    0x467d862d, 0x71e39ac6, 0x9b006233, 0x7cd2b497, 0xa7b4d555, 0x37f63ed7, 0x1810a3fc, 0x764d2a9d,
    0x64abd770, 0xf87c6357, 0xb07ae715, 0x175649c0, 0xd9d63b38, 0x84a7cb23, 0x24778ad6, 0x23545ab9,
    0x1f001b0a, 0xf1dfce19, 0xff319f6a, 0x1e666157, 0x9947fbac, 0xd87f7eb7, 0x652289e8, 0x3260bfe6,
    0xcdc4ef09, 0x366cd43f, 0x5dd7de16, 0xde3b5892, 0x9bde2822, 0xd2e88628, 0x4d58e232, 0xcac616e3,
    0x08cb7de0, 0x50c017a7, 0x1df35be0, 0x1834132e, 0x62128301, 0x48835b8e, 0xf57fb0ad, 0xf2e91e43,
    0x4a48d367, 0x10d8ddaa, 0x425faece, 0x616aa428, 0x0ab499d3, 0xf2a6067f, 0x775c83c2, 0xa3883c61,
    0x78738a5a, 0x8cafbdd7, 0x6f63a62d, 0xcbbff4ef, 0x818d67c1, 0x2645ca55, 0x36d9cad2, 0xa8288d61,
    0xc277c912, 0x1426049b, 0x4612c459, 0xc444c5c8, 0x91b24df3, 0x1700ad43, 0xd4e54929, 0x10d5fdfc,
    0xbe00cc94, 0x1eeece70, 0xf53e1380, 0xf1ecc3e7, 0xb328f8c7, 0x9405933e, 0x71c1b309, 0x2ef3450b,
    0x9c12887b, 0x20ab9fb5, 0x2ec29247, 0x2f327b6d, 0x550c90a7, 0x721fe76b, 0x96cb314a, 0x1679e279,
    0x4189dff4, 0x9794e884, 0xe6e29731, 0x996bed88, 0x365f5f0e, 0xfdbbb49a, 0x486ca467, 0x42727132,
    0x5d8db815, 0x9f09e5bc, 0x25318d39, 0x74f71c05, 0x30010c0d, 0x68084b58, 0xee2c90aa, 0x4702e774,
    0x24d6bda6, 0x7df77248, 0x6eef169f, 0xa6948ef6, 0x91b45153, 0xd1f20acf, 0x3398207e, 0x4bf56863,
    0xb25f3edd, 0x035d407f, 0x89852952, 0x55c06437, 0x10d86d32, 0x4832754c, 0x5bd4714e, 0x6e5445c1,
    0x090b69f5, 0x2ad56614, 0x9d072750, 0x045ddb3b, 0xb4c576ea, 0x17f9877d, 0x6b49ba27, 0x1d296996,
    0xacccc654, 0x14ad6ae2, 0x9089d988, 0x50722cbe, 0xa4049407, 0x777030f3, 0x27fc00a8, 0x71ea49c2,
    0x663de064, 0x83dd9797, 0x3fa3fd94, 0x438c860d, 0xde41319d, 0x39928c70, 0xdde7b717, 0x3bdf082b,
    0x3715a080, 0x5c93805a, 0x921110d8, 0xe80faf80, 0x6c4bffdb, 0x0f903876, 0x185915a5, 0x62bbcb61,
    0xb989c7bd, 0x401004f2, 0xd2277549, 0xf6b6ebbb, 0x22dbaa14, 0x0a2f2689, 0x76836433, 0x3b091a94,
    0x0eaa3a51, 0xc2a31dae, 0xedaf1226, 0x5c4dc26d, 0x9c7a2d97, 0x56c0833f, 0x03f6f009, 0x8c402b99,
    0x316d07b4, 0x3915200c, 0x5bc3d8c4, 0x92f54bad, 0xc6a5ca4e, 0xcd37a736, 0xa9e69492, 0xab6842dd,
    0xde6319ef, 0x8c76528b, 0x6837dbfc, 0xaba1ae31, 0x15dfa1ae, 0x00dafb0c, 0x664d64b7, 0x05ed3065,
    0x29bf5657, 0x3aff47b9, 0xf96af3be, 0x75df9328, 0x3080abf6, 0x8c6615cb, 0x040622fa, 0x1de4d9a4,
    0xb33d8f1b, 0x5709cd36, 0xe9424ea4, 0xbe13b523, 0x331aaaf0, 0xa8654fa5, 0xc1d20f3f, 0x0bcd785b,
    0x76f92304, 0x8b7b7217, 0x8953a6c6, 0xe26e6f00, 0xebef584a, 0x9bb7dac4, 0xba66aacf, 0xcf761d02,
    0xd12df1b1, 0xc1998c77, 0xadc3da48, 0x86a05df7, 0xf480c62f, 0xf0ac9aec, 0xddbc5c3f, 0x6dded01f,
    0xc790b6db, 0x2a3a25a3, 0x9aaf0093, 0x53ad0457, 0xb6b42d29, 0x7e804ba7, 0x07da0eaa, 0x76a1597b,
    0x2a12162d, 0xb7dcfde5, 0xfafedb89, 0xfdbe896c, 0x76e4fca9, 0x0670803e, 0x156e85ff, 0x87fd073e,
    0x28336761, 0x86182aea, 0xbd4dafe7, 0xb36e6d8f, 0x3967955b, 0xbf3148d7, 0x8416df30, 0x432dc735,
    0x6125ce70, 0xc9b8cb30, 0xfd6cbfa2, 0x00a4e46c, 0x05a0dd5a, 0x476f21d2, 0x1262845c, 0xb9496170,
    0xe0566b01, 0x52993755, 0x50b7d51e, 0xc4f1335f, 0x6e13e430, 0x5da92e85, 0xc3b21d36, 0x32a1a4b7,
    0x08d4b1ea, 0x21f716e4, 0x698f77ff, 0x2780030c, 0x2d408da0, 0xcd4f99a5, 0x20d3a2b3, 0x0a5d2f42,
    0xf9b4cbda, 0x11d0be7d, 0xc1db9bbd, 0x17ab81a2, 0xca5c6a08, 0x17552e55, 0x0027f014, 0x7f8607e1,
    0x640b148d, 0x4196debe, 0x872afdda, 0xb6256b34, 0x897bfef3, 0x059ebfb9, 0x4f6a68a8, 0x2a4a5ac4,
    0x4fbcf82d, 0x985ad795, 0xc7f48d4d, 0x0da63a20, 0x5f57a4b1, 0x3f149538, 0x800120cc, 0x86dd71b6,
    0xdec9f560, 0xbf11654d, 0x6b0701ac, 0xb08cd0c0, 0xb2485551, 0x0efb1ec3, 0x72953b06, 0xa33540c0,
    0x7bdc06cc, 0x45e0fa29, 0x4ec8cad6, 0x41f3e8de, 0x647cd864, 0x9b31bed9, 0xc397a4d4, 0x5877c5e3,
    0x6913daf0, 0x3c3aba46, 0x18465f75, 0x55f5bdd2, 0xc6926e5d, 0x2eaced44, 0x0e423e1c, 0x87c461e9,
    0xfd29f3d6, 0xe7ca7c22, 0x35916fc5, 0xe0088dd7, 0xffe26a6e, 0xc6fdb0c1, 0x0893745d, 0x7cb2ad6b,
    0x9d6ecd7b, 0x723e6a11, 0xc6a9cff7, 0xdf7329ba, 0xc9b55100, 0xb70db2e2, 0x24ba7460, 0x7de58ad8,
    0x742c150d, 0x0c188194, 0x667e1629, 0x01767a9f, 0xbefdfdef, 0x4556367e, 0xd913d9ec, 0xb9ba8bfc,
    0x97c427a8, 0x31c36ef1, 0x36c59456, 0xa8d8b5a8, 0xb40ecccf, 0x2d891234, 0x576f8956, 0x2ce3ce99,
    0xb920d6aa, 0x5e6b9c2a, 0x3ecc5f11, 0x4a0bfdfb, 0xf4e16d3b, 0x8e2c86e2, 0x84d4e9a9, 0xb4fcd1ee,
    0xefc9352e, 0x61392f44, 0x2138c8d9, 0x1b0afc81, 0x6a4afbd8, 0x1c2f84b4, 0x538c994e, 0xcc2254dc,
    0x552ad6c6, 0xc096190b, 0xb8701a64, 0x9569605a, 0x26ee523f, 0x0f117f11, 0xb5f4f5cb, 0xfc2dbc34,
    0xeebc34cc, 0x5de8605e, 0xdd9b8e67, 0xef3392b8, 0x17c99b58, 0x61bc57e1, 0xc6835110, 0x3ed84871,
    0xdddd1c2d, 0xa118af46, 0x2c21d7f3, 0x59987ad9, 0xc0549efa, 0x864ffc06, 0x56ae79e5, 0x36228922,
    0xad38dc93, 0x67aae855, 0x3826829b, 0xe7caa40d, 0x51b13399, 0x0ed7a948, 0x0569f0b2, 0x65a7887f,
    0x974c8836, 0xd1f9b392, 0x214a827b, 0x21cf98dc, 0x9f405547, 0xdc3a74e1, 0x42eb67df, 0x9dfe5fd4,
    0x5ea4677b, 0x7aacbaa2, 0xf6552388, 0x2b55ba41, 0x086e5986, 0x2a218347, 0x39e6e389, 0xd49ee540,
    0xfb49e956, 0xffca0f1c, 0x8a59c52b, 0xfa94c5c1, 0xd3cfc50f, 0xae5adb86, 0xc5476243, 0x853b8621,
    0x94792c87, 0x61107b4c, 0x2a1a2c80, 0x12bf4390, 0x2688893c, 0x78e4c4a8, 0x7bdbe5c2, 0x3ac4eaf4,
    0x268a67f7, 0xbf920d2b, 0xa365b193, 0x3d0b7cbd, 0xdc51a463, 0xdd27dde1, 0x6919949a, 0x9529a828,
    0xce68b4ed, 0x09209f44, 0xca984e63, 0x8270237c, 0x7e32b90f, 0x8ef5a7e7, 0x561408f1, 0x212a9db5,
    0x4d7e6f51, 0x19a5abf9, 0xb5d6df82, 0x61dd9602, 0x36169f3a, 0xc4a1a283, 0x6ded727a, 0x8d39a9b8,
    0x825c326b, 0x5b2746ed, 0x34007700, 0xd255f4fc, 0x4d590180, 0x71e0e13f, 0x89b295f3, 0x64a8f1ae,
    0xa74b38fc,
};

// How many words of 2/π enter one product: with the 64-bit significand they
// give at least 351 bits below the binary point, several times what the
// closeness of any extended value to a multiple of π/2 can cancel (on the
// order of 64 + 16 bits, by the count of significands and exponents).
constexpr int kWindow = 12;
constexpr int kProductWords = kWindow + 2;

struct Reduced {
  Pair R;             // x − n·π/2, |R| ≤ π/4
  unsigned Quadrant;  // n mod 4
};

// 2^e as an extended value, for the exponents of a normal number.
long double PowerOfTwo(int e) {
  const std::uint64_t significand = std::uint64_t{1} << 63;
  const auto biased = static_cast<std::uint16_t>(e + 16383);
  long double v = 0;
  std::memcpy(&v, &significand, sizeof significand);
  std::memcpy(reinterpret_cast<unsigned char*>(&v) + sizeof significand, &biased, sizeof biased);
  return v;
}

// The 64 bits of the product from bit `low` up (bits below 0 read as 0).
std::uint64_t BitsFrom(const std::uint32_t (&p)[kProductWords], int low) {
  std::uint64_t bits = 0;
  for (int w = 0; w < kProductWords; ++w) {
    const int shift = 32 * w - low;  // where the word's lowest bit lands
    if (shift >= 0 && shift < 64) {
      bits |= static_cast<std::uint64_t>(p[w]) << shift;
    } else if (shift < 0 && shift > -32) {
      bits |= static_cast<std::uint64_t>(p[w]) >> -shift;
    }
  }
  return bits;
}

// x = n·π/2 + R for a positive finite x. x = m·2^e with a 64-bit integer m;
// the bits of 2/π whose product with x is a multiple of 4 are left out, the
// next 12 words are multiplied by m exactly, and the product read as n mod 4
// and a fraction f in [−1/2, 1/2), R = f·π/2.
Reduced Reduce(long double x) {
  std::uint64_t m = 0;
  std::uint16_t biased = 0;
  std::memcpy(&m, &x, sizeof m);
  std::memcpy(&biased, reinterpret_cast<const unsigned char*>(&x) + sizeof m, sizeof biased);
  const int e = static_cast<int>(biased & 0x7fffU) - 16383 - 63;
  // Bit j of 2/π (j = 0 the first) weighs 2^-(j+1); times m·2^e, the bits up
  // to j = e − 3 give multiples of 4.
  const int first = (e > 2 ? e - 2 : 0) / 32;
  std::uint32_t p[kProductWords] = {};
  const std::uint64_t mLow = m & 0xffffffffU;
  const std::uint64_t mHigh = m >> 32;
  for (int i = 0; i < kWindow; ++i) {
    const std::uint64_t word = kTwoOverPi[first + kWindow - 1 - i];
    std::uint64_t t = word * mLow + p[i];
    p[i] = static_cast<std::uint32_t>(t);
    t = word * mHigh + p[i + 1] + (t >> 32);
    p[i + 1] = static_cast<std::uint32_t>(t);
    p[i + 2] = static_cast<std::uint32_t>(t >> 32);
  }
  // The product is x·(2/π) times 2^point.
  const int point = 32 * (first + kWindow) - e;
  const auto bitAt = [&p](int at) -> unsigned {
    return at < 32 * kProductWords ? (p[at / 32] >> (at % 32)) & 1U : 0U;
  };
  unsigned quadrant = bitAt(point) + 2U * bitAt(point + 1);
  const bool negative = bitAt(point - 1) != 0;
  // Keep the fraction's bits; from f ≥ 1/2 take 1, negating the bits.
  if (negative) {
    quadrant = (quadrant + 1U) & 3U;
    std::uint64_t carry = 1;
    for (std::uint32_t& word : p) {
      const std::uint64_t t = static_cast<std::uint64_t>(~word) + carry;
      word = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
  }
  for (int w = 0; w < kProductWords; ++w) {
    if (32 * w >= point) {
      p[w] = 0;
    } else if (32 * (w + 1) > point) {
      p[w] &= (std::uint32_t{1} << (point - 32 * w)) - 1U;
    }
  }
  int top = -1;
  for (int w = kProductWords - 1; w >= 0 && top < 0; --w) {
    if (p[w] != 0) top = 32 * w + 31 - std::countl_zero(p[w]);
  }
  if (top < 0) return {{0.0L, 0.0L}, quadrant};  // (no finite x is a multiple of π/2)
  const Pair f =
      FastTwoSum(static_cast<long double>(BitsFrom(p, top - 63)) * PowerOfTwo(top - 63 - point),
                 static_cast<long double>(BitsFrom(p, top - 127)) * PowerOfTwo(top - 127 - point));
  const Pair r = Mul(f, kHalfPiPair);
  return {negative ? Negated(r) : r, quadrant};
}

// |x| = n·π/2 + R, for a finite |x| not below kTiny.
Reduced ReducedOf(long double size) {
  if (size <= kQuarterPi) return {{size, 0.0L}, 0U};
  return Reduce(size);
}

}  // namespace

long double NearestSin(long double x) {
  if (std::isnan(x)) return x + x;
  if (std::isinf(x)) return x - x;  // invalid operation
  const long double size = std::fabs(x);
  if (size < kTiny) return x;
  const Reduced v = ReducedOf(size);
  const Pair z = SquareOf(v.R);
  // sin, cos, −sin, −cos of R in the quadrants 0 … 3.
  long double s = (v.Quadrant & 1U) == 0 ? SinSeries(v.R, z).Hi : CosSeries(z).Hi;
  if ((v.Quadrant & 2U) != 0) s = -s;
  return x < 0 ? -s : s;
}

long double NearestCos(long double x) {
  if (std::isnan(x)) return x + x;
  if (std::isinf(x)) return x - x;
  const long double size = std::fabs(x);
  if (size < kTiny) return 1.0L;
  const Reduced v = ReducedOf(size);
  const Pair z = SquareOf(v.R);
  // cos, −sin, −cos, sin of R in the quadrants 0 … 3.
  const long double c = (v.Quadrant & 1U) == 0 ? CosSeries(z).Hi : SinSeries(v.R, z).Hi;
  return v.Quadrant == 1U || v.Quadrant == 2U ? -c : c;
}

long double NearestTan(long double x) {
  if (std::isnan(x)) return x + x;
  if (std::isinf(x)) return x - x;
  const long double size = std::fabs(x);
  if (size < kTiny) return x;
  const Reduced v = ReducedOf(size);
  const Pair z = SquareOf(v.R);
  const Pair s = SinSeries(v.R, z);
  const Pair c = CosSeries(z);
  // sin/cos of R, or −cos/sin in the odd quadrants.
  const long double t = (v.Quadrant & 1U) == 0 ? Div(s, c).Hi : -Div(c, s).Hi;
  return x < 0 ? -t : t;
}

}  // namespace tavro::mathem
