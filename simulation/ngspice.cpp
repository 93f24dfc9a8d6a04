#include "simulation/ngspice.h"

#ifdef _WIN32
#include "files/windows_api.h"  // windows.h, before the other system headers

#include <direct.h>
#include <stdlib.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif
#include <ngspice/sharedspice.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <clocale>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string_view>

#include "simulation/program_files.h"

// ngspice keeps part of every run's allocations for good (tavro_simulate.cpp
// says how the helper copes); the sanitizer build's leak checker is told so.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libngspice.so\n";
}

namespace tavro::simulation {
namespace {

// What the simulator needs of the system: its shared library loaded, its
// environment set, its folder entered. In two halves: Windows, then POSIX.
#ifdef _WIN32

// The library's handle, or null with why not in `why`.
void* OpenLibrary(const char* name, std::string& why) {
  const auto wide = files::WideText(name);
  HMODULE module = wide ? ::LoadLibraryW(wide->c_str()) : nullptr;
  if (module == nullptr) why = name + std::string(": ") + files::SystemMessage(::GetLastError());
  return reinterpret_cast<void*>(module);
}

void* Symbol(void* library, const char* name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) {
  ::FreeLibrary(static_cast<HMODULE>(library));
}

// Sets the variable for this process and the C library the simulator reads
// it from (in its code page, converted from the system's UTF-16).
void SetVariable(const char* name, const std::string& value) {
  const auto wideName = files::WideText(name);
  const auto wideValue = files::WideText(value);
  if (wideName && wideValue) ::_wputenv_s(wideName->c_str(), wideValue->c_str());
}

// The user's home folder for the simulator: HOME, and USERPROFILE where
// Windows keeps it.
void SetHome(const std::string& folder) {
  SetVariable("HOME", folder);
  SetVariable("USERPROFILE", folder);
}

bool EnterFolder(const std::string& folder) {
  const auto wide = files::WideText(folder);
  return wide && ::_wchdir(wide->c_str()) == 0;
}

#else  // POSIX

void* OpenLibrary(const char* name, std::string& why) {
  void* library = ::dlopen(name, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* error = ::dlerror();
    why = error ? error : name;
  }
  return library;
}

void* Symbol(void* library, const char* name) {
  return ::dlsym(library, name);
}

void CloseLibrary(void* library) {
  ::dlclose(library);
}

void SetVariable(const char* name, const std::string& value) {
  ::setenv(name, value.c_str(), 1);
}

void SetHome(const std::string& folder) {
  SetVariable("HOME", folder);
}

bool EnterFolder(const std::string& folder) {
  return ::chdir(folder.c_str()) == 0;
}

#endif  // POSIX

}  // namespace

const char* RunFailureName(RunFailure kind) {
  switch (kind) {
    case RunFailure::Rejected:
      return "rejected";
    case RunFailure::Stalled:
      return "stalled";
    case RunFailure::Cancelled:
      return "cancelled";
    case RunFailure::Incomplete:
      return "incomplete";
    case RunFailure::Library:
      return "library";
    case RunFailure::Implausible:
      return "implausible";
  }
  return "unknown";
}

std::string SpiceLibDir() {
  return LocateFile("TAVRO_SPICE_LIB_DIR", {TAVRO_SPICE_FROM_HELPER}, "scripts/spinit",
                    TAVRO_SPICE_SOURCE_DIR);
}

void IsolateFromUserSettings() {
  const std::string dir = SpiceLibDir();
  // The simulator reads a start-up file from its folder and the user's home
  // folder: both are its own folder.
  SetHome(dir);
  if (!EnterFolder(dir)) {
    throw SimulationError(RunFailure::Library, "cannot enter " + dir);
  }
}

namespace {

// The process locale's numbers in C syntax for one scope.
class CNumericLocale {
 public:
  CNumericLocale() {
    if (const char* current = std::setlocale(LC_NUMERIC, nullptr)) saved_ = current;
    std::setlocale(LC_NUMERIC, "C");
  }
  ~CNumericLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  CNumericLocale(const CNumericLocale&) = delete;
  CNumericLocale& operator=(const CNumericLocale&) = delete;

 private:
  std::string saved_ = "C";
};

std::string Lower(std::string_view s) {
  std::string l(s);
  for (char& c : l) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return l;
}

// An output line that tells of a failure the return codes hide.
bool IsErrorLine(const std::string& line) {
  const std::string l = Lower(line);
  for (const char* sign : {"error", "fatal", "timestep too small", "aborted", "unknown model",
                           "could not find", "not found"}) {
    if (l.find(sign) != std::string::npos) return true;
  }
  return false;
}

using InitFn = int (*)(SendChar*, SendStat*, ControlledExit*, SendData*, SendInitData*,
                       BGThreadRunning*, void*);
using CommandFn = int (*)(char*);
using CircFn = int (*)(char**);
using VecInfoFn = pvector_info (*)(char*);

}  // namespace

struct NgSpice::Library {
  void* handle = nullptr;
  InitFn init = nullptr;
  CommandFn command = nullptr;
  CircFn circ = nullptr;
  VecInfoFn vecInfo = nullptr;
};

// What the simulator's thread and the caller share during a run.
struct NgSpice::Shared {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::string> output;
  bool exited = false;  // the library called its exit callback
  int started = 0;      // background runs started ...
  int finished = 0;     // ... and finished
  bool stopRequested = false;
  // Per run: where each asked-for vector sits in the data callback's array.
  std::vector<std::string> wanted;
  std::vector<int> index;
  int timeIndex = -1;
  std::vector<double> values;
  const RunRequest* request = nullptr;
  double stopAfter = -1.0;
  // The watchdog's view of the run: time points taken, and the clock when
  // the simulated time last advanced (steady_clock ticks).
  std::atomic<long> points{0};
  std::atomic<std::chrono::steady_clock::rep> advanced{0};
  double lastTime = -1.0;
};

namespace {

int OnChar(char* text, int, void* self) {
  auto* shared = static_cast<NgSpice*>(self)->shared_;
  std::string line = text != nullptr ? text : "";
  for (const char* stream : {"stdout ", "stderr "}) {
    if (line.rfind(stream, 0) == 0) line.erase(0, 7);
  }
  const std::lock_guard lock(shared->mutex);
  shared->output.push_back(std::move(line));
  return 0;
}

int OnStat(char*, int, void*) {
  return 0;
}

int OnExit(int, NG_BOOL, NG_BOOL, int, void* self) {
  auto* shared = static_cast<NgSpice*>(self)->shared_;
  const std::lock_guard lock(shared->mutex);
  shared->exited = true;
  shared->changed.notify_all();
  return 0;
}

int OnInitData(pvecinfoall info, int, void* self) {
  auto* shared = static_cast<NgSpice*>(self)->shared_;
  const std::lock_guard lock(shared->mutex);
  shared->index.assign(shared->wanted.size(), -1);
  shared->timeIndex = -1;
  for (int i = 0; info != nullptr && i < info->veccount; ++i) {
    const std::string name = Lower(info->vecs[i]->vecname);
    if (name == "time") shared->timeIndex = i;
    for (std::size_t k = 0; k < shared->wanted.size(); ++k) {
      if (name == shared->wanted[k]) shared->index[k] = i;
    }
  }
  return 0;
}

int OnData(pvecvaluesall all, int, int, void* self) {
  auto* shared = static_cast<NgSpice*>(self)->shared_;
  const RunRequest* request = shared->request;
  if (request == nullptr || shared->timeIndex < 0 || all == nullptr) return 0;
  const double t = all->vecsa[shared->timeIndex]->creal;
  shared->points.fetch_add(1, std::memory_order_relaxed);
  if (t > shared->lastTime) {
    shared->lastTime = t;
    shared->advanced.store(std::chrono::steady_clock::now().time_since_epoch().count(),
                           std::memory_order_relaxed);
  }
  if (request->StopAfter) {
    for (std::size_t k = 0; k < shared->index.size(); ++k) {
      shared->values[k] = shared->index[k] >= 0 ? all->vecsa[shared->index[k]]->creal : 0.0;
    }
    const double from = request->StopAfter(t, shared->values);
    if (from >= 0.0 && shared->stopAfter < 0.0) shared->stopAfter = from;
    if (shared->stopAfter >= 0.0 && t >= shared->stopAfter) {
      const std::lock_guard lock(shared->mutex);
      shared->stopRequested = true;
      shared->changed.notify_all();
    }
  }
  if (request->Progress && request->StopTime > 0.0) request->Progress(t / request->StopTime);
  return 0;
}

int OnThread(NG_BOOL finished, int, void* self) {
  auto* shared = static_cast<NgSpice*>(self)->shared_;
  const std::lock_guard lock(shared->mutex);
  if (finished) {
    ++shared->finished;
  } else {
    ++shared->started;
  }
  shared->changed.notify_all();
  return 0;
}

}  // namespace

NgSpice& NgSpice::Instance() {
  static NgSpice instance;
  return instance;
}

NgSpice::NgSpice() : shared_(new Shared) {}

NgSpice::~NgSpice() {
  // The library's threads may outlive static destruction; leave it loaded.
}

void NgSpice::Load() {
  if (lib_ != nullptr) return;
  SetVariable("SPICE_LIB_DIR", SpiceLibDir());
  auto lib = std::make_unique<Library>();
  std::string why;
  lib->handle = OpenLibrary(TAVRO_NGSPICE_LIBRARY, why);
  if (lib->handle == nullptr) {
    throw SimulationError(RunFailure::Library, "cannot load ngspice: " + why);
  }
  lib->init = reinterpret_cast<InitFn>(Symbol(lib->handle, "ngSpice_Init"));
  lib->command = reinterpret_cast<CommandFn>(Symbol(lib->handle, "ngSpice_Command"));
  lib->circ = reinterpret_cast<CircFn>(Symbol(lib->handle, "ngSpice_Circ"));
  lib->vecInfo = reinterpret_cast<VecInfoFn>(Symbol(lib->handle, "ngGet_Vec_Info"));
  if (!lib->init || !lib->command || !lib->circ || !lib->vecInfo) {
    CloseLibrary(lib->handle);
    throw SimulationError(RunFailure::Library,
                          TAVRO_NGSPICE_LIBRARY " lacks the shared-library interface");
  }
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->exited = false;
    shared_->output.clear();
  }
  const CNumericLocale c;
  lib->init(OnChar, OnStat, OnExit, OnData, OnInitData, OnThread, this);
  lib_ = lib.release();
}

void NgSpice::Unload() {
  if (lib_ == nullptr) return;
  CloseLibrary(lib_->handle);
  delete lib_;
  lib_ = nullptr;
}

void NgSpice::Command(const char* command) {
  std::string text(command);
  lib_->command(text.data());
}

void NgSpice::Reset() {
  Command("destroy all");
  Command("remcirc");
}

void NgSpice::ThrowOnErrorOutput(RunFailure kind, const char* stage) const {
  for (const std::string& line : output_) {
    if (IsErrorLine(line)) throw SimulationError(kind, std::string(stage) + ": " + line);
  }
}

Trace NgSpice::Run(const std::vector<std::string>& netlist, const RunRequest& request) {
  bool exited = false;
  {
    const std::lock_guard lock(shared_->mutex);
    exited = shared_->exited;
  }
  // The library said it exits: what it left behind is unusable.
  if (exited) Unload();
  Load();
  const CNumericLocale c;
  Shared& s = *shared_;
  {
    const std::lock_guard lock(s.mutex);
    s.output.clear();
    s.stopRequested = false;
    s.wanted.clear();
    for (const std::string& v : request.Vectors) s.wanted.push_back(Lower(v));
    s.index.assign(s.wanted.size(), -1);
    s.values.assign(s.wanted.size(), 0.0);
    s.timeIndex = -1;
    s.request = &request;
    s.stopAfter = -1.0;
    s.points = 0;
    s.lastTime = -1.0;
    s.advanced = std::chrono::steady_clock::now().time_since_epoch().count();
  }
  output_.clear();
  const auto collect = [&] {
    const std::lock_guard lock(s.mutex);
    output_ = s.output;
  };
  const auto finish = [&] {
    Reset();
    const std::lock_guard lock(s.mutex);
    s.request = nullptr;
  };

  std::vector<std::string> copies = netlist;
  std::vector<char*> lines;
  for (std::string& line : copies) lines.push_back(line.data());
  lines.push_back(nullptr);
  lib_->circ(lines.data());
  collect();
  try {
    ThrowOnErrorOutput(RunFailure::Rejected, "netlist");
  } catch (...) {
    finish();
    throw;
  }

  int finishedBefore = 0;
  {
    const std::lock_guard lock(s.mutex);
    finishedBefore = s.finished;
  }
  Command("bg_run");
  bool halted = false;
  RunFailure haltReason = RunFailure::Stalled;
  {
    std::unique_lock lock(s.mutex);
    const auto stall = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(request.StallSeconds));
    const auto done = [&] { return s.finished > finishedBefore || s.exited; };
    while (!done()) {
      if (s.stopRequested) {
        halted = true;
        break;
      }
      if (request.Cancel != nullptr && request.Cancel->load()) {
        halted = true;
        haltReason = RunFailure::Cancelled;
        break;
      }
      const std::chrono::steady_clock::time_point advanced{
          std::chrono::steady_clock::duration{s.advanced.load(std::memory_order_relaxed)}};
      if (std::chrono::steady_clock::now() - advanced >= stall ||
          s.points.load(std::memory_order_relaxed) > request.MaxPoints) {
        halted = true;
        haltReason = RunFailure::Stalled;
        break;
      }
      s.changed.wait_for(lock, std::chrono::milliseconds(20));
    }
  }
  const bool settledHalt = halted && s.stopRequested;
  if (halted) {
    Command("bg_halt");
    std::unique_lock lock(s.mutex);
    if (!s.changed.wait_for(lock, std::chrono::seconds(10),
                            [&] { return s.finished > finishedBefore || s.exited; })) {
      // The simulator does not stop: nothing in this process can be trusted.
      lock.unlock();
      std::_Exit(70);
    }
  }
  collect();
  try {
    if (halted && !settledHalt) {
      throw SimulationError(haltReason, haltReason == RunFailure::Cancelled
                                            ? "the simulation was cancelled"
                                            : "the simulation stalled and was stopped");
    }
    ThrowOnErrorOutput(RunFailure::Rejected, "ngspice");
    std::string name = "time";
    const pvector_info time = lib_->vecInfo(name.data());
    if (time == nullptr || time->v_realdata == nullptr || time->v_length < 2) {
      throw SimulationError(RunFailure::Incomplete, "the simulation produced no time vector");
    }
    Trace trace;
    trace.Time.assign(time->v_realdata, time->v_realdata + time->v_length);
    trace.EndTime = settledHalt ? s.stopAfter : request.StopTime;
    const double reached = trace.Time.back();
    if (!(reached >= trace.EndTime * (1.0 - 1e-9))) {
      throw SimulationError(RunFailure::Incomplete, "the simulation ended at " +
                                                        std::to_string(reached) + " s of " +
                                                        std::to_string(trace.EndTime) + " s");
    }
    for (const std::string& wanted : request.Vectors) {
      name = wanted;
      const pvector_info v = lib_->vecInfo(name.data());
      if (v == nullptr || v->v_realdata == nullptr || v->v_length != time->v_length) {
        throw SimulationError(RunFailure::Incomplete, "the simulation has no vector " + wanted);
      }
      trace.Values.emplace_back(v->v_realdata, v->v_realdata + v->v_length);
    }
    finish();
    return trace;
  } catch (...) {
    finish();
    throw;
  }
}

}  // namespace tavro::simulation
