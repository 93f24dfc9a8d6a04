// The window's second mode, the check of a transformer one has: the worked
// example's own transformer checked gives back its U0, a bad entry is named,
// a design file keeps the mode, and the design mode comes back untouched.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "app/analysis_panel.h"
#include "app/app_texts.h"
#include "app/form_fixture.h"
#include "app/interface_language.h"
#include "design/readable_number.h"
#include "i18n/catalogue.h"

namespace tavro::app {
namespace {

using design::Field;

class AnalysisModeTest : public test::FormTest {
 protected:
  AnalysisPanel& Panel() { return *form.Analysis().Panel(); }
  void Type(AnalysisField field, const QString& text) {
    Panel().Entry(field)->clear();
    QTest::keyClicks(Panel().Entry(field), text);
  }
  // Every digit of an extended value, with the window's separator.
  static QString Digits(long double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", v);
    return QString(text).replace('.', ',');
  }
  QString ResultValue(int row) { return form.Analysis().Panel()->Results()->item(row, 1)->text(); }
  void SaveAs(const QString& path) {
    form.Files().SetFileDialog([path](QWidget*, const QString&, const QString&, const QString&,
                                      const QString&, QString& name, bool) {
      name = path;
      return true;
    });
    form.Actions().saveDesignAs->trigger();
  }
  QTemporaryDir dir;
};

TEST_F(AnalysisModeTest, TheDesignsOwnTransformerGivesBackItsU0) {
  TypeWorkedExample();
  Calculate();
  ASSERT_TRUE(form.Procedure().LastDesign());
  const design::Design& d = *form.Procedure().LastDesign();
  const std::vector<std::string> designTexts = AllTexts();
  const QSize designSize = form.size();
  const QWidget* client = form.Controls().client;

  form.Analysis().AnalysisItem()->trigger();
  ASSERT_TRUE(form.Analysis().Active());
  EXPECT_TRUE(Panel().isVisible());
  EXPECT_FALSE(client->isVisible());
  // The design's EMF measured with no load, its Rtr all in the secondary,
  // its Ls and its capacitance.
  Type(AnalysisField::Voltage, Digits(d.Results.U2));
  QTest::mouseClick(Panel().NoLoad(), Qt::LeftButton);
  ASSERT_TRUE(Panel().NoLoad()->isChecked());
  Type(AnalysisField::Current, "1");
  Type(AnalysisField::PrimaryResistance, "0");
  Type(AnalysisField::SecondaryResistance, Digits(d.Parameters.Rtr));
  Type(AnalysisField::Leakage, Digits(d.Parameters.Ls));
  Type(AnalysisField::Capacitance, Digits(d.Results.Cf));
  Type(AnalysisField::LoadCurrent, "1");
  Type(AnalysisField::DiodeDrop, "0,7");
  QTest::mouseClick(Panel().CheckButton(), Qt::LeftButton);
  ASSERT_EQ(Panel().ErrorLine(), QString());
  constexpr int kU0Row = 4;
  EXPECT_EQ(ResultValue(kU0Row).toStdString(),
            design::FormatReadable(12.0L, design::Unit::Volt, ',', i18n::TranslateUtf8));
  EXPECT_EQ(Panel().LoadCharacteristic()->rowCount(), design::kLoadRows);

  // Kept in a design file, opened in another window in the same mode.
  const QString path = dir.filePath("check.tavro");
  SaveAs(path);
  ASSERT_TRUE(QFile::exists(path));
  app::TForm1 other(',');
  ASSERT_TRUE(other.Files().Open(path));
  EXPECT_TRUE(other.Analysis().Active());
  EXPECT_EQ(other.Analysis().Panel()->Texts(), Panel().Texts());
  EXPECT_EQ(other.Analysis().Panel()->Results()->item(kU0Row, 1)->text(), ResultValue(kU0Row));

  // A check kept with the design's fields blank opens without a word about
  // them.
  app::TForm1 blank(',');
  blank.SetMessageSink([](const QString& text) { ADD_FAILURE() << text.toStdString(); });
  blank.Analysis().SetActive(true);
  blank.Analysis().Panel()->SetTexts(Panel().Texts());
  const QString blankPath = dir.filePath("blank.tavro");
  blank.Files().SetFileDialog([blankPath](QWidget*, const QString&, const QString&, const QString&,
                                          const QString&, QString& name, bool) {
    name = blankPath;
    return true;
  });
  blank.Actions().saveDesignAs->trigger();
  ASSERT_TRUE(other.Files().Open(blankPath));
  EXPECT_EQ(other.Analysis().Panel()->Results()->item(kU0Row, 1)->text(), ResultValue(kU0Row));

  // Back to the design: the window as it was.
  form.Analysis().DesignItem()->trigger();
  EXPECT_FALSE(form.Analysis().Active());
  EXPECT_TRUE(client->isVisible());
  EXPECT_FALSE(Panel().isVisible());
  EXPECT_EQ(AllTexts(), designTexts);
  EXPECT_EQ(form.size(), designSize);
}

TEST_F(AnalysisModeTest, ABadEntryIsNamedAndClearsTheResults) {
  form.Analysis().SetActive(true);
  Type(AnalysisField::Voltage, "12");
  Type(AnalysisField::Current, "1");
  Type(AnalysisField::Capacitance, "2200");
  Type(AnalysisField::LoadCurrent, "1");
  Type(AnalysisField::DiodeDrop, "0,7");
  Panel().Check();
  ASSERT_EQ(Panel().ErrorLine(), QString());
  ASSERT_GT(Panel().Results()->rowCount(), 0);
  struct Case {
    AnalysisField Field;
    QString Text;
    std::string_view Caption;
  };
  // Not a number; refused by the transformer's conversion; not positive;
  // a short-circuit test without its current.
  for (const Case& c :
       {Case{AnalysisField::Capacitance, "2,2,0", texts::kAnalysisCapacitance},
        Case{AnalysisField::Regulation, "-5", texts::kAnalysisRegulation},
        Case{AnalysisField::LoadCurrent, "0", texts::kAnalysisLoadCurrent},
        Case{AnalysisField::ShortCircuitVoltage, "10", texts::kAnalysisShortCurrent}}) {
    const QString kept = Panel().Entry(c.Field)->text();
    Type(c.Field, c.Text);
    Panel().Check();
    EXPECT_EQ(Panel().ErrorLine(), T(texts::kAnalysisBadEntry).arg(T(c.Caption)))
        << c.Text.toStdString();
    EXPECT_EQ(Panel().Results()->rowCount(), 0) << c.Text.toStdString();
    Type(c.Field, kept);
  }
  Panel().Check();
  EXPECT_EQ(Panel().ErrorLine(), QString());
}

// A file saved in the design mode with the panel untouched is the file it
// was before the second mode existed, and opens in the design mode.
TEST_F(AnalysisModeTest, AnUntouchedPanelLeavesTheFileAsItWas) {
  TypeWorkedExample();
  const QString path = dir.filePath("design.tavro");
  SaveAs(path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_FALSE(file.readAll().contains("analysis"));
  form.Analysis().SetActive(true);
  ASSERT_TRUE(form.Files().Open(path));
  EXPECT_FALSE(form.Analysis().Active());
}

}  // namespace
}  // namespace tavro::app
