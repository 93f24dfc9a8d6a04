// The first line of every secondary window (parts, plots, simulation): the
// design its figures belong to, its six inputs as typed and the mains. While
// the main window's inputs have been edited since that design was calculated,
// the line adds the main window's own note and the figures below it are
// greyed; the next complete calculation names the new design and clears both.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "design/analysis.h"
#include "design/inputs.h"
#include "design/ratings/supply_conditions.h"

namespace tavro::app {

// A calculated design as the windows name it.
struct DesignName {
  design::InputTexts Inputs;  // as typed
  design::ratings::SupplyConditions Mains;
  char Separator = ',';
  // A transformer one has in place of the design (its check's inputs).
  std::optional<design::AnalysisInputs> Analysis = std::nullopt;
};

// "U₀ = 12 В, …, Uпр = 0,7 В,  сеть 220 В ±10 %, 50 Гц" in the language in use.
QString DesignLine(const DesignName& design);

class DesignBanner : public QLabel {
  Q_OBJECT

 public:
  // Put first in `window`'s layout; `figures` are greyed while stale. With
  // `alwaysShown` false the line shows only while stale (a window that
  // names its design elsewhere, as a plot's title does).
  DesignBanner(QWidget& window, std::vector<QWidget*> figures, bool alwaysShown = true);

  void Show(const DesignName& design, bool stale);
  void SetStale(bool stale);
  bool Stale() const { return stale_; }
  const std::optional<DesignName>& Design() const { return design_; }

 private:
  void ShowText();

  std::vector<QWidget*> figures_;
  bool alwaysShown_;
  std::optional<DesignName> design_;
  bool stale_ = false;
};

}  // namespace tavro::app
