// The interface language: switched at run time from the menu, every text of
// every open window follows at once and fits its control; switching back
// gives the very same Russian texts.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <map>

#include "app/form_fixture.h"
#include "app/interface_language.h"
#include "app/mains_dialog.h"
#include "app/plot_view.h"
#include "app/qt_text.h"
#include "common/pdf_text.h"
#include "i18n/catalogue.h"

namespace tavro::app {
namespace {

using design::Field;

// Every text a user can see, by where it is: window titles, captions,
// tooltips, menus, table and plot texts. The help is a document,
// not the interface, and is left out.
using Texts = std::map<QString, QString>;

void AddMenu(Texts& texts, const QString& where, QAction* action) {
  texts[where] = action->text();
  texts[where + "tip"] = action->toolTip();
  if (QMenu* menu = action->menu()) {
    for (int i = 0; i < menu->actions().size(); ++i) {
      AddMenu(texts, where + "/" + QString::number(i), menu->actions()[i]);
    }
  }
}

void AddWidget(Texts& texts, QWidget* w) {
  const QString where = QString::number(reinterpret_cast<quintptr>(w), 16);
  const auto add = [&](const QString& what, const QString& text) {
    if (!text.isEmpty()) texts[where + what] = text;
  };
  if (w->isWindow()) add("title", w->windowTitle());
  add("tip", w->toolTip());
  if (auto* label = qobject_cast<QLabel*>(w)) add("text", label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(w)) add("text", button->text());
  if (auto* box = qobject_cast<QGroupBox*>(w)) add("text", box->title());
  if (auto* edit = qobject_cast<QLineEdit*>(w)) add("text", edit->text() + edit->placeholderText());
  if (auto* combo = qobject_cast<QComboBox*>(w)) {
    for (int i = 0; i < combo->count(); ++i) {
      add("item" + QString::number(i),
          combo->itemText(i) + combo->itemData(i, Qt::ToolTipRole).toString());
    }
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
    for (int i = 0; i < tabs->count(); ++i) add("tab" + QString::number(i), tabs->tabText(i));
  }
  if (auto* table = qobject_cast<QTableWidget*>(w)) {
    for (int c = 0; c < table->columnCount(); ++c) {
      if (auto* item = table->horizontalHeaderItem(c))
        add("column" + QString::number(c), item->text());
      for (int r = 0; r < table->rowCount(); ++r) {
        if (auto* item = table->item(r, c)) add(QString("cell%1,%2").arg(r).arg(c), item->text());
      }
    }
  }
  if (auto* plot = qobject_cast<QCustomPlot*>(w)) {
    add("x", plot->xAxis->label());
    add("y", plot->yAxis->label());
    for (int g = 0; g < plot->graphCount(); ++g)
      add("graph" + QString::number(g), plot->graph(g)->name());
    if (auto* view = qobject_cast<PlotView*>(w)) add("plot title", view->Title());
  }
  if (auto* bar = qobject_cast<QMenuBar*>(w)) {
    for (int i = 0; i < bar->actions().size(); ++i) {
      AddMenu(texts, where + "menu" + QString::number(i), bar->actions()[i]);
    }
  }
}

Texts ShownTexts() {
  Texts texts;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    AddWidget(texts, window);
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (w->isVisibleTo(window) && !w->inherits("QTextBrowser")) AddWidget(texts, w);
    }
  }
  return texts;
}

bool HasCyrillic(const QString& text) {
  static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  return text.contains(cyrillic);
}

// A text that does not fit the control it is in, or an empty string.
QString Clipped(QWidget* w) {
  const QFontMetrics metrics(w->font());
  const auto tooWide = [&](const QString& text, int room) {
    const QString shown = QString(text).remove('&');
    int widest = 0;
    for (const QString& line : shown.split('\n'))
      widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest > room ? shown : QString();
  };
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->text().isEmpty() || label->pixmap().cacheKey() != 0) return {};
    const QRect room = label->contentsRect().marginsRemoved(label->contentsMargins());
    if (label->wordWrap()) {
      return label->heightForWidth(label->width()) > label->height() ? label->text() : QString();
    }
    return tooWide(label->text(), room.width() - 2 * std::max(label->indent(), 0));
  }
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto element = qobject_cast<QRadioButton*>(w) != nullptr ? QStyle::SE_RadioButtonContents
                         : qobject_cast<QCheckBox*>(w) != nullptr  ? QStyle::SE_CheckBoxContents
                                                                   : QStyle::SE_PushButtonContents;
    return tooWide(button->text(),
                   button->style()->subElementRect(element, &option, button).width());
  }
  if (auto* box = qobject_cast<QGroupBox*>(w)) return tooWide(box->title(), box->width() - 16);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return tooWide(edit->text(), edit->width() - 8);
  return {};
}

class Language : public test::FormTest {
 protected:
  // As the program starts: Russian, the toolkit's own buttons too.
  Language() { SwitchLanguage(i18n::Language::Russian); }
  ~Language() override { SwitchLanguage(i18n::Language::Russian); }

  void SwitchTo(const char* item) {
    auto* action = form.findChild<QAction*>(item);
    ASSERT_NE(action, nullptr);
    action->trigger();
    QApplication::processEvents();
  }

  // The worked example with every window the main window opens.
  void OpenEverything() {
    TypeWorkedExample();
    Calculate();
    for (QAction* item : {form.Controls().n7, form.Controls().n8, form.SimulationItem(),
                          form.SelectionItem(), form.Actions().help}) {
      item->trigger();
    }
    mains.show();
    QApplication::processEvents();
  }

  MainsDialog mains{form.Settings().Mains, ',', &form};
};

TEST_F(Language, EnglishLeavesNoRussianTextAndRussianComesBackExactly) {
  OpenEverything();
  const Texts russian = ShownTexts();
  const std::vector<std::string> values = AllTexts();
  ASSERT_GT(russian.size(), 200u);

  std::vector<QString> settingsLanguages;
  form.SetSettingsSink(
      [&](const AppSettings& s) { settingsLanguages.push_back(Q(i18n::CodeOf(s.Language))); });
  SwitchTo("LanguageEnglish");
  EXPECT_EQ(i18n::CurrentLanguage(), i18n::Language::English);
  EXPECT_TRUE(form.findChild<QAction*>("LanguageEnglish")->isChecked());
  const Texts english = ShownTexts();
  EXPECT_EQ(english.size(), russian.size());
  for (const auto& [where, text] : english) {
    if (text == "Язык / &Language" || text == "Язык / Language" || text == "Русский") continue;
    EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
  }
  // The values and the state stay as they were.
  EXPECT_EQ(AllTexts(), values);
  form.Controls().n5->trigger();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_FALSE(HasCyrillic(messages[0])) << messages[0].toStdString();
  // The menus keep a mnemonic each in English too.
  QSet<QChar> keys;
  for (QAction* menu : form.menuBar()->actions()) {
    const int at = menu->text().indexOf('&');
    ASSERT_GE(at, 0) << menu->text().toStdString();
    EXPECT_FALSE(keys.contains(menu->text()[at + 1].toLower())) << menu->text().toStdString();
    keys.insert(menu->text()[at + 1].toLower());
  }

  SwitchTo("LanguageRussian");
  const Texts back = ShownTexts();
  EXPECT_EQ(back.size(), russian.size());
  for (const auto& [where, text] : russian) {
    EXPECT_EQ((back.count(where) ? back.at(where) : QString()).toStdString(), text.toStdString());
  }
  EXPECT_EQ(settingsLanguages, (std::vector<QString>{"en", "ru"}));
}

TEST_F(Language, EveryEnglishTextFitsItsControlAtTheDefaultSize) {
  TAVRO_SKIP_WITHOUT_FONTS();
  // The check itself sees a text cut off.
  QLabel narrow(QStringLiteral("Rated rectified voltage, V"));
  narrow.resize(60, 20);
  EXPECT_FALSE(Clipped(&narrow).isEmpty());

  OpenEverything();
  TypeInto(Field::Edit1, "13");  // the stale note
  SwitchTo("LanguageEnglish");
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(window)) continue;
      const QString clipped = Clipped(w);
      EXPECT_TRUE(clipped.isEmpty())
          << window->objectName().toStdString() << ": " << clipped.toStdString();
    }
  }
  // The calculation's messages too.
  TypeInto(Field::Edit2, "0,01");
  Calculate();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_FALSE(HasCyrillic(messages[0])) << messages[0].toStdString();
}

TEST_F(Language, TheEnglishWindowExportsAnEnglishPdfWithADecimalPoint) {
  QTemporaryDir dir;
  const QString path = dir.filePath("design.pdf");
  form.SetPdfFileDialog([&](QWidget*, const QString&, const QString&, const QString&,
                            const QString&, QString& name, bool) {
    name = path;
    return true;
  });
  TypeWorkedExample();
  Calculate();
  SwitchTo("LanguageEnglish");
  form.Actions().exportPdf->trigger();
  ASSERT_TRUE(errors.empty());
  TAVRO_READ_PDF_OR_SKIP(path.toStdString());
  const QString text = QString::fromStdString(test::PdfText(path.toStdString()));
  EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
  // The window shows 1,25570E+01; the English document, with its parts table,
  // writes a point.
  EXPECT_TRUE(text.contains("1.25570E+01"));
  EXPECT_FALSE(text.contains(QRegularExpression("\\d,\\d")));
}

}  // namespace
}  // namespace tavro::app
