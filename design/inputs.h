// Reading and checking the six design inputs from their texts, and the
// calculation state the window keeps between its handlers.
#pragma once

#include <string>
#include <string_view>
#include <variant>

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

// The six inputs, in the order they are read and checked.
enum class Input { U0, I0, Kp, Limbs, Bm, Ud };

// The input texts exactly as typed, and the limbs as text.
struct InputTexts {
  std::string U0;
  std::string I0;
  std::string Kp;
  std::string Limbs;
  std::string Bm;
  std::string Ud;

  std::string& Of(Input input);
  const std::string& Of(Input input) const;
};

// What the handlers keep between presses.
struct CalcState {
  bool Calculated = false;  // a calculation has run to its end
  std::string LimbsText;    // "1" or "2", as last read
  // The inputs of the calculation whose results are shown, as read when it
  // ran; the report prints these, not fields edited since.
  InputTexts CalculatedInputs;
};

// The first bad input: which one, its message, and whether it was a
// number-format error (which also clears CalcState::Calculated).
struct InputRejection {
  Input Rejected;
  std::string_view Message;
  bool FormatError;
};

using InputReading = std::variant<DesignInputs, InputRejection>;

inline constexpr long double kMinCurrent = 0.02L;  // A
inline constexpr long double kMaxRipple = 15.0L;   // %

// Converts and checks the texts in order U0, I0, Kp, limbs, Bm, Ud, each as
// soon as it is read; stops at the first bad one. The limbs text is "2" for
// two limbs, anything else is one.
InputReading ReadInputs(const InputTexts& texts, char separator);

// Whether a reading got as far as the limbs (a rejection of Bm or Ud comes
// after them): the window then keeps the limbs text it read.
bool LimbsWereRead(const InputReading& reading);

}  // namespace tavro::design
