// The text of a PDF document as poppler's pdftotext extracts it, for tests
// that check what a document says rather than how it looks.
#pragma once

#include <cstdio>
#include <string>

// Poppler's tools are Linux programs: where they cannot run (the Windows
// build's tests under Wine), a test that reads a document's text checks only
// that a PDF document was written and skips the rest.
#ifdef _WIN32
#define TAVRO_READ_PDF_OR_SKIP(path)                                       \
  do {                                                                     \
    EXPECT_TRUE(::tavro::test::IsPdfDocument(path)) << (path);             \
    GTEST_SKIP() << "reading a PDF document's text needs poppler's tools"; \
  } while (false)
#else
#define TAVRO_READ_PDF_OR_SKIP(path) static_cast<void>(0)
#endif

namespace tavro::test {

inline bool IsPdfDocument(const std::string& path) {
  char head[5] = {};
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  const bool pdf = std::fread(head, 1, sizeof head, file) == sizeof head &&
                   std::string(head, sizeof head) == "%PDF-";
  std::fclose(file);
  return pdf;
}

// "" when the tool is missing or the file is not a PDF document.
inline std::string PdfText(const std::string& path, const char* options = "-layout") {
  const std::string command = std::string("pdftotext ") + options + " '" + path + "' - 2>/dev/null";
  std::string text;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
    ::pclose(pipe);
  }
  return text;
}

inline int PdfPages(const std::string& path) {
  const std::string command = "pdfinfo '" + path + "' 2>/dev/null";
  int pages = 0;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) std::sscanf(line, "Pages: %d", &pages);
    ::pclose(pipe);
  }
  return pages;
}

// Raster images in the document (pdfimages lists them under a two-line
// header); -1 when the tool cannot read the file.
inline int PdfImages(const std::string& path) {
  const std::string command = "pdfimages -list '" + path + "' 2>/dev/null";
  int lines = 0;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) ++lines;
    if (::pclose(pipe) != 0) return -1;
  }
  return lines - 2;
}

}  // namespace tavro::test
