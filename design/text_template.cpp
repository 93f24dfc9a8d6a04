#include "design/text_template.h"

namespace tavro::design {

std::string FillTemplate(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const auto place = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (place < values.size()) {
        out += values.begin()[place];
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

std::string Compose(const TextLookup& lookup, const char* context, std::string_view pattern,
                    std::initializer_list<std::string_view> values) {
  return FillTemplate(lookup(context, pattern), values);
}

}  // namespace tavro::design
