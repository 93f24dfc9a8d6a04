// The arctangent of the calculation (the impedance angle φ = arctan(ωLs/Rsum)),
// written from basic IEEE operations so that its every bit is the same on
// every x86-64 processor: the C library computes it with the x87 instruction
// fpatan, whose last bit differs between processor makers.
//
// |y| > 1 is taken to π/2 − arctan(1/|y|); then t in [0, 1] is reduced by the
// nearest c = i/16 with arctan t = arctan c + arctan((t − c)/(1 + t·c)), the
// table holding arctan c (or π/2 − arctan c) as a head and a tail, and the
// series of the small remainder. Accuracy against 113-bit values: within one
// ulp (see docs/method.md, "Elementary functions").
#pragma once

namespace tavro::mathem {

long double ArcTanOf(long double y);

}  // namespace tavro::mathem
