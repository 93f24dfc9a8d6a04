#include "cli/batch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_run.h"
#include "cli/command_line.h"
#include "cli/safe_text.h"
#include "cli/standard_input.h"
#include "common/csv.h"
#include "common/files.h"
#include "design/calculate.h"
#include "design/texts.h"
#include "mathem/decimal_reading.h"

namespace tavro::cli {
namespace {

constexpr std::size_t kColumns = 26;
constexpr std::size_t kFirstResult = 7;  // Phi
constexpr std::size_t kMessage = 24;
constexpr std::size_t kFailureStage = 25;

struct BatchRun {
  int status;
  std::vector<std::vector<std::string>> rows;  // without the header
  std::string out;
  std::string err;
};

BatchRun Batch(std::istream& in, std::vector<std::string> options = {}) {
  std::vector<std::string> args{"tavro-cli", "--batch"};
  args.insert(args.end(), options.begin(), options.end());
  std::ostringstream out, err;
  BatchRun run{RunCli(args, in, out, err), {}, out.str(), err.str()};
  std::istringstream lines(run.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, BatchHeader());
  while (std::getline(lines, line)) run.rows.push_back(test::CsvFields(line));
  return run;
}

BatchRun Batch(const std::string& input, std::vector<std::string> options = {}) {
  std::istringstream in(input);
  return Batch(in, std::move(options));
}

// The program's own reader: MinGW's from_chars reads long double only to
// the nearest double.
long double Number(const std::string& text) {
  const auto r = mathem::ReadDecimal(text);
  EXPECT_TRUE(r && r->Used == text.size()) << text;
  return r ? r->Value : 0.0L;
}

TEST(Batch, RowsCarryTheWindowsNumbersExactlyInInputOrder) {
  const BatchRun run = Batch(
      "U0, I0, Kp, Limbs, Bm, Ud\n"
      "12,1,1,1,1.2,0.7\n"
      "\n"
      "# a comment\n"
      " 24 ; 2 \n"  // one field
      " 24 , 2 , 5 , 2 , 1.5 , 1 \r\n");
  EXPECT_EQ(run.status, kExitInputRejected);  // one row holds a message
  ASSERT_EQ(run.rows.size(), 3U);
  EXPECT_EQ(run.rows[0][0], "2");
  EXPECT_EQ(run.rows[1][0], "5");
  EXPECT_EQ(run.rows[2][0], "6");

  // The worked example, as the engine calculates it.
  const design::Design d = std::get<design::Design>(design::Calculate({12, 1, 1, 1, 1.2L, 0.7L}));
  const std::vector<std::string>& row = run.rows[0];
  ASSERT_EQ(row.size(), kColumns);
  EXPECT_EQ(row[1], "12");
  EXPECT_EQ(row[4], "1");
  EXPECT_EQ(Number(row[5]), 1.2L);
  const long double expected[] = {d.Parameters.Phi,
                                  d.A,
                                  d.Point.Psi,
                                  d.Point.Beta,
                                  d.Coefficients.B,
                                  d.Coefficients.D,
                                  d.Coefficients.F,
                                  d.Coefficients.H,
                                  d.Results.U2,
                                  d.Results.I2,
                                  d.Results.I1,
                                  d.Results.Pframe,
                                  d.Results.Urev,
                                  d.Results.Idrms,
                                  d.Results.Idpk,
                                  d.Results.Cf,
                                  d.Load.RatedRowModelVoltage};
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(Number(row[kFirstResult + i]), expected[i]) << "column " << kFirstResult + i;
  }
  EXPECT_EQ(row[kMessage], "");
  EXPECT_NEAR(static_cast<double>(Number(row[23])), 12.0, 1e-6);

  EXPECT_EQ(run.rows[2][kMessage], "");
  EXPECT_EQ(run.rows[2][4], "2");
}

TEST(Batch, ABadLineGetsItsMessageAndTheBatchGoesOn) {
  struct Case {
    const char* line;
    std::string message;
    const char* stage = "";
  };
  const Case cases[] = {
      {"12,1,1,1,1.2", "expected 6 comma-separated fields U0, I0, Kp, Limbs, Bm, Ud; found 5"},
      {"12,1,1,1,1,2,0,7", "expected 6 comma-separated fields U0, I0, Kp, Limbs, Bm, Ud; found 8"},
      {"12,1,1,3,1.2,0.7", "Limbs must be 1 or 2"},
      {"12,1,1,one,1.2,0.7", "Limbs must be 1 or 2"},
      {"12,,1,1,1.2,0.7", std::string(design::texts::kFormatError)},
      {"12,\"1\",1,1,1.2,0.7", std::string(design::texts::kFormatError)},
      {"-12,1,1,1,1.2,0.7", std::string(design::texts::kVoltageNotPositive)},
      {"12,0.01,1,1,1.2,0.7", std::string(design::texts::kCurrentBelow20mA)},
      {"0.01,1,1,1,1.2,0.7", std::string(design::texts::kCoefficientAbove20),
       "coefficient-above-20"},
      {"1e5,5,1,1,0.01,0.7", std::string(design::texts::kCalculationError), "load-continuation"},
  };
  std::string input;
  for (const Case& c : cases) input += std::string(c.line) + "\n12,1,1,1,1.2,0.7\n";
  const BatchRun run = Batch(input);
  EXPECT_EQ(run.status, kExitInputRejected);
  ASSERT_EQ(run.rows.size(), 2 * std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].line);
    const std::vector<std::string>& bad = run.rows[2 * i];
    ASSERT_EQ(bad.size(), kColumns);
    EXPECT_EQ(bad[kMessage], cases[i].message);
    EXPECT_EQ(bad[kFailureStage], cases[i].stage);
    for (std::size_t c = kFirstResult; c < kMessage; ++c) EXPECT_EQ(bad[c], "");
    EXPECT_EQ(run.rows[2 * i + 1][kMessage], "");  // the good design after it
  }
  // A quote in a field comes back doubled inside a quoted field.
  EXPECT_EQ(run.rows[10][2], "\"1\"");
}

TEST(Batch, EveryDesignCalculatedExitsWith0AndUsageIsChecked) {
  EXPECT_EQ(Batch("12,1,1,1,1.2,0.7\n").status, kExitDesigned);
  EXPECT_EQ(Batch("").status, kExitDesigned);
  std::istringstream in;
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"tavro-cli", "--batch", "--voltage", "12"}, in, out, err), kExitUsage);
  EXPECT_EQ(RunCli({"tavro-cli", "--batch", "--json"}, in, out, err), kExitUsage);
  EXPECT_EQ(RunCli({"tavro-cli", "--jobs", "2"}, in, out, err), kExitUsage);
  EXPECT_EQ(RunCli({"tavro-cli", "--batch", "--jobs", "0"}, in, out, err), kExitUsage);
}

// Designs of every kind a file may hold: realistic ones, extremes, malformed
// lines and bytes that are not text at all.
std::string GeneratedDesigns(int count, unsigned seed) {
  std::mt19937 random(seed);
  auto pick = [&](std::initializer_list<const char*> options) {
    return std::string(options.begin()[random() % options.size()]);
  };
  auto between = [&](double low, double high) {
    return std::to_string(low *
                          std::pow(high / low, std::uniform_real_distribution<>(0, 1)(random)));
  };
  std::string text = "U0,I0,Kp,Limbs,Bm,Ud\n";
  for (int i = 0; i < count; ++i) {
    switch (random() % 10) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4:
        text += between(5, 1000) + "," + between(0.02, 50) + "," + between(0.1, 15) + "," +
                pick({"1", "2"}) + "," + between(0.6, 1.9) + "," + between(0.3, 1.5);
        break;
      case 5:
        text += pick({"1e-4000", "0.01", "0.03", "1e9", "1e4000", "1.18973e+4932"}) + "," +
                pick({"0.02", "1", "1e4000"}) + "," + pick({"1", "15", "16"}) + "," +
                pick({"1", "2"}) + "," + pick({"1e-4000", "0.01", "1.2", "1e4000"}) + "," +
                pick({"3.6452e-4951", "0.7", "1e4000"});
        break;
      case 6:
        text += pick({"12,1,1,1,1.2", "12,1,1,1,1.2,0.7,9", "", ",,,,,", "12,1,1,0,1.2,0.7",
                      "12,1,1,1,1,2,0,7", "U0,I0,Kp,Limbs,Bm,Ud", "-1,1,1,1,1,1",
                      "12;1;1;1;1.2;0.7", "nan,inf,1,1,1,1", "0x1p3,1,1,1,1.2,0.7"});
        break;
      case 7:
        text += "#" + std::to_string(i);
        break;
      default: {
        const int length = static_cast<int>(random() % 40);
        for (int k = 0; k < length; ++k) {
          char c = static_cast<char>(random() % 256);
          if (c == '\n') c = ',';
          text += c;
        }
      }
    }
    text += '\n';
  }
  return text;
}

TEST(Batch, TenThousandGeneratedDesignsEachGetAResultOrAMessage) {
  const BatchRun run = Batch(GeneratedDesigns(10000, 7), {"--jobs", "2"});
  ASSERT_GT(run.rows.size(), 8000U);
  long previous = 1;
  int designed = 0;
  for (const std::vector<std::string>& row : run.rows) {
    ASSERT_EQ(row.size(), kColumns) << row[0];
    const long line = std::stol(row[0]);
    EXPECT_GT(line, previous);
    previous = line;
    const bool hasMessage = !row[kMessage].empty();
    for (std::size_t c = kFirstResult; c < kMessage; ++c) {
      if (hasMessage) {
        EXPECT_EQ(row[c], "") << "line " << line;
      } else {
        const long double value = Number(row[c]);
        EXPECT_TRUE(std::isfinite(value)) << "line " << line << " column " << c;
      }
    }
    designed += hasMessage ? 0 : 1;
  }
  EXPECT_GT(designed, 4000);
}

TEST(Batch, ThreadsChangeNeitherOrderNorNumbers) {
  const std::string input = GeneratedDesigns(600, 11);
  const BatchRun one = Batch(input, {"--jobs", "1"});
  const BatchRun three = Batch(input, {"--jobs", "3"});
  EXPECT_EQ(one.out, three.out);
}

constexpr const char* kWorkedExampleLine = "12,1,1,1,1.2,0.7";

// Gives `lines` copies of the worked example's line, then fails as a device does.
class FailingInput : public std::streambuf {
 public:
  explicit FailingInput(int lines) {
    for (int i = 0; i < lines; ++i) text_ += std::string(kWorkedExampleLine) + "\n";
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

 protected:
  int_type underflow() override { throw std::system_error(EIO, std::generic_category()); }

 private:
  std::string text_;
};

TEST(Batch, AnInputThatCannotBeReadExitsWith7AfterTheRowsOfEveryLineRead) {
  FailingInput failing(600);  // more than one chunk
  std::istream in(&failing);
  const BatchRun run = Batch(in);
  EXPECT_EQ(run.status, kExitStreamFailed);
  ASSERT_EQ(run.rows.size(), 600U);
  EXPECT_EQ(run.rows.back()[0], "600");
  EXPECT_EQ(run.rows.back()[kMessage], "");
  EXPECT_EQ(run.err, "standard input could not be read after line 600: " +
                         std::generic_category().message(EIO) + "\n");

#ifndef _WIN32
  // Standard input a directory (a POSIX case): nothing is read, which is no
  // empty batch.
  const int directory = ::open(std::filesystem::temp_directory_path().c_str(), O_RDONLY);
  ASSERT_GE(directory, 0);
  DescriptorInput standardInput(directory);
  std::istream fromDirectory(&standardInput);
  const BatchRun none = Batch(fromDirectory);
  ::close(directory);
  EXPECT_EQ(none.status, kExitStreamFailed);
  EXPECT_TRUE(none.rows.empty());
  EXPECT_EQ(none.err,
            "standard input could not be read: " + std::generic_category().message(EISDIR) + "\n");
#endif

  // A file reads as the same text would.
  const std::string path =
      (std::filesystem::temp_directory_path() / ("tavro_batch_input_" + std::to_string(::getpid())))
          .string();
  const std::string text = "U0,I0,Kp,Limbs,Bm,Ud\n" + std::string(kWorkedExampleLine) + "\n1,2\n";
  std::ofstream(path) << text;
  const int file = ::open(path.c_str(), O_RDONLY);
  ASSERT_GE(file, 0);
  DescriptorInput fileInput(file);
  std::istream fromFile(&fileInput);
  const BatchRun read = Batch(fromFile);
  ::close(file);
  std::filesystem::remove(path);
  EXPECT_EQ(read.status, kExitInputRejected);
  EXPECT_EQ(read.out, Batch(text).out);
}

TEST(Batch, ALineLongerThanTheBoundIsARowWithAMessage) {
  const auto padded = [](std::size_t length) {
    std::string line = kWorkedExampleLine;
    return line + std::string(length - line.size(), ' ');
  };
  const std::string tooLong = "the line is longer than 65536 bytes";
  struct Row {
    const char* line;
    std::string message;
  };
  struct Case {
    std::string input;
    std::vector<Row> rows;
  };
  const Case cases[] = {
      {padded(kMaxLineBytes) + "\n" + padded(kMaxLineBytes + 1) + "\n",
       {{"1", ""}, {"2", tooLong}}},
      {"U0,I0\n" + padded(kMaxLineBytes), {{"2", ""}}},  // the last line without its end
      {padded(kMaxLineBytes + 1), {{"1", tooLong}}},
      {"#" + std::string(100000, 'x') + "\n" + kWorkedExampleLine + "\n", {{"2", ""}}},
      {std::string(10'000'000, '1') + "\n" + kWorkedExampleLine + "\n",
       {{"1", tooLong}, {"2", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input.substr(0, 40));
    const BatchRun run = Batch(c.input);
    ASSERT_EQ(run.rows.size(), c.rows.size());
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      ASSERT_EQ(run.rows[i].size(), kColumns);
      EXPECT_EQ(run.rows[i][0], c.rows[i].line);
      EXPECT_EQ(run.rows[i][kMessage], c.rows[i].message);
      if (!c.rows[i].message.empty()) {
        EXPECT_EQ(run.rows[i][1], "");
      }
    }
  }
}

TEST(Batch, AByteOrderMarkBeforeTheFirstLineIsDropped) {
  const std::string bom = "\xEF\xBB\xBF";
  const BatchRun header = Batch(bom + "U0,I0,Kp,Limbs,Bm,Ud\n" + kWorkedExampleLine + "\n");
  EXPECT_EQ(header.status, kExitDesigned);
  ASSERT_EQ(header.rows.size(), 1U);
  EXPECT_EQ(header.rows[0][0], "2");
  const BatchRun design = Batch(bom + kWorkedExampleLine + "\n");
  EXPECT_EQ(design.status, kExitDesigned);
  ASSERT_EQ(design.rows.size(), 1U);
  EXPECT_EQ(design.rows[0][1], "12");
}

TEST(Batch, BytesThatAreNotUtf8AreNeverCopiedIntoTheOutput) {
  const std::string r = "\xEF\xBF\xBD";  // U+FFFD
  struct Case {
    std::string field, shown;
  };
  const Case cases[] = {
      {"12\xFF", "12" + r},
      {std::string("1\0"
                   "2",
                   3),
       "1" + r + "2"},
      {"\xC0\x80", r + r},                  // an overlong NUL
      {"\xED\xA0\x80", r + r + r},          // a surrogate
      {"\xF4\x90\x80\x80", r + r + r + r},  // above U+10FFFF
      {"\xE2\x82", r + r},                  // cut short
      {"\x80x\xBF", r + "x" + r},           // stray continuation bytes
      {"Вт \xE2\x82\xAC \xF0\x9F\x98\x80", "Вт \xE2\x82\xAC \xF0\x9F\x98\x80"},  // kept
  };
  std::string input;
  for (const Case& c : cases) input += c.field + ",1,1,1,1.2,0.7\n";
  const BatchRun run = Batch(input);
  EXPECT_EQ(ValidUtf8(run.out), run.out);
  EXPECT_EQ(run.out.find('\0'), std::string::npos);
  ASSERT_EQ(run.rows.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(run.rows[i][1], cases[i].shown) << i;
}

std::string HelperScript(const std::string& name, const std::string& body) {
  const auto path =
      std::filesystem::temp_directory_path() / ("tavro_" + name + "_" + std::to_string(::getpid()));
  std::ofstream(path) << "#!/bin/sh\n" << body << '\n';
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  return path.string();
}

TEST(Batch, AFailedSimulationExitsWith5AfterEveryRowEvenWithRejectedRows) {
#ifdef _WIN32
  GTEST_SKIP() << "the stand-in helpers are POSIX shell scripts";
#endif
  const std::string exits = HelperScript("exits", "exit 9");
  const std::string ngspiceError = HelperScript(
      "ngspice_error",
      "while read -r line; do "
      "echo '{\"ok\":false,\"error\":{\"kind\":\"ngspice\",\"message\":\"timestep too small\"}}'; "
      "done");
  struct Case {
    std::vector<std::string> options;
    const std::string& helper;
    const char* message;
  };
  const Case cases[] = {
      {{"--diode", "NOPE"}, exits, "no shipped diode model NOPE"},
      {{"--diode-model", ".model x D(IS=1.0.4abc)"}, exits, "is not a number"},
      {{}, exits, "exited with status 9"},
      {{}, ngspiceError, "timestep too small"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const test::ScopedEnv helper("TAVRO_SIMULATE", c.helper.c_str());
    std::vector<std::string> args{"--batch", "--simulate"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun run = Cli(args, std::string(kWorkedExampleLine) + "\n1,2\n");
    EXPECT_EQ(run.status, kExitSimulationFailed);
    std::istringstream lines(run.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 3U);  // the header, the design, the rejected line
    EXPECT_NE(rows[1].find(c.message), std::string::npos) << rows[1];
  }
  std::filesystem::remove(exits);
  std::filesystem::remove(ngspiceError);
}

}  // namespace
}  // namespace tavro::cli
