#include "report/report_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "files/windows_api.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// The system calls the report file takes, in two halves: Windows, then POSIX.
#ifdef _WIN32

using FileStatus = struct _stat64;
using FileSize = long long;

bool IsFolder(const FileStatus& st) {
  return (st.st_mode & _S_IFMT) == _S_IFDIR;
}
bool IsRegular(const FileStatus& st) {
  return (st.st_mode & _S_IFMT) == _S_IFREG;
}

// -1 with errno EILSEQ for a name that is not UTF-8.
int StatPath(const std::string& path, FileStatus& st) {
  const auto wide = files::WideText(path);
  if (!wide) {
    errno = EILSEQ;
    return -1;
  }
  return ::_wstat64(wide->c_str(), &st);
}

int StatOpen(int fd, FileStatus& st) {
  return ::_fstat64(fd, &st);
}

// Opens `path` for appending, creating it (and no other) if `create`.
int OpenAppend(const std::string& path, bool create) {
  const auto wide = files::WideText(path);
  if (!wide) {
    errno = EILSEQ;
    return -1;
  }
  constexpr int kFlags = _O_WRONLY | _O_APPEND | _O_BINARY | _O_NOINHERIT;
  return create ? ::_wopen(wide->c_str(), kFlags | _O_CREAT | _O_EXCL, _S_IREAD | _S_IWRITE)
                : ::_wopen(wide->c_str(), kFlags);
}

// Windows opens no file without blocking: nothing to undo.
int MakeBlocking(int) {
  return 0;
}

int SyncFile(int fd) {
  return ::_commit(fd);
}

int CloseFile(int fd) {
  return ::_close(fd);
}

void RemoveFile(const std::string& path) {
  if (const auto wide = files::WideText(path)) ::_wunlink(wide->c_str());
}

int CutOpenFile(int fd, FileSize size) {
  return ::_chsize_s(fd, size) == 0 ? 0 : -1;
}

int CutFile(const std::string& path, FileSize size) {
  const auto wide = files::WideText(path);
  if (!wide) return -1;
  const int fd = ::_wopen(wide->c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
  if (fd < 0) return -1;
  const int cut = CutOpenFile(fd, size);
  ::_close(fd);
  return cut;
}

#else  // POSIX

using FileStatus = struct stat;
using FileSize = off_t;

bool IsFolder(const FileStatus& st) {
  return S_ISDIR(st.st_mode);
}
bool IsRegular(const FileStatus& st) {
  return S_ISREG(st.st_mode);
}

int StatPath(const std::string& path, FileStatus& st) {
  return ::stat(path.c_str(), &st);
}

int StatOpen(int fd, FileStatus& st) {
  return ::fstat(fd, &st);
}

// Opens `path` for appending, creating it (and no other) if `create`.
// O_NONBLOCK keeps a FIFO without a reader from hanging the window.
int OpenAppend(const std::string& path, bool create) {
  constexpr int kFlags = O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK;
  return create ? ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666)
                : ::open(path.c_str(), kFlags);
}

// Writes to the open regular file wait as usual again.
int MakeBlocking(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  return flags < 0 ? -1 : ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

int SyncFile(int fd) {
  return ::fsync(fd);
}

int CloseFile(int fd) {
  return ::close(fd);
}

void RemoveFile(const std::string& path) {
  ::unlink(path.c_str());
}

int CutOpenFile(int fd, FileSize size) {
  return ::ftruncate(fd, size);
}

int CutFile(const std::string& path, FileSize size) {
  return ::truncate(path.c_str(), size);
}

#endif  // POSIX

// An open report file and how to put it back.
class AppendTarget {
 public:
  explicit AppendTarget(const std::string& path) : path_(path) {
    // Only a regular file takes a report: a device or a FIFO is refused
    // before it is opened (opening one may act on it), and once more after,
    // should it have been swapped in between.
    if (FileStatus before{}; StatPath(path, before) == 0) Refuse(before);
    for (int attempt = 0; attempt < 2 && fd_ < 0; ++attempt) {
      fd_ = OpenAppend(path, false);
      if (fd_ >= 0 || errno != ENOENT) break;
      // Not there: create it, and know that this save did.
      fd_ = OpenAppend(path, true);
      created_ = fd_ >= 0;
      if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) throw ReportWriteError(path_, errno);
    FileStatus st{};
    if (StatOpen(fd_, st) != 0) Fail(errno);
    if (!IsRegular(st)) {
      CloseFile(fd_);
      fd_ = -1;
      Refuse(st);
    }
    regular_ = true;
    originalSize_ = st.st_size;
    if (MakeBlocking(fd_) != 0) Fail(errno);
  }

  ~AppendTarget() {
    if (fd_ >= 0) CloseFile(fd_);
  }

  AppendTarget(const AppendTarget&) = delete;
  AppendTarget& operator=(const AppendTarget&) = delete;

  void Write(const std::string& bytes) {
    if (const auto error = files::WriteAll(fd_, bytes)) Fail(error->Errno);
  }

  void Finish() {
    if (regular_ && SyncFile(fd_) != 0) Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (CloseFile(fd) != 0) Fail(errno);
  }

  // Throws for anything but a regular file.
  void Refuse(const FileStatus& st) const {
    if (IsFolder(st)) throw ReportWriteError(path_, EISDIR);
    if (!IsRegular(st)) {
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
      // Closed first: Windows removes no file that is open.
      if (fd_ >= 0) CloseFile(fd_);
      fd_ = -1;
      RemoveFile(path_);
    } else if (regular_) {
      // Best effort: the error reported is the one that made the save fail.
      const int cut = fd_ >= 0 ? CutOpenFile(fd_, originalSize_) : CutFile(path_, originalSize_);
      static_cast<void>(cut);
    }
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool created_ = false;
  bool regular_ = false;
  FileSize originalSize_ = 0;
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
