// tavro: the design calculator's window.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_texts.h"
#include "app/display_check.h"
#include "app/info_options.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "design/texts.h"
#include "i18n/catalogue.h"
#include "tavro/version.h"

int main(int argc, char** argv) {
  using namespace tavro;
  if (const auto answer = app::AnswerInfoOption(std::vector<std::string>(argv + 1, argv + argc))) {
    std::fputs(answer->c_str(), stdout);
    return 0;
  }
  if (!app::DisplayAvailable()) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(app::texts::kNoDisplay.size()),
                 app::texts::kNoDisplay.data());
    return 1;
  }
  QApplication application(argc, argv);
  // The title only; a display name would be appended to the window caption.
  QApplication::setApplicationName(app::Q(design::texts::kApplicationTitle));
  // The menu entry and the icon of an installed copy.
  QGuiApplication::setDesktopFileName(app::Q(release::kDesktopId));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tavro")));
  // The first start follows the system's locale (the toolkit's own dialogs
  // too); later starts, the language last picked in the window.
  QSettings settings(QStringLiteral("Tavro"), QStringLiteral("Tavro"));
  const app::AppSettings stored = app::LoadSettings(
      settings, i18n::LanguageOfLocale(QLocale::system().name().toStdString()));
  i18n::UseLanguage(stored.Language);
  app::TForm1 Form1(app::SystemDecimalSeparator());
  Form1.ApplySettings(stored);
  Form1.SetSettingsSink([&settings](const app::AppSettings& s) { app::SaveSettings(settings, s); });
  Form1.RestoreSession();
  Form1.show();
  // tavro FILE: a design file given on the command line is opened at start.
  const QStringList arguments = QApplication::arguments().mid(1);  // Qt's own are gone
  for (const QString& argument : arguments) {
    if (!argument.startsWith('-')) {
      Form1.Files().Open(argument);
      break;
    }
  }
  return QApplication::exec();
}
