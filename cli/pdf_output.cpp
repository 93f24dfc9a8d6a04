#include "cli/pdf_output.h"

#include <QGuiApplication>
#include <memory>

namespace tavro::cli {

void WritePdf(const std::string& path, const pdf::PdfReport& report) {
  std::unique_ptr<QGuiApplication> application;
  if (QCoreApplication::instance() == nullptr) {
#ifdef _WIN32
    // The desktop's own platform, for the system's fonts: the offscreen one
    // knows none on Windows, and the document's text would be blank boxes.
    qputenv("QT_QPA_PLATFORM", "windows");
#else
    // No window is shown, so no display is needed, whatever DISPLAY says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    static int argc = 1;
    static char name[] = "tavro-cli";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  pdf::WritePdfReport(path, report);
}

}  // namespace tavro::cli
