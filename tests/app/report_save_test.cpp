// "Сохранить данные..." from the window: refusal, cancel, append, failure.
#include <gtest/gtest.h>

#include <filesystem>
#include "app/form_fixture.h"
#include "common/files.h"
#include "design/texts.h"
#include "report/report_texts.h"

namespace tavro::app {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) { return test::ReadFile(path.string()); }

struct DialogCall {
  QString defaultExt, filter, initialDir, title, fileName;
  bool isOpen = true;
};

class SaveReport : public test::FormTest {
 protected:
  SaveReport() {
    form.SetClock([] { return report::ReportTime{8, 12, 2026, 14, 10}; });
    form.SetTimeSeparator(":");
    form.SetFileDialog([this](QWidget*, const QString& ext, const QString& filter,
                              const QString& dir, const QString& title, QString& name, bool open) {
      calls.push_back({ext, filter, dir, title, name, open});
      if (answer.isEmpty()) return false;
      name = answer;
      return true;
    });
    folder = fs::temp_directory_path() / ("tavro-save-" + std::to_string(::getpid()));
    fs::create_directories(folder);
  }
  ~SaveReport() override { fs::remove_all(folder); }

  void Save() { form.Controls().n3->trigger(); }

  std::vector<DialogCall> calls;
  QString answer;  // what the user picks; empty = cancel
  fs::path folder;
};

TEST_F(SaveReport, IsRefusedBeforeACalculationAndAfterAFailedOne) {
  Save();
  EXPECT_TRUE(calls.empty());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].toStdString(), report::texts::kCalculateFirst);

  TypeWorkedExample();
  Calculate();
  TypeInto(design::Field::Edit1, "0,01");  // A above 20
  Calculate();
  messages.clear();
  Save();
  EXPECT_TRUE(calls.empty());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].toStdString(), report::texts::kCalculateFirst);
}

TEST_F(SaveReport, AsksForANameAndACancelDoesNothing) {
  TypeWorkedExample();
  Calculate();
  Save();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].defaultExt, "txt");
  EXPECT_EQ(calls[0].filter, QString::fromUtf8("Текстовые документы (*.txt)|*.txt"));
  EXPECT_EQ(calls[0].initialDir, ".");
  EXPECT_EQ(calls[0].title, QString::fromUtf8("Сохранить как..."));
  EXPECT_TRUE(calls[0].fileName.isEmpty());
  EXPECT_FALSE(calls[0].isOpen);
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(SaveReport, AppendsTheGoldenReportEachTime) {
  TypeWorkedExample();
  Calculate();
  const fs::path file = folder / "report.txt";
  answer = QString::fromStdString(file.string());
  Save();
  Save();
  const std::string golden = test::GoldenReport();
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(Read(file), golden + golden);
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(errors.empty());
}

TEST_F(SaveReport, AFailedWriteGoesToTheErrorBoxAndKeepsTheFile) {
  TypeWorkedExample();
  Calculate();
  std::size_t expected = 0;
#ifndef _WIN32
  answer = "/dev/full";
  Save();
  ASSERT_EQ(errors.size(), ++expected);
  EXPECT_TRUE(errors[0].contains("/dev/full"));
  EXPECT_TRUE(messages.empty());
#endif

  answer = QString::fromStdString(folder.string());  // a folder
  Save();
  EXPECT_EQ(errors.size(), ++expected);
  EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
}  // namespace tavro::app
