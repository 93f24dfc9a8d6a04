// The helper as a child process. What the systems do differently (starting
// a program with its standard streams on pipes, waiting for its output for
// a while, ending it) is the class HelperProcess::Child, in two halves:
// Windows first, then POSIX. Exchange's lines and limits are the same on
// both.
#include "simulation/child_process.h"

#include "simulation/program_files.h"
#include "simulation/texts.h"
#include "tavro/version.h"

#ifdef _WIN32
#include "files/windows_api.h"  // windows.h, before the other system headers

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#else
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#ifndef _WIN32
extern char** environ;
#endif

namespace tavro::simulation {

std::string HelperPath() {
  return LocateFile("TAVRO_SIMULATE",
                    {"tavro-simulate" TAVRO_EXE_SUFFIX, std::filesystem::path(release::kHelperDir) /
                                                            "tavro-simulate" TAVRO_EXE_SUFFIX},
                    {}, TAVRO_HELPER_BUILD_PATH);
}

namespace {

// What a wait for the helper's output found.
enum class Output {
  Some,    // bytes, appended
  None,    // nothing within the wait
  Ended,   // the end of the helper's output: it has gone
  Failed,  // the wait itself failed
};

}  // namespace

#ifdef _WIN32

HelperFailure DescribeEnd(int status) {
  const auto code = static_cast<unsigned long>(static_cast<DWORD>(status));
  // An exception nobody handles ends a program with its status code, such
  // as 0xC0000005 for an access violation.
  if ((code & 0xF0000000UL) == 0xC0000000UL) {
    char shown[16];
    std::snprintf(shown, sizeof shown, "0x%08lX", code);
    return HelperFailure(std::string("the simulation helper crashed (exception ") + shown + ")",
                         texts::kHelperExited, {shown});
  }
  const std::string shown = std::to_string(code);
  return HelperFailure("the simulation helper exited with status " + shown + " without an answer",
                       texts::kHelperExited, {shown});
}

namespace {

// The system's pipe buffers, as large as Linux's.
constexpr DWORD kPipeBytes = 65536;
// The exit code of a helper this side ended.
constexpr UINT kKilled = 137;
// How long a helper whose input has ended may take to leave.
constexpr DWORD kLeaveMilliseconds = 500;
// The most bytes read from one helper: far beyond any run's output.
constexpr unsigned long long kMaxOutputBytes = 1ULL << 40;

// `argument` as the C library's command-line parser takes it back: quoted
// when it holds a blank or a quote, a quote escaped with a backslash, and
// the backslashes before a quote (or before the closing quote) doubled.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(2 * backslashes, L'\\');
  quoted.push_back(L'"');
  return quoted;
}

void Close(HANDLE& handle) {
  if (handle != nullptr) ::CloseHandle(handle);
  handle = nullptr;
}

// Windows has no signal for a broken pipe: a write to a helper that has
// gone fails, and its end is read from its output.
void IgnoreBrokenPipes() {}

}  // namespace

class HelperProcess::Child {
 public:
  // Starts the helper with its standard input and output on pipes and the
  // caller's standard error as its own; throws HelperFailure when it cannot.
  explicit Child(const std::string& path) {
    const auto application = files::WideText(path);
    if (!application) NotStarted(path, ERROR_INVALID_NAME);
    // The pipes' far ends are inheritable only while this helper starts, so
    // that a helper started beside it on another thread holds none of them
    // (and so never keeps this one's output open).
    static std::mutex starting;
    const std::lock_guard lock(starting);
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE inRead = nullptr, outWrite = nullptr, errors = nullptr;
    if (!::CreatePipe(&inRead, &toChild_, &inheritable, kPipeBytes)) {
      NotStarted(path, ::GetLastError());
    }
    if (!::CreatePipe(&fromChild_, &outWrite, &inheritable, kPipeBytes)) {
      const DWORD error = ::GetLastError();
      Close(inRead);
      Close(toChild_);
      NotStarted(path, error);
    }
    ::SetHandleInformation(toChild_, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(fromChild_, HANDLE_FLAG_INHERIT, 0);
    const HANDLE ownErrors = ::GetStdHandle(STD_ERROR_HANDLE);
    if (ownErrors != nullptr && ownErrors != INVALID_HANDLE_VALUE &&
        !::DuplicateHandle(::GetCurrentProcess(), ownErrors, ::GetCurrentProcess(), &errors, 0,
                           TRUE, DUPLICATE_SAME_ACCESS)) {
      errors = nullptr;
    }
    // The helper inherits these handles and no others.
    std::vector<HANDLE> inherited = {inRead, outWrite};
    if (errors != nullptr) inherited.push_back(errors);
    SIZE_T size = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> attributes(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    const bool listed = size > 0 && ::InitializeProcThreadAttributeList(list, 1, 0, &size);
    const bool limited = listed && ::UpdateProcThreadAttribute(
                                       list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited.data(),
                                       inherited.size() * sizeof(HANDLE), nullptr, nullptr);
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = inRead;
    startup.StartupInfo.hStdOutput = outWrite;
    startup.StartupInfo.hStdError = errors;
    DWORD flags = 0;
    if (limited) {
      startup.lpAttributeList = list;
      flags |= EXTENDED_STARTUPINFO_PRESENT;
    }
    // A caller without a console (the window) starts the helper without
    // one, so that none flashes up; a caller in a console shares it.
    if (::GetConsoleWindow() == nullptr) flags |= CREATE_NO_WINDOW;
    std::wstring commandLine = Quoted(*application);
    PROCESS_INFORMATION started{};
    const BOOL ok = ::CreateProcessW(application->c_str(), commandLine.data(), nullptr, nullptr,
                                     TRUE, flags, nullptr, nullptr, &startup.StartupInfo, &started);
    const DWORD error = ::GetLastError();
    if (listed) ::DeleteProcThreadAttributeList(list);
    Close(inRead);
    Close(outWrite);
    Close(errors);
    if (!ok) {
      Close(toChild_);
      Close(fromChild_);
      NotStarted(path, error);
    }
    ::CloseHandle(started.hThread);
    process_ = started.hProcess;
    // Anonymous pipes have no wait with a time limit: a thread of its own
    // reads the helper's output as it comes, and Receive waits for it.
    reader_ = std::thread([this] { ReadOutput(); });
  }

  // Ends the helper: its input closed, it has half a second to leave before
  // it is ended.
  ~Child() {
    if (process_ == nullptr) return;
    Close(toChild_);  // end of input: the helper leaves its loop
    if (::WaitForSingleObject(process_, kLeaveMilliseconds) != WAIT_OBJECT_0) {
      ::TerminateProcess(process_, kKilled);
      ::WaitForSingleObject(process_, INFINITE);
    }
    Release();
  }

  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // Ends the helper at once.
  void Kill() {
    ::TerminateProcess(process_, kKilled);
    Close(toChild_);
    ::WaitForSingleObject(process_, INFINITE);
    Release();
  }

  // Writes all of `message`, or as much as a helper that has gone takes
  // (its end is read from its output).
  void Send(const std::string& message) {
    std::size_t sent = 0;
    // Each pass writes at least one byte or ends.
    while (sent < message.size()) {
      const DWORD part =
          static_cast<DWORD>(std::min<std::size_t>(message.size() - sent, std::size_t{1} << 30));
      DWORD n = 0;
      if (!::WriteFile(toChild_, message.data() + sent, part, &n, nullptr) || n == 0) break;
      sent += n;
    }
  }

  // Waits up to `milliseconds` for output and appends what came to `into`.
  Output Receive(std::string& into, int milliseconds) {
    std::unique_lock lock(mutex_);
    arrived_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                      [&] { return !received_.empty() || ended_; });
    if (!received_.empty()) {
      into += received_;
      received_.clear();
      return Output::Some;
    }
    return ended_ ? Output::Ended : Output::None;
  }

  // The failure of a helper whose output has ended, once it has gone.
  HelperFailure End() {
    Close(toChild_);
    ::WaitForSingleObject(process_, INFINITE);
    DWORD code = 0;
    if (!::GetExitCodeProcess(process_, &code)) code = kKilled;
    Release();
    return DescribeEnd(static_cast<int>(code));
  }

 private:
  [[noreturn]] static void NotStarted(const std::string& path, DWORD error) {
    const std::string why = files::SystemMessage(error);
    throw HelperFailure("cannot start the simulation helper " + path + ": " + why,
                        texts::kHelperNotStarted, {path, why});
  }

  // The reader thread: the output pipe ends once the helper has gone.
  void ReadOutput() {
    char buffer[65536];
    // Each pass reads at least one byte or ends.
    for (unsigned long long total = 0; total < kMaxOutputBytes;) {
      DWORD n = 0;
      const BOOL ok = ::ReadFile(fromChild_, buffer, sizeof buffer, &n, nullptr);
      const std::lock_guard lock(mutex_);
      if (!ok || n == 0) break;
      received_.append(buffer, n);
      total += n;
      arrived_.notify_all();
    }
    const std::lock_guard lock(mutex_);
    ended_ = true;
    arrived_.notify_all();
  }

  // Once the helper has gone: its reader ends with the pipe.
  void Release() {
    if (reader_.joinable()) reader_.join();
    Close(fromChild_);
    Close(process_);
  }

  HANDLE process_ = nullptr;
  HANDLE toChild_ = nullptr;
  HANDLE fromChild_ = nullptr;
  std::thread reader_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::string received_;  // read, not yet taken
  bool ended_ = false;
};

#else  // POSIX

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

namespace {

// A helper that dies must not kill the caller with SIGPIPE.
void IgnoreBrokenPipes() {
  ::signal(SIGPIPE, SIG_IGN);
}

}  // namespace

class HelperProcess::Child {
 public:
  // Starts the helper with its standard input and output on pipes; throws
  // HelperFailure when it cannot.
  explicit Child(std::string path) : path_(std::move(path)) {
    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0) throw HelperFailure("cannot create a pipe");
    if (::pipe2(out, O_CLOEXEC) != 0) {
      ::close(in[0]);
      ::close(in[1]);
      throw HelperFailure("cannot create a pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<char*> argv = {path_.data(), nullptr};
    const int spawned =
        ::posix_spawn(&pid_, path_.c_str(), &actions, nullptr, argv.data(), environ);
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
  }

  // Ends the helper: its input closed, it has half a second to leave before
  // it is killed.
  ~Child() {
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

  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // Ends the helper at once (never kill(-1): a helper already waited for
  // has no process left).
  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::close(toChild_);
    ::close(fromChild_);
    toChild_ = fromChild_ = -1;
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
  }

  // Writes all of `message`, or as much as a helper that has gone takes
  // (its end is read from its output).
  void Send(const std::string& message) {
    std::size_t sent = 0;
    while (sent < message.size()) {
      const ssize_t n = ::write(toChild_, message.data() + sent, message.size() - sent);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;  // the helper is gone; its end is read below
      sent += static_cast<std::size_t>(n);
    }
  }

  // Waits up to `milliseconds` for output and appends what came to `into`.
  Output Receive(std::string& into, int milliseconds) {
    pollfd p{fromChild_, POLLIN, 0};
    const int ready = ::poll(&p, 1, milliseconds);
    if (ready < 0 && errno != EINTR) return Output::Failed;
    if (ready <= 0) return Output::None;
    char buffer[65536];
    const ssize_t n = ::read(fromChild_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) return Output::None;
    if (n <= 0) return Output::Ended;
    into.append(buffer, static_cast<std::size_t>(n));
    return Output::Some;
  }

  // The failure of a helper whose output has ended, once it has gone.
  HelperFailure End() {
    int status = 0;
    ::close(toChild_);
    ::close(fromChild_);
    toChild_ = fromChild_ = -1;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return DescribeEnd(status);
  }

 private:
  std::string path_;
  pid_t pid_ = -1;
  int toChild_ = -1;
  int fromChild_ = -1;
};

#endif  // POSIX

HelperProcess::HelperProcess(std::string path) : path_(std::move(path)) {
  IgnoreBrokenPipes();
}

HelperProcess::~HelperProcess() {
  Stop();
}

void HelperProcess::Start() {
  child_ = std::make_unique<Child>(path_);
  pending_.clear();
}

void HelperProcess::Stop() {
  child_.reset();
}

void HelperProcess::Fail(const std::string& what) {
  Fail(HelperFailure(what));
}

void HelperProcess::Fail(const HelperFailure& failure) {
  if (child_) {
    child_->Kill();
    child_.reset();
  }
  throw failure;
}

std::string HelperProcess::Exchange(const std::string& line, double silence) {
  if (!child_) Start();
  child_->Send(line + '\n');
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
    switch (child_->Receive(pending_, static_cast<int>(std::min<long long>(left.count(), 1000)))) {
      case Output::Failed:
        Fail("cannot read from the simulation helper");
      case Output::Ended: {
        const HelperFailure end = child_->End();
        child_.reset();
        throw end;
      }
      case Output::None:
      case Output::Some:
        break;
    }
  }
}

}  // namespace tavro::simulation
