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

}  // namespace tavro::i18n
