// The method's capacitor voltage over a period against the same charge
// integrated in closed form, and against a direct integration of the
// method's circuit.
#include "design/ripple_shape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tavro::design {
namespace {

struct Range {
  double Max, Min;
};

// u(x) from the pulse's charge in closed form,
//   ∫ i dx = R·(cos(h − φ) − cos(x − φ)) − (x − h) + (S/k)·(1 − e^((h − x)·k)),
// over a dense grid of the half period from the pulse's start, its mean
// shifted to U0.
Range ClosedForm(const Design& d) {
  const double Psi = static_cast<double>(d.Point.Psi), Phi = static_cast<double>(d.Parameters.Phi);
  const double Beta = static_cast<double>(d.Point.Beta);
  const double h = M_PI / 2 - Psi, R = std::cos(Phi) / std::cos(Psi);
  const double S = 1 - R * std::cos(Psi + Phi), k = 1 / std::tan(Phi);
  const double amperes = static_cast<double>(d.Inputs.U0 / d.Parameters.Rsum);
  const double I0 = static_cast<double>(d.Inputs.I0);
  const double omegaC = static_cast<double>(d.Supply.AngularFrequency() * d.Results.Cf * 1e-6L);
  const auto charge = [&](double x) {
    x = std::min(x, Beta);
    return R * (std::cos(h - Phi) - std::cos(x - Phi)) - (x - h) +
           S / k * (1 - std::exp((h - x) * k));
  };
  const int n = 400000;
  double low = 0, high = 0, sum = 0;
  for (int j = 0; j <= n; ++j) {
    const double x = h + M_PI * j / n;
    const double u = (amperes * charge(x) - I0 * (x - h)) / omegaC;
    low = std::min(low, u), high = std::max(high, u);
    sum += (j == 0 || j == n ? 0.5 : 1.0) * u;
  }
  const double shift = static_cast<double>(d.Inputs.U0) - sum / n;
  return {high + shift, low + shift};
}

// The method's circuit integrated by fourth-order Runge–Kutta over 40
// periods: the EMF √2·U2·sin x behind Rsum and Ls, an ideal bridge, Cf and
// the rated current drawn from it; the last period's extremes.
Range Integrated(const Design& d) {
  const double w = static_cast<double>(d.Supply.AngularFrequency());
  const double Em = static_cast<double>(d.Results.Urev),
               Rsum = static_cast<double>(d.Parameters.Rsum);
  const double Ls = static_cast<double>(d.Parameters.Ls), I0 = static_cast<double>(d.Inputs.I0);
  const double C = static_cast<double>(d.Results.Cf * 1e-6L);
  const int perPeriod = 40000, periods = 40;
  const double step = 2 * M_PI / w / perPeriod;
  double i = 0, u = static_cast<double>(d.Inputs.U0), low = 1e300, high = -1e300;
  for (int n = 0; n < perPeriod * periods; ++n) {
    const double t = n * step;
    // The bridge conducts while the current flows, or once |e| exceeds u.
    const bool on = i > 0 || std::fabs(Em * std::sin(w * t)) > u;
    const auto di = [&](double tt, double ii, double uu) {
      return on ? (std::fabs(Em * std::sin(w * tt)) - Rsum * ii - uu) / Ls : 0.0;
    };
    const auto du = [&](double ii) { return (ii - I0) / C; };
    const double k1i = di(t, i, u), k1u = du(i);
    const double k2i = di(t + step / 2, i + step / 2 * k1i, u + step / 2 * k1u),
                 k2u = du(i + step / 2 * k1i);
    const double k3i = di(t + step / 2, i + step / 2 * k2i, u + step / 2 * k2u),
                 k3u = du(i + step / 2 * k2i);
    const double k4i = di(t + step, i + step * k3i, u + step * k3u), k4u = du(i + step * k3i);
    i = std::max(0.0, i + step / 6 * (k1i + 2 * k2i + 2 * k3i + k4i));
    u += step / 6 * (k1u + 2 * k2u + 2 * k3u + k4u);
    if (n >= perPeriod * (periods - 1)) low = std::min(low, u), high = std::max(high, u);
  }
  return {high, low};
}

TEST(CapacitorVoltage, FollowsThePulsesChargeAndTheMethodsCircuit) {
  const struct {
    DesignInputs in;
    double circuit;  // agreement with the integrated circuit, share of p-p
  } designs[] = {{{12, 1, 1, 1, 1.2L, 0.7L}, 0.005},        // 0.18 % measured
                 {{5, 1, 1, 1, 1.2L, 0.7L}, 0.005},         // 0.07 %
                 {{48, 2, 10, 1, 1.2L, 1}, 0.05},           // 3.7 %: at 10 % ripple
                 {{1000, 0.02L, 15, 1, 0.8L, 0.3L}, 0.06},  // 4.6 %
                 {{0.05L, 1, 1, 1, 1.2L, 0.7L}, 0.005}};
  for (const auto& c : designs) {
    const Design d = std::get<Design>(Calculate(c.in));
    const auto range = CapacitorVoltage(d);
    ASSERT_TRUE(range.has_value());
    const double pp = static_cast<double>(range->PeakToPeak);
    const double U0 = static_cast<double>(c.in.U0);
    EXPECT_DOUBLE_EQ(pp, static_cast<double>(range->Max - range->Min));
    const Range exact = ClosedForm(d);
    EXPECT_NEAR(static_cast<double>(range->Max), exact.Max, 1e-5 * pp) << U0;
    EXPECT_NEAR(static_cast<double>(range->Min), exact.Min, 1e-5 * pp) << U0;
    // The method holds the capacitor's voltage constant during a pulse and
    // its mean at U0; the real circuit of the same elements differs by that.
    const Range circuit = Integrated(d);
    EXPECT_NEAR(pp, circuit.Max - circuit.Min, c.circuit * pp) << U0;
  }
  // A design without a capacitance has no range.
  PulseCircuit none = PulseCircuitOf(std::get<Design>(Calculate({12, 1, 1, 1, 1.2L, 0.7L})));
  none.Cf = 0;
  EXPECT_FALSE(CapacitorVoltage(none).has_value());
}

}  // namespace
}  // namespace tavro::design
