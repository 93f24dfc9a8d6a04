// The language of tavro-cli's messages and labels (--lang): chosen once at
// start, before the options are described, so that the help follows it too.
// Texts are looked up in the catalogues of i18n/; JSON keys, CSV columns and
// exit statuses are the same in every language.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "i18n/language.h"

namespace tavro::cli {

// The language --lang names (its last value; Russian when it is not given or
// names no language, which the option's own check then reports). args[0] is
// the program name.
i18n::Language LanguageOfArgs(const std::vector<std::string>& args);

// The decimal separator of numbers in the text output when
// --decimal-separator is not given: a point in English, the locale's in
// Russian.
char DefaultSeparator(i18n::Language language);

}  // namespace tavro::cli
