#include "report/report_text.h"

#include <gtest/gtest.h>

#include "common/files.h"
#include "design/calculate.h"
#include "report/cp1251.h"
#include "report/results_table.h"

namespace tavro::report {
namespace {

constexpr ReportTime kSaved{8, 12, 2026, 14, 10};

// The report's lines as the file holds them: Windows-1251 bytes, CR LF removed.
std::vector<std::string> ByteLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class WorkedExampleReport : public ::testing::Test {
 protected:
  std::string Bytes() const { return EncodeReport(ReportLines(content, kSaved, ":")); }

  ReportContent content{{"12", "1", "1", "1", "1,2", "0,7"},
                        std::get<design::Design>(design::Calculate({12, 1, 1, 1, 1.2L, 0.7L})),
                        ','};
};

TEST_F(WorkedExampleReport, MatchesTheGoldenFileByteForByte) {
  const std::string golden = test::GoldenReport();
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(Bytes(), golden);
}

TEST_F(WorkedExampleReport, HasTheLayoutOfTheReport) {
  const std::string bytes = Bytes();
  const std::vector<std::string> lines = ByteLines(bytes);
  ASSERT_EQ(lines.size(), 74u);
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");  // no byte-order mark
  const std::string dashes(73, '-');
  for (int n : {1, 43, 48, 74}) EXPECT_EQ(lines[n - 1], dashes) << "line " << n;
  // Cyrillic in Windows-1251: "РАСЧЁТ" with Ё as byte 168.
  EXPECT_EQ(lines[1].substr(0, 6), "\xD0\xC0\xD1\xD7\xA8\xD2");
  // The middle dot of "В·А" and of "√2·cos(Psi)" is byte 183.
  EXPECT_EQ(lines[22].substr(lines[22].size() - 3), "\xC2\xB7\xC0");
  EXPECT_EQ(lines[46].substr(61),
            "\\/2\xB7"
            "cos(Psi)");
  EXPECT_EQ(lines[45][63], '_');
  // Values start in column 50 (inputs), 45 (outputs) and 17 (nomograms).
  EXPECT_EQ(lines[8].substr(49), "12 \xC2");
  EXPECT_EQ(lines[17].substr(44), "50 \xC3\xF6");
  EXPECT_EQ(lines[19].substr(44, 11), "8,58019E-02");
  EXPECT_EQ(lines[34].substr(16), "8,25032E-02");
  EXPECT_EQ(lines[4], "\xC4\xE0\xF2\xE0: 08.12.2026\xE3. \xC2\xF0\xE5\xEC\xFF: 14:10");
  // Bars in columns 14 and 45 under the header and in every row.
  for (int n = 44; n <= 73; ++n) {
    if (n == 48) continue;
    EXPECT_EQ(lines[n - 1][13], '|') << "line " << n;
    EXPECT_EQ(lines[n - 1][44], '|') << "line " << n;
  }
  // Rows: the percentage right-aligned in 7 columns, then the four values.
  for (int k = 0; k <= 24; ++k) {
    const std::string& row = lines[48 + k];
    char percent[8];
    std::snprintf(percent, sizeof percent, "%7d", 5 * k);
    EXPECT_EQ(row.substr(0, 7), percent);
    EXPECT_EQ(row.size(), 72u);
  }
  EXPECT_EQ(lines[72].substr(16, 11), "1,20000E+00");
  EXPECT_EQ(lines[68].substr(30, 11), "1,20000E+01");  // row 20 holds U0 itself
}

TEST(ReportLines, LongerNumbersShiftTheirRowNothingIsCut) {
  ReportContent c;
  c.Design.Load.Voltage[3] = -1.5L;
  c.Design.Load.Current[4] = 1e-100L;
  const std::vector<std::string> lines = ReportLines(c, kSaved, ":");
  EXPECT_EQ(lines[51], "     15      |  0,00000E+00   -1,50000E+00   |  0,00000E+00   0,00000E+00");
  EXPECT_EQ(lines[52].substr(16, 12), "1,00000E-100");
  EXPECT_EQ(lines[52].size(), 73u);
}

// A design for other mains says so in the report and in the results table,
// not the published method's 220 V / 50 Hz.
TEST(ReportLines, NameTheMainsTheDesignWasCalculatedFor) {
  design::CalculationOptions options;
  options.Supply = {230.0L, 60.0L};
  const ReportContent c{
      {"12", "1", "1", "1", "1,2", "0,7"},
      std::get<design::Design>(design::Calculate({12, 1, 1, 1, 1.2L, 0.7L}, options)),
      ','};
  const std::vector<std::string> lines = ReportLines(c, kSaved, ":");
  EXPECT_EQ(lines[17], "Частота электросети:                        60 Гц");
  EXPECT_EQ(lines[18], "Действующее напряжение первичной обмотки:   230 В");
  const std::vector<ResultSection> sections = ResultSections(c);
  const std::vector<ResultRow>& inputs = sections.front().Rows;
  EXPECT_EQ(inputs[6].Value, "60");
  EXPECT_EQ(inputs[7].Value, "230");
}

TEST(ReportLines, DateUsesTheTimeSeparatorAndPadsItsFields) {
  const std::vector<std::string> lines = ReportLines(ReportContent{}, {1, 2, 987, 3, 4}, ".");
  EXPECT_EQ(lines[4], "Дата: 01.02.0987г. Время: 03.04");
}

TEST(EncodeCp1251, MapsCyrillicAndReplacesWhatItLacks) {
  EXPECT_EQ(EncodeCp1251("АЯаяЁё·№ ok"), "\xC0\xDF\xE0\xFF\xA8\xB8\xB7\xB9 ok");
  EXPECT_EQ(EncodeCp1251("€"), "\x88");
  // No Windows-1251 byte: one "?" per character, never broken bytes.
  EXPECT_EQ(EncodeCp1251("ä√٫→x"), "????x");
  EXPECT_EQ(EncodeCp1251("a\xC3(b"), "a?(b");
  EXPECT_EQ(EncodeCp1251("\xFF\xFE"), "??");
  EXPECT_EQ(EncodeCp1251("x\xE2\x82"), "x?");  // cut off at the end
  EXPECT_EQ(EncodeCp1251(""), "");
}

}  // namespace
}  // namespace tavro::report
