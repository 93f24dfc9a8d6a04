// The capacitor's voltage need, the trough from the pulse, the losses and the
// switch-on protection against hand calculations and independent routes: a
// fourth-order Runge–Kutta integration of the charging loop and a quadrature
// of the method's pulse.
#include <gtest/gtest.h>

#include <cmath>

#include "design/calculate.h"
#include "design/ratings/losses.h"
#include "design/ratings/output_trough.h"
#include "design/ratings/part_ratings.h"
#include "design/ratings/protection.h"
#include "design/ratings/surge.h"
#include "design/ratings/switch_on.h"
#include "mathem/extended.h"
#include "mathem/pulse_samples.h"

namespace tavro::design::ratings {
namespace {

Design DesignOf(long double U0, long double I0, long double Kp, int limbs, long double Bm,
                long double Ud) {
  return std::get<Design>(Calculate({U0, I0, Kp, limbs, Bm, Ud}));
}

// The charging loop after switching on at phase θ, integrated by RK4 with
// the bridge as ideal switches and no load: the final capacitor voltage and
// ∫i²dt.
struct Integrated {
  long double Voltage;
  long double IntegralOfSquare;
};
Integrated IntegrateLoop(const mathem::SeriesRlc& c, long double theta, int halfPeriods) {
  constexpr int kStepsPerHalfPeriod = 20000;
  const long double dx = mathem::kPi / kStepsPerHalfPeriod;
  const auto slope = [&](long double x, long double i, long double v) {
    const long double drive = c.Em * std::fabs(std::sin(x)) - c.Drop - v - c.R * i;
    return i <= 0.0L && drive <= 0.0L ? 0.0L : drive / (c.L * c.Omega);  // di/dx
  };
  long double i = 0.0L, v = 0.0L, square = 0.0L;
  long double x = theta;
  for (int k = 0; k < halfPeriods * kStepsPerHalfPeriod; ++k) {
    const long double k1 = slope(x, i, v), l1 = i / (c.C * c.Omega);
    const long double k2 = slope(x + dx / 2, i + dx / 2 * k1, v + dx / 2 * l1),
                      l2 = (i + dx / 2 * k1) / (c.C * c.Omega);
    const long double k3 = slope(x + dx / 2, i + dx / 2 * k2, v + dx / 2 * l2),
                      l3 = (i + dx / 2 * k2) / (c.C * c.Omega);
    const long double k4 = slope(x + dx, i + dx * k3, v + dx * l3),
                      l4 = (i + dx * k3) / (c.C * c.Omega);
    const long double before = i;
    i = std::fmax(0.0L, i + dx / 6 * (k1 + 2 * k2 + 2 * k3 + k4));
    v += dx / 6 * (l1 + 2 * l2 + 2 * l3 + l4);
    square += (before * before + i * i) / 2.0L * dx / c.Omega;
    x += dx;
  }
  return {v, square};
}

struct SwitchOnCase {
  Design design;
  long double expected;  // V, an exact ODE integration to one decimal
};

TEST(CapacitorSwitchOn, UnderdampedLoopsChargeAboveTheCrestAsAnIntegrationFinds) {
  const SwitchOnCase cases[] = {
      {DesignOf(110.0L, 0.5L, 10.0L, 1, 1.2L, 1.0L), 165.0L},
      {DesignOf(300.0L, 0.2L, 10.0L, 1, 1.2L, 1.0L), 451.9L},
      {DesignOf(48.0L, 2.0L, 10.0L, 1, 1.2L, 1.0L), 77.3L},
  };
  for (const SwitchOnCase& c : cases) {
    const mathem::SeriesRlc loop = ChargingCircuit(c.design, {});
    const SwitchOnVoltage worst = WorstSwitchOnVoltage(loop);
    EXPECT_NEAR(static_cast<double>(worst.Voltage), static_cast<double>(c.expected), 0.1);
    const Integrated rk = IntegrateLoop(loop, worst.Phase, 12);
    EXPECT_NEAR(static_cast<double>(rk.Voltage / worst.Voltage), 1.0, 2e-5);
    // No phase a degree either side does better.
    for (long double off : {-mathem::kPi / 180.0L, mathem::kPi / 180.0L}) {
      EXPECT_LE(CapacitorAfterSwitchOn(loop, worst.Phase + off), worst.Voltage * (1 + 1e-12L));
    }
    const PartRatings r = RateParts(c.design, {});
    ASSERT_TRUE(r.Capacitor.SwitchOnPeak.has_value());
    EXPECT_GT(*r.Capacitor.SwitchOnPeak, r.Capacitor.WorkingVoltage);
    EXPECT_EQ(r.Capacitor.VoltageNeed, *r.Capacitor.SwitchOnPeak);
    EXPECT_EQ(r.Capacitor.NeededVoltage, 1.2L * r.Capacitor.VoltageNeed);
  }
}

TEST(CapacitorSwitchOn, AnOverdampedLoopTopsUpToTheCrestLessTheDrop) {
  // The worked example's loop is overdamped: no phase overshoots, and in time
  // the capacitor reaches Em − 2·Ud = 19.534 − 1.4 V.
  const mathem::SeriesRlc loop = ChargingCircuit(DesignOf(12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L), {});
  const SwitchOnVoltage v = WorstSwitchOnVoltage(loop);
  EXPECT_FALSE(v.Overshoot);
  EXPECT_EQ(v.Voltage, loop.Em - loop.Drop);
  EXPECT_LT(IntegrateLoop(loop, 1.0L, 12).Voltage, v.Voltage);
}

TEST(CapacitorSwitchOn, SurgeIntegralOfSquareAgreesWithTheIntegration) {
  const Design d = DesignOf(12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L);
  const mathem::SeriesRlc loop = ChargingCircuit(d, {});
  const long double theta = 1.0L;
  const Integrated rk = IntegrateLoop(loop, theta, 12);
  EXPECT_NEAR(static_cast<double>(SwitchOnIntegralOfSquare(loop, theta) / rk.IntegralOfSquare), 1.0,
              1e-4);
}

struct MarginCase {
  long double margin;
  long double voltageClass;
  long double headroom;  // class over the need, less one
};

TEST(CapacitorVoltageMargin, PicksTheClassForTheNeedTimesTheMargin) {
  // 5 V, 10 A, 15 %, two limbs, 1.5 T, 1 V: the crest at high mains is
  // √2·U2·1.1 = 9.909 V, above the switch-on peak.
  const Design d = DesignOf(5.0L, 10.0L, 15.0L, 2, 1.5L, 1.0L);
  const MarginCase cases[] = {{1.0L, 10.0L, 10.0L / 9.9087L - 1.0L},
                              {1.2L, 16.0L, 16.0L / 9.9087L - 1.0L},
                              {1.7L, 25.0L, 25.0L / 9.9087L - 1.0L}};
  for (const MarginCase& c : cases) {
    PartChoices choices;
    choices.CapacitorVoltageMargin = c.margin;
    const PartRatings r = RateParts(d, {}, choices);
    EXPECT_NEAR(static_cast<double>(r.Capacitor.VoltageNeed), 9.9087, 1e-4);
    EXPECT_EQ(r.Capacitor.VoltageClass, c.voltageClass);
    ASSERT_TRUE(r.Capacitor.Headroom.has_value());
    EXPECT_NEAR(static_cast<double>(*r.Capacitor.Headroom), static_cast<double>(c.headroom), 1e-4);
  }
}

// v(x) − v(h) by a midpoint quadrature of the sampled pulse: its lowest and
// highest values less the half period's mean, plus the mean voltage.
OutputSwing QuadratureSwing(const Design& d, long double Psi, long double Beta, long double U,
                            long double I) {
  constexpr int n = 200000;
  const long double h = mathem::kHalfPi - Psi;
  const long double dx = mathem::kPi / n;
  const long double omegaC = 2.0L * mathem::kPi * d.Supply.Frequency * d.Results.Cf * 1e-6L;
  long double v = 0.0L, lo = 0.0L, hi = 0.0L, sum = 0.0L;
  for (int k = 0; k < n; ++k) {
    const long double x = h + (k + 0.5L) * dx;
    const long double i = mathem::PulseAt(mathem::WrapToPeriod(x), Psi, d.Parameters.Phi, Beta);
    const long double before = v;
    v += (i * U / d.Parameters.Rsum - I) * dx / omegaC;
    sum += (before + v) / 2.0L;
    lo = std::fmin(lo, v);
    hi = std::fmax(hi, v);
  }
  const long double mean = sum / n;
  return {U + lo - mean, U + hi - mean};
}

TEST(OutputTrough, ClosedFormAgreesWithAQuadratureOfThePulse) {
  const Design worked = DesignOf(12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L);
  const Design ripple10 = DesignOf(12.0L, 1.0L, 10.0L, 2, 1.2L, 0.7L);
  for (const Design* d : {&worked, &ripple10}) {
    const LoadCorner low = LoadAt(*d, 0.9L, d->Inputs.I0);
    const OutputSwing s = SwingOfPulse(*d, low.Psi, low.Beta, low.MeanVoltage, low.Current);
    const OutputSwing q = QuadratureSwing(*d, low.Psi, low.Beta, low.MeanVoltage, low.Current);
    EXPECT_NEAR(static_cast<double>(s.Lowest), static_cast<double>(q.Lowest), 1e-5);
    EXPECT_NEAR(static_cast<double>(s.Highest), static_cast<double>(q.Highest), 1e-5);
    // Deeper than the mean less the 2f amplitude.
    EXPECT_LT(s.Lowest, low.MeanVoltage * (1.0L - low.RippleFactor / 100.0L));
    EXPECT_EQ(low.LowestVoltage, s.Lowest);
  }
  // At the rated point the pulse's peak-to-peak is 1.085 × 2·Kp·U0 (the
  // method's own figure, docs/method.md).
  const OutputSwing rated = SwingOfPulse(worked, worked.Point.Psi, worked.Point.Beta, 12.0L, 1.0L);
  EXPECT_NEAR(static_cast<double>(rated.PeakToPeak() / (2.0L * 0.01L * 12.0L)), 1.085, 1e-3);
  // 12 V, 1 A, 10 %, two limbs at low mains: 9.152 V, where U'·(1 − Kp') gives 9.232 V.
  const LoadCorner low = LoadAt(ripple10, 0.9L, 1.0L);
  EXPECT_NEAR(static_cast<double>(low.LowestVoltage), 9.152, 1e-3);
}

TEST(CapacitorLosses, HandCalculations) {
  struct LifeCase {
    long double temperature, life;
  };
  for (const LifeCase& c : {LifeCase{105.0L, 2000.0L},
                            {85.0L, 8000.0L},
                            {95.0L, 4000.0L},
                            {40.0L, 2000.0L * 90.50966799187808L},
                            {115.0L, 1000.0L}}) {
    EXPECT_NEAR(static_cast<double>(LifeAt(2000.0L, 105.0L, c.temperature) / c.life), 1.0, 1e-15);
  }
  struct TanCase {
    long double voltage, capacitance, tanDelta;
  };
  for (const TanCase& c : {TanCase{25.0L, 33000.0L, 0.78L},
                           {25.0L, 1000.0L, 0.14L},
                           {6.3L, 2200.0L, 0.26L},
                           {400.0L, 100.0L, 0.25L},
                           {200.0L, 470.0L, 0.15L},
                           {16.0L, 470000.0L, 1.08L}}) {
    EXPECT_NEAR(static_cast<double>(TypicalDissipationFactor(c.voltage, c.capacitance)),
                static_cast<double>(c.tanDelta), 1e-15);
  }
  // Worked example: 33000 µF, 25 V: ESR = 0.78/(2π·120 Hz·0.033 F) = 0.031349 Ω;
  // 1.1224 A rms: 0.039495 W.
  const Design d = DesignOf(12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L);
  const PartRatings r = RateParts(d, {});
  const Losses l = LossesOf(d, r);
  EXPECT_TRUE(l.Capacitor.EsrEstimated);
  EXPECT_NEAR(static_cast<double>(l.Capacitor.Esr), 0.031349, 1e-6);
  EXPECT_NEAR(static_cast<double>(l.Capacitor.Power), 0.031349 * 1.12241 * 1.12241, 1e-5);
  // The can: 33000 µF·25 V/(20000 µF·V/cm³) = 41.25 cm³ = π/2·D³, D = 2.9724 cm;
  // 2.5·π·D² = 69.39 cm² at 15e-4 W/(cm²·K): 9.6076 K/W.
  EXPECT_NEAR(static_cast<double>(l.Capacitor.ThermalResistance), 9.6076, 1e-4);
  EXPECT_EQ(l.Capacitor.SelfHeating, l.Capacitor.Power * l.Capacitor.ThermalResistance);
  EXPECT_EQ(l.Capacitor.Temperature, 40.0L + l.Capacitor.SelfHeating);
  PartChoices entered;
  entered.CapacitorEsr = 0.1L;
  const Losses e = LossesOf(d, RateParts(d, {}, entered));
  EXPECT_FALSE(e.Capacitor.EsrEstimated);
  EXPECT_NEAR(static_cast<double>(e.Capacitor.Power), 0.1 * 1.12241 * 1.12241, 1e-5);
}

TEST(SupplyLosses, TheMethodsLossesAreWhatItsSourceDeliversBeyondTheOutput) {
  // The EMF's mean power into the pulses, by quadrature, is U0·I0 plus the
  // loss in Rsum, which the method splits into the copper's Rtr·I2² and the
  // bridge's 4·Rd·Idrms².
  const Design d = DesignOf(12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L);
  constexpr int n = 200000;
  long double sum = 0.0L;
  for (int k = 0; k < n; ++k) {
    const long double x = (k + 0.5L) * 2.0L * mathem::kPi / n;
    const long double i = mathem::PulseAt(x, d.Point.Psi, d.Parameters.Phi, d.Point.Beta) *
                          d.Inputs.U0 / d.Parameters.Rsum;
    sum += std::sqrt(2.0L) * d.Results.U2 * std::sin(x) * i;
  }
  const long double input = 2.0L * sum / n;  // both pairs' pulses
  const Losses l = LossesOf(d, RateParts(d, {}));
  EXPECT_NEAR(
      static_cast<double>((l.Supply.Output + l.Supply.Diodes + l.Transformer.Copper) / input), 1.0,
      1e-6);
  EXPECT_EQ(l.Transformer.Core, l.Transformer.Copper);
  EXPECT_NEAR(static_cast<double>(l.Supply.Efficiency),
              static_cast<double>(12.0L / (input + l.Transformer.Core + l.Capacitor.Power)), 1e-6);
  EXPECT_NEAR(static_cast<double>(LossesOf(d, RateParts(d, {}), 1.5L).Supply.Diodes), 1.5, 0);
}

TEST(SwitchOnProtection, FuseAndLimiterFromTheirRules) {
  const Design d = DesignOf(12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L);
  const PartRatings r = RateParts(d, {});
  const Protection p = ProtectionOf(d, r);
  const Fuse& f = p.PrimaryFuse;
  // The high-mains load point draws more than the nominal 0.0858 A.
  EXPECT_GT(f.PrimaryCurrent, r.Transformer.PrimaryCurrent);
  EXPECT_LT(f.PrimaryCurrent, 1.1L * r.Transformer.PrimaryCurrent);
  EXPECT_EQ(f.Needed, 2.0L * f.PrimaryCurrent);
  EXPECT_EQ(f.Rating, 0.2L);
  EXPECT_EQ(f.MeltingIntegral, 0.15L);
  // The secondary's ∫i²dt at the worst surge phase, through n².
  const mathem::SeriesRlc loop = ChargingCircuit(d, {});
  const long double n = d.Results.TurnsRatio;
  ASSERT_TRUE(f.SurgeIntegral.has_value());
  EXPECT_NEAR(static_cast<double>(
                  *f.SurgeIntegral /
                  (n * n * IntegrateLoop(loop, r.Diodes.Surge->Phase, 12).IntegralOfSquare)),
              1.0, 1e-4);
  EXPECT_TRUE(f.Holds());
  EXPECT_FALSE(p.NtcLimiter.Needed);
  EXPECT_NEAR(static_cast<double>(p.NtcLimiter.Energy), 0.5 * 0.033 * 19.5341 * 19.5341, 1e-3);

  for (long double allowed : {10.0L, 5.0L}) {
    PartChoices choices;
    choices.SurgeLimit = allowed;
    const Limiter l = ProtectionOf(d, RateParts(d, {}, choices)).NtcLimiter;
    ASSERT_TRUE(l.Needed);
    // The least resistance: just under it the surge is above the limit.
    EXPECT_LE(mathem::WorstSwitchOn(CircuitWithLimiter(d, {}, l.Resistance)).Current,
              allowed * (1.0L + 1e-9L));
    EXPECT_GT(mathem::WorstSwitchOn(CircuitWithLimiter(d, {}, 0.99L * l.Resistance)).Current,
              allowed);
    ASSERT_TRUE(l.StandardResistance && l.SurgeWith);
    EXPECT_GE(*l.StandardResistance, l.Resistance);
    EXPECT_LE(l.SurgeWith->Current, allowed);
  }
  for (long double rating : kFuseRatings) {
    EXPECT_EQ(TypicalMeltingIntegral(rating).has_value(), rating != 0.05L);
  }
}

TEST(CurrentBasis, SimulatedCurrentsRuleWhereLargerAndTypicalRisesOtherwise) {
  const Design d = DesignOf(12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L);
  const PartRatings method = RateParts(d, {});
  EXPECT_FALSE(method.Basis.Simulated);
  EXPECT_EQ(method.Basis.TypicalCapacitorRise, 0.13L);
  const SimulatedFigures sim{1.264L, 1.0L, 3.323L, 11.9L};
  const PartRatings r = RateParts(d, {}, {}, sim);
  EXPECT_TRUE(r.Basis.Simulated);
  EXPECT_TRUE(r.Basis.CapacitorFromSimulation);
  EXPECT_FALSE(r.Basis.DiodeRmsFromSimulation);
  EXPECT_TRUE(r.Basis.DiodePeakFromSimulation);
  EXPECT_EQ(r.Capacitor.RippleCurrent, 1.264L);
  EXPECT_EQ(r.Diodes.RmsCurrent, d.Results.Idrms);
  EXPECT_EQ(r.Diodes.PeakCurrent, 3.323L);
  EXPECT_EQ(r.MethodDiodePeak, d.Results.Idpk);
  EXPECT_EQ(r.SimulatedLowest, 11.9L);
  struct RiseCase {
    long double U0, capacitor, peak;
  };
  for (const RiseCase& c : {RiseCase{1.0L, 0.30L, 0.35L},
                            {8.5L, 0.215L, 0.255L},
                            {24.0L, 0.07L, 0.09L},
                            {122.0L, 0.045L, 0.055L},
                            {5000.0L, 0.02L, 0.02L}}) {
    EXPECT_NEAR(static_cast<double>(TypicalRise(c.U0).TypicalCapacitorRise),
                static_cast<double>(c.capacitor), 1e-15);
    EXPECT_NEAR(static_cast<double>(TypicalRise(c.U0).TypicalPeakRise), static_cast<double>(c.peak),
                1e-15);
  }
}

}  // namespace
}  // namespace tavro::design::ratings
