// The program's texts are UTF-8 string views; Qt wants QString.
#pragma once

#include <QString>
#include <string_view>

namespace tavro::app {

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tavro::app
