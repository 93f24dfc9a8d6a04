#include "report/open_save.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace tavro::report {
namespace {

TEST(ReplaceChar, ReplacesEveryOccurrenceAndKeepsTheLength) {
  const QString filter = "a|b||c";
  const QString replaced = ReplaceChar(filter, '|', QChar(0));
  EXPECT_EQ(replaced.size(), filter.size());
  EXPECT_EQ(replaced, QString("a") + QChar(0) + "b" + QChar(0) + QChar(0) + "c");
  EXPECT_EQ(filter, "a|b||c");
  EXPECT_EQ(ReplaceChar("", '|', 'x'), "");
  EXPECT_EQ(ReplaceChar("abc", '|', 'x'), "abc");
}

TEST(NameFilters, TurnsPairsIntoTheDialogsFilters) {
  EXPECT_EQ(NameFilters(QString::fromUtf8("Текстовые документы (*.txt)|*.txt")),
            QStringList{QString::fromUtf8("Текстовые документы (*.txt)")});
  EXPECT_EQ(NameFilters("Reports|*.txt|All files|*.*|"),
            (QStringList{"Reports (*.txt)", "All files (*.*)"}));
  EXPECT_EQ(NameFilters("Logs|*.log;*.txt"), QStringList{"Logs (*.log *.txt)"});
  EXPECT_TRUE(NameFilters("").isEmpty());
}

TEST(BuildFileDialog, IsTheSaveDialogTheReportNeeds) {
  QWidget owner;
  const auto dialog = BuildFileDialog(&owner, "txt", QString::fromUtf8("Текстовые документы (*.txt)|*.txt"),
                                      ".", QString::fromUtf8("Сохранить как..."), "", false);
  EXPECT_EQ(dialog->parentWidget(), &owner);
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Сохранить как..."));
  EXPECT_EQ(dialog->directory().absolutePath(), QDir::current().absolutePath());
  EXPECT_EQ(dialog->defaultSuffix(), "txt");
  EXPECT_EQ(dialog->selectedNameFilter(), QString::fromUtf8("Текстовые документы (*.txt)"));

  const auto open = BuildFileDialog(nullptr, "", "A|*.a|B|*.b", "", "", "", true);
  EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
  EXPECT_TRUE(open->defaultSuffix().isEmpty());
  EXPECT_EQ(open->selectedNameFilter(), "A (*.a)");
}

// Answers the next modal file dialog as a user would.
void AnswerDialog(const std::function<void(QFileDialog&)>& answer) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      answer(*d);
    }
  });
  poll->start(10);
}

TEST(ShowFileDialog, ReturnsTheFullPathWithTheDefaultExtension) {
  QTemporaryDir folder;
  AnswerDialog([](QFileDialog& d) {
    // Typed into the name box and confirmed with Enter.
    auto* nameBox = d.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nameBox, nullptr);
    nameBox->setText("report");
    QTest::keyClick(nameBox, Qt::Key_Return);
  });
  QString name;
  EXPECT_TRUE(ShowFileDialog(nullptr, "txt", "Reports|*.txt", folder.path(), "Save", name, false));
  EXPECT_EQ(name, QDir(folder.path()).absoluteFilePath("report.txt"));
}

TEST(ShowFileDialog, CancelLeavesTheNameAlone) {
  AnswerDialog([](QFileDialog& d) { d.reject(); });
  QString name = "kept";
  EXPECT_FALSE(ShowFileDialog(nullptr, "txt", "Reports|*.txt", "", "", name, false));
  EXPECT_EQ(name, "kept");
}

}  // namespace
}  // namespace tavro::report
