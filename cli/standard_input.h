// tavro-cli's standard input, read straight from its file descriptor so that
// a read error (standard input a directory, an I/O error) reaches the reader
// as an exception instead of looking like the end of the input.
#pragma once

#include <array>
#include <streambuf>

namespace tavro::cli {

class DescriptorInput : public std::streambuf {
 public:
  explicit DescriptorInput(int fd) : fd_(fd) {}

 protected:
  // Throws std::system_error when the descriptor cannot be read.
  int_type underflow() override;

 private:
  int fd_;
  std::array<char, 65536> buffer_{};
};

}  // namespace tavro::cli
