#include "app/selection_window.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>
#include <utility>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "app/plot_windows.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"
#include "design/ratings/choice_limits.h"
#include "design/ratings/ratings_texts.h"
#include "design/ratings/selection_table.h"
#include "design/ratings/warnings.h"
#include "i18n/catalogue.h"
#include "mathem/faults.h"

namespace tavro::app {

namespace r = design::ratings;

namespace {

// A choice of PartChoices shown in a spin box: its label, object name,
// range, decimals and where it lives; an optional choice shows 0 for none.
struct LossChoice {
  std::string_view Label;
  std::string_view Tip;
  const char* Name;
  r::ChoiceRange Range;
  int Decimals;
  long double r::PartChoices::*Value;
  std::optional<long double> r::PartChoices::*Optional;
};

const LossChoice kLossChoices[] = {
    {texts::kCapacitorMargin, texts::kCapacitorMarginTip, "CapacitorMargin",
     r::kCapacitorMarginRange, 2, &r::PartChoices::CapacitorVoltageMargin, nullptr},
    {texts::kCapacitorEsr, texts::kCapacitorEsrTip, "CapacitorEsr", r::kCapacitorEsrRange, 4,
     nullptr, &r::PartChoices::CapacitorEsr},
    {texts::kCapacitorLife, texts::kCapacitorLifeTip, "CapacitorLife", r::kCapacitorLifeRange, 0,
     &r::PartChoices::CapacitorRatedLife, nullptr},
    {texts::kCapacitorTemperature, texts::kCapacitorLifeTip, "CapacitorTemperature",
     r::kCapacitorTemperatureRange, 0, &r::PartChoices::CapacitorRatedTemperature, nullptr},
    {texts::kAmbient, texts::kAmbientTip, "Ambient", r::kAmbientRange, 0, &r::PartChoices::Ambient,
     nullptr},
    {texts::kCoreLossShare, texts::kCoreLossShareTip, "CoreLossShare", r::kCoreLossShareRange, 2,
     &r::PartChoices::CoreLossShare, nullptr},
    {texts::kFuseFactor, texts::kFuseFactorTip, "FuseFactor", r::kFuseFactorRange, 2,
     &r::PartChoices::FuseFactor, nullptr},
    {texts::kSurgeLimit, texts::kSurgeLimitTip, "SurgeLimit", r::kSurgeLimitRange, 1, nullptr,
     &r::PartChoices::SurgeLimit},
};

double Shown(const LossChoice& c, const r::PartChoices& choices) {
  if (c.Value != nullptr) return static_cast<double>(choices.*c.Value);
  return static_cast<double>((choices.*c.Optional).value_or(0.0L));
}

}  // namespace

SelectionWindow::SelectionWindow(const r::PartChoices& choices, char decimalSeparator,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), separator_(decimalSeparator), choices_(choices) {
  setObjectName("SelectionWindow");
  Follow(*this, this, [this] { setWindowTitle(T(kRatingsContext, r::texts::kSelectionTitle)); });
  const QLocale locale = PlotLocale(decimalSeparator);

  capacitorTolerance_ = new QDoubleSpinBox(this);
  capacitorTolerance_->setObjectName("CapacitorTolerance");
  capacitorTolerance_->setLocale(locale);
  capacitorTolerance_->setDecimals(0);
  capacitorTolerance_->setRange(0.0, 90.0);
  capacitorTolerance_->setValue(static_cast<double>(choices.CapacitanceTolerance * 100.0L));
  series_ = new QComboBox(this);
  series_->setObjectName("CapacitorSeries");
  series_->addItem(Q(texts::kE6));
  series_->addItem(Q(texts::kE12));
  series_->setCurrentIndex(choices.Series == r::CapacitanceSeries::E12 ? 1 : 0);
  diodeMargin_ = new QDoubleSpinBox(this);
  diodeMargin_->setObjectName("DiodeMargin");
  diodeMargin_->setLocale(locale);
  diodeMargin_->setDecimals(2);
  diodeMargin_->setSingleStep(0.1);
  diodeMargin_->setRange(1.0, 10.0);
  diodeMargin_->setValue(static_cast<double>(choices.DiodeVoltageMargin));
  diode_ = new QComboBox(this);
  diode_->setObjectName("ChosenDiode");
  Follow(*this, diode_, [this] {
    if (diode_->count() == 0) diode_->addItem(QString());
    diode_->setItemText(0, T(texts::kNoDiode));
  });
  for (const r::DiodeDatasheet& d : r::DiodeCatalogue())
    diode_->addItem(QString::fromStdString(d.Name));
  if (const r::DiodeDatasheet* chosen = r::FindDiode(choices.Diode)) {
    diode_->setCurrentText(QString::fromStdString(chosen->Name));
  } else {
    choices_.Diode.clear();  // a stored name the library no longer holds
  }

  // The choices as label and field pairs in a grid, two pairs a row (narrow
  // enough for the window beside the main one): the buyer's four, the
  // capacitor's, then the heat's and the switch-on's.
  constexpr int perRow = 2;
  auto* settings = new QGridLayout;
  settings->setHorizontalSpacing(8);
  int pair = 0;
  const auto addPair = [&](QLabel* label, QWidget* box) {
    label->setBuddy(box);
    settings->addWidget(label, pair / perRow, 2 * (pair % perRow));
    settings->addWidget(box, pair / perRow, 2 * (pair % perRow) + 1);
    ++pair;
  };
  for (auto [text, box] :
       {std::pair<std::string_view, QWidget*>{texts::kCapacitorTolerance, capacitorTolerance_},
        {texts::kCapacitorSeries, series_},
        {texts::kDiodeMargin, diodeMargin_},
        {texts::kChosenDiode, diode_}}) {
    auto* label = new QLabel(this);
    Follow(*this, label, [label, text = text] { label->setText(T(text)); });
    addPair(label, box);
  }
  for (const LossChoice& c : kLossChoices) {
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(c.Name);
    box->setLocale(locale);
    box->setDecimals(c.Decimals);
    // An optional choice also takes 0, its "none".
    box->setRange(c.Optional != nullptr ? 0.0 : static_cast<double>(c.Range.Low),
                  static_cast<double>(c.Range.High));
    box->setValue(Shown(c, choices));
    auto* label = new QLabel(this);
    Follow(*this, label, [label, box, text = c.Label, tip = c.Tip] {
      label->setText(T(text));
      box->setToolTip(T(tip));
    });
    addPair(label, box);
    lossChoices_.push_back(box);
    connect(box, &QDoubleSpinBox::valueChanged, this, &SelectionWindow::ReadChoices);
  }
  settings->setColumnStretch(2 * perRow, 1);

  table_ = new QTableWidget(0, 3, this);
  table_->setObjectName("SelectionTable");
  Follow(*this, table_, [this] {
    table_->setHorizontalHeaderLabels({T(kRatingsContext, r::texts::kColumnPart),
                                       T(kRatingsContext, r::texts::kColumnRequirement),
                                       T(kRatingsContext, r::texts::kColumnChoice)});
    ShowRows();
  });
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setWordWrap(false);
  table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

  warnings_ = new QLabel(this);
  warnings_->setObjectName("SelectionWarnings");
  warnings_->setWordWrap(true);
  warnings_->setStyleSheet("color: #9a4a00");

  // On a small screen the window scrolls rather than reaching off it.
  auto* layout = new QVBoxLayout(ScrolledContent(*this));
  layout->addLayout(settings);
  layout->addWidget(table_, 1);
  layout->addWidget(warnings_);
  banner_ = new DesignBanner(*this, {table_, warnings_});
  table_->setMinimumHeight(160);
  setMinimumSize(480, 360);
  resize(1060, 760);

  connect(capacitorTolerance_, &QDoubleSpinBox::valueChanged, this, &SelectionWindow::ReadChoices);
  connect(diodeMargin_, &QDoubleSpinBox::valueChanged, this, &SelectionWindow::ReadChoices);
  connect(series_, &QComboBox::currentIndexChanged, this, &SelectionWindow::ReadChoices);
  connect(diode_, &QComboBox::currentIndexChanged, this, &SelectionWindow::ReadChoices);
}

void SelectionWindow::ReadChoices() {
  // A spin box the user left alone keeps its exact value.
  const double tolerance = capacitorTolerance_->value();
  if (tolerance != static_cast<double>(choices_.CapacitanceTolerance * 100.0L)) {
    choices_.CapacitanceTolerance = static_cast<long double>(tolerance) / 100.0L;
  }
  const double margin = diodeMargin_->value();
  if (margin != static_cast<double>(choices_.DiodeVoltageMargin)) {
    choices_.DiodeVoltageMargin = static_cast<long double>(margin);
  }
  choices_.Series =
      series_->currentIndex() == 1 ? r::CapacitanceSeries::E12 : r::CapacitanceSeries::E6;
  for (std::size_t k = 0; k < lossChoices_.size(); ++k) {
    const LossChoice& c = kLossChoices[k];
    const double value = lossChoices_[k]->value();
    if (value == Shown(c, choices_)) continue;  // left alone: keeps its exact value
    if (c.Value != nullptr) {
      choices_.*c.Value = static_cast<long double>(value);
    } else if (value == 0.0) {
      (choices_.*c.Optional).reset();
    } else {
      choices_.*c.Optional = std::max(static_cast<long double>(value), c.Range.Low);
    }
  }
  choices_.Diode = diode_->currentIndex() > 0 ? diode_->currentText().toStdString() : std::string();
  emit ChoicesChanged(choices_);
  Refresh();
}

void SelectionWindow::Show(const design::Design& design, const r::SupplyConditions& mains,
                           const std::optional<r::SimulatedFigures>& simulated) {
  design_ = design;
  mains_ = mains;
  simulated_ = simulated;
  Refresh();
}

void SelectionWindow::Refresh() {
  if (!design_) return;
  try {
    rated_ = r::RateParts(*design_, mains_, choices_, simulated_);
  } catch (const mathem::NumericalFailure& e) {
    rated_ = std::string(e.what());
  }
  ShowRows();
}

void SelectionWindow::ShowRows() {
  if (!design_) return;
  const auto* ratings = std::get_if<r::PartRatings>(&rated_);
  const std::vector<r::SelectionRow> rows =
      ratings != nullptr
          ? r::SelectionRows(*ratings, separator_, i18n::TranslateUtf8,
                             design::NumberStyle::Readable)
          : std::vector<r::SelectionRow>{
                {r::NotComputedText(std::get<std::string>(rated_), i18n::TranslateUtf8),
                 {},
                 {},
                 true}};
  table_->clearSpans();
  table_->setRowCount(static_cast<int>(rows.size()));
  QFont bold = font();
  bold.setBold(true);
  const QBrush headingShade = palette().brush(QPalette::AlternateBase);
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const r::SelectionRow& row = rows[static_cast<std::size_t>(i)];
    const std::string* cells[] = {&row.Part, &row.Requirement, &row.Choice};
    for (int c = 0; c < 3; ++c) {
      auto* item = new QTableWidgetItem(Q(*cells[c]));
      if (row.Heading || c == 2) item->setFont(bold);
      if (row.Heading) item->setBackground(headingShade);
      table_->setItem(i, c, item);
    }
    if (row.Heading) table_->setSpan(i, 0, 1, 3);
  }

  QString text = WarningLines(*design_);
  if (ratings != nullptr && ratings->ChosenDiode) {
    for (const r::DiodeWarning& w : r::DiodeWarnings(*ratings->ChosenDiode)) {
      text += (text.isEmpty() ? QString() : QStringLiteral("\n")) +
              T(kRatingsContext, r::texts::kWarningsPrefix) + T(kRatingsContext, w.Text);
    }
  }
  warnings_->setText(text);
  warnings_->setVisible(!text.isEmpty());
}

QString WarningLines(const design::Design& design) {
  QString lines;
  for (r::WarningKind k : r::PlausibilityWarnings(design)) {
    lines += (lines.isEmpty() ? QString() : QStringLiteral("\n")) +
             T(kRatingsContext, r::texts::kWarningsPrefix) + T(kRatingsContext, r::WarningText(k));
  }
  return lines;
}

}  // namespace tavro::app
