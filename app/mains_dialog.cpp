#include "app/mains_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

#include "app/app_texts.h"
#include "app/interface_language.h"
#include "app/plot_windows.h"
#include "app/qt_text.h"

namespace tavro::app {

namespace r = design::ratings;

namespace {

QDoubleSpinBox* SpinBox(QWidget* parent, const char* name, long double low, long double high,
                        long double value, int decimals, const QLocale& locale) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(name);
  box->setLocale(locale);
  box->setDecimals(decimals);
  box->setRange(static_cast<double>(low), static_cast<double>(high));
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
  voltage_ = SpinBox(this, "MainsVoltage", r::kMinMainsVoltage, r::kMaxMainsVoltage,
                     current.Supply.Voltage, 1, locale);
  frequency_ = SpinBox(this, "MainsFrequency", r::kMinMainsFrequency, r::kMaxMainsFrequency,
                       current.Supply.Frequency, 1, locale);
  tolerance_ = SpinBox(this, "MainsTolerance", 0.0L, r::kMaxMainsTolerance,
                       current.Tolerance * 100.0L, 1, locale);
  auto* form = new QFormLayout;
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
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(buttons);
  original_ = current;
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
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Chosen();
      };
}

}  // namespace tavro::app
