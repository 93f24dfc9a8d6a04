#include "app/transformer_windows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/interface_language.h"
#include "app/plot_windows.h"
#include "app/qt_text.h"
#include "design/transformer/candidate_table.h"
#include "design/transformer/transformer_texts.h"
#include "design/transformer/winding_table.h"
#include "i18n/catalogue.h"
#include "mathem/faults.h"

namespace tavro::app {

namespace tr = design::transformer;
namespace tt = design::transformer::texts;

namespace {

constexpr const char* kTransformerContext = tt::kContext;

constexpr tr::CoreFamily kFamilies[] = {tr::CoreFamily::LaminatedEI, tr::CoreFamily::Toroidal,
                                        tr::CoreFamily::CutC};

int IndexOf(tr::CoreFamily family) {
  for (int k = 0; k < 3; ++k) {
    if (kFamilies[k] == family) return k;
  }
  return 0;
}

}  // namespace

CandidatesWindow::CandidatesWindow(char decimalSeparator, QWidget* parent)
    : QWidget(parent, Qt::Window), separator_(decimalSeparator) {
  setObjectName("CandidatesWindow");
  Follow(*this, this, [this] { setWindowTitle(T(kTransformerContext, tt::kCandidatesTitle)); });
  need_ = new QLabel(this);
  need_->setObjectName("CandidatesNeed");
  need_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  table_ = new QTableWidget(0, 2, this);
  table_->setObjectName("CandidatesTable");
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  table_->setWordWrap(true);
  table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  Follow(*this, table_, [this] {
    table_->setHorizontalHeaderLabels({T(kTransformerContext, tt::kColumnTransformer),
                                       T(kTransformerContext, tt::kColumnWithIt)});
    ShowRows();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(need_);
  layout->addWidget(table_, 1);
  banner_ = new DesignBanner(*this, {need_, table_});
  resize(1060, 420);
}

void CandidatesWindow::Show(const design::Design& design,
                            const design::ratings::SupplyConditions& mains,
                            const design::ratings::PartChoices& choices) {
  try {
    suggestion_ = tr::SuggestTransformers(design, mains, choices);
  } catch (const mathem::NumericalFailure&) {
    suggestion_.reset();
  }
  ShowRows();
}

void CandidatesWindow::ShowRows() {
  if (!suggestion_) {
    need_->setText(T(kTransformerContext, tt::kNoCandidate));
    table_->setRowCount(0);
    return;
  }
  const tr::Suggestion& s = *suggestion_;
  need_->setText(Q(tr::NeedText(s, separator_, i18n::TranslateUtf8)) +
                 (s.Chosen ? QString() : "\n" + T(kTransformerContext, tt::kNoCandidate)));
  const std::vector<tr::CandidateLine> lines =
      tr::CandidateLines(s, separator_, i18n::TranslateUtf8);
  table_->setRowCount(static_cast<int>(lines.size()));
  QFont bold = font();
  bold.setBold(true);
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const tr::CandidateLine& line = lines[static_cast<std::size_t>(i)];
    QString plate = Q(line.Plate);
    if (line.Chosen) plate = "→ " + plate + "\n" + T(kTransformerContext, tt::kCandidateChosen);
    auto* name = new QTableWidgetItem(plate);
    auto* figures = new QTableWidgetItem(Q(line.Figures));
    for (QTableWidgetItem* item : {name, figures}) {
      if (line.Chosen) item->setFont(bold);
    }
    table_->setItem(i, 0, name);
    table_->setItem(i, 1, figures);
  }
  table_->resizeRowsToContents();
}

WindingWindow::WindingWindow(char decimalSeparator, QWidget* parent)
    : QWidget(parent, Qt::Window), separator_(decimalSeparator) {
  setObjectName("WindingWindow");
  Follow(*this, this, [this] { setWindowTitle(T(kTransformerContext, tt::kWindingTitle)); });
  family_ = new QComboBox(this);
  family_->setObjectName("CoreFamily");
  Follow(*this, family_, [this] {
    const bool was = showing_;
    showing_ = true;
    for (int k = 0; k < 3; ++k) {
      const QString name = Q(tr::FamilyText(kFamilies[k], i18n::TranslateUtf8));
      if (family_->count() <= k) {
        family_->addItem(name);
      } else {
        family_->setItemText(k, name);
      }
    }
    showing_ = was;
  });
  flux_ = new QDoubleSpinBox(this);
  flux_->setObjectName("WindingFlux");
  flux_->setLocale(PlotLocale(decimalSeparator));
  flux_->setDecimals(2);
  flux_->setSingleStep(0.05);
  flux_->setRange(0.1, 2.5);  // as tavro-cli --wind-flux
  flux_->setValue(1.2);
  lines_ = new QListWidget(this);
  lines_->setObjectName("WindingLines");
  lines_->setWordWrap(true);
  lines_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  Follow(*this, lines_, [this] { ShowLines(); });

  auto* choices = new QHBoxLayout;
  for (auto [text, box] : {std::pair<std::string_view, QWidget*>{tt::kFamilyLabel, family_},
                           {tt::kFluxLabel, flux_}}) {
    auto* label = new QLabel(this);
    Follow(*this, label, [label, text = text] { label->setText(T(kTransformerContext, text)); });
    label->setBuddy(box);
    choices->addWidget(label);
    choices->addWidget(box);
    choices->addSpacing(16);
  }
  choices->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(lines_, 1);
  banner_ = new DesignBanner(*this, {lines_});
  resize(1060, 460);

  connect(family_, &QComboBox::currentIndexChanged, this, [this] {
    if (showing_) return;
    familyChosen_ = true;
    Rewind();
  });
  connect(flux_, &QDoubleSpinBox::valueChanged, this, [this] {
    if (showing_) return;
    fluxChosen_ = true;
    Rewind();
  });
}

void WindingWindow::Show(const design::Design& design,
                         const design::ratings::PartChoices& choices) {
  design_ = design;
  ambient_ = choices.Ambient;
  showing_ = true;
  if (!familyChosen_) family_->setCurrentIndex(IndexOf(tr::DefaultFamily(design)));
  if (!fluxChosen_) flux_->setValue(static_cast<double>(design.Inputs.Bm));
  showing_ = false;
  Rewind();
}

void WindingWindow::Rewind() {
  if (!design_) return;
  // The flux density as typed, or the design's exactly while untouched.
  const long double bm =
      fluxChosen_ ? static_cast<long double>(flux_->value()) : design_->Inputs.Bm;
  request_ = tr::WindingRequest{kFamilies[std::max(0, family_->currentIndex())], bm, ambient_};
  result_ = tr::Wind(*design_, design_->Supply, *request_);
  ShowLines();
}

void WindingWindow::ShowLines() {
  lines_->clear();
  if (!result_ || !design_) return;
  if (const auto* error = std::get_if<tr::WindingError>(&*result_)) {
    lines_->addItem(Q(tr::WindingErrorText(*error, i18n::TranslateUtf8)));
    return;
  }
  for (const std::string& line : tr::WindingLines(*design_, std::get<tr::Winding>(*result_),
                                                  separator_, i18n::TranslateUtf8)) {
    lines_->addItem(Q(line));
  }
}

}  // namespace tavro::app
