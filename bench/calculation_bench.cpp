// How long a whole calculation takes (what a press of "Расчёт" computes), its
// two continuations and each numerical routine on its own. The whole
// calculation is repeated and reported as median, mean and spread; the same
// calculation with the straightforward evaluation of the angle equations is
// there to compare with.
#include <benchmark/benchmark.h>

#include <cmath>
#include <sstream>
#include <string>

#include "bench/bench_designs.h"
#include "cli/batch.h"
#include "common/straightforward_angles.h"
#include "design/calculate.h"
#include "design/decimal.h"
#include "design/design_results.h"
#include "design/field_table.h"
#include "design/load_table.h"
#include "design/operating_point.h"
#include "mathem/angle_equations.h"
#include "mathem/angle_trig.h"
#include "mathem/givens.h"
#include "mathem/pulse_factors.h"

namespace {

using namespace tavro;
constexpr int kRepetitions = 15;

// The calculation and the texts of every field the window then shows.
void Press(benchmark::State& state, const bench::BenchDesign& d, design::AngleSolvers solvers) {
  const design::DesignInputs inputs = bench::Inputs(d);
  for (auto _ : state) {
    const design::Calculation c = design::Calculate(inputs, {{}, solvers});
    const auto* design = std::get_if<design::Design>(&c);
    if (design == nullptr) {
      state.SkipWithError("the design did not complete");
      break;
    }
    design::WriteDesign(*design, '.', [](design::Field, std::string_view text) {
      benchmark::DoNotOptimize(text.data());
    });
  }
}

void WholeCalculation(benchmark::State& state) {
  Press(state, bench::kBenchDesigns[state.range(0)], {});
}
BENCHMARK(WholeCalculation)
    ->ArgName("design")
    ->DenseRange(0, bench::kBenchDesigns.size() - 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

void WholeCalculationStraightforward(benchmark::State& state) {
  Press(state, bench::kBenchDesigns[state.range(0)], test::StraightforwardSolvers());
}
BENCHMARK(WholeCalculationStraightforward)
    ->ArgName("design")
    ->DenseRange(0, bench::kBenchDesigns.size() - 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The worked example's model, solved once, for the routines below.
struct WorkedExample {
  design::Design design =
      std::get<design::Design>(design::Calculate(bench::Inputs(bench::kBenchDesigns[0])));
  const design::LoadTable& table = design.Load;
  long double Phi() const { return design.Parameters.Phi; }
  long double Psi() const { return design.Point.Psi; }
  long double Beta() const { return design.Point.Beta; }
};

const WorkedExample& Example() {
  static const WorkedExample example;
  return example;
}

void RatedContinuation(benchmark::State& state) {
  const WorkedExample& e = Example();
  for (auto _ : state) benchmark::DoNotOptimize(design::TrackRatedPoint(e.design.A, e.Phi()));
}
BENCHMARK(RatedContinuation)->Unit(benchmark::kMillisecond);

void LoadContinuation(benchmark::State& state) {
  const WorkedExample& e = Example();
  const long double target = e.table.Gamma[design::kLoadRows - 1];
  for (auto _ : state) benchmark::DoNotOptimize(design::BuildLoadCharacteristic(e.Phi(), target));
}
BENCHMARK(LoadContinuation)->Unit(benchmark::kMillisecond);

// One solve as a continuation makes it: from the solution one step below t.
void OneSolve(benchmark::State& state, mathem::AngleSolver solve, long double t,
              long double stepBelow, long double psiStart, long double betaStart) {
  const mathem::ImpedanceAngle phi = mathem::ImpedanceAngleOf(Example().Phi());
  long double psi0 = 0, beta0 = 0;
  solve(psi0, beta0, t - stepBelow, phi, psiStart, betaStart, nullptr);
  for (auto _ : state) {
    long double psi = 0, beta = 0;
    solve(psi, beta, t, phi, psi0, beta0, nullptr);
    benchmark::DoNotOptimize(psi);
    benchmark::DoNotOptimize(beta);
  }
}

void SolveAnglesRated(benchmark::State& state) {
  const WorkedExample& e = Example();
  const long double A = e.design.A;
  OneSolve(state, mathem::SolveAnglesRated, A, A * 0.001L, e.Psi(), e.Beta());
}
BENCHMARK(SolveAnglesRated);

void SolveAnglesLoad(benchmark::State& state) {
  const long double t = Example().table.Gamma[design::kRatedRow];
  OneSolve(state, mathem::SolveAnglesLoad, t, t / 1200, 1.0L, 3.0L);
}
BENCHMARK(SolveAnglesLoad);

void SolveLinearGivens(benchmark::State& state) {
  const mathem::Matrix2 M{{{0.3L, -1.7L}, {2.9L, 0.4L}}};
  const mathem::Vector2 b{1.0L, -2.0L};
  for (auto _ : state) {
    mathem::Vector2 x{};
    mathem::SolveLinearGivens(M, b, x);
    benchmark::DoNotOptimize(x);
  }
}
BENCHMARK(SolveLinearGivens);

// A function of one angle; the angle moves a little each time, so that no
// result can be kept from the time before.
template <typename Function>
void OfAngle(benchmark::State& state, long double x, Function f) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(x));
    x += 1e-9L;
  }
}

void SinCosOf(benchmark::State& state) {
  OfAngle(state, 2.5L, mathem::SinCosOf);
}
BENCHMARK(SinCosOf);

// The C library's own extended sine of an angle beyond π/4: a yardstick of
// the machine's speed in the same run (a virtual machine's varies).
void RoundedSine(benchmark::State& state) {
  OfAngle(state, 2.5L, [](long double x) { return std::sin(x); });
}
BENCHMARK(RoundedSine);

void TanOf(benchmark::State& state) {
  OfAngle(state, 1.2L, mathem::TanOf);
}
BENCHMARK(TanOf);

void InvSqrt2Cos(benchmark::State& state) {
  const WorkedExample& e = Example();
  for (auto _ : state) benchmark::DoNotOptimize(mathem::InvSqrt2Cos(e.Psi()));
}
BENCHMARK(InvSqrt2Cos);

void RmsCurrentFactor(benchmark::State& state) {
  const WorkedExample& e = Example();
  for (auto _ : state) {
    benchmark::DoNotOptimize(mathem::RmsCurrentFactor(e.Psi(), e.Phi(), e.Beta(), e.design.A));
  }
}
BENCHMARK(RmsCurrentFactor);

void PeakCurrentFactor(benchmark::State& state) {
  const WorkedExample& e = Example();
  for (auto _ : state) {
    benchmark::DoNotOptimize(mathem::PeakCurrentFactor(e.Psi(), e.Phi(), e.Beta(), e.design.A));
  }
}
BENCHMARK(PeakCurrentFactor);

void RippleCapacitance(benchmark::State& state) {
  const WorkedExample& e = Example();
  for (auto _ : state) {
    benchmark::DoNotOptimize(mathem::RippleCapacitance(e.Psi(), e.Phi(), e.Beta()));
  }
}
BENCHMARK(RippleCapacitance);

void DeriveModelParameters(benchmark::State& state) {
  const WorkedExample& e = Example();
  for (auto _ : state) benchmark::DoNotOptimize(design::DeriveModelParameters(e.design.Inputs));
}
BENCHMARK(DeriveModelParameters);

void ParseDecimal(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(design::ParseDecimal("1,2345E+01", ','));
}
BENCHMARK(ParseDecimal);

void FormatResult(benchmark::State& state) {
  const WorkedExample& e = Example();
  for (auto _ : state) benchmark::DoNotOptimize(design::FormatResult(e.design.Results.Cf, ','));
}
BENCHMARK(FormatResult);

void FormatLoadRow(benchmark::State& state) {
  const WorkedExample& e = Example();
  int row = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(design::FormatLoadRow(e.table, row, '.'));
    row = (row + 1) % design::kLoadRows;
  }
}
BENCHMARK(FormatLoadRow);

// tavro-cli --batch over realistic designs (5 V to 1 kV, 20 mA to 50 A, both
// limb counts), with one thread and with two; items are designs.
std::string RealisticDesigns() {
  std::string text = "U0,I0,Kp,Limbs,Bm,Ud\n";
  for (const char* u0 : {"5", "12", "48", "220", "1000"}) {
    for (const char* i0 : {"0.02", "0.5", "3", "50"}) {
      for (const char* bm : {"0.8", "1.5"}) {
        for (const char* ud : {"0.3", "1.2"}) {
          for (const char* limbs : {"1", "2"}) {
            text += std::string(u0) + "," + i0 + ",1," + limbs + "," + bm + "," + ud + "\n";
          }
        }
      }
    }
  }
  return text;
}

void Batch(benchmark::State& state) {
  const std::string input = RealisticDesigns();
  const int jobs = static_cast<int>(state.range(0));
  long designs = 0;
  for (auto _ : state) {
    std::istringstream in(input);
    std::ostringstream out;
    const cli::BatchSummary summary = cli::RunBatch(in, out, jobs);
    if (summary.WithMessage != 0) {
      state.SkipWithError("a realistic design did not complete");
      break;
    }
    designs += summary.Designs;
  }
  state.SetItemsProcessed(designs);
  state.counters["designs/s per thread"] =
      benchmark::Counter(static_cast<double>(designs) / jobs, benchmark::Counter::kIsRate);
}
BENCHMARK(Batch)->ArgName("jobs")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
