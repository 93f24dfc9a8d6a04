// The load-characteristic slider: a horizontal slider with ticks below that
// also draws a selection range in its channel (20 to 24, the rated load and
// above), as the classic Windows track bar does.
#pragma once

#include <QSlider>

namespace tavro::app {

class TrackBar : public QSlider {
  Q_OBJECT

 public:
  explicit TrackBar(QWidget* parent = nullptr);

  void setSelection(int start, int end);
  int selectionStart() const { return selectionStart_; }
  int selectionEnd() const { return selectionEnd_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int selectionStart_ = 0;
  int selectionEnd_ = 0;
};

}  // namespace tavro::app
