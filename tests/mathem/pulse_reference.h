// An independent reference for the tests: the diode current pulse evaluated
// point by point and integrated by Simpson's rule, to check the closed forms.
#pragma once

#include <cmath>
#include <functional>

namespace tavro::test {

inline constexpr long double kRefPi = 3.14159265358979323846264338327950288L;

inline long double PulseCurrent(long double x, long double psi, long double phi) {
  const long double k = std::cos(phi) / std::sin(phi);
  const long double R = std::cos(phi) / std::cos(psi);
  const long double S = 1.0L - R * std::cos(psi + phi);
  return R * std::sin(x - phi) - 1.0L + S * std::exp((kRefPi / 2 - psi - x) * k);
}

inline long double Simpson(const std::function<long double(long double)>& f, long double a,
                           long double b, int intervals = 20000) {
  const long double h = (b - a) / intervals;
  long double sum = f(a) + f(b);
  for (int i = 1; i < intervals; ++i) sum += f(a + i * h) * (i % 2 == 1 ? 4.0L : 2.0L);
  return sum * h / 3.0L;
}

// ∫ i(x)·g(x) dx over the conduction interval [π/2 − ψ, β].
inline long double PulseIntegral(long double psi, long double phi, long double beta,
                                 const std::function<long double(long double)>& g) {
  return Simpson([&](long double x) { return PulseCurrent(x, psi, phi) * g(x); },
                 kRefPi / 2 - psi, beta);
}

}  // namespace tavro::test
