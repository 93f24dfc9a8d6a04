#include "design/procedure.h"

#include "design/decimal.h"
#include "design/field_table.h"
#include "design/texts.h"

namespace tavro::design {

DesignProcedure::DesignProcedure(char decimalSeparator, CalculationOptions options)
    : separator_(decimalSeparator), options_(options) {}

const LoadTable& DesignProcedure::Table() const {
  static const LoadTable kEmpty{};
  return lastDesign_ ? lastDesign_->Load : kEmpty;
}

void DesignProcedure::FormCreate(DesignWindow& window) {
  window.SetGroupEnabled(Group::GroupBox4, false);
  window.SetGroupEnabled(Group::GroupBox3, false);
  window.SetGroupEnabled(Group::GroupBox1, false);
  window.SetText(kPercentLabel, PercentText(kRatedRow));
}

ClickOutcome DesignProcedure::Button1Click(DesignWindow& window) {
  const InputTexts typed = ReadInputTexts(window);
  const InputReading reading = ReadInputs(typed, separator_);
  if (LimbsWereRead(reading)) state_.LimbsText = typed.Limbs;
  if (const auto* rejection = std::get_if<InputRejection>(&reading)) {
    if (rejection->FormatError) state_.Calculated = false;
    window.ShowMessage(rejection->Message);
    return ClickOutcome::InputRejected;
  }

  state_.Calculated = false;
  Calculation calculation = Calculate(std::get<DesignInputs>(reading), options_);
  if (const auto* failure = std::get_if<Failure>(&calculation)) {
    window.ShowMessage(texts::FailureMessage(failure->Stage));
    return failure->Stage == FailureStage::CoefficientAbove20 ? ClickOutcome::CoefficientRefused
                                                              : ClickOutcome::CalculationFailed;
  }

  lastDesign_ = std::move(std::get<Design>(calculation));
  state_.CalculatedInputs = typed;
  state_.Calculated = true;
  WriteDesign(*lastDesign_, separator_,
              [&](Field field, std::string_view text) { window.SetText(field, text); });
  window.SetGroupEnabled(Group::GroupBox4, true);
  window.SetGroupEnabled(Group::GroupBox3, true);
  window.SetGroupEnabled(Group::GroupBox1, true);
  // Setting the position from the program does not run TrackBar1Change; the
  // table above has written the rated row's fields, the label follows.
  window.SetTrackBarPosition(kTrackBarRated);
  window.SetText(kPercentLabel, PercentText(kRatedRow));
  return ClickOutcome::Complete;
}

void DesignProcedure::TrackBar1Change(DesignWindow& window) {
  const int position = window.TrackBarPosition();
  if (position < kTrackBarMin || position > kTrackBarMax) return;
  const LoadRowTexts row = FormatLoadRow(Table(), position, separator_);
  window.SetText(kLoadRowFields.Current, row.Current);
  window.SetText(kLoadRowFields.Voltage, row.Voltage);
  window.SetText(kLoadRowFields.Gamma, row.Gamma);
  window.SetText(kLoadRowFields.Sqrt2CosPsi, row.Sqrt2CosPsi);
  window.SetText(kPercentLabel, row.Percent);
}

}  // namespace tavro::design
