// Small file and environment helpers shared by the tests.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace tavro::test {

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The golden report of the worked example (comma separator, saved on
// 08.12.2026 at 14:10).
inline std::string GoldenReport() {
  return ReadFile(std::string(TAVRO_TEST_DATA) + "/worked_example.txt");
}

// Sets (or, given nullptr, removes) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

  void Set(const char* value) {
#ifdef _WIN32
    ::_putenv_s(name_, value != nullptr ? value : "");  // "" removes it
#else
    if (value != nullptr) {
      ::setenv(name_, value, 1);
    } else {
      ::unsetenv(name_);
    }
#endif
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace tavro::test
