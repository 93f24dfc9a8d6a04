#include "report/cp1251.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tavro::report {
namespace {

// Bytes of the UTF-8 sequence that starts with `lead`; 1 for a stray byte.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

class Converter {
 public:
  Converter() : cd_(iconv_open("CP1251", "UTF-8")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP1251 converter");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  iconv_t Get() const { return cd_; }

 private:
  iconv_t cd_;
};

}  // namespace

std::string EncodeCp1251(std::string_view utf8) {
  Converter converter;
  std::string out;
  out.reserve(utf8.size());
  std::string input(utf8);
  char* in = input.data();
  std::size_t inLeft = input.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = iconv(converter.Get(), &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (done != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: a character Windows-1251 lacks, or broken UTF-8.
    out += '?';
    std::size_t skip = SequenceLength(static_cast<unsigned char>(*in));
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
  return out;
}

}  // namespace tavro::report
