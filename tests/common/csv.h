// Reads back one CSV record as tavro-cli --batch writes it (RFC 4180 quoting:
// a quoted field, a doubled quote inside it).
#pragma once

#include <string>
#include <vector>

namespace tavro::test {

inline std::vector<std::string> CsvFields(const std::string& record) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < record.size(); ++i) {
    const char c = record[i];
    if (quoted) {
      if (c == '"' && i + 1 < record.size() && record[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

}  // namespace tavro::test
