// The "Выбор элементов" window: for the last complete calculation, each part,
// what it must withstand and the standard value to buy, with the buyer's
// choices (capacitance tolerance and series, diode voltage margin, the
// capacitor's voltage margin, ESR and life, the ambient, the core loss share,
// the fuse factor and the allowed surge) above the table. Non-modal; it follows every complete
// calculation.
#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/design_banner.h"
#include "design/calculate.h"
#include "design/ratings/part_ratings.h"

namespace tavro::app {

class SelectionWindow : public QWidget {
  Q_OBJECT

 public:
  SelectionWindow(const design::ratings::PartChoices& choices, char decimalSeparator,
                  QWidget* parent);

  // Rates the design for these mains and shows the table; with `simulated`,
  // the currents are rated on the larger of the method's and the simulation's.
  void Show(const design::Design& design, const design::ratings::SupplyConditions& mains,
            const std::optional<design::ratings::SimulatedFigures>& simulated = std::nullopt);

  const design::ratings::PartChoices& Choices() const { return choices_; }
  const QTableWidget& Table() const { return *table_; }
  // The design the table is of, and whether it is stale.
  DesignBanner& Banner() { return *banner_; }

 signals:
  void ChoicesChanged(const design::ratings::PartChoices& choices);

 private:
  void ReadChoices();
  // Rates the parts again, then shows them.
  void Refresh();
  // The table and the warnings of the parts as rated, in the language in use.
  void ShowRows();

  char separator_;
  design::ratings::PartChoices choices_;
  std::optional<design::Design> design_;
  design::ratings::SupplyConditions mains_;
  std::optional<design::ratings::SimulatedFigures> simulated_;
  // The parts as rated, or why they could not be.
  std::variant<design::ratings::PartRatings, std::string> rated_;
  QDoubleSpinBox* capacitorTolerance_;
  QComboBox* series_;
  QDoubleSpinBox* diodeMargin_;
  // The capacitor's, the losses' and the switch-on protection's choices, in
  // the order of kLossChoices (selection_window.cpp).
  std::vector<QDoubleSpinBox*> lossChoices_;
  QComboBox* diode_;  // "не выбран", then the library
  QTableWidget* table_;
  QLabel* warnings_;
  DesignBanner* banner_;
};

// The plausibility warnings of a design, one a line, in the language in use;
// empty when there are none.
QString WarningLines(const design::Design& design);

}  // namespace tavro::app
