// The JSON the command-line tool writes: named numbers with 21 significant
// digits (enough to tell any two extended values apart), strings and groups.
#pragma once

#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <charconv>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "cli/safe_text.h"

namespace tavro::cli::json {

using Writer = rapidjson::PrettyWriter<rapidjson::StringBuffer>;

inline void Key(Writer& json, std::string_view key) {
  json.Key(key.data(), static_cast<rapidjson::SizeType>(key.size()));
}

inline void Number(Writer& json, std::string_view key, long double value) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 21);
  Key(json, key);
  json.RawValue(buffer, static_cast<std::size_t>(written.ptr - buffer), rapidjson::kNumberType);
}

// Text from the user too: made valid UTF-8.
inline void String(Writer& json, std::string_view raw) {
  const std::string text = ValidUtf8(raw);
  json.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

using NamedNumbers = std::initializer_list<std::pair<std::string_view, long double>>;

inline void Members(Writer& json, NamedNumbers members) {
  for (const auto& [key, value] : members) Number(json, key, value);
}

inline void Object(Writer& json, std::string_view key, NamedNumbers members) {
  Key(json, key);
  json.StartObject();
  Members(json, members);
  json.EndObject();
}

}  // namespace tavro::cli::json
