#include "app/window_placement.h"

#include <algorithm>

namespace tavro::app {

Placement PlaceBeside(const QRect& main, const QRect& screen, QSize wanted, QSize least,
                      int index) {
  constexpr int kGap = 8, kCascade = 40;
  Placement p{main.topLeft(), {}};
  const int right = screen.right() - main.right() - kGap;
  const int left = main.left() - screen.left() - kGap;
  const int beside = screen.width() - main.width() - kGap;
  int width = std::min(wanted.width(), screen.width());
  int x = 0;
  if (right >= least.width()) {
    width = std::min(width, right);
    x = main.right() + 1 + kGap;
  } else if (left >= least.width()) {
    width = std::min(width, left);
    x = main.left() - kGap - width;
  } else if (beside >= least.width()) {
    p.MainTopLeft.setX(screen.left());
    width = std::min(width, beside);
    x = screen.left() + main.width() + kGap;
  } else {
    x = screen.right() + 1 - width;  // no room anywhere: at least its own edge
  }
  const int height = std::min(wanted.height(), screen.height());
  const int top = p.MainTopLeft.y();
  int y = top + index * (height + kGap);
  if (y + height - 1 > screen.bottom()) y = top + index * kCascade;
  y = std::max(screen.top(), std::min(y, screen.bottom() + 1 - height));
  p.Window = QRect(x, y, width, height);
  return p;
}

}  // namespace tavro::app
