// The interface languages: Russian, the program's own, and English. The
// report file stays Russian in either (it is a stored format).
#pragma once

#include <optional>
#include <string_view>

namespace tavro::i18n {

enum class Language { Russian, English };

// "ru" and "en", as the command line and the settings store write them.
std::string_view CodeOf(Language language);
std::optional<Language> LanguageFromCode(std::string_view code);

// The language that suits a system locale name such as "ru_RU" or
// "en_GB.UTF-8": Russian for every Russian locale, English for all others.
Language LanguageOfLocale(std::string_view localeName);

}  // namespace tavro::i18n
