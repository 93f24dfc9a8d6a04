#include "simulation/child_process.h"

#include "simulation/program_files.h"
#include "simulation/texts.h"
#include "tavro/version.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

extern char** environ;

namespace tavro::simulation {

std::string HelperPath() {
  return LocateFile(
      "TAVRO_SIMULATE",
      {"tavro-simulate", std::filesystem::path(release::kHelperDir) / "tavro-simulate"}, {},
      TAVRO_HELPER_BUILD_PATH);
}

HelperFailure DescribeEnd(int status) {
  if (WIFSIGNALED(status)) {
    const int sig = WTERMSIG(status);
    const char* name = ::strsignal(sig);
    const std::string shown = name != nullptr ? name : "";
    return HelperFailure("the simulation helper crashed (signal " + std::to_string(sig) +
                             (name != nullptr ? ", " + shown : std::string()) + ")",
                         name != nullptr ? texts::kHelperCrashed : std::string_view(),
                         {std::to_string(sig), shown});
  }
  if (WIFEXITED(status)) {
    const std::string code = std::to_string(WEXITSTATUS(status));
    return HelperFailure("the simulation helper exited with status " + code + " without an answer",
                         texts::kHelperExited, {code});
  }
  return HelperFailure("the simulation helper stopped without an answer");
}

HelperProcess::HelperProcess(std::string path) : path_(std::move(path)) {
  // A helper that dies must not kill the caller with SIGPIPE.
  ::signal(SIGPIPE, SIG_IGN);
}

HelperProcess::~HelperProcess() {
  Stop();
}

void HelperProcess::Start() {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0) Fail("cannot create a pipe");
  if (::pipe2(out, O_CLOEXEC) != 0) {
    ::close(in[0]);
    ::close(in[1]);
    Fail("cannot create a pipe");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  std::vector<char*> argv = {path_.data(), nullptr};
  const int spawned = ::posix_spawn(&pid_, path_.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(out[1]);
  if (spawned != 0) {
    ::close(in[1]);
    ::close(out[0]);
    pid_ = -1;
    throw HelperFailure(
        "cannot start the simulation helper " + path_ + ": " + std::strerror(spawned),
        texts::kHelperNotStarted, {path_, std::strerror(spawned)});
  }
  toChild_ = in[1];
  fromChild_ = out[0];
  pending_.clear();
}

void HelperProcess::Stop() {
  if (pid_ <= 0) return;
  ::close(toChild_);  // end of input: the helper leaves its loop
  ::close(fromChild_);
  toChild_ = fromChild_ = -1;
  int status = 0;
  for (int i = 0; i < 50; ++i) {
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    ::usleep(10000);
  }
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, &status, 0);
  pid_ = -1;
}

void HelperProcess::Fail(const std::string& what) {
  Fail(HelperFailure(what));
}

void HelperProcess::Fail(const HelperFailure& failure) {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::close(toChild_);
    ::close(fromChild_);
    toChild_ = fromChild_ = -1;
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
  }
  throw failure;
}

std::string HelperProcess::Exchange(const std::string& line, double silence) {
  if (pid_ <= 0) Start();
  const std::string message = line + '\n';
  std::size_t sent = 0;
  while (sent < message.size()) {
    const ssize_t n = ::write(toChild_, message.data() + sent, message.size() - sent);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // the helper is gone; its end is read below
    sent += static_cast<std::size_t>(n);
  }
  // A bound on the lines of one answer: a helper reports progress at most
  // some hundred times a run and once a second besides.
  constexpr long kMaxLines = 1'000'000;
  const auto silenceLimit = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
      std::chrono::duration<double>(silence));
  auto deadline = std::chrono::steady_clock::now() + silenceLimit;
  for (long lines = 0;;) {
    if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
      std::string answer = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      if (++lines > kMaxLines) Fail("the simulation helper answered with too many lines");
      if (answer.rfind("{\"progress\"", 0) == 0) {
        deadline = std::chrono::steady_clock::now() + silenceLimit;
        continue;
      }
      return answer;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      char shown[32];
      std::snprintf(shown, sizeof shown, "%g", silence);
      Fail(HelperFailure(
          std::string("the simulation helper did not answer or report progress within ") + shown +
              " s and was stopped",
          texts::kHelperSilent, {shown}));
    }
    pollfd p{fromChild_, POLLIN, 0};
    const int ready = ::poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), 1000)));
    if (ready < 0 && errno != EINTR) Fail("cannot read from the simulation helper");
    if (ready <= 0) continue;
    char buffer[65536];
    const ssize_t n = ::read(fromChild_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      int status = 0;
      ::close(toChild_);
      ::close(fromChild_);
      toChild_ = fromChild_ = -1;
      ::waitpid(pid_, &status, 0);
      pid_ = -1;
      throw DescribeEnd(status);
    }
    pending_.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace tavro::simulation
