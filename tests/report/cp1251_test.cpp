// The code page's own table against glibc's iconv, which the report used
// before: every byte of Windows-1251, every character below U+10000, and
// random bytes, broken UTF-8 included, give the same output both ways.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "report/cp1251.h"

#ifdef __GLIBC__
#include <iconv.h>

#include <cerrno>
#endif

namespace tavro::report {
namespace {

#ifdef __GLIBC__
// iconv from one code set to another; a character it cannot convert, or
// broken input, becomes "?" for as many bytes as its first byte announces,
// up to the first byte that cannot continue it.
std::string Iconv(const char* to, const char* from, const std::string& text) {
  const iconv_t cd = iconv_open(to, from);
  std::string out;
  std::string input(text);
  char* in = input.data();
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char buffer[256];
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    out += '?';
    const auto lead = static_cast<unsigned char>(*in);
    std::size_t skip = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    if (skip > inLeft) skip = inLeft;
    for (std::size_t i = 1; i < skip; ++i) {
      if ((static_cast<unsigned char>(in[i]) & 0xC0) != 0x80) {
        skip = i;
        break;
      }
    }
    in += skip;
    inLeft -= skip;
  }
  iconv_close(cd);
  return out;
}

std::string Utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

TEST(Cp1251Table, AgreesWithIconvForEveryByte) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    const std::string character = Iconv("UTF-8", "CP1251", one);
    if (character == "?" && byte != '?') {  // the code page's undefined byte
      EXPECT_EQ(byte, 0x98);
      continue;
    }
    EXPECT_EQ(EncodeCp1251(character), one) << byte;
  }
}

TEST(Cp1251Table, AgreesWithIconvForEveryCharacterAndRandomBytes) {
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;  // no UTF-8 form
    const std::string text = Utf8(c);
    ASSERT_EQ(EncodeCp1251(text), Iconv("CP1251", "UTF-8", text)) << static_cast<int>(c);
  }
  // Broken sequences: stray and overlong bytes, surrogates, values past
  // U+10FFFF, sequences cut short; mostly bytes of multi-byte forms.
  std::mt19937 random(1251);
  const unsigned char pool[] = {'a',  0x80, 0xBF, 0xC0, 0xC1, 0xC2, 0xD0, 0xDF, 0xE0, 0xED,
                                0xEF, 0xF0, 0xF4, 0xF5, 0xF8, 0xFF, 0x90, 0xA0, 0x9F, 0x00};
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    for (unsigned n = random() % 12; n > 0; --n) {
      text += static_cast<char>(random() % 4 == 0 ? random() % 256 : pool[random() % sizeof pool]);
    }
    ASSERT_EQ(EncodeCp1251(text), Iconv("CP1251", "UTF-8", text)) << i;
  }
}
#endif

}  // namespace
}  // namespace tavro::report
