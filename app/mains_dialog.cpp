#include "app/mains_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <iterator>
#include <utility>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "app/messages.h"
#include "app/plot_windows.h"
#include "app/qt_text.h"
#include "design/ratings/ratings_texts.h"

namespace tavro::app {

namespace r = design::ratings;

namespace {

// The mains engineers meet most.
constexpr design::Mains kPresets[] = {
    {220.0L, 50.0L}, {230.0L, 50.0L}, {120.0L, 60.0L}, {100.0L, 50.0L}, {100.0L, 60.0L}};

// Far beyond every accepted value, so a number is never cut short while it is
// typed; the range check on OK names what is out of range.
constexpr long double kTypedLimit = 1.0e6L;

QDoubleSpinBox* SpinBox(QWidget* parent, const char* name, long double low, long double high,
                        long double value, int decimals, const QLocale& locale) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(name);
  box->setLocale(locale);
  box->setDecimals(decimals);
  box->setRange(static_cast<double>(low), static_cast<double>(high));
  box->setKeyboardTracking(true);
  box->setValue(static_cast<double>(value));
  return box;
}

// A spin box holds a double; a value the user did not change keeps its
// exact extended value.
long double Value(const QDoubleSpinBox& box, long double original) {
  return box.value() == static_cast<double>(original) ? original
                                                      : static_cast<long double>(box.value());
}

}  // namespace

MainsDialog::MainsDialog(const r::SupplyConditions& current, char decimalSeparator, QWidget* parent)
    : QDialog(parent) {
  Follow(*this, this, [this] { setWindowTitle(T(texts::kMainsTitle)); });
  const QLocale locale = PlotLocale(decimalSeparator);
  voltage_ = SpinBox(this, "MainsVoltage", 0.0L, kTypedLimit, current.Supply.Voltage, 2, locale);
  frequency_ =
      SpinBox(this, "MainsFrequency", 0.0L, kTypedLimit, current.Supply.Frequency, 2, locale);
  tolerance_ =
      SpinBox(this, "MainsTolerance", 0.0L, kTypedLimit, current.Tolerance * 100.0L, 2, locale);
  preset_ = new QComboBox(this);
  preset_->setObjectName("MainsPreset");
  Follow(*this, preset_, [this, locale] {
    const QSignalBlocker quiet(preset_);
    preset_->clear();
    preset_->addItem(T(texts::kMainsPresetOther));
    for (const design::Mains& m : kPresets) {
      preset_->addItem(T(texts::kMainsPresetItem)
                           .arg(locale.toString(static_cast<double>(m.Voltage)))
                           .arg(locale.toString(static_cast<double>(m.Frequency))));
    }
    ShowPreset();
  });
  connect(preset_, &QComboBox::activated, this, [this](int index) {
    if (index < 1) return;
    const design::Mains& m = kPresets[index - 1];
    voltage_->setValue(static_cast<double>(m.Voltage));
    frequency_->setValue(static_cast<double>(m.Frequency));
  });
  for (QDoubleSpinBox* box : {voltage_, frequency_}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, &MainsDialog::ShowPreset);
  }
  auto* form = new QFormLayout;
  auto* presetLabel = new QLabel(this);
  Follow(*this, presetLabel, [presetLabel] { presetLabel->setText(T(texts::kMainsPreset)); });
  form->addRow(presetLabel, preset_);
  for (auto [text, box] :
       {std::pair{texts::kMainsVoltage, voltage_}, std::pair{texts::kMainsFrequency, frequency_},
        std::pair{texts::kMainsTolerance, tolerance_}}) {
    auto* label = new QLabel(this);
    Follow(*this, label, [label, text = text] { label->setText(T(text)); });
    form->addRow(label, box);
  }
  auto* note = new QLabel(this);
  Follow(*this, note, [note] { note->setText(T(texts::kMainsNote)); });
  note->setWordWrap(true);
  problem_ = new QLabel(this);
  problem_->setObjectName("MainsProblem");
  problem_->setWordWrap(true);
  problem_->setStyleSheet("color: #b00000");
  problem_->hide();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(problem_);
  layout->addWidget(buttons);
  original_ = current;
}

void MainsDialog::ShowPreset() {
  int index = 0;
  for (std::size_t i = 0; i < std::size(kPresets); ++i) {
    if (voltage_->value() == static_cast<double>(kPresets[i].Voltage) &&
        frequency_->value() == static_cast<double>(kPresets[i].Frequency)) {
      index = static_cast<int>(i) + 1;
    }
  }
  const QSignalBlocker quiet(preset_);
  preset_->setCurrentIndex(index);
}

void MainsDialog::accept() {
  const r::SupplyConditions chosen = Chosen();
  if (const auto problem = r::CheckSupply(chosen.Supply.Voltage, chosen.Supply.Frequency,
                                          chosen.Tolerance * 100.0L)) {
    problem_->setText(T(r::texts::kContext, *problem));
    problem_->show();
    return;
  }
  QDialog::accept();
}

r::SupplyConditions MainsDialog::Chosen() const {
  r::SupplyConditions s;
  s.Supply.Voltage = Value(*voltage_, original_.Supply.Voltage);
  s.Supply.Frequency = Value(*frequency_, original_.Supply.Frequency);
  const long double percent = Value(*tolerance_, original_.Tolerance * 100.0L);
  s.Tolerance = percent == original_.Tolerance * 100.0L ? original_.Tolerance : percent / 100.0L;
  return s;
}

MainsDialogRunner ModalMainsDialog(char decimalSeparator) {
  return
      [decimalSeparator](QWidget* parent,
                         const r::SupplyConditions& current) -> std::optional<r::SupplyConditions> {
        MainsDialog dialog(current, decimalSeparator, parent);
        ShowCentred(dialog);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Chosen();
      };
}

}  // namespace tavro::app
