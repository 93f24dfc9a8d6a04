#include "design/transformer/standard_series.h"

namespace tavro::design::transformer {
namespace {

// The secondary voltages (rms, at rated load) of the common catalogue series
// of both kinds, the union of what the makers list; not every maker offers
// every voltage at every rating.
constexpr long double kVoltages[] = {6,  7.5L, 9,  12, 15, 18, 20, 22, 24,  25,  28,  30,  35, 40,
                                     45, 48,   50, 55, 60, 70, 80, 90, 100, 110, 115, 120, 230};

constexpr SeriesRating kLaminated[] = {
    {5, 28},  {10, 20}, {16, 17}, {25, 14}, {40, 12},    {63, 10},
    {100, 8}, {160, 7}, {250, 6}, {400, 5}, {630, 4.5L}, {1000, 4},
};
constexpr std::string_view kLaminatedSource =
    "chassis-mount E-I mains transformers, 5-1000 VA, 230 V primary: ratings and full-load "
    "regulation typical of the catalogue tables of Block (RT/UI series), Hahn, Myrra and "
    "Multicomp; typical, as remembered, not one maker's figures";

constexpr SeriesRating kToroidal[] = {
    {15, 16}, {30, 13}, {50, 10}, {80, 9},  {120, 8},    {160, 7},  {225, 6},
    {300, 5}, {400, 5}, {500, 4}, {625, 4}, {800, 3.5L}, {1000, 3},
};
constexpr std::string_view kToroidalSource =
    "toroidal mains transformers, 15-1000 VA, 230 V primary: ratings and full-load regulation "
    "typical of the catalogue tables of Talema/Nuvotem (70000 series), Multicomp (MCTA), "
    "Block (RKD) and Antek; typical, as remembered, not one maker's figures";

constexpr Series kSeries[] = {
    {Kind::Laminated, kLaminated, kVoltages, kLaminatedSource},
    {Kind::Toroidal, kToroidal, kVoltages, kToroidalSource},
};

}  // namespace

std::span<const Series> StandardSeries() {
  return kSeries;
}

const Series& SeriesOf(Kind kind) {
  return kind == Kind::Toroidal ? kSeries[1] : kSeries[0];
}

long double TypicalRegulation(Kind kind, long double ratedPower) {
  const std::span<const SeriesRating> ratings = SeriesOf(kind).Ratings;
  if (!(ratedPower > ratings.front().Power)) return ratings.front().Regulation;
  for (std::size_t k = 1; k < ratings.size(); ++k) {
    const SeriesRating& hi = ratings[k];
    if (ratedPower <= hi.Power) {
      const SeriesRating& lo = ratings[k - 1];
      const long double t = (ratedPower - lo.Power) / (hi.Power - lo.Power);
      return lo.Regulation + t * (hi.Regulation - lo.Regulation);
    }
  }
  return ratings.back().Regulation;
}

const char* KindName(Kind kind) {
  return kind == Kind::Toroidal ? "toroidal" : "laminated";
}

}  // namespace tavro::design::transformer
