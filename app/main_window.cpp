#include "app/main_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <exception>
#include <optional>
#include <stdexcept>

#include "app/app_texts.h"
#include "app/fonts.h"
#include "app/qt_text.h"
#include "design/diode_current.h"
#include "report/report_file.h"
#include "report/report_texts.h"

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
      error_(ModalErrorSink(this)) {
  setObjectName("Form1");
  setWindowTitle(Q(texts::kCaption));
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
  exportSpiceItem_ = new QAction(Q(texts::kExportSpiceItem), this);
  if (QMenu* file = qobject_cast<QMenu*>(controls_.n4->parent())) {
    file->insertAction(controls_.n4, exportSpiceItem_);
  }
  simulationItem_ = menuBar()->addMenu(Q(texts::kSimulationMenu))->addAction(Q(texts::kSimulationItem));
  for (QAction* item : {simulationItem_, exportSpiceItem_}) item->setEnabled(false);
  connect(simulationItem_, &QAction::triggered, this, &TForm1::OpenSimulation);
  connect(exportSpiceItem_, &QAction::triggered, this, &TForm1::ExportSpice);

  FormCreate();
}

void TForm1::FormCreate() {
  Guarded([this] { procedure_.FormCreate(*this); });
}

template <typename Handler>
void TForm1::Guarded(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    error_(QString::fromUtf8(e.what()));
  } catch (...) {
    error_(QStringLiteral("Unknown error"));
  }
}

void TForm1::Button1Click() {
  Guarded([this] {
    procedure_.Button1Click(*this);
    RefreshPlots();
  });
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
  simulationItem_->setEnabled(calculated);
  exportSpiceItem_->setEnabled(calculated);
  if (!calculated) return;
  if (simulation_) simulation_->SetDesign(procedure_.LastDesign()->Inputs);
  if (loadPlot_) ShowDesignIn(*loadPlot_);
  if (pulsePlot_) ShowDesignIn(*pulsePlot_);
}

void TForm1::ShowDesignIn(LoadCharacteristicWindow& window) {
  window.Show(*procedure_.LastDesign(), TrackBarPosition(), procedure_.DecimalSeparator());
}

void TForm1::ShowDesignIn(DiodeCurrentWindow& window) {
  window.Show(design::DiodeCurrent(*procedure_.LastDesign()), procedure_.DecimalSeparator());
}

template <typename Window>
void TForm1::OpenPlot(QPointer<Window>& window) {
  Guarded([&] {
    if (!procedure_.State().Calculated) return;
    if (!window) window = new Window(this);
    ShowDesignIn(*window);
    window->show();
    window->raise();
  });
}

void TForm1::N7Click() { OpenPlot(loadPlot_); }

void TForm1::N8Click() { OpenPlot(pulsePlot_); }

void TForm1::OpenSimulation() {
  Guarded([this] {
    if (!procedure_.State().Calculated) return;
    if (!simulation_) {
      simulation_ = new SimulationWindow(procedure_.DecimalSeparator(), this);
      simulation_->SetMessageSink(message_);
      simulation_->SetDesign(procedure_.LastDesign()->Inputs);
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
    if (simulation_) {
      if (const auto typed = simulation_->Settings()) {
        settings = *typed;
      } else {
        return;
      }
      periods = simulation_->SettledPeriods();
    }
    ExportSpiceNetlist(this, procedure_.LastDesign()->Inputs, settings, periods, fileDialog_,
                       message_);
  });
}

void TForm1::N3Click() {
  Guarded([this] {
    if (!procedure_.State().Calculated) {
      ShowMessage(report::texts::kCalculateFirst);
      return;
    }
    QString fileName;
    fileDialog_(this, Q(report::texts::kDefaultExtension), Q(report::texts::kDialogFilter),
                Q(report::texts::kInitialFolder), Q(report::texts::kDialogTitle), fileName, false);
    if (fileName.isEmpty()) return;  // cancelled
    const report::ReportContent content = report::ContentOf(procedure_);
    // A write that fails throws; Guarded shows it in the error box.
    report::AppendReport(QFile::encodeName(fileName).toStdString(), [&] {
      return report::EncodeReport(report::ReportLines(content, clock_(), timeSeparator_));
    });
  });
}

void TForm1::N4Click() { QCoreApplication::quit(); }

void TForm1::N5Click() {
  Guarded([this] { ShowMessage(texts::AboutMessage()); });
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
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

bool TForm1::RadioButton2Checked() const { return controls_.radioButton2->isChecked(); }

void TForm1::SetGroupEnabled(Group group, bool enabled) {
  controls_.Group(group)->setEnabled(enabled);
}

int TForm1::TrackBarPosition() const { return controls_.trackBar1->value(); }

void TForm1::SetTrackBarPosition(int position) {
  const QSignalBlocker quiet(controls_.trackBar1);
  controls_.trackBar1->setValue(position);
}

void TForm1::ShowMessage(std::string_view text) { message_(Q(text)); }

}  // namespace tavro::app
