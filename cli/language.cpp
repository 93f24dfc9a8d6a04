#include "cli/language.h"

#include "report/locale_clock.h"

namespace tavro::cli {

i18n::Language LanguageOfArgs(const std::vector<std::string>& args) {
  constexpr std::string_view kOption = "--lang";
  std::string_view code;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a == "--") break;
    if (a == kOption && i + 1 < args.size()) {
      code = args[++i];
    } else if (a.size() > kOption.size() && a.substr(0, kOption.size() + 1) == "--lang=") {
      code = a.substr(kOption.size() + 1);
    }
  }
  return i18n::LanguageFromCode(code).value_or(i18n::Language::Russian);
}

char DefaultSeparator(i18n::Language language) {
  return language == i18n::Language::English ? '.' : report::UserDecimalSeparator();
}

}  // namespace tavro::cli
