#include "app/display_check.h"

#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>

namespace tavro::app {

#ifdef _WIN32

// The desktop is always there on Windows, which has no DISPLAY to consult.
bool DisplayAvailable() { return true; }

#else  // POSIX

bool DisplayAvailable() {
  // An explicit platform (offscreen, vnc, ...) or a Wayland session is trusted.
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
    return true;
  }
  const QByteArray display = qgetenv("DISPLAY");
  if (display.isEmpty()) return false;
  if (!display.startsWith(':')) return true;  // a remote display: let the toolkit try
  // A local display ":N" or ":N.S" listens on /tmp/.X11-unix/XN.
  QByteArray number = display.mid(1);
  const int dot = number.indexOf('.');
  if (dot >= 0) number.truncate(dot);
  return QFileInfo::exists(QString::fromLatin1("/tmp/.X11-unix/X") + QString::fromLatin1(number));
}

#endif  // POSIX

}  // namespace tavro::app
