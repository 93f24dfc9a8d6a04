// The report's code page: UTF-8 text to Windows-1251 bytes.
#pragma once

#include <string>
#include <string_view>

namespace tavro::report {

// Each character without a Windows-1251 byte (and each byte that is not valid
// UTF-8) becomes "?"; nothing else is lost or added.
std::string EncodeCp1251(std::string_view utf8);

}  // namespace tavro::report
