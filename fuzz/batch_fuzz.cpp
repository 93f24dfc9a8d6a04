// Fuzzes tavro-cli --batch --ratings with arbitrary standard input: every
// design line must come out as one row with as many fields as the header, in
// input order, holding either all its results (finite numbers) or a message,
// never both and never neither. The columns are found by their names in the
// header, so a column added to the batch does not break the target.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "common/csv.h"

namespace {

[[noreturn]] void Broken(const char* what, const std::string& row) {
  std::fprintf(stderr, "%s: %s\n", what, row.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  const tavro::cli::RatingsRequest ratings{};
  const tavro::cli::BatchSummary summary = tavro::cli::RunBatch(in, out, 1, nullptr, &ratings);

  std::istringstream rows(out.str());
  std::string row;
  if (!std::getline(rows, row) || row != tavro::cli::BatchHeader(true)) Broken("header", row);
  const std::vector<std::string> names = tavro::test::CsvFields(row);
  const auto column = [&](const char* name) {
    const auto at = std::find(names.begin(), names.end(), name);
    if (at == names.end()) Broken("no column", name);
    return static_cast<std::size_t>(at - names.begin());
  };
  const std::size_t firstResult = column("Phi");
  const std::size_t messageColumn = column("message");
  long previous = 0;
  long count = 0;
  long withMessage = 0;
  while (std::getline(rows, row)) {
    ++count;
    const std::vector<std::string> fields = tavro::test::CsvFields(row);
    if (fields.size() != names.size()) Broken("not as many fields as the header", row);
    const long line = std::stol(fields[0]);
    if (line <= previous) Broken("out of order", row);
    previous = line;
    const bool message = !fields[messageColumn].empty();
    withMessage += message ? 1 : 0;
    for (std::size_t c = firstResult; c < messageColumn; ++c) {
      if (message != fields[c].empty()) Broken("results and message mixed", row);
      if (message) continue;
      long double value = 0;
      const auto r = std::from_chars(fields[c].data(), fields[c].data() + fields[c].size(), value);
      if (r.ptr != fields[c].data() + fields[c].size() || !std::isfinite(value)) {
        Broken("not a finite number", row);
      }
    }
  }
  if (count != summary.Designs || withMessage != summary.WithMessage) Broken("summary", "");
  return 0;
}
