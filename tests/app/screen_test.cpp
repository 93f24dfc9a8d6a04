// Every window on a laptop's screen: run once per screen size (the size in
// TAVRO_TEST_SCREEN, see qt_test_main.cpp; also 1920×1080 at scale 1.5),
// each window opens with its frame inside the screen's work area and every
// control in it can be reached: shown, or brought into view by the scroll
// area that holds it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <functional>

#include "app/analysis_panel.h"
#include "app/form_fixture.h"
#include "app/help_window.h"
#include "app/mains_dialog.h"
#include "app/messages.h"
#include "app/plot_windows.h"
#include "app/selection_window.h"
#include "app/simulation_window.h"
#include "app/transformer_windows.h"

namespace tavro::app {
namespace {

QRect Available() {
  return QGuiApplication::primaryScreen()->availableGeometry();
}

// Brings `part` of `w` (in its own coordinates) into view through every
// scroll area around it, then whether enough of it shows in its window: all
// of it, or, for a part wider than the view, its whole height on a usable
// width.
bool Reachable(QWidget* w, QRect part) {
  QWidget* window = w->window();
  for (QWidget* p = w->parentWidget(); p != nullptr && p != window; p = p->parentWidget()) {
    auto* scroll = qobject_cast<QScrollArea*>(p);
    if (scroll != nullptr && scroll->widget() != nullptr && scroll->widget()->isAncestorOf(w)) {
      const QPoint at = w->mapTo(scroll->widget(), part.center());
      scroll->ensureVisible(at.x(), at.y(), part.width() / 2 + 1, part.height() / 2 + 1);
    }
  }
  QApplication::processEvents();
  QRect shown = QRect(w->mapTo(window, part.topLeft()), part.size());
  for (QWidget* p = w->parentWidget(); p != nullptr && p != window; p = p->parentWidget()) {
    shown &= QRect(p->mapTo(window, QPoint(0, 0)), p->size());
  }
  shown &= window->rect();
  shown &= QRect(window->mapFromGlobal(Available().topLeft()), Available().size());  // on screen
  const QRect whole(w->mapTo(window, part.topLeft()), part.size());
  return shown == whole || (shown.height() == whole.height() && shown.width() >= 60);
}

// Every button, field, list, tab and table column of the window that can be
// reached, the names of those that cannot.
std::vector<std::string> Unreachable(QWidget* window) {
  std::vector<std::string> lost;
  const auto name = [](QWidget* w, const QString& what) {
    QString n = w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
    for (QWidget* p = w->parentWidget(); p != nullptr && !p->isWindow(); p = p->parentWidget()) {
      if (!p->objectName().isEmpty()) n = p->objectName() + "/" + n;
    }
    return (n + " " + what).toStdString();
  };
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->window() != window) continue;
    if (qobject_cast<QAbstractButton*>(w) != nullptr &&
        qobject_cast<QTabBar*>(w->parentWidget()) != nullptr) {
      continue;  // a tab bar's own scroll buttons
    }
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
        qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w)) {
      if (qobject_cast<QLineEdit*>(w) && qobject_cast<QAbstractSpinBox*>(w->parentWidget())) {
        continue;  // a spin box's own field
      }
      if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget())) continue;
      if (!Reachable(w, w->rect())) lost.push_back(name(w, w->metaObject()->className()));
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        if (!Reachable(tabs, tabs->tabRect(i))) lost.push_back(name(w, "tab " + tabs->tabText(i)));
      }
    } else if (auto* table = qobject_cast<QTableView*>(w)) {
      QHeaderView* header = table->horizontalHeader();
      // A table without a header shows its columns in its first row.
      const bool headed = !header->isHidden();
      if (!headed && table->model()->rowCount() == 0) continue;
      QWidget* strip = headed ? header->viewport() : table->viewport();
      for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c)) continue;
        table->horizontalScrollBar()->setValue(header->sectionPosition(c));
        QApplication::processEvents();
        const QRect section(header->sectionViewportPosition(c), 0,
                            std::min(header->sectionSize(c), strip->width()),
                            headed ? header->height() : table->rowHeight(0));
        if (section.width() <= 0 || !Reachable(strip, section)) {
          lost.push_back(name(w, "column " + QString::number(c)));
        }
      }
    }
  }
  return lost;
}

class Screen : public test::FormTest {
 protected:
  Screen() {
    TypeWorkedExample();
    Calculate();
    QApplication::processEvents();
  }

  // The frame inside the work area and every control reachable.
  void ExpectFits(QWidget* window, const char* what) {
    ASSERT_NE(window, nullptr) << what;
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible()) << what;
    EXPECT_TRUE(Available().contains(window->frameGeometry()))
        << what << ": frame " << window->frameGeometry().x() << "," << window->frameGeometry().y()
        << " " << window->frameGeometry().width() << "×" << window->frameGeometry().height();
    for (const std::string& lost : Unreachable(window)) {
      ADD_FAILURE() << what << ": cannot reach " << lost;
    }
    // A sideways scroll bar only where the screen is too narrow for the window.
    if (!test::CanMeasureTexts()) return;
    for (QScrollArea* scroll : window->findChildren<QScrollArea*>()) {
      if (scroll->horizontalScrollBar()->isVisible()) {
        EXPECT_GE(window->frameGeometry().width(), Available().width() - 1) << what;
      }
    }
  }
};

TEST_F(Screen, TheScreenIsTheOneAsked) {
  const QByteArray asked = qgetenv("TAVRO_TEST_SCREEN");
  if (asked.isEmpty()) GTEST_SKIP() << "no screen size asked";
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen->size() * screen->devicePixelRatio();
  QString shown = QString("%1x%2").arg(size.width()).arg(size.height());
  if (screen->devicePixelRatio() != 1.0) shown += QString("x%1").arg(screen->devicePixelRatio());
  EXPECT_EQ(shown.toStdString(), asked.toStdString());
}

TEST_F(Screen, EveryWindowFitsAndEveryControlIsReachable) {
  struct Case {
    const char* Name;
    std::function<QWidget*()> Open;
  };
  std::unique_ptr<MainsDialog> mains;
  std::unique_ptr<QMessageBox> about;
  const Case cases[] = {
      {"main window", [&]() -> QWidget* { return &form; }},
      {"parts",
       [&]() -> QWidget* {
         form.SelectionClick();
         return form.Selection();
       }},
      {"load characteristic",
       [&]() -> QWidget* {
         form.N7Click();
         return form.findChild<LoadCharacteristicWindow*>();
       }},
      {"diode current",
       [&]() -> QWidget* {
         form.N8Click();
         return form.findChild<DiodeCurrentWindow*>();
       }},
      {"simulation",
       [&]() -> QWidget* {
         form.OpenSimulation();
         return form.Simulation();
       }},
      {"help",
       [&]() -> QWidget* {
         form.ShowHelp();
         return form.findChild<HelpWindow*>();
       }},
      {"standard transformers",
       [&]() -> QWidget* {
         form.CandidatesItem()->trigger();
         return form.Candidates();
       }},
      {"winding",
       [&]() -> QWidget* {
         form.WindItem()->trigger();
         return form.Winding();
       }},
      {"mains",
       [&]() -> QWidget* {
         mains = std::make_unique<MainsDialog>(form.Settings().Mains, ',', &form);
         ShowCentred(*mains);
         return mains.get();
       }},
      {"about",
       [&]() -> QWidget* {
         form.N5Click();
         if (messages.empty()) return nullptr;
         about = BuildMessageBox(&form, messages.back());
         about->setWindowModality(Qt::NonModal);  // the watchdog fails on a modal one
         ShowCentred(*about);
         return about.get();
       }},
  };
  for (const Case& c : cases) ExpectFits(c.Open(), c.Name);
  form.Analysis().SetActive(true);
  design::AnalysisTexts nameplate;
  nameplate.Voltage = "12";
  nameplate.Power = "25";
  nameplate.Capacitance = "33000";
  nameplate.LoadCurrent = "1";
  nameplate.DiodeDrop = "0,7";
  nameplate.Flux = "1,2";
  form.Analysis().Panel()->SetTexts(nameplate);
  form.Analysis().Panel()->Check();
  ASSERT_EQ(form.Analysis().Panel()->ErrorLine(), QString());
  ExpectFits(&form, "main window checking a transformer");
  form.Analysis().SetActive(false);

  // The plot windows share the room beside the main window: never over each
  // other, and over the main window only when the screen has no room beside it.
  QWidget* load = form.findChild<LoadCharacteristicWindow*>();
  QWidget* pulse = form.findChild<DiodeCurrentWindow*>();
  ASSERT_TRUE(load != nullptr && pulse != nullptr);
  EXPECT_FALSE(load->frameGeometry().intersects(pulse->frameGeometry()));
  if (Available().width() >= 1366) {
    EXPECT_FALSE(load->frameGeometry().intersects(form.frameGeometry()));
    EXPECT_FALSE(pulse->frameGeometry().intersects(form.frameGeometry()));
  }
}

}  // namespace
}  // namespace tavro::app
