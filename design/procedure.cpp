#include "design/procedure.h"

#include "design/decimal.h"
#include "design/texts.h"
#include "mathem/faults.h"
#include "mathem/pulse_factors.h"

namespace tavro::design {
namespace {

// Writes numbers into the window, each only after the fault flags show that
// nothing before it has faulted.
class ResultWriter {
 public:
  ResultWriter(DesignWindow& window, char separator, const mathem::FaultScope& faults)
      : window_(window), separator_(separator), faults_(faults) {}

  void Show(Field field, long double value) {
    faults_.Check(value);
    window_.SetText(field, FormatResult(value, separator_));
  }

  void ShowAngle(Field radiansField, Field degreesField, long double radians) {
    Show(radiansField, radians);
    Show(degreesField, Degrees(radians));
  }

 private:
  DesignWindow& window_;
  char separator_;
  const mathem::FaultScope& faults_;
};

enum class BlockEnd { Complete, CoefficientRefused };

// The guarded block: from clearing Calculated to the filled load table.
// Throws on any failure.
BlockEnd Calculate(DesignWindow& window, char separator, const AngleSolvers& solvers,
                   const DesignInputs& in, CalcState& state, CompletedDesign& design,
                   LoadTable& table) {
  mathem::FaultScope faults;
  ResultWriter out(window, separator, faults);
  state.Calculated = false;

  design.Inputs = in;
  design.Parameters = DeriveModelParameters(in);
  const long double Phi = design.Parameters.Phi;
  out.ShowAngle(Field::Edit20, Field::Edit4, Phi);

  design.A = LoadCoefficient(in, design.Parameters.Rsum);
  if (design.A > kMaxCoefficientA) return BlockEnd::CoefficientRefused;
  const long double A = design.A;
  out.Show(Field::Edit8, A);

  design.Point = TrackRatedPoint(A, Phi, solvers.Rated);
  VerifyRatedPoint(design.Point, A, Phi);
  const long double Psi = design.Point.Psi;
  const long double Beta = design.Point.Beta;
  out.ShowAngle(Field::Edit23, Field::Edit21, Psi);
  out.ShowAngle(Field::Edit24, Field::Edit22, Beta);

  NomogramCoefficients& c = design.Coefficients;
  c.B = mathem::InvSqrt2Cos(Psi);
  out.Show(Field::Edit9, c.B);
  c.D = mathem::RmsCurrentFactor(Psi, Phi, Beta, A);
  out.Show(Field::Edit10, c.D);
  c.F = mathem::PeakCurrentFactor(Psi, Phi, Beta, A);
  out.Show(Field::Edit11, c.F);
  c.H = mathem::RippleCapacitance(Psi, Phi, Beta);
  out.Show(Field::Edit12, c.H);

  const DesignResults& r = design.Results = ComputeDesignResults(in, design.Parameters.Rsum, c);
  out.Show(Field::Edit7, r.U2);
  out.Show(Field::Edit13, r.I2);
  out.Show(Field::Edit14, r.I1);
  out.Show(Field::Edit15, r.Pframe);
  out.Show(Field::Edit16, r.Urev);
  out.Show(Field::Edit17, r.Idrms);
  out.Show(Field::Edit18, r.Idpk);
  out.Show(Field::Edit19, r.Cf);
  // The capacitor's working voltage is the diode's reverse voltage, as shown.
  window.SetText(Field::Edit27, window.Text(Field::Edit16));

  table = FillLoadTable(in.I0, in.U0, r.U2, design.Parameters.Rsum, Phi, solvers.Load);
  return BlockEnd::Complete;
}

}  // namespace

DesignProcedure::DesignProcedure(char decimalSeparator, AngleSolvers solvers)
    : separator_(decimalSeparator), solvers_(solvers) {}

void DesignProcedure::FormCreate(DesignWindow& window) {
  window.SetGroupEnabled(Group::GroupBox4, false);
  window.SetGroupEnabled(Group::GroupBox3, false);
  window.SetGroupEnabled(Group::GroupBox1, false);
  window.SetText(Field::Label37, PercentText(kRatedRow));
}

ClickOutcome DesignProcedure::Button1Click(DesignWindow& window) {
  const InputReading reading = ReadDesignInputs(window, separator_, state_);
  if (const auto* rejection = std::get_if<InputRejection>(&reading)) {
    if (rejection->FormatError) state_.Calculated = false;
    window.ShowMessage(rejection->Message);
    return ClickOutcome::InputRejected;
  }
  const DesignInputs& in = std::get<DesignInputs>(reading);

  CompletedDesign design{};
  LoadTable table;
  BlockEnd end{};
  try {
    end = Calculate(window, separator_, solvers_, in, state_, design, table);
  } catch (...) {
    // A floating-point fault, an unsolved operating point or anything else.
    window.ShowMessage(texts::kCalculationError);
    return ClickOutcome::CalculationFailed;
  }
  if (end == BlockEnd::CoefficientRefused) {
    window.ShowMessage(texts::kCoefficientAbove20);
    return ClickOutcome::CoefficientRefused;
  }

  // The table is replaced whole, only now that it is complete.
  table_ = table;
  lastDesign_ = design;
  state_.CalculatedInputs = {window.Text(Field::Edit1), window.Text(Field::Edit2),
                             window.Text(Field::Edit3), state_.LimbsText,
                             window.Text(Field::Edit5), window.Text(Field::Edit6)};
  state_.Calculated = true;
  window.SetGroupEnabled(Group::GroupBox4, true);
  window.SetGroupEnabled(Group::GroupBox3, true);
  window.SetGroupEnabled(Group::GroupBox1, true);
  // Setting the position from the program does not run TrackBar1Change, so
  // the rated row is written here.
  window.SetTrackBarPosition(kTrackBarRated);
  window.SetText(Field::Label37, PercentText(kRatedRow));
  window.SetText(Field::Edit25, FormatResult(in.I0, separator_));
  window.SetText(Field::Edit26, FormatResult(in.U0, separator_));
  window.SetText(Field::Edit28, FormatResult(table_.Gamma[kRatedRow], separator_));
  window.SetText(Field::Edit29, FormatResult(table_.Sqrt2CosPsi[kRatedRow], separator_));
  return ClickOutcome::Complete;
}

void DesignProcedure::TrackBar1Change(DesignWindow& window) {
  const int position = window.TrackBarPosition();
  if (position < kTrackBarMin || position > kTrackBarMax) return;
  const LoadRowTexts row = FormatLoadRow(table_, position, separator_);
  window.SetText(Field::Edit25, row.Current);
  window.SetText(Field::Edit26, row.Voltage);
  window.SetText(Field::Edit28, row.Gamma);
  window.SetText(Field::Edit29, row.Sqrt2CosPsi);
  window.SetText(Field::Label37, row.Percent);
}

}  // namespace tavro::design
