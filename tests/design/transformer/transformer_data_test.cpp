#include "design/transformer/transformer_data.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavro::design {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Expected {
  double Emf, Rtr, RatedVoltage, RatedCurrent, Regulation;
};

void ExpectModel(const TransformerModelling& got, const Expected& want) {
  ASSERT_TRUE(std::holds_alternative<TransformerModel>(got))
      << EntryName(std::get<TransformerDataError>(got).Entry);
  const TransformerModel& m = std::get<TransformerModel>(got);
  EXPECT_NEAR(static_cast<double>(m.Emf), want.Emf, 1e-12 * want.Emf);
  EXPECT_NEAR(static_cast<double>(m.Rtr), want.Rtr, 1e-12 * want.Rtr);
  EXPECT_NEAR(static_cast<double>(m.RatedVoltage), want.RatedVoltage, 1e-12 * want.RatedVoltage);
  EXPECT_NEAR(static_cast<double>(m.RatedCurrent), want.RatedCurrent, 1e-12 * want.RatedCurrent);
  EXPECT_NEAR(static_cast<double>(m.Regulation), want.Regulation, 1e-10);
}

TransformerData Nameplate(long double volts, bool noLoad, long double amps, long double va) {
  TransformerData t;
  t.SecondaryVoltage = volts;
  t.MeasuredAtNoLoad = noLoad;
  if (amps > 0) t.RatedCurrent = amps;
  if (va > 0) t.RatedPower = va;
  t.Leakage = 0.01L;
  return t;
}

// Each way of giving the winding resistance against the hand formulas:
// the regulation r gives E = V·(1 + r) and Rtr = (E − V)/I; the ohmmeter's
// R1 is referred to the secondary by (E/U1)².
TEST(TransformerData, EmfAndResistanceFromTheNameplate) {
  // The regulation given, at the rated current and at no load.
  TransformerData t = Nameplate(12, false, 1, 0);
  t.RegulationPercent = 10;
  ExpectModel(ModelTransformer(t, {}), {13.2, 1.2, 12, 1, 10});
  t = Nameplate(13.2L, true, 0, 12);
  t.RegulationPercent = 10;
  ExpectModel(ModelTransformer(t, {}), {13.2, 1.2, 12, 1, 10});
  // The typical regulation of a 25 V·A laminated transformer (14 %) and of
  // a 50 V·A toroid (10 %).
  t = Nameplate(12.5L, false, 2, 0);
  ExpectModel(ModelTransformer(t, {}), {14.25, 0.875, 12.5, 2, 14});
  t = Nameplate(25, false, 0, 50);
  t.Kind = TransformerKind::Toroidal;
  ExpectModel(ModelTransformer(t, {}), {27.5, 1.25, 25, 2, 10});

  // The ohmmeter at no load: Rtr = 0.5 + 20·(15/220)².
  const double rtr = 0.5 + 20.0 * (15.0 / 220) * (15.0 / 220);
  t = Nameplate(15, true, 2, 0);
  t.PrimaryResistance = 20;
  t.SecondaryResistance = 0.5L;
  ExpectModel(ModelTransformer(t, {}), {15, rtr, 15 - 2 * rtr, 2, 100 * 2 * rtr / (15 - 2 * rtr)});
  // The same transformer rated in V·A: the current that gives 30 V·A at
  // the voltage it leaves, (15 − I·Rtr)·I = 30.
  t.RatedCurrent.reset();
  t.RatedPower = 30;
  const double i = (15 - std::sqrt(225 - 4 * rtr * 30)) / (2 * rtr);
  ExpectModel(ModelTransformer(t, {}), {15, rtr, 15 - i * rtr, i, 100 * i * rtr / (15 - i * rtr)});
  // At the rated current the EMF solves E = 12 + 1·(0.5 + 20·E²/U1²), at
  // 230 V mains.
  t = Nameplate(12, false, 1, 0);
  t.PrimaryResistance = 20;
  t.SecondaryResistance = 0.5L;
  const TransformerModel m = std::get<TransformerModel>(ModelTransformer(t, {230, 50}));
  const double e = static_cast<double>(m.Emf);
  EXPECT_NEAR(e - (12 + 0.5 + 20 * e * e / (230.0 * 230)), 0.0, 1e-14);
  EXPECT_NEAR(static_cast<double>(m.Rtr), 0.5 + 20 * (e / 230) * (e / 230), 1e-15);
  EXPECT_EQ(m.Resistance, Origin::Measured);
  EXPECT_NEAR(static_cast<double>(m.TurnsRatio), e / 230, 1e-15);
}

// The short-circuit test: Z = Vsc/Isc·n² at the secondary, X = √(Z² − Rtr²),
// Ls = X/ω; and the typical regulation's table between and beyond its rows.
TEST(TransformerData, ShortCircuitTestAndTypicalRegulation) {
  TransformerData t = Nameplate(12, false, 1, 0);
  t.RegulationPercent = 10;
  t.Leakage.reset();
  t.ShortCircuit = ShortCircuitTest{44, 0.1L};
  const TransformerModel m = std::get<TransformerModel>(ModelTransformer(t, {220, 60}));
  const double n = 13.2 / 220;
  const double z = 440 * n * n;
  EXPECT_NEAR(static_cast<double>(m.Ls), std::sqrt(z * z - 1.2 * 1.2) / (2 * kPi * 60), 1e-15);
  EXPECT_EQ(m.Leakage, Origin::Measured);

  const struct {
    TransformerKind Kind;
    long double Power;
    double Percent;
  } rows[] = {{TransformerKind::Laminated, 1, 28},    {TransformerKind::Laminated, 7.5L, 24},
              {TransformerKind::Laminated, 815, 4.25}, {TransformerKind::Laminated, 5000, 4},
              {TransformerKind::Toroidal, 5, 16},     {TransformerKind::Toroidal, 150, 7.25},
              {TransformerKind::Toroidal, 1000, 3},   {TransformerKind::Toroidal, 1e30L, 3}};
  for (const auto& row : rows) {
    EXPECT_NEAR(static_cast<double>(TypicalRegulation(row.Kind, row.Power)), row.Percent, 1e-15)
        << static_cast<double>(row.Power);
  }
}

// The estimate is the method's own Ls of the design whose EMF and rated
// secondary current are the transformer's: fed a design's U2 and I2 it finds
// that design's rated load and inductance, and Ls meets the formula
// 0.005·ks·s·U0/(f·I0·Bm)/⁴√(f·s·Bm/(U0·I0)) by hand.
TEST(TransformerData, EstimatedLeakageIsTheMethodsForThatSize) {
  const struct {
    DesignInputs In;
    Mains Supply;
  } cases[] = {{{12, 1, 1, 1, 1.2L, 0.7L}, {}},
               {{48, 2, 10, 2, 1.5L, 1}, {230, 50}},
               {{300, 0.2L, 10, 1, 1.2L, 1}, {120, 60}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.In.U0));
    const Design d = std::get<Design>(Calculate(c.In, {c.Supply, {}}));
    TransformerData t = Nameplate(d.Results.U2, true, d.Results.I2, 0);
    t.Leakage.reset();
    t.FluxDensity = c.In.Bm;
    t.Limbs = c.In.Limbs;
    t.DiodeDrop = c.In.Ud;
    const TransformerModel m = std::get<TransformerModel>(ModelTransformer(t, c.Supply));
    EXPECT_EQ(m.Leakage, Origin::Estimated);
    const double wantU0 = static_cast<double>(c.In.U0);
    const double wantI0 = static_cast<double>(c.In.I0);
    EXPECT_NEAR(static_cast<double>(m.EstimateU0), wantU0, 1e-10 * wantU0);
    EXPECT_NEAR(static_cast<double>(m.EstimateI0), wantI0, 1e-10 * wantI0);
    const double f = static_cast<double>(c.Supply.Frequency);
    const double s = c.In.Limbs;
    const double bm = static_cast<double>(c.In.Bm);
    const double u0 = static_cast<double>(m.EstimateU0);
    const double i0 = static_cast<double>(m.EstimateI0);
    const double q = std::sqrt(std::sqrt(f * s * bm / (u0 * i0)));
    const double ls = 0.005 * (s == 1 ? 1.0 : 0.5) * s * u0 / (f * i0 * bm) / q;
    EXPECT_NEAR(static_cast<double>(m.Ls), ls, 1e-12 * ls);
  }
}

// Every entry that cannot be used is named.
TEST(TransformerData, RefusedEntries) {
  using Change = void (*)(TransformerData&);
  const struct {
    Change With;
    Mains Supply;
    TransformerEntry Entry;
  } cases[] = {
      {[](TransformerData& t) { t.SecondaryVoltage = 0; }, {}, TransformerEntry::Voltage},
      {[](TransformerData& t) { t.RatedPower = 12; }, {}, TransformerEntry::Rating},
      {[](TransformerData& t) { t.RatedCurrent.reset(); }, {}, TransformerEntry::Rating},
      {[](TransformerData& t) { t.RatedCurrent = -1; }, {}, TransformerEntry::Rating},
      {[](TransformerData& t) { t.PrimaryResistance = 1; }, {}, TransformerEntry::Resistances},
      {[](TransformerData& t) {
         t.PrimaryResistance = 0;
         t.SecondaryResistance = 0;
       },
       {},
       TransformerEntry::Resistances},
      // No EMF gives 12 V at 1 A through a primary of 1 Mohm.
      {[](TransformerData& t) {
         t.PrimaryResistance = 1e6L;
         t.SecondaryResistance = 1;
       },
       {},
       TransformerEntry::Resistances},
      // 1000 V·A cannot leave a 15 V no-load secondary through 1 ohm.
      {[](TransformerData& t) {
         t.MeasuredAtNoLoad = true;
         t.RatedCurrent.reset();
         t.RatedPower = 1000;
         t.PrimaryResistance = 0;
         t.SecondaryResistance = 1;
       },
       {},
       TransformerEntry::Rating},
      {[](TransformerData& t) { t.RegulationPercent = 0; }, {}, TransformerEntry::Regulation},
      {[](TransformerData& t) { t.Leakage = 0; }, {}, TransformerEntry::Leakage},
      {[](TransformerData& t) {
         t.ShortCircuit = ShortCircuitTest{10, 1};
       },
       {},
       TransformerEntry::Leakage},
      // The impedance of 1 V / 1 A at the primary, referred to the
      // secondary, is below its resistance.
      {[](TransformerData& t) {
         t.Leakage.reset();
         t.ShortCircuit = ShortCircuitTest{1, 1};
       },
       {},
       TransformerEntry::ShortCircuit},
      {[](TransformerData& t) {
         t.Leakage.reset();
         t.Limbs = 3;
       },
       {},
       TransformerEntry::Estimate},
      {[](TransformerData& t) { t.RatedCurrent = 1e4931L; }, {}, TransformerEntry::Rating},
      {[](TransformerData&) {}, {0, 50}, TransformerEntry::Mains},
  };
  for (const auto& c : cases) {
    TransformerData data = Nameplate(12, false, 1, 0);
    c.With(data);
    const TransformerModelling r = ModelTransformer(data, c.Supply);
    ASSERT_TRUE(std::holds_alternative<TransformerDataError>(r)) << EntryName(c.Entry);
    EXPECT_EQ(std::get<TransformerDataError>(r).Entry, c.Entry) << EntryName(c.Entry);
  }
}

}  // namespace
}  // namespace tavro::design
