// What the Windows halves of the platform files share: the program keeps
// its text (file names, messages) in UTF-8 while the Windows API takes
// UTF-16, and reports its failures as Win32 error codes where the rest of
// the program speaks errno. Included by Windows code only.
#pragma once

#ifdef _WIN32

#include <windows.h>

// windows.h's name for ReplaceFileW would rename files::ReplaceFile.
#undef ReplaceFile

#include <cerrno>
#include <climits>
#include <optional>
#include <string>
#include <string_view>

namespace tavro::files {

// `text` in UTF-16; nothing when it is not valid UTF-8.
inline std::optional<std::wstring> WideText(std::string_view text) {
  if (text.empty()) return std::wstring();
  if (text.size() > INT_MAX) return std::nullopt;
  const int size = static_cast<int>(text.size());
  const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), n);
  return wide;
}

// `text` in UTF-8 (an unpaired surrogate becomes U+FFFD).
inline std::string Utf8Text(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX) return std::string();
  const int size = static_cast<int>(text.size());
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string narrow(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), n, nullptr, nullptr);
  return narrow;
}

// The errno that stands for a Win32 error code, as the C library maps them.
inline int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_CURRENT_DIRECTORY:
      return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
      return EINVAL;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
      return EPIPE;
    case ERROR_BAD_EXE_FORMAT:
      return ENOEXEC;
    default:
      return EIO;
  }
}

// The system's own words for a Win32 error code, in UTF-8.
inline std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD n = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring_view message(text, text != nullptr ? n : 0);
  // Without the line break the system ends its messages with.
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.')) {
    message.remove_suffix(1);
  }
  std::string shown = Utf8Text(message);
  if (text != nullptr) ::LocalFree(text);
  return shown.empty() ? "error " + std::to_string(error) : shown;
}

}  // namespace tavro::files

#endif  // _WIN32
