#include "cli/safe_text.h"

namespace tavro::cli {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool Continuation(unsigned char c, unsigned char low = 0x80, unsigned char high = 0xBF) {
  return c >= low && c <= high;
}

// The length of the well-formed sequence at the start of `s`, or 0.
std::size_t SequenceLength(std::string_view s) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = at(0);
  if (lead >= 0x01 && lead <= 0x7F) return 1;
  // The second byte's range narrows for E0, ED, F0 and F4: no overlong forms,
  // no surrogates, nothing above U+10FFFF.
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < length || !Continuation(at(1), low, high)) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!Continuation(at(i))) return 0;
  }
  return length;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t length = SequenceLength(text.substr(i));
    if (length == 0) {
      valid += kReplacement;
      ++i;
    } else {
      valid.append(text.substr(i, length));
      i += length;
    }
  }
  return valid;
}

}  // namespace tavro::cli
