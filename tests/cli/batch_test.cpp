#include "cli/batch.h"

#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "common/csv.h"
#include "design/calculate.h"
#include "design/texts.h"

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

BatchRun Batch(const std::string& input, std::vector<std::string> options = {}) {
  std::vector<std::string> args{"tavro-cli", "--batch"};
  args.insert(args.end(), options.begin(), options.end());
  std::istringstream in(input);
  std::ostringstream out, err;
  BatchRun run{RunCli(args, in, out, err), {}, out.str(), err.str()};
  std::istringstream lines(run.out);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, BatchHeader());
  while (std::getline(lines, line)) run.rows.push_back(test::CsvFields(line));
  return run;
}

long double Number(const std::string& text) {
  long double value = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(r.ptr, text.data() + text.size()) << text;
  return value;
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

}  // namespace
}  // namespace tavro::cli
