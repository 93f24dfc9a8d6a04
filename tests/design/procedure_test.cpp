// Button1Click and TrackBar1Change end to end on the in-memory window.
#include "design/procedure.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "common/extended_assertions.h"
#include "design/decimal.h"
#include "design/texts.h"
#include "design/worked_example.h"

namespace tavro::design {
namespace {

using test::TypeInputs;
using test::TypeWorkedExample;

struct Shown {
  Field field;
  const char* text;
};

// The worked example as the window shows it, in the order it is written.
const Shown kWorkedExample[] = {
    {Field::Edit20, "1,05707E-01"}, {Field::Edit4, "6,05656E+00"},  {Field::Edit8, "8,25032E-02"},
    {Field::Edit23, "8,28825E-01"}, {Field::Edit21, "4,74882E+01"}, {Field::Edit24, "2,50017E+00"},
    {Field::Edit22, "1,43249E+02"}, {Field::Edit9, "1,04641E+00"},  {Field::Edit10, "2,12593E+00"},
    {Field::Edit11, "5,71629E+00"}, {Field::Edit12, "1,96466E+04"}, {Field::Edit7, "1,25570E+01"},
    {Field::Edit13, "1,50326E+00"}, {Field::Edit14, "8,58019E-02"}, {Field::Edit15, "1,88764E+01"},
    {Field::Edit16, "1,77582E+01"}, {Field::Edit17, "1,06297E+00"}, {Field::Edit18, "2,85814E+00"},
    {Field::Edit19, "1,98443E+04"}, {Field::Edit27, "1,77582E+01"}, {Field::Label37, "100%"},
    {Field::Edit25, "1,00000E+00"}, {Field::Edit26, "1,20000E+01"}, {Field::Edit28, "7,88437E-02"},
    {Field::Edit29, "9,55644E-01"},
};

class Procedure : public ::testing::Test {
 protected:
  Procedure() { procedure.FormCreate(window); }

  ClickOutcome Press() {
    window.ForgetHistory();
    return procedure.Button1Click(window);
  }
  void Slide(int position) {
    window.ForgetHistory();
    window.MoveSlider(position);
    procedure.TrackBar1Change(window);
  }

  MemoryWindow window;
  DesignProcedure procedure{','};
};

TEST_F(Procedure, StartsWithTheResultGroupsGreyed) {
  EXPECT_FALSE(window.GroupEnabled(Group::GroupBox1));
  EXPECT_TRUE(window.GroupEnabled(Group::GroupBox2));
  EXPECT_FALSE(window.GroupEnabled(Group::GroupBox3));
  EXPECT_FALSE(window.GroupEnabled(Group::GroupBox4));
  EXPECT_EQ(window.Text(Field::Label37), "100%");
  EXPECT_FALSE(procedure.State().Calculated);
}

TEST_F(Procedure, WorkedExampleShowsEveryFieldInOrder) {
  TypeWorkedExample(window);
  ASSERT_EQ(Press(), ClickOutcome::Complete);
  EXPECT_TRUE(window.Messages().empty());

  std::vector<Field> order;
  for (const Shown& s : kWorkedExample) {
    EXPECT_EQ(window.Text(s.field), s.text) << FieldName(s.field);
    order.push_back(s.field);
  }
  EXPECT_EQ(window.Writes(), order);

  EXPECT_TRUE(procedure.State().Calculated);
  EXPECT_EQ(procedure.State().LimbsText, "1");
  for (Group g : {Group::GroupBox1, Group::GroupBox3, Group::GroupBox4}) {
    EXPECT_TRUE(window.GroupEnabled(g));
  }
  EXPECT_EQ(window.TrackBarPosition(), 20);
  EXPECT_EQ(window.Text(Field::Edit27), window.Text(Field::Edit16));

  // The numbers behind the texts, against the design's known values.
  const CompletedDesign& d = *procedure.LastDesign();
  EXPECT_NEAR_X(d.Point.Psi, 0.829L, 0.0005L);
  EXPECT_NEAR_X(d.Point.Beta, 2.50L, 0.005L);
  EXPECT_NEAR_X(d.Results.U2, 12.6L, 0.05L);
  EXPECT_NEAR_X(d.Results.Cf, 19800, 50);
  // Frame power is U2·I2; the primary current is I2·U2/220.
  EXPECT_NEAR_X(d.Results.Pframe, d.Results.U2 * d.Results.I2, 1e-15L);
  EXPECT_NEAR_X(d.Results.I1, d.Results.I2 * d.Results.U2 / 220, 1e-17L);
  // γ at the rated row differs from A by U0/U2.
  EXPECT_NEAR_X(procedure.Table().Gamma[20] * d.Results.U2 / d.Inputs.U0, d.A, 1e-18L);
}

TEST_F(Procedure, TwoLimbsAreKeptAsText) {
  TypeInputs(window, "12", "1", "1", 2, "1,2", "0,7");
  ASSERT_EQ(Press(), ClickOutcome::Complete);
  EXPECT_EQ(procedure.State().LimbsText, "2");
  EXPECT_NE(window.Text(Field::Edit7), "1,25570E+01");
}

TEST_F(Procedure, SliderShowsTheChosenRow) {
  TypeWorkedExample(window);
  ASSERT_EQ(Press(), ClickOutcome::Complete);
  const std::string rated[] = {window.Text(Field::Edit25), window.Text(Field::Edit26),
                               window.Text(Field::Edit28), window.Text(Field::Edit29)};

  Slide(24);
  EXPECT_EQ(window.Text(Field::Label37), "120%");
  EXPECT_EQ(window.Text(Field::Edit25), "1,20000E+00");
  EXPECT_EQ(window.Text(Field::Edit26).substr(0, 4), "1,12");
  EXPECT_EQ(window.Writes(), (std::vector<Field>{Field::Edit25, Field::Edit26, Field::Edit28,
                                                 Field::Edit29, Field::Label37}));

  Slide(0);
  EXPECT_EQ(window.Text(Field::Label37), "0%");
  EXPECT_EQ(window.Text(Field::Edit25), "0,00000E+00");
  EXPECT_EQ(window.Text(Field::Edit26), window.Text(Field::Edit16));  // √2·U2
  EXPECT_EQ(window.Text(Field::Edit28), "0,00000E+00");
  EXPECT_EQ(window.Text(Field::Edit29), "1,41421E+00");

  // The slider's rated row shows what the calculation wrote itself.
  Slide(20);
  EXPECT_EQ(window.Text(Field::Edit25), rated[0]);
  EXPECT_EQ(window.Text(Field::Edit26), rated[1]);
  EXPECT_EQ(window.Text(Field::Edit28), rated[2]);
  EXPECT_EQ(window.Text(Field::Edit29), rated[3]);
}

TEST_F(Procedure, CoefficientAbove20IsRefusedAfterPhiIsShown) {
  TypeWorkedExample(window);
  ASSERT_EQ(Press(), ClickOutcome::Complete);
  const std::string oldA = window.Text(Field::Edit8);

  window.Type(Field::Edit1, "0,01");
  EXPECT_EQ(Press(), ClickOutcome::CoefficientRefused);
  EXPECT_EQ(window.Messages(), std::vector<std::string>{std::string(texts::kCoefficientAbove20)});
  EXPECT_EQ(window.Writes(), (std::vector<Field>{Field::Edit20, Field::Edit4}));
  EXPECT_EQ(window.Text(Field::Edit8), oldA);
  EXPECT_FALSE(procedure.State().Calculated);
  EXPECT_TRUE(window.GroupEnabled(Group::GroupBox3));
}

TEST_F(Procedure, SecondCalculationOverwritesEveryFieldAndRow) {
  TypeWorkedExample(window);
  ASSERT_EQ(Press(), ClickOutcome::Complete);
  const LoadTable first = procedure.Table();
  TypeInputs(window, "24", "2", "5", 2, "1,5", "1");
  ASSERT_EQ(Press(), ClickOutcome::Complete);
  for (const Shown& s : kWorkedExample) {
    if (s.field != Field::Label37) {
      EXPECT_NE(window.Text(s.field), s.text) << FieldName(s.field);
    }
  }
  for (int k = 1; k < kLoadRows; ++k) {
    EXPECT_NE(procedure.Table().Voltage[k], first.Voltage[k]);
    EXPECT_NE(procedure.Table().Psi[k], first.Psi[k]);
  }
}

TEST_F(Procedure, FailureInTheLoadTableKeepsThePreviousTableWhole) {
  TypeWorkedExample(window);
  ASSERT_EQ(Press(), ClickOutcome::Complete);
  const LoadTable before = procedure.Table();

  // 0.01 T: the rated point solves but the load continuation does not.
  TypeInputs(window, "12", "1000", "1", 1, "0,01", "0,3");
  EXPECT_EQ(Press(), ClickOutcome::CalculationFailed);
  EXPECT_EQ(window.Messages(), std::vector<std::string>{std::string(texts::kCalculationError)});
  // The design results were written before the table was begun ...
  EXPECT_EQ(window.Writes().back(), Field::Edit27);
  // ... but the table, the slider's rows and the rated row stay as they were.
  EXPECT_EQ(procedure.Table().Current, before.Current);
  EXPECT_EQ(procedure.Table().Gamma, before.Gamma);
  EXPECT_EQ(procedure.Table().Psi, before.Psi);
  EXPECT_EQ(procedure.Table().Voltage, before.Voltage);
  EXPECT_FALSE(procedure.State().Calculated);
  EXPECT_TRUE(window.GroupEnabled(Group::GroupBox4));
  EXPECT_EQ(window.Text(Field::Edit28), "7,88437E-02");
}

TEST_F(Procedure, AnOperatingPointOutsideItsRangeIsNotShown) {
  // These inputs take the continuation to ψ ≈ −14 rad, which solves the
  // equations but is no operating point of a rectifier.
  window = MemoryWindow();
  procedure.FormCreate(window);
  TypeInputs(window, "724597", "333,248", "1", 2, "0,00128603", "0,0495842");
  EXPECT_EQ(Press(), ClickOutcome::CalculationFailed);
  EXPECT_EQ(window.Messages(), std::vector<std::string>{std::string(texts::kCalculationError)});
  EXPECT_EQ(window.Writes(), (std::vector<Field>{Field::Edit20, Field::Edit4, Field::Edit8}));
  EXPECT_TRUE(window.Text(Field::Edit23).empty());
}

TEST_F(Procedure, AHopelessDesignIsAnsweredAtOnce) {
  TypeInputs(window, "12", "1e4000", "1", 1, "1,2", "0,7");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Press(), ClickOutcome::CalculationFailed);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(window.Messages(), std::vector<std::string>{std::string(texts::kCalculationError)});
}

TEST_F(Procedure, FaultsInTheModelEndThePressBeforeAnyWrite) {
  // U0·I0 overflows: the fault comes before Phi is shown.
  TypeInputs(window, "1e4000", "1e4000", "1", 1, "1", "1");
  EXPECT_EQ(Press(), ClickOutcome::CalculationFailed);
  EXPECT_EQ(window.Messages(), std::vector<std::string>{std::string(texts::kCalculationError)});
  EXPECT_TRUE(window.Writes().empty());
  EXPECT_FALSE(procedure.State().Calculated);
}

}  // namespace
}  // namespace tavro::design
