// The check of a transformer one has, the main window's second mode: its
// inputs (the nameplate, the ohmmeter or the regulation, the leakage or a
// short-circuit test, the capacitor fitted, the load), and the engine's
// results (design/transformer/transformer_check.h) as a table of figures and
// the load characteristic. AnalysisMode switches the window between the
// design and this panel; the design's own controls stay as they are.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <array>
#include <functional>
#include <optional>

#include "design/analysis.h"
#include "design/design_file.h"
#include "design/ratings/supply_conditions.h"

namespace tavro::app {

enum class AnalysisField {
  Voltage,
  Current,
  Power,
  PrimaryResistance,
  SecondaryResistance,
  Regulation,
  Leakage,
  ShortCircuitVoltage,
  ShortCircuitCurrent,
  Capacitance,
  LoadCurrent,
  DiodeDrop,
  Flux,
};
inline constexpr int kAnalysisFields = 13;

class AnalysisPanel : public QWidget {
  Q_OBJECT

 public:
  using MainsOf = std::function<design::ratings::SupplyConditions()>;
  AnalysisPanel(QWidget& window, char separator, MainsOf mains);

  QLineEdit* Entry(AnalysisField field) const { return edits_[static_cast<int>(field)]; }
  QCheckBox* NoLoad() const { return noLoad_; }
  QComboBox* Kind() const { return kind_; }
  QComboBox* Limbs() const { return limbs_; }
  QPushButton* CheckButton() const { return check_; }
  // Figures: caption, value, and where the figure came from.
  QTableWidget* Results() const { return results_; }
  QTableWidget* LoadCharacteristic() const { return load_; }
  // The refused entry after a check that failed, empty after one that worked.
  QString ErrorLine() const { return error_->text(); }

  // The entries as typed (Active left false), and putting a file's in.
  design::AnalysisTexts Texts() const;
  void SetTexts(const design::AnalysisTexts& texts);
  // The entries of a panel nobody has typed in.
  design::AnalysisTexts Blank() const;

  // Reads the entries and shows the engine's results, or names the entry
  // that cannot be used and clears the results.
  void Check();
  // The analysis the results show and the mains it was made at; none while
  // they show nothing.
  const std::optional<design::AnalysisInputs>& CheckedInputs() const { return checkedInputs_; }
  const design::ratings::SupplyConditions& CheckedMains() const { return checkedMains_; }

 signals:
  void Edited();
  void Checked();  // a check ended, with results or without

 private:
  void ShowCheck();
  void ShowTexts();
  void Refuse(const QString& caption, QWidget* entry);

  char separator_;
  MainsOf mains_;
  std::array<QLineEdit*, kAnalysisFields> edits_{};
  std::array<QLabel*, kAnalysisFields> captions_{};
  QCheckBox* noLoad_ = nullptr;
  QComboBox* kind_ = nullptr;
  QComboBox* limbs_ = nullptr;
  QLabel* kindCaption_ = nullptr;
  QLabel* limbsCaption_ = nullptr;
  QPushButton* check_ = nullptr;
  QLabel* error_ = nullptr;
  QTableWidget* results_ = nullptr;
  QTableWidget* load_ = nullptr;
  QGroupBox* inputs_ = nullptr;
  QGroupBox* outputs_ = nullptr;
  bool checked_ = false;  // results shown: they follow the language
  std::optional<design::AnalysisInputs> checkedInputs_;
  design::ratings::SupplyConditions checkedMains_;
};

// The mode items in `menu` (Ctrl+1 the design, Ctrl+2 the check) and the
// swap of the window's client for the panel.
class AnalysisMode : public QObject {
  Q_OBJECT

 public:
  AnalysisMode(QMainWindow& window, QMenu& menu, char separator, AnalysisPanel::MainsOf mains);

  bool Active() const { return active_; }
  void SetActive(bool active);
  AnalysisPanel* Panel() const { return panel_; }
  QAction* DesignItem() const { return designItem_; }
  QAction* AnalysisItem() const { return analysisItem_; }

  // What a design file keeps: nothing while the panel is untouched and the
  // design is shown (so such files stay as they were); and taking a file's
  // (none: the design mode and a blank panel).
  std::optional<design::AnalysisTexts> ForFile() const;
  void Take(const std::optional<design::AnalysisTexts>& texts);

 signals:
  void Changed();

 private:
  QMainWindow& window_;
  AnalysisPanel* panel_ = nullptr;
  QWidget* client_ = nullptr;
  QAction* designItem_ = nullptr;
  QAction* analysisItem_ = nullptr;
  bool active_ = false;
};

}  // namespace tavro::app
