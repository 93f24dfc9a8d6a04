// Whole files on disk for every subsystem that keeps one: reading a file
// only when it is a regular file no larger than a limit (a folder, a FIFO or
// a device is refused without blocking or reading it), replacing a file all
// at once (a temporary file beside it, synced, renamed over it, so the old
// file is kept whole until the new one is complete), and checking a target
// before anything is written to it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// windows.h, where a file included it first, names ReplaceFileW so.
#undef ReplaceFile

namespace tavro::files {

enum class FileFault {
  System,      // the system refused: Errno says why
  NotRegular,  // a FIFO, a device or a socket: not a file to read or replace
  TooLarge,    // more bytes than the reader takes
};

struct FileError {
  FileFault Fault = FileFault::System;
  int Errno = 0;  // with FileFault::System
};

using FileReading = std::variant<std::string, FileError>;

// The bytes of the regular file `path`, at most `limit` of them; a folder is
// refused with EISDIR, any other kind of file as NotRegular, a longer file as
// TooLarge (at most limit + 1 bytes are read, so a growing file is caught).
FileReading ReadRegularFile(const std::string& path, std::size_t limit);

// Replaces `path` with `bytes`, or leaves it as it was. A symbolic link is
// followed: the file it leads to is replaced and the link stays. An existing
// file keeps its permission bits (and, where the system allows, its owner); a
// new one gets 0666 less the umask. An existing target that is not a regular
// file, or that the user may not write, is refused. The new file is synced
// before the rename, the folder after it.
std::optional<FileError> ReplaceFile(const std::string& path, std::string_view bytes);

enum class TargetUse { Replace, Append };

// Whether `path` can take a whole new file (Replace) or more bytes at its end
// (Append), checked before anything is written: an existing target must be a
// regular file (links followed) the user may write; a replaced file's folder,
// or a new file's, must take new files. Writes nothing.
std::optional<FileError> CheckTarget(const std::string& path, TargetUse use);

// Writes every byte of `bytes` to the open file `fd`, retrying after a
// signal; a write that takes nothing is EIO, so the loop always ends.
std::optional<FileError> WriteAll(int fd, std::string_view bytes);

// The system's reason (strerror) for a System fault; empty for the others,
// which each front end words in its own texts.
std::string SystemReason(const FileError& error);

}  // namespace tavro::files
