// Marks the shown results as out of date from the first edit of an input
// after a complete calculation until the next complete one: the result and
// nomogram fields turn grey and the status line says why. Their texts stay.
#pragma once

#include <QLabel>
#include <QObject>
#include <QStatusBar>

#include "app/form_layout.h"

namespace tavro::app {

class StaleResults : public QObject {
  Q_OBJECT

 public:
  StaleResults(const FormControls& controls, QStatusBar& status);

  // After a press of "Расчёт": a complete calculation makes the results
  // current; any other outcome leaves the marking as it is.
  void Pressed(bool complete);
  bool Stale() const { return stale_; }
  QString Note() const { return note_->text(); }

 signals:
  // The marking was set or cleared (the secondary windows follow it).
  void Changed(bool stale);

 private:
  void InputEdited();
  void Show(bool stale);

  const FormControls& controls_;
  QLabel* note_;
  bool shown_ = false;  // a complete calculation is on screen
  bool stale_ = false;
};

}  // namespace tavro::app
