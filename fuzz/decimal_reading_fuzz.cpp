// Fuzzes the exact decimal reader against the C++ library's std::from_chars,
// which on glibc hands the text to strtold under the "C" locale: the same
// stop, the same bits and the same out-of-range verdict, or both refusing.
// Infinity and NaN texts, which the reader does not take, are left out.
//
// Input: the text itself.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "mathem/decimal_reading.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
  if (first < text.size() && std::strchr("iInN", text[first]) != nullptr) return 0;

  const auto read = tavro::mathem::ReadDecimal(text);
  long double library = 7.0L;  // left alone when the library refuses
  const std::from_chars_result r = std::from_chars(text.data(), text.data() + size, library);
  if (r.ec == std::errc::invalid_argument) {
    if (read) Fail("read a text the library refuses", text);
    return 0;
  }
  if (!read) Fail("refused a text the library reads", text);
  if (read->Used != static_cast<std::size_t>(r.ptr - text.data())) Fail("another stop", text);
  const bool outOfRange = read->Range != tavro::mathem::DecimalRange::Within;
  if (outOfRange != (r.ec == std::errc::result_out_of_range)) Fail("another range", text);
  if (!outOfRange && std::memcmp(&read->Value, &library, 10) != 0) Fail("other bits", text);
  return 0;
}
