// Appending a report to the file the user named, all or nothing.
//
// The whole report is composed in memory and appended in one write. If the
// file cannot be opened or created, or writing, flushing or closing fails,
// the file is put back as it was (cut back to its old length, or removed if
// this save created it) and ReportWriteError says why. So the file either is
// exactly as before or ends with the complete new report; what it held
// before is never lost.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace tavro::report {

class ReportWriteError : public std::runtime_error {
 public:
  ReportWriteError(const std::string& path, int errorNumber);
  int ErrorNumber() const { return errorNumber_; }

 private:
  int errorNumber_;
};

// Opens `path` for appending (creating it if it does not exist; an existing
// file is never truncated), then calls `compose` (the report's date is read
// once the file is open) and appends the bytes it returns.
void AppendReport(const std::string& path, const std::function<std::string()>& compose);

}  // namespace tavro::report
