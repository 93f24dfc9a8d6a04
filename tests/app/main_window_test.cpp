#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/app_texts.h"
#include "app/display_check.h"
#include "app/form_fixture.h"
#include "app/messages.h"
#include "app/qt_text.h"
#include "common/files.h"
#include "design/decimal.h"
#include "design/field_table.h"
#include "design/procedure.h"
#include "design/texts.h"
#include "tavro/version.h"

namespace tavro::app {
namespace {

using design::Field;
using design::Group;

class MainWindow : public test::FormTest {};

TEST_F(MainWindow, IsTheFixedSizeWindowOfTheDesign) {
  EXPECT_EQ(form.objectName(), "Form1");
  EXPECT_STREQ(form.metaObject()->className(), "tavro::app::TForm1");
  EXPECT_EQ(form.windowTitle(), Q(texts::kCaption));
  EXPECT_EQ(form.centralWidget()->size(), QSize(896, 689));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
}

struct Placed {
  const char* name;
  const char* parent;
  QRect geometry;
};

TEST_F(MainWindow, ControlsStandAtTheirPositions) {
  const Placed controls[] = {
      {"GroupBox2", "ClientArea", {16, 9, 601, 225}},
      {"GroupBox3", "ClientArea", {16, 241, 441, 320}},
      {"GroupBox1", "ClientArea", {472, 241, 409, 320}},
      {"GroupBox4", "ClientArea", {16, 569, 865, 105}},
      {"Button1", "ClientArea", {720, 104, 73, 26}},
      {"Edit1", "GroupBox2", {488, 24, 98, 27}},
      {"Edit2", "GroupBox2", {488, 56, 98, 27}},
      {"Edit3", "GroupBox2", {488, 88, 98, 27}},
      {"RadioButton1", "GroupBox2", {496, 126, 34, 18}},
      {"RadioButton2", "GroupBox2", {544, 126, 34, 18}},
      {"Edit5", "GroupBox2", {488, 152, 98, 27}},
      {"Edit6", "GroupBox2", {488, 184, 98, 27}},
      {"Edit7", "GroupBox3", {320, 24, 105, 27}},
      {"Edit13", "GroupBox3", {320, 56, 105, 27}},
      {"Edit14", "GroupBox3", {320, 88, 105, 27}},
      {"Edit15", "GroupBox3", {320, 120, 105, 27}},
      {"Edit16", "GroupBox3", {320, 152, 105, 27}},
      {"Edit17", "GroupBox3", {320, 184, 105, 27}},
      {"Edit18", "GroupBox3", {320, 216, 105, 27}},
      {"Edit19", "GroupBox3", {320, 248, 105, 27}},
      {"Edit27", "GroupBox3", {320, 280, 105, 27}},
      {"Edit4", "GroupBox1", {112, 24, 105, 27}},
      {"Edit20", "GroupBox1", {288, 24, 105, 27}},
      {"Edit21", "GroupBox1", {112, 56, 105, 27}},
      {"Edit23", "GroupBox1", {288, 56, 105, 27}},
      {"Edit22", "GroupBox1", {112, 88, 105, 27}},
      {"Edit24", "GroupBox1", {288, 88, 105, 27}},
      {"Edit8", "GroupBox1", {112, 120, 105, 27}},
      {"Edit9", "GroupBox1", {112, 152, 105, 27}},
      {"Edit10", "GroupBox1", {112, 184, 105, 27}},
      {"Edit11", "GroupBox1", {112, 216, 105, 27}},
      {"Edit12", "GroupBox1", {112, 248, 105, 27}},
      {"Edit28", "GroupBox1", {112, 280, 105, 27}},
      {"Edit29", "GroupBox1", {288, 280, 105, 27}},
      {"TrackBar1", "GroupBox4", {8, 48, 505, 33}},
      {"Bevel1", "GroupBox4", {536, 18, 9, 74}},
      {"Edit25", "GroupBox4", {744, 27, 105, 27}},
      {"Edit26", "GroupBox4", {744, 59, 105, 27}},
  };
  for (const Placed& p : controls) {
    SCOPED_TRACE(p.name);
    const QWidget* w = form.findChild<QWidget*>(p.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget()->objectName(), p.parent);
    EXPECT_EQ(w->geometry(), p.geometry);
  }
  EXPECT_EQ(form.Controls().label37->pos(), QPoint(392, 29));
}

TEST_F(MainWindow, InputsAreEditableEveryResultIsReadOnly) {
  for (int i = 0; i < 29; ++i) {
    const Field f = design::FieldAt(i);
    const bool input = f == Field::Edit1 || f == Field::Edit2 || f == Field::Edit3 ||
                       f == Field::Edit5 || f == Field::Edit6;
    EXPECT_EQ(Edit(f)->isReadOnly(), !input) << design::FieldName(f);
  }
}

TEST_F(MainWindow, TabOrderFollowsTheGroups) {
  const char* expected[] = {
      "Edit1",  "Edit2",     "Edit3",  "RadioButton1", "RadioButton2", "Edit5",  "Edit6",
      "Edit7",  "Edit13",    "Edit14", "Edit15",       "Edit16",       "Edit17", "Edit18",
      "Edit19", "Edit27",    "Edit4",  "Edit20",       "Edit21",       "Edit23", "Edit22",
      "Edit24", "Edit8",     "Edit9",  "Edit10",       "Edit11",       "Edit12", "Edit28",
      "Edit29", "TrackBar1", "Edit25", "Edit26",       "Button1"};
  std::vector<QString> names;
  QWidget* w = Edit(Field::Edit1);
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    names.push_back(w->objectName());
    do {
      w = w->nextInFocusChain();
    } while (w->objectName().isEmpty() || w->focusPolicy() == Qt::NoFocus);
  }
  for (std::size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(names[i], expected[i]);
}

TEST_F(MainWindow, FontsAndTextsAreReadable) {
  TAVRO_SKIP_WITHOUT_FONTS();
  const QFont field = Edit(Field::Edit7)->font();
  EXPECT_EQ(field.pixelSize(), 16);
  EXPECT_TRUE(QFontInfo(field).fixedPitch());
  EXPECT_TRUE(form.Controls().Group(Group::GroupBox1)->font().bold());
  EXPECT_EQ(form.Controls().Group(Group::GroupBox1)->font().pixelSize(), 12);
  EXPECT_EQ(form.Controls().button1->font().pixelSize(), 13);
  // Every caption fits its label, and the widest result fits its field.
  for (const QLabel* label : form.findChildren<QLabel*>()) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->text().toStdString();
  }
  for (const char* longest : {"1,25570E+01", "-1,25570E+01", "-1,25570E+100"}) {
    form.SetText(Field::Edit26, longest);
    const QLineEdit* edit = Edit(Field::Edit26);
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), edit->width() - 8) << longest;
  }
  EXPECT_EQ(Edit(Field::Edit26)->font().pixelSize() < 16, true);
  form.SetText(Field::Edit26, "1,25570E+01");
  EXPECT_EQ(Edit(Field::Edit26)->font().pixelSize(), 16);
  // Greek letters and the formula are there as text.
  QStringList captions;
  for (const QLabel* label : form.findChildren<QLabel*>()) captions << label->text();
  const QString all = captions.join('|');
  for (const char* symbol : {"φ", "ψ", "β", "γ", "√2·cos ψ"}) {
    EXPECT_TRUE(all.contains(QString::fromUtf8(symbol))) << symbol;
  }
}

TEST_F(MainWindow, StartsEmptyWithTheResultGroupsInert) {
  for (Field f : {Field::Edit1, Field::Edit2, Field::Edit3, Field::Edit5, Field::Edit6}) {
    EXPECT_TRUE(Edit(f)->text().isEmpty());
  }
  EXPECT_TRUE(form.Controls().radioButton1->isChecked());
  EXPECT_FALSE(form.Controls().radioButton2->isChecked());
  EXPECT_EQ(form.Controls().trackBar1->value(), 20);
  EXPECT_EQ(form.Controls().trackBar1->selectionStart(), 20);
  EXPECT_EQ(form.Controls().trackBar1->selectionEnd(), 24);
  EXPECT_EQ(Shown(Field::Label37), "100%");
  EXPECT_TRUE(form.Controls().Group(Group::GroupBox2)->isEnabled());
  for (Group g : {Group::GroupBox1, Group::GroupBox3, Group::GroupBox4}) {
    const QGroupBox* box = form.Controls().Group(g);
    EXPECT_FALSE(box->isEnabled());
    for (QWidget* child : box->findChildren<QWidget*>()) {
      child->setFocus();
      EXPECT_FALSE(child->hasFocus()) << child->objectName().toStdString();
    }
  }
}

TEST_F(MainWindow, WorkedExampleShowsEveryFieldOfTheDesign) {
  TypeWorkedExample();
  Calculate();
  EXPECT_TRUE(messages.empty());

  const auto texts = design::DesignFieldTexts(
      std::get<design::Design>(design::Calculate({12, 1, 1, 1, 1.2L, 0.7L})),
      {"12", "1", "1", "1", "1,2", "0,7"}, ',');
  for (int i = 0; i < design::kFieldCount; ++i) {
    const Field f = design::FieldAt(i);
    EXPECT_EQ(Shown(f), texts[i]) << design::FieldName(f);
  }
  for (Group g : {Group::GroupBox1, Group::GroupBox3, Group::GroupBox4}) {
    EXPECT_TRUE(form.Controls().Group(g)->isEnabled());
  }
  EXPECT_EQ(Shown(Field::Edit27), Shown(Field::Edit16));
  EXPECT_EQ(Shown(Field::Edit7), "1,25570E+01");
}

TEST_F(MainWindow, SliderKeysShowTheirRowsProgramMovesDoNot) {
  TypeWorkedExample();
  Calculate();
  TrackBar* slider = form.Controls().trackBar1;
  slider->setFocus();
  const design::LoadTable& table = form.Procedure().Table();

  QTest::keyClick(slider, Qt::Key_End);
  EXPECT_EQ(Shown(Field::Label37), "120%");
  const design::LoadRowTexts last = design::FormatLoadRow(table, 24, ',');
  EXPECT_EQ(Shown(Field::Edit25), last.Current);
  EXPECT_EQ(Shown(Field::Edit26), last.Voltage);
  EXPECT_EQ(Shown(Field::Edit28), last.Gamma);
  EXPECT_EQ(Shown(Field::Edit29), last.Sqrt2CosPsi);

  QTest::keyClick(slider, Qt::Key_Home);
  EXPECT_EQ(Shown(Field::Label37), "0%");
  EXPECT_EQ(Shown(Field::Edit25), "0,00000E+00");
  EXPECT_EQ(Shown(Field::Edit29), "1,41421E+00");

  QTest::keyClick(slider, Qt::Key_Right);
  EXPECT_EQ(Shown(Field::Label37), "5%");
  QTest::keyClick(slider, Qt::Key_PageUp);
  EXPECT_EQ(Shown(Field::Label37), "15%");

  form.SetTrackBarPosition(10);
  EXPECT_EQ(slider->value(), 10);
  EXPECT_EQ(Shown(Field::Label37), "15%");
}

TEST_F(MainWindow, RejectedInputShowsOneMessageAndChangesNothing) {
  TypeWorkedExample();
  Calculate();
  TypeInto(Field::Edit2, "0,019");
  const std::vector<std::string> before = AllTexts();
  Calculate();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], Q(design::texts::kCurrentBelow20mA));
  EXPECT_EQ(AllTexts(), before);
  EXPECT_TRUE(form.Controls().Group(Group::GroupBox3)->isEnabled());
}

TEST_F(MainWindow, FailedCalculationAfterAGoodOneLeavesTheGroupsEnabled) {
  TypeWorkedExample();
  Calculate();
  TypeInto(Field::Edit2, "1000");
  TypeInto(Field::Edit5, "0,01");
  TypeInto(Field::Edit6, "0,3");
  Calculate();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], Q(design::texts::kCalculationError));
  for (Group g : {Group::GroupBox1, Group::GroupBox3, Group::GroupBox4}) {
    EXPECT_TRUE(form.Controls().Group(g)->isEnabled());
  }
  EXPECT_FALSE(form.Procedure().State().Calculated);
}

TEST_F(MainWindow, TwoLimbsAreReadFromTheSecondRadioButton) {
  TypeWorkedExample();
  QTest::mouseClick(form.Controls().radioButton2, Qt::LeftButton);
  Calculate();
  EXPECT_EQ(form.Procedure().State().LimbsText, "2");
}

TEST_F(MainWindow, AboutShowsThreeLinesWithTheReleaseAsItsVersion) {
  form.Controls().n5->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Версия: " + Q(release::kVersion) +
                             "\r\nАвтор программы: mq270\r\ne-mail: mq270@tavro.example");
}

TEST_F(MainWindow, SaveIsRefusedBeforeACalculation) {
  form.Controls().n3->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], QString::fromUtf8("Сначала необходимо произвести расчёт"));
}

TEST_F(MainWindow, ExitEndsTheEventLoop) {
  bool timedOut = false;
  QTimer::singleShot(0, form.Controls().n4, &QAction::trigger);
  QTimer::singleShot(5000, [&] {
    timedOut = true;
    QApplication::exit(1);
  });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(timedOut);
}

TEST(MessageBoxes, AreCaptionedTavroWithOneOkButton) {
  const auto message = BuildMessageBox(nullptr, QString::fromUtf8("a\r\nb"));
  EXPECT_EQ(message->windowTitle(), "Tavro");
  EXPECT_EQ(message->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(message->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(message->text(), "a\nb");
  EXPECT_EQ(message->windowModality(), Qt::ApplicationModal);
  const auto error = BuildErrorBox(nullptr, "disk full");
  EXPECT_EQ(error->icon(), QMessageBox::Critical);
  EXPECT_EQ(error->windowTitle(), "Tavro");
}

TEST(DisplayCheck, TellsWhetherTheWindowCanOpen) {
  test::ScopedEnv platform("QT_QPA_PLATFORM", nullptr);
  test::ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
  test::ScopedEnv display("DISPLAY", nullptr);
#ifdef _WIN32
  EXPECT_TRUE(DisplayAvailable());  // the desktop, with or without DISPLAY
  return;
#endif
  EXPECT_FALSE(DisplayAvailable());
  display.Set(":4711");
  EXPECT_FALSE(DisplayAvailable());
  display.Set("remotehost:0");
  EXPECT_TRUE(DisplayAvailable());
  display.Set(nullptr);
  platform.Set("offscreen");
  EXPECT_TRUE(DisplayAvailable());
}

}  // namespace
}  // namespace tavro::app
