#include "simulation/program_files.h"

#include <cstdlib>

namespace tavro::simulation {

std::string LocateFile(const char* variable, const std::vector<std::filesystem::path>& candidates,
                       const std::filesystem::path& probe, std::string fallback) {
  namespace fs = std::filesystem;
  if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') return value;
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fallback;
  for (const fs::path& candidate : candidates) {
    const fs::path found = (self.parent_path() / candidate).lexically_normal();
    if (fs::exists(probe.empty() ? found : found / probe, ec)) return found.string();
  }
  return fallback;
}

}  // namespace tavro::simulation
