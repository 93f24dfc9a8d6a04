#include "app/screen_fit.h"

#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tavro::app {
namespace {

class ClientScrollArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override { return widget() != nullptr ? widget()->size() : QSize(); }
};

class ContentScrollArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint();
  }
};

struct Frame {
  QMargins Margins;
  bool Known;  // false before the window manager has framed the window
};

// The window frame's decorations; before the window manager has framed the
// window, a typical title bar and border.
Frame FrameOf(const QMainWindow& window) {
  const QRect frame = window.frameGeometry();
  const QRect inner = window.geometry();
  const QMargins m(inner.left() - frame.left(), inner.top() - frame.top(),
                   frame.right() - inner.right(), frame.bottom() - inner.bottom());
  if (m.top() > 0) return {m, true};
  return {{4, 32, 4, 4}, false};
}

}  // namespace

QWidget* ScrolledContent(QWidget& window) {
  auto* outer = new QVBoxLayout(&window);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new ContentScrollArea(&window);
  scroll->setObjectName("ContentScrollArea");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* content = new QWidget;
  content->setObjectName("Content");
  scroll->setWidget(content);
  outer->addWidget(scroll);
  return content;
}

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
  const Frame f = FrameOf(window);
  const QMargins& frame = f.Margins;
  const QSize room(available.width() - frame.left() - frame.right(),
                   available.height() - frame.top() - frame.bottom());
  if (full.width() <= room.width() && full.height() <= room.height()) return false;

  // A dimension that is short gets a scroll bar, which takes room across the
  // other: that one grows by the bar, so it needs no bar of its own.
  QSize wanted = full;
  const auto* scroll = qobject_cast<const QScrollArea*>(window.centralWidget());
  const int bar = scroll != nullptr ? scroll->verticalScrollBar()->sizeHint().width() : 0;
  if (full.height() > room.height()) wanted.rwidth() += bar;
  if (full.width() > room.width()) wanted.rheight() += bar;
  if (wanted.width() > room.width() && full.width() <= room.width()) {
    wanted.rheight() += bar;  // the vertical bar pushed the width out too
  }

  window.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
  window.setMinimumSize(QSize(320, 240).boundedTo(room));
  window.setMaximumSize(wanted);
  const QSize size = wanted.boundedTo(room);
  window.resize(size);
  // The frame's top-left: centred where there is room, else at the area's
  // edge. An unframed window is placed by its client area, so the frame to
  // come is allowed for.
  int x = available.left() + std::max(0, (room.width() - size.width()) / 2);
  int y = available.top() + std::max(0, (room.height() - size.height()) / 2);
  if (!f.Known) {
    x += frame.left();
    y += frame.top();
  }
  window.move(x, y);
  return true;
}

void RefitToClient(QMainWindow& window, const QRect& available) {
  if (auto* scroll = qobject_cast<QScrollArea*>(window.centralWidget())) {
    if (scroll->widget() != nullptr) scroll->widget()->adjustSize();
    scroll->updateGeometry();
  }
  window.setMinimumSize(0, 0);
  window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  window.layout()->invalidate();
  window.layout()->activate();
  if (FitToScreen(window, available)) return;
  const QRect frame = window.frameGeometry();
  const int x =
      std::max(available.left(), std::min(frame.left(), available.right() - frame.width() + 1));
  const int y =
      std::max(available.top(), std::min(frame.top(), available.bottom() - frame.height() + 1));
  if (x != frame.left() || y != frame.top()) window.move(x, y);
}

}  // namespace tavro::app
