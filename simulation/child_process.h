// The simulation helper as a child process: requests go to its standard
// input and answers come from its standard output, one line each. A helper
// that crashes, exits or falls silent (neither an answer nor a progress line
// for the silence limit) is killed and reported as a HelperFailure; the
// caller lives on, and the next request starts a fresh helper. Side-by-side
// simulations use one helper each.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavro::simulation {

class HelperFailure : public std::runtime_error {
 public:
  // The message in English; `pattern` (a marked text of simulation/texts.h)
  // and its `args` for front ends that show it in their language.
  explicit HelperFailure(const std::string& message, std::string_view pattern = {},
                         std::vector<std::string> args = {})
      : std::runtime_error(message), pattern_(pattern), args_(std::move(args)) {}
  std::string_view Pattern() const { return pattern_; }
  const std::vector<std::string>& Args() const { return args_; }

 private:
  std::string_view pattern_;
  std::vector<std::string> args_;
};

// TAVRO_SIMULATE if set; else tavro-simulate beside the running program or in
// the installed helpers' folder relative to it; else the one in the build tree.
std::string HelperPath();

// How long a helper may go without a line before it counts as stuck: a
// helper reports progress at least every second while its simulation
// advances, and halts a run itself once the simulated time stands still
// for SimulationLimits::StallSeconds (less than this).
inline constexpr double kHelperSilenceSeconds = 9.0;

class HelperProcess {
 public:
  explicit HelperProcess(std::string path = HelperPath());
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  // Sends one line and waits for one answer line back for as long as the
  // helper keeps reporting progress ({"progress": ...} lines, which a
  // request asks for), each within `silence` seconds of the last; throws
  // HelperFailure (with what became of the helper) otherwise. How long the
  // whole answer takes on the clock, which depends on the machine's load,
  // never stops it.
  std::string Exchange(const std::string& line, double silence = kHelperSilenceSeconds);

 private:
  // The running helper as the system knows it: its process and the two
  // pipes (child_process.cpp, one half per system).
  class Child;

  void Start();
  void Stop();
  [[noreturn]] void Fail(const std::string& what);
  [[noreturn]] void Fail(const HelperFailure& failure);

  std::string path_;
  std::unique_ptr<Child> child_;  // none until the first request
  std::string pending_;
};

// The failure of a helper that ended with this wait status (on Windows, its
// exit code).
HelperFailure DescribeEnd(int waitStatus);

}  // namespace tavro::simulation
