#include "cli/pdf_output.h"

#include <QGuiApplication>
#include <memory>

namespace tavro::cli {

void WritePdf(const std::string& path, const pdf::PdfReport& report) {
  std::unique_ptr<QGuiApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    // No window is shown, so no display is needed, whatever DISPLAY says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tavro-cli";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  pdf::WritePdfReport(path, report);
}

}  // namespace tavro::cli
