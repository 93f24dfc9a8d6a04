// Text from the user (input lines, typed options, file names) as it may be
// echoed into tavro-cli's CSV and JSON: well-formed UTF-8 without NUL.
#pragma once

#include <string>
#include <string_view>

namespace tavro::cli {

// `text` with every NUL byte and every byte that does not belong to a
// well-formed UTF-8 sequence (a stray continuation byte, 0xC0, 0xC1,
// 0xF5..0xFF, a truncated, overlong or surrogate sequence) replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

}  // namespace tavro::cli
