// Checks tavro-cli's options share: a file option given as "" names no file.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace tavro::cli {

// Refuses an empty value; it adds nothing to the option's help.
inline CLI::Validator NamesAFile() {
  return CLI::Validator(
      [](const std::string& value) {
        return value.empty() ? std::string("a file name must not be empty") : std::string();
      },
      "", "FILE");
}

}  // namespace tavro::cli
