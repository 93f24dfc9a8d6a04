#include "design/transformer/suggest.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavro::design::transformer {
namespace {

void ExpectClose(long double got, long double want, long double tolerance, const char* what) {
  EXPECT_LE(std::fabs(got - want), tolerance)
      << what << ": " << static_cast<double>(got) << " against " << static_cast<double>(want);
}

struct Pick {
  long double Voltage, Power;
};

struct NearestCase {
  const char* Name;
  Kind Of;
  long double Emf, Current;
  std::vector<Pick> Want;  // ascending EMF
};

// Hand-worked from the tables: for each voltage V the smallest rating S with
// S ≥ V·I, its EMF V·(1 + regulation/100), then one below and two at or above.
TEST(NearestNameplates, TheSeriesEdges) {
  const NearestCase cases[] = {
      // 9 V/10 VA gives 10.8 V, 12 V/16 VA (17 %) exactly 14.04 V, 15 V/16 VA 17.55 V.
      {"exactly a standard voltage",
       Kind::Laminated,
       12.0L * (1.0L + 17.0L / 100.0L),
       1.0L,
       {{9, 10}, {12, 16}, {15, 16}}},
      // The largest voltage, 230 V at 250 VA (6 %): 243.8 V, nothing above.
      {"above the largest", Kind::Laminated, 1000.0L, 1.0L, {{230, 250}}},
      // Every voltage on the smallest toroid, 15 VA (16 %): 9 V gives 10.44 V.
      {"tiny load, toroidal", Kind::Toroidal, 13.0L, 0.001L, {{9, 15}, {12, 15}, {15, 15}}},
      {"tiny load, laminated", Kind::Laminated, 13.0L, 0.001L, {{9, 5}, {12, 5}, {15, 5}}},
      // 6 V/10 VA (20 %) gives 7.2 V, 7.5 V/10 VA 9 V: nothing below.
      {"below the smallest", Kind::Laminated, 5.0L, 1.0L, {{6, 10}, {7.5L, 10}}},
      // 6 V · 200 A is above 1000 VA: no voltage of the series carries it.
      {"above the largest rating", Kind::Laminated, 12.0L, 200.0L, {}},
      // At 4.5 A the toroids end at 120 V on 625 VA (4 %): 124.8 V.
      {"the rating ends the voltages", Kind::Toroidal, 300.0L, 4.5L, {{120, 625}}},
  };
  for (const NearestCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::vector<Nameplate> got = NearestNameplates(c.Of, c.Emf, c.Current);
    ASSERT_EQ(got.size(), c.Want.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
      EXPECT_EQ(got[k].Of, c.Of);
      EXPECT_EQ(got[k].RatedVoltage, c.Want[k].Voltage) << k;
      EXPECT_EQ(got[k].Power, c.Want[k].Power) << k;
    }
  }
}

// The worked example needs U2 = 12.56 V at I2 = 1.57 A (18.9 V·A).
TEST(SuggestTransformers, WorkedExampleTakesTheLeastVaThatMeetsU0) {
  const Design d = std::get<Design>(Calculate({12, 1, 1, 1, 1.2L, 0.7L}));
  const Suggestion s = SuggestTransformers(d, {0.10L, 3300.0L, 25.0L});
  ASSERT_EQ(s.Candidates.size(), 6u);
  ASSERT_TRUE(s.Chosen.has_value());
  const CandidateCheck& chosen = s.Candidates[*s.Chosen];
  EXPECT_EQ(chosen.Plate.Of, Kind::Laminated);
  EXPECT_EQ(chosen.Plate.RatedVoltage, 12.0L);
  EXPECT_EQ(chosen.Plate.Power, 25.0L);
  for (const CandidateCheck& c : s.Candidates) {
    SCOPED_TRACE(static_cast<double>(c.Plate.RatedVoltage));
    ASSERT_FALSE(c.NominalFailure);
    ASSERT_FALSE(c.LowFailure);
    // The nameplate by hand: E = V·(1 + r), Rtr = V²·r/S.
    const long double r = c.Plate.Regulation / 100.0L;
    const long double v = c.Plate.RatedVoltage;
    ExpectClose(c.Model.Emf, v * (1 + r), 1e-15L * v, "EMF");
    ExpectClose(c.Model.Rtr, v * v * r / c.Plate.Power, 1e-15L * c.Model.Rtr, "Rtr");
    // The method's Ls for U0' = 12·E/U2, I0' = Ir/I2 (one limb, 1.2 T, 50 Hz).
    const long double u0 = 12.0L * c.Model.Emf / d.Results.U2;
    const long double i0 = (c.Plate.Power / v) / d.Results.I2;
    const long double q = std::sqrt(std::sqrt(50.0L * 1.2L / (u0 * i0)));
    ExpectClose(c.Model.Ls, 0.005L * u0 / (50.0L * i0 * 1.2L) / q, 1e-15L, "Ls");
    ExpectClose(c.NoLoadHigh, std::sqrt(2.0L) * c.Model.Emf * 1.1L, 1e-15L * c.NoLoadHigh,
                "no-load crest");
    // A lower mains lowers the voltage; the crest is beyond any load's reach.
    EXPECT_LT(c.U0Low, c.U0Nominal);
    EXPECT_LT(c.U0Nominal, std::sqrt(2.0L) * c.Model.Emf);
    EXPECT_EQ(c.MeetsVoltage, c.U0Nominal >= 12.0L);
    EXPECT_EQ(c.WithinRating, c.SecondaryCurrent <= c.Plate.Power / v);
    EXPECT_EQ(*c.WithinCapacitorClass, c.NoLoadHigh <= 25.0L);
    // Nothing that meets the voltage within its rating has fewer V·A.
    if (c.MeetsVoltage && c.WithinRating) {
      EXPECT_GE(c.Plate.Power, chosen.Plate.Power);
    }
  }
  // The 9 V ones fall short of the voltage.
  EXPECT_FALSE(s.Candidates[0].MeetsVoltage);
  EXPECT_FALSE(s.Candidates[3].MeetsVoltage);
}

// Above the series there is nothing to mark; the largest is still shown.
TEST(SuggestTransformers, AboveTheLargestMarksNone) {
  const Design d = std::get<Design>(Calculate({400, 0.1L, 1, 1, 1.2L, 1}));
  const Suggestion s = SuggestTransformers(d, {0.10L, 47.0L, std::nullopt});
  ASSERT_EQ(s.Candidates.size(), 2u);
  EXPECT_FALSE(s.Chosen);
  EXPECT_EQ(s.Candidates[1].Plate.RatedVoltage, 230.0L);
  EXPECT_FALSE(s.Candidates[1].WithinCapacitorClass);
}

}  // namespace
}  // namespace tavro::design::transformer
