#include "report/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "design/design_file.h"
#include "files/whole_file.h"
#include "report/report_texts.h"

namespace tavro::report {

ReportWriteError::ReportWriteError(const std::string& path, int errorNumber)
    : ReportWriteError(path, files::FileError{files::FileFault::System, errorNumber}) {}

ReportWriteError::ReportWriteError(const std::string& path, const files::FileError& error)
    : std::runtime_error(std::string(texts::kWriteFailed) + " " + path + ": " +
                         design::DescribeFileFault(error)),
      path_(path),
      error_(error) {}

namespace {

// An open report file and how to put it back.
class AppendTarget {
 public:
  explicit AppendTarget(const std::string& path) : path_(path) {
    // Only a regular file takes a report: a device or a FIFO is refused
    // before it is opened (opening one may act on it), and once more after,
    // should it have been swapped in between.
    if (struct stat before {}; ::stat(path.c_str(), &before) == 0) Refuse(before);
    // O_NONBLOCK keeps a FIFO without a reader from hanging the window.
    constexpr int kFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK;
    for (int attempt = 0; attempt < 2 && fd_ < 0; ++attempt) {
      fd_ = ::open(path.c_str(), kFlags);
      if (fd_ >= 0 || errno != ENOENT) break;
      // Not there: create it, and know that this save did.
      fd_ = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
      created_ = fd_ >= 0;
      if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) throw ReportWriteError(path_, errno);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) Fail(errno);
    if (!S_ISREG(st.st_mode)) {
      ::close(fd_);
      fd_ = -1;
      Refuse(st);
    }
    regular_ = true;
    originalSize_ = st.st_size;
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) Fail(errno);
  }

  ~AppendTarget() {
    if (fd_ >= 0) ::close(fd_);
  }

  AppendTarget(const AppendTarget&) = delete;
  AppendTarget& operator=(const AppendTarget&) = delete;

  void Write(const std::string& bytes) {
    if (const auto error = files::WriteAll(fd_, bytes)) Fail(error->Errno);
  }

  void Finish() {
    if (regular_ && ::fsync(fd_) != 0) Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail(errno);
  }

  // Throws for anything but a regular file.
  void Refuse(const struct stat& st) const {
    if (S_ISDIR(st.st_mode)) throw ReportWriteError(path_, EISDIR);
    if (!S_ISREG(st.st_mode)) {
      throw ReportWriteError(path_, files::FileError{files::FileFault::NotRegular});
    }
  }

  // Puts the file back as it was and reports the error.
  [[noreturn]] void Fail(int errorNumber) {
    Restore();
    throw ReportWriteError(path_, errorNumber);
  }

  // Puts the file back as it was: removed if this save created it, else cut
  // back to its old length.
  void Restore() {
    if (created_) {
      ::unlink(path_.c_str());
    } else if (regular_) {
      // Best effort: the error reported is the one that made the save fail.
      const int cut = fd_ >= 0 ? ::ftruncate(fd_, originalSize_)
                               : ::truncate(path_.c_str(), originalSize_);
      static_cast<void>(cut);
    }
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool created_ = false;
  bool regular_ = false;
  off_t originalSize_ = 0;
};

}  // namespace

void AppendReport(const std::string& path, const std::function<std::string()>& compose) {
  AppendTarget target(path);
  std::string bytes;
  try {
    bytes = compose();
  } catch (...) {
    target.Restore();
    throw;
  }
  target.Write(bytes);
  target.Finish();
}

}  // namespace tavro::report
