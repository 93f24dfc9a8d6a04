// Where a secondary window opens: beside the main window, never over it,
// when the screen has room; the main window moves to the screen's edge when
// that makes the room. Windows that share the room (the two plots) take
// their own slots in it, one under the other or side by side, whichever
// keeps them nearer their wanted size; only where neither arrangement holds
// their least size do they overlap.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tavro::app {

struct Placement {
  QPoint MainTopLeft;  // the main window's frame, unchanged unless it must move
  QRect Window;        // the window's frame
};

// `main`, `screen` (its work area) and the result are frame rectangles;
// `wanted` and `least` the window's preferred and smallest frame sizes;
// `index` is the window's slot among the `count` windows sharing the room.
Placement PlaceBeside(const QRect& main, const QRect& screen, QSize wanted, QSize least, int index,
                      int count = 1);

}  // namespace tavro::app
