// The standard series of small mains transformers one can buy: the kinds
// (laminated E-I and toroidal), their V·A ratings with the typical full-load
// regulation of each, and the secondary voltages the catalogues list. Each
// series names its source as the diode library does. See docs/method.md,
// "Standard transformers".
#pragma once

#include <span>
#include <string_view>

namespace tavro::design::transformer {

enum class Kind { Laminated, Toroidal };

// One rating of a series: the V·A and the regulation at it, the rise of the
// secondary voltage from rated load to no load in % of the rated voltage.
struct SeriesRating {
  long double Power;       // V·A
  long double Regulation;  // %
};

struct Series {
  Kind Of;
  std::span<const SeriesRating> Ratings;  // ascending power
  std::span<const long double> Voltages;  // V rms at rated load, ascending
  std::string_view Source;
};

// Both kinds, laminated first.
std::span<const Series> StandardSeries();
const Series& SeriesOf(Kind kind);

// The typical full-load regulation (%) of a transformer of this kind and
// rating: the series' figures interpolated linearly in V·A, held at the
// ends beyond them. Indicative only: the nameplate's own regulation or a
// measured resistance is always better.
long double TypicalRegulation(Kind kind, long double ratedPower);

// "laminated", "toroidal": stable names for the command line's JSON.
const char* KindName(Kind kind);

}  // namespace tavro::design::transformer
