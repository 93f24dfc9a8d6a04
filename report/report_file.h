// Appending a report to the file the user named, all or nothing.
//
// The whole report is composed in memory and appended in one write. If the
// file cannot be opened or created, or writing, flushing or closing fails,
// the file is put back as it was (cut back to its old length, or removed if
// this save created it) and ReportWriteError says why. So the file either is
// exactly as before or ends with the complete new report; what it held
// before is never lost. A target that is not a regular file (a folder, a
// FIFO, a device) is refused untouched, a FIFO without waiting on it.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "files/whole_file.h"

namespace tavro::report {

class ReportWriteError : public std::runtime_error {
 public:
  ReportWriteError(const std::string& path, int errorNumber);
  ReportWriteError(const std::string& path, const files::FileError& error);
  // The system's error number; 0 when the target is no regular file.
  int ErrorNumber() const { return error_.Errno; }
  const files::FileError& Error() const { return error_; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  files::FileError error_;
};

// Opens `path` for appending (creating it if it does not exist; an existing
// file is never truncated), then calls `compose` (the report's date is read
// once the file is open) and appends the bytes it returns.
void AppendReport(const std::string& path, const std::function<std::string()>& compose);

}  // namespace tavro::report
