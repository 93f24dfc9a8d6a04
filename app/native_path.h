// File names handed between the window (QString) and the files layer
// (std::string): on Linux the bytes the system's calls take, in the locale's
// encoding as Qt has it; on Windows UTF-8, which that layer widens to the
// UTF-16 of the Windows API.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace tavro::app {

inline std::string NativePath(const QString& path) {
#ifdef _WIN32
  return path.toStdString();
#else
  return QFile::encodeName(path).toStdString();
#endif
}

inline QString FromNativePath(const std::string& path) {
#ifdef _WIN32
  return QString::fromStdString(path);
#else
  return QFile::decodeName(path.c_str());
#endif
}

}  // namespace tavro::app
