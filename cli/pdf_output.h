// tavro-cli --pdf: the printable report written without a display.
#pragma once

#include "pdf/pdf_report.h"

namespace tavro::cli {

// Starts Qt's GUI layer on the offscreen platform when no application object
// exists yet (fonts and the PDF writer need one), then writes the document.
// Throws pdf::PdfWriteError when the file cannot be written.
void WritePdf(const std::string& path, const pdf::PdfReport& report);

}  // namespace tavro::cli
