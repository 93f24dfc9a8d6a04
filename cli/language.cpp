#include "cli/language.h"

#include <mutex>

#include "i18n/catalogue.h"
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

std::string Translated(const char* context, std::string_view source) {
  if (source.empty()) return {};
  // The catalogues are shared by the batch's threads.
  static std::mutex lock;
  const std::scoped_lock hold(lock);
  return i18n::TranslateUtf8(context, source);
}

const design::TextLookup& Lookup() {
  static const design::TextLookup lookup = [](const char* context, std::string_view source) {
    return Translated(context, source);
  };
  return lookup;
}

char DefaultSeparator(i18n::Language language) {
  return language == i18n::Language::English ? '.' : report::UserDecimalSeparator();
}

}  // namespace tavro::cli
