// Sine, cosine and tangent rounded to the nearest extended value, written
// from basic IEEE operations so that their every bit is the same with every
// C library and on every x86-64 processor.
//
// The argument is reduced by π/2 with the bits of 2/π it needs (Payne and
// Hanek), to far below the last bit for every finite argument; the reduced
// angle and the Taylor series of its sine and cosine are carried as pairs of
// extended values (about 120 bits), and the result is rounded once: it is the
// nearest extended value unless the true one lies within about 2^-50 ulp of a
// midpoint between two. Non-finite arguments give NaN, an infinity raising the
// invalid-operation flag.
// See docs/method.md, section "Elementary functions".
//
// The C library's sine, cosine and tangent are not of that kind: each
// library computes its own last bit (glibc and MinGW-w64 differ on about one
// argument in ten), and glibc's own are not correctly rounded (a few per cent
// of its results are the other neighbour of the true value).
#pragma once

namespace tavro::mathem {

long double NearestSin(long double x);
long double NearestCos(long double x);
long double NearestTan(long double x);

}  // namespace tavro::mathem
