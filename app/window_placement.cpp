#include "app/window_placement.h"

#include <algorithm>
#include <tuple>

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

  // Where the windows go in a room: one under the other or side by side,
  // whichever stays nearer the wanted size, level with the main window
  // where the screen allows; lined up at the room's left edge or its right.
  struct Fit {
    double Nearness = -1.0;
    QRect Window;
  };
  const auto arrange = [&](const QRect& room, bool fromLeft, int mainTop) {
    const QSize stacked(std::min(wanted.width(), room.width()),
                        std::min(wanted.height(), (room.height() - (count - 1) * kGap) / count));
    const QSize row(std::min(wanted.width(), (room.width() - (count - 1) * kGap) / count),
                    std::min(wanted.height(), room.height()));
    const double byStack = Nearness(stacked, wanted, least);
    const double byRow = Nearness(row, wanted, least);
    const auto top = [&](int height) {
      return std::clamp(mainTop, screen.top(), screen.bottom() + 1 - height);
    };
    const auto leftEdge = [&](int width) {
      return fromLeft ? room.left() : room.right() + 1 - width;
    };
    if (byStack >= 0.0 && byStack >= byRow) {
      const int all = count * stacked.height() + (count - 1) * kGap;
      return Fit{byStack, QRect(QPoint(leftEdge(stacked.width()),
                                       top(all) + index * (stacked.height() + kGap)),
                                stacked)};
    }
    if (byRow >= 0.0) {
      const int all = count * row.width() + (count - 1) * kGap;
      return Fit{
          byRow,
          QRect(QPoint(leftEdge(all) + index * (row.width() + kGap), top(row.height())), row)};
    }
    return Fit{};
  };

  // The rooms beside the main window: right of it, left of it, and right of
  // it once it moves to the screen's left edge; the nearest fit wins, the
  // main window staying where it is on a tie.
  Placement p{main.topLeft(), {}};
  double best = -1.0;
  const QRect right(QPoint(main.right() + 1 + kGap, screen.top()), screen.bottomRight());
  const QRect left(screen.topLeft(), QPoint(main.left() - 1 - kGap, screen.bottom()));
  const QRect moved(QPoint(screen.left() + main.width() + kGap, screen.top()),
                    screen.bottomRight());
  for (const auto& [room, fromLeft, move] :
       {std::tuple{right, true, false}, std::tuple{left, false, false},
        std::tuple{moved, true, true}}) {
    if (room.width() < least.width()) continue;
    const Fit fit = arrange(room, fromLeft, main.top());
    if (fit.Nearness > best) {
      best = fit.Nearness;
      p.Window = fit.Window;
      p.MainTopLeft = move ? QPoint(screen.left(), main.top()) : main.topLeft();
    }
  }
  if (best >= 0.0) return p;

  // No room beside: over the main window, at the screen's right edge.
  p.MainTopLeft = main.topLeft();
  if (const Fit fit = arrange(screen, false, main.top()); fit.Nearness >= 0.0) {
    p.Window = fit.Window;
    return p;
  }
  // No arrangement holds them: each as large as the screen allows, cascading.
  const QSize size = wanted;
  const int x = std::clamp(screen.right() + 1 - size.width() + index * kCascade, screen.left(),
                           screen.right() + 1 - size.width());
  const int y =
      std::clamp(main.top() + index * kCascade, screen.top(), screen.bottom() + 1 - size.height());
  p.Window = QRect(QPoint(x, y), size);
  return p;
}

}  // namespace tavro::app
