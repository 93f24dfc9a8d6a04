// The window's procedure: the handlers FormCreate, Button1Click and
// TrackBar1Change over the DesignWindow interface, and the state they keep
// (CalcState, LoadTable and the numbers of the last complete calculation).
//
// One Button1Click reads and checks the inputs, then, as one guarded block,
// derives the model, finds the rated operating point, computes and shows
// every result and builds the load table. Each field is written as soon as
// its value is known, so a failure leaves the earlier writes and nothing
// later. Every failure ends the press with exactly one message.
#pragma once

#include <optional>

#include "design/design_results.h"
#include "design/inputs.h"
#include "design/load_table.h"
#include "design/operating_point.h"
#include "design/window.h"

namespace tavro::design {

// Every number behind the fields of a complete calculation.
struct CompletedDesign {
  DesignInputs Inputs;
  ModelParameters Parameters;
  long double A;
  RatedPoint Point;
  NomogramCoefficients Coefficients;
  DesignResults Results;
};

enum class ClickOutcome {
  Complete,            // every field written, Calculated true
  InputRejected,       // a check of the input reading failed (format or range)
  CoefficientRefused,  // A above 20
  CalculationFailed,   // a fault or an unsolved operating point
};

class DesignProcedure {
 public:
  explicit DesignProcedure(char decimalSeparator, AngleSolvers solvers = {});

  char DecimalSeparator() const { return separator_; }

  // Greys the three result groups and writes "100%" under the slider.
  void FormCreate(DesignWindow& window);
  ClickOutcome Button1Click(DesignWindow& window);
  void TrackBar1Change(DesignWindow& window);

  const CalcState& State() const { return state_; }
  const LoadTable& Table() const { return table_; }
  // The last calculation that ran to its end, if any.
  const std::optional<CompletedDesign>& LastDesign() const { return lastDesign_; }

 private:
  char separator_;
  AngleSolvers solvers_;
  CalcState state_;
  LoadTable table_;
  std::optional<CompletedDesign> lastDesign_;
};

}  // namespace tavro::design
