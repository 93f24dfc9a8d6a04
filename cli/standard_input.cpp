#include "cli/standard_input.h"

#include <cerrno>
#include <system_error>

#include "files/standard_streams.h"

namespace tavro::cli {

DescriptorInput::int_type DescriptorInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  // A signal may interrupt a read any number of times in a row; so many
  // interruptions without a byte read is an error like any other.
  constexpr int kInterruptions = 1000;
  for (int attempt = 0; attempt < kInterruptions; ++attempt) {
    const std::ptrdiff_t n = files::ReadDescriptor(fd_, buffer_.data(), buffer_.size());
    if (n > 0) {
      setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
      return traits_type::to_int_type(buffer_[0]);
    }
    if (n == 0) return traits_type::eof();
    if (errno != EINTR) break;
  }
  throw std::system_error(errno, std::generic_category());
}

}  // namespace tavro::cli
