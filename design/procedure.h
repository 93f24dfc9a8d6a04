// The window's presenter: the handlers FormCreate, Button1Click and
// TrackBar1Change over the DesignWindow interface, and the state they keep
// (CalcState and the last complete design).
//
// One Button1Click reads the six texts, has the engine calculate the design
// and, only when the design is complete, writes every result field from the
// presenter's table. A press that is rejected, refused or fails shows its one
// message and leaves every field as it was: the window always shows one whole
// design.
#pragma once

#include <optional>

#include "design/calculate.h"
#include "design/inputs.h"
#include "design/load_table.h"
#include "design/window.h"

namespace tavro::design {

enum class ClickOutcome {
  Complete,            // every field written, Calculated true
  InputRejected,       // a check of the input reading failed (format or range)
  CoefficientRefused,  // A above 20
  CalculationFailed,   // a fault or an unsolved operating point
};

class DesignProcedure {
 public:
  explicit DesignProcedure(char decimalSeparator, CalculationOptions options = {});

  char DecimalSeparator() const { return separator_; }
  // The mains of the next press (the window's "Сеть" dialog changes them).
  void SetSupply(const Mains& supply) { options_.Supply = supply; }

  // Greys the three result groups and writes "100%" under the slider.
  void FormCreate(DesignWindow& window);
  ClickOutcome Button1Click(DesignWindow& window);
  void TrackBar1Change(DesignWindow& window);

  const CalcState& State() const { return state_; }
  // The load table of the design shown (all zeros before the first).
  const LoadTable& Table() const;
  // The design the window shows: the last calculation that ran to its end.
  const std::optional<Design>& LastDesign() const { return lastDesign_; }

 private:
  char separator_;
  CalculationOptions options_;
  CalcState state_;
  std::optional<Design> lastDesign_;
};

}  // namespace tavro::design
