// tavro: the design calculator's window.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

#include "app/app_texts.h"
#include "app/display_check.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "design/texts.h"

int main(int argc, char** argv) {
  using namespace tavro;
  if (!app::DisplayAvailable()) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(app::texts::kNoDisplay.size()),
                 app::texts::kNoDisplay.data());
    return 1;
  }
  QApplication application(argc, argv);
  // The title only; a display name would be appended to the window caption.
  QApplication::setApplicationName(app::Q(design::texts::kApplicationTitle));
  // The interface is Russian whatever the locale, the toolkit's own dialogs too.
  QTranslator toolkitTexts;
  if (toolkitTexts.load(QStringLiteral("qtbase_ru"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&toolkitTexts);
  }
  app::TForm1 Form1(app::SystemDecimalSeparator());
  Form1.RestoreSession();
  Form1.show();
  // tavro FILE: a design file given on the command line is opened at start.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) Form1.Files().Open(arguments.at(1));
  return QApplication::exec();
}
