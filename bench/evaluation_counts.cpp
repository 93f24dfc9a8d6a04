// How many Newton steps a press makes and how many transcendental functions
// each step evaluates. The program is linked with the linker's --wrap for the
// C library's extended-precision functions and for the calculation's own
// SinCosOf, ExpOf and ArcTanOf, so every call passes a counter first; a sine and cosine pair
// (sincosl, SinCosOf) is one evaluation. The same press with the
// straightforward evaluation of the angle equations is counted beside it.
#include <array>
#include <cstdio>
#include <string>

#include "bench/bench_designs.h"
#include "common/straightforward_angles.h"
#include "design/calculate.h"
#include "mathem/angle_trig.h"

namespace {

enum Function { kSin, kCos, kSinCos, kSinCosOf, kTan, kExp, kAtan, kAtan2, kPow, kLog, kCount };
constexpr std::array<const char*, kCount> kNames{"sin", "cos",  "sincos", "SinCosOf", "tan",
                                                 "exp", "atan", "atan2",  "pow",      "log"};

using Counts = std::array<long, kCount>;
Counts gCalls{};

long Total(const Counts& c) {
  long n = 0;
  for (long v : c) n += v;
  return n;
}

Counts Minus(const Counts& a, const Counts& b) {
  Counts d{};
  for (int i = 0; i < kCount; ++i) d[i] = a[i] - b[i];
  return d;
}

}  // namespace

// The wrapped functions: count, then call the real one. SinCosOf is wrapped
// by its C++ name, tavro::mathem::SinCosOf(long double).
extern "C" {
tavro::mathem::SinCos __real__ZN5tavro6mathem8SinCosOfEe(long double);

tavro::mathem::SinCos __wrap__ZN5tavro6mathem8SinCosOfEe(long double x) {
  ++gCalls[kSinCosOf];
  return __real__ZN5tavro6mathem8SinCosOfEe(x);
}

long double __real_sinl(long double);
long double __real_cosl(long double);
void __real_sincosl(long double, long double*, long double*);
long double __real_tanl(long double);
long double __real__ZN5tavro6mathem5ExpOfEe(long double);
long double __real_atanl(long double);
long double __real__ZN5tavro6mathem8ArcTanOfEe(long double);
long double __real_atan2l(long double, long double);
long double __real_powl(long double, long double);
long double __real_logl(long double);

long double __wrap_sinl(long double x) {
  ++gCalls[kSin];
  return __real_sinl(x);
}
long double __wrap_cosl(long double x) {
  ++gCalls[kCos];
  return __real_cosl(x);
}
void __wrap_sincosl(long double x, long double* s, long double* c) {
  ++gCalls[kSinCos];
  __real_sincosl(x, s, c);
}
long double __wrap_tanl(long double x) {
  ++gCalls[kTan];
  return __real_tanl(x);
}
long double __wrap__ZN5tavro6mathem5ExpOfEe(long double x) {
  ++gCalls[kExp];
  return __real__ZN5tavro6mathem5ExpOfEe(x);
}
long double __wrap__ZN5tavro6mathem8ArcTanOfEe(long double x) {
  ++gCalls[kAtan];
  return __real__ZN5tavro6mathem8ArcTanOfEe(x);
}
long double __wrap_atanl(long double x) {
  ++gCalls[kAtan];
  return __real_atanl(x);
}
long double __wrap_atan2l(long double y, long double x) {
  ++gCalls[kAtan2];
  return __real_atan2l(y, x);
}
long double __wrap_powl(long double x, long double y) {
  ++gCalls[kPow];
  return __real_powl(x, y);
}
long double __wrap_logl(long double x) {
  ++gCalls[kLog];
  return __real_logl(x);
}
}

namespace {

using namespace tavro;

// What the solvers themselves did during one press.
struct SolverTally {
  long Solves = 0;
  long Steps = 0;
  Counts Calls{};
};

SolverTally gTally;
mathem::AngleSolver gRated = nullptr;
mathem::AngleSolver gLoad = nullptr;

void Tally(mathem::AngleSolver solver, long double& psi, long double& beta, long double t,
           const mathem::ImpedanceAngle& phi, long double psi0, long double beta0,
           mathem::NewtonTrace* trace) {
  mathem::NewtonTrace own;
  mathem::NewtonTrace& used = trace != nullptr ? *trace : own;
  const Counts before = gCalls;
  solver(psi, beta, t, phi, psi0, beta0, &used);
  const Counts inside = Minus(gCalls, before);
  for (int i = 0; i < kCount; ++i) gTally.Calls[i] += inside[i];
  ++gTally.Solves;
  gTally.Steps += used.Steps;
}

void CountedRated(long double& psi, long double& beta, long double t,
                  const mathem::ImpedanceAngle& phi, long double psi0, long double beta0,
                  mathem::NewtonTrace* trace) {
  Tally(gRated, psi, beta, t, phi, psi0, beta0, trace);
}

void CountedLoad(long double& psi, long double& beta, long double t,
                 const mathem::ImpedanceAngle& phi, long double psi0, long double beta0,
                 mathem::NewtonTrace* trace) {
  Tally(gLoad, psi, beta, t, phi, psi0, beta0, trace);
}

std::string Breakdown(const Counts& c, double perStep) {
  std::string text;
  char part[64];
  for (int i = 0; i < kCount; ++i) {
    if (c[i] == 0) continue;
    std::snprintf(part, sizeof part, "%s%s %.2f", text.empty() ? "" : ", ", kNames[i],
                  static_cast<double>(c[i]) / perStep);
    text += part;
  }
  return text;
}

void Report(const bench::BenchDesign& d, const char* evaluation, design::AngleSolvers solvers) {
  gRated = solvers.Rated;
  gLoad = solvers.Load;
  gTally = {};
  const design::DesignInputs inputs = bench::Inputs(d);
  const Counts before = gCalls;
  const design::Calculation c = design::Calculate(inputs, {{}, {CountedRated, CountedLoad}});
  const Counts press = Minus(gCalls, before);
  if (!std::holds_alternative<design::Design>(c)) {
    std::printf("%-26s %-16s did not complete\n", d.Name, evaluation);
    return;
  }
  const double steps = static_cast<double>(gTally.Steps);
  std::printf("%-26s %-16s %6ld %7ld %7.3f %9.2f %9.2f   %s\n", d.Name, evaluation, gTally.Solves,
              gTally.Steps, steps / static_cast<double>(gTally.Solves),
              static_cast<double>(Total(gTally.Calls)) / steps,
              static_cast<double>(Total(press)) / steps, Breakdown(gTally.Calls, steps).c_str());
}

}  // namespace

int main() {
  std::printf(
      "Transcendental evaluations (sincos counts once) per Newton step of a press of "
      "\"Расчёт\"\n");
  std::printf("%-26s %-16s %6s %7s %7s %9s %9s   %s\n", "design", "evaluation", "solves", "steps",
              "st/solv", "ev/step", "press/st", "inside the solvers, per step");
  for (const bench::BenchDesign& d : bench::kBenchDesigns) {
    Report(d, "shared", {});
    Report(d, "straightforward", test::StraightforwardSolvers());
  }
  std::printf(
      "ev/step: evaluations inside the Newton solvers per step; press/st: every "
      "evaluation of the press (model, checks, pulse factors too) per step.\n");
  return 0;
}
