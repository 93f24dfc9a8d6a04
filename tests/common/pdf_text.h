// The text of a PDF document as poppler's pdftotext extracts it, for tests
// that check what a document says rather than how it looks.
#pragma once

#include <cstdio>
#include <string>

namespace tavro::test {

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
