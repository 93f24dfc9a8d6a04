#include "app/main_window.h"

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <exception>
#include <optional>
#include <stdexcept>
#include <tuple>

#include "app/app_texts.h"
#include "app/fonts.h"
#include "app/interface_language.h"
#include "app/keyboard.h"
#include "app/native_path.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"
#include "app/tooltips.h"
#include "app/window_placement.h"
#include "design/design_file.h"
#include "design/diode_current.h"
#include "design/field_table.h"
#include "design/ratings/design_settings.h"
#include "design/ratings/ratings_texts.h"
#include "design/ratings/warnings.h"
#include "i18n/catalogue.h"
#include "pdf/parts_table.h"
#include "pdf/pdf_report.h"
#include "pdf/simulation_plots.h"
#include "pdf/simulation_section.h"
#include "pdf/transformer_section.h"
#include "report/report_file.h"
#include "report/report_texts.h"
#include "report/results_table.h"
#include "simulation/diode_models.h"
#include "simulation/protocol.h"
#include "simulation/rating_figures.h"
#include "tavro/version.h"

namespace tavro::app {

using design::Field;
using design::Group;

namespace {

// The width a line edit gives its text: inside the frame and the text margins.
int TextWidth(const QLineEdit& edit) {
  constexpr int kFrameAndMargins = 2 * 2 + 2 * 2;
  return edit.width() - kFrameAndMargins;
}

}  // namespace

char SystemDecimalSeparator() {
  return report::DecimalSeparatorOf(QLocale::system().decimalPoint().toStdString());
}

std::string SystemTimeSeparator() {
  return report::TimeSeparatorOf(QLocale::system().timeFormat(QLocale::ShortFormat).toStdString());
}

report::ReportTime ReportClock() {
  const std::optional<report::ReportTime> now = report::ReportTimeNow();
  if (!now) throw std::runtime_error(report::kBadSourceDateEpoch);
  return *now;
}

TForm1::TForm1(char decimalSeparator, QWidget* parent)
    : QMainWindow(parent),
      controls_(BuildForm(*this)),
      procedure_(decimalSeparator),
      message_(ModalMessageSink(this)),
      error_(ModalErrorSink(this)),
      mainsDialog_(ModalMainsDialog(decimalSeparator)) {
  setObjectName("Form1");
  Follow(*this, this, [this] { ShowTitle(); });
  // Fixed size, minimise but no maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  connect(controls_.button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  // Every user action on the slider changes its value (the program's own
  // moves are blocked), and a drag ends with a release.
  connect(controls_.trackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
  connect(controls_.trackBar1, &QSlider::sliderReleased, this, &TForm1::TrackBar1Change);
  connect(controls_.n3, &QAction::triggered, this, &TForm1::N3Click);
  connect(controls_.n4, &QAction::triggered, this, &TForm1::N4Click);
  connect(controls_.n5, &QAction::triggered, this, &TForm1::N5Click);
  connect(controls_.n7, &QAction::triggered, this, &TForm1::N7Click);
  connect(controls_.n8, &QAction::triggered, this, &TForm1::N8Click);

  // The simulation check: Файл → "Экспорт схемы SPICE..." above "Выход", and
  // its own menu; both wait for a complete calculation.
  exportSpiceItem_ = new QAction(this);
  if (QMenu* file = qobject_cast<QMenu*>(controls_.n4->parent())) {
    file->insertAction(controls_.n4, exportSpiceItem_);
  }
  QMenu* simulation = menuBar()->addMenu(QString());
  simulation->setObjectName("SimulationMenu");
  simulationItem_ = simulation->addAction(QString());
  for (QAction* item : {simulationItem_, exportSpiceItem_}) item->setEnabled(false);
  connect(simulationItem_, &QAction::triggered, this, &TForm1::OpenSimulation);
  connect(exportSpiceItem_, &QAction::triggered, this, &TForm1::ExportSpice);
  BuildPartsMenus();

  // Everyday use: design files, keyboard, stale marking, copy, help, PDF.
  MakeClientScrollable(*this);
  actions_ = AddEverydayMenus(*this, controls_);
  files_ = new DesignFiles(*this, controls_, procedure_.DecimalSeparator(),
                           [this](const QString& text) { message_(text); });
  stale_ = new StaleResults(controls_, *statusBar());
  connect(stale_, &StaleResults::Changed, this, &TForm1::ShowStaleInWindows);
  statusBar()->setSizeGripEnabled(false);
  auto* designName = new QLabel(statusBar());
  designName->setObjectName("CurrentDesign");
  statusBar()->addPermanentWidget(designName);
  // The status line names the file while the window shows what it holds.
  const auto showDesignName = [this, designName] {
    const QString path = files_->CurrentFile();
    designName->setText(path.isEmpty() || files_->Modified()
                            ? QString()
                            : T(texts::kCurrentDesign).arg(QFileInfo(path).fileName()));
    ShowTitle();
  };
  connect(files_, &DesignFiles::CurrentFileChanged, designName, showDesignName);
  connect(files_, &DesignFiles::ModifiedChanged, designName, showDesignName);
  Follow(*this, designName, showDesignName);
  files_->SetSettingsAccess(
      [this] {
        design::DesignSettings s = design::ratings::SettingsOf(settings_.Mains, settings_.Parts);
        const SimulationSettings check = CurrentSimulationSettings();
        s.SimulationDiode = check.Diode;
        s.SimulationModel = check.DiodeModel;
        s.SimulationEsr = static_cast<long double>(check.Esr);
        s.SimulationLoad = simulation::LoadName(check.Load);
        return s;
      },
      [this](const design::DesignSettings& s) -> std::optional<std::string> {
        // What the file leaves out takes the defaults (a version-1 file).
        AppSettings taken = settings_;
        taken.Mains = {};
        taken.Parts = {};
        if (auto entry = design::ratings::TakeSettings(s, taken.Mains, taken.Parts)) return entry;
        const auto& load = s.SimulationLoad;
        if (load && *load != "resistive" && *load != "current") return "simulation.load";
        if (s.SimulationEsr && !(*s.SimulationEsr >= 0.0L && *s.SimulationEsr <= 1.0e6L)) {
          return "simulation.esr";
        }
        TakeSettings(taken);
        simulationSettings_ = {};
        FollowPartsDiode(taken.Parts.Diode);
        if (s.SimulationDiode) simulationSettings_.Diode = *s.SimulationDiode;
        if (s.SimulationModel) simulationSettings_.DiodeModel = *s.SimulationModel;
        if (s.SimulationEsr) simulationSettings_.Esr = static_cast<double>(*s.SimulationEsr);
        if (load) simulationSettings_.Load = simulation::LoadFromName(*load);
        if (simulation_) simulation_->ApplySettings(simulationSettings_);
        return std::nullopt;
      });
  // The second mode, at the head of the Параметры menu; design files keep it.
  if (auto* settingsMenu = qobject_cast<QMenu*>(mainsItem_->parent())) {
    analysis_ = new AnalysisMode(*this, *settingsMenu, procedure_.DecimalSeparator(),
                                 [this] { return settings_.Mains; });
    connect(analysis_, &AnalysisMode::Changed, files_, &DesignFiles::Check);
    // The simulation checks what the window shows: the design or the check.
    connect(analysis_, &AnalysisMode::Changed, this, &TForm1::ShowSubjectInSimulation);
    connect(analysis_->Panel(), &AnalysisPanel::Checked, this, &TForm1::ShowSubjectInSimulation);
    files_->SetAnalysisAccess([this] { return analysis_->ForFile(); },
                              [this](const auto& texts) { analysis_->Take(texts); });
  }
  // An opened design is calculated at once (a check opened is checked).
  connect(files_, &DesignFiles::Opened, this, [this] {
    if (analysis_ == nullptr || !analysis_->Active()) Button1Click();
  });
  InstallKeyboardFlow(*this, controls_, [this] { Button1Click(); });
  InstallTooltips(*this, controls_);
  connect(actions_.openDesign, &QAction::triggered, files_, &DesignFiles::OpenWithDialog);
  connect(actions_.saveDesign, &QAction::triggered, files_, &DesignFiles::Save);
  connect(actions_.saveDesignAs, &QAction::triggered, files_, &DesignFiles::SaveAs);
  connect(actions_.recent, &QMenu::aboutToShow, files_,
          [this] { files_->FillRecentMenu(*actions_.recent); });
  connect(actions_.copyResults, &QAction::triggered, this, &TForm1::CopyResults);
  connect(actions_.help, &QAction::triggered, this, &TForm1::ShowHelp);
  connect(actions_.exportPdf, &QAction::triggered, this, &TForm1::ExportPdf);
  // The simulation menu and item get their mnemonics too.
  ShowWithMnemonic(*this, simulation->menuAction(), texts::kSimulationMenu, 0);
  ShowWithMnemonic(*this, simulationItem_, texts::kSimulationItem, 0);
  ShowWithMnemonic(*this, exportSpiceItem_, texts::kExportSpiceItem, 9);
  // So do the mains and parts menus; П is Правка's, so Параметры takes а.
  if (auto* settings = qobject_cast<QMenu*>(mainsItem_->parent())) {
    ShowWithMnemonic(*this, settings->menuAction(), texts::kSettingsMenu, 1);
  }
  if (auto* parts = qobject_cast<QMenu*>(selectionItem_->parent())) {
    ShowWithMnemonic(*this, parts->menuAction(), texts::kPartsMenu, 0);
  }
  ShowWithMnemonic(*this, mainsItem_, texts::kMainsItem, 0);
  ShowWithMnemonic(*this, selectionItem_, texts::kSelectionItem, 0);
  if (auto* transformer = qobject_cast<QMenu*>(candidatesItem_->parent())) {
    ShowWithMnemonic(*this, transformer->menuAction(), texts::kTransformerMenu, 0);
  }
  ShowWithMnemonic(*this, candidatesItem_, texts::kCandidatesItem, 0);
  ShowWithMnemonic(*this, windItem_, texts::kWindItem, 0);
  BuildLanguageMenu();
  // The calculation's captions and warnings follow the language too.
  Follow(*this, this, [this] { ShowRatingsTexts(); });

  FormCreate();
}

void TForm1::FormCreate() {
  Guarded([this] { procedure_.FormCreate(*this); });
}

template <typename Handler>
void TForm1::Guarded(Handler&& handler) {
  try {
    handler();
  } catch (const report::ReportWriteError& e) {
    // The reason is the system's, or the program's where the system has
    // none; the words around it are the window's.
    error_(T(texts::kReportNotWritten) + " " + FromNativePath(e.Path()) + ": " +
           Q(design::DescribeFileFault(e.Error(), i18n::TranslateUtf8)));
  } catch (const std::exception& e) {
    error_(QString::fromUtf8(e.what()));
  } catch (...) {
    error_(QStringLiteral("Unknown error"));
  }
}

void TForm1::Button1Click() {
  Guarded([this] {
    procedure_.SetSupply(settings_.Mains.Supply);
    const design::ClickOutcome outcome = procedure_.Button1Click(*this);
    // The mains the shown design was calculated for, before the windows that
    // show it refresh.
    if (procedure_.State().Calculated) calculatedMains_ = settings_.Mains;
    RefreshPlots();
    AfterPress(outcome);
    RefreshRatings();
  });
}

void TForm1::AfterPress(design::ClickOutcome outcome) {
  stale_->Pressed(outcome == design::ClickOutcome::Complete);
  const bool calculated = procedure_.State().Calculated;
  actions_.copyResults->setEnabled(calculated);
  actions_.exportPdf->setEnabled(calculated);
  if (outcome == design::ClickOutcome::InputRejected) FocusRejectedField();
}

void TForm1::FocusRejectedField() {
  // The message has been closed; reading again names the field it was about.
  const design::InputReading reading =
      design::ReadInputs(design::ReadInputTexts(*this), procedure_.DecimalSeparator());
  if (const auto* rejection = std::get_if<design::InputRejection>(&reading)) {
    QLineEdit* field = controls_.Edit(design::FieldOf(rejection->Rejected));
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
  }
}

void TForm1::CopyResults() {
  Guarded([this] {
    if (!procedure_.State().Calculated) return;
    const report::ReportContent content = report::ContentOf(procedure_);
    QGuiApplication::clipboard()->setText(Q(
        report::ResultsTabSeparated(content, i18n::TranslateUtf8, design::NumberStyle::Readable)));
  });
}

void TForm1::ShowHelp() {
  if (!help_) {
    help_ = new HelpWindow(this);
    PlaceBesideMe(*help_);
  }
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void TForm1::ExportPdf() {
  Guarded([this] {
    if (!procedure_.State().Calculated) {
      message_(T(texts::kCalculateFirst));
      return;
    }
    QString fileName;
    if (!pdfDialog_(this, QStringLiteral("pdf"), T(texts::kPdfFilter), QString(),
                    T(texts::kPdfTitle), fileName, false) ||
        fileName.isEmpty()) {
      return;
    }
    // A file that cannot be written throws; Guarded shows it in the error box.
    // The parts to buy for the mains and part choices of the shown design,
    // then the simulation check where it has run, numbers in the document's
    // decimal separator.
    const char separator = pdf::DocumentSeparator(procedure_.DecimalSeparator());
    std::optional<design::ratings::SimulatedFigures> simulated;
    if (simulation_ && simulation_->DesignReport()) {
      simulated = simulation::RatingFigures(*simulation_->DesignReport());
    }
    std::vector<pdf::PdfTable> extra{pdf::PartsTable(*procedure_.LastDesign(), calculatedMains_,
                                                     settings_.Parts, separator, simulated)};
    // The transformer one can buy or wind while its windows are open.
    for (pdf::PdfTable& table : TransformerTables(separator)) extra.push_back(std::move(table));
    std::vector<pdf::PdfTable> checked = SimulationTables(separator);
    // The check's waveforms beside its table, when it has run.
    std::vector<plot::PlotDescription> plots;
    if (!checked.empty()) plots = pdf::SimulationPlots(*simulation_->DesignReport(), separator);
    for (pdf::PdfTable& table : checked) extra.push_back(std::move(table));
    pdf::WritePdfReport(
        NativePath(fileName),
        {report::ContentOf(procedure_), design::DiodeCurrent(*procedure_.LastDesign()), clock_(),
         timeSeparator_, std::move(extra), std::move(plots)});
  });
}

std::vector<pdf::PdfTable> TForm1::SimulationTables(char separator) const {
  // The check as its window shows it, when it has run for the shown design.
  if (!simulation_ || simulation_->Running() || !simulation_->DesignReport()) return {};
  return {pdf::SimulationTable(*simulation_->DesignReport(), separator)};
}

void TForm1::RestoreSession() {
  rememberSession_ = true;
  if (const std::optional<QPoint> position = files_->RestoreSession()) {
    move(*position);
    centred_ = true;
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (rememberSession_) files_->StoreSession(pos());
  QMainWindow::closeEvent(event);
}

void TForm1::TrackBar1Change() {
  Guarded([this] {
    procedure_.TrackBar1Change(*this);
    if (loadPlot_) loadPlot_->ShowRow(TrackBarPosition());
  });
}

void TForm1::RefreshPlots() {
  const bool calculated = procedure_.State().Calculated;
  controls_.n7->setEnabled(calculated);
  controls_.n8->setEnabled(calculated);
  exportSpiceItem_->setEnabled(calculated);
  ShowSubjectInSimulation();
  if (!calculated) return;
  if (loadPlot_) ShowDesignIn(*loadPlot_);
  if (pulsePlot_) ShowDesignIn(*pulsePlot_);
}

DesignName TForm1::ShownDesign() const {
  return {procedure_.State().CalculatedInputs, calculatedMains_, procedure_.DecimalSeparator()};
}

void TForm1::ShowStaleInWindows(bool stale) {
  if (selection_) selection_->Banner().SetStale(stale);
  if (loadPlot_) loadPlot_->Banner().SetStale(stale);
  if (pulsePlot_) pulsePlot_->Banner().SetStale(stale);
  if (simulation_) simulation_->Banner().SetStale(stale);
  if (candidates_) candidates_->Banner().SetStale(stale);
  if (winding_) winding_->Banner().SetStale(stale);
}

void TForm1::ShowDesignIn(LoadCharacteristicWindow& window) {
  window.Show(*procedure_.LastDesign(), TrackBarPosition(), ShownDesign());
  window.Banner().SetStale(stale_->Stale());
}

void TForm1::ShowDesignIn(DiodeCurrentWindow& window) {
  window.Show(design::DiodeCurrent(*procedure_.LastDesign()), ShownDesign());
  window.Banner().SetStale(stale_->Stale());
}

void TForm1::PlaceBesideMe(QWidget& window, int index, int count) {
  const QMargins frame(
      geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
      frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  const QSize margins(frame.left() + frame.right(), frame.top() + frame.bottom());
  // The least size it was given, else the one its content needs.
  const QSize least =
      window.minimumSize().isEmpty() ? window.minimumSizeHint() : window.minimumSize();
  const QRect screenArea = screen()->availableGeometry();
  // The size it was given, else the one its content prefers.
  const QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
  const Placement p =
      PlaceBeside(frameGeometry(), screenArea, wanted + margins, least + margins, index, count);
  if (p.MainTopLeft != frameGeometry().topLeft()) move(p.MainTopLeft);
  // Never larger than the screen holds, whatever its least size.
  window.setMinimumSize(window.minimumSize().boundedTo(screenArea.size() - margins));
  window.resize(p.Window.size() - margins);
  window.move(p.Window.topLeft());
}

template <typename Window>
void TForm1::OpenPlot(QPointer<Window>& window, int index) {
  Guarded([&] {
    if (!procedure_.State().Calculated) return;
    if (!window) {
      window = new Window(this);
      PlaceBesideMe(*window, index, 2);
    }
    ShowDesignIn(*window);
    window->show();
    window->raise();
  });
}

void TForm1::N7Click() {
  OpenPlot(loadPlot_, 0);
}

void TForm1::N8Click() {
  OpenPlot(pulsePlot_, 1);
}

bool TForm1::CheckingTransformer() const {
  return analysis_ != nullptr && analysis_->Active();
}

void TForm1::ShowSubjectInSimulation() {
  const std::optional<design::AnalysisInputs> none;
  const std::optional<design::AnalysisInputs>& checked =
      analysis_ != nullptr ? analysis_->Panel()->CheckedInputs() : none;
  const bool analysing = CheckingTransformer();
  simulationItem_->setEnabled(analysing ? checked.has_value() : procedure_.State().Calculated);
  if (!simulation_) return;
  if (analysing && checked) {
    const design::ratings::SupplyConditions& mains = analysis_->Panel()->CheckedMains();
    simulation_->SetAnalysis(*checked, mains);
    simulation_->Banner().Show({{}, mains, procedure_.DecimalSeparator(), checked}, false);
  } else if (!analysing && procedure_.State().Calculated) {
    simulation_->SetDesign(procedure_.LastDesign()->Inputs, calculatedMains_);
    simulation_->Banner().Show(ShownDesign(), stale_->Stale());
  }
}

void TForm1::OpenSimulation() {
  Guarded([this] {
    if (!simulationItem_->isEnabled()) return;
    if (!simulation_) {
      simulation_ = new SimulationWindow(procedure_.DecimalSeparator(), this);
      simulation_->SetMessageSink(message_);
      simulation_->ApplySettings(simulationSettings_);
      // A design file keeps the settings as the window shows them.
      connect(simulation_, &SimulationWindow::SettingsEdited, files_, &DesignFiles::Check);
      PlaceBesideMe(*simulation_);
      ShowSubjectInSimulation();
      // The parts are rated again on the simulated currents of the design.
      connect(simulation_, &SimulationWindow::Finished, this, [this] {
        if (selection_ && procedure_.State().Calculated && simulation_->DesignReport()) {
          ShowDesignIn(*selection_);
        }
      });
    }
    simulation_->show();
    simulation_->raise();
  });
}

void TForm1::ExportSpice() {
  Guarded([this] {
    if (!procedure_.State().Calculated) return;
    SimulationSettings settings;
    int periods = 0;
    const simulation::SimulationReport* checked = nullptr;
    if (simulation_) {
      if (const auto typed = simulation_->Settings()) {
        settings = *typed;
      } else {
        return;
      }
      // The last run's steady state and surges only for its own circuit.
      if (simulation_->DesignReport() && simulation_->LastRunSettings() == settings) {
        periods = simulation_->SettledPeriods();
        checked = simulation_->DesignReport();
      }
    } else {
      settings = simulationSettings_;
    }
    ExportSpiceNetlist(this, *procedure_.LastDesign(), calculatedMains_.Supply, settings, periods,
                       checked, fileDialog_, message_);
  });
}

void TForm1::N3Click() {
  Guarded([this] {
    if (!procedure_.State().Calculated) {
      message_(T(texts::kCalculateFirst));
      return;
    }
    QString fileName;
    fileDialog_(this, Q(report::texts::kDefaultExtension), T(texts::kReportDialogFilter),
                Q(report::texts::kInitialFolder), T(texts::kReportDialogTitle), fileName, false);
    if (fileName.isEmpty()) return;  // cancelled
    const report::ReportContent content = report::ContentOf(procedure_);
    // A write that fails throws; Guarded shows it in the error box.
    report::AppendReport(NativePath(fileName), [&] {
      return report::EncodeReport(report::ReportLines(content, clock_(), timeSeparator_));
    });
  });
}

void TForm1::BuildPartsMenus() {
  QMenu* settings = menuBar()->addMenu(QString());
  settings->setObjectName("SettingsMenu");
  mainsItem_ = settings->addAction(QString());
  mainsItem_->setObjectName("MainsItem");
  QMenu* parts = menuBar()->addMenu(QString());
  parts->setObjectName("PartsMenu");
  selectionItem_ = parts->addAction(QString());
  selectionItem_->setObjectName("SelectionItem");
  selectionItem_->setEnabled(false);
  connect(mainsItem_, &QAction::triggered, this, &TForm1::MainsClick);
  connect(selectionItem_, &QAction::triggered, this, &TForm1::SelectionClick);
  QMenu* transformer = menuBar()->addMenu(QString());
  transformer->setObjectName("TransformerMenu");
  candidatesItem_ = transformer->addAction(QString());
  candidatesItem_->setObjectName("CandidatesItem");
  windItem_ = transformer->addAction(QString());
  windItem_->setObjectName("WindItem");
  for (QAction* item : {candidatesItem_, windItem_}) item->setEnabled(false);
  connect(candidatesItem_, &QAction::triggered, this, &TForm1::CandidatesClick);
  connect(windItem_, &QAction::triggered, this, &TForm1::WindClick);

  // A line under the client area for the warnings, shown only while there
  // are any (the status bar below keeps its own notes).
  warningsBar_ = new QToolBar(this);
  warningsBar_->setObjectName("WarningsBar");
  warningsBar_->setMovable(false);
  warningsBar_->setFloatable(false);
  warningsBar_->toggleViewAction()->setVisible(false);
  warningsLine_ = new QLabel(warningsBar_);
  warningsLine_->setObjectName("WarningsLine");
  warningsLine_->setWordWrap(true);
  warningsLine_->setFixedWidth(kClientWidth - 24);
  warningsLine_->setStyleSheet("color: #9a4a00");
  warningsBar_->addWidget(warningsLine_);
  addToolBar(Qt::BottomToolBarArea, warningsBar_);
  warningsBar_->hide();
}

SimulationSettings TForm1::CurrentSimulationSettings() const {
  if (simulation_) {
    if (const auto typed = simulation_->TypedSettings()) return *typed;
  }
  return simulationSettings_;
}

void TForm1::FollowPartsDiode(const std::string& name) {
  const QString wanted = QString::fromStdString(name);
  for (const simulation::DiodeModel& m : simulation::ShippedDiodes()) {
    if (name.empty() || wanted.compare(QString::fromStdString(m.Name), Qt::CaseInsensitive) != 0)
      continue;
    simulationSettings_.Diode = m.Name;
    simulationSettings_.DiodeModel.clear();
    if (simulation_) simulation_->PreferDiode(m.Name);
    return;
  }
}

void TForm1::ApplySettings(const AppSettings& settings) {
  settings_ = settings;
  FollowPartsDiode(settings.Parts.Diode);
  SetLanguage(settings.Language);
  if (selection_) selection_->deleteLater();
  // The settings the program starts with are no edit.
  files_->MarkSaved();
}

void TForm1::TakeSettings(const AppSettings& taken) {
  settings_ = taken;
  if (settingsSink_) settingsSink_(settings_);
  // The parts window opens again with the file's choices.
  if (selection_) selection_->deleteLater();
}

void TForm1::ShowTitle() {
  const QString path = files_ ? files_->CurrentFile() : QString();
  setWindowTitle(path.isEmpty() ? T(texts::kCaption)
                                : QFileInfo(path).fileName() + "[*] — " + T(texts::kCaption));
  setWindowModified(files_ && !path.isEmpty() && files_->Modified());
}

void TForm1::RefreshRatings() {
  const bool calculated = procedure_.State().Calculated;
  selectionItem_->setEnabled(calculated);
  candidatesItem_->setEnabled(calculated);
  windItem_->setEnabled(calculated);
  if (!calculated) return;
  ratingsShown_ = true;
  ShowRatingsTexts();
  if (selection_) ShowDesignIn(*selection_);
  if (candidates_) ShowDesignIn(*candidates_);
  if (winding_) ShowDesignIn(*winding_);
}

void TForm1::ShowRatingsTexts() {
  if (!ratingsShown_) return;
  controls_.Group(Group::GroupBox3)
      ->setTitle(Q(design::ratings::OutputsGroupCaption(
          calculatedMains_.Supply, procedure_.DecimalSeparator(), i18n::TranslateUtf8)));
  const QString line = WarningLines(*procedure_.LastDesign());
  warningsLine_->setText(line);
  // A wrapped label asks for its height at its own width only.
  if (!line.isEmpty()) {
    warningsLine_->setFixedHeight(warningsLine_->heightForWidth(warningsLine_->width()));
  }
  warningsBar_->setVisible(!line.isEmpty());
}

void TForm1::BuildLanguageMenu() {
  QMenu* menu = menuBar()->addMenu(Q(texts::kLanguageMenu));
  menu->setObjectName("LanguageMenu");
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  for (auto [language, name, objectName] :
       {std::tuple{i18n::Language::Russian, texts::kRussian, "LanguageRussian"},
        std::tuple{i18n::Language::English, texts::kEnglish, "LanguageEnglish"}}) {
    QAction* item = menu->addAction(Q(name));
    item->setObjectName(objectName);
    item->setCheckable(true);
    item->setChecked(language == i18n::CurrentLanguage());
    group->addAction(item);
    connect(item, &QAction::triggered, this,
            [this, language = language] { SetLanguage(language); });
    languageItems_.push_back({language, item});
  }
  // Справка last, as in most desktop programs.
  if (auto* help = findChild<QMenu*>("N2")) {
    menuBar()->removeAction(help->menuAction());
    menuBar()->addAction(help->menuAction());
  }
}

void TForm1::SetLanguage(i18n::Language language) {
  for (const auto& [l, item] : languageItems_) item->setChecked(l == language);
  const bool changed = language != settings_.Language;
  settings_.Language = language;
  if (language != i18n::CurrentLanguage()) SwitchLanguage(language);
  if (changed && settingsSink_) settingsSink_(settings_);
}

bool TForm1::WarningsShown() const {
  return warningsBar_->isVisible();
}

QString TForm1::WarningsLine() const {
  return warningsLine_->text();
}

void TForm1::ShowDesignIn(SelectionWindow& window) {
  // A simulation of the shown design (a new design clears the last report).
  std::optional<design::ratings::SimulatedFigures> simulated;
  if (simulation_ && simulation_->DesignReport()) {
    simulated = simulation::RatingFigures(*simulation_->DesignReport());
  }
  window.Show(*procedure_.LastDesign(), calculatedMains_, simulated);
  window.Banner().Show(ShownDesign(), stale_->Stale());
}

void TForm1::SelectionClick() {
  Guarded([this] {
    if (!procedure_.State().Calculated) return;
    if (!selection_) {
      selection_ = new SelectionWindow(settings_.Parts, procedure_.DecimalSeparator(), this);
      PlaceBesideMe(*selection_);
      connect(selection_, &SelectionWindow::ChoicesChanged, this,
              [this](const design::ratings::PartChoices& choices) {
                if (choices.Diode != settings_.Parts.Diode) FollowPartsDiode(choices.Diode);
                settings_.Parts = choices;
                if (settingsSink_) settingsSink_(settings_);
                files_->Check();
                // The capacitor fitted and the ambient follow the choices.
                if (!procedure_.State().Calculated) return;
                if (candidates_) ShowDesignIn(*candidates_);
                if (winding_) ShowDesignIn(*winding_);
              });
    }
    ShowDesignIn(*selection_);
    selection_->show();
    selection_->raise();
  });
}

void TForm1::ShowDesignIn(CandidatesWindow& window) {
  window.Show(*procedure_.LastDesign(), calculatedMains_, settings_.Parts);
  window.Banner().Show(ShownDesign(), stale_->Stale());
}

void TForm1::ShowDesignIn(WindingWindow& window) {
  window.Show(*procedure_.LastDesign(), settings_.Parts);
  window.Banner().Show(ShownDesign(), stale_->Stale());
}

void TForm1::CandidatesClick() {
  Guarded([this] {
    if (!procedure_.State().Calculated) return;
    if (!candidates_) {
      candidates_ = new CandidatesWindow(procedure_.DecimalSeparator(), this);
      PlaceBesideMe(*candidates_);
    }
    ShowDesignIn(*candidates_);
    candidates_->show();
    candidates_->raise();
  });
}

void TForm1::WindClick() {
  Guarded([this] {
    if (!procedure_.State().Calculated) return;
    if (!winding_) {
      winding_ = new WindingWindow(procedure_.DecimalSeparator(), this);
      PlaceBesideMe(*winding_);
    }
    ShowDesignIn(*winding_);
    winding_->show();
    winding_->raise();
  });
}

std::vector<pdf::PdfTable> TForm1::TransformerTables(char separator) const {
  // As the open windows show them, for the design they show.
  std::vector<pdf::PdfTable> tables;
  if (candidates_ && candidates_->isVisible() && candidates_->Suggestion()) {
    tables.push_back(pdf::CandidatesTable(*candidates_->Suggestion(), separator));
  }
  if (winding_ && winding_->isVisible() && winding_->Request() && winding_->Result()) {
    tables.push_back(pdf::WindingTable(*procedure_.LastDesign(), *winding_->Request(),
                                       *winding_->Result(), separator));
  }
  return tables;
}

void TForm1::MainsClick() {
  Guarded([this] {
    const std::optional<design::ratings::SupplyConditions> chosen =
        mainsDialog_(this, settings_.Mains);
    if (!chosen) return;
    settings_.Mains = *chosen;
    if (settingsSink_) settingsSink_(settings_);
    files_->Check();
    // The results shown follow the new mains at once.
    if (procedure_.State().Calculated) Button1Click();
  });
}

void TForm1::N4Click() {
  // The session is kept as when the window is closed.
  if (rememberSession_) files_->StoreSession(pos());
  QCoreApplication::quit();
}

void TForm1::N5Click() {
  Guarded([this] {
    message_(T(texts::kAboutVersion).arg(Q(release::kVersion)) + "\r\n" + T(texts::kAboutAuthor) +
             "\r\n" + Q(texts::kAboutMail));
  });
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (fitted_) return;
  fitted_ = true;
  const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (s == nullptr) return;
  // A window larger than the screen shrinks to it and scrolls its content.
  if (FitToScreen(*this, s->availableGeometry()) || centred_) return;
  centred_ = true;
  QRect frame = frameGeometry();
  frame.moveCenter(s->availableGeometry().center());
  move(frame.topLeft());
}

std::string TForm1::Text(Field field) const {
  if (field == Field::Label37) return controls_.label37->text().toStdString();
  return controls_.Edit(field)->text().toStdString();
}

void TForm1::SetText(Field field, std::string_view text) {
  if (field == Field::Label37) {
    controls_.label37->setText(Q(text));
  } else {
    QLineEdit* edit = controls_.Edit(field);
    const QString shown = Q(text);
    edit->setFont(FieldFontFitting(shown, TextWidth(*edit)));
    edit->setText(shown);
    edit->setCursorPosition(0);
  }
}

bool TForm1::RadioButton2Checked() const {
  return controls_.radioButton2->isChecked();
}

void TForm1::SetGroupEnabled(Group group, bool enabled) {
  controls_.Group(group)->setEnabled(enabled);
}

int TForm1::TrackBarPosition() const {
  return controls_.trackBar1->value();
}

void TForm1::SetTrackBarPosition(int position) {
  const QSignalBlocker quiet(controls_.trackBar1);
  controls_.trackBar1->setValue(position);
}

// The procedure's messages are the calculation's own texts.
void TForm1::ShowMessage(std::string_view text) {
  message_(T(kDesignContext, text));
}

}  // namespace tavro::app
