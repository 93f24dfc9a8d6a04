// A main window with its messages recorded instead of shown, and a watchdog
// that fails the test (and closes the dialog) if a modal dialog ever opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "app/design_files.h"
#include "app/main_window.h"

// The offscreen platform of the Windows build reads fonts from a folder of
// its own, none under Wine: a test that measures texts has nothing to
// measure with there and says so.
#define TAVRO_SKIP_WITHOUT_FONTS()                                                     \
  do {                                                                                 \
    if (!::tavro::test::CanMeasureTexts()) GTEST_SKIP() << "no fonts to measure with"; \
  } while (false)

namespace tavro::test {

inline bool CanMeasureTexts() {
#ifdef _WIN32
  return !QFontDatabase::families().isEmpty();
#else
  return true;  // fontconfig's fonts, a dependency of the build
#endif
}

class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    form.SetMessageSink([this](const QString& text) { messages.push_back(text); });
    form.SetErrorSink([this](const QString& text) { errors.push_back(text); });
    // Opening over unsaved edits asks; a test that expects it answers.
    form.Files().SetUnsavedQuestion([this](QWidget*, const QString& name) {
      unsavedQuestions.push_back(name);
      return unsavedAnswer;
    });
    QObject::connect(&watchdog, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
        modal->close();
      }
    });
    watchdog.start(50);
    form.show();
  }

  QLineEdit* Edit(design::Field field) const { return form.Controls().Edit(field); }
  std::string Shown(design::Field field) const { return form.Text(field); }

  void TypeInto(design::Field field, const QString& text) {
    Edit(field)->clear();
    QTest::keyClicks(Edit(field), text);
  }

  void TypeWorkedExample() {
    TypeInto(design::Field::Edit1, "12");
    TypeInto(design::Field::Edit2, "1");
    TypeInto(design::Field::Edit3, "1");
    TypeInto(design::Field::Edit5, "1,2");
    TypeInto(design::Field::Edit6, "0,7");
  }

  void Calculate() { QTest::mouseClick(form.Controls().button1, Qt::LeftButton); }

  std::vector<std::string> AllTexts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < design::kFieldCount; ++i) texts.push_back(form.Text(design::FieldAt(i)));
    return texts;
  }

  app::TForm1 form{','};
  std::vector<QString> unsavedQuestions;  // the file named by each question
  app::DesignFiles::UnsavedChoice unsavedAnswer = app::DesignFiles::UnsavedChoice::Discard;
  std::vector<QString> messages;
  std::vector<QString> errors;
  QTimer watchdog;
};

}  // namespace tavro::test
