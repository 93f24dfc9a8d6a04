#include "design/design_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "common/files.h"
#include "design/decimal.h"
#include "files/whole_file.h"

namespace tavro::design {
namespace {

DesignFile WorkedExample(char separator) {
  const std::string s(1, separator);
  return {{"12", "1", "1", "2", "1" + s + "2", "  0" + s + "7E0 "}, separator, {}};
}

std::filesystem::path Scratch(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / "tavro_design_file_test";
  std::filesystem::create_directories(dir);
  return dir / name;
}

TEST(DesignFile, RoundTripGivesTheSameNumbersUnderEitherSeparator) {
  for (char written : {',', '.'}) {
    for (char read : {',', '.'}) {
      const auto path = Scratch("round_trip.tavro").string();
      ASSERT_FALSE(WriteDesignFile(path, WorkedExample(written)));
      const DesignFileReading reading = ReadDesignFile(path, read);
      ASSERT_TRUE(std::holds_alternative<DesignFile>(reading));
      const DesignFile& file = std::get<DesignFile>(reading);
      const DesignFile original = WorkedExample(written);
      EXPECT_EQ(file.DecimalSeparator, read);
      EXPECT_EQ(file.Inputs.Limbs, "2");
      EXPECT_EQ(file.Inputs.U0, "12");
      for (auto text : {&InputTexts::Bm, &InputTexts::Ud}) {
        EXPECT_EQ(ParseDecimal(file.Inputs.*text, read),
                  ParseDecimal(original.Inputs.*text, written));
      }
      EXPECT_EQ(file.Inputs.Ud,
                written == read ? original.Inputs.Ud : "  0" + std::string(1, read) + "7E0 ");
    }
  }
}

// Every setting comes back as written, whatever the separator; a version-1
// file (inputs only) opens with none of them, so the defaults hold.
TEST(DesignFile, SettingsComeBackExactlyAndAVersionOneFileHasNone) {
  DesignFile file = WorkedExample(',');
  file.Settings = {.MainsVoltage = 117.5L,
                   .MainsFrequency = 60.0L,
                   .MainsTolerancePercent = 12.5L,
                   .CapacitorTolerancePercent = 10.0L,
                   .CapacitorSeries = "E12",
                   .DiodeMargin = 2.0L,
                   .CapacitorMargin = 1.5L,
                   .CapacitorEsr = 0.031L,
                   .CapacitorLife = 5000.0L,
                   .CapacitorTemperature = 85.0L,
                   .Ambient = -20.0L,
                   .CoreLossShare = 0.5L,
                   .FuseFactor = 1.6L,
                   .SurgeLimit = 30.0L,
                   .Diode = "UF4007",
                   .SimulationDiode = "1N5408",
                   .SimulationModel = ".model D1 D(IS=1n RS=0.1 \"x\")",
                   .SimulationEsr = 0.125L,
                   .SimulationLoad = "current"};
  for (char read : {',', '.'}) {
    const DesignFileReading reading = ParseDesignFile(DesignFileText(file), read);
    ASSERT_TRUE(std::holds_alternative<DesignFile>(reading));
    EXPECT_EQ(std::get<DesignFile>(reading).Settings, file.Settings);
  }
  DesignFile partial = WorkedExample(',');
  partial.Settings.MainsFrequency = 60.0L;
  const DesignFileReading some = ParseDesignFile(DesignFileText(partial), ',');
  ASSERT_TRUE(std::holds_alternative<DesignFile>(some));
  EXPECT_EQ(std::get<DesignFile>(some).Settings, partial.Settings);

  const std::string v1 =
      R"({"format":"tavro-design","version":1,"decimal_separator":",","inputs":{"voltage":"12",)"
      R"("current":"1","ripple":"1","limbs":1,"flux":"1,2","diode_drop":"0,7"}})";
  const DesignFileReading old = ParseDesignFile(v1, ',');
  ASSERT_TRUE(std::holds_alternative<DesignFile>(old));
  EXPECT_EQ(std::get<DesignFile>(old).Settings, DesignSettings{});
  EXPECT_EQ(std::get<DesignFile>(old).Inputs.Bm, "1,2");
}

// The check of a transformer one has comes back as typed, its numbers in
// the reader's separator; a file without it has none, and writing none
// leaves the file as it was before the check existed.
TEST(DesignFile, AnalysisComesBackAsTypedAndIsLeftOutWhenNone) {
  DesignFile file = WorkedExample(',');
  const std::string plain = DesignFileText(file);
  EXPECT_EQ(plain.find("analysis"), std::string::npos);
  file.Analysis = AnalysisTexts{.Active = true,
                                .Voltage = "12,5",
                                .NoLoad = true,
                                .Power = "25",
                                .Regulation = "abc",
                                .Kind = "toroidal",
                                .ShortCircuitVoltage = "9",
                                .ShortCircuitCurrent = "0,1",
                                .Capacitance = "2200",
                                .LoadCurrent = "1",
                                .DiodeDrop = "0,7",
                                .Flux = "1,2",
                                .Limbs = 2};
  for (char read : {',', '.'}) {
    const DesignFileReading reading = ParseDesignFile(DesignFileText(file), read);
    ASSERT_TRUE(std::holds_alternative<DesignFile>(reading));
    const std::optional<AnalysisTexts>& a = std::get<DesignFile>(reading).Analysis;
    ASSERT_TRUE(a);
    AnalysisTexts expected = *file.Analysis;
    if (read == '.') {
      expected.Voltage = "12.5";
      expected.ShortCircuitCurrent = "0.1";
      expected.DiodeDrop = "0.7";
      expected.Flux = "1.2";
    }
    EXPECT_EQ(*a, expected);
  }
  const DesignFileReading none = ParseDesignFile(plain, ',');
  ASSERT_TRUE(std::holds_alternative<DesignFile>(none));
  EXPECT_FALSE(std::get<DesignFile>(none).Analysis);
}

TEST(DesignFile, TextsThatAreNotNumbersStayAsTyped) {
  const DesignFile file{{"", "abc", "1.5", "1", "1,2,3", "∞"}, ',', {}};
  const DesignFileReading reading = ParseDesignFile(DesignFileText(file), '.');
  ASSERT_TRUE(std::holds_alternative<DesignFile>(reading));
  const InputTexts& in = std::get<DesignFile>(reading).Inputs;
  EXPECT_EQ(in.U0, "");
  EXPECT_EQ(in.I0, "abc");
  EXPECT_EQ(in.Kp, "1.5");
  EXPECT_EQ(in.Bm, "1,2,3");
  EXPECT_EQ(in.Ud, "∞");
}

struct BadFile {
  std::string text;
  DesignFileProblem problem;
  const char* detail;
};

TEST(DesignFile, DamagedForeignAndNewerFilesAreRefusedWithTheirReason) {
  const std::string good = DesignFileText(WorkedExample(','));
  const std::string cut = good.substr(0, good.size() / 2);
  const std::string v1 = R"({"format":"tavro-design","version":1,"decimal_separator":",",)";
  const std::string v2 = R"({"format":"tavro-design","version":2,"decimal_separator":",",)";
  const std::string inputs =
      R"("inputs":{"voltage":"12","current":"1","ripple":"1","limbs":1,"flux":"1","diode_drop":"1"})";
  const BadFile cases[] = {
      {"", DesignFileProblem::NotJson, nullptr},
      {cut, DesignFileProblem::NotJson, nullptr},
      {"\xff\xfe garbage", DesignFileProblem::NotJson, nullptr},
      {"[1, 2]", DesignFileProblem::NotADesign, nullptr},
      {R"({"name": "x"})", DesignFileProblem::NotADesign, nullptr},
      {R"({"format": "other", "version": 1})", DesignFileProblem::NotADesign, nullptr},
      {R"({"format":"tavro-design","version":3,"mains":{}})", DesignFileProblem::NewerVersion, "3"},
      {R"({"format":"tavro-design","version":2.5})", DesignFileProblem::NewerVersion, "2.5"},
      {R"({"format":"tavro-design","version":"1"})", DesignFileProblem::BadEntry, "version"},
      {v1 + inputs + R"(,"mains":{"voltage":230}})", DesignFileProblem::UnknownEntry, "mains"},
      {v2 + inputs + R"(,"mains":{"voltage":"230"}})", DesignFileProblem::BadEntry,
       "mains.voltage"},
      {v2 + inputs + R"(,"mains":{"phase":3}})", DesignFileProblem::UnknownEntry, "mains.phase"},
      {v2 + inputs + R"(,"parts":{"capacitor_series":6}})", DesignFileProblem::BadEntry,
       "parts.capacitor_series"},
      {v2 + inputs + R"(,"simulation":[]})", DesignFileProblem::BadEntry, "simulation"},
      {v2 + inputs + R"(,"simulation":{"esr":1,"esr":2}})", DesignFileProblem::DuplicateEntry,
       "simulation.esr"},
      {v2 + inputs + R"(,"simulation":{"diode_model":")" + std::string(5000, 'x') + R"("}})",
       DesignFileProblem::BadEntry, "simulation.diode_model"},
      {v1 + R"("inputs":{"voltage":"12","shunt":"1"}})", DesignFileProblem::UnknownEntry,
       "inputs.shunt"},
      {v1 + R"("inputs":{"voltage":12}})", DesignFileProblem::BadEntry, "inputs.voltage"},
      // An escaped lone surrogate is not text.
      {v1 + R"("inputs":{"voltage":"1\udc00"}})", DesignFileProblem::BadEntry, "inputs.voltage"},
      {v1 + R"("inputs":{"voltage":"12","current":"1","ripple":"1","limbs":3,"flux":"1",)"
            R"("diode_drop":"1"}})",
       DesignFileProblem::BadEntry, "inputs.limbs"},
      {R"({"format":"tavro-design","version":1,"decimal_separator":";","inputs":{}})",
       DesignFileProblem::BadEntry, "decimal_separator"},
      // Nesting far deeper than any stack takes recursively.
      {std::string(150000, '['), DesignFileProblem::NotJson, nullptr},
      {std::string(150000, '[') + std::string(150000, ']'), DesignFileProblem::NotADesign, nullptr},
      {v1 + inputs + R"(,"x":)" + std::string(100000, '[') + std::string(100000, ']') + "}",
       DesignFileProblem::UnknownEntry, "x"},
      // Given twice: which one would count is anybody's guess.
      {v1 + inputs + R"(,"version":1})", DesignFileProblem::DuplicateEntry, "version"},
      {v1 + R"("inputs":{"voltage":"12","current":"1","ripple":"1","limbs":1,"flux":"1",)"
            R"("diode_drop":"1","voltage":"24"}})",
       DesignFileProblem::DuplicateEntry, "inputs.voltage"},
      {v1 + inputs + R"(,"analysis":{}})", DesignFileProblem::UnknownEntry, "analysis"},
      {v2 + inputs + R"(,"analysis":[]})", DesignFileProblem::BadEntry, "analysis"},
      {v2 + inputs + R"(,"analysis":{"tap":"1"}})", DesignFileProblem::UnknownEntry,
       "analysis.tap"},
      {v2 + inputs + R"(,"analysis":{"voltage":12}})", DesignFileProblem::BadEntry,
       "analysis.voltage"},
      {v2 + inputs + R"(,"analysis":{"active":1}})", DesignFileProblem::BadEntry,
       "analysis.active"},
      {v2 + inputs + R"(,"analysis":{"kind":"C-core"}})", DesignFileProblem::BadEntry,
       "analysis.kind"},
      {v2 + inputs + R"(,"analysis":{"limbs":0}})", DesignFileProblem::BadEntry, "analysis.limbs"},
      {v2 + inputs + R"(,"analysis":{"va":"1","va":"2"}})", DesignFileProblem::DuplicateEntry,
       "analysis.va"},
      // One document and nothing after it, not even after a NUL byte.
      {good + "{}", DesignFileProblem::NotJson, nullptr},
      {good + std::string("\0{}", 3), DesignFileProblem::NotJson, nullptr},
  };
  for (const BadFile& c : cases) {
    const DesignFileReading reading = ParseDesignFile(c.text, ',');
    ASSERT_TRUE(std::holds_alternative<DesignFileError>(reading)) << c.text;
    const DesignFileError& error = std::get<DesignFileError>(reading);
    EXPECT_EQ(error.Problem, c.problem) << c.text;
    if (c.detail != nullptr) {
      EXPECT_EQ(error.Detail, c.detail) << c.text;
    }
  }
}

TEST(DesignFile, WhitespaceAfterTheDocumentIsFine) {
  const std::string text = DesignFileText(WorkedExample(',')) + " \r\n\t\n";
  EXPECT_TRUE(std::holds_alternative<DesignFile>(ParseDesignFile(text, ',')));
}

TEST(DesignFile, AKeyOrNameWithControlCharactersIsShownEscaped) {
  const std::string v1 = R"({"format":"tavro-design","version":1,"decimal_separator":",",)";
  const DesignFileReading reading = ParseDesignFile(v1 + R"("\u001b[2J\u009b1m":1})", ',');
  ASSERT_TRUE(std::holds_alternative<DesignFileError>(reading));
  const std::string message =
      DescribeDesignFileError("a\x1b]0;b\x07\xff.tavro", std::get<DesignFileError>(reading));
  EXPECT_EQ(message.find_first_of("\x1b\x07\xff"), std::string::npos) << message;
  EXPECT_EQ(message.find("\xc2\x9b"), std::string::npos) << message;
  EXPECT_NE(message.find("«a\\x1b]0;b\\x07\\xff.tavro»"), std::string::npos) << message;
  EXPECT_NE(message.find("«\\x1b[2J\\xc2\\x9b1m»"), std::string::npos) << message;
  // Text that is printable, Cyrillic included, stays as it is.
  EXPECT_EQ(Printable("проект №1 ∞"), "проект №1 ∞");
}

// Every kind of path that is not a design file to read: one message naming
// the file, no wait, no unbounded read.
TEST(DesignFile, OnlyRegularFilesOfSaneSizeAreRead) {
  const auto fifo = Scratch("pipe.tavro");
  std::filesystem::remove(fifo);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto large = Scratch("large.tavro");
  {
    std::ofstream out(large, std::ios::binary);
    out << DesignFileText(WorkedExample(','));
    out << std::string(kMaxDesignFileBytes, ' ');
  }
  const auto link = Scratch("link.tavro");
  const auto good = Scratch("good.tavro");
  ASSERT_FALSE(WriteDesignFile(good.string(), WorkedExample(',')));
  std::filesystem::remove(link);
  std::filesystem::create_symlink(good, link);
  struct Case {
    std::string path;
    std::optional<files::FileError> error;  // nothing: the file reads
    const char* reason;
  };
  const Case cases[] = {
      {Scratch("").string(), files::FileError{files::FileFault::System, EISDIR}, "Is a directory"},
      {fifo.string(), files::FileError{files::FileFault::NotRegular}, "это не обычный файл"},
      {"/dev/zero", files::FileError{files::FileFault::NotRegular}, "это не обычный файл"},
      {large.string(), files::FileError{files::FileFault::TooLarge}, "файл больше 1 МиБ"},
      {link.string(), std::nullopt, nullptr},
  };
  for (const Case& c : cases) {
    const DesignFileReading reading = ReadDesignFile(c.path, ',');
    if (!c.error) {
      EXPECT_TRUE(std::holds_alternative<DesignFile>(reading)) << c.path;
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<DesignFileError>(reading)) << c.path;
    const DesignFileError& error = std::get<DesignFileError>(reading);
    EXPECT_EQ(error.Problem, DesignFileProblem::CannotRead) << c.path;
    ASSERT_TRUE(error.File) << c.path;
    EXPECT_EQ(error.File->Fault, c.error->Fault) << c.path;
    EXPECT_EQ(error.File->Errno, c.error->Errno) << c.path;
    const std::string message = DescribeDesignFileError(c.path, error);
    EXPECT_NE(message.find("«" + c.path + "»: " + c.reason), std::string::npos) << message;
  }
  // The limit itself still reads.
  {
    std::ofstream out(large, std::ios::binary | std::ios::trunc);
    const std::string text = DesignFileText(WorkedExample(','));
    out << text << std::string(kMaxDesignFileBytes - text.size(), ' ');
  }
  EXPECT_TRUE(std::holds_alternative<DesignFile>(ReadDesignFile(large.string(), ',')));
}

TEST(DesignFile, MessagesNameTheFileAndTheEntry) {
  const std::string message =
      DescribeDesignFileError("/tmp/a%2.tavro", {DesignFileProblem::UnknownEntry, "mains"});
  EXPECT_NE(message.find("«/tmp/a%2.tavro»"), std::string::npos) << message;
  EXPECT_NE(message.find("«mains»"), std::string::npos) << message;
  EXPECT_NE(
      DescribeDesignFileError("x", {DesignFileProblem::NewerVersion, "3"}).find("версия формата 3"),
      std::string::npos);
}

TEST(DesignFile, MissingFilesAndFoldersAreReportedNotCreated) {
  const auto missing = Scratch("no_such_folder") / "design.tavro";
  const auto read = ReadDesignFile(missing.string(), ',');
  ASSERT_TRUE(std::holds_alternative<DesignFileError>(read));
  EXPECT_EQ(std::get<DesignFileError>(read).Problem, DesignFileProblem::CannotRead);
  const auto written = WriteDesignFile(missing.string(), WorkedExample(','));
  ASSERT_TRUE(written);
  EXPECT_EQ(written->Problem, DesignFileProblem::CannotWrite);
  EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
}

TEST(DesignFile, SavingOverAFileReplacesItWhole) {
  const auto path = Scratch("replace.tavro").string();
  { std::ofstream(path) << std::string(10000, 'x'); }
  ASSERT_FALSE(WriteDesignFile(path, WorkedExample('.')));
  EXPECT_EQ(test::ReadFile(path), DesignFileText(WorkedExample('.')));
  EXPECT_FALSE(std::filesystem::exists(path + ".part"));
}

}  // namespace
}  // namespace tavro::design
