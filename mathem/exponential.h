// The exponential function of the calculation, written from basic IEEE
// operations so that its every bit is the same on every x86-64 processor.
//
// The C library computes the extended exponential with the x87 instruction
// f2xm1, whose last bit differs between processor makers and generations;
// an ill-conditioned design could then change its outcome from one computer
// to the next. Here x = n·ln 2 + r with a three-part ln 2 (Cody and Waite),
// |r| ≤ ln 2/2, e^r from its Taylor series, and e^x = 2^n·e^r. Accuracy
// against 113-bit values: within one ulp (see docs/method.md, "Elementary
// functions").
#pragma once

namespace tavro::mathem {

// Below this the exponential is zero in extended precision (2^-16446, half
// the smallest denormal, is e^-11399.5); it is returned at once.
inline constexpr long double kExpIsZeroBelow = -11500.0L;

// e^x. Overflow (x above about 11356.5) gives +∞ and raises the overflow
// flag; underflow is silent, as in the C library.
long double ExpOf(long double x);

}  // namespace tavro::mathem
