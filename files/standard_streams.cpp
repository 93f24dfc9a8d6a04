// Standard streams and the command line, in two halves: Windows first, then
// POSIX.
#include "files/standard_streams.h"

#ifdef _WIN32
#include "files/windows_api.h"  // windows.h, before the other system headers

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#else
#include <unistd.h>
#endif

namespace tavro::files {

#ifdef _WIN32

void UseBinaryStandardStreams() {
  ::_setmode(::_fileno(stdin), _O_BINARY);
  ::_setmode(::_fileno(stdout), _O_BINARY);
}

std::ptrdiff_t ReadDescriptor(int fd, char* buffer, std::size_t size) {
  constexpr std::size_t kChunk = std::size_t{1} << 30;
  return ::_read(fd, buffer, static_cast<unsigned>(std::min(size, kChunk)));
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  arguments.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) arguments.push_back(Utf8Text(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

#else  // POSIX

void UseBinaryStandardStreams() {}

std::ptrdiff_t ReadDescriptor(int fd, char* buffer, std::size_t size) {
  return ::read(fd, buffer, size);
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

#endif  // POSIX

}  // namespace tavro::files
