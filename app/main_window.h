// TForm1, the program's only window: a thin view over the design procedure.
// It implements the window operations the procedure needs and forwards the
// button, the slider and the menu to the procedure's handlers; no formula
// lives here.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QToolBar>

#include "app/analysis_panel.h"
#include "app/app_settings.h"
#include "app/design_files.h"
#include "app/everyday_menu.h"
#include "app/form_layout.h"
#include "app/help_window.h"
#include "app/mains_dialog.h"
#include "app/messages.h"
#include "app/plot_windows.h"
#include "app/selection_window.h"
#include "app/simulation_window.h"
#include "app/stale_results.h"
#include "app/transformer_windows.h"
#include "design/procedure.h"
#include "design/window.h"
#include "i18n/language.h"
#include "pdf/pdf_report.h"
#include "report/locale_clock.h"
#include "report/open_save.h"
#include "report/report_text.h"

namespace tavro::app {

// The user's decimal and time separators from the system locale.
char SystemDecimalSeparator();
std::string SystemTimeSeparator();

// The time a report is dated with (report::ReportTimeNow); throws when
// SOURCE_DATE_EPOCH is set to something that is not a time.
report::ReportTime ReportClock();

class TForm1 : public QMainWindow, public design::DesignWindow {
  Q_OBJECT

 public:
  explicit TForm1(char decimalSeparator, QWidget* parent = nullptr);

  // Where messages and uncaught errors go; by default modal dialogs.
  void SetMessageSink(MessageSink sink) { message_ = std::move(sink); }
  void SetErrorSink(MessageSink sink) { error_ = std::move(sink); }
  // The save dialog, the clock and the time separator of the report.
  void SetFileDialog(report::FileDialog dialog) { fileDialog_ = std::move(dialog); }
  void SetClock(std::function<report::ReportTime()> clock) { clock_ = std::move(clock); }
  void SetTimeSeparator(std::string separator) { timeSeparator_ = std::move(separator); }

  // The mains and part choices: the program passes in what it loaded and a
  // sink that stores every change; tests keep the defaults and store nothing.
  void ApplySettings(const AppSettings& settings);
  void SetSettingsSink(std::function<void(const AppSettings&)> sink) {
    settingsSink_ = std::move(sink);
  }
  void SetMainsDialog(MainsDialogRunner dialog) { mainsDialog_ = std::move(dialog); }
  const AppSettings& Settings() const { return settings_; }
  // The plausibility warnings of the last complete calculation, as the
  // window's status line shows them (empty when there are none).
  QString WarningsLine() const;
  bool WarningsShown() const;
  SelectionWindow* Selection() const { return selection_; }
  QAction* MainsItem() const { return mainsItem_; }
  QAction* SelectionItem() const { return selectionItem_; }
  // Трансформатор → "Подобрать стандартный..." and "Намотать...".
  QAction* CandidatesItem() const { return candidatesItem_; }
  QAction* WindItem() const { return windItem_; }
  CandidatesWindow* Candidates() const { return candidates_; }
  WindingWindow* Winding() const { return winding_; }
  // The interface language: switches every open window at once and is
  // remembered through the settings sink.
  void SetLanguage(i18n::Language language);

  const FormControls& Controls() const { return controls_; }
  const EverydayActions& Actions() const { return actions_; }
  DesignFiles& Files() { return *files_; }
  // The check of a transformer one has, the window's second mode.
  AnalysisMode& Analysis() { return *analysis_; }
  const StaleResults& Stale() const { return *stale_; }
  // The PDF report's save dialog.
  void SetPdfFileDialog(report::FileDialog dialog) { pdfDialog_ = std::move(dialog); }

  // Brings back the last run's inputs and window position, and keeps them
  // again when the window closes (the program does this; tests do not).
  void RestoreSession();
  const design::DesignProcedure& Procedure() const { return procedure_; }

  // design::DesignWindow
  std::string Text(design::Field field) const override;
  void SetText(design::Field field, std::string_view text) override;
  bool RadioButton2Checked() const override;
  void SetGroupEnabled(design::Group group, bool enabled) override;
  int TrackBarPosition() const override;
  void SetTrackBarPosition(int position) override;
  void ShowMessage(std::string_view text) override;

 public slots:
  void Button1Click();
  void TrackBar1Change();
  void N3Click();
  void N4Click();
  void N5Click();
  void N7Click();
  void N8Click();
  void CopyResults();
  void ShowHelp();
  void ExportPdf();
  void MainsClick();
  void SelectionClick();
  void CandidatesClick();
  void WindClick();
  // "Проверка моделированием..." and Файл → "Экспорт схемы SPICE...".
  void OpenSimulation();
  void ExportSpice();

 public:
  QAction* SimulationItem() const { return simulationItem_; }
  QAction* ExportSpiceItem() const { return exportSpiceItem_; }
  SimulationWindow* Simulation() const { return simulation_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  // After a press: the plots menu follows Calculated, open plots the design.
  void RefreshPlots();
  // After a press: the stale marking, the items that need a calculation,
  // and after a rejected input the focus on the field that caused it.
  void AfterPress(design::ClickOutcome outcome);
  void FocusRejectedField();
  // The simulation check for the PDF report, when one has run, its numbers
  // with `separator`.
  std::vector<pdf::PdfTable> SimulationTables(char separator) const;
  // Opens (or raises) a plot window and shows the last complete design in it;
  // a new window opens beside this one, the `index`th of the plots.
  template <typename Window>
  void OpenPlot(QPointer<Window>& window, int index);
  // Whether the window checks a transformer one has (its second mode).
  bool CheckingTransformer() const;
  // The simulation checks the transformer the check analysed while the
  // window checks one, else the last design; its menu item is enabled when
  // there is one. A change of what it checks clears its results.
  void ShowSubjectInSimulation();
  // Places a new secondary window where it covers least of this one and
  // fits the screen: the `index`th of `count` sharing the room.
  void PlaceBesideMe(QWidget& window, int index = 0, int count = 1);
  void ShowDesignIn(LoadCharacteristicWindow& window);
  void ShowDesignIn(DiodeCurrentWindow& window);
  void ShowDesignIn(SelectionWindow& window);
  void ShowDesignIn(CandidatesWindow& window);
  void ShowDesignIn(WindingWindow& window);
  // The transformer section of the PDF report while its windows are open.
  std::vector<pdf::PdfTable> TransformerTables(char separator) const;
  // The shown design as the secondary windows name it.
  DesignName ShownDesign() const;
  // Every open secondary window greys or clears with the main window's
  // results.
  void ShowStaleInWindows(bool stale);
  // After a press: the parts menu, the warnings line, the output group's
  // caption and the open "Выбор элементов" window follow a complete one.
  void RefreshRatings();
  // The output group's caption and the warnings line of the shown design,
  // in the language in use.
  void ShowRatingsTexts();
  // The caption, after the design file's name (with * while it is modified).
  void ShowTitle();
  // A design file's mains and part choices become the window's.
  void TakeSettings(const AppSettings& taken);
  // The simulation's settings: its window's as typed while it is open (the
  // ones held when they are invalid), else the ones held for it.
  SimulationSettings CurrentSimulationSettings() const;
  // The simulation starts from the parts' chosen diode when it is a shipped
  // model.
  void FollowPartsDiode(const std::string& name);
  // "Язык / Language", then Справка moved to the end of the menu bar.
  void BuildLanguageMenu();
  void BuildPartsMenus();
  // Runs a handler; an error it does not catch goes to the error box and
  // the program carries on.
  template <typename Handler>
  void Guarded(Handler&& handler);

  FormControls controls_;
  design::DesignProcedure procedure_;
  MessageSink message_;
  MessageSink error_;
  report::FileDialog fileDialog_ = report::ShowFileDialog;
  std::function<report::ReportTime()> clock_ = ReportClock;
  std::string timeSeparator_ = SystemTimeSeparator();
  bool centred_ = false;
  bool fitted_ = false;
  QPointer<LoadCharacteristicWindow> loadPlot_;
  QPointer<DiodeCurrentWindow> pulsePlot_;
  EverydayActions actions_;
  DesignFiles* files_ = nullptr;
  AnalysisMode* analysis_ = nullptr;
  StaleResults* stale_ = nullptr;
  QPointer<HelpWindow> help_;
  report::FileDialog pdfDialog_ = report::ShowReplacingFileDialog;
  bool rememberSession_ = false;
  QAction* simulationItem_ = nullptr;
  QAction* exportSpiceItem_ = nullptr;
  QPointer<SimulationWindow> simulation_;
  // The simulation's settings while its window is closed: a design file's,
  // or the defaults with the parts' diode; its window starts from them.
  SimulationSettings simulationSettings_;
  AppSettings settings_;
  // The mains of the calculation shown.
  design::ratings::SupplyConditions calculatedMains_;
  std::function<void(const AppSettings&)> settingsSink_;
  MainsDialogRunner mainsDialog_;
  QAction* mainsItem_ = nullptr;
  QAction* selectionItem_ = nullptr;
  QToolBar* warningsBar_ = nullptr;
  QLabel* warningsLine_ = nullptr;
  QPointer<SelectionWindow> selection_;
  QAction* candidatesItem_ = nullptr;
  QAction* windItem_ = nullptr;
  QPointer<CandidatesWindow> candidates_;
  QPointer<WindingWindow> winding_;
  bool ratingsShown_ = false;
  std::vector<std::pair<i18n::Language, QAction*>> languageItems_;
};

}  // namespace tavro::app
