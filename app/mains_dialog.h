// The "Сеть" dialog: nominal mains voltage, frequency and tolerance. The
// window opens it through an injectable runner, so tests never block.
#pragma once

#include <QDialog>
#include <QDoubleSpinBox>
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

 private:
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
