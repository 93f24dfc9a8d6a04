// How long a press of "Расчёт" takes, and its two continuations.
#include <benchmark/benchmark.h>

#include "design/load_table.h"
#include "design/memory_window.h"
#include "design/operating_point.h"
#include "design/procedure.h"

namespace {

using namespace tavro::design;

void WholeCalculation(benchmark::State& state) {
  MemoryWindow window;
  window.Type(Field::Edit1, "12");
  window.Type(Field::Edit2, "1");
  window.Type(Field::Edit3, "1");
  window.Type(Field::Edit5, "1,2");
  window.Type(Field::Edit6, "0,7");
  DesignProcedure procedure(',');
  for (auto _ : state) {
    benchmark::DoNotOptimize(procedure.Button1Click(window));
    window.ForgetHistory();
  }
}
BENCHMARK(WholeCalculation)->Unit(benchmark::kMillisecond);

void RatedContinuation(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TrackRatedPoint(0.0825L, 0.106L));
}
BENCHMARK(RatedContinuation)->Unit(benchmark::kMillisecond);

void LoadContinuation(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BuildLoadCharacteristic(0.106L, 0.0946L));
}
BENCHMARK(LoadContinuation)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
