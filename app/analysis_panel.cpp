#include "app/analysis_panel.h"

#include <QActionGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <string>
#include <variant>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"
#include "design/decimal.h"
#include "design/readable_number.h"
#include "design/texts.h"
#include "design/transformer/transformer_check.h"
#include "i18n/catalogue.h"

namespace tavro::app {
namespace {

using design::Unit;

constexpr std::string_view kCaptions[kAnalysisFields] = {
    texts::kAnalysisVoltage,     texts::kAnalysisCurrent,      texts::kAnalysisPower,
    texts::kAnalysisR1,          texts::kAnalysisR2,           texts::kAnalysisRegulation,
    texts::kAnalysisLeakage,     texts::kAnalysisShortVoltage, texts::kAnalysisShortCurrent,
    texts::kAnalysisCapacitance, texts::kAnalysisLoadCurrent,  texts::kAnalysisDiodeDrop,
    texts::kAnalysisFlux};
constexpr const char* kObjectNames[kAnalysisFields] = {
    "AnalysisVoltage",      "AnalysisCurrent",     "AnalysisPower",       "AnalysisR1",
    "AnalysisR2",           "AnalysisRegulation",  "AnalysisLeakage",     "AnalysisShortVoltage",
    "AnalysisShortCurrent", "AnalysisCapacitance", "AnalysisLoadCurrent", "AnalysisDiodeDrop",
    "AnalysisFlux"};
// The file's texts in the order of the fields.
constexpr std::string design::AnalysisTexts::*kTexts[kAnalysisFields] = {
    &design::AnalysisTexts::Voltage,
    &design::AnalysisTexts::Current,
    &design::AnalysisTexts::Power,
    &design::AnalysisTexts::PrimaryResistance,
    &design::AnalysisTexts::SecondaryResistance,
    &design::AnalysisTexts::Regulation,
    &design::AnalysisTexts::Leakage,
    &design::AnalysisTexts::ShortCircuitVoltage,
    &design::AnalysisTexts::ShortCircuitCurrent,
    &design::AnalysisTexts::Capacitance,
    &design::AnalysisTexts::LoadCurrent,
    &design::AnalysisTexts::DiodeDrop,
    &design::AnalysisTexts::Flux};

std::string_view ResistanceNote(design::Origin origin) {
  switch (origin) {
    case design::Origin::Measured:
      return texts::kAnalysisByOhmmeter;
    case design::Origin::Given:
      return texts::kAnalysisByRegulation;
    case design::Origin::Estimated:
      break;
  }
  return texts::kAnalysisTypical;
}

std::string_view LeakageNote(design::Origin origin) {
  switch (origin) {
    case design::Origin::Given:
      return texts::kAnalysisGiven;
    case design::Origin::Measured:
      return texts::kAnalysisShortCircuit;
    case design::Origin::Estimated:
      break;
  }
  return texts::kAnalysisEstimated;
}

}  // namespace

AnalysisPanel::AnalysisPanel(QWidget& window, char separator, MainsOf mains)
    : separator_(separator), mains_(std::move(mains)) {
  setObjectName("AnalysisPanel");
  auto* outer = new QHBoxLayout(this);
  inputs_ = new QGroupBox(this);
  auto* form = new QFormLayout(inputs_);
  for (int i = 0; i < kAnalysisFields; ++i) {
    captions_[i] = new QLabel(inputs_);
    edits_[i] = new QLineEdit(inputs_);
    edits_[i]->setObjectName(kObjectNames[i]);
    edits_[i]->setFixedWidth(90);
    connect(edits_[i], &QLineEdit::textEdited, this, &AnalysisPanel::Edited);
    connect(edits_[i], &QLineEdit::returnPressed, this, &AnalysisPanel::Check);
    form->addRow(captions_[i], edits_[i]);
    if (static_cast<AnalysisField>(i) == AnalysisField::Voltage) {
      noLoad_ = new QCheckBox(inputs_);
      noLoad_->setObjectName("AnalysisNoLoad");
      connect(noLoad_, &QCheckBox::toggled, this, &AnalysisPanel::Edited);
      form->addRow(QString(), noLoad_);
    }
    if (static_cast<AnalysisField>(i) == AnalysisField::Regulation) {
      kindCaption_ = new QLabel(inputs_);
      kind_ = new QComboBox(inputs_);
      kind_->setObjectName("AnalysisKind");
      kind_->addItems({QString(), QString()});
      connect(kind_, &QComboBox::currentIndexChanged, this, &AnalysisPanel::Edited);
      form->addRow(kindCaption_, kind_);
    }
  }
  limbsCaption_ = new QLabel(inputs_);
  limbs_ = new QComboBox(inputs_);
  limbs_->setObjectName("AnalysisLimbs");
  limbs_->addItems({"1", "2"});
  connect(limbs_, &QComboBox::currentIndexChanged, this, &AnalysisPanel::Edited);
  form->addRow(limbsCaption_, limbs_);
  check_ = new QPushButton(inputs_);
  check_->setObjectName("AnalysisCheck");
  connect(check_, &QPushButton::clicked, this, &AnalysisPanel::Check);
  form->addRow(QString(), check_);
  error_ = new QLabel(inputs_);
  error_->setObjectName("AnalysisError");
  error_->setStyleSheet("color: #b00000");
  error_->setWordWrap(true);
  form->addRow(error_);
  outer->addWidget(inputs_, 0, Qt::AlignTop);

  outputs_ = new QGroupBox(this);
  auto* column = new QVBoxLayout(outputs_);
  results_ = new QTableWidget(0, 3, outputs_);
  results_->setObjectName("AnalysisResults");
  load_ = new QTableWidget(0, 2, outputs_);
  load_->setObjectName("AnalysisLoadCharacteristic");
  for (QTableWidget* table : {results_, load_}) {
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
  }
  results_->horizontalHeader()->hide();
  results_->setMinimumSize(560, 330);
  load_->setMinimumSize(560, 200);
  column->addWidget(results_);
  column->addWidget(load_);
  outer->addWidget(outputs_, 1);
  SetTexts(Blank());
  Follow(window, this, [this] { ShowTexts(); });
}

void AnalysisPanel::ShowTexts() {
  inputs_->setTitle(T(texts::kAnalysisInputs));
  outputs_->setTitle(T(texts::kAnalysisResults));
  for (int i = 0; i < kAnalysisFields; ++i) captions_[i]->setText(T(kCaptions[i]));
  noLoad_->setText(T(texts::kAnalysisNoLoad));
  kindCaption_->setText(T(texts::kAnalysisKind));
  kind_->setItemText(0, T(texts::kAnalysisLaminated));
  kind_->setItemText(1, T(texts::kAnalysisToroidal));
  limbsCaption_->setText(T(texts::kAnalysisLimbs));
  check_->setText(T(texts::kAnalysisCheck));
  load_->setHorizontalHeaderLabels(
      {T(texts::kAnalysisLoadCurrentColumn), T(texts::kAnalysisLoadVoltageColumn)});
  if (checked_) Check();
  // Laid out at once, hidden or not, so every caption has its room.
  adjustSize();
  layout()->setGeometry(rect());
  // A hidden widget's own layout waits for it to be shown: each group's
  // (found after the panel's) is applied now.
  for (QWidget* w : findChildren<QWidget*>()) {
    if (w->layout() != nullptr) w->layout()->setGeometry(w->contentsRect());
  }
}

design::AnalysisTexts AnalysisPanel::Texts() const {
  design::AnalysisTexts t;
  for (int i = 0; i < kAnalysisFields; ++i) t.*kTexts[i] = edits_[i]->text().toStdString();
  t.NoLoad = noLoad_->isChecked();
  t.Kind = kind_->currentIndex() == 1 ? "toroidal" : "laminated";
  t.Limbs = limbs_->currentIndex() + 1;
  return t;
}

void AnalysisPanel::SetTexts(const design::AnalysisTexts& t) {
  for (int i = 0; i < kAnalysisFields; ++i) edits_[i]->setText(Q(t.*kTexts[i]));
  noLoad_->setChecked(t.NoLoad);
  kind_->setCurrentIndex(t.Kind == "toroidal" ? 1 : 0);
  limbs_->setCurrentIndex(t.Limbs == 2 ? 1 : 0);
  checked_ = false;
  error_->clear();
  results_->setRowCount(0);
  load_->setRowCount(0);
}

design::AnalysisTexts AnalysisPanel::Blank() const {
  design::AnalysisTexts t;
  t.Flux = std::string("1") + separator_ + "2";
  return t;
}

void AnalysisPanel::Refuse(const QString& caption, QWidget* entry) {
  checked_ = false;
  results_->setRowCount(0);
  load_->setRowCount(0);
  error_->setText(T(texts::kAnalysisBadEntry).arg(caption));
  if (entry != nullptr) entry->setFocus();
}

void AnalysisPanel::Check() {
  checkedInputs_.reset();
  ShowCheck();
  emit Checked();
}

void AnalysisPanel::ShowCheck() {
  const auto refuse = [this](AnalysisField f) {
    Refuse(T(kCaptions[static_cast<int>(f)]), Entry(f));
  };
  // A blank entry is one left out; a typed one must read as a number.
  std::optional<AnalysisField> unread;
  const auto read = [&](AnalysisField f) -> std::optional<long double> {
    const std::string text = Entry(f)->text().trimmed().toStdString();
    if (text.empty()) return std::nullopt;
    const std::optional<long double> v = design::ParseDecimal(text, separator_);
    if (!v && !unread) unread = f;
    return v ? v : std::optional<long double>(0.0L);
  };
  const auto required = [&](AnalysisField f) {
    const std::optional<long double> v = read(f);
    if (!v && !unread) unread = f;
    return v.value_or(0.0L);
  };
  design::TransformerData plate;
  plate.MeasuredAtNoLoad = noLoad_->isChecked();
  plate.SecondaryVoltage = required(AnalysisField::Voltage);
  plate.RatedCurrent = read(AnalysisField::Current);
  plate.RatedPower = read(AnalysisField::Power);
  plate.PrimaryResistance = read(AnalysisField::PrimaryResistance);
  plate.SecondaryResistance = read(AnalysisField::SecondaryResistance);
  plate.RegulationPercent = read(AnalysisField::Regulation);
  plate.Kind = kind_->currentIndex() == 1 ? design::TransformerKind::Toroidal
                                          : design::TransformerKind::Laminated;
  plate.Leakage = read(AnalysisField::Leakage);
  const std::optional<long double> scVoltage = read(AnalysisField::ShortCircuitVoltage);
  const std::optional<long double> scCurrent = read(AnalysisField::ShortCircuitCurrent);
  if (scVoltage || scCurrent) {
    if (!scVoltage && !unread) unread = AnalysisField::ShortCircuitVoltage;
    if (!scCurrent && !unread) unread = AnalysisField::ShortCircuitCurrent;
    plate.ShortCircuit =
        design::ShortCircuitTest{scVoltage.value_or(0.0L), scCurrent.value_or(0.0L)};
  }
  const long double cf = required(AnalysisField::Capacitance);
  const long double i0 = required(AnalysisField::LoadCurrent);
  plate.DiodeDrop = required(AnalysisField::DiodeDrop);
  plate.FluxDensity = required(AnalysisField::Flux);
  plate.Limbs = limbs_->currentIndex() + 1;
  if (unread) return refuse(*unread);
  // The entries the transformer's conversion does not see.
  for (auto [f, v] :
       {std::pair{AnalysisField::Capacitance, cf}, std::pair{AnalysisField::LoadCurrent, i0},
        std::pair{AnalysisField::DiodeDrop, plate.DiodeDrop},
        std::pair{AnalysisField::Flux, plate.FluxDensity}}) {
    if (!(v > 0.0L && v <= 1.0e12L)) return refuse(f);
  }
  const design::ratings::SupplyConditions mains = mains_();
  const design::TransformerChecking checking = design::CheckTransformer(plate, cf, i0, mains);
  if (const auto* error = std::get_if<design::TransformerDataError>(&checking)) {
    using E = design::TransformerEntry;
    switch (error->Entry) {
      case E::Voltage:
        return refuse(AnalysisField::Voltage);
      case E::Rating:
        return refuse(plate.RatedCurrent ? AnalysisField::Current : AnalysisField::Power);
      case E::Resistances:
        return refuse(plate.PrimaryResistance ? AnalysisField::SecondaryResistance
                                              : AnalysisField::PrimaryResistance);
      case E::Regulation:
        return refuse(AnalysisField::Regulation);
      case E::Leakage:
        return refuse(AnalysisField::Leakage);
      case E::ShortCircuit:
        return refuse(AnalysisField::ShortCircuitVoltage);
      case E::Estimate:
        return refuse(AnalysisField::Flux);
      case E::Mains:
        return Refuse(T(texts::kAnalysisMainsEntry), nullptr);
    }
    return refuse(AnalysisField::Voltage);
  }
  if (const auto* failure = std::get_if<design::Failure>(&checking)) {
    checked_ = false;
    results_->setRowCount(0);
    load_->setRowCount(0);
    error_->setText(Q(i18n::TranslateUtf8(design::texts::kContext,
                                          design::texts::FailureMessage(failure->Stage))));
    return;
  }
  const design::TransformerCheck& r = std::get<design::TransformerCheck>(checking);
  const design::TransformerModel& m = r.Model;
  const design::Analysis& a = r.Nominal;
  const auto value = [this](long double v, Unit unit) {
    return Q(design::FormatReadable(v, unit, separator_, i18n::TranslateUtf8));
  };
  const auto ofRating = [&](long double percent) {
    return T(texts::kAnalysisOfRating).arg(value(percent, Unit::Percent));
  };
  const QString low =
      r.Low ? value(r.Low->U0, Unit::Volt) + "  " + value(r.Low->Kp, Unit::Percent) : QString("—");
  const std::vector<std::array<QString, 3>> rows = {
      {T(texts::kAnalysisEmf), value(m.Emf, Unit::Volt), {}},
      {T(texts::kAnalysisRatedVoltage), value(m.RatedVoltage, Unit::Volt), {}},
      {T(texts::kAnalysisRtr), value(m.Rtr, Unit::Ohm), T(ResistanceNote(m.Resistance))},
      {T(texts::kAnalysisLs), value(m.Ls, Unit::Henry), T(LeakageNote(m.Leakage))},
      {T(texts::kAnalysisU0), value(a.U0, Unit::Volt), {}},
      {T(texts::kAnalysisKp), value(a.Kp, Unit::Percent), {}},
      {T(texts::kAnalysisI2), value(a.I2, Unit::Ampere), ofRating(r.CurrentOfRating)},
      {T(texts::kAnalysisVa), value(a.Pframe, Unit::VoltAmpere), ofRating(r.PowerOfRating)},
      {T(texts::kAnalysisI1), value(a.I1, Unit::Ampere), {}},
      {T(texts::kAnalysisIdrms), value(a.Idrms, Unit::Ampere), {}},
      {T(texts::kAnalysisIdpk), value(a.Idpk, Unit::Ampere), {}},
      {T(texts::kAnalysisUrev), value(a.Urev, Unit::Volt), {}},
      {T(texts::kAnalysisLow).arg(value(r.LowMainsVoltage, Unit::None)), low, {}},
      {T(texts::kAnalysisHigh).arg(value(r.HighMainsVoltage, Unit::None)),
       value(r.NoLoadHigh, Unit::Volt),
       {}},
  };
  results_->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < results_->rowCount(); ++row) {
    for (int col = 0; col < 3; ++col) {
      results_->setItem(row, col, new QTableWidgetItem(rows[static_cast<std::size_t>(row)][col]));
    }
  }
  results_->resizeColumnsToContents();
  load_->setRowCount(design::kLoadRows);
  for (int k = 0; k < design::kLoadRows; ++k) {
    load_->setItem(k, 0, new QTableWidgetItem(value(a.Load.Current[k], Unit::Ampere)));
    load_->setItem(k, 1, new QTableWidgetItem(value(a.Load.Voltage[k], Unit::Volt)));
  }
  error_->clear();
  checked_ = true;
  checkedInputs_ = a.Inputs;
  checkedMains_ = mains;
}

AnalysisMode::AnalysisMode(QMainWindow& window, QMenu& menu, char separator,
                           AnalysisPanel::MainsOf mains)
    : QObject(&window), window_(window) {
  panel_ = new AnalysisPanel(window, separator, std::move(mains));
  panel_->setParent(&window);
  panel_->hide();
  QAction* first = menu.actions().isEmpty() ? nullptr : menu.actions().first();
  designItem_ = new QAction(&menu);
  designItem_->setObjectName("DesignModeItem");
  analysisItem_ = new QAction(&menu);
  analysisItem_->setObjectName("AnalysisModeItem");
  auto* group = new QActionGroup(&menu);
  for (QAction* item : {designItem_, analysisItem_}) {
    item->setCheckable(true);
    group->addAction(item);
    menu.insertAction(first, item);
  }
  menu.insertSeparator(first);
  designItem_->setChecked(true);
  designItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
  analysisItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
  connect(designItem_, &QAction::triggered, this, [this] { SetActive(false); });
  connect(analysisItem_, &QAction::triggered, this, [this] { SetActive(true); });
  connect(panel_, &AnalysisPanel::Edited, this, &AnalysisMode::Changed);
  Follow(window, this, [this] {
    designItem_->setText(T(texts::kDesignMode));
    analysisItem_->setText(T(texts::kAnalysisMode));
  });
}

void AnalysisMode::SetActive(bool active) {
  (active ? analysisItem_ : designItem_)->setChecked(true);
  if (active == active_) return;
  auto* scroll = qobject_cast<QScrollArea*>(window_.centralWidget());
  if (scroll == nullptr) return;
  QWidget* shown = scroll->takeWidget();
  shown->setParent(&window_);
  shown->hide();
  if (active) client_ = shown;
  scroll->setWidget(active ? panel_ : client_);
  (active ? panel_ : client_)->show();
  if (const QScreen* screen = window_.screen()) RefitToClient(window_, screen->availableGeometry());
  active_ = active;
  emit Changed();
}

std::optional<design::AnalysisTexts> AnalysisMode::ForFile() const {
  design::AnalysisTexts texts = panel_->Texts();
  texts.Active = active_;
  if (!active_ && texts == panel_->Blank()) return std::nullopt;
  return texts;
}

void AnalysisMode::Take(const std::optional<design::AnalysisTexts>& texts) {
  panel_->SetTexts(texts ? *texts : panel_->Blank());
  SetActive(texts && texts->Active);
  if (active_) panel_->Check();
}

}  // namespace tavro::app
