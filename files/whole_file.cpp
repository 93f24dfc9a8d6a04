// Whole files, the system calls in two halves: Windows first, then POSIX.
#include "files/whole_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include "files/windows_api.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

namespace tavro::files {
namespace {

// The rest of an opened file, closing it: at most `limit` bytes.
FileReading ReadOpened(int fd, std::size_t limit);

}  // namespace

#ifdef _WIN32

namespace {

// Names tried for the temporary file before giving up.
constexpr int kTempAttempts = 100;
// The most bytes one _write or _read takes.
constexpr std::size_t kChunk = std::size_t{1} << 30;

FileError System(int errorNumber) {
  return {FileFault::System, errorNumber};
}

bool IsFolder(const struct _stat64& st) {
  return (st.st_mode & _S_IFMT) == _S_IFDIR;
}
bool IsRegular(const struct _stat64& st) {
  return (st.st_mode & _S_IFMT) == _S_IFREG;
}

// A path in the system's UTF-16, and what is there. Windows programs meet
// no symbolic links in ordinary use; a path is taken as it is.
struct Target {
  std::wstring Path;
  bool Exists = false;
  struct _stat64 Status {};
};

std::variant<Target, FileError> Look(const std::string& path) {
  Target t;
  const auto wide = WideText(path);
  if (!wide || wide->empty()) return System(wide ? ENOENT : EILSEQ);
  t.Path = *wide;
  if (::_wstat64(t.Path.c_str(), &t.Status) != 0) {
    if (errno != ENOENT) return System(errno);
    t.Exists = false;
    return t;
  }
  t.Exists = true;
  return t;
}

// Where the name of the file begins in `path`: after its last separator or
// its drive.
std::size_t NameStart(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"/\\:");
  return separator == std::wstring::npos ? 0 : separator + 1;
}

// The folder that holds `path`.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t start = NameStart(path);
  if (start == 0) return L".";
  // "C:", "C:\" and "\" name folders as they are; "C:\a\" drops its last separator.
  const std::wstring folder = path.substr(0, start);
  if (folder.back() == L':' || start == 1 || (start == 3 && folder[1] == L':')) return folder;
  return folder.substr(0, start - 1);
}

// A temporary file beside `target`, created here and so ours to remove.
int CreateTemporary(const std::wstring& target, std::wstring& name) {
  static std::atomic<unsigned> counter{0};
  const std::size_t start = NameStart(target);
  for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
    name = target.substr(0, start) + L"." + target.substr(start) + L"." +
           std::to_wstring(::_getpid()) + L"." + std::to_wstring(counter++) + L".tmp";
    const int fd = ::_wopen(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                            _S_IREAD | _S_IWRITE);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// The system's read, write and close of a descriptor: a count, or −1 with
// errno set.
long ReadSome(int fd, char* p, std::size_t n) {
  return ::_read(fd, p, static_cast<unsigned>(std::min(n, kChunk)));
}
long WriteSome(int fd, const char* p, std::size_t n) {
  return ::_write(fd, p, static_cast<unsigned>(std::min(n, kChunk)));
}
void CloseFile(int fd) {
  ::_close(fd);
}

}  // namespace

FileReading ReadRegularFile(const std::string& path, std::size_t limit) {
  // A device or a pipe is refused before it is opened, and once more after,
  // should it have been swapped in between.
  const auto looked = Look(path);
  if (const auto* error = std::get_if<FileError>(&looked)) return *error;
  const Target& target = std::get<Target>(looked);
  if (!target.Exists) return System(ENOENT);
  if (IsFolder(target.Status)) return System(EISDIR);
  if (!IsRegular(target.Status)) return FileError{FileFault::NotRegular};
  const int fd = ::_wopen(target.Path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  if (fd < 0) return System(errno);
  struct _stat64 st {};
  if (::_fstat64(fd, &st) != 0) {
    const int reason = errno;
    ::_close(fd);
    return System(reason);
  }
  if (!IsRegular(st)) {
    ::_close(fd);
    return IsFolder(st) ? System(EISDIR) : FileError{FileFault::NotRegular};
  }
  return ReadOpened(fd, limit);
}

std::optional<FileError> ReplaceFile(const std::string& path, std::string_view bytes) {
  const auto looked = Look(path);
  if (const auto* error = std::get_if<FileError>(&looked)) return *error;
  const Target& target = std::get<Target>(looked);
  if (target.Exists && !IsRegular(target.Status)) {
    return IsFolder(target.Status) ? System(EISDIR) : FileError{FileFault::NotRegular};
  }
  // A file its owner made read-only is kept, though the folder would let a
  // new file take its place.
  if (target.Exists && ::_waccess(target.Path.c_str(), 2) != 0) return System(errno);
  std::wstring temporary;
  const int fd = CreateTemporary(target.Path, temporary);
  if (fd < 0) return System(errno);
  const auto fail = [&](int reason) {
    ::_close(fd);
    ::_wunlink(temporary.c_str());
    return System(reason);
  };
  if (auto error = WriteAll(fd, bytes)) return fail(error->Errno);
  // _commit: FlushFileBuffers, the new bytes on the disk before the rename.
  if (::_commit(fd) != 0) return fail(errno);
  if (::_close(fd) != 0) {
    const int reason = errno;
    ::_wunlink(temporary.c_str());
    return System(reason);
  }
  // The rename replaces the old file in one step, and returns once it is on
  // the disk.
  if (!::MoveFileExW(temporary.c_str(), target.Path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const int reason = ErrnoOf(::GetLastError());
    ::_wunlink(temporary.c_str());
    return System(reason);
  }
  return std::nullopt;
}

std::optional<FileError> CheckTarget(const std::string& path, TargetUse use) {
  const auto looked = Look(path);
  if (const auto* error = std::get_if<FileError>(&looked)) return *error;
  const Target& target = std::get<Target>(looked);
  if (target.Exists) {
    if (IsFolder(target.Status)) return System(EISDIR);
    if (!IsRegular(target.Status)) return FileError{FileFault::NotRegular};
    if (::_waccess(target.Path.c_str(), 2) != 0) return System(errno);
    if (use == TargetUse::Append) return std::nullopt;
  }
  // A new file, or the temporary file that replaces the old one, goes into
  // the folder: it must be one (whether the user may write there, the
  // folder's access list decides when the file is made).
  struct _stat64 folder {};
  if (::_wstat64(FolderOf(target.Path).c_str(), &folder) != 0) return System(errno);
  if (!IsFolder(folder)) return System(ENOTDIR);
  return std::nullopt;
}

#else  // POSIX

namespace {

// The kernel's own limit on links followed in one path.
constexpr int kMaxLinks = 40;
// Names tried for the temporary file before giving up.
constexpr int kTempAttempts = 100;

FileError System(int errorNumber) {
  return {FileFault::System, errorNumber};
}

// Where a path leads once every symbolic link at its end is followed, and
// what is there.
struct Target {
  std::string Path;
  bool Exists = false;
  struct stat Status {};
};

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::variant<Target, FileError> Follow(const std::string& path) {
  Target t;
  t.Path = path;
  for (int link = 0; link <= kMaxLinks; ++link) {
    if (::lstat(t.Path.c_str(), &t.Status) != 0) {
      if (errno != ENOENT) return System(errno);
      t.Exists = false;
      return t;
    }
    if (!S_ISLNK(t.Status.st_mode)) {
      t.Exists = true;
      return t;
    }
    std::string to(PATH_MAX, '\0');
    const ssize_t n = ::readlink(t.Path.c_str(), to.data(), to.size());
    if (n < 0) return System(errno);
    if (static_cast<std::size_t>(n) >= to.size()) return System(ENAMETOOLONG);
    to.resize(static_cast<std::size_t>(n));
    t.Path = to.starts_with('/') ? to : FolderOf(t.Path) + "/" + to;
  }
  return System(ELOOP);
}

// A temporary file beside `target`, created here and so ours to remove.
int CreateTemporary(const std::string& target, mode_t mode, std::string& name) {
  static std::atomic<unsigned> counter{0};
  const std::string folder = FolderOf(target);
  const std::string base =
      target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1);
  for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
    name = folder + "/." + base + "." + std::to_string(::getpid()) + "." +
           std::to_string(counter++) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Best effort: the file is in place; a folder that cannot be synced keeps it.
  static_cast<void>(::fsync(fd));
  ::close(fd);
}

long ReadSome(int fd, char* p, std::size_t n) {
  return ::read(fd, p, n);
}
long WriteSome(int fd, const char* p, std::size_t n) {
  return ::write(fd, p, n);
}
void CloseFile(int fd) {
  ::close(fd);
}

}  // namespace

FileReading ReadRegularFile(const std::string& path, std::size_t limit) {
  // O_NONBLOCK: opening a FIFO without a writer must not wait for one.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return System(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int reason = errno;
    ::close(fd);
    return System(reason);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return S_ISDIR(st.st_mode) ? System(EISDIR) : FileError{FileFault::NotRegular};
  }
  return ReadOpened(fd, limit);
}

std::optional<FileError> ReplaceFile(const std::string& path, std::string_view bytes) {
  const auto followed = Follow(path);
  if (const auto* error = std::get_if<FileError>(&followed)) return *error;
  const Target& target = std::get<Target>(followed);
  if (target.Exists && !S_ISREG(target.Status.st_mode)) {
    return S_ISDIR(target.Status.st_mode) ? System(EISDIR) : FileError{FileFault::NotRegular};
  }
  // A file its owner made read-only is kept, though the folder would let a
  // new file take its place.
  if (target.Exists && ::access(target.Path.c_str(), W_OK) != 0) return System(errno);
  std::string temporary;
  // A new file: 0666 less the umask, as any program's; an existing file's
  // mode is set once the temporary file is ours alone.
  const int fd = CreateTemporary(target.Path, target.Exists ? 0600 : 0666, temporary);
  if (fd < 0) return System(errno);
  const auto fail = [&](int reason) {
    if (fd >= 0) ::close(fd);
    ::unlink(temporary.c_str());
    return System(reason);
  };
  if (target.Exists) {
    // The owner only where the system lets us (root); the mode after it,
    // as a change of owner clears the set-user-ID bits.
    if (::fchown(fd, target.Status.st_uid, target.Status.st_gid) != 0) {
      // Not permitted to anyone but root: the new file is the writer's.
    }
    if (::fchmod(fd, target.Status.st_mode & 07777) != 0) return fail(errno);
  }
  if (auto error = WriteAll(fd, bytes)) return fail(error->Errno);
  if (::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    const int reason = errno;
    ::unlink(temporary.c_str());
    return System(reason);
  }
  if (::rename(temporary.c_str(), target.Path.c_str()) != 0) {
    const int reason = errno;
    ::unlink(temporary.c_str());
    return System(reason);
  }
  SyncFolder(FolderOf(target.Path));
  return std::nullopt;
}

std::optional<FileError> CheckTarget(const std::string& path, TargetUse use) {
  const auto followed = Follow(path);
  if (const auto* error = std::get_if<FileError>(&followed)) return *error;
  const Target& target = std::get<Target>(followed);
  if (target.Exists) {
    if (S_ISDIR(target.Status.st_mode)) return System(EISDIR);
    if (!S_ISREG(target.Status.st_mode)) return FileError{FileFault::NotRegular};
    if (::access(target.Path.c_str(), W_OK) != 0) return System(errno);
    if (use == TargetUse::Append) return std::nullopt;
  }
  // A new file, or the temporary file that replaces the old one, goes into
  // the folder.
  if (::access(FolderOf(target.Path).c_str(), W_OK | X_OK) != 0) return System(errno);
  return std::nullopt;
}

#endif  // POSIX

std::optional<FileError> WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  // Each pass writes at least one byte or ends.
  while (left > 0) {
    const long n = WriteSome(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return System(errno);
    }
    if (n == 0) return System(EIO);
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return std::nullopt;
}

namespace {

FileReading ReadOpened(int fd, std::size_t limit) {
  std::string bytes(limit + 1, '\0');
  std::size_t got = 0;
  // Each pass reads at least one byte or ends; at most limit + 1 bytes.
  while (got < bytes.size()) {
    const long n = ReadSome(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int reason = errno;
      CloseFile(fd);
      return System(reason);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  CloseFile(fd);
  if (got > limit) return FileError{FileFault::TooLarge};
  bytes.resize(got);
  return bytes;
}

}  // namespace

std::string SystemReason(const FileError& error) {
  return error.Fault == FileFault::System ? std::strerror(error.Errno) : std::string();
}

}  // namespace tavro::files
