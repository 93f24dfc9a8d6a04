// The simulation check's speed and memory (figures, not a test):
//  1. one check of a typical design (the method's assumptions and the real
//     circuit with 1N4007), the switch-on surge at nominal and at high mains,
//     and the whole request, each timed over repeated runs in this process
//     (median);
//  2. tavro-cli --batch --simulate over the same designs with --jobs 1 and
//     --jobs 2, designs per second;
//  3. the helper's resident memory over 500 consecutive simulations.
// Usage: tavro_simulation_bench [path of tavro-cli]
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "design/calculate.h"
#include "simulation/checks.h"
#include "simulation/child_process.h"
#include "simulation/diode_models.h"
#include "simulation/protocol.h"

namespace {

using namespace tavro;
using Clock = std::chrono::steady_clock;

template <typename F>
double MedianSeconds(int repeats, F&& f) {
  std::vector<double> times;
  for (int i = 0; i < repeats; ++i) {
    const auto start = Clock::now();
    f();
    times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double ChildrenCpu() {
  rusage r{};
  ::getrusage(RUSAGE_CHILDREN, &r);
  return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6;
}

// Wall time and the processor time of the command and its children.
std::pair<double, double> Wall(const std::string& command) {
  const double cpu = ChildrenCpu();
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
  return {std::chrono::duration<double>(Clock::now() - start).count(), ChildrenCpu() - cpu};
}

}  // namespace

int main(int argc, char** argv) {
  const design::Design d = std::get<design::Design>(design::Calculate({12, 1, 1, 1, 1.2L, 0.7L}));
  const simulation::CircuitValues values = simulation::ValuesOf(d);
  const simulation::MethodFigures method = simulation::FiguresOf(d);
  const simulation::DiodeModel& m = simulation::ShippedDiode("1N4007");
  simulation::CircuitSetup setup;
  setup.Diode = {false, m.Name, m.Line};

  simulation::CheckMethod(values, method, {});  // loads the library
  const double check = MedianSeconds(11, [&] {
    simulation::CheckMethod(values, method, {});
    simulation::CheckCircuit(values, method, setup, {});
  });
  simulation::Surge nominal;
  const double surge =
      MedianSeconds(5, [&] { nominal = simulation::SimulateSurge(values, setup, {}); });
  simulation::CircuitValues raised = values;
  raised.EmfPeak *= 1.1;
  std::size_t highRuns = 0;
  const double high = MedianSeconds(5, [&] {
    highRuns =
        simulation::SimulateSurgeNear(raised, setup, nominal.WorstPhaseDegrees, {}).Points.size();
  });
  simulation::SimulationRequest whole;
  whole.Inputs = d.Inputs;
  const double all = MedianSeconds(5, [&] { simulation::Simulate(whole); });
  std::printf("one check (method + 1N4007 circuit), worked example: %.3f s (median of 11)\n",
              check);
  std::printf("switch-on surge, nominal mains (%zu runs): %.3f s (median of 5)\n",
              nominal.Points.size(), surge);
  std::printf("switch-on surge, high mains +10 %% (%zu runs): %.3f s (median of 5)\n", highRuns,
              high);
  std::printf("the whole request (both checks, both surges): %.3f s (median of 5)\n", all);

  // Batch throughput: 40 designs of 5 to 300 V.
  const std::string input = "/tmp/tavro_bench_designs.csv";
  {
    std::ofstream designs(input);
    const char* lines[] = {"12,1,1,1,1.2,0.7",   "24,2,1,2,1.2,0.7",    "5,0.1,1,1,1.2,0.7",
                           "48,5,2,2,1.5,1",     "300,0.5,1,1,1.2,0.7", "110,3,2,1,1.4,0.9",
                           "15,0.5,3,1,1.2,0.7", "60,1,1,2,1.3,0.8"};
    for (int k = 0; k < 5; ++k) {
      for (const char* l : lines) designs << l << '\n';
    }
  }
  const std::string cli = argc > 1 ? argv[1] : "build/cli/tavro-cli";
  const auto one = Wall(cli + " --batch --simulate --jobs 1 < " + input + " > /dev/null");
  const auto two = Wall(cli + " --batch --simulate --jobs 2 < " + input + " > /dev/null");
  std::printf(
      "--batch --simulate, 40 designs: --jobs 1 %.2f s (cpu %.2f s), --jobs 2 %.2f s "
      "(cpu %.2f s), speed-up %.2f; load average now %s\n",
      one.first, one.second, two.first, two.second, one.first / two.first, [] {
        std::ifstream load("/proc/loadavg");
        static std::string text;
        std::getline(load, text);
        return text.c_str();
      }());

  // Memory of one helper over 500 consecutive simulations of the real circuit.
  simulation::HelperProcess helper;
  simulation::SimulationRequest request;
  request.Inputs = d.Inputs;
  request.MethodCheck = request.Surge = false;
  const std::string line = simulation::EncodeRequest(request);
  long first = 0, after10 = 0, last = 0;
  for (int i = 1; i <= 500; ++i) {
    const simulation::SimulationReport r = simulation::DecodeReport(helper.Exchange(line, 60));
    if (i == 1) first = r.MemoryKb;
    if (i == 10) after10 = r.MemoryKb;
    last = r.MemoryKb;
  }
  std::printf(
      "helper memory: %ld kB after 1, %ld kB after 10, %ld kB after 500 simulations "
      "(growth 10 -> 500: %ld kB)\n",
      first, after10, last, last - after10);
  return 0;
}
