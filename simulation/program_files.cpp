// Where the running program is, in two halves: Windows first, then POSIX.
#include "simulation/program_files.h"

#ifdef _WIN32
#include "files/windows_api.h"
#endif

#include <cstdlib>
#include <optional>

namespace tavro::simulation {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32

// The variable's value in UTF-8 (the C library's narrow copy of the
// environment is in the user's code page).
std::optional<std::string> Variable(const char* name) {
  const auto wideName = files::WideText(name);
  if (!wideName) return std::nullopt;
  const wchar_t* value = ::_wgetenv(wideName->c_str());
  if (value == nullptr || *value == L'\0') return std::nullopt;
  return files::Utf8Text(value);
}

std::optional<fs::path> RunningProgram() {
  // A path longer than the first buffer is read again into a larger one, up
  // to the longest path the system has.
  constexpr DWORD kLongestPath = 32768;
  for (DWORD size = MAX_PATH; size <= kLongestPath; size *= 2) {
    std::wstring name(size, L'\0');
    const DWORD n = ::GetModuleFileNameW(nullptr, name.data(), size);
    if (n == 0) return std::nullopt;
    if (n < size) {
      name.resize(n);
      return fs::path(name);
    }
  }
  return std::nullopt;
}

std::string Utf8Of(const fs::path& path) {
  return files::Utf8Text(path.native());
}

#else  // POSIX

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return value;
}

std::optional<fs::path> RunningProgram() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return std::nullopt;
  return self;
}

std::string Utf8Of(const fs::path& path) {
  return path.string();
}

#endif  // POSIX

}  // namespace

std::string LocateFile(const char* variable, const std::vector<std::filesystem::path>& candidates,
                       const std::filesystem::path& probe, std::string fallback) {
  if (auto value = Variable(variable)) return std::move(*value);
  const auto self = RunningProgram();
  if (!self) return fallback;
  std::error_code ec;
  for (const fs::path& candidate : candidates) {
    const fs::path found = (self->parent_path() / candidate).lexically_normal();
    if (fs::exists(probe.empty() ? found : found / probe, ec)) return Utf8Of(found);
  }
  return fallback;
}

}  // namespace tavro::simulation
