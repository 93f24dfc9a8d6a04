#include "app/info_options.h"

#include <algorithm>

#include "app/app_texts.h"
#include "tavro/version.h"

namespace tavro::app {

std::optional<std::string> AnswerInfoOption(const std::vector<std::string>& args) {
  const auto given = [&](std::string_view option) {
    return std::find(args.begin(), args.end(), option) != args.end();
  };
  if (given("--help") || given("-h")) return std::string(texts::kUsage);
  if (given("--version")) return "tavro " + std::string(release::kVersion) + "\n";
  return std::nullopt;
}

}  // namespace tavro::app
