// tavro-simulate: the simulation helper. Reads requests from standard input,
// one JSON line each, runs them on the embedded ngspice and writes one JSON
// report line per request to standard output, until its input ends. Callers
// run it as a child process so that a simulator crash or hang never takes
// them down; one helper runs one simulation at a time.
#include <cstdio>
#include <iostream>
#include <string>

#include "simulation/ngspice.h"
#include "simulation/protocol.h"
#include "simulation/spice_values.h"

int main() {
  using namespace tavro::simulation;
  std::ios::sync_with_stdio(false);
  SimulationReport setupFailure;
  try {
    IsolateFromUserSettings();
  } catch (const std::exception& e) {
    setupFailure.ErrorKind = "library";
    setupFailure.Error = e.what();
  }
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
        if (request.Progress) {
          limits.Progress = [&](const std::string& step, double fraction) {
            if (fraction < shown + 0.01 && fraction < 1.0) return;
            shown = fraction;
            std::cout << EncodeProgress({fraction, step}) << '\n' << std::flush;
          };
        }
        report = Simulate(request, limits);
      } catch (const RejectedValue& e) {
        report.ErrorKind = "rejected";
        report.Error = e.what();
      }
    }
    std::cout << EncodeReport(report) << '\n' << std::flush;
  }
  return 0;
}
