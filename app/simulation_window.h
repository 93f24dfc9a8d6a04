// "Проверка моделированием": the simulation check of the last complete design
// in its own window. The settings of the real circuit, a Run button with
// progress and Cancel, the comparison table of both checks and the surge,
// and plots of the last two periods and of the switch-on transient.
//
// The simulation runs in the tavro-simulate helper, started as a child
// process and read as it answers, so the window stays responsive; a helper
// that crashes, fails or passes its time limit ends in one message and the
// window carries on.
#pragma once

#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "app/design_banner.h"
#include "app/messages.h"
#include "app/plot_windows.h"
#include "design/calculate.h"
#include "design/inputs.h"
#include "design/ratings/supply_conditions.h"
#include "report/open_save.h"
#include "simulation/child_process.h"
#include "simulation/protocol.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace tavro::app {

// The real circuit's settings as the window holds them.
struct SimulationSettings {
  std::string Diode = "1N4007";
  std::string DiodeModel;  // when the user's own model is chosen
  double Esr = 0.0;
  simulation::LoadKind Load = simulation::LoadKind::Resistive;

  bool operator==(const SimulationSettings&) const = default;
};

class SimulationWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SimulationWindow(char decimalSeparator, QWidget* parent = nullptr);
  ~SimulationWindow() override;

  // Selects the shipped model of the parts' chosen diode (by name; an empty
  // or unknown name leaves the choice as it is).
  void PreferDiode(const std::string& name);

  void SetMessageSink(MessageSink sink) { message_ = std::move(sink); }
  // The helper to run (TAVRO_SIMULATE, beside the program, installed, built).
  void SetHelper(QString path) { helper_ = std::move(path); }
  // How long the helper may stay silent (neither progress nor an answer).
  void SetTimeLimit(int milliseconds) { timeLimit_ = milliseconds; }

  // The design to check and the mains it was calculated for (the surge is
  // also found at high mains); clears what an earlier design showed.
  void SetDesign(const design::DesignInputs& inputs,
                 const design::ratings::SupplyConditions& mains = {});
  // The same for a transformer one has, as its check analysed it.
  void SetAnalysis(const design::AnalysisInputs& inputs,
                   const design::ratings::SupplyConditions& mains = {});
  // Whether a transformer one has is what the window checks.
  bool OfAnalysis() const { return analysis_.has_value(); }
  // The settings as typed; nothing (after a message) when they are invalid.
  std::optional<SimulationSettings> Settings();
  // The same without a message: nothing when they are invalid.
  std::optional<SimulationSettings> TypedSettings() const;
  // Shows `settings` in the controls (a shipped diode the list does not hold
  // leaves the choice as it is).
  void ApplySettings(const SimulationSettings& settings);
  // The settings of the run the table shows.
  const std::optional<SimulationSettings>& LastRunSettings() const { return lastRun_; }
  bool Running() const { return process_ != nullptr; }
  // Where the last run's real circuit settled, 0 before a run.
  int SettledPeriods() const { return settledPeriods_; }
  const std::optional<simulation::SimulationReport>& LastReport() const { return report_; }
  // The last report when it is of the design (what its parts, PDF and
  // netlist may take), else none.
  const simulation::SimulationReport* DesignReport() const {
    return report_ && !analysis_ ? &*report_ : nullptr;
  }

  QPushButton* RunButton() const { return run_; }
  QPushButton* CancelButton() const { return cancel_; }
  QTableWidget* Table() const { return table_; }
  QComboBox* DiodeChoice() const { return diode_; }
  QProgressBar* Progress() const { return progress_; }
  // The design the table and plots are of, and whether it is stale.
  DesignBanner& Banner() { return *banner_; }
  // The plots in the order of their tabs, and the buttons under them.
  const std::array<PlotView*, 4>& Plots() const { return plots_; }
  PlotButtons* ExportButtons() const { return plotButtons_; }

 public slots:
  void Run();
  void Cancel();

 signals:
  void Finished();        // a run ended, well or not
  void SettingsEdited();  // the user changed a setting

 private:
  void ReadAnswer();
  void SetSubject(const std::optional<design::DesignInputs>& inputs,
                  const std::optional<design::AnalysisInputs>& analysis,
                  const design::ratings::SupplyConditions& mains);
  // Lets go of the helper (killing it first when asked) and readies Run;
  // the progress bar shows again whether a complete run is on screen.
  void Release(bool kill);
  // The settings as typed, or why they are invalid.
  std::variant<SimulationSettings, QString> ReadSettings() const;
  void Ended(const QString& failure);
  void ShowReport(const simulation::SimulationReport& report);
  // The comparison table in the language in use.
  void FillTable(const simulation::SimulationReport& report);
  // The status line's text, shown again when the language changes.
  void SetStatus(std::function<QString()> text);
  // The last report's waveforms, or empty axes before a run.
  void ShowPlots();

  char separator_;
  MessageSink message_;
  QString helper_;
  int timeLimit_ = static_cast<int>(simulation::kHelperSilenceSeconds * 1000);
  // What is checked: a design or a transformer one has, never both.
  std::optional<design::DesignInputs> inputs_;
  std::optional<design::AnalysisInputs> analysis_;
  design::ratings::SupplyConditions mains_;
  std::optional<simulation::SimulationReport> report_;
  int settledPeriods_ = 0;
  QProcess* process_ = nullptr;
  simulation::SimulationRequest request_;  // the one under way
  SimulationSettings running_;             // its settings
  std::optional<SimulationSettings> lastRun_;
  QByteArray pending_;
  QTimer limit_;

  QComboBox* diode_;
  QLineEdit* model_;
  QLineEdit* esr_;
  QComboBox* load_;
  QPushButton* run_;
  QPushButton* cancel_;
  QProgressBar* progress_;
  QLabel* status_;
  std::function<QString()> statusText_;
  QTableWidget* table_;
  QTabWidget* tabs_;
  // The output voltage, the diode's and the capacitor's current, the switch-on.
  std::array<PlotView*, 4> plots_;
  PlotButtons* plotButtons_;
  DesignBanner* banner_;
};

// Asks for a file and writes the standalone netlist of the design's real
// circuit there (periods: where the window's simulation settled, or 0 for
// the default; `checked`: the window's last report, whose surges the netlist
// notes when it is of the same circuit). Reports a failure through `message`.
void ExportSpiceNetlist(QWidget* owner, const design::Design& design, const design::Mains& mains,
                        const SimulationSettings& settings, int periods,
                        const simulation::SimulationReport* checked,
                        const report::FileDialog& dialog, const MessageSink& message);

}  // namespace tavro::app
