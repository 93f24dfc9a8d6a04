// The options the window's program answers on the terminal without opening
// the window: --version and --help.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tavro::app {

// The text to print (and exit 0) when the arguments, without the program
// name, ask for the version or the usage; nothing when the window should open.
std::optional<std::string> AnswerInfoOption(const std::vector<std::string>& args);

}  // namespace tavro::app
