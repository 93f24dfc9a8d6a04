// Marks a text that the front ends show in the user's language. The text
// stays the Russian original (the report and the stored formats use it as
// it is); `lupdate` collects it under its context into the catalogues of
// translations/, and the window and the command-line tool look it up there
// (i18n/catalogue.h) with the same context.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#define TAVRO_TRANSLATABLE(context, text) text

namespace tavro::design {

// How a library that composes a text from marked templates gets them in the
// user's language: the front end passes its catalogue's lookup; the report
// passes nothing and stays Russian.
using TextLookup = std::function<std::string(const char* context, std::string_view source)>;

// The source text itself (Russian).
inline std::string Untranslated(const char* /*context*/, std::string_view source) {
  return std::string(source);
}

}  // namespace tavro::design
