#include "app/window_placement.h"

#include <algorithm>

namespace tavro::app {
namespace {

constexpr int kGap = 8, kCascade = 40;

// How near `size` stays to `wanted`: its smaller ratio, or -1 below `least`.
double Nearness(QSize size, QSize wanted, QSize least) {
  if (size.width() < least.width() || size.height() < least.height()) return -1.0;
  return std::min(static_cast<double>(size.width()) / wanted.width(),
                  static_cast<double>(size.height()) / wanted.height());
}

}  // namespace

Placement PlaceBeside(const QRect& main, const QRect& screen, QSize wanted, QSize least, int index,
                      int count) {
  count = std::max(1, count);
  index = std::clamp(index, 0, count - 1);
  wanted = wanted.boundedTo(screen.size()).expandedTo(QSize(1, 1));
  least = least.boundedTo(wanted);
  Placement p{main.topLeft(), {}};

  // The room: a column of the screen beside the main window (right, left,
  // or right once the main window moves to the left edge); the whole screen
  // when no side holds the least width. `fromLeft`: the windows line up at
  // the room's left edge, else at its right.
  const int right = screen.right() - main.right() - kGap;
  const int left = main.left() - screen.left() - kGap;
  const int beside = screen.width() - main.width() - kGap;
  QRect room = screen;
  bool fromLeft = false;
  if (right >= least.width()) {
    room.setLeft(main.right() + 1 + kGap);
    fromLeft = true;
  } else if (left >= least.width()) {
    room.setRight(main.left() - 1 - kGap);
  } else if (beside >= least.width()) {
    p.MainTopLeft.setX(screen.left());
    room.setLeft(screen.left() + main.width() + kGap);
    fromLeft = true;
  }

  // One under the other or side by side, whichever stays nearer the wanted
  // size; both start level with the main window where the screen allows.
  const QSize stacked(std::min(wanted.width(), room.width()),
                      std::min(wanted.height(), (room.height() - (count - 1) * kGap) / count));
  const QSize row(std::min(wanted.width(), (room.width() - (count - 1) * kGap) / count),
                  std::min(wanted.height(), room.height()));
  const double byStack = Nearness(stacked, wanted, least);
  const double byRow = Nearness(row, wanted, least);
  const auto top = [&](int height) {
    return std::clamp(p.MainTopLeft.y(), screen.top(), screen.bottom() + 1 - height);
  };
  const auto leftEdge = [&](int width) {
    return fromLeft ? room.left() : room.right() + 1 - width;
  };
  if (byStack >= 0.0 && byStack >= byRow) {
    const int all = count * stacked.height() + (count - 1) * kGap;
    p.Window = QRect(
        QPoint(leftEdge(stacked.width()), top(all) + index * (stacked.height() + kGap)), stacked);
  } else if (byRow >= 0.0) {
    const int all = count * row.width() + (count - 1) * kGap;
    p.Window = QRect(QPoint(leftEdge(all) + index * (row.width() + kGap), top(row.height())), row);
  } else {
    // No arrangement holds them: each at its least size, cascading.
    const QSize size = least
                           .expandedTo(QSize(std::min(wanted.width(), room.width()),
                                             std::min(wanted.height(), room.height())))
                           .boundedTo(screen.size());
    const int x = std::clamp(leftEdge(size.width()) + index * kCascade, screen.left(),
                             screen.right() + 1 - size.width());
    const int y = std::clamp(top(size.height()) + index * kCascade, screen.top(),
                             screen.bottom() + 1 - size.height());
    p.Window = QRect(QPoint(x, y), size);
  }
  return p;
}

}  // namespace tavro::app
