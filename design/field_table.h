// The window's presenter table: which control shows which quantity, and in
// what form. The only place where the control names of the inputs and
// results meet the quantities they stand for.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "design/calculate.h"
#include "design/inputs.h"
#include "design/quantities.h"
#include "design/window.h"

namespace tavro::design {

struct InputField {
  Field Control;
  Input Quantity;
};

// The five typed inputs; the limbs come from RadioButton2.
inline constexpr InputField kInputFields[] = {
    {Field::Edit1, Input::U0}, {Field::Edit2, Input::I0}, {Field::Edit3, Input::Kp},
    {Field::Edit5, Input::Bm}, {Field::Edit6, Input::Ud},
};

struct ShownField {
  Field Control;
  Quantity Shows;
  Form As;
};

// Every result field of a complete design, in the order they are written.
inline constexpr ShownField kShownFields[] = {
    {Field::Edit20, Quantity::Phi, Form::Value},
    {Field::Edit4, Quantity::Phi, Form::Degrees},
    {Field::Edit8, Quantity::A, Form::Value},
    {Field::Edit23, Quantity::Psi, Form::Value},
    {Field::Edit21, Quantity::Psi, Form::Degrees},
    {Field::Edit24, Quantity::Beta, Form::Value},
    {Field::Edit22, Quantity::Beta, Form::Degrees},
    {Field::Edit9, Quantity::B, Form::Value},
    {Field::Edit10, Quantity::D, Form::Value},
    {Field::Edit11, Quantity::F, Form::Value},
    {Field::Edit12, Quantity::H, Form::Value},
    {Field::Edit7, Quantity::U2, Form::Value},
    {Field::Edit13, Quantity::I2, Form::Value},
    {Field::Edit14, Quantity::I1, Form::Value},
    {Field::Edit15, Quantity::Pframe, Form::Value},
    {Field::Edit16, Quantity::Urev, Form::Value},
    {Field::Edit17, Quantity::Idrms, Form::Value},
    {Field::Edit18, Quantity::Idpk, Form::Value},
    {Field::Edit19, Quantity::Cf, Form::Value},
    {Field::Edit27, Quantity::CapacitorVoltage, Form::Value},
    {Field::Edit25, Quantity::RatedCurrent, Form::Value},
    {Field::Edit26, Quantity::RatedVoltage, Form::Value},
    {Field::Edit28, Quantity::RatedGamma, Form::Value},
    {Field::Edit29, Quantity::RatedSqrt2CosPsi, Form::Value},
};

// The slider's row: its percentage label and the four fields under it.
inline constexpr Field kPercentLabel = Field::Label37;
struct LoadRowFields {
  Field Current, Voltage, Gamma, Sqrt2CosPsi;
};
inline constexpr LoadRowFields kLoadRowFields{Field::Edit25, Field::Edit26, Field::Edit28,
                                              Field::Edit29};

// The control an input is typed into (RadioButton2's limbs: Edit3, before them).
Field FieldOf(Input input);

// The control that shows a quantity in a form.
Field FieldOf(Quantity quantity, Form form);

// The six input texts as the window holds them now.
InputTexts ReadInputTexts(const DesignWindow& window);

using FieldWriter = std::function<void(Field, std::string_view)>;

// Writes every result field of the design through write, in table order.
void WriteDesign(const Design& design, char separator, const FieldWriter& write);

// Every field's text as the window shows it after this design was
// calculated from these texts: the inputs as typed, the results, the rated
// row under the slider and its percentage. Indexed by FieldAt's index.
std::array<std::string, kFieldCount> DesignFieldTexts(const Design& design, const InputTexts& typed,
                                                      char separator);

}  // namespace tavro::design
