// Timings of what to buy for the worked example: the switch-on surge search,
// the low-mains corner and all the ratings together.
#include <benchmark/benchmark.h>

#include "design/calculate.h"
#include "design/ratings/part_ratings.h"
#include "design/ratings/surge.h"

namespace {

using namespace tavro::design;

const Design& WorkedExample() {
  static const Design d = std::get<Design>(Calculate({12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L}));
  return d;
}

void SwitchOnSurge(benchmark::State& state) {
  const tavro::mathem::SeriesRlc circuit = ratings::ChargingCircuit(WorkedExample(), {});
  for (auto _ : state) benchmark::DoNotOptimize(tavro::mathem::WorstSwitchOn(circuit));
}
BENCHMARK(SwitchOnSurge)->Unit(benchmark::kMillisecond);

void LowMainsCorner(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ratings::CornersOf(WorkedExample(), 0.1L));
}
BENCHMARK(LowMainsCorner)->Unit(benchmark::kMillisecond);

void AllRatings(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ratings::RateParts(WorkedExample(), {}));
}
BENCHMARK(AllRatings)->Unit(benchmark::kMillisecond);

}  // namespace
