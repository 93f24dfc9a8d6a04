// "Выбор элементов", the "Сеть" dialog, the warnings line and the settings.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_settings.h"
#include "app/form_fixture.h"
#include "app/mains_dialog.h"
#include "design/ratings/ratings_texts.h"
#include "design/texts.h"

namespace tavro::app {
namespace {

using design::Field;
namespace r = design::ratings;

class Selection : public test::FormTest {
 protected:
  QString TableText() const {
    QString all;
    const QTableWidget& t = form.Selection()->Table();
    for (int row = 0; row < t.rowCount(); ++row) {
      for (int c = 0; c < t.columnCount(); ++c) {
        if (const QTableWidgetItem* item = t.item(row, c)) all += item->text() + "|";
      }
      all += "\n";
    }
    return all;
  }
  QString OutputsCaption() const {
    return form.Controls().Group(design::Group::GroupBox3)->title();
  }
};

TEST_F(Selection, FollowsEveryCompleteCalculation) {
  EXPECT_FALSE(form.SelectionItem()->isEnabled());
  TypeWorkedExample();
  Calculate();
  ASSERT_TRUE(form.SelectionItem()->isEnabled());
  form.SelectionItem()->trigger();
  ASSERT_NE(form.Selection(), nullptr);
  EXPECT_TRUE(form.Selection()->isVisible());
  EXPECT_TRUE(TableText().contains("33000 мкФ (ряд E6)")) << TableText().toStdString();
  EXPECT_TRUE(TableText().contains("IFSM не менее 15,8 А"));

  TypeInto(Field::Edit2, "2");  // twice the current: a bigger capacitor
  Calculate();
  EXPECT_FALSE(TableText().contains("33000 мкФ (ряд E6)")) << TableText().toStdString();
  EXPECT_TRUE(messages.empty());
}

TEST_F(Selection, ChoicesRecomputeTheTableAndReachTheSettingsSink) {
  std::vector<AppSettings> saved;
  form.SetSettingsSink([&saved](const AppSettings& s) { saved.push_back(s); });
  TypeWorkedExample();
  Calculate();
  form.SelectionItem()->trigger();
  auto* series = form.Selection()->findChild<QComboBox*>("CapacitorSeries");
  series->setCurrentIndex(1);  // E12: 24805 µF → 27000 µF
  EXPECT_TRUE(TableText().contains("27000 мкФ (ряд E12)")) << TableText().toStdString();
  ASSERT_FALSE(saved.empty());
  EXPECT_EQ(saved.back().Parts.Series, r::CapacitanceSeries::E12);
  // The allowed surge sizes a limiter; 0 takes it away again.
  auto* limit = form.Selection()->findChild<QDoubleSpinBox*>("SurgeLimit");
  ASSERT_NE(limit, nullptr);
  limit->setValue(5.0);
  EXPECT_EQ(saved.back().Parts.SurgeLimit, 5.0L);
  EXPECT_TRUE(TableText().contains("холодное сопротивление не менее")) << TableText().toStdString();
  limit->setValue(0.0);
  EXPECT_FALSE(saved.back().Parts.SurgeLimit.has_value());
  EXPECT_TRUE(TableText().contains("допустимый ударный ток не задан"));
  // A diode chosen: its rows join the table; "не выбран" takes them away.
  auto* diode = form.Selection()->findChild<QComboBox*>("ChosenDiode");
  EXPECT_EQ(diode->itemText(0), "не выбран");
  EXPECT_FALSE(TableText().contains("Температура перехода"));
  diode->setCurrentText("1N5408");
  EXPECT_EQ(saved.back().Parts.Diode, "1N5408");
  EXPECT_TRUE(TableText().contains("1N5408: годится")) << TableText().toStdString();
  EXPECT_TRUE(TableText().contains("Температура перехода"));
  diode->setCurrentIndex(0);
  EXPECT_EQ(saved.back().Parts.Diode, "");
  EXPECT_FALSE(TableText().contains("Температура перехода"));
}

TEST_F(Selection, DefaultMainsKeepTheCaptionAndOtherMainsAreNamed) {
  TypeWorkedExample();
  Calculate();
  EXPECT_EQ(OutputsCaption().toStdString(), design::texts::kOutputsGroup);
  std::vector<AppSettings> saved;
  form.SetSettingsSink([&saved](const AppSettings& s) { saved.push_back(s); });
  form.SetMainsDialog([](QWidget*, const r::SupplyConditions&) {
    return std::optional<r::SupplyConditions>(r::SupplyConditions{{230.0L, 60.0L}, 0.05L});
  });
  const std::string primaryAt220 = Shown(Field::Edit14);
  form.MainsItem()->trigger();  // recalculates at once
  EXPECT_EQ(OutputsCaption().toStdString(), "Выходные данные (питающая сеть 230 В / 60 Гц)");
  EXPECT_NE(Shown(Field::Edit14), primaryAt220);  // the primary current at 230 V
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].Mains.Supply.Voltage, 230.0L);
  EXPECT_EQ(saved[0].Mains.Tolerance, 0.05L);

  form.SetMainsDialog([](QWidget*, const r::SupplyConditions&) { return std::nullopt; });
  form.MainsItem()->trigger();  // cancelled: nothing changes
  EXPECT_EQ(saved.size(), 1u);
  EXPECT_TRUE(messages.empty());
}

// What is typed into the mains dialog is kept whole; a value out of range
// is named and keeps the dialog open; a preset sets voltage and frequency.
TEST_F(Selection, TheMainsDialogKeepsWhatIsTypedAndOffersTheCommonMains) {
  MainsDialog dialog(r::SupplyConditions{}, ',', &form);
  const auto box = [&dialog](const char* name) {
    return dialog.findChild<QDoubleSpinBox*>(name);
  };
  const auto type = [&](const char* name, const char* text) {
    QLineEdit* line = box(name)->findChild<QLineEdit*>();
    line->selectAll();
    QTest::keyClicks(line, text);
  };
  auto* preset = dialog.findChild<QComboBox*>("MainsPreset");
  auto* problem = dialog.findChild<QLabel*>("MainsProblem");
  dialog.show();
  EXPECT_EQ(preset->currentIndex(), 1);  // 220 V / 50 Hz
  const struct {
    const char* box;
    const char* typed;
    double value;
    const char* problem;  // part of the message, or nothing
  } cases[] = {{"MainsTolerance", "99", 99.0, "50 %"},
               {"MainsTolerance", "12,5", 12.5, nullptr},
               {"MainsVoltage", "9999", 9999.0, "1000 В"},
               {"MainsVoltage", "0", 0.0, "1000 В"},
               {"MainsVoltage", "230", 230.0, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    type(c.box, c.typed);
    EXPECT_EQ(box(c.box)->value(), c.value);
    dialog.setResult(QDialog::Rejected);
    dialog.accept();
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.problem == nullptr);
    if (c.problem) {
      EXPECT_TRUE(problem->text().contains(QString::fromUtf8(c.problem)));
    } else {
      dialog.show();
    }
  }
  EXPECT_EQ(preset->currentIndex(), 2);  // 230 V / 50 Hz
  preset->setCurrentIndex(3);
  emit preset->activated(3);
  const r::SupplyConditions chosen = dialog.Chosen();
  EXPECT_EQ(chosen.Supply.Voltage, 120.0L);
  EXPECT_EQ(chosen.Supply.Frequency, 60.0L);
  EXPECT_EQ(chosen.Tolerance, 0.125L);
  type("MainsVoltage", "121");
  EXPECT_EQ(preset->currentIndex(), 0);  // another mains
}

TEST_F(Selection, WarningsGoToALineUnderTheWindowNeverToAMessage) {
  TypeWorkedExample();
  Calculate();
  EXPECT_TRUE(form.WarningsLine().isEmpty());
  EXPECT_FALSE(form.WarningsShown());
  TypeInto(Field::Edit5, "100");
  Calculate();
  EXPECT_TRUE(form.WarningsLine().contains(QString::fromUtf8(r::texts::kWarnFluxDensity.data())));
  EXPECT_TRUE(form.WarningsShown());
  EXPECT_TRUE(messages.empty());
}

TEST(AppSettingsStore, RoundTripAndOutOfRangeValuesKeepTheDefaults) {
  QTemporaryDir dir;
  QSettings store(dir.filePath("tavro.ini"), QSettings::IniFormat);
  const AppSettings defaults = LoadSettings(store);
  EXPECT_EQ(defaults.Mains.Supply.Voltage, 220.0L);
  EXPECT_EQ(defaults.Mains.Tolerance, 0.10L);
  EXPECT_EQ(defaults.Language, i18n::Language::Russian);

  AppSettings s;
  s.Mains = {{117.5L, 60.0L}, 0.15L};
  s.Parts = {.CapacitanceTolerance = 0.10L,
             .Series = r::CapacitanceSeries::E12,
             .DiodeVoltageMargin = 2.0L,
             .Diode = "UF4007",
             .Ambient = 55.0L};
  s.Language = i18n::Language::English;
  SaveSettings(store, s);
  const AppSettings back = LoadSettings(store);
  EXPECT_EQ(back.Mains.Supply.Voltage, 117.5L);
  EXPECT_EQ(back.Mains.Supply.Frequency, 60.0L);
  EXPECT_EQ(back.Mains.Tolerance, 0.15L);
  EXPECT_EQ(back.Parts.CapacitanceTolerance, 0.10L);
  EXPECT_EQ(back.Parts.Series, r::CapacitanceSeries::E12);
  EXPECT_EQ(back.Parts.DiodeVoltageMargin, 2.0L);
  EXPECT_EQ(back.Parts.Diode, "UF4007");
  EXPECT_EQ(back.Parts.Ambient, 55.0L);
  EXPECT_EQ(back.Language, i18n::Language::English);

  store.setValue("mains/voltage", "5000");
  store.setValue("mains/tolerance", "abc");
  store.setValue("interface/language", "fr");
  store.setValue("parts/diode", "NOPE");
  const AppSettings odd = LoadSettings(store);
  EXPECT_EQ(odd.Language, i18n::Language::Russian);
  EXPECT_EQ(odd.Parts.Diode, "");
  // The first start follows the system's locale; a stored choice wins after.
  QSettings fresh(dir.filePath("fresh.ini"), QSettings::IniFormat);
  for (const auto& [locale, language] :
       {std::pair{"ru_RU", i18n::Language::Russian}, std::pair{"ru", i18n::Language::Russian},
        std::pair{"ru_UA.UTF-8", i18n::Language::Russian},
        std::pair{"en_US", i18n::Language::English}, std::pair{"C", i18n::Language::English},
        std::pair{"de_DE", i18n::Language::English}, std::pair{"", i18n::Language::English}}) {
    EXPECT_EQ(LoadSettings(fresh, i18n::LanguageOfLocale(locale)).Language, language) << locale;
  }
  SaveSettings(store, s);  // English picked
  EXPECT_EQ(LoadSettings(store, i18n::Language::Russian).Language, i18n::Language::English);
  EXPECT_EQ(odd.Mains.Supply.Voltage, 220.0L);
  EXPECT_EQ(odd.Mains.Tolerance, 0.10L);
}

}  // namespace
}  // namespace tavro::app
