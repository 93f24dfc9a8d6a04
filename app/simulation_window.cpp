#include "app/simulation_window.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <variant>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "app/native_path.h"
#include "app/plot_windows.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"
#include "design/calculate.h"
#include "design/design_file.h"
#include "files/whole_file.h"
#include "i18n/catalogue.h"
#include "plot/simulation_plots.h"
#include "simulation/child_process.h"
#include "simulation/comparison_table.h"
#include "simulation/diode_models.h"
#include "simulation/export.h"
#include "simulation/spice_values.h"
#include "simulation/texts.h"

namespace tavro::app {
namespace {

// A label, button or group whose text follows the language.
template <typename Widget>
Widget* Captioned(QWidget& window, Widget* widget, std::string_view text) {
  Follow(window, widget, [widget, text] {
    if constexpr (std::is_same_v<Widget, QGroupBox>) {
      widget->setTitle(T(text));
    } else {
      widget->setText(T(text));
    }
  });
  return widget;
}

// The tabs' names, in the order of the plots.
constexpr std::array<std::string_view, 4> kPlotNames = {texts::kVoutPlot, texts::kDiodePlot,
                                                        texts::kCapacitorPlot, texts::kSurgePlot};

std::string_view StepText(const std::string& step) {
  if (step == "method") return texts::kStepMethod;
  if (step == "circuit") return texts::kStepCircuit;
  return texts::kStepSurge;
}

}  // namespace

SimulationWindow::SimulationWindow(char decimalSeparator, QWidget* parent)
    : QWidget(parent, Qt::Window),
      separator_(decimalSeparator),
      message_(ModalMessageSink(this)),
      helper_(QString::fromStdString(simulation::HelperPath())) {
  setObjectName("SimulationWindow");
  Follow(*this, this, [this] { setWindowTitle(T(texts::kSimulationTitle)); });

  auto* settings = Captioned(*this, new QGroupBox(this), texts::kSimulationSettings);
  auto* form = new QGridLayout(settings);
  diode_ = new QComboBox;
  for (const simulation::DiodeModel& m : simulation::ShippedDiodes()) {
    diode_->addItem(QString::fromStdString(m.Name));
  }
  diode_->addItem(QString());
  model_ = new QLineEdit;
  model_->setPlaceholderText(".model MYDIODE D(IS=10n RS=0.05 N=1.8)");
  model_->setEnabled(false);
  esr_ = new QLineEdit("0");
  load_ = new QComboBox;
  model_->setObjectName("SimulationModel");
  esr_->setObjectName("SimulationEsr");
  load_->setObjectName("SimulationLoad");
  load_->addItems({QString(), QString()});
  Follow(*this, this, [this] {
    const std::vector<simulation::DiodeModel>& shipped = simulation::ShippedDiodes();
    for (int i = 0; i < static_cast<int>(shipped.size()); ++i) {
      const simulation::DiodeModel& m = shipped[static_cast<std::size_t>(i)];
      diode_->setItemData(i, T(kSimulationContext, m.About) + "\n" + Q(m.Source), Qt::ToolTipRole);
    }
    diode_->setItemText(diode_->count() - 1, T(texts::kOwnModel));
    load_->setItemText(0, T(kSimulationContext, simulation::texts::kResistiveLoad));
    load_->setItemText(1, T(kSimulationContext, simulation::texts::kCurrentLoad));
  });
  form->addWidget(Captioned(*this, new QLabel(this), texts::kDiodeLabel), 0, 0);
  form->addWidget(diode_, 0, 1);
  form->addWidget(Captioned(*this, new QLabel(this), texts::kLoadLabel), 0, 2);
  form->addWidget(load_, 0, 3);
  form->addWidget(Captioned(*this, new QLabel(this), texts::kEsrLabel), 0, 4);
  form->addWidget(esr_, 0, 5);
  form->addWidget(Captioned(*this, new QLabel(this), texts::kModelLabel), 1, 0);
  form->addWidget(model_, 1, 1, 1, 5);
  form->setColumnStretch(1, 1);
  form->setColumnStretch(3, 1);
  connect(diode_, &QComboBox::currentIndexChanged, this,
          [this](int index) { model_->setEnabled(index == diode_->count() - 1); });
  connect(diode_, &QComboBox::currentIndexChanged, this, &SimulationWindow::SettingsEdited);
  connect(load_, &QComboBox::currentIndexChanged, this, &SimulationWindow::SettingsEdited);
  for (QLineEdit* edit : {model_, esr_})
    connect(edit, &QLineEdit::textChanged, this, &SimulationWindow::SettingsEdited);

  run_ = Captioned(*this, new QPushButton(this), texts::kRunButton);
  cancel_ = Captioned(*this, new QPushButton(this), texts::kCancelButton);
  cancel_->setEnabled(false);
  progress_ = new QProgressBar;
  progress_->setRange(0, 1000);
  progress_->setTextVisible(false);
  status_ = new QLabel;
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(run_);
  buttons->addWidget(cancel_);
  buttons->addWidget(progress_, 1);
  buttons->addWidget(status_, 1);
  connect(run_, &QPushButton::clicked, this, &SimulationWindow::Run);
  connect(cancel_, &QPushButton::clicked, this, &SimulationWindow::Cancel);

  table_ = new QTableWidget(0, 4);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  table_->setWordWrap(true);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setMinimumSize(320, 200);

  // The plots as the windows and the PDF describe them, each with zoom,
  // read-out and export.
  tabs_ = new QTabWidget;
  for (PlotView*& plot : plots_) {
    plot = new PlotView;
    plot->setMinimumSize(320, 200);
    plot->SetNumberLocale(PlotLocale(decimalSeparator));
    tabs_->addTab(plot, QString());
  }
  plotButtons_ =
      new PlotButtons([this] { return qobject_cast<PlotView*>(tabs_->currentWidget()); }, this);
  auto* plotSide = new QWidget;
  auto* plotLayout = new QVBoxLayout(plotSide);
  plotLayout->setContentsMargins(0, 0, 0, 0);
  plotLayout->addWidget(tabs_, 1);
  plotLayout->addWidget(plotButtons_);
  // The table's words, the plots' texts and the status line follow the
  // language; the numbers stay.
  Follow(*this, this, [this] {
    for (std::size_t i = 0; i < plots_.size(); ++i) {
      tabs_->setTabText(static_cast<int>(i), T(kPlotNames[i]));
      plots_[i]->SetTitle(T(kPlotNames[i]), QString());
    }
    ShowPlots();
    table_->setHorizontalHeaderLabels({T(texts::kColumnsContext, texts::kQuantityColumn),
                                       T(texts::kColumnsContext, texts::kMethodColumn),
                                       T(texts::kColumnsContext, texts::kSimulatedColumn),
                                       T(texts::kColumnsContext, texts::kDifferenceColumn)});
    if (report_) FillTable(*report_);
    status_->setText(statusText_ ? statusText_() : QString());
  });

  // The table and the plots share the width as the user drags; on a small
  // screen the window scrolls rather than reaching off it.
  auto* layout = new QVBoxLayout(ScrolledContent(*this));
  layout->addWidget(settings);
  layout->addLayout(buttons);
  auto* body = new QSplitter(Qt::Horizontal);
  body->setObjectName("SimulationSplitter");
  body->setChildrenCollapsible(false);
  body->addWidget(table_);
  body->addWidget(plotSide);
  body->setStretchFactor(0, 5);
  body->setStretchFactor(1, 4);
  body->setSizes({500, 400});  // shares, scaled to the width
  layout->addWidget(body, 1);
  banner_ = new DesignBanner(*this, {table_, tabs_});
  setMinimumSize(480, 360);
  resize(1232, 560);

  limit_.setSingleShot(true);
  connect(&limit_, &QTimer::timeout, this,
          [this] { Ended(T(texts::kHelperSilent).arg(timeLimit_ / 1000)); });
}

SimulationWindow::~SimulationWindow() {
  if (process_ != nullptr) {
    process_->disconnect(this);
    process_->kill();
    process_->waitForFinished(1000);
  }
}

void SimulationWindow::SetDesign(const design::DesignInputs& inputs,
                                 const design::ratings::SupplyConditions& mains) {
  SetSubject(inputs, std::nullopt, mains);
}

void SimulationWindow::SetAnalysis(const design::AnalysisInputs& inputs,
                                   const design::ratings::SupplyConditions& mains) {
  // The same transformer again keeps its results (the check's mode is left
  // and taken up again, an entry is edited).
  if (analysis_ == inputs && mains_.Tolerance == mains.Tolerance) return;
  SetSubject(std::nullopt, inputs, mains);
}

void SimulationWindow::SetSubject(const std::optional<design::DesignInputs>& inputs,
                                  const std::optional<design::AnalysisInputs>& analysis,
                                  const design::ratings::SupplyConditions& mains) {
  // A run of the earlier design would answer for a design no longer shown.
  if (process_ != nullptr) Release(true);
  inputs_ = inputs;
  analysis_ = analysis;
  mains_ = mains;
  report_.reset();
  lastRun_.reset();
  settledPeriods_ = 0;
  table_->setRowCount(0);
  ShowPlots();
  SetStatus(nullptr);
  progress_->setValue(0);
}

void SimulationWindow::SetStatus(std::function<QString()> text) {
  statusText_ = std::move(text);
  status_->setText(statusText_ ? statusText_() : QString());
}

std::optional<SimulationSettings> SimulationWindow::Settings() {
  auto read = ReadSettings();
  if (auto* failure = std::get_if<QString>(&read)) {
    message_(T(texts::kSimulationFailed) + *failure);
    return std::nullopt;
  }
  return std::get<SimulationSettings>(read);
}

std::optional<SimulationSettings> SimulationWindow::TypedSettings() const {
  auto read = ReadSettings();
  if (auto* s = std::get_if<SimulationSettings>(&read)) return *s;
  return std::nullopt;
}

void SimulationWindow::ApplySettings(const SimulationSettings& s) {
  if (!s.DiodeModel.empty()) {
    diode_->setCurrentIndex(diode_->count() - 1);
    model_->setText(QString::fromStdString(s.DiodeModel));
  } else {
    PreferDiode(s.Diode);
  }
  QString esr = QString::number(s.Esr, 'g', QLocale::FloatingPointShortest);
  if (separator_ != '.') esr.replace('.', QChar(separator_));
  esr_->setText(esr);
  load_->setCurrentIndex(s.Load == simulation::LoadKind::ConstantCurrent ? 1 : 0);
}

std::variant<SimulationSettings, QString> SimulationWindow::ReadSettings() const {
  SimulationSettings s;
  const bool own = diode_->currentIndex() == diode_->count() - 1;
  try {
    if (own) {
      s.DiodeModel = model_->text().toStdString();
      s.Diode = simulation::ValidateModelLine(s.DiodeModel).Name;
    } else {
      s.Diode = diode_->currentText().toStdString();
    }
    std::string esr = esr_->text().trimmed().toStdString();
    for (char& c : esr) c = c == ',' ? '.' : c;
    s.Esr = esr.empty() ? 0.0 : simulation::ParseSpiceNumber(esr);
    if (!(s.Esr >= 0.0)) throw simulation::RejectedValue(T(texts::kBadEsr).toStdString());
  } catch (const simulation::RejectedValue& e) {
    return QString::fromUtf8(e.what());
  }
  s.Load = load_->currentIndex() == 1 ? simulation::LoadKind::ConstantCurrent
                                      : simulation::LoadKind::Resistive;
  return s;
}

void SimulationWindow::Run() {
  if (process_ != nullptr || (!inputs_ && !analysis_)) return;
  const std::optional<SimulationSettings> s = Settings();
  if (!s) return;
  simulation::SimulationRequest request;
  if (inputs_) request.Inputs = *inputs_;
  request.Analysis = analysis_;
  request.Mains = mains_.Supply;
  request.MainsTolerance = mains_.Tolerance;
  request.Diode = s->Diode;
  request.DiodeModel = s->DiodeModel;
  request.Esr = s->Esr;
  request.Load = s->Load;
  request.Waveforms = true;
  request.Progress = true;
  request_ = request;
  running_ = *s;

  pending_.clear();
  process_ = new QProcess(this);
  connect(process_, &QProcess::readyReadStandardOutput, this, &SimulationWindow::ReadAnswer);
  connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
    ReadAnswer();
    if (process_ == nullptr) return;  // it answered
    Ended(status == QProcess::CrashExit ? T(texts::kHelperCrashed)
                                        : T(texts::kHelperExited).arg(code));
  });
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) {
      Ended(T(texts::kHelperNotStarted) + helper_);
    }
  });
  run_->setEnabled(false);
  cancel_->setEnabled(true);
  progress_->setValue(0);
  SetStatus([] { return T(StepText("method")); });
  process_->start(helper_, {});
  process_->write((simulation::EncodeRequest(request) + "\n").c_str());
  process_->closeWriteChannel();
  limit_.start(timeLimit_);
}

void SimulationWindow::Release(bool kill) {
  QProcess* p = process_;
  process_ = nullptr;
  p->disconnect(this);
  if (kill) {
    p->kill();
    p->waitForFinished(1000);
  }
  p->deleteLater();
  limit_.stop();
  run_->setEnabled(true);
  cancel_->setEnabled(false);
  progress_->setValue(report_ ? progress_->maximum() : 0);
}

void SimulationWindow::Cancel() {
  if (process_ == nullptr) return;
  Release(true);
  // As before the run: the settings of the run the table shows, so that
  // the table, the choice and an exported netlist agree.
  if (lastRun_) ApplySettings(*lastRun_);
  SetStatus([] { return T(texts::kSimulationCancelled); });
  emit Finished();
}

void SimulationWindow::ReadAnswer() {
  if (process_ == nullptr) return;
  pending_ += process_->readAllStandardOutput();
  while (true) {
    const qsizetype end = pending_.indexOf('\n');
    if (end < 0) return;
    const std::string line = pending_.left(end).toStdString();
    pending_.remove(0, end + 1);
    if (const auto p = simulation::DecodeProgress(line)) {
      limit_.start(timeLimit_);  // alive: the silence counts from here
      progress_->setValue(static_cast<int>(p->Fraction * 1000.0));
      SetStatus([step = StepText(p->Step)] { return T(step); });
      continue;
    }
    const simulation::SimulationReport report = simulation::DecodeAnswer(line, request_);
    Release(false);
    if (!report.Ok) {
      SetStatus(nullptr);
      message_(T(texts::kSimulationFailed) +
               QString::fromStdString(simulation::FailureMessage(report, i18n::TranslateUtf8)));
    } else {
      progress_->setValue(1000);
      ShowReport(report);
    }
    emit Finished();
    return;
  }
}

void SimulationWindow::Ended(const QString& failure) {
  if (process_ == nullptr) return;
  Release(true);
  SetStatus(nullptr);
  message_(T(texts::kSimulationFailed) + failure);
  emit Finished();
}

void SimulationWindow::ShowReport(const simulation::SimulationReport& r) {
  report_ = r;
  lastRun_ = running_;
  if (r.Circuit) settledPeriods_ = r.Circuit->State.Settled ? r.Circuit->State.Periods : 0;
  FillTable(r);
  SetStatus([r] {
    return r.Circuit && !r.Circuit->State.Settled
               ? T(kSimulationContext, simulation::texts::kNotSettled)
               : T(texts::kPeriodsNote).arg(r.Circuit ? r.Circuit->State.Periods : 0);
  });
  ShowPlots();
  for (PlotView* plot : plots_) plot->ResetView();
}

void SimulationWindow::FillTable(const simulation::SimulationReport& r) {
  table_->setRowCount(0);
  for (const simulation::TableLine& line :
       simulation::ComparisonTable(r, separator_, i18n::TranslateUtf8,
                                   design::NumberStyle::Readable)) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    auto* first = new QTableWidgetItem(QString::fromStdString(line.Cells[0]));
    table_->setItem(row, 0, first);
    if (line.Section) {
      QFont bold = first->font();
      bold.setBold(true);
      first->setFont(bold);
      table_->setSpan(row, 0, 1, 4);
      continue;
    }
    for (int c = 1; c < 4; ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(line.Cells[c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(row, c, item);
    }
  }
  // The circuit's steady state not reached is in the status line.
  for (const simulation::SimulationWarning& w :
       simulation::SimulationWarnings(r, separator_, i18n::TranslateUtf8)) {
    if (std::string_view(w.Kind) == "circuit_not_settled") continue;
    const int row = table_->rowCount();
    table_->insertRow(row);
    auto* item = new QTableWidgetItem(QString::fromStdString(w.Text));
    item->setForeground(Qt::darkRed);
    table_->setItem(row, 0, item);
    table_->setSpan(row, 0, 1, 4);
  }
  table_->resizeColumnsToContents();
  table_->resizeRowsToContents();
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void SimulationWindow::ShowPlots() {
  // Before a run, the axes without curves.
  const simulation::SimulationReport none;
  const simulation::SimulationReport& r = report_ ? *report_ : none;
  plots_[0]->Show(plot::SteadyStatePlot(r, plot::SteadyWave::OutputVoltage));
  plots_[1]->Show(plot::SteadyStatePlot(r, plot::SteadyWave::DiodeCurrent));
  plots_[2]->Show(plot::SteadyStatePlot(r, plot::SteadyWave::CapacitorCurrent));
  plots_[3]->Show(plot::SwitchOnPlot(r, separator_));
}

void ExportSpiceNetlist(QWidget* owner, const design::Design& design, const design::Mains& mains,
                        const SimulationSettings& settings, int periods,
                        const simulation::SimulationReport* checked,
                        const report::FileDialog& dialog, const MessageSink& message) {
  QString fileName;
  dialog(owner, Q(texts::kExportSpiceExtension), T(texts::kExportSpiceFilter), QString(),
         T(texts::kExportSpiceTitle), fileName, false);
  if (fileName.isEmpty()) return;
  try {
    simulation::SimulationRequest request;
    request.Diode = settings.Diode;
    request.DiodeModel = settings.DiodeModel;
    simulation::CircuitSetup setup;
    setup.Diode = simulation::DiodeOf(request);
    setup.Esr = settings.Esr;
    setup.Load = settings.Load;
    const std::string source = settings.DiodeModel.empty()
                                   ? simulation::ShippedDiode(settings.Diode).Source
                                   : std::string("model typed by the user");
    const bool sameCircuit = checked != nullptr && checked->DiodeName == setup.Diode.ModelName &&
                             checked->LoadName == simulation::LoadName(setup.Load) &&
                             checked->Esr == setup.Esr;
    const std::string text = simulation::StandaloneNetlist(
        design, mains, setup, periods > 0 ? periods : simulation::kDefaultExportPeriods, source,
        sameCircuit ? simulation::SurgeNotes(*checked) : std::vector<std::string>{});
    // The old netlist stays whole until the new one is complete.
    if (const auto error = files::ReplaceFile(NativePath(fileName), text)) {
      message(T(texts::kSpiceNotWritten) + " " + fileName + ": " +
              Q(design::DescribeFileFault(*error, i18n::TranslateUtf8)));
    }
  } catch (const simulation::RejectedValue& e) {
    message(T(texts::kSpiceNotWritten) + ": " + QString::fromUtf8(e.what()));
  }
}

void SimulationWindow::PreferDiode(const std::string& name) {
  const int index = diode_->findText(QString::fromStdString(name), Qt::MatchFixedString);
  if (!name.empty() && index >= 0 && index < diode_->count() - 1) diode_->setCurrentIndex(index);
}

}  // namespace tavro::app
