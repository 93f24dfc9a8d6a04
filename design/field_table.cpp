#include "design/field_table.h"

#include "design/load_table.h"

namespace tavro::design {

Field FieldOf(Input input) {
  for (const InputField& f : kInputFields) {
    if (f.Quantity == input) return f.Control;
  }
  return Field::Edit3;
}

Field FieldOf(Quantity quantity, Form form) {
  for (const ShownField& f : kShownFields) {
    if (f.Shows == quantity && f.As == form) return f.Control;
  }
  return Field::Label37;
}

InputTexts ReadInputTexts(const DesignWindow& window) {
  InputTexts texts;
  for (const InputField& f : kInputFields) texts.Of(f.Quantity) = window.Text(f.Control);
  texts.Limbs = window.RadioButton2Checked() ? "2" : "1";
  return texts;
}

void WriteDesign(const Design& design, char separator, const FieldWriter& write) {
  for (const ShownField& f : kShownFields) {
    write(f.Control, ShownText(design, f.Shows, f.As, separator));
  }
}

std::array<std::string, kFieldCount> DesignFieldTexts(const Design& design, const InputTexts& typed,
                                                      char separator) {
  std::array<std::string, kFieldCount> texts{};
  for (const InputField& f : kInputFields) texts[FieldIndex(f.Control)] = typed.Of(f.Quantity);
  WriteDesign(design, separator,
              [&](Field f, std::string_view text) { texts[FieldIndex(f)].assign(text); });
  texts[FieldIndex(kPercentLabel)] = PercentText(kRatedRow);
  return texts;
}

}  // namespace tavro::design
