#include "app/track_bar.h"

#include <QPainter>
#include <qdrawutil.h>
#include <QStyle>
#include <QStyleOptionSlider>

namespace tavro::app {

TrackBar::TrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

void TrackBar::setSelection(int start, int end) {
  selectionStart_ = start;
  selectionEnd_ = end;
  update();
}

void TrackBar::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QStyleOptionSlider option;
  initStyleOption(&option);

  // Ticks from the style; the channel is drawn here as a plain sunken bar
  // (styles that fill the channel up to the thumb would hide the selection).
  option.subControls = QStyle::SC_SliderTickmarks;
  style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);

  const QRect groove =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
  const QRect handle =
      style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  const QRect channel(groove.left(), groove.center().y() - 2, groove.width(), 5);
  qDrawShadePanel(&painter, channel, palette(), true, 1, &palette().brush(QPalette::Base));

  if (selectionEnd_ > selectionStart_) {
    const int span = groove.width() - handle.width();
    const auto xAt = [&](int value) {
      return groove.left() + handle.width() / 2 +
             QStyle::sliderPositionFromValue(minimum(), maximum(), value, span);
    };
    const QRect band(QPoint(xAt(selectionStart_), channel.top() + 1),
                     QPoint(xAt(selectionEnd_), channel.bottom() - 1));
    const QColor colour = isEnabled() ? palette().color(QPalette::Highlight)
                                      : palette().color(QPalette::Disabled, QPalette::Dark);
    painter.fillRect(band, colour);
    // Small marks above the channel at both ends of the selection.
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    for (const int x : {band.left(), band.right()}) {
      painter.drawLine(x, channel.top() - 4, x, channel.top() - 1);
    }
  }

  option.subControls = QStyle::SC_SliderHandle;
  style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);

  // Reached by Tab: a focus frame round the bar, as the classic track bar has.
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

}  // namespace tavro::app
