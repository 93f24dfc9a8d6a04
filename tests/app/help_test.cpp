// The program's help: the file of the interface language, following a
// switch of language while open; Escape closes it; it is written for users
// (no developers' paths), its pictures load, and every label it quotes is one
// the interface shows.
#include <gtest/gtest.h>

#include <algorithm>

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QXmlStreamReader>

#include "app/app_texts.h"
#include "app/form_fixture.h"
#include "app/help_window.h"
#include "app/interface_language.h"
#include "app/qt_text.h"
#include "i18n/catalogue.h"

namespace tavro::app {
namespace {

using i18n::Language;

constexpr Language kLanguages[] = {Language::Russian, Language::English};

class Help : public test::FormTest {
 protected:
  Help() { SwitchLanguage(Language::Russian); }
  ~Help() override { SwitchLanguage(Language::Russian); }

  HelpWindow* Open() {
    form.Actions().help->trigger();
    QApplication::processEvents();
    return form.findChild<HelpWindow*>("HelpWindow");
  }
};

// The help's first heading as its file writes it.
QString Heading(Language language) {
  return HelpMarkdown(language).section('\n', 0, 0).remove(QRegularExpression("^# "));
}

TEST_F(Help, ShowsTheInterfaceLanguageAndFollowsASwitchWhileOpen) {
  HelpWindow* help = Open();
  ASSERT_NE(help, nullptr);
  const QTextBrowser& browser = help->Browser();
  const auto heading = [&] { return browser.document()->firstBlock().text(); };
  ASSERT_NE(Heading(Language::Russian), Heading(Language::English));
  EXPECT_EQ(heading(), Heading(Language::Russian));
  SwitchLanguage(Language::English);
  EXPECT_EQ(heading(), Heading(Language::English));
  EXPECT_EQ(help->windowTitle(), "Program help");
  SwitchLanguage(Language::Russian);
  EXPECT_EQ(heading(), Heading(Language::Russian));
  EXPECT_EQ(help->windowTitle(), "Справка по программе");
  // A note to the writers stays in the file, out of sight.
  EXPECT_FALSE(browser.toPlainText().contains("<!--"));
}

TEST_F(Help, EscapeClosesIt) {
  HelpWindow* help = Open();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(help->isVisible());
  QApplication::setActiveWindow(help);
  QTest::keyClick(help->findChild<QTextBrowser*>("HelpText"), Qt::Key_Escape);
  EXPECT_FALSE(help->isVisible());
  // F1 brings it back.
  form.Actions().help->trigger();
  EXPECT_TRUE(help->isVisible());
}

TEST_F(Help, EveryPictureLoadsInEitherLanguage) {
  HelpWindow* help = Open();
  ASSERT_NE(help, nullptr);
  for (const Language language : kLanguages) {
    SwitchLanguage(language);
    auto& browser = const_cast<QTextBrowser&>(help->Browser());
    int pictures = 0;
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (!format.isImageFormat()) continue;
        ++pictures;
        const QString name = format.toImageFormat().name();
        EXPECT_TRUE(browser.loadResource(QTextDocument::ImageResource, QUrl(name)).isValid())
            << name.toStdString();
      }
    }
    EXPECT_GE(pictures, 3);
  }
}

TEST(HelpText, IsWrittenForUsersNotDevelopers) {
  for (const Language language : kLanguages) {
    const QString text = HelpMarkdown(language);
    ASSERT_GT(text.size(), 5000);
    for (const char* developers : {"mathem/", "design/", "app/", "simulation/", "tests/", "bench",
                                   ".cpp", ".h)", "cmake", "method.md", "Newton", "x87"}) {
      EXPECT_FALSE(text.contains(developers, Qt::CaseInsensitive))
          << i18n::CodeOf(language) << ": " << developers;
    }
  }
}

// Every text the interface shows, both languages, as patterns: a template's
// %1, %2 stand for any value.
std::vector<QRegularExpression> InterfaceTexts() {
  QStringList texts = {i18n::WithoutMnemonic(Q(texts::kLanguageMenu)), Q(texts::kRussian),
                       Q(texts::kEnglish)};
  for (const char* catalogue : {"/translations/interface_en.ts", "/translations/core_en.ts"}) {
    QFile file(QString(TAVRO_SOURCE_DIR) + catalogue);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << catalogue;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
      if (xml.readNext() == QXmlStreamReader::StartElement &&
          (xml.name() == u"source" || xml.name() == u"translation")) {
        texts.push_back(i18n::WithoutMnemonic(xml.readElementText()));
      }
    }
  }
  std::vector<QRegularExpression> patterns;
  for (const QString& text : texts) {
    // escape() writes %1 as \%1.
    QString pattern = QRegularExpression::escape(text);
    pattern.replace(QRegularExpression(R"(\\%\d)"), ".+");
    patterns.emplace_back(QRegularExpression::anchoredPattern(pattern));
  }
  return patterns;
}

TEST(HelpText, QuotesOnlyLabelsTheInterfaceShows) {
  const std::vector<QRegularExpression> shown = InterfaceTexts();
  ASSERT_GT(shown.size(), 300u);
  const struct {
    Language In;
    const char* Quote;
  } cases[] = {{Language::Russian, "«([^»]*)»"}, {Language::English, "“([^”]*)”"}};
  for (const auto& c : cases) {
    int quotes = 0;
    auto matches = QRegularExpression(c.Quote).globalMatch(HelpMarkdown(c.In));
    while (matches.hasNext()) {
      const QString label = matches.next().captured(1).simplified();
      ++quotes;
      EXPECT_TRUE(
          std::any_of(shown.begin(), shown.end(),
                      [&](const QRegularExpression& p) { return p.match(label).hasMatch(); }))
          << i18n::CodeOf(c.In) << ": " << label.toStdString();
    }
    EXPECT_GT(quotes, 50);
  }
}

}  // namespace
}  // namespace tavro::app
