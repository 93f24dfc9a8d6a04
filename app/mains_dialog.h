// The "Сеть" dialog: nominal mains voltage, frequency and tolerance, with
// the common mains as presets. A value out of range is named and the dialog
// stays open; nothing typed is cut short. The window opens it through an
// injectable runner, so tests never block.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <functional>
#include <optional>

#include "design/ratings/supply_conditions.h"

namespace tavro::app {

class MainsDialog : public QDialog {
  Q_OBJECT

 public:
  MainsDialog(const design::ratings::SupplyConditions& current, char decimalSeparator,
              QWidget* parent);
  design::ratings::SupplyConditions Chosen() const;

  // OK: closes the dialog when every value is in its range, else names the
  // first that is not.
  void accept() override;

 private:
  void ShowPreset();

  QComboBox* preset_;
  QLabel* problem_;
  QDoubleSpinBox* voltage_;
  QDoubleSpinBox* frequency_;
  QDoubleSpinBox* tolerance_;
  design::ratings::SupplyConditions original_;
};

// Shows the dialog; the new mains, or nothing when it was cancelled.
using MainsDialogRunner = std::function<std::optional<design::ratings::SupplyConditions>(
    QWidget* parent, const design::ratings::SupplyConditions& current)>;

MainsDialogRunner ModalMainsDialog(char decimalSeparator);

}  // namespace tavro::app
