// Reading and checking the six design inputs, and the calculation state kept
// between the window's handlers.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "design/window.h"

namespace tavro::design {

// The validated inputs of one calculation.
struct DesignInputs {
  long double U0;  // rated rectified voltage, V
  long double I0;  // rated rectified current, A
  long double Kp;  // ripple factor, %
  int Limbs;       // transformer limbs that carry windings, 1 or 2
  long double Bm;  // peak flux density in the core, T
  long double Ud;  // forward drop of one diode, V
};

// The input texts exactly as typed, and the limbs as text.
struct InputTexts {
  std::string U0;
  std::string I0;
  std::string Kp;
  std::string Limbs;
  std::string Bm;
  std::string Ud;
};

// What the handlers keep between presses.
struct CalcState {
  bool Calculated = false;  // a calculation has run to its end
  std::string LimbsText;    // "1" or "2", as last read
  // The inputs of the calculation whose results are shown, as read when it
  // ran; the report prints these, not fields edited since.
  InputTexts CalculatedInputs;
};

// The first bad input: its message, whether it was a number-format error
// (which also clears CalcState::Calculated), and the field it came from.
struct InputRejection {
  std::string_view Message;
  bool FormatError;
  Field Source = Field::Edit1;
};

using InputReading = std::variant<DesignInputs, InputRejection>;

inline constexpr long double kMinCurrent = 0.02L;  // A
inline constexpr long double kMaxRipple = 15.0L;   // %

// Reads the fields in order Edit1, Edit2, Edit3, limbs, Edit5, Edit6, each
// checked as soon as it is read; stops at the first bad one. Writes
// state.LimbsText as soon as the limbs are read, also when a later field
// fails.
InputReading ReadDesignInputs(const DesignWindow& window, char separator, CalcState& state);

}  // namespace tavro::design
