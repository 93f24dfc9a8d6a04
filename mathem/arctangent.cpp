// The arctangent from basic IEEE operations.
// See docs/method.md, section "Elementary functions".
#include "mathem/arctangent.h"

#include <cmath>

#include "mathem/perturb.h"

namespace tavro::mathem {
namespace {

struct HeadTail {
  long double Head;
  long double Tail;  // below an ulp of Head
};

// arctan(i/16), i = 0 … 16, to about 128 bits.
constexpr HeadTail kArcTan[] = {
    {0x0p+0L, 0x0p+0L},
    {0xf.faaddb967ef4e37p-8L, -0xd.361b48fc748p-74L},
    {0xf.eadd4d5617b6e33p-7L, -0xd.da19d8305dep-73L},
    {0xb.dcbda5e72d81134p-6L, 0xf.6169f103939p-71L},
    {0xf.adbafc96406eb15p-6L, 0xd.b8f3debef44p-71L},
    {0x9.b13b9b83f5e5e6ap-5L, -0xe.9512d9cb614p-71L},
    {0xb.7b0ca0f26f78474p-5L, -0xe.ab9bdba4603p-70L},
    {0xd.327761e611fe5b6p-5L, 0x8.4f92bd2003dp-70L},
    {0xe.d63382b0dda7b45p-5L, 0xd.fc88bd97875p-70L},
    {0x8.32bf4a6d9867e2ap-4L, 0x9.6d41396c34ap-69L},
    {0x8.f005d5ef7f59f9bp-4L, 0xb.906bc2ccb88p-69L},
    {0x9.a2f80e671bdda2p-4L, 0x8.44df1c440ap-69L},
    {0xa.4bc7d1934f70924p-4L, 0xc.d43f9522becp-71L},
    {0xa.eac4c38b4d8c08p-4L, 0xa.392f179f29p-71L},
    {0xb.8053e2bc2319e74p-4L, -0xd.3496ab7bd6ep-70L},
    {0xc.0ce85b8ac526641p-4L, -0xe.c453a7722dap-69L},
    {0xc.90fdaa22168c235p-4L, -0xe.ce675d1fc9p-70L},
};

// π/2 − arctan(i/16), i = 0 … 16.
constexpr HeadTail kArcCot[] = {
    {0xc.90fdaa22168c235p-3L, -0xe.ce675d1fc9p-69L},
    {0xc.11283b4562947c3p-3L, 0xe.6d25f4a06a8p-71L},
    {0xb.924fd54cb510b52p-3L, -0xc.f862dfce619p-68L},
    {0xb.1565f56530dc00ep-3L, 0xd.593e269f522p-69L},
    {0xa.9b464a8f4e7e4d2p-3L, 0xb.86b75660f4p-70L},
    {0xa.24aec3411912a9ap-3L, 0xa.6b6eaca987ap-68L},
    {0x9.b23a81e57aae118p-3L, -0xe.f132de9b31cp-70L},
    {0x9.445fd1a8920c8c7p-3L, 0xd.09cf4450352p-69L},
    {0x8.db70c975df22363p-3L, 0xd.19aa220a39bp-68L},
    {0x8.779e04eb4a5832p-3L, -0xc.1dd44b45fedp-68L},
    {0x8.18fabf2a56df267p-3L, 0xb.4259c026fdp-70L},
    {0xf.7f0345dd113aa49p-4L, 0x8.ecb9869c2dp-69L},
    {0xe.d63382b0dda7b45p-4L, 0xd.fc88bd97875p-69L},
    {0xe.373690b8df8c3e9p-4L, 0xe.a34cdcf86ccp-69L},
    {0xd.a1a7718809fe5f6p-4L, -0x8.341c0761dd9p-69L},
    {0xd.1512f8b967f1e29p-4L, -0xa.13b5ad9b6p-77L},
    {0xc.90fdaa22168c235p-4L, -0xe.ce675d1fc9p-70L},
};

// arctan u − u for |u| ≤ 1/32: −u³/3 + u⁵/5 − … to u^21/21 (the first term
// left out is below 2^-100 of u).
long double SeriesTail(long double u) {
  const long double z = u * u;
  const long double z2 = z * z;
  const long double z4 = z2 * z2;
  const long double tail = ((-1.0L / 11 + z / 13) + (-1.0L / 15 + z / 17) * z2) +
                           (-1.0L / 19 + z / 21) * z4;
  return u * z * ((-1.0L / 3 + z / 5) + z2 * ((-1.0L / 7 + z / 9) + z2 * tail));
}

// arctan t (or π/2 − arctan t) for 0 ≤ t ≤ 1.
long double ReducedArcTan(long double t, bool complement) {
  const long double shifted = t * 16.0L + 0x1.8p63L;
  const int i = static_cast<int>(shifted - 0x1.8p63L);
  const long double c = i * 0.0625L;
  // t − c is exact (Sterbenz, or c = 0); |u| ≤ 1/32. The rounding of the
  // divisor 1 + t·c would cost an ulp of u: t is split into a 59-bit head
  // (whose product with the 5-bit c is exact) and the rest, and the
  // divisor's rounding error e is taken out of the quotient to first order.
  const long double split = t * 33.0L;  // Veltkamp: 2^5 + 1
  const long double head = split - (split - t);
  const long double rest = t - head;
  const long double divisor = 1.0L + head * c;
  const long double e = ((1.0L - divisor) + head * c) + rest * c;
  const long double q = (t - c) / divisor;
  const long double u = q - q * (e / divisor);
  // Head ± u with its rounding error (Knuth's two-sum), then the small terms.
  const HeadTail& base = complement ? kArcCot[i] : kArcTan[i];
  const long double v = complement ? -u : u;
  const long double sum = base.Head + v;
  const long double back = sum - v;
  const long double error = (base.Head - back) + (v - (sum - back));
  const long double tail = complement ? -SeriesTail(u) : SeriesTail(u);
  return sum + (error + (base.Tail + tail));
}

}  // namespace

long double ArcTanOf(long double y) {
  if (std::isnan(y)) return y + y;
  const long double size = std::fabs(y);
  // Below 2^-33 arctan y is y to well under half an ulp.
  if (size < 0x1p-33L) return y;
  const long double a = size <= 1.0L ? ReducedArcTan(size, false)
                                     : ReducedArcTan(1.0L / size, true);
  return Perturbed(std::signbit(y) ? -a : a);
}

}  // namespace tavro::mathem
