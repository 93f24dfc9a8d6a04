// Where a plot window opens: beside the main window, never over it, when the
// screen has room; the main window moves to the screen's edge when that
// makes the room.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavro::app {

struct Placement {
  QPoint MainTopLeft;  // the main window's frame, unchanged unless it must move
  QRect Window;        // the plot window's frame
};

// `main` and the result are frame rectangles; `wanted` and `least` the plot
// window's preferred and smallest frame sizes; `index` counts the plot
// windows, which stack downwards (or cascade where they do not fit).
Placement PlaceBeside(const QRect& main, const QRect& screen, QSize wanted, QSize least,
                      int index);

}  // namespace tavro::app
