// Everyday use of the window: keyboard, focus after a rejected input, stale
// results, the clipboard table, design files, help and small screens.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <vector>

#include "app/app_texts.h"
#include "app/design_banner.h"
#include "app/form_fixture.h"
#include "app/interface_language.h"
#include "app/plot_view.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"
#include "common/files.h"
#include "common/pdf_text.h"
#include "design/texts.h"

namespace tavro::app {
namespace {

using design::Field;

class Everyday : public test::FormTest {
 protected:
  QString Stripped(const QAction* action) const { return QString(action->text()).remove('&'); }
};

TEST_F(Everyday, MenusKeepTheirCaptionsWithMnemonicsAndShortcuts) {
  const FormControls& c = form.Controls();
  EXPECT_EQ(Stripped(c.n3), Q(texts::kSaveItem));
  EXPECT_EQ(Stripped(c.n4), Q(texts::kExitItem));
  EXPECT_EQ(Stripped(c.n5), Q(texts::kAboutItem));
  struct Key {
    QAction* action;
    QKeySequence key;
  };
  const EverydayActions& a = form.Actions();
  const Key keys[] = {
      {c.n3, QKeySequence("Ctrl+R")},         {c.n4, QKeySequence("Ctrl+Q")},
      {a.openDesign, QKeySequence("Ctrl+O")}, {a.saveDesign, QKeySequence("Ctrl+S")},
      {a.saveDesignAs, QKeySequence("Ctrl+Shift+S")},
      {a.exportPdf, QKeySequence("Ctrl+P")},  {a.help, QKeySequence("F1")}};
  for (const Key& k : keys) {
    EXPECT_TRUE(k.action->shortcuts().contains(k.key)) << k.action->text().toStdString();
    EXPECT_TRUE(k.action->text().contains('&')) << k.action->text().toStdString();
  }
  EXPECT_TRUE(a.exportPdf->shortcuts().contains(QKeySequence("Ctrl+E")));
}

TEST_F(Everyday, EveryMenuHasAMnemonicOfItsOwn) {
  QList<QChar> keys;
  for (QAction* menu : form.menuBar()->actions()) {
    const QString title = menu->text();
    const int at = title.indexOf('&');
    ASSERT_GE(at, 0) << title.toStdString();
    const QChar key = title[at + 1].toLower();
    EXPECT_FALSE(keys.contains(key)) << title.toStdString();
    keys.push_back(key);
  }
}

TEST_F(Everyday, EnterInAnInputOrOnTheButtonCalculates) {
  TypeWorkedExample();
  QTest::keyClick(Edit(Field::Edit6), Qt::Key_Return);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(Shown(Field::Edit7), "1,25570E+01");

  TypeInto(Field::Edit1, "24");
  QTest::keyClick(form.Controls().radioButton1, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(form.Procedure().State().CalculatedInputs.U0, "24");

  TypeInto(Field::Edit1, "12");
  form.Controls().button1->setFocus();
  QTest::keyClick(form.Controls().button1, Qt::Key_Return);
  EXPECT_EQ(form.Procedure().State().CalculatedInputs.U0, "12");
  EXPECT_TRUE(messages.empty());
}

TEST_F(Everyday, AltCombinationsNeverTypeIntoAField) {
  TypeInto(Field::Edit1, "12");
  QTest::keyClick(Edit(Field::Edit1), Qt::Key_F, Qt::AltModifier);
  // Alt+Ф on a Russian layout: a key the test library has no name for.
  QKeyEvent altEf(QEvent::KeyPress, 0x0424, Qt::AltModifier, QString::fromUtf8("ф"));
  QApplication::sendEvent(Edit(Field::Edit1), &altEf);
  EXPECT_EQ(Edit(Field::Edit1)->text(), "12");

  // Alt on its own opens the menu bar's first menu.
  QApplication::setActiveWindow(&form);
  QTest::keyPress(Edit(Field::Edit1), Qt::Key_Alt, Qt::AltModifier);
  QTest::keyRelease(Edit(Field::Edit1), Qt::Key_Alt);
  QApplication::processEvents();
  EXPECT_EQ(form.menuBar()->activeAction(), form.menuBar()->actions().value(0));
  QTest::keyClick(form.menuBar(), Qt::Key_Escape);
}

// Alt+letter opens that letter's menu and it stays open once both keys are
// up, in either language: real key events, as a keyboard sends them.
TEST_F(Everyday, AltAndAMnemonicOpenThatMenuAndKeepItOpen) {
  for (const i18n::Language language : {i18n::Language::Russian, i18n::Language::English}) {
    SwitchLanguage(language);
    QApplication::setActiveWindow(&form);
    Edit(Field::Edit1)->setFocus();
    for (QAction* menu : form.menuBar()->actions()) {
      const QString title = menu->text();
      SCOPED_TRACE(title.toStdString());
      const QChar letter = title[title.indexOf('&') + 1];
      QWidget* target = QApplication::focusWidget();
      ASSERT_NE(target, nullptr);
      QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
      // The key as the layout gives it: its code and its character.
      QKeyEvent press(QEvent::KeyPress, QKeySequence(letter.toUpper())[0].key(), Qt::AltModifier,
                      QString(letter));
      QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::AltModifier, QString(letter));
      QWidget* receiver = QApplication::focusWidget();
      QApplication::sendEvent(receiver, &press);
      QApplication::processEvents();
      if (QWidget* now = QApplication::activePopupWidget()) receiver = now;
      QApplication::sendEvent(receiver, &release);
      QTest::keyRelease(receiver, Qt::Key_Alt);
      QApplication::processEvents();
      QApplication::processEvents();
      EXPECT_EQ(QApplication::activePopupWidget(), menu->menu());
      while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
      QApplication::processEvents();
    }
  }
  SwitchLanguage(i18n::Language::Russian);
}

TEST_F(Everyday, TabSkipsTheResultsButReachesTheSliderAndClickSelectsAResult) {
  TypeWorkedExample();
  Calculate();
  QApplication::setActiveWindow(&form);
  Edit(Field::Edit6)->setFocus();
  QTest::keyClick(Edit(Field::Edit6), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form.Controls().trackBar1);
  QTest::keyClick(form.Controls().trackBar1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form.Controls().button1);
  QTest::keyClick(form.Controls().button1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Edit(Field::Edit1))
      << QApplication::focusWidget()->objectName().toStdString();

  QLineEdit* result = Edit(Field::Edit7);
  QTest::mouseClick(result, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), result);
  result->selectAll();
  EXPECT_EQ(result->selectedText(), "1,25570E+01");
}

TEST_F(Everyday, FocusGoesToTheRejectedFieldWithItsTextSelected) {
  struct Case {
    Field field;
    const char* text;
  };
  for (const Case& c : {Case{Field::Edit2, "0,019"}, Case{Field::Edit5, "1.2"}}) {
    TypeWorkedExample();
    TypeInto(c.field, c.text);
    form.Controls().button1->setFocus();
    Calculate();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(form.focusWidget(), Edit(c.field)) << c.text;
    EXPECT_EQ(Edit(c.field)->selectedText(), c.text);
  }
}

TEST_F(Everyday, EditedInputsMarkTheResultsStaleUntilTheNextCalculation) {
  TypeWorkedExample();
  EXPECT_FALSE(form.Stale().Stale());  // nothing shown yet
  Calculate();
  const QColor normal = Edit(Field::Edit7)->palette().color(QPalette::Text);
  TypeInto(Field::Edit1, "13");
  const std::vector<std::string> shown = AllTexts();
  TypeInto(Field::Edit1, "12");
  TypeInto(Field::Edit1, "13");
  EXPECT_TRUE(form.Stale().Stale());
  EXPECT_EQ(form.Stale().Note(), Q(texts::kStaleNote));
  EXPECT_NE(Edit(Field::Edit7)->palette().color(QPalette::Text), normal);
  EXPECT_NE(Edit(Field::Edit29)->palette().color(QPalette::Text), normal);
  EXPECT_EQ(AllTexts(), shown);

  TypeInto(Field::Edit1, "0");  // a rejected press keeps the marking
  Calculate();
  EXPECT_TRUE(form.Stale().Stale());
  TypeInto(Field::Edit1, "12");
  QTest::mouseClick(form.Controls().radioButton2, Qt::LeftButton);
  Calculate();
  EXPECT_FALSE(form.Stale().Stale());
  EXPECT_TRUE(form.Stale().Note().isEmpty());
  EXPECT_EQ(Edit(Field::Edit7)->palette().color(QPalette::Text), normal);
}

TEST_F(Everyday, SecondaryWindowsNameTheirDesignAndGreyWhileItIsStale) {
  TypeWorkedExample();
  Calculate();
  form.SelectionItem()->trigger();
  form.Controls().n7->trigger();
  form.Controls().n8->trigger();
  form.SimulationItem()->trigger();
  const std::vector<QWidget*> windows = {
      form.Selection(), form.findChild<QWidget*>("LoadCharacteristicWindow"),
      form.findChild<QWidget*>("DiodeCurrentWindow"), form.Simulation()};
  const auto banner = [](QWidget* window) {
    return window->findChild<DesignBanner*>("DesignBanner", Qt::FindDirectChildrenOnly);
  };
  const auto greyed = [](QWidget* window) {
    int count = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) count += w->graphicsEffect() != nullptr;
    return count;
  };
  const QString mains = "сеть 220 В ±10 %, 50 Гц";
  for (QWidget* w : windows) {
    ASSERT_NE(w, nullptr);
    ASSERT_NE(banner(w), nullptr) << w->objectName().toStdString();
    EXPECT_FALSE(banner(w)->Stale());
    EXPECT_EQ(greyed(w), 0) << w->objectName().toStdString();
  }
  // The windows with a line of their own name the design there; the plots
  // in their title.
  for (QWidget* w : {windows[0], windows[3]}) {
    EXPECT_TRUE(banner(w)->isVisible());
    EXPECT_TRUE(banner(w)->text().contains("U₀ = 12 В") && banner(w)->text().contains(mains))
        << banner(w)->text().toStdString();
  }

  TypeInto(Field::Edit1, "13");
  for (QWidget* w : windows) {
    const QString line = banner(w)->text();
    EXPECT_TRUE(banner(w)->Stale()) << w->objectName().toStdString();
    EXPECT_TRUE(banner(w)->isVisible());
    EXPECT_GT(greyed(w), 0) << w->objectName().toStdString();
    EXPECT_TRUE(line.contains("U₀ = 12 В") && line.contains(mains) &&
                line.contains(Q(texts::kStaleNote)))
        << line.toStdString();
  }

  Calculate();
  for (QWidget* w : windows) {
    const QString line = banner(w)->text();
    EXPECT_FALSE(banner(w)->Stale()) << w->objectName().toStdString();
    EXPECT_EQ(greyed(w), 0) << w->objectName().toStdString();
    EXPECT_TRUE(line.contains("U₀ = 13 В") && !line.contains(Q(texts::kStaleNote)))
        << line.toStdString();
  }
  EXPECT_FALSE(banner(windows[1])->isVisible());  // the plot's title names it
  EXPECT_TRUE(form.findChild<PlotView*>()->Title().contains("U₀ = 13 В"));
}

TEST_F(Everyday, CopyResultsPutsBothTablesOnTheClipboard) {
  EXPECT_FALSE(form.Actions().copyResults->isEnabled());
  TypeWorkedExample();
  Calculate();
  form.Actions().copyResults->trigger();
  const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
  ASSERT_GT(lines.size(), 30);
  EXPECT_EQ(lines[0], QString::fromUtf8("Величина\tЗначение\tЕдиница"));
  EXPECT_TRUE(lines.contains(QString::fromUtf8("Номинальное выпрямленное напряжение\t12\tВ")));
  // The results readable (the window shows 1,25570E+01 and 1,98443E+04),
  // without grouping so that a spreadsheet reads them as numbers.
  EXPECT_TRUE(
      lines.contains(QString::fromUtf8("Действующее напряжение вторичной обмотки\t12,6\tВ")));
  EXPECT_EQ(Shown(Field::Edit19), "1,98443E+04");
  EXPECT_TRUE(lines.contains(QString::fromUtf8("Ёмкость конденсатора фильтра\t19844\tмкФ")));
  // The load characteristic: a title, a header and 25 rows of five columns.
  const qsizetype title = lines.indexOf(Q(design::texts::kLoadGroup));
  ASSERT_GT(title, 0);
  EXPECT_TRUE(lines[title - 1].isEmpty());
  for (int row = 0; row <= 25; ++row) EXPECT_EQ(lines[title + 1 + row].count('\t'), 4);
  const QStringList rated = lines[title + 1 + 21].split('\t');
  EXPECT_EQ(rated[0], "100");
  EXPECT_EQ(rated[1], "1,00");
  EXPECT_EQ(rated[2], "12,0");
  // γ to three digits of the window's figure.
  const double gamma = Q(Shown(Field::Edit28)).replace(',', '.').toDouble();
  EXPECT_NEAR(QString(rated[3]).replace(',', '.').toDouble(), gamma, 0.005 * std::fabs(gamma));
}

TEST_F(Everyday, ExportPdfWritesTheDocumentOfTheShownDesign) {
  QTemporaryDir dir;
  const QString path = dir.filePath("design.pdf");
  form.SetPdfFileDialog([&](QWidget*, const QString&, const QString&, const QString&,
                            const QString&, QString& name, bool) {
    name = path;
    return true;
  });
  form.SetClock([] { return report::ReportTime{8, 12, 2026, 14, 10}; });
  form.Actions().exportPdf->trigger();  // greyed before a calculation: nothing happens
  EXPECT_FALSE(QFile::exists(path));
  TypeWorkedExample();
  Calculate();
  form.Actions().exportPdf->trigger();
  EXPECT_TRUE(errors.empty());
  TAVRO_READ_PDF_OR_SKIP(path.toStdString());
  const std::string text = test::PdfText(path.toStdString());
  for (const std::string& expected : {std::string("08.12.2026 14:10"), Shown(Field::Edit7),
                                      Shown(Field::Edit19), Shown(Field::Edit11)}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
}

class DesignFilesInWindow : public test::FormTest {
 protected:
  QString Path(const char* name) const { return dir.filePath(name); }
  // The open and save dialog of `window` (the fixture's own by default)
  // answers `path`.
  void Answer(const QString& path) { AnswerIn(form, path); }
  static void AnswerIn(app::TForm1& window, const QString& path) {
    window.Files().SetFileDialog([path](QWidget*, const QString&, const QString&, const QString&,
                                        const QString&, QString& name, bool) {
      name = path;
      return true;
    });
  }
  QTemporaryDir dir;
};

TEST_F(DesignFilesInWindow, SavedInputsOpenAgainUnderTheOtherSeparator) {
  TypeWorkedExample();
  QTest::mouseClick(form.Controls().radioButton2, Qt::LeftButton);
  Answer(Path("example.tavro"));
  form.Actions().saveDesignAs->trigger();
  ASSERT_TRUE(QFile::exists(Path("example.tavro")));

  app::TForm1 point('.');
  AnswerIn(point, Path("example.tavro"));
  point.Actions().openDesign->trigger();
  EXPECT_EQ(point.Text(Field::Edit5), "1.2");
  EXPECT_EQ(point.Text(Field::Edit6), "0.7");
  EXPECT_EQ(point.Text(Field::Edit1), "12");
  EXPECT_TRUE(point.Controls().radioButton2->isChecked());
  EXPECT_EQ(point.findChild<QLabel*>("CurrentDesign")->text(),
            QString::fromUtf8("Проект: example.tavro"));
  EXPECT_EQ(form.Files().RecentFiles().value(0),
            QFileInfo(Path("example.tavro")).absoluteFilePath());
}

// A file keeps the mains and part choices; opening over unsaved edits asks
// (Cancel keeps them), an opened file is calculated at once, and the title
// and status line follow whether the window still shows the file.
TEST_F(DesignFilesInWindow, FilesKeepTheSettingsAndOpeningOverEditsAsks) {
  TypeWorkedExample();
  form.SetMainsDialog([](QWidget*, const design::ratings::SupplyConditions&) {
    return std::optional(design::ratings::SupplyConditions{{120.0L, 60.0L}, 0.15L});
  });
  form.MainsItem()->trigger();
  Answer(Path("mains.tavro"));
  form.Actions().saveDesign->trigger();  // no file yet: asks for a name
  ASSERT_TRUE(QFile::exists(Path("mains.tavro")));
  EXPECT_TRUE(form.windowTitle().startsWith("mains.tavro[*] — "));
  EXPECT_FALSE(form.isWindowModified());
  auto* designName = form.findChild<QLabel*>("CurrentDesign");
  EXPECT_EQ(designName->text(), QString::fromUtf8("Проект: mains.tavro"));

  TypeInto(Field::Edit1, "24");
  EXPECT_TRUE(form.isWindowModified());
  EXPECT_TRUE(designName->text().isEmpty());
  unsavedAnswer = app::DesignFiles::UnsavedChoice::Cancel;
  form.Actions().openDesign->trigger();
  EXPECT_EQ(unsavedQuestions, std::vector<QString>{"mains.tavro"});
  EXPECT_EQ(Shown(Field::Edit1), "24");  // kept

  TypeInto(Field::Edit1, "12");  // as saved again
  EXPECT_FALSE(form.isWindowModified());

  app::TForm1 other(',');
  AnswerIn(other, Path("mains.tavro"));
  other.Actions().openDesign->trigger();
  EXPECT_EQ(other.Settings().Mains.Supply.Voltage, 120.0L);
  EXPECT_EQ(other.Settings().Mains.Supply.Frequency, 60.0L);
  EXPECT_EQ(other.Settings().Mains.Tolerance, 0.15L);
  EXPECT_TRUE(other.Procedure().State().Calculated);  // at once

  // Settings out of range refuse the file, naming the entry; nothing changes.
  QFile bad(Path("bad.tavro"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(R"({"format":"tavro-design","version":2,"decimal_separator":",","inputs":)"
            R"({"voltage":"48","current":"1","ripple":"1","limbs":1,"flux":"1,2",)"
            R"("diode_drop":"0,7"},"mains":{"voltage":5000}})");
  bad.close();
  unsavedAnswer = app::DesignFiles::UnsavedChoice::Discard;
  EXPECT_FALSE(form.Files().Open(Path("bad.tavro")));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].contains("mains.voltage")) << messages[0].toStdString();
  EXPECT_EQ(Shown(Field::Edit1), "12");
  EXPECT_EQ(form.Settings().Mains.Supply.Voltage, 120.0L);
}

// A file keeps the simulation's settings as its window shows them, and
// opening one shows them there, in an open window or the next one opened.
TEST_F(DesignFilesInWindow, FilesKeepTheSimulationSettingsOfItsWindow) {
  TypeWorkedExample();
  Calculate();
  form.SimulationItem()->trigger();
  SimulationWindow* window = form.Simulation();
  ASSERT_NE(window, nullptr);
  auto* esr = window->findChild<QLineEdit*>("SimulationEsr");
  auto* load = window->findChild<QComboBox*>("SimulationLoad");
  ASSERT_TRUE(esr != nullptr && load != nullptr);
  window->DiodeChoice()->setCurrentText("1N5408");
  esr->setText("0,05");
  load->setCurrentIndex(1);
  Answer(Path("simulation.tavro"));
  form.Actions().saveDesign->trigger();
  QFile saved(Path("simulation.tavro"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(saved.readAll()).remove(' ').remove('\n');
  saved.close();  // Windows replaces no file that is open
  EXPECT_TRUE(text.contains(R"("simulation":{"diode":"1N5408","diode_model":"","esr":0.05,)"
                            R"("load":"current"})"))
      << text.toStdString();
  esr->setText("0,1");
  EXPECT_TRUE(form.isWindowModified());
  esr->setText("0,05");
  EXPECT_FALSE(form.isWindowModified());

  app::TForm1 other(',');
  AnswerIn(other, Path("simulation.tavro"));
  other.Actions().openDesign->trigger();
  other.SimulationItem()->trigger();
  SimulationWindow* opened = other.Simulation();
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->TypedSettings(), window->TypedSettings());
  EXPECT_FALSE(other.isWindowModified());

  // The user's own model, into the window already open.
  const QString model = ".model MYD D(IS=10n RS=0.05 N=1.8)";
  window->DiodeChoice()->setCurrentIndex(window->DiodeChoice()->count() - 1);
  window->findChild<QLineEdit*>("SimulationModel")->setText(model);
  form.Actions().saveDesign->trigger();
  other.Files().Open(Path("simulation.tavro"));
  ASSERT_TRUE(opened->TypedSettings().has_value());
  EXPECT_EQ(opened->TypedSettings()->DiodeModel, model.toStdString());
  EXPECT_EQ(opened->TypedSettings(), window->TypedSettings());

  QFile bad(Path("bad.tavro"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(R"({"format":"tavro-design","version":2,"decimal_separator":",","inputs":)"
            R"({"voltage":"48","current":"1","ripple":"1","limbs":1,"flux":"1,2",)"
            R"("diode_drop":"0,7"},"simulation":{"load":"inductive"}})");
  bad.close();
  EXPECT_FALSE(form.Files().Open(Path("bad.tavro")));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].contains("simulation.load")) << messages[0].toStdString();
}

TEST_F(DesignFilesInWindow, TheLastInputsAndPositionComeBackAtTheNextStart) {
  {
    app::TForm1 first(',');
    first.RestoreSession();
    first.show();
    first.Files().Apply({{"24", "2", "3", "2", "1,5", "0,9"}, ',', {}});
    first.move(100, 120);
    first.close();
  }
  app::TForm1 next('.');
  next.RestoreSession();
  EXPECT_EQ(next.Text(Field::Edit1), "24");
  EXPECT_EQ(next.Text(Field::Edit5), "1.5");
  EXPECT_TRUE(next.Controls().radioButton2->isChecked());
  EXPECT_EQ(next.pos(), QPoint(100, 120));
  // The window the tests use does not take part.
  EXPECT_TRUE(Edit(Field::Edit1)->text().isEmpty());
}

TEST_F(DesignFilesInWindow, AFileThatCannotBeReadChangesNothing) {
  TypeWorkedExample();
  Calculate();
  const std::vector<std::string> before = AllTexts();
  QFile damaged(Path("damaged.tavro"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(R"({"format": "tavro-design", "version": 1, "inputs": {"volt)");
  damaged.close();
  QFile deep(Path("deep.tavro"));
  ASSERT_TRUE(deep.open(QIODevice::WriteOnly));
  deep.write(QByteArray(150000, '['));
  deep.close();
  std::vector<QString> paths{Path("damaged.tavro"), Path("missing.tavro"), Path("deep.tavro"),
                             dir.path()};
#ifndef _WIN32
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.tavro")).constData(), 0600), 0);
  paths.push_back(Path("pipe.tavro"));
  paths.push_back(QStringLiteral("/dev/zero"));
#endif
  // None of them may crash, wait on a writer or read without end.
  for (const QString& path : paths) {
    messages.clear();
    EXPECT_FALSE(form.Files().Open(path));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(path)) << messages[0].toStdString();
    EXPECT_EQ(AllTexts(), before);
    EXPECT_FALSE(form.Stale().Stale());
  }
#ifndef _WIN32
  // Nor is a FIFO replaced by a saved design.
  messages.clear();
  Answer(Path("pipe.tavro"));
  form.Actions().saveDesignAs->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].contains(Path("pipe.tavro"))) << messages[0].toStdString();
  EXPECT_TRUE(std::filesystem::is_fifo(Path("pipe.tavro").toStdString()));
#endif
}

TEST_F(Everyday, HelpOpensInAWindowAndEveryFieldHasATooltip) {
  form.Actions().help->trigger();
  auto* window = form.findChild<HelpWindow*>("HelpWindow");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  const QString markdown =
      QString::fromStdString(test::ReadFile(std::string(TAVRO_SOURCE_DIR) + "/docs/help/ru.md"));
  EXPECT_EQ(HelpMarkdown(i18n::Language::Russian), markdown);
  EXPECT_FALSE(window->Browser().toPlainText().isEmpty());
  for (const QLineEdit* edit : form.Controls().edits) {
    EXPECT_FALSE(edit->toolTip().isEmpty()) << edit->objectName().toStdString();
  }
}

TEST_F(Everyday, OnASmallScreenTheWindowFitsAndItsContentScrolls) {
  const QSize full = form.size();
  EXPECT_FALSE(FitToScreen(form, QRect(0, 0, 1920, 1080)));
  EXPECT_EQ(form.size(), full);
  EXPECT_EQ(form.centralWidget()->size(), QSize(896, 689));

  const QRect small(0, 0, 1280, 720);
  EXPECT_TRUE(FitToScreen(form, small));
  EXPECT_TRUE(small.contains(form.frameGeometry()));
  auto* scroll = qobject_cast<QScrollArea*>(form.centralWidget());
  ASSERT_NE(scroll, nullptr);
  EXPECT_EQ(scroll->widget()->size(), QSize(896, 689));
  EXPECT_LT(scroll->viewport()->height(), 689);
  // Only the height is short: the whole width shows beside the vertical bar,
  // with no horizontal bar.
  QApplication::processEvents();
  EXPECT_EQ(scroll->viewport()->width(), 896);
  EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
  EXPECT_LE(form.maximumWidth(), small.width());
}

}  // namespace
}  // namespace tavro::app
