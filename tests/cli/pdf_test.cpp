// tavro-cli --pdf: the printable report, checked through the text poppler
// extracts from it.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sstream>

#include "cli/cli_run.h"
#include "cli/command_line.h"
#include "common/files.h"
#include "common/pdf_text.h"

namespace tavro::cli {
namespace {

int RunTool(std::vector<std::string> args, std::string* err = nullptr) {
  args.insert(args.begin(), "tavro-cli");
  std::ostringstream out, errors;
  std::istringstream in;
  const int status = RunCli(args, in, out, errors);
  if (err != nullptr) *err = errors.str();
  return status;
}

TEST(CliPdf, CarriesTheDateInputsResultsTableAndPlotsOfTheDesign) {
  const std::string path = (std::filesystem::temp_directory_path() / "tavro_cli.pdf").string();
  std::filesystem::remove(path);
  test::ScopedEnv epoch("SOURCE_DATE_EPOCH", "1796739000");  // 08.12.2026 14:10 UTC
  test::ScopedEnv display("DISPLAY", nullptr);
  ASSERT_EQ(RunTool({"--voltage", "12", "--current", "1", "--ripple", "1", "--limbs", "1", "--flux",
                     "1,2", "--diode-drop", "0,7", "--decimal-separator", ",", "--pdf", path}),
            kExitDesigned);
  const std::string text = test::PdfText(path);
  ASSERT_FALSE(text.empty()) << "pdftotext (poppler-utils) is needed; see tools/install-deps.sh";
  EXPECT_GE(test::PdfPages(path), 2);
  EXPECT_EQ(test::PdfImages(path), 0);  // the plots and the circuit are drawn, not pictures
  for (const char* expected : {
           "08.12.2026 14:10", "Максимальная магнитная индукция в сердечнике", "1,2 Тл",
           "1,25570E+01 В",    // U2, also in the circuit drawing
           "1,98443E+04 мкФ",  // Cf
           "1,77582E+01",      // Urev and the capacitor's working voltage
           "8,25032E-02",      // A
           "1,96466E+04",      // H
           "4,74882E+01",      // ψ in degrees
           "Cф = 1,98443E+04 мкФ", "Нагрузочная характеристика", "Форма тока вентиля",
           "Выпрямленный ток, А",
           "Выбор элементов",  // the parts to buy
           "(ряд E6)",         // the capacitance to buy
       }) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  // Load table rows, each on one line: percentage, current, voltage, γ, √2·cos ψ.
  const auto rowShown = [&](std::vector<std::string> cells) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      std::istringstream words(line);
      std::vector<std::string> found{std::istream_iterator<std::string>(words), {}};
      if (found == cells) return true;
    }
    return false;
  };
  EXPECT_TRUE(rowShown({"100", "1,00000E+00", "1,20000E+01", "7,88437E-02", "9,55644E-01"}));
  EXPECT_TRUE(rowShown({"120", "1,20000E+00", "1,12712E+01", "9,46125E-02", "8,97607E-01"}));
}

// The circuit drawing and the inputs table name the mains the design was
// calculated for.
TEST(CliPdf, NamesTheMainsOfTheDesign) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "tavro_cli_mains.pdf").string();
  std::filesystem::remove(path);
  test::ScopedEnv display("DISPLAY", nullptr);
  ASSERT_EQ(RunTool({"--voltage",
                     "12",
                     "--current",
                     "1",
                     "--ripple",
                     "1",
                     "--limbs",
                     "1",
                     "--flux",
                     "1,2",
                     "--diode-drop",
                     "0,7",
                     "--decimal-separator",
                     ",",
                     "--mains-voltage",
                     "230",
                     "--mains-frequency",
                     "60",
                     "--pdf",
                     path}),
            kExitDesigned);
  const std::string text = test::PdfText(path);
  EXPECT_NE(text.find("Сеть 230 В, 60 Гц"), std::string::npos) << text;
  EXPECT_EQ(text.find("220 В"), std::string::npos) << text;
}

TEST(CliPdf, InEnglishEveryTextIsEnglishAndNumbersTakeAPoint) {
  const std::string path = (std::filesystem::temp_directory_path() / "tavro_cli_en.pdf").string();
  test::ScopedEnv epoch("SOURCE_DATE_EPOCH", "1796739000");
  test::ScopedEnv display("DISPLAY", nullptr);
  // The window's comma separator: the English document still takes a point.
  ASSERT_EQ(
      RunTool({"--lang", "en", "--voltage", "12", "--current", "1", "--ripple", "1", "--limbs", "1",
               "--flux", "1,2", "--diode-drop", "0,7", "--decimal-separator", ",", "--pdf", path}),
      kExitDesigned);
  std::string text = test::PdfText(path);
  ASSERT_FALSE(text.empty());
  EXPECT_TRUE(Cyrillic(text).empty()) << Cyrillic(text);
  // The font's ligatures come out as one letter each.
  for (const auto& [ligature, letters] : {std::pair{"ﬁ", "fi"}, {"ﬂ", "fl"}, {"ﬃ", "ffi"}}) {
    for (std::size_t at; (at = text.find(ligature)) != std::string::npos;) {
      text.replace(at, std::string_view(ligature).size(), letters);
    }
  }
  for (const char* expected : {"2026-12-08 14:10", "Peak flux density in the core", "1.2 T",
                               "1.25570E+01 V", "Cf = 1.98443E+04 µF", "Load characteristic",
                               "Diode current waveform", "Rectified current, A", "Coefficient H"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  std::filesystem::remove(path);
}

TEST(CliPdf, AFileThatCannotBeWrittenIsReported) {
  std::string err;
  EXPECT_EQ(RunTool({"--voltage", "12", "--current", "1", "--ripple", "1", "--flux", "1.2",
                     "--diode-drop", "0.7", "--decimal-separator", ".", "--pdf",
                     "/nonexistent-folder/x.pdf"},
                    &err),
            kExitReportNotWritten);
  EXPECT_NE(err.find("/nonexistent-folder/x.pdf"), std::string::npos) << err;
}

}  // namespace
}  // namespace tavro::cli
