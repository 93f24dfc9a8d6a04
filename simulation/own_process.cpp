// The helper's own process, in two halves: Windows first, then POSIX.
#include "simulation/own_process.h"

#ifdef _WIN32
#include "files/windows_api.h"  // windows.h, before the other system headers

#include <malloc.h>
#include <psapi.h>
#else
#include <malloc.h>
#include <unistd.h>

#include <fstream>
#endif

namespace tavro::simulation {

#ifdef _WIN32

long OwnResidentKilobytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return static_cast<long>(counters.WorkingSetSize / 1024);
}

// The Windows heap is one for every thread already.
void ShareOneHeap() {}

void ReleaseFreeMemory() {
  ::_heapmin();
}

namespace {

// The process ends with the exception's code as its exit code (0xC0000005
// for an access violation), which its caller reports.
LONG WINAPI EndWithTheException(EXCEPTION_POINTERS* exception) {
  ::TerminateProcess(::GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void EndAtOnceOnACrash() {
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  ::SetUnhandledExceptionFilter(EndWithTheException);
}

void RestartOwnProgram(char**) {}

#else  // POSIX

long OwnResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

void ShareOneHeap() {
  ::mallopt(M_ARENA_MAX, 1);
}

void ReleaseFreeMemory() {
  ::malloc_trim(0);
}

// A crash ends a POSIX program with its signal, which its parent reads.
void EndAtOnceOnACrash() {}

void RestartOwnProgram(char** argv) {
  ::execv("/proc/self/exe", argv);  // on failure, carry on as we are
}

#endif  // POSIX

}  // namespace tavro::simulation
