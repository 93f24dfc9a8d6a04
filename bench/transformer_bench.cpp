// Timings of the transformer a design leads to: the standard transformers
// suggested for the worked example (it must follow every calculation in the
// window: well within 50 ms) and the winding of one's own.
#include <benchmark/benchmark.h>

#include "design/calculate.h"
#include "design/ratings/part_ratings.h"
#include "design/transformer/suggest.h"
#include "design/transformer/winding.h"

namespace {

using namespace tavro::design;

const Design& WorkedExample() {
  static const Design d = std::get<Design>(Calculate({12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L}));
  return d;
}

void SuggestStandardTransformers(benchmark::State& state) {
  const transformer::SuggestionSettings settings{0.10L, 3300.0L, 25.0L};
  for (auto _ : state) {
    benchmark::DoNotOptimize(transformer::SuggestTransformers(WorkedExample(), settings));
  }
}
BENCHMARK(SuggestStandardTransformers)->Unit(benchmark::kMillisecond);

// As the window and tavro-cli ask for it: with the capacitor the parts list
// picks for the default mains and part choices (its voltage class from the
// switch-on peak), which is most of the time.
void SuggestWithThePartsListsCapacitor(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(transformer::SuggestTransformers(WorkedExample(), {}, {}));
  }
}
BENCHMARK(SuggestWithThePartsListsCapacitor)->Unit(benchmark::kMillisecond);

void RatePartsOfTheWorkedExample(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ratings::RateParts(WorkedExample(), {}, {}));
}
BENCHMARK(RatePartsOfTheWorkedExample)->Unit(benchmark::kMillisecond);

void WindWorkedExample(benchmark::State& state) {
  const transformer::WindingRequest request{transformer::CoreFamily::LaminatedEI, 1.2L, 40.0L};
  for (auto _ : state) {
    benchmark::DoNotOptimize(transformer::Wind(WorkedExample(), WorkedExample().Supply, request));
  }
}
BENCHMARK(WindWorkedExample)->Unit(benchmark::kMillisecond);

void CalculateWorkedExample(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Calculate({12.0L, 1.0L, 1.0L, 1, 1.2L, 0.7L}));
}
BENCHMARK(CalculateWorkedExample)->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
