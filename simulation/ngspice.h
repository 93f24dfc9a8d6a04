// The embedded circuit simulator: ngspice's shared library, loaded at run
// time, one instance per process (two threads on one instance crash; run
// side by side in separate processes).
//
// What the library does not say, this class finds out: ngSpice_Circ and
// `bg_run` report success even on parse errors and aborted runs, so a run
// counts only when the captured output holds no error, the `time` vector
// exists and it reaches the time the run had to reach. Between runs the
// circuit and its vectors are destroyed (`destroy all`, `remcirc`), or
// memory grows by megabytes per run; `quit` is never sent, and if the
// library exits on its own it is unloaded and loaded afresh. Numbers are
// parsed in the C locale, so the process locale is C for the whole run.
// A run whose simulated time stands still for its stall limit, or that
// takes more time points than it can need, is halted (`bg_halt`): how long
// a run takes on the clock depends on the machine's load and never decides
// its result.
#pragma once

#include <atomic>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavro::simulation {

// Why a run produced no usable data.
enum class RunFailure {
  Rejected,     // the netlist did not parse or the analysis aborted
  Stalled,      // stopped by the watchdog
  Cancelled,    // stopped on request
  Incomplete,   // no time vector, or it ends short of where it had to
  Library,      // the library could not be loaded or initialised
  Implausible,  // figures no real circuit can have (NaN, β outside 0…360°, ...)
};

class SimulationError : public std::runtime_error {
 public:
  // `detail`: what a front end fills into the kind's own text (Implausible).
  SimulationError(RunFailure kind, const std::string& message, std::string detail = {})
      : std::runtime_error(message), kind_(kind), detail_(std::move(detail)) {}
  RunFailure Kind() const { return kind_; }
  const std::string& Detail() const { return detail_; }

 private:
  RunFailure kind_;
  std::string detail_;
};

const char* RunFailureName(RunFailure kind);

// The sampled vectors of one run, in the order asked for, at the simulator's
// own time points.
struct Trace {
  std::vector<double> Time;
  std::vector<std::vector<double>> Values;
  double EndTime = 0.0;  // where the run was to end (its stop time or the halt)
};

struct RunRequest {
  // ngspice's vector names: "out" for a node voltage, "vd1#branch" for the
  // current through a voltage source.
  std::vector<std::string> Vectors;
  double StopTime = 0.0;  // the .tran stop time, s
  // The watchdog: the run is stalled once its simulated time has not
  // advanced for this long (s, on the clock), or once it has taken MaxPoints
  // time points.
  double StallSeconds = 5.0;
  long MaxPoints = 10'000'000;
  // Called for every accepted time point with the values of Vectors; returns
  // the time from which the run may stop (it is halted once past it), or a
  // negative number to go on. Runs on the simulator's thread.
  std::function<double(double time, const std::vector<double>& values)> StopAfter;
  std::function<void(double fraction)> Progress;  // on the simulator's thread
  const std::atomic<bool>* Cancel = nullptr;
};

// The folder with scripts/spinit that SPICE_LIB_DIR names: TAVRO_SPICE_LIB_DIR
// if set, else the installed one (found from the helper's own place), else
// the one in the source tree.
std::string SpiceLibDir();

// Keeps a user's .spiceinit (read from the working folder and from HOME)
// out of the simulation: moves to the shipped folder and points HOME there.
// For the helper process only: it changes the whole process.
void IsolateFromUserSettings();

class NgSpice {
 public:
  // The process's instance, loaded on first use; throws SimulationError
  // (Library) when it cannot be loaded.
  static NgSpice& Instance();

  // Runs the netlist's transient analysis; throws SimulationError.
  Trace Run(const std::vector<std::string>& netlist, const RunRequest& request);

  // The simulator's output of the last run, one line per entry.
  const std::vector<std::string>& Output() const { return output_; }

  NgSpice(const NgSpice&) = delete;
  NgSpice& operator=(const NgSpice&) = delete;

 private:
  NgSpice();
  ~NgSpice();
  struct Library;
  void Load();
  void Unload();
  void Command(const char* command);
  void Reset();
  void ThrowOnErrorOutput(RunFailure kind, const char* stage) const;

  Library* lib_ = nullptr;
  std::vector<std::string> output_;

 public:  // the C callbacks reach these
  struct Shared;
  Shared* shared_ = nullptr;
};

}  // namespace tavro::simulation
