// The simulation helper as a child process: requests go to its standard
// input and answers come from its standard output, one line each. A helper
// that crashes, exits or does not answer in time is killed and reported as a
// HelperFailure; the caller lives on, and the next request starts a fresh
// helper. Side-by-side simulations use one helper each.
#pragma once

#include <sys/types.h>
#include <stdexcept>
#include <string>

namespace tavro::simulation {

class HelperFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// TAVRO_SIMULATE if set; else tavro-simulate beside the running program or in
// the installed helpers' folder relative to it; else the one in the build tree.
std::string HelperPath();

class HelperProcess {
 public:
  explicit HelperProcess(std::string path = HelperPath());
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  // Sends one line and waits up to `seconds` for one line back; throws
  // HelperFailure (with what became of the helper) otherwise.
  std::string Exchange(const std::string& line, double seconds);

  pid_t Pid() const { return pid_; }

 private:
  void Start();
  void Stop();
  [[noreturn]] void Fail(const std::string& what);

  std::string path_;
  pid_t pid_ = -1;
  int toChild_ = -1;
  int fromChild_ = -1;
  std::string pending_;
};

// The message for a helper that ended with this wait status.
std::string DescribeEnd(int waitStatus);

}  // namespace tavro::simulation
