#include "report/cp1251.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tavro::report {
namespace {

// The characters of Windows-1251's upper half, bytes 0x80 to 0xFF; 0 for the
// one byte the code page leaves undefined (0x98).
constexpr std::array<std::uint16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

// Bytes of the UTF-8 sequence that starts with `lead`; 1 for a stray byte.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

struct Decoded {
  char32_t Character;
  std::size_t Length;
};

// The character whose well-formed UTF-8 starts at text[i]: no overlong form,
// no surrogate, nothing beyond U+10FFFF, no sequence cut short.
std::optional<Decoded> Decode(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return Decoded{lead, 1};
  std::size_t length = 0;
  char32_t c = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07u;
  } else {
    return std::nullopt;
  }
  if (length > text.size() - i) return std::nullopt;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3Fu);
  }
  if ((length == 3 && c < 0x800) || (c >= 0xD800 && c <= 0xDFFF) ||
      (length == 4 && (c < 0x10000 || c > 0x10FFFF))) {
    return std::nullopt;
  }
  return Decoded{c, length};
}

std::optional<char> ByteOf(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] != 0 && kUpperHalf[i] == c) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace

std::string EncodeCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    if (const auto decoded = Decode(utf8, i)) {
      if (const auto byte = ByteOf(decoded->Character)) {
        out += *byte;
        i += decoded->Length;
        continue;
      }
    }
    // A character Windows-1251 lacks, or broken UTF-8: one "?" for the
    // sequence its first byte announces, as far as its continuation bytes go.
    out += '?';
    std::size_t skip = SequenceLength(static_cast<unsigned char>(utf8[i]));
    if (skip > utf8.size() - i) skip = utf8.size() - i;
    for (std::size_t k = 1; k < skip; ++k) {
      if ((static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) {
        skip = k;
        break;
      }
    }
    i += skip;
  }
  return out;
}

}  // namespace tavro::report
