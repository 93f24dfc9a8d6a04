// The checks of the six inputs, through the press of "Расчёт".
#include <gtest/gtest.h>

#include "design/field_table.h"
#include "design/procedure.h"
#include "design/texts.h"
#include "design/worked_example.h"

namespace tavro::design {
namespace {

using test::TypeInputs;

struct Rejected {
  const char* name;
  const char* u0;
  const char* i0;
  const char* kp;
  const char* bm;
  const char* ud;
  std::string_view message;
  Field source;  // the field the window puts the focus back on
};

TEST(InputReading, EachCheckHasItsMessageInReadingOrder) {
  const Rejected cases[] = {
      {"all empty", "", "", "", "", "", texts::kFormatError, Field::Edit1},
      // a bad voltage hides everything after it, even letters
      {"zero voltage", "0", "x", "x", "x", "x", texts::kVoltageNotPositive, Field::Edit1},
      {"negative voltage", "-1", "", "", "", "", texts::kVoltageNotPositive, Field::Edit1},
      {"letter in voltage", "1a", "1", "1", "1", "1", texts::kFormatError, Field::Edit1},
      {"zero current", "12", "0", "x", "x", "x", texts::kCurrentNotPositive, Field::Edit2},
      {"negative current", "12", "-0,5", "x", "x", "x", texts::kCurrentNotPositive, Field::Edit2},
      {"current below 20 mA", "12", "0,019", "x", "x", "x", texts::kCurrentBelow20mA, Field::Edit2},
      {"zero ripple", "12", "0,02", "0", "x", "x", texts::kRippleNotPositive, Field::Edit3},
      {"ripple above 15", "12", "1", "15,01", "x", "x", texts::kRippleAbove15, Field::Edit3},
      {"bad ripple", "12", "1", "1.5", "1", "1", texts::kFormatError, Field::Edit3},
      {"zero flux", "12", "1", "15", "0", "x", texts::kFluxNotPositive, Field::Edit5},
      {"bad flux", "12", "1", "1", "", "1", texts::kFormatError, Field::Edit5},
      {"zero diode drop", "12", "1", "1", "1,2", "0", texts::kDiodeDropNotPositive, Field::Edit6},
      {"bad diode drop", "12", "1", "1", "1,2", "0,7 В", texts::kFormatError, Field::Edit6},
  };
  for (const Rejected& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryWindow w;
    DesignProcedure procedure(',');
    TypeInputs(w, c.u0, c.i0, c.kp, 1, c.bm, c.ud);
    EXPECT_EQ(procedure.Button1Click(w), ClickOutcome::InputRejected);
    ASSERT_EQ(w.Messages().size(), 1u);
    EXPECT_EQ(w.Messages()[0], c.message);
    EXPECT_TRUE(w.Writes().empty());
    const InputReading reading = ReadInputs(ReadInputTexts(w), ',');
    ASSERT_TRUE(std::holds_alternative<InputRejection>(reading));
    EXPECT_EQ(FieldOf(std::get<InputRejection>(reading).Rejected), c.source);
  }
}

TEST(InputReading, BoundariesAreAccepted) {
  // 0.02 A and 15 % are allowed; "2E2" reads as 200 V; blanks around a number.
  MemoryWindow w;
  DesignProcedure procedure(',');
  TypeInputs(w, "  2E2 ", "0,02", "15", 1, "1,2", "0,7");
  EXPECT_EQ(procedure.Button1Click(w), ClickOutcome::Complete);
  EXPECT_EQ(w.Text(Field::Edit26), "2,00000E+02");
  EXPECT_EQ(w.Text(Field::Edit25), "2,00000E-02");
  EXPECT_EQ(procedure.LastDesign()->Inputs.Kp, 15);
}

TEST(InputReading, LimbsTextIsKeptBeforeALaterRejection) {
  MemoryWindow w;
  DesignProcedure procedure(',');
  TypeInputs(w, "12", "1", "1", 2, "0", "0,7");
  procedure.Button1Click(w);
  EXPECT_EQ(w.Messages().back(), texts::kFluxNotPositive);
  EXPECT_EQ(procedure.State().LimbsText, "2");
  // A rejection before the limbs are read leaves the text alone.
  w.ChooseLimbs(1);
  w.Type(Field::Edit3, "20");
  procedure.Button1Click(w);
  EXPECT_EQ(procedure.State().LimbsText, "2");
}

TEST(InputReading, FormatErrorClearsCalculatedRangeErrorsDoNot) {
  MemoryWindow w;
  DesignProcedure procedure(',');
  test::TypeWorkedExample(w);
  ASSERT_EQ(procedure.Button1Click(w), ClickOutcome::Complete);
  const std::string shownU2 = w.Text(Field::Edit7);

  w.Type(Field::Edit1, "-1");
  procedure.Button1Click(w);
  EXPECT_EQ(w.Messages().back(), texts::kVoltageNotPositive);
  EXPECT_TRUE(procedure.State().Calculated);

  w.Type(Field::Edit1, "1.2");  // the other separator
  procedure.Button1Click(w);
  EXPECT_EQ(w.Messages().back(), texts::kFormatError);
  EXPECT_FALSE(procedure.State().Calculated);
  // Nothing is cleared or disabled.
  EXPECT_EQ(w.Text(Field::Edit7), shownU2);
  EXPECT_TRUE(w.GroupEnabled(Group::GroupBox3));
}

}  // namespace
}  // namespace tavro::design
