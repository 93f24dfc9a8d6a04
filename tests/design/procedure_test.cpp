// The presenter: Button1Click and TrackBar1Change end to end on the
// in-memory window.
#include "design/procedure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/extended_assertions.h"
#include "design/decimal.h"
#include "design/field_table.h"
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

// The worked example as the window shows it.
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

TEST_F(Procedure, WorkedExampleShowsEveryField) {
  TypeWorkedExample(window);
  ASSERT_EQ(Press(), ClickOutcome::Complete);
  EXPECT_TRUE(window.Messages().empty());
  for (const Shown& s : kWorkedExample) {
    EXPECT_EQ(window.Text(s.field), s.text) << FieldName(s.field);
  }
  EXPECT_TRUE(procedure.State().Calculated);
  EXPECT_EQ(procedure.State().LimbsText, "1");
  for (Group g : {Group::GroupBox1, Group::GroupBox3, Group::GroupBox4}) {
    EXPECT_TRUE(window.GroupEnabled(g));
  }
  EXPECT_EQ(window.TrackBarPosition(), 20);
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

// Every field's text.
std::vector<std::string> AllTexts(const MemoryWindow& w) {
  std::vector<std::string> texts;
  for (int i = 0; i < kFieldCount; ++i) texts.push_back(w.Text(FieldAt(i)));
  return texts;
}

// After a complete design, a press that is rejected, refused or fails shows
// its one message and leaves the whole design on screen: no field changes,
// the groups stay enabled. Calculated is cleared as when a calculation
// starts, except by a range check of the inputs.
TEST_F(Procedure, APressThatDoesNotCompleteChangesNoField) {
  struct Case {
    const char* name;
    const char* u0;
    const char* i0;
    const char* bm;
    const char* ud;
    ClickOutcome outcome;
    std::string_view message;
    bool calculated;
  };
  const Case cases[] = {
      {"range check", "12", "0,019", "1,2", "0,7", ClickOutcome::InputRejected,
       texts::kCurrentBelow20mA, true},
      {"format error", "12", "1.0", "1,2", "0,7", ClickOutcome::InputRejected, texts::kFormatError,
       false},
      {"A above 20", "0,01", "1", "1,2", "0,7", ClickOutcome::CoefficientRefused,
       texts::kCoefficientAbove20, false},
      {"fault in the model", "1e300", "1", "1,2", "0,7", ClickOutcome::CalculationFailed,
       texts::kCalculationError, false},
      {"rated point out of range", "724597", "333,248", "0,00128603", "0,0495842",
       ClickOutcome::CalculationFailed, texts::kCalculationError, false},
      {"load continuation fails", "12", "1000", "0,01", "0,3", ClickOutcome::CalculationFailed,
       texts::kCalculationError, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TypeWorkedExample(window);
    ASSERT_EQ(Press(), ClickOutcome::Complete);
    const std::vector<std::string> before = AllTexts(window);
    const LoadTable table = procedure.Table();

    TypeInputs(window, c.u0, c.i0, "1", 1, c.bm, c.ud);
    EXPECT_EQ(Press(), c.outcome);
    EXPECT_EQ(window.Messages(), std::vector<std::string>{std::string(c.message)});
    EXPECT_TRUE(window.Writes().empty());
    std::vector<std::string> after = AllTexts(window);
    for (const InputField& f : kInputFields)
      after[FieldIndex(f.Control)] = before[FieldIndex(f.Control)];
    EXPECT_EQ(after, before);
    EXPECT_EQ(procedure.State().Calculated, c.calculated);
    EXPECT_TRUE(window.GroupEnabled(Group::GroupBox3));
    // The slider still shows the rows of the design on screen.
    EXPECT_EQ(procedure.Table().Voltage, table.Voltage);
    Slide(24);
    EXPECT_EQ(window.Text(Field::Edit25), "1,20000E+00");
  }
}

// The report prints the inputs of the design shown, not fields edited since.
TEST_F(Procedure, KeepsTheInputTextsOfTheDesignShown) {
  TypeInputs(window, "12,0", "1", "1", 1, "1,2", "0,7");
  ASSERT_EQ(Press(), ClickOutcome::Complete);
  window.Type(Field::Edit1, "99");
  window.ChooseLimbs(2);
  window.Type(Field::Edit5, "0");  // rejected after the limbs are read
  EXPECT_EQ(Press(), ClickOutcome::InputRejected);
  const InputTexts& shown = procedure.State().CalculatedInputs;
  EXPECT_EQ(shown.U0, "12,0");
  EXPECT_EQ(shown.Limbs, "1");
  EXPECT_EQ(shown.Bm, "1,2");
}

}  // namespace
}  // namespace tavro::design
