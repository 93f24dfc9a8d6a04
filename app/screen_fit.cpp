#include "app/screen_fit.h"

#include <QLayout>
#include <QScrollArea>

namespace tavro::app {
namespace {

class ClientScrollArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override { return widget() != nullptr ? widget()->size() : QSize(); }
};

// The window frame's decorations; before the window manager has framed the
// window, a typical title bar and border.
QMargins FrameMargins(const QMainWindow& window) {
  const QRect frame = window.frameGeometry();
  const QRect inner = window.geometry();
  const QMargins m(inner.left() - frame.left(), inner.top() - frame.top(),
                   frame.right() - inner.right(), frame.bottom() - inner.bottom());
  if (m.top() > 0) return m;
  return {4, 32, 4, 4};
}

}  // namespace

void MakeClientScrollable(QMainWindow& window) {
  QWidget* client = window.takeCentralWidget();
  auto* scroll = new ClientScrollArea(&window);
  scroll->setObjectName("ClientScrollArea");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);
  scroll->setWidgetResizable(false);
  scroll->setWidget(client);
  window.setCentralWidget(scroll);
}

bool FitToScreen(QMainWindow& window, const QRect& available) {
  window.layout()->activate();
  const QSize full = window.layout()->totalSizeHint();
  const QMargins frame = FrameMargins(window);
  const QSize room(available.width() - frame.left() - frame.right(),
                   available.height() - frame.top() - frame.bottom());
  if (full.width() <= room.width() && full.height() <= room.height()) return false;

  window.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
  window.setMinimumSize(QSize(320, 240).boundedTo(room));
  window.setMaximumSize(full);
  const QSize size = full.boundedTo(room);
  window.resize(size);
  // The frame's top-left: centred where there is room, else at the area's edge.
  const int x = available.left() + std::max(0, (room.width() - size.width()) / 2);
  const int y = available.top() + std::max(0, (room.height() - size.height()) / 2);
  window.move(x, y);
  return true;
}

}  // namespace tavro::app
