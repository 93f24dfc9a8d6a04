#include "i18n/language.h"

namespace tavro::i18n {

std::string_view CodeOf(Language language) {
  return language == Language::English ? "en" : "ru";
}

std::optional<Language> LanguageFromCode(std::string_view code) {
  if (code == "ru") return Language::Russian;
  if (code == "en") return Language::English;
  return std::nullopt;
}

Language LanguageOfLocale(std::string_view localeName) {
  const std::string_view code = localeName.substr(0, localeName.find_first_of("_-.@"));
  return code == "ru" ? Language::Russian : Language::English;
}

}  // namespace tavro::i18n
