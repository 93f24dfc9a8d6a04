// tavro-simulate: the simulation helper. Reads requests from standard input,
// one JSON line each, runs them on the embedded ngspice and writes one JSON
// report line per request to standard output, until its input ends. Callers
// run it as a child process so that a simulator crash or hang never takes
// them down; one helper runs one simulation at a time. Asked for progress,
// it reports it every percent and at least once a second while the
// simulated time advances, so that a caller can tell a stuck helper from a
// slow one.
//
// ngspice keeps a few kilobytes of every run however it is cleaned up
// (0.5 kB for a three-element circuit, 3 kB for the rectifier: its parser's
// own allocations). So that a helper serving a long batch stays at its size,
// it starts itself afresh (the same process, exec) once it has grown by a
// quarter of a megabyte, between two requests and only when no request is
// buffered.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "files/standard_streams.h"
#include "simulation/ngspice.h"
#include "simulation/own_process.h"
#include "simulation/protocol.h"
#include "simulation/spice_values.h"

namespace {

constexpr long kRecycleGrowthKb = 256;

}  // namespace

int main(int, char** argv) {
  using namespace tavro::simulation;
  tavro::files::UseBinaryStandardStreams();
  EndAtOnceOnACrash();
  ShareOneHeap();
  std::ios::sync_with_stdio(false);
  SimulationReport setupFailure;
  try {
    IsolateFromUserSettings();
  } catch (const std::exception& e) {
    setupFailure.ErrorKind = "library";
    setupFailure.Error = e.what();
  }
  long baseline = 0;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.empty()) continue;
    SimulationReport report;
    if (!setupFailure.Error.empty()) {
      report = setupFailure;
    } else {
      try {
        const SimulationRequest request = DecodeRequest(line);
        SimulationLimits limits;
        double shown = -1.0;
        auto lastLine = std::chrono::steady_clock::now();
        if (request.Progress) {
          // Every percent, and while the simulation advances at least once a
          // second: the caller takes a helper silent for longer as stuck.
          limits.Progress = [&](const std::string& step, double fraction) {
            const auto now = std::chrono::steady_clock::now();
            if (fraction < shown + 0.01 && fraction < 1.0 &&
                now - lastLine < std::chrono::seconds(1)) {
              return;
            }
            shown = std::max(shown, fraction);
            lastLine = now;
            std::cout << EncodeProgress({fraction, step}) << '\n' << std::flush;
          };
        }
        report = Simulate(request, limits);
      } catch (const RejectedValue& e) {
        report.ErrorKind = "rejected";
        report.Error = e.what();
      }
    }
    // Give the memory of this request's vectors back, so that a long-lived
    // helper stays at its size.
    ReleaseFreeMemory();
    report.MemoryKb = ResidentKilobytes();
    std::cout << EncodeReport(report) << '\n' << std::flush;
    if (baseline == 0) baseline = report.MemoryKb;  // with the library loaded
    if (report.MemoryKb - baseline > kRecycleGrowthKb && std::cin.rdbuf()->in_avail() == 0) {
      RestartOwnProgram(argv);  // on failure, carry on as we are
    }
  }
  return 0;
}
