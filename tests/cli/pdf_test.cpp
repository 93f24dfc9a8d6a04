// tavro-cli --pdf: the printable report, checked through the text poppler
// extracts from it.
#include <gtest/gtest.h>

#include <algorithm>
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

// The transformer section only when asked for: the standard candidates with
// the marked one, and the winding.
TEST(CliPdf, TransformerSectionWhenAskedFor) {
  const std::string path = (std::filesystem::temp_directory_path() / "tavro_tr.pdf").string();
  const test::ScopedEnv display("DISPLAY", nullptr);
  const std::vector<std::string> design = {
      "--voltage",    "12",  "--current",           "1", "--ripple", "1", "--flux", "1,2",
      "--diode-drop", "0,7", "--decimal-separator", ",", "--pdf",    path};
  const char* const section[] = {"Стандартные трансформаторы",
                                 "→ Броневой (Ш-образный) 12 В, 25 В·А", "Намотка трансформатора",
                                 "Сердечник EI 60/30"};
  for (const bool asked : {false, true}) {
    SCOPED_TRACE(asked);
    std::vector<std::string> args = design;
    if (asked) args.insert(args.end(), {"--suggest-transformers", "--wind"});
    ASSERT_EQ(RunTool(args), kExitDesigned);
    const std::string text = test::PdfText(path);
    ASSERT_FALSE(text.empty());
    for (const char* expected : section) {
      EXPECT_EQ(text.find(expected) != std::string::npos, asked) << expected;
    }
    EXPECT_NE(text.find("Выбор элементов"), std::string::npos);
  }
  std::filesystem::remove(path);
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

// The lines of each page as pdftotext lays them out, no-break spaces as
// spaces.
std::vector<std::vector<std::string>> Pages(std::string text) {
  for (std::size_t at; (at = text.find("\xc2\xa0")) != std::string::npos;) text.replace(at, 2, " ");
  std::vector<std::vector<std::string>> pages(1);
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    for (std::size_t page; (page = line.find('\f')) != std::string::npos;) {
      pages.back().push_back(line.substr(0, page));
      pages.emplace_back();
      line.erase(0, page + 1);
    }
    pages.back().push_back(line);
  }
  while (!pages.empty() && pages.back().size() <= 1 && pages.back().front().empty()) {
    pages.pop_back();
  }
  return pages;
}

// A line's columns: pdftotext puts two or more spaces between them.
std::vector<std::string> Columns(const std::string& line) {
  std::vector<std::string> columns;
  std::size_t at = line.find_first_not_of(' ');
  while (at != std::string::npos) {
    std::size_t end = line.find("  ", at);
    columns.push_back(line.substr(at, end == std::string::npos ? end : end - at));
    at = end == std::string::npos ? end : line.find_first_not_of(' ', end);
  }
  return columns;
}

// Every page of the report with the simulation check, in both languages:
// no unit stands alone on a line, each heading shares its page with its
// first rows, every page's footer counts the pages right, and the
// simulation's waveforms are drawn.
TEST(CliPdf, EveryPageKeepsUnitsHeadingsAndCountsItsPages) {
  struct Case {
    const char* language;
    const char* page;  // the footer: page, this page, of, all pages
    const char* of;
    std::vector<std::string> units;
    std::vector<std::string> headings;
  };
  const Case cases[] = {
      {"ru",
       "стр. ",
       " из ",
       {"В", "А", "%", "мкФ", "Тл", "Гц", "В·А", "°", "рад", "мс", "Ом"},
       {"Входные данные", "Выходные данные", "Расчётные параметры номограмм",
        "Нагрузочная характеристика выпрямителя", "Выбор элементов", "Проверка моделированием",
        "Нагрузочная характеристика", "Форма тока вентиля", "Моделирование: выходное напряжение",
        "Моделирование: ток вентиля", "Моделирование: включение"}},
      {"en",
       "page ",
       " of ",
       {"V", "A", "%", "µF", "T", "Hz", "VA", "°", "rad", "ms", "Ω"},
       {"Input data", "Output data", "Part selection", "Simulation check", "Diode current waveform",
        "Simulation: output voltage", "Simulation: diode current", "Simulation: switch-on"}},
  };
  const test::ScopedEnv helper("TAVRO_SIMULATE", TAVRO_SIMULATE_HELPER);
  const test::ScopedEnv display("DISPLAY", nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    const std::string path = (std::filesystem::temp_directory_path() /
                              (std::string("tavro_pages_") + c.language + ".pdf"))
                                 .string();
    std::string err;
    ASSERT_EQ(RunTool({"--lang", c.language, "--voltage", "12", "--current", "1", "--ripple", "1",
                       "--limbs", "1", "--flux", "1,2", "--diode-drop", "0,7",
                       "--decimal-separator", ",", "--simulate", "--pdf", path},
                      &err),
              kExitDesigned)
        << err;
    const std::vector<std::vector<std::string>> pages = Pages(test::PdfText(path));
    ASSERT_EQ(static_cast<int>(pages.size()), test::PdfPages(path));
    ASSERT_GE(pages.size(), 3U);
    std::vector<std::string> found;
    for (std::size_t p = 0; p < pages.size(); ++p) {
      const std::string footer =
          c.page + std::to_string(p + 1) + c.of + std::to_string(pages.size());
      std::vector<std::string> lines;  // the page's lines with text, its footer last
      for (const std::string& line : pages[p]) {
        if (line.find_first_not_of(' ') != std::string::npos) lines.push_back(line);
      }
      ASSERT_FALSE(lines.empty());
      EXPECT_NE(lines.back().find(footer), std::string::npos) << lines.back();
      for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const std::string& column : Columns(lines[i])) {
          EXPECT_EQ(std::find(c.units.begin(), c.units.end(), column), c.units.end())
              << "a unit alone on page " << p + 1 << ": " << lines[i];
          if (std::find(c.headings.begin(), c.headings.end(), column) == c.headings.end()) continue;
          found.push_back(column);
          // Its first row (or the plot's axis) and more before the footer.
          EXPECT_LT(i + 2, lines.size() - 1) << column << " ends page " << p + 1;
        }
      }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> expected = c.headings;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
    std::filesystem::remove(path);
  }
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
