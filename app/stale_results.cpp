#include "app/stale_results.h"

#include "app/app_texts.h"
#include "app/interface_language.h"

namespace tavro::app {

StaleResults::StaleResults(const FormControls& c, QStatusBar& status)
    : QObject(&status), controls_(c), note_(new QLabel(&status)) {
  note_->setObjectName("StaleNote");
  status.addWidget(note_, 1);
  for (QLineEdit* edit : c.edits) {
    if (!edit->isReadOnly()) {
      connect(edit, &QLineEdit::textChanged, this, &StaleResults::InputEdited);
    }
  }
  connect(c.radioButton2, &QRadioButton::toggled, this, &StaleResults::InputEdited);
  Follow(*status.window(), note_,
         [this] { note_->setText(stale_ ? T(texts::kStaleNote) : QString()); });
}

void StaleResults::Pressed(bool complete) {
  if (!complete) return;
  shown_ = true;
  Show(false);
}

void StaleResults::InputEdited() {
  if (shown_ && !stale_) Show(true);
}

void StaleResults::Show(bool stale) {
  stale_ = stale;
  note_->setText(stale ? T(texts::kStaleNote) : QString());
  for (QLineEdit* edit : controls_.edits) {
    if (!edit->isReadOnly()) continue;
    QPalette palette = edit->palette();
    const QPalette normal = edit->parentWidget()->palette();
    palette.setColor(QPalette::Active, QPalette::Text,
                     stale ? normal.color(QPalette::Disabled, QPalette::Text)
                           : normal.color(QPalette::Active, QPalette::Text));
    palette.setColor(QPalette::Inactive, QPalette::Text,
                     stale ? normal.color(QPalette::Disabled, QPalette::Text)
                           : normal.color(QPalette::Inactive, QPalette::Text));
    edit->setPalette(palette);
    edit->setProperty("stale", stale);
  }
  emit Changed(stale);
}

}  // namespace tavro::app
