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

}  // namespace tavro::i18n
